#include "text/BitmapFontFile.h"
#include "text/DigitFontFile.h"
#include "text/FontFileGenerator.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The font files the command writes with its standard faces, made once for all tests here.
class FontsCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir->isValid());
        const CliRun run = RunCli({"fonts", "--out", fontDir()});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.outLines().size(), 7);
    }
    static void TearDownTestSuite() { dir.reset(); }

    // A folder the command has to make.
    static QString fontDir() { return dir->filePath(QStringLiteral("share/fonts")); }

    static std::unique_ptr<QTemporaryDir> dir;
};

std::unique_ptr<QTemporaryDir> FontsCommand::dir;

const FontFileEntry &Entry(FontSelector selector, const char *label)
{
    const FontFileEntry *entry = FontFileForLabel(selector, QString::fromUtf8(label));
    EXPECT_NE(entry, nullptr) << label;
    return *entry;
}

// The character as text layout draws it with the face alone at the cell's height, without anti-aliasing,
// on the cell's baseline.
QImage DrawnByTheFace(const QString &family, const QString &character, int size)
{
    QImage cell(size, size, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QFont font(family);
    font.setPixelSize(size);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    QPainter painter(&cell);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, ChineseCellBaseline(size)), character);
    return cell;
}

TEST_F(FontsCommand, ChineseGlyphsReadBackAsTheFaceDrawsTheirCharacters)
{
    const FontFaces faces;
    // 中 (0xA4, 0xA4) is glyph 67, 文 (0xA4, 0xE5) glyph 132, 乂 (0xC9, 0x40) glyph 5402, which it shares
    // with a user-defined pair of lead 0xC6, and ▓ (0xF9, 0xFE) the last glyph.
    const std::pair<int, QString> glyphs[] = {{67, "中"}, {132, "文"}, {5402, "乂"}, {13094, "▓"}};
    for (const char *label : {"16(TS-16)", "16(TS)", "24(明體)", "24(楷書)", "24(國喬)"}) {
        const FontFileEntry &entry = Entry(FontSelector::Chinese, label);
        const QString family = QLatin1String(label) == QLatin1String("24(楷書)") ? faces.kai : faces.ming;
        BitmapFontFile file;
        ASSERT_TRUE(file.open(fontDir(), entry)) << label;
        for (const auto &[n, character] : glyphs) {
            const GlyphDots glyph = file.glyph(n);
            const QImage expected = DrawnByTheFace(family, character, entry.glyphHeight);
            int lit = 0;
            for (int y = 0; y < entry.glyphHeight; ++y) {
                for (int x = 0; x < entry.glyphWidth; ++x) {
                    ASSERT_EQ(glyph.at(x, y) == 1, qRed(expected.pixel(x, y)) < 64)
                        << label << " glyph " << n << " at " << x << "," << y;
                    lit += glyph.at(x, y);
                }
            }
            EXPECT_GT(lit, 10) << label << " glyph " << n;
        }
    }
}

TEST_F(FontsCommand, DigitsFillTheirCellsWithADarkColumnOnEitherSide)
{
    for (const char *label : {"24 Pixel(KV)", "32 Pixel(KV)"}) {
        const FontFileEntry &entry = Entry(FontSelector::Number, label);
        DigitFontFile file;
        ASSERT_TRUE(file.open(fontDir(), entry));
        const int height = entry.glyphHeight;
        std::vector<int> litInRow(height), litInColumn(16), litOfDigit;
        for (int d = 0; d < 10; ++d) {
            const GlyphDots glyph = file.glyph(d);
            litOfDigit.push_back(0);
            for (int x = 0; x < 16; ++x) {
                for (int y = 0; y < height; ++y) {
                    litInRow[y] += glyph.at(x, y);
                    litInColumn[x] += glyph.at(x, y);
                    litOfDigit.back() += glyph.at(x, y);
                }
            }
        }
        SCOPED_TRACE(label);
        EXPECT_GT(litInRow.front(), 0);
        EXPECT_GT(litInRow.back(), 0);
        EXPECT_EQ(litInColumn[0], 0);
        EXPECT_GT(litInColumn[1], 0);
        EXPECT_GT(litInColumn[14], 0);
        EXPECT_EQ(litInColumn[15], 0);
        // The shapes differ as digits do.
        EXPECT_LT(litOfDigit[1], litOfDigit[8]);
    }
}

TEST(FontsCommandFaces, AFaceThatIsNotInstalledOrHasNoChineseWritesNothing)
{
    QTemporaryDir empty;
    // A Latin face would leave every Chinese glyph dark.
    for (const char *face : {"No Such Face 123", "DejaVu Sans"}) {
        const CliRun run = RunCli({"fonts", "--out", empty.path(), "--face-kai", face});
        EXPECT_EQ(run.exitCode, 1) << face;
        ASSERT_EQ(run.errLines().size(), 1);
        EXPECT_TRUE(run.err.contains(face)) << run.err.toStdString();
        EXPECT_TRUE(QDir(empty.path()).isEmpty());
    }
}

} // namespace
