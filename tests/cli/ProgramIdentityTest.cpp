#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

// Every installed program answers --version with its name and the build's version first (as help2man and
// a user read it), and states its licence there and in its --help.
TEST(ProgramIdentity, EveryProgramNamesItsVersionAndLicence)
{
    const struct {
        const char *name;
        const char *path;
    } programs[] = {
        {"velmora", VELMORA_EDITOR}, {"velmora-cli", VELMORA_CLI}, {"velmora-signsim", VELMORA_SIGNSIM}};
    for (const auto &program : programs) {
        const CliRun version = RunCli({"--version"}, {}, QString::fromLatin1(program.path));
        EXPECT_EQ(version.exitCode, 0) << program.name << version.err.toStdString();
        ASSERT_FALSE(version.outLines().isEmpty()) << program.name;
        EXPECT_EQ(version.outLines().first(), QStringLiteral("%1 %2").arg(program.name, VELMORA_VERSION));
        EXPECT_TRUE(version.out.contains("GNU GPL version 3 or later")) << program.name;
        EXPECT_TRUE(version.err.isEmpty()) << program.name << version.err.toStdString();

        const CliRun help = RunCli({"--help"}, {}, QString::fromLatin1(program.path));
        EXPECT_EQ(help.exitCode, 0) << program.name;
        EXPECT_TRUE(help.out.contains("GNU General Public License, version 3 or later")) << program.name;
        EXPECT_TRUE(help.out.contains("--version")) << program.name;
    }
}

} // namespace
