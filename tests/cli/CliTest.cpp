#include "io/ProjectFiles.h"
#include "io/ProjectTransfer.h"
#include "preview/MatrixRenderer.h"
#include "support/ProjectFileSamples.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The built velmora-cli, run as a user would run it.
class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Two frames of 8 x 8 dots: the first a diagonal, marked and timed; modules of 4 dots, green and
        // blue.
        QByteArray text = "8 8 2\n007 end 1 5";
        for (int x = 0; x < 8; ++x) {
            for (int y = 0; y < 8; ++y) {
                text += x == y ? " 1" : " 0";
            }
        }
        text += "\n8 end 0 0" + QByteArray(" 0").repeated(64) + '\n';
        WriteFileBytes(path("two.kvf"), text + "new 4 2 3\n");
        WriteFileBytes(path("plain.txt"), text);
        WriteFileBytes(path("one.kvf"), "1 1 1\n1 end 0 0 1\n"); // a sign of one dot, lit
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    CliRun run(const QStringList &arguments) const { return RunCli(arguments); }

    QTemporaryDir dir;
};

TEST_F(CommandLine, InfoShowsTheSignAndTheListAsTheEditorWouldAfterOpening)
{
    const CliRun text = run({"info", path("two.kvf")});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(text.out, "WidthDot 8\nHeightDot 8\nLedWidthDot 4\nLedNumber 2\nLedColor 2 3\n"
                        "No.\tLine\tDownload Board Number\tChange\tTime\n"
                        "001\t001\t007\tV\t5\n"
                        "002\t\t8\t\t\n");

    const CliRun json = run({"info", "--json", "--format", "kvf", path("plain.txt")});
    EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject info = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(info["LedWidthDot"].toInt(), 24) << "no trailer: the start-up sign's modules";
    EXPECT_EQ(info["LedColor"].toArray(), QJsonArray({0, 0, 0, 1, 1, 0, 0, 0}));
    const QJsonObject second = info["frames"].toArray().at(1).toObject();
    EXPECT_EQ(second["No."].toString(), "002");
    EXPECT_EQ(second["Line"].toString(), "") << "lines renumbered";
}

TEST_F(CommandLine, DotsPrintsOneLinePerRow)
{
    const CliRun dots = run({"dots", path("two.kvf"), "--frame", "1"});
    EXPECT_EQ(dots.exitCode, 0) << dots.err.toStdString();
    EXPECT_EQ(dots.out, "#.......\n.#......\n..#.....\n...#....\n....#...\n.....#..\n......#.\n.......#\n");
}

TEST_F(CommandLine, RenderDrawsExactlyWhatThePreviewDraws)
{
    const CliRun render =
        run({"render", path("two.kvf"), "--frame", "1", "-o", path("f.png"), "--radius", "3"});
    ASSERT_EQ(render.exitCode, 0) << render.err.toStdString();
    const QImage picture(path("f.png"));
    ASSERT_EQ(picture.size(), QSize(9 * 8, 9 * 8)) << "ViewWidth x ViewHeight at radius 3";

    ProjectModel model;
    ApplyStartupProject(model);
    OpenProject(model, ReadProjectFile(path("two.kvf"), ProjectFormat::Older, {}).file, {});
    model.View.DotRadius = 3;
    UpdateViewExtent(model);
    QImage expected(picture.size(), QImage::Format_RGB32);
    DrawMatrix(expected, model, 0, 0);
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(CommandLine, ConvertSavesEitherFormatInTheCurrentOne)
{
    const CliRun convert = run({"convert", path("two.kvf"), path("two.nkv")});
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    const CheckedProjectFile read = ReadProjectFile(path("two.nkv"), ProjectFormat::Current, {});
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_EQ(read.file.frames.at(0).board, "7");
    EXPECT_EQ(read.file.frames.at(0).dots.at(3), 0x08);
    EXPECT_EQ(read.file.modules->LedColor, (std::vector<int>{2, 3}));
    EXPECT_EQ(run({"info", path("two.nkv")}).out, run({"info", path("two.kvf")}).out.replace("007", "7"));
}

TEST_F(CommandLine, FailuresExitWithOneLineOnStandardError)
{
    const QList<QStringList> failures = {
        {"info", path("none.nkv")},
        {"info", path("two.kvf"), "--format", "xyz"},
        {"info", "--bogus", path("two.kvf")},
        {"dots", path("two.kvf")},
        {"dots", path("two.kvf"), "--frame", "3"},
        {"render", path("two.kvf"), "--frame", "1"},
        {"render", path("two.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "0"},
        {"render", path("two.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "9999"},
        {"render", path("two.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "89478484"},
        {"render", path("two.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "2147483647"},
        {"render", path("one.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "16382"},
        {"render", path("two.kvf"), "--frame", "1", "-o", path("x.jpg")},
        {"convert", path("two.kvf"), path("copy.kvf")},
        {"convert", path("two.kvf")},
        {},
        {"bogus"},
    };
    for (const QStringList &arguments : failures) {
        const CliRun failed = run(arguments);
        EXPECT_EQ(failed.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(failed.out, "");
        EXPECT_TRUE(failed.err.startsWith("velmora-cli")) << failed.err.toStdString();
        EXPECT_EQ(failed.err.count('\n'), 1) << failed.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("copy.kvf")));
    EXPECT_FALSE(QFile::exists(path("x.png")));
    EXPECT_FALSE(QFile::exists(path("x.jpg")));
}

TEST_F(CommandLine, RenderRefusalsNameWhatIsWritten)
{
    const CliRun tooLarge =
        run({"render", path("one.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "16382"});
    EXPECT_TRUE(tooLarge.err.contains("32767 x 32767 pixels, more than the 268435456 pixels"))
        << tooLarge.err.toStdString();
    const CliRun beyondAnInt =
        run({"render", path("one.kvf"), "--frame", "1", "-o", path("x.png"), "--radius", "4294967296"});
    EXPECT_TRUE(beyondAnInt.err.contains("more than the 268435456 pixels")) << beyondAnInt.err.toStdString();
    const CliRun jpeg = run({"render", path("one.kvf"), "--frame", "1", "-o", path("x.jpg")});
    EXPECT_TRUE(jpeg.err.contains("only .png is written")) << jpeg.err.toStdString();
}

TEST_F(CommandLine, AnInputThatIsAPipeIsRefusedAtOnce)
{
    // Each run would wait for a writer forever; the runner ends it after a minute and the test fails.
    const QString pipe = path("pipe.nkv");
    const QString table = path("table.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(table).constData(), 0600), 0);
    WriteFileBytes(path("rows.csv"), "board\n1\n");
    const QList<QStringList> runs = {
        {"info", pipe},
        {"dots", pipe, "--frame", "1"},
        {"render", pipe, "--frame", "1", "-o", path("x.png")},
        {"convert", pipe, path("x.nkv")},
        {"download", pipe, "--port", path("no-port")},
        {"build", table, "-o", path("x.nkv")},
        {"build", path("rows.csv"), "-o", path("x.nkv"), "--like", pipe},
    };
    for (const QStringList &arguments : runs) {
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(refused.errLines().size(), 1) << refused.err.toStdString();
        EXPECT_TRUE(refused.err.contains("not a regular file")) << refused.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("x.png")) || QFile::exists(path("x.nkv")));

    // A link to a regular file is followed.
    ASSERT_TRUE(QFile::link(path("two.kvf"), path("link.kvf")));
    EXPECT_EQ(run({"info", path("link.kvf")}).out, run({"info", path("two.kvf")}).out);
}

TEST_F(CommandLine, ProjectsAreWrittenOnlyUnderANkvName)
{
    WriteFileBytes(path("badge.bmp"), "a picture");
    WriteFileBytes(path("routes.csv"), "board\n1\n");
    const QList<QStringList> refused = {
        {"new", "-o", path("badge.bmp")},
        {"convert", path("two.kvf"), path("badge.bmp")},
        {"convert", path("two.kvf"), path("shot.png")},
        {"build", path("routes.csv"), "-o", path("routes.csv")},
        {"build", path("routes.csv"), "-o", path("plain")},
    };
    for (const QStringList &arguments : refused) {
        const CliRun failed = run(arguments);
        EXPECT_EQ(failed.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(failed.errLines().size(), 1) << failed.err.toStdString();
        EXPECT_TRUE(failed.err.contains("only .nkv is written")) << failed.err.toStdString();
    }
    EXPECT_EQ(ReadFileBytes(path("badge.bmp")), "a picture");
    EXPECT_EQ(ReadFileBytes(path("routes.csv")), "board\n1\n");
    EXPECT_FALSE(QFile::exists(path("shot.png")) || QFile::exists(path("plain")));

    // The extension in any case.
    EXPECT_EQ(run({"convert", path("two.kvf"), path("upper.NKV")}).exitCode, 0);
    EXPECT_EQ(run({"info", path("upper.NKV")}).exitCode, 0);
}

TEST_F(CommandLine, NeverNeedsADisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const CliRun dots = RunCli({"dots", path("one.kvf"), "--frame", "1", "-platform", "foo"}, {},
                               QStringLiteral(VELMORA_CLI), environment);
    EXPECT_EQ(dots.exitCode, 0) << dots.err.toStdString();
    EXPECT_EQ(dots.out, "#\n");
}

TEST_F(CommandLine, EverySubcommandExplainsItselfOnStandardOutput)
{
    for (const char *command : {"info", "dots", "render", "convert"}) {
        const CliRun help = run({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: velmora-cli %1 ").arg(command)))
            << help.out.toStdString();
    }
    for (const char *help : {"--help", "-h", "help"}) {
        EXPECT_TRUE(run({help}).out.contains("convert")) << help;
    }
    EXPECT_EQ(run({"help", "dots"}).out, run({"dots", "--help"}).out);
}

} // namespace
