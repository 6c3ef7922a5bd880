#pragma once

#include <QStringList>

// velmora-cli build: a whole project from a route table.
int RunBuild(const QStringList &arguments);
