#pragma once

#include <string>
#include <string_view>

// What every Velmora program says about itself: its version, who holds the copyright and under which
// licence it is given. The version comes from the build (VELMORA_VERSION, the project's version), so
// --version, the manual pages, the about box and the package never disagree.
namespace ProgramInfo {

inline constexpr std::string_view Version = VELMORA_VERSION;
inline constexpr std::string_view Copyright = "Copyright (C) 2026 Velmora maintainers";
inline constexpr std::string_view Licence = "GNU General Public License, version 3 or later";

// The one line a --help ends with, so that a user learns the terms without looking further.
inline std::string LicenceLine()
{
    return "Free software under the " + std::string(Licence) + "; there is NO WARRANTY.";
}

// The answer to --version in the form help2man and packaging tools read: the program's name and version
// on the first line, the copyright and the licence's terms after it.
inline std::string VersionText(std::string_view program)
{
    return std::string(program) + ' ' + std::string(Version) + '\n' + std::string(Copyright) +
           "\nLicense GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

} // namespace ProgramInfo
