#pragma once

#include <QString>

class QAction;
class QWidget;

// A hint is "short|long": the short part is the tool tip, the long part the status text shown while the
// mouse is over the control. A hint without a bar is both.
void ApplyHint(QAction &action, const QString &hint);
void ApplyHint(QWidget &widget, const QString &hint);

// For tool buttons that carry no hint: keeps Qt from showing the action's caption as a tool tip.
void SuppressToolTip(QWidget &widget);
