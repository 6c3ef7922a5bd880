#pragma once

class QDialog;
class QString;

// Every modal interaction of the editor goes through this seam: the editor fills it with Qt's own
// modal loop, the tests with scripted answers that record what was shown, so no test ever waits for a
// person or a timer to close a window.
class PromptSeam {
public:
    virtual ~PromptSeam() = default;

    // Shows one of the editor's dialogs modally and returns when it is closed; the caller reads the
    // dialog's result fields afterwards.
    virtual void runModal(QDialog &dialog) = 0;

    // A plain message to the operator (a refused operation, a limit), closed with OK.
    virtual void showMessage(const QString &text) = 0;
};
