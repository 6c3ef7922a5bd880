#include "routes/CsvRecords.h"
#include "routes/RouteRows.h"
#include "support/QtPrinters.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

std::vector<QStringList> Records(const char *text)
{
    const CsvRecords read = ReadCsvRecords(QByteArray(text));
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    return read.records;
}

// The problems of a table as "ROW: what" lines.
QStringList ProblemsOf(const char *text)
{
    QStringList lines;
    for (const RouteProblem &problem : CheckRouteTable(Records(text), QStringLiteral("/tables")).problems) {
        lines << QStringLiteral("%1: %2").arg(problem.row).arg(problem.what);
    }
    return lines;
}

TEST(CsvRecords, ReadsWhatSpreadsheetsWrite)
{
    const std::vector<QStringList> records = Records("\xEF\xBB\xBF"
                                                     "a,b,c\r\n"
                                                     "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
                                                     ",\xE4\xB8\xAD,\n"
                                                     "last,\"\",z");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (QStringList{"a", "b", "c"}));
    EXPECT_EQ(records[1], (QStringList{"x, y", "say \"hi\"", "two\r\nlines"}));
    EXPECT_EQ(records[2], (QStringList{"", QStringLiteral("中"), ""}));
    EXPECT_EQ(records[3], (QStringList{"last", "", "z"}));

    const CsvRecords unclosed = ReadCsvRecords("a\nb\n\"open,\nstill open");
    EXPECT_EQ(unclosed.errorRow, 3);
    EXPECT_EQ(ReadCsvRecords("a\n\"b\"c\n").errorRow, 2);
    EXPECT_EQ(ReadCsvRecords("a\n\xFF\xFE\n").errorRow, 1);

    // A file far larger than any table (or a device without end) is refused, not held.
    QByteArray huge(MaxCsvBytes + 1, 'a');
    QBuffer device(&huge);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    const CsvRecords tooLarge = ReadCsvFile(device);
    EXPECT_EQ(tooLarge.error, "the table is larger than 16 MB; a route table is far smaller");
    EXPECT_TRUE(tooLarge.records.empty());
}

TEST(RouteRows, TakesColumnsInAnyOrderWithTheirDefaults)
{
    // The last column is one a spreadsheet saves empty, heading and all.
    const RouteRows checked = CheckRouteTable(Records("Text,picture,BOARD,x,y,align,font,time,\n"
                                                      "Depot,badge.bmp,12,,,right,16(TS),,\n"
                                                      ",,,,,,,,\n"
                                                      "Town,,12,-3,5,,other,9, \n"),
                                              QStringLiteral("/tables"));
    ASSERT_TRUE(checked.problems.empty()) << checked.problems.front().what.toStdString();
    ASSERT_EQ(checked.rows.size(), 2u);
    const RouteRow &first = checked.rows[0];
    EXPECT_EQ(first.row, 2);
    EXPECT_EQ(first.board, 12);
    EXPECT_EQ(first.time, 3);
    EXPECT_EQ(first.text, "Depot");
    EXPECT_EQ(first.font.source, "16(TS)");
    EXPECT_EQ(first.align, TextAlign::Right);
    EXPECT_FALSE(first.x.has_value());
    EXPECT_EQ(first.picturePath, "/tables/badge.bmp");
    EXPECT_EQ(first.pictureZoom, 1) << "an empty size samples as Default";
    const RouteRow &second = checked.rows[1];
    EXPECT_EQ(second.row, 4) << "the empty row still counts";
    EXPECT_EQ(second.time, 9);
    EXPECT_EQ(*second.x, -3);
    EXPECT_EQ(*second.y, 5);
    EXPECT_TRUE(second.picturePath.isEmpty());
}

TEST(RouteRows, NamesEveryFaultyRowAndKeepsNoRows)
{
    EXPECT_EQ(ProblemsOf("board,colour\n1,red\n"),
              QStringList{"1: unknown column 'colour' (board, time, text, font, face, size, bold, italic, "
                          "underline, align, x, y, picture, picture_size)"});
    EXPECT_EQ(ProblemsOf("board;text\n1;A\n"),
              QStringList{"1: unknown column 'board;text': the fields must be separated by commas"});
    EXPECT_EQ(ProblemsOf("text\nA\n"), QStringList{"1: the heading names no board column"});
    EXPECT_EQ(ProblemsOf("board,,text\n1,,A\n2,B,C\n"),
              QStringList{"3: a value in column 2, which the heading leaves unnamed"});
    // A time of 0 is kept as no time, which a line of several frames cannot be sent with.
    EXPECT_EQ(ProblemsOf("board,time\n1,0\n2,4\n2,0\n"),
              QStringList{"4: time must be from 1 to 255 in a line of several frames, which the download "
                          "cannot send with no time"});
    EXPECT_EQ(ProblemsOf("board\n1\n2\n1\n2\n2\n"),
              (QStringList{"4: board 1 appears again after other boards",
                           "5: board 2 appears again after other boards"}));
    EXPECT_EQ(ProblemsOf("board,text\n1,\"two\nlines\"\n"),
              QStringList{"2: the text holds a line break; a frame's text is one line"});
    EXPECT_EQ(
        ProblemsOf("board,time,font,x,y,picture_size,bold,face\n"
                   "1,,,,,,,\n"
                   "65536,,,,,,,\n"
                   "2,256,,,,,,\n"
                   "2,,24(Ming),,,,,\n"
                   "2,,,4,,,,\n"
                   "2,,,,,20,,\n"
                   "2,,,,,,maybe,\n"
                   "2,,,,,,,Serif\n"
                   "2,,10 X 15,,,,,\n"
                   ",,,,,,,x\n"
                   "1,,,,,,,\n"
                   "3,,,,,,,,\n"),
        (QStringList{"3: board must be a whole number from 0 to 65535, not '65536'",
                     "4: time must be a whole number from 0 to 255, not '256'",
                     "5: unknown font entry '24(Ming)' (a size selector entry, or 'other')",
                     "6: x and y go together", "7: picture_size must be 16, 24, 32, 48 or default, not '20'",
                     "8: bold must be yes or no, not 'maybe'", "9: face and size go with the font 'other'",
                     "10: unknown font entry '10 X 15' (the entry is \"10 X 15 \", blanks included)",
                     "11: board is needed", "12: board 1 appears again after other boards",
                     "13: 9 fields, but the heading names 8 columns"}));

    // The download counts a line's frames in one byte.
    QByteArray longLine = "board\n";
    for (int frame = 0; frame < 257; ++frame) {
        longLine += frame < 256 ? "1\n" : "2\n";
    }
    const RouteRows tooLongALine = CheckRouteTable(ReadCsvRecords(longLine).records, {});
    ASSERT_EQ(tooLongALine.problems.size(), 1u);
    EXPECT_EQ(tooLongALine.problems[0].row, 257);
    EXPECT_EQ(tooLongALine.problems[0].what,
              "board 1's line has more than 255 frames, which the download cannot send");

    QByteArray tooLong = "board\n";
    for (int frame = 0; frame < 501; ++frame) {
        tooLong += QByteArray::number(frame) + "\n";
    }
    const RouteRows overflowing = CheckRouteTable(ReadCsvRecords(tooLong).records, {});
    ASSERT_EQ(overflowing.problems.size(), 1u);
    EXPECT_EQ(overflowing.problems[0].row, 502);
    EXPECT_TRUE(overflowing.rows.empty());
}

} // namespace
