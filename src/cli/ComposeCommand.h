#pragma once

#include <QStringList>

// velmora-cli compose: composes a text as the editor's text upload does and prints the picture. Takes
// the arguments after its name and answers the exit status.
int RunCompose(const QStringList &arguments);
