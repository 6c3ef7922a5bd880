#pragma once

#include <QString>

#include <utility>

enum class FileOutcome {
    Done,      // the file was read or written as asked
    Cancelled, // the operator closed the file dialog; nothing happened
    Failed,    // nothing was changed; the message says why
};

// The outcome of a file operation and the one line the operator reads about it. Readers and writers
// answer it instead of showing anything, so the window, the command line and the tests all see the same
// message.
class FileResult {
public:
    static FileResult done() { return FileResult(FileOutcome::Done, {}); }
    static FileResult cancelled() { return FileResult(FileOutcome::Cancelled, {}); }
    static FileResult failed(QString message) { return FileResult(FileOutcome::Failed, std::move(message)); }

    FileOutcome outcome() const { return outcome_; }
    bool ok() const { return outcome_ == FileOutcome::Done; }
    const QString &message() const { return message_; }

private:
    FileResult(FileOutcome outcome, QString message) : outcome_(outcome), message_(std::move(message)) {}

    FileOutcome outcome_ = FileOutcome::Done;
    QString message_;
};
