#include "app/Hints.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace {

QString ShortHint(const QString &hint)
{
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString LongHint(const QString &hint)
{
    return hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1) : hint;
}

class ToolTipSwallower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

} // namespace

void ApplyHint(QAction &action, const QString &hint)
{
    action.setToolTip(ShortHint(hint));
    action.setStatusTip(LongHint(hint));
}

void ApplyHint(QWidget &widget, const QString &hint)
{
    widget.setToolTip(ShortHint(hint));
    widget.setStatusTip(LongHint(hint));
}

void SuppressToolTip(QWidget &widget)
{
    widget.installEventFilter(new ToolTipSwallower(&widget));
}
