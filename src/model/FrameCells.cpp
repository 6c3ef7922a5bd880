#include "model/FrameCells.h"

#include <QCoreApplication>

// The headings are kept in English, as the command line and the project's cells use them; the frame list
// shows them in the operator's language (HeadingShown).
void FrameCells::writeHeadings()
{
    rows_[0] = {QStringLiteral(QT_TRANSLATE_NOOP("FrameCells", "No.")),
                QStringLiteral(QT_TRANSLATE_NOOP("FrameCells", "Line")),
                QStringLiteral(QT_TRANSLATE_NOOP("FrameCells", "Download Board Number")),
                QStringLiteral(QT_TRANSLATE_NOOP("FrameCells", "Change")),
                QStringLiteral(QT_TRANSLATE_NOOP("FrameCells", "Time"))};
}

QString HeadingShown(const QString &heading)
{
    return QCoreApplication::translate("FrameCells", heading.toUtf8().constData());
}

QString Format000(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}
