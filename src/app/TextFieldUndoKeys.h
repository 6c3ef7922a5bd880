#pragma once

#include <QObject>

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z belong to a focused text field, whatever the desktop. Qt's fields
// claim only the keys of the desktop's own key scheme (on some, Ctrl+Y is no redo key), and a key the
// field leaves alone would reach the project's Undo or Redo. Installed on the application, this claims
// the three keys for any editable line field (also an editable selector's) and undoes or redoes its
// text.
class TextFieldUndoKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
