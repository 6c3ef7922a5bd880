#pragma once

#include "app/PromptSeam.h"

#include <QDialog>
#include <QStringList>

// Prompts for the GUI tests: every dialog is recorded by its object name and closed at once, untouched;
// nothing waits for a person.
class ScriptedPrompts final : public PromptSeam {
public:
    void runModal(QDialog &dialog) override { shown << dialog.objectName(); }

    QStringList shown;
};
