#include "model/FrameCells.h"

void FrameCells::writeHeadings()
{
    rows_[0] = {QStringLiteral("No."), QStringLiteral("Line"), QStringLiteral("Download Board Number"),
                QStringLiteral("Change"), QStringLiteral("Time")};
}

QString Format000(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}
