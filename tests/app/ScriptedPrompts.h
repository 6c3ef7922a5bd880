#pragma once

#include "app/PromptSeam.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <queue>

// Prompts for the GUI tests: every dialog and message is recorded, and each dialog is answered by the
// next scripted answer (or closed untouched when none is queued); nothing waits for a person.
class ScriptedPrompts final : public PromptSeam {
public:
    using DialogAnswer = std::function<void(QDialog &)>;

    void queueDialogAnswer(DialogAnswer answer) { answers_.push(std::move(answer)); }

    void runModal(QDialog &dialog) override
    {
        shown << dialog.objectName();
        if (!answers_.empty()) {
            DialogAnswer answer = std::move(answers_.front());
            answers_.pop();
            answer(dialog);
        }
    }

    void showMessage(const QString &text) override { messages << text; }

    QStringList shown;
    QStringList messages;

private:
    std::queue<DialogAnswer> answers_;
};
