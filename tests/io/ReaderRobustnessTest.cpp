#include "io/CurrentFormatReader.h"
#include "io/OlderFormatReader.h"
#include "io/ProjectTransfer.h"
#include "list/FrameListOps.h"
#include "support/ProjectFileSamples.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

CheckedProjectFile ReadBytes(ProjectReader reader, const QByteArray &bytes, bool appending)
{
    return ReadFromBytes(reader, bytes, {QStringLiteral("f"), appending, 0});
}

// Damaged files: every truncation and thousands of random byte changes of a valid file. Each read either
// succeeds with a file the model can hold, which is then opened (so a wrong size would show under the
// sanitizers), or is refused with a message.
class ReaderRobustness : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::mt19937 random(7);
        FillRandomProject(*source, random, 3, 1);
        while (source->FrameCount < 2) {
            AppendFrame(*source);
        }
        ApplyStartupProject(*target);
    }

    void expectSoundOrRefused(ProjectReader reader, const QByteArray &bytes)
    {
        for (const bool appending : {false, true}) {
            const CheckedProjectFile read = ReadBytes(reader, bytes, appending);
            if (!read.result.ok()) {
                ASSERT_FALSE(read.result.message().isEmpty());
                continue;
            }
            const ProjectFile &file = read.file;
            ASSERT_LE(file.frames.size(), std::size_t{MaxFrames});
            for (const FileFrame &frame : file.frames) {
                ASSERT_EQ(frame.dots.size(), std::size_t(file.WidthDot) * WordsPerColumn(file.HeightDot));
            }
            if (file.modules) {
                ASSERT_EQ(file.modules->LedColor.size(),
                          std::size_t(file.WidthDot / file.modules->LedWidthDot));
            }
            if (appending) {
                AppendProject(*target, file);
                ApplyStartupProject(*target);
            } else {
                OpenProject(*target, file, QStringLiteral("f"));
            }
        }
    }

    // Sets random bytes to random values, or to digits and blanks that keep a text file parseable longer.
    static QByteArray Mutated(const QByteArray &bytes, std::mt19937 &random)
    {
        static const char likely[] = {'0', '1', '9', '-', ' ', '\n', 'e', '\0', '\xFF'};
        QByteArray copy = bytes;
        const int changes = std::uniform_int_distribution<int>(1, 4)(random);
        for (int i = 0; i < changes; ++i) {
            const auto at = std::uniform_int_distribution<qsizetype>(0, copy.size() - 1)(random);
            const int value = std::uniform_int_distribution<int>(0, 255 + int(sizeof likely))(random);
            copy[at] = value < 256 ? char(value) : likely[value - 256];
        }
        return copy;
    }

    void feed(ProjectReader reader, const QByteArray &valid)
    {
        for (qsizetype length = 0; length < valid.size(); length += 1 + length / 64) {
            expectSoundOrRefused(reader, valid.left(length));
        }
        std::mt19937 random(11);
        for (int i = 0; i < 2000; ++i) {
            expectSoundOrRefused(reader, Mutated(valid, random));
        }
    }

    std::unique_ptr<ProjectModel> source = std::make_unique<ProjectModel>();
    std::unique_ptr<ProjectModel> target = std::make_unique<ProjectModel>();
};

TEST_F(ReaderRobustness, CurrentFormatRefusesEveryTruncationAndSurvivesDamage)
{
    const QByteArray valid = SavedBytes(*source);
    for (qsizetype length = 0; length < valid.size(); length += 7) {
        EXPECT_FALSE(ReadBytes(&ReadCurrentFormat, valid.left(length), false).result.ok()) << length;
    }
    feed(&ReadCurrentFormat, valid);
}

TEST_F(ReaderRobustness, OlderFormatSurvivesTruncationAndDamage)
{
    feed(&ReadOlderFormat, OlderFormatText(*source, true));
}

} // namespace
