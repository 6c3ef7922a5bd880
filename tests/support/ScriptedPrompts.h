#pragma once

#include "app/PromptSeam.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <queue>

// Prompts for the GUI tests: every dialog, message and question is recorded and answered from a
// script (a dialog left untouched, Cancel, or no file or font when nothing is queued); nothing waits
// for a person.
class ScriptedPrompts final : public PromptSeam {
public:
    using DialogAnswer = std::function<void(QDialog &)>;

    void queueDialogAnswer(DialogAnswer answer) { dialogAnswers_.push(std::move(answer)); }
    void queueYesNoCancel(SaveAnswer answer) { questionAnswers_.push(answer); }
    void queueOkCancel(bool ok) { okCancelAnswers_.push(ok); }
    void queueYesNo(bool yes) { yesNoAnswers_.push(yes); }
    // A choice with an empty path stands for the operator cancelling the dialog.
    void queueFile(FileChoice choice) { fileAnswers_.push(std::move(choice)); }
    void queueFont(std::optional<QFont> font) { fontAnswers_.push(std::move(font)); }

    void runModal(QDialog &dialog) override
    {
        shown << dialog.objectName();
        if (!dialogAnswers_.empty()) {
            DialogAnswer answer = std::move(dialogAnswers_.front());
            dialogAnswers_.pop();
            answer(dialog);
        }
    }

    void showMessage(const QString &text) override { messages << text; }
    void showWarning(const QString &text) override
    {
        warnings << text;
        if (whenWarned) {
            whenWarned();
        }
    }

    bool askOkCancel(const QString &text) override
    {
        questions << text;
        return next(okCancelAnswers_, false);
    }

    SaveAnswer askYesNoCancel(const QString &text) override
    {
        questions << text;
        return next(questionAnswers_, SaveAnswer::Cancel);
    }

    bool askYesNo(const QString &text) override
    {
        questions << text;
        return next(yesNoAnswers_, false);
    }

    std::optional<FileChoice> chooseOpenFile(const FileDialogSpec &spec) override
    {
        fileDialogs.push_back(spec);
        return nextFile();
    }

    std::optional<FileChoice> chooseSaveFile(const FileDialogSpec &spec) override
    {
        fileDialogs.push_back(spec);
        return nextFile();
    }

    std::optional<QFont> chooseFont(const QFont &initial) override
    {
        fontsOffered.push_back(initial);
        return next(fontAnswers_, std::optional<QFont>());
    }

    QStringList shown;
    QStringList messages;
    QStringList warnings;
    // Runs while a warning is up, to look at the windows behind it.
    std::function<void()> whenWarned;
    QStringList questions;
    std::vector<FileDialogSpec> fileDialogs;
    std::vector<QFont> fontsOffered;

private:
    template <typename T> static T next(std::queue<T> &answers, T fallback)
    {
        if (answers.empty()) {
            return fallback;
        }
        T answer = std::move(answers.front());
        answers.pop();
        return answer;
    }

    std::optional<FileChoice> nextFile()
    {
        const FileChoice choice = next(fileAnswers_, FileChoice{});
        return choice.path.isEmpty() ? std::nullopt : std::optional<FileChoice>(choice);
    }

    std::queue<DialogAnswer> dialogAnswers_;
    std::queue<SaveAnswer> questionAnswers_;
    std::queue<bool> okCancelAnswers_;
    std::queue<bool> yesNoAnswers_;
    std::queue<FileChoice> fileAnswers_;
    std::queue<std::optional<QFont>> fontAnswers_;
};
