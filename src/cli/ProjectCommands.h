#pragma once

#include <QStringList>

// The subcommands of velmora-cli that read project files. Each takes the arguments after its name and
// answers the exit status.
int RunInfo(const QStringList &arguments);
int RunDots(const QStringList &arguments);
// Sends the project's lines to a sign over a serial device.
int RunDownloadCommand(const QStringList &arguments);
int RunRender(const QStringList &arguments);
int RunConvert(const QStringList &arguments);
// Writes a new project rather than reading one.
int RunNew(const QStringList &arguments);
