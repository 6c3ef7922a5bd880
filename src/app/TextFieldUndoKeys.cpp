#include "app/TextFieldUndoKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

enum class FieldKey { Other, Undo, Redo };

FieldKey FieldKeyOf(const QKeyEvent &key)
{
    const QKeyCombination pressed = key.keyCombination();
    if (pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)) {
        return FieldKey::Undo;
    }
    if (pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)) {
        return FieldKey::Redo;
    }
    return FieldKey::Other;
}

// The line field that has the keys: a line edit, or the field of an editable selector, which takes
// the keys first and hands them on to its field directly.
QLineEdit *FieldOf(QObject *watched)
{
    if (auto *selector = qobject_cast<QComboBox *>(watched)) {
        return selector->lineEdit();
    }
    return qobject_cast<QLineEdit *>(watched);
}

} // namespace

bool TextFieldUndoKeys::eventFilter(QObject *watched, QEvent *event)
{
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) {
        return false;
    }
    QLineEdit *field = FieldOf(watched);
    const FieldKey key = FieldKeyOf(*static_cast<QKeyEvent *>(event));
    if (field == nullptr || field->isReadOnly() || key == FieldKey::Other) {
        return false;
    }
    if (override) {
        // Accepted, the key is not a shortcut here: it arrives at the field as a key press.
        event->accept();
        return true;
    }
    if (key == FieldKey::Undo) {
        field->undo();
    } else {
        field->redo();
    }
    return true;
}
