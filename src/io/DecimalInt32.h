#pragma once

#include <QStringView>

#include <optional>
#include <string_view>

// A decimal integer as the list's cells and the older project files write it: an optional sign, then one
// or more digits (leading zeros allowed), within the 32-bit range. Nothing else is accepted, not even
// surrounding blanks, so "001" is 1 but " 1", "1.0", "0x10" and "" are not numbers.
std::optional<int> ParseDecimalInt32(std::string_view text);
std::optional<int> ParseDecimalInt32(QStringView text);
