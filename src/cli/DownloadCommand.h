#pragma once

#include <QStringList>

// velmora-cli download: takes the arguments after its name and answers the exit status.
int RunDownloadCommand(const QStringList &arguments);
