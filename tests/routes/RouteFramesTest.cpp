#include "routes/RouteFrames.h"

#include "list/NewProject.h"
#include "model/ProjectModel.h"
#include "preview/PreviewEditor.h"
#include "support/GeneratedFonts.h"
#include "support/QtPrinters.h"
#include "support/TwoTonePictures.h"
#include "text/FaceSubstitutes.h"
#include "text/TextCell.h"

#include <QTemporaryDir>

#include "ProblemLines.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct LitSpan {
    int left = MaxWidthDot;
    int top = MaxHeightDot;
    int right = -1;
    int bottom = -1;
    int dots = 0;
};

// The lit dots `at` reports inside columns [fromCol, toCol) and rows [0, rows).
template <typename DotAt>
LitSpan LitWhere(int fromCol, int toCol, int rows, DotAt at)
{
    LitSpan span;
    for (int x = fromCol; x < toCol; ++x) {
        for (int y = 0; y < rows; ++y) {
            if (at(x, y) == 1) {
                span = {std::min(span.left, x), std::min(span.top, y), std::max(span.right, x),
                        std::max(span.bottom, y), span.dots + 1};
            }
        }
    }
    return span;
}

// The lit dots of a frame inside columns [fromCol, toCol).
LitSpan LitIn(const ProjectModel &model, int frame, int fromCol, int toCol)
{
    return LitWhere(fromCol, toCol, model.HeightDot,
                    [&](int x, int y) { return model.FrameDots.at(frame, x, y); });
}

// The lit dots of a plane inside columns [fromCol, toCol), rows of the largest sign.
LitSpan LitIn(const DotPlane &plane, int fromCol, int toCol)
{
    return LitWhere(fromCol, toCol, MaxHeightDot, [&](int x, int y) { return plane.at(x, y); });
}

class RouteFrames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        InstallFaceSubstitutes();
        ApplyStartupProject(*model);
    }

    RouteBuild build(const QByteArray &table)
    {
        const RouteRows checked = CheckRouteTable(ReadCsvRecords(table).records, dir.path());
        EXPECT_TRUE(checked.problems.empty()) << checked.problems.front().what.toStdString();
        return BuildRouteFrames(*model, checked.rows, {dir.path(), {}, 96});
    }

    QTemporaryDir dir;
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();
};

TEST_F(RouteFrames, RowsOfOneBoardFormALineWithTheirTimes)
{
    const RouteBuild built = build("board,time\n4,7\n4,7\n4,7\n9,5\n300,\n300,1\n");
    EXPECT_TRUE(built.problems.empty());
    ASSERT_EQ(model->FrameCount, 6);
    const QStringList expected = {"001\t001\t004\tV\t7", "002\t\t004\tV\t7",    "003\t\t004\t\t7",
                                  "004\t002\t009\t\t",   "005\t003\t300\tV\t3", "006\t\t300\t\t1"};
    for (int f = 0; f < 6; ++f) {
        const RowCells &row = model->Cells.row(f + 1);
        EXPECT_EQ(QStringList(row.begin(), row.end()).join('\t'), expected[f]);
        EXPECT_EQ(model->ChangeFlag[f], row[ColChange].isEmpty() ? 0 : 1);
    }
    EXPECT_EQ(model->CurFrame, 0);
}

TEST_F(RouteFrames, TextAtXAndYLandsWherePlacingWithThePointerPutsIt)
{
    ASSERT_TRUE(build("board,text,x,y\n1,Ab,5,3\n").problems.empty());

    // The editor: "Text Upload" with the start-up font, the pointer moved over dot (5 + 8, 3 + 8) and
    // pressed there.
    auto placed = std::make_unique<ProjectModel>();
    ApplyStartupProject(*placed);
    TextRequest request;
    ApplyTextChoice({}, 96, request);
    request.text = QStringLiteral("Ab");
    request.widthDot = placed->WidthDot;
    request.heightDot = placed->HeightDot;
    PreviewEditor editor(*placed);
    editor.enterPlacing([&request](DotPlane &floatDots) { ComposeText(request, floatDots); });
    QPoint pointer;
    while (DotAtPoint(placed->View, pointer.x(), 0).col < 13) {
        pointer.rx()++;
    }
    while (DotAtPoint(placed->View, 0, pointer.y()).row < 11) {
        pointer.ry()++;
    }
    editor.mouseMove({}, pointer.x(), pointer.y());
    editor.mouseDown(PointerButton::Left, pointer.x(), pointer.y());

    int lit = 0;
    for (int x = 0; x < model->WidthDot; ++x) {
        for (int y = 0; y < model->HeightDot; ++y) {
            ASSERT_EQ(model->FrameDots.at(0, x, y), placed->FrameDots.at(0, x, y)) << x << "," << y;
            lit += model->FrameDots.at(0, x, y);
        }
    }
    EXPECT_GT(lit, 10);
}

TEST_F(RouteFrames, TextIsPlacedByItsCellsBesideTheBadge)
{
    // A 16 x 16 badge whose black block covers picture pixels 2..11 across and 2..13 down.
    TwoTonePicture(16, 16, [](int x, int y) {
        return x >= 2 && x < 12 && y >= 2 && y < 14;
    }).save(dir.filePath("badge.bmp"));
    const RouteBuild built = build("board,text,align,picture,picture_size\n"
                                   "1,Harbour,,,\n"
                                   "1,Hospital,,,\n"
                                   "2,Hi,right,,\n"
                                   "3,Hi,left,badge.bmp,16\n"
                                   "4,Hi,,badge.bmp,16\n");
    EXPECT_TRUE(built.problems.empty());
    EXPECT_TRUE(built.warnings.empty());

    // The texts' own pictures and cells, as "Text Upload" composes them at the top-left.
    TextRequest request;
    ApplyTextChoice({}, 96, request);
    auto composed = std::make_unique<DotPlane>();
    const auto alone = [&](const char *text) {
        request.text = QString::fromLatin1(text);
        request.widthDot = model->WidthDot;
        request.heightDot = model->HeightDot;
        ComposeText(request, *composed);
        const LitSpan lit = LitIn(*composed, 0, model->WidthDot + PictureMargin);
        return std::pair{lit, ComposedCell(request)};
    };

    // The letters of one line share their rows, whatever lights below them; the cells are centred.
    const auto [harbour, harbourCell] = alone("Harbour");
    const auto [hospital, hospitalCell] = alone("Hospital");
    ASSERT_NE(harbour.bottom, hospital.bottom) << "'p' reaches lower than any letter of Harbour";
    const int top = (model->HeightDot - harbourCell.height()) / 2 - harbourCell.top;
    EXPECT_EQ(LitIn(*model, 0, 0, model->WidthDot).top, top + harbour.top);
    EXPECT_EQ(LitIn(*model, 1, 0, model->WidthDot).top, top + hospital.top);
    EXPECT_EQ(LitIn(*model, 0, 0, model->WidthDot).left,
              (model->WidthDot - harbourCell.advance) / 2 + harbour.left);
    EXPECT_EQ(LitIn(*model, 1, 0, model->WidthDot).left,
              (model->WidthDot - hospitalCell.advance) / 2 + hospital.left);

    const auto [hi, hiCell] = alone("Hi");
    EXPECT_EQ(LitIn(*model, 2, 0, model->WidthDot).right, model->WidthDot - hiCell.advance + hi.right);
    for (int f : {3, 4}) {
        const LitSpan badge = LitIn(*model, f, 0, 10);
        EXPECT_EQ(badge.dots, 10 * 12) << "the whole block, at the left edge";
        EXPECT_EQ(badge.top, 6) << "centred on the 24 rows";
        EXPECT_EQ(LitIn(*model, f, 10, model->WidthDot).dots, hi.dots);
    }
    EXPECT_EQ(LitIn(*model, 3, 10, model->WidthDot).left, 10 + hi.left);
    EXPECT_EQ(LitIn(*model, 4, 10, model->WidthDot).left,
              10 + (model->WidthDot - 10 - hiCell.advance) / 2 + hi.left);
}

TEST_F(RouteFrames, CutsWhatDoesNotFitAndNamesWhatCannotBeRead)
{
    TwoTonePicture(48, 48, [](int, int) { return true; }).save(dir.filePath("big.bmp"));
    TwoTonePicture(16, 16, [](int, int) { return false; }).save(dir.filePath("blank.bmp"));
    WriteFontFile(dir.path(), QStringLiteral("Number24.24"), DigitFontText(24));
    const RouteBuild built = build("board,text,font,picture,picture_size,x,y\n"
                                   "1,WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW,,,,,\n"
                                   "2,,,big.bmp,48,,\n"
                                   "3,A,,,,-2,20\n"
                                   "4,,,missing.png,,,\n"
                                   "5,中,16(TS),,,,\n"
                                   "6,Depot,24 Pixel(KV),,,,\n"
                                   "7,,,blank.bmp,,,\n"
                                   "8,A,,,,1000,-200\n"
                                   "9," +
                                   QByteArray(300, 'W') + ",,,,,\n" + "10," + QByteArray(4000000, 'A') +
                                   ",,,,,\n");
    EXPECT_EQ(Lines(built.warnings),
              (QStringList{"2: the text is cut: 82 dots across", "3: the picture is cut: 24 dots down",
                           "4: the text is cut: 2 dots across, 6 dots down",
                           "7: text: no glyph in 24 Pixel(KV) for 'D', 'e', 'p', 'o', 't'",
                           "8: the picture lights no dot", "9: the text is cut: 5 dots across, 9 dots down",
                           "10: the text is cut: 832 dots or more across",
                           "11: the text is cut: 832 dots or more across"}))
        << "beyond the composed window too, however long the text, and never below it";
    EXPECT_EQ(
        Lines(built.problems),
        (QStringList{QStringLiteral("5: Cannot open file %1").arg(dir.filePath("missing.png")),
                     QStringLiteral("6: cannot read the font file %1").arg(dir.filePath("TS2416.BIN"))}));
}

TEST_F(RouteFrames, NamesEveryCharacterAFontFileHasNoGlyphFor)
{
    WriteChineseFont(dir.path(), QStringLiteral("STDFONT.24"));
    WriteFontFile(dir.path(), QStringLiteral("Number24.24"), DigitFontText(24));
    const RouteBuild built = build("board,font,text\n"
                                   "1,24(明體),中文Tai\n"
                                   "2,24(明體),Tai中\n"
                                   "3,24(明體),廍○\n"
                                   "4,24(明體),中文\n"
                                   "5,24(明體),abcdefghijklmnopqrstuv\n"
                                   "6,24 Pixel(KV),12 Depot 12\n");
    EXPECT_TRUE(built.problems.empty());
    // The odd byte of "Tai" pushes 中 off the byte pairs; a text lighting nothing is told once, by its
    // characters.
    EXPECT_EQ(Lines(built.warnings),
              (QStringList{"2: text: no glyph in 24(明體) for 'T', 'a', 'i'",
                           "3: text: no glyph in 24(明體) for 'T', 'a', 'i', '中'",
                           "4: text: no glyph in 24(明體) for '廍', '○'",
                           "6: text: no glyph in 24(明體) for 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', "
                           "'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 't' and 2 more",
                           "7: text: no glyph in 24 Pixel(KV) for ' ', 'D', 'e', 'p', 'o', 't'"}));
    EXPECT_EQ(LitIn(*model, 0, 0, model->WidthDot).dots, LitIn(*model, 3, 0, model->WidthDot).dots)
        << "the glyphs a text has are drawn all the same";
}

} // namespace
