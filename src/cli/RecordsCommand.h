#pragma once

#include <QStringList>

// velmora-cli records: the downloads of the record, newest first. Takes the arguments after its name
// and answers the exit status.
int RunRecords(const QStringList &arguments);
