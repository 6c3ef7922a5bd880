#pragma once

#include <QStringList>

// One subcommand of velmora-cli: its name, a one-line summary for the overall help, and the function
// that runs it with the arguments after the name. A subcommand answers its exit status (0 success, 1
// failure with one line on standard error) and prints its results on standard output only.
struct CliCommand {
    const char *name;
    const char *summary;
    int (*run)(const QStringList &arguments);
};
