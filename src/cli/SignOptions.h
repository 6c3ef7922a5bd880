#pragma once

#include "list/SignSetup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

// --type, --number and --colors: the sign of a new project, with the setup dialog's first choices as the
// defaults.
QList<QCommandLineOption> SignSetupOptions();

// The checked sign the options describe, or why there is none.
CheckedSignSetup SignSetupOf(const QCommandLineParser &parser);
