#pragma once

#include "app/PromptSeam.h"

// The editor's prompts: Qt's modal dialogs.
class QtPromptSeam final : public PromptSeam {
public:
    void runModal(QDialog &dialog) override;
    void showMessage(const QString &text) override;
    void showWarning(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    SaveAnswer askYesNoCancel(const QString &text) override;
    bool askYesNo(const QString &text) override;
    std::optional<FileChoice> chooseOpenFile(const FileDialogSpec &spec) override;
    std::optional<FileChoice> chooseSaveFile(const FileDialogSpec &spec) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
};
