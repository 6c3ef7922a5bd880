#pragma once

#include <QStringList>

// velmora-cli fonts: writes the seven bitmap font files drawn from installed faces. Takes the arguments
// after its name and answers the exit status.
int RunFonts(const QStringList &arguments);
