#include "routes/ZoneFrames.h"

#include "list/NewProject.h"
#include "list/SignSetup.h"
#include "model/ProjectModel.h"
#include "support/GeneratedFonts.h"
#include "support/TwoTonePictures.h"
#include "text/FaceSubstitutes.h"
#include "text/TextCell.h"
#include "text/TextChoice.h"
#include "text/TextComposer.h"

#include <QTemporaryDir>

#include "ProblemLines.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool holds(int col, int row) const { return col >= x && col < x + width && row >= y && row < y + height; }
};

// The lit dots of a frame inside a box, as "col,row" in column order, so that two frames compare.
QStringList LitDots(const ProjectModel &model, int frame, const Box &box, int shiftX = 0, int shiftY = 0)
{
    QStringList dots;
    for (int x = box.x; x < box.x + box.width; ++x) {
        for (int y = box.y; y < box.y + box.height; ++y) {
            if (model.FrameDots.at(frame, x, y) == 1) {
                dots << QStringLiteral("%1,%2").arg(x + shiftX).arg(y + shiftY);
            }
        }
    }
    return dots;
}

// A 192 x 32 front sign, the font files of the tests and an all-black 32 x 32 badge.
class ZoneFrames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        InstallFaceSubstitutes();
        WriteChineseFont(dir.path(), QStringLiteral("TS-16.15"));
        WriteFontFile(dir.path(), QStringLiteral("Number32.32"), DigitFontText(32));
        TwoTonePicture(32, 32, [](int, int) { return true; }).save(dir.filePath("badge.bmp"));
        ApplyStartupProject(*model);
        ApplyNewProject(*model, *ParseSignSetup(QStringLiteral("24 X 32"), QStringLiteral("8"), {}).setup);
    }

    RouteBuild build(const QByteArray &layoutJson, const QByteArray &table)
    {
        ReadLayout read = ReadRouteLayout(QStringLiteral("layout.json"), layoutJson, FontFolders(dir.path()));
        EXPECT_TRUE(read.errors.empty()) << read.errors.front().what.toStdString();
        layout = *read.layout;
        EXPECT_TRUE(ZonesOffSign(layout, model->WidthDot, model->HeightDot).empty());
        const RouteRows checked = CheckRouteTable(ReadCsvRecords(table).records, dir.path(), &layout);
        EXPECT_TRUE(checked.problems.empty()) << checked.problems.front().what.toStdString();
        return BuildZoneFrames(*model, checked.rows, layout, {dir.path(), {}, 96});
    }

    // A text's cell in a font entry, as composition measures it.
    TextCell cellOf(const QString &source, const QString &text) const
    {
        TextRequest request;
        TextChoice choice;
        choice.source = source;
        ApplyTextChoice(choice, 96, request);
        request.text = text;
        request.workDir = dir.path();
        return ComposedCell(request);
    }

    QTemporaryDir dir;
    RouteLayout layout;
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();
};

TEST_F(ZoneFrames, EveryZoneHoldsItsOwnTextSteadyFromFrameToFrame)
{
    const RouteBuild built = build(
        R"json({"zones": [
             {"name": "route", "x": 0, "y": 0, "width": 40, "height": 32, "font": "32 Pixel(KV)"},
             {"name": "dest", "x": 44, "y": 0, "width": 148, "height": 16, "font": "16(TS-16)", "valign": "top"},
             {"name": "dest_en", "x": 44, "y": 17, "width": 148, "height": 15, "font": "5  X  7", "valign": "top"},
             {"name": "badge", "x": 0, "y": 0, "width": 32, "height": 32, "picture": true,
              "picture_size": "32 X 32", "align": "left", "valign": "top"}]})json",
        "board,route,dest,dest_en,badge\n"
        "1,12,中山,Harbour,badge.bmp\n"
        "1,12,中山,Hospital,\n"
        "2,7,醫院,Harbour,\n"
        "3,,,,\n");
    EXPECT_TRUE(built.problems.empty());
    EXPECT_TRUE(built.warnings.empty()) << Lines(built.warnings).join('\n').toStdString();
    const Box route{0, 0, 40, 32};
    const Box dest{44, 0, 148, 16};
    const Box destEn{44, 17, 148, 15};
    const Box sign{0, 0, model->WidthDot, model->HeightDot};

    for (int f = 0; f < 4; ++f) {
        for (const QString &dot : LitDots(*model, f, sign)) {
            const int col = dot.section(',', 0, 0).toInt();
            const int row = dot.section(',', 1, 1).toInt();
            EXPECT_TRUE(route.holds(col, row) || dest.holds(col, row) || destEn.holds(col, row))
                << "frame " << f + 1 << " lights " << dot.toStdString() << " outside every zone";
        }
    }
    EXPECT_EQ(LitDots(*model, 0, {0, 0, 32, 32}).size(), 32 * 32) << "the badge under the route digits";
    EXPECT_EQ(LitDots(*model, 0, dest), LitDots(*model, 1, dest));
    EXPECT_EQ(LitDots(*model, 0, destEn), LitDots(*model, 2, destEn));
    EXPECT_EQ(LitDots(*model, 0, {32, 0, 8, 32}), LitDots(*model, 1, {32, 0, 8, 32})) << "right of the badge";
    EXPECT_NE(LitDots(*model, 2, route), LitDots(*model, 1, route));
    EXPECT_TRUE(LitDots(*model, 3, sign).isEmpty()) << "empty cells leave their zones dark";

    // "Harbour" and "Hospital" start with the same 'H' on the same rows, wherever centring puts it.
    const auto firstColumn = [&](int frame) {
        const QStringList dots = LitDots(*model, frame, destEn);
        const int col = dots.front().section(',', 0, 0).toInt();
        return LitDots(*model, frame, {col, destEn.y, 1, destEn.height}, -col);
    };
    EXPECT_EQ(firstColumn(0), firstColumn(1));
    EXPECT_EQ(built.frames.size(), 4u);
    EXPECT_EQ(built.frames[0].zones, (QStringList{"route", "dest", "dest_en", "badge"}));
    EXPECT_EQ(built.frames[3].zones, QStringList());
}

TEST_F(ZoneFrames, AFallbackFontComposesWhatTheFontLacksOnOneBaselineWithNoGap)
{
    const RouteBuild built = build(
        R"json({"zones": [
             {"name": "dest", "x": 0, "y": 0, "width": 192, "height": 32, "font": "16(TS-16)",
              "fallback": "5  X  7", "align": "left", "valign": "top"},
             {"name": "num", "x": 0, "y": 0, "width": 192, "height": 32, "font": "16(TS-16)",
              "fallback": "32 Pixel(KV)", "align": "left", "valign": "top"}]})json",
        "board,dest,num\n"
        "1,台北 Taipei,\n"
        "2,台北,\n"
        "3, Taipei,\n"
        "4,,中7x\n");
    EXPECT_TRUE(built.problems.empty());
    EXPECT_EQ(Lines(built.warnings), QStringList{"5: num: no glyph in 16(TS-16) or 32 Pixel(KV) for 'x'"});

    // The Latin run follows the two 16-dot cells at once, the bottom of its cells on theirs; alone, it
    // stands with its cells' top on the zone's.
    const Box sign{0, 0, model->WidthDot, model->HeightDot};
    const int latinTop = 16 - cellOf(QStringLiteral("5  X  7"), QStringLiteral(" Taipei")).height();
    ASSERT_GE(latinTop, 0) << "the small Latin face stands no higher than the Chinese cells";
    QStringList expected = LitDots(*model, 1, sign) + LitDots(*model, 2, sign, 32, latinTop);
    expected.sort();
    QStringList mixed = LitDots(*model, 0, sign);
    mixed.sort();
    EXPECT_EQ(mixed, expected);
    ASSERT_FALSE(LitDots(*model, 2, sign).isEmpty());
}

TEST_F(ZoneFrames, WhatReachesPastAZoneIsCutAtItsEdgeAndTold)
{
    const RouteBuild built = build(
        R"json({"zones": [
             {"name": "dest", "x": 10, "y": 4, "width": 40, "height": 12, "font": "16(TS-16)",
              "align": "right", "valign": "bottom"},
             {"name": "badge", "x": 60, "y": 0, "width": 20, "height": 32, "picture": true,
              "picture_size": "32"}]})json",
        "board,dest,badge\n"
        "1,中山路火,\n"
        "2,中,badge.bmp\n");
    EXPECT_TRUE(built.problems.empty());
    // The text alone, as "Text Upload" composes it: wider than the zone, it starts at the zone's left; its
    // cells' bottom on the zone's puts their top 4 rows above the zone.
    TextRequest request;
    TextChoice choice;
    choice.source = QStringLiteral("16(TS-16)");
    ApplyTextChoice(choice, 96, request);
    request.text = QStringLiteral("中山路火");
    request.workDir = dir.path();
    request.widthDot = model->WidthDot;
    request.heightDot = model->HeightDot;
    auto alone = std::make_unique<DotPlane>();
    ComposeText(request, *alone);
    int right = 0;
    int top = 16;
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 16; ++y) {
            if (alone->at(x, y) == 1) {
                right = x;
                top = std::min(top, y);
            }
        }
    }
    ASSERT_LT(top, 4);
    EXPECT_EQ(Lines(built.warnings),
              (QStringList{QStringLiteral("2: dest: %1 dots beyond the zone's right edge").arg(10 + right - 49),
                           QStringLiteral("2: dest: %1 dots beyond the zone's top edge").arg(4 - top),
                           QStringLiteral("3: dest: %1 dots beyond the zone's top edge").arg(4 - top),
                           "3: badge: 12 dots beyond the zone's right edge"}));
    const Box sign{0, 0, model->WidthDot, model->HeightDot};
    EXPECT_EQ(LitDots(*model, 0, sign), LitDots(*model, 0, {10, 4, 40, 12}));
    EXPECT_EQ(LitDots(*model, 1, {60, 0, 20, 32}).size(), 20 * 32);
    EXPECT_EQ(LitDots(*model, 1, sign).size(), LitDots(*model, 1, {10, 4, 40, 12}).size() + 20 * 32);
}

TEST_F(ZoneFrames, ASystemFontStandsOnTheRowsItsLettersSpanNotOnItsLineBox)
{
    // Three zones over one another, each frame filling one: "10 X 15 " is drawn by a real face whose
    // line box is rows taller than its letters.
    const RouteBuild built = build(
        R"json({"zones": [
             {"name": "up", "x": 0, "y": 0, "width": 192, "height": 32, "font": "10 X 15 ", "align": "left",
              "valign": "top"},
             {"name": "down", "x": 0, "y": 0, "width": 192, "height": 32, "font": "10 X 15 ", "align": "left",
              "valign": "bottom"},
             {"name": "dest", "x": 0, "y": 0, "width": 192, "height": 16, "font": "16(TS-16)",
              "fallback": "10 X 15 ", "align": "left", "valign": "top"}]})json",
        "board,up,down,dest\n"
        "1,Hospital,,\n"
        "2,,Hospital,\n"
        "3,(Hp),,\n"
        "4,,(Hp),\n"
        "5,,,台北\n"
        "6,,,台北 Taipei\n");
    EXPECT_TRUE(built.problems.empty());
    EXPECT_TRUE(built.warnings.empty()) << Lines(built.warnings).join('\n').toStdString();

    // From the top of its tallest letter to the bottom of its lowest: "Hospital" has both, and the
    // brackets, reaching past every letter, are held too, not cut.
    const Box sign{0, 0, model->WidthDot, model->HeightDot};
    const auto rowOf = [](const QString &dot) { return dot.section(',', 1, 1).toInt(); };
    const auto rows = [&](int frame, const Box &box) {
        QList<int> lit;
        for (const QString &dot : LitDots(*model, frame, box)) {
            lit << rowOf(dot);
        }
        std::sort(lit.begin(), lit.end());
        return lit;
    };
    for (int f : {0, 2}) {
        EXPECT_EQ(rows(f, sign).front(), 0) << "frame " << f + 1 << " at the top";
    }
    for (int f : {1, 3}) {
        EXPECT_EQ(rows(f, sign).back(), 31) << "frame " << f + 1 << " at the bottom";
    }

    // Beside the Chinese cells the Latin letters end on the cells' bottom row and the whole text keeps
    // the 16 rows: the Chinese stand where they stand alone.
    const Box chinese{0, 0, 32, 16};
    EXPECT_EQ(LitDots(*model, 5, chinese), LitDots(*model, 4, chinese));
    EXPECT_EQ(rows(5, {32, 0, 160, 32}).back(), 15);
}

} // namespace
