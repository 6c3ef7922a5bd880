#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;

// What a file dialog is shown with: Qt filter entries ("New Korvel File (*.nkv)" …), the entry chosen
// when it opens (0-based), and the extension added to a name typed without one.
struct FileDialogSpec {
    QStringList filters;
    int filterIndex = 0;
    QString defaultSuffix;
};

// What the operator chose in a file dialog: the path and the filter entry (0-based) in force.
struct FileChoice {
    QString path;
    int filterIndex = 0;
};

enum class SaveAnswer { Yes, No, Cancel };

// Every modal interaction of the editor goes through this seam: the editor fills it with Qt's own
// dialogs, the tests with scripted answers that record what was shown, so no test ever waits for a
// person or a timer to close a window.
class PromptSeam {
public:
    virtual ~PromptSeam() = default;

    // Shows one of the editor's dialogs modally and returns when it is closed; the caller reads the
    // dialog's result fields afterwards.
    virtual void runModal(QDialog &dialog) = 0;

    // A plain message to the operator (a refused operation, a limit), closed with OK.
    virtual void showMessage(const QString &text) = 0;

    // A box captioned "Warning" with an exclamation mark and OK (the serial download's failures).
    virtual void showWarning(const QString &text) = 0;

    // A question with OK and Cancel; answers whether OK was chosen (dismissing the box is Cancel).
    virtual bool askOkCancel(const QString &text) = 0;

    // A warning with Yes, No and Cancel; dismissing the box answers Cancel.
    virtual SaveAnswer askYesNoCancel(const QString &text) = 0;

    // A warning with Yes and No, No preselected; answers whether Yes was chosen (dismissing the box is No).
    virtual bool askYesNo(const QString &text) = 0;

    // The open and save file dialogs; no value when the operator cancels.
    virtual std::optional<FileChoice> chooseOpenFile(const FileDialogSpec &spec) = 0;
    virtual std::optional<FileChoice> chooseSaveFile(const FileDialogSpec &spec) = 0;

    // The font dialog, preset with `initial`; no value when the operator cancels.
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
};
