#pragma once

#include "app/PromptSeam.h"

// The editor's prompts: Qt's modal dialogs.
class QtPromptSeam final : public PromptSeam {
public:
    void runModal(QDialog &dialog) override;
    void showMessage(const QString &text) override;
};
