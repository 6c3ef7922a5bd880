#include "record/ProjectDigest.h"

#include "io/CurrentFormatWriter.h"
#include "io/ProjectTransfer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>

QString Sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

std::optional<QString> FileSha256(const QString &path, QString &error)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return QString::fromLatin1(hash.result().toHex());
}

ProjectIdentity IdentifyProject(const ProjectModel &model, const QString &filePath)
{
    ProjectIdentity identity{filePath, true, {}};
    const CheckedProjectFile captured = CaptureProject(model);
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    if (!captured.result.ok() || !WriteCurrentFormat(captured.file, saved)) {
        return identity;
    }
    identity.sha256 = Sha256Hex(saved.data());
    if (filePath.isEmpty()) {
        return identity;
    }
    QString unreadable;
    identity.unsaved = FileSha256(filePath, unreadable) != identity.sha256;
    return identity;
}
