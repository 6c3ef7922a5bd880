#pragma once

#include "list/SignSetup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>
#include <vector>

// --type, --number and --colors: the sign of a new project, with the setup dialog's first choices as the
// defaults.
QList<QCommandLineOption> SignSetupOptions();

// Values a file gives for the options left unset, before the defaults.
struct SignFallback {
    std::optional<QString> type;
    std::optional<QString> number;
    std::optional<std::vector<int>> colors;
};

// The checked sign the options describe, or why there is none.
CheckedSignSetup SignSetupOf(const QCommandLineParser &parser, const SignFallback &fallback = {});
