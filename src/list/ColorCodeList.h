#pragma once

#include <QString>

#include <optional>
#include <vector>

// "0,0,1,1" as typed after --colors: one module colour code 0..4 per module from the left. None, with the
// message in `error`, when an entry is not such a code.
std::optional<std::vector<int>> ParseColorCodeList(const QString &text, QString &error);
