#include "io/ProjectTransfer.h"
#include "io/CurrentFormatReader.h"
#include "io/DecimalInt32.h"
#include "io/OlderFormatReader.h"
#include "list/CellSelection.h"
#include "list/FrameListOps.h"
#include "support/ProjectFileSamples.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Opens the bytes over a start-up project.
std::unique_ptr<ProjectModel> Opened(ProjectReader reader, const QByteArray &bytes)
{
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    const CheckedProjectFile read = ReadFromBytes(reader, bytes);
    EXPECT_TRUE(read.result.ok()) << read.result.message().toStdString();
    OpenProject(*model, read.file, QStringLiteral("p"));
    return model;
}

// Everything the files carry: geometry, modules, the list as shown, marks and the dots of the sign. The
// current format keeps board numbers as integers, so they come back without leading zeros; the older
// one keeps their words.
void ExpectCarried(const ProjectModel &original, const ProjectModel &copy, bool boardsAsIntegers)
{
    ASSERT_EQ(copy.WidthDot, original.WidthDot);
    ASSERT_EQ(copy.HeightDot, original.HeightDot);
    EXPECT_EQ(copy.LedWidthDot, original.LedWidthDot);
    EXPECT_EQ(copy.LedNumber, original.LedNumber);
    EXPECT_EQ(copy.LedColor, original.LedColor);
    ASSERT_EQ(copy.FrameCount, original.FrameCount);
    for (int row = 1; row <= original.FrameCount; ++row) {
        RowCells expected = original.Cells.row(row);
        if (boardsAsIntegers) {
            expected[ColBoard] = QString::number(*ParseDecimalInt32(expected[ColBoard]));
        }
        EXPECT_EQ(copy.Cells.row(row), expected) << "row " << row;
        EXPECT_EQ(copy.ChangeFlag[row - 1], original.ChangeFlag[row - 1]);
        for (int x = 0; x < original.WidthDot; ++x) {
            for (int y = 0; y < original.HeightDot; ++y) {
                ASSERT_EQ(copy.FrameDots.at(row - 1, x, y), original.FrameDots.at(row - 1, x, y))
                    << "frame " << row - 1 << " dot " << x << "," << y;
            }
        }
    }
    for (int x = 0; x < original.WidthDot; x += original.LedWidthDot) {
        EXPECT_EQ(copy.dotColor(x, 0), original.dotColor(x, 0));
    }
}

TEST(ProjectRoundTrip, RandomProjectsComeBackFromBothFormats)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 12; ++round) {
        auto original = std::make_unique<ProjectModel>();
        FillRandomProject(*original, random, 6);
        SCOPED_TRACE(testing::Message() << "round " << round << ": " << original->WidthDot << "x"
                                        << original->HeightDot << ", " << original->FrameCount << " frames");
        const QByteArray saved = SavedBytes(*original);
        const auto reopened = Opened(&ReadCurrentFormat, saved);
        ExpectCarried(*original, *reopened, true);
        EXPECT_EQ(SavedBytes(*reopened), saved) << "saving again gives the same bytes";
        ExpectCarried(*original, *Opened(&ReadOlderFormat, OlderFormatText(*original, true)), false);
    }
}

class ProjectTransfer : public ::testing::Test {
protected:
    void SetUp() override { ApplyStartupProject(model); }

    // A file of `frames` frames of width x height dots, dot (x, x % height) lit in every column of every
    // frame, module width 4.
    static ProjectFile FileOf(int frames, int width, int height)
    {
        ProjectFile file{width, height, {}, ModuleTrailer{4, std::vector<int>(width / 4, 2)}};
        for (int f = 0; f < frames; ++f) {
            FileFrame frame{QString::number(f + 10), f == 0, f == 0 ? QStringLiteral("3") : QString(), {}};
            frame.dots.assign(static_cast<std::size_t>(width) * WordsPerColumn(height), 0);
            for (int x = 0; x < width; ++x) {
                const int y = x % height;
                frame.dots[static_cast<std::size_t>(x * WordsPerColumn(height) + y / 8)] |= 1 << (y % 8);
            }
            file.frames.push_back(frame);
        }
        return file;
    }

    ProjectModel model;
};

TEST_F(ProjectTransfer, OpeningReplacesTheProjectAndKeepsDotsBeyondItsFrames)
{
    for (int f = 0; f < 4; ++f) {
        AppendFrame(model);
        model.FrameDots.set(f, 100, 20, 1);
    }
    SelectCell(model, 4, 5);
    OpenProject(model, FileOf(2, 16, 16), QStringLiteral("/x/p.nkv"));
    EXPECT_EQ(model.FileName, "/x/p.nkv");
    EXPECT_EQ(model.WidthDot, 16);
    EXPECT_EQ(model.LedNumber, 4);
    EXPECT_EQ(model.dotColor(0, 0), LedColorValue::Green);
    ASSERT_EQ(model.FrameCount, 2);
    ASSERT_EQ(model.Cells.rowCount(), 3);
    EXPECT_EQ(model.Cells.row(1), (RowCells{"001", "001", "10", "V", "3"}));
    EXPECT_EQ(model.Cells.row(2), (RowCells{"002", "", "11", "", ""}));
    EXPECT_EQ(model.FrameDots.at(0, 100, 20), 0) << "a filled slot is cleaned first";
    EXPECT_EQ(model.FrameDots.at(0, 5, 5), 1);
    EXPECT_EQ(model.FrameDots.at(3, 100, 20), 1) << "frames beyond the file's keep their dots";
    EXPECT_EQ(model.SelRow, 2) << "the selection follows the shorter list";
    EXPECT_EQ(model.SelCol, 4);
    EXPECT_EQ(model.CurFrame, 1);
}

TEST_F(ProjectTransfer, OpeningAProjectOfNoFramesLeavesTheStateOfAnEmptiedList)
{
    for (int f = 0; f < 3; ++f) {
        AppendFrame(model);
        model.FrameDots.set(f, 5, 5, 1);
    }
    SelectCell(model, ColTime, 3);
    OpenProject(model, FileOf(0, 16, 16), QStringLiteral("empty.nkv"));
    EXPECT_EQ(model.FrameCount, 0);
    EXPECT_EQ(model.CurFrame, 0);
    EXPECT_EQ(model.SelRow, 1);
    EXPECT_EQ(model.FrameDots.at(0, 5, 5), 0) << "the frame shown is dark";
}

TEST_F(ProjectTransfer, OpeningWithoutTrailerKeepsTheModules)
{
    ProjectFile file = FileOf(1, 40, 16);
    file.modules.reset();
    OpenProject(model, file, QStringLiteral("p.kvf"));
    EXPECT_EQ(model.WidthDot, 40);
    EXPECT_EQ(model.LedWidthDot, 24);
    EXPECT_EQ(model.LedNumber, 8);
    EXPECT_EQ(model.dotColor(72, 0), LedColorValue::Red);
}

TEST_F(ProjectTransfer, AppendingNumbersTheNewRowsOnAndKeepsTheFilesDotCoordinates)
{
    AppendFrame(model);
    AppendFrame(model);
    model.FrameDots.set(3, 150, 3, 1); // left from earlier work in the slot the append fills
    AppendProject(model, FileOf(2, 8, 8));
    ASSERT_EQ(model.FrameCount, 5);
    EXPECT_EQ(model.Cells.row(4), (RowCells{"004", "004", "10", "V", "3"}));
    EXPECT_EQ(model.Cells.row(5), (RowCells{"005", "", "11", "", ""}));
    EXPECT_EQ(model.ChangeFlag[3], 1);
    EXPECT_EQ(model.FrameDots.at(3, 7, 7), 1);
    EXPECT_EQ(model.FrameDots.at(3, 150, 3), 0) << "a narrower file leaves the other columns dark";
    EXPECT_EQ(model.WidthDot, 192) << "the geometry stays";
    EXPECT_EQ(model.LedWidthDot, 24);

    AppendProject(model, FileOf(1, 300, 8));
    EXPECT_EQ(model.FrameDots.at(5, 299, 299 % 8), 1) << "a wider file's columns are kept, though not shown";
}

TEST_F(ProjectTransfer, AppendingToAnEmptiedListSelectsTheFirstFrame)
{
    DeleteFrame(model);
    AppendProject(model, FileOf(2, 8, 8));
    EXPECT_EQ(model.SelRow, 1);
    EXPECT_EQ(model.CurFrame, 0);
    EXPECT_EQ(model.Cells.cell(ColLine, 1), "001");
}

TEST_F(ProjectTransfer, SavingStopsAtTheFirstCellThatIsNotANumber)
{
    AppendFrame(model);
    model.Cells.setCell(ColTime, 1, QStringLiteral("3s"));
    model.Cells.setCell(ColBoard, 2, QStringLiteral("12a"));
    EXPECT_EQ(CaptureProject(model).result.message(), "'3s' is not a valid integer value");
    model.Cells.setCell(ColTime, 1, QStringLiteral("+3"));
    EXPECT_EQ(CaptureProject(model).result.message(), "'12a' is not a valid integer value");
    model.Cells.setCell(ColBoard, 2, QString());
    EXPECT_EQ(CaptureProject(model).result.message(), "'' is not a valid integer value");
    model.Cells.setCell(ColBoard, 2, QStringLiteral("2147483648"));
    EXPECT_EQ(CaptureProject(model).result.message(), "'2147483648' is not a valid integer value");
    model.Cells.setCell(ColBoard, 2, QStringLiteral("-2147483648"));
    EXPECT_TRUE(CaptureProject(model).result.ok());
}

TEST_F(ProjectTransfer, SavingRefusesAColourCodeTheFileWordCannotHold)
{
    model.LedColor[7] = 153391689; // 153391689 * 14 + 7 is past the largest 32-bit word
    EXPECT_EQ(CaptureProject(model).result.message(),
              "The project cannot be saved: the colour code 153391689 of module 8 does not fit the current "
              "format's 32-bit word.");
    model.LedColor[7] = -153391689;
    EXPECT_TRUE(CaptureProject(model).result.ok());
}

TEST_F(ProjectTransfer, AnOpenedOlderFileThatCannotBeSavedSaysSoAtOnce)
{
    ProjectFile file = FileOf(1, 1024, 16);
    EXPECT_FALSE(OpenedProjectSaveNotice(model, file)) << "its own module data";
    file.modules.reset();
    OpenProject(model, file, QStringLiteral("wide.kvf"));
    EXPECT_FALSE(OpenedProjectSaveNotice(model, file)) << "24-dot modules make 43";

    model.LedWidthDot = 16; // a sign set up with 16-dot modules before
    OpenProject(model, file, QStringLiteral("wide.kvf"));
    const auto notice = OpenedProjectSaveNotice(model, file);
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->startsWith("'wide.kvf' has no module data")) << notice->toStdString();
    EXPECT_TRUE(notice->contains("makes 64 modules")) << notice->toStdString();
    EXPECT_TRUE(notice->contains("set up the sign with New and append the file")) << notice->toStdString();
    EXPECT_FALSE(CaptureProject(model).result.ok());
}

TEST_F(ProjectTransfer, StatusPanelsShowSignAndModules)
{
    EXPECT_EQ(SignSizePanelText(model), "192Dot X 24Dot");
    EXPECT_EQ(ModulePanelText(model), QString::fromUtf8("24X24 X 8(片)"));
}

} // namespace
