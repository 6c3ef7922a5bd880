#include "app/QtPromptSeam.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

std::optional<FileChoice> RunFileDialog(const FileDialogSpec &spec, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The dialog itself never asks before replacing a file: a caller that asks does so through this seam,
    // about the path it really writes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(spec.filters);
    if (spec.filterIndex >= 0 && spec.filterIndex < spec.filters.size()) {
        dialog.selectNameFilter(spec.filters[spec.filterIndex]);
    }
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return FileChoice{dialog.selectedFiles().constFirst(),
                      static_cast<int>(spec.filters.indexOf(dialog.selectedNameFilter()))};
}

} // namespace

void QtPromptSeam::runModal(QDialog &dialog)
{
    dialog.exec();
}

void QtPromptSeam::showMessage(const QString &text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void QtPromptSeam::showWarning(const QString &text)
{
    QMessageBox::warning(QApplication::activeWindow(), QCoreApplication::translate("QtPromptSeam", "Warning"),
                         text);
}

bool QtPromptSeam::askOkCancel(const QString &text)
{
    return QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                                QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

SaveAnswer QtPromptSeam::askYesNoCancel(const QString &text)
{
    const auto answer = QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                             QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtPromptSeam::askYesNo(const QString &text)
{
    return QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<FileChoice> QtPromptSeam::chooseOpenFile(const FileDialogSpec &spec)
{
    return RunFileDialog(spec, QFileDialog::AcceptOpen);
}

std::optional<FileChoice> QtPromptSeam::chooseSaveFile(const FileDialogSpec &spec)
{
    return RunFileDialog(spec, QFileDialog::AcceptSave);
}

std::optional<QFont> QtPromptSeam::chooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
}
