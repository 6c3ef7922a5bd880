#pragma once

#include "routes/RouteRows.h"

#include <QStringList>

#include <vector>

// Problems or warnings as "ROW: what" lines, so that a whole list compares at once.
inline QStringList Lines(const std::vector<RouteProblem> &problems)
{
    QStringList text;
    for (const RouteProblem &problem : problems) {
        text << QStringLiteral("%1: %2").arg(problem.row).arg(problem.what);
    }
    return text;
}
