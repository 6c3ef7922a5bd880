#pragma once

#include "preview/PreviewEditor.h"

#include <Qt>

// The core's names for the mouse buttons of a pointer event.
inline PointerButton ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PointerButton::Left;
    case Qt::RightButton:
        return PointerButton::Right;
    default:
        return PointerButton::Other;
    }
}

inline HeldButtons HeldOf(Qt::MouseButtons held)
{
    return {held.testFlag(Qt::LeftButton), held.testFlag(Qt::RightButton)};
}
