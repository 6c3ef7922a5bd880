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
    ProjectIdentity identity;
    identity.path = filePath;
    if (!filePath.isEmpty()) {
        QString unreadable;
        identity.fileSha256 = FileSha256(filePath, unreadable).value_or(QString());
    }
    const CheckedProjectFile captured = CaptureProject(model);
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    if (!captured.result.ok() || !WriteCurrentFormat(captured.file, saved)) {
        return identity;
    }
    identity.sha256 = Sha256Hex(saved.data());
    identity.unsaved = identity.fileSha256 != identity.sha256;
    return identity;
}

QStringList ProjectIdentity::recordedDigests() const
{
    QStringList digests;
    if (!fileSha256.isEmpty()) {
        digests << fileSha256;
    }
    if (unsaved && !sha256.isEmpty()) {
        digests << sha256;
    }
    return digests;
}
