#include "list/NewProject.h"
#include "io/ProjectTransfer.h"
#include "list/SignSetup.h"

#include "FrameListTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QString RefusalOf(const QString &type, const QString &number, const std::vector<int> &codes = {})
{
    const CheckedSignSetup checked = ParseSignSetup(type, number, codes);
    EXPECT_FALSE(checked.setup) << type.toStdString() << " / " << number.toStdString();
    return checked.error;
}

TEST(SignSetup, AcceptsOnlyAListedTypeAWholeNumberFrom1To16AndCodes0To4)
{
    EXPECT_EQ(RefusalOf("16 x 16", "8"),
              "'16 x 16' is not a LED Type: choose one of 16 X 16, 24 X 24, 24 X 32, 32 X 48, 32 X 32.");
    EXPECT_EQ(RefusalOf("16 X 16", ""), "'' is not a valid integer value");
    EXPECT_EQ(RefusalOf("16 X 16", "8.0"), "'8.0' is not a valid integer value");
    EXPECT_EQ(RefusalOf("16 X 16", "0"), "The LED Number must be from 1 to 16, not 0.");
    EXPECT_EQ(RefusalOf("16 X 16", "17"), "The LED Number must be from 1 to 16, not 17.");
    EXPECT_EQ(RefusalOf("16 X 16", "2", {0, 1, 2}), "3 colour codes were given for 2 modules.");
    EXPECT_TRUE(RefusalOf("16 X 16", "2", {0, 5}).startsWith("The colour code 5 of module 2 is not"));
    EXPECT_TRUE(RefusalOf("16 X 16", "2", {-1}).startsWith("The colour code -1 of module 1 is not"));

    const std::vector<int> codes = {4, 3};
    const CheckedSignSetup largest = ParseSignSetup("32 X 48", "16", codes);
    ASSERT_TRUE(largest.setup) << largest.error.toStdString();
    EXPECT_EQ(largest.setup->WidthDot(), 512);
    EXPECT_EQ(largest.setup->HeightDot(), 48);
    EXPECT_EQ(largest.setup->LedColor(1), 3);
    EXPECT_EQ(largest.setup->LedColor(2), 0) << "modules without a code are yellow";
}

TEST(NewProject, ReplacesSignFramesListAndZoomButKeepsToolsAndClipboards)
{
    auto model = ProjectWithFrames(3);
    MarkDots(*model, 1);
    model->FrameDots.set(MaxFrames - 1, 5, 5, 1);
    model->ChangeFlag[0] = 1;
    SelectCell(*model, 4, 3);
    model->FileName = "/somewhere/old.nkv";
    model->View.DotRadius = 5;
    model->Tools.PlaceMode = true;
    model->Tools.RegionFloat = true;
    model->Tools.PenTool = true;
    model->FloatDots.set(1, 1, 1);
    model->ClipRegionDots.set(2, 2, 1);
    model->ClipFrameCells[ColBoard] = "042";

    const CheckedSignSetup setup = ParseSignSetup("32 X 48", "16", std::vector<int>{0, 1, 2, 3, 4});
    ASSERT_TRUE(setup.setup);
    ApplyNewProject(*model, *setup.setup);

    EXPECT_EQ(model->FileName, "");
    EXPECT_EQ(model->WidthDot, 512);
    EXPECT_EQ(model->HeightDot, 48);
    EXPECT_EQ(model->LedWidthDot, 32);
    EXPECT_EQ(model->LedNumber, 16);
    EXPECT_EQ(SignSizePanelText(*model), "512Dot X 48Dot");
    EXPECT_EQ(ModulePanelText(*model), QString::fromUtf8("32X48 X 16(片)"));
    EXPECT_EQ(model->dotColor(4 * 32 + 31, 47), LedColorValue::White);
    EXPECT_EQ(model->dotColor(5 * 32, 0), LedColorValue::Yellow);
    EXPECT_EQ(model->dotColor(1 * 32, 47), LedColorValue::Red);

    EXPECT_EQ(model->View.DotRadius, 2);
    EXPECT_EQ(model->View.DotGap, 1);
    EXPECT_EQ(model->View.ViewWidth, 5 * 512);
    EXPECT_EQ(model->View.ViewHeight, 5 * 48);

    EXPECT_FALSE(HasMarkOf(*model, 1, 1));
    EXPECT_EQ(model->FrameDots.at(MaxFrames - 1, 5, 5), 0) << "all 500 frames are cleared";
    EXPECT_EQ(model->ChangeFlag[0], 0);
    EXPECT_EQ(model->FrameCount, 1);
    EXPECT_EQ(model->Cells.rowCount(), 2);
    EXPECT_EQ(model->Cells.row(1), (RowCells{"001", "001", "001", "", ""}));
    EXPECT_EQ(model->Cells.cell(ColBoard, 0), "Download Board Number");
    EXPECT_EQ(model->SelRow, 1);
    EXPECT_EQ(model->SelCol, 4);
    EXPECT_EQ(model->CurFrame, 0);

    EXPECT_FALSE(model->Tools.PlaceMode);
    EXPECT_TRUE(model->Tools.RegionFloat);
    EXPECT_TRUE(model->Tools.PenTool);
    EXPECT_EQ(model->FloatDots.at(1, 1), 1);
    EXPECT_EQ(model->ClipRegionDots.at(2, 2), 1);
    EXPECT_EQ(model->ClipFrameCells[ColBoard], "042");
}

} // namespace
