#include "support/TwoTonePictures.h"

#include "picture/EditSurface.h"
#include "picture/PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Appends 32-bit fields as a bitmap file holds them, least significant byte first.
void Append32(QByteArray &bytes, std::initializer_list<quint32> fields)
{
    for (quint32 field : fields) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.append(static_cast<char>(field >> shift));
        }
    }
}

class PictureFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Opens the file at the zoom and fails the test when it does not open.
    QImage open(const QString &path, int editZoom)
    {
        const SampledPicture sampled = SamplePictureFile(path, editZoom);
        EXPECT_TRUE(sampled.result.ok()) << sampled.result.message().toStdString();
        return sampled.surface;
    }

    QString writeBytes(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(PictureFilesTest, AHalfSizeOpenTakesEverySecondPixelOfEverySecondRow)
{
    const QString path =
        WritePictureFile(dir, QStringLiteral("pattern.bmp"), TwoTonePicture(32, 32, Scattered));
    const QImage surface = open(path, EditZoomOfItem(0));
    ASSERT_EQ(surface.size(), QSize(EditSurfaceSize, EditSurfaceSize));
    for (int i = 0; i < 16; ++i) {
        for (int j = 0; j < 16; ++j) {
            ASSERT_TRUE(BlockIs(surface, 12, i, j, Scattered(2 * i, 2 * j))) << i << ", " << j;
        }
    }
}

TEST_F(PictureFilesTest, ScaleFactorsAreSinglePrecisionAndTakeEachBlocksTopLeftPixel)
{
    // 100 / 48 rounds down in single precision, so pixel 12 reads column 24 and not 25 (and 24 reads 49,
    // 36 reads 74).
    const QString columns =
        WritePictureFile(dir, QStringLiteral("columns.bmp"),
                         TwoTonePicture(100, 48, [](int x, int) { return x == 24 || x == 49 || x == 74; }));
    const QImage reduced = open(columns, EditZoomOfItem(3));
    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(IsBlack(reduced, i * 4, 0), i == 12 || i == 24 || i == 36) << i;
    }
}

TEST_F(PictureFilesTest, DefaultTakesTheTopLeftOneToOneAndLeavesTheRestWhite)
{
    const QString large =
        WritePictureFile(dir, QStringLiteral("large.bmp"), TwoTonePicture(250, 200, Scattered));
    const QImage fromLarge = open(large, EditZoomOfItem(4));
    const QString narrow =
        WritePictureFile(dir, QStringLiteral("narrow.bmp"), TwoTonePicture(100, 50, Scattered));
    const QImage fromNarrow = open(narrow, EditZoomOfItem(4));
    for (int x = 0; x < EditSurfaceSize; ++x) {
        for (int y = 0; y < EditSurfaceSize; ++y) {
            ASSERT_EQ(IsBlack(fromLarge, x, y), Scattered(x, y)) << x << ", " << y;
            ASSERT_EQ(IsBlack(fromNarrow, x, y), x < 100 && y < 50 && Scattered(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(PictureFilesTest, OnlyTheRedComponentDecidesAndOtherPictureKindsOpenAlike)
{
    // Pure blue and green count as black, pure red as white; transparency is the white it is seen on.
    QImage colours(5, 1, QImage::Format_ARGB32);
    const QRgb pixels[] = {qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(127, 255, 255),
                           qRgba(0, 0, 0, 0)};
    for (int x = 0; x < 5; ++x) {
        colours.setPixel(x, 0, pixels[x]);
    }
    const QImage surface =
        open(WritePictureFile(dir, QStringLiteral("colours.png"), colours), EditZoomOfItem(4));
    EXPECT_TRUE(IsBlack(surface, 0, 0));
    EXPECT_TRUE(IsBlack(surface, 1, 0));
    EXPECT_TRUE(IsWhite(surface, 2, 0));
    EXPECT_TRUE(IsBlack(surface, 3, 0));
    EXPECT_TRUE(IsWhite(surface, 4, 0));

    // 32-bit bitmaps with an alpha channel: one whose alpha is never filled is opaque, as viewers show
    // it; one with alpha in use shows its transparent pixel white.
    const auto alphaBitmap = [this](const QString &name, QRgb left, QRgb right) {
        const quint32 rowsAt = 14 + 124;
        QByteArray bytes("BM");
        Append32(bytes, {rowsAt + 8, 0, rowsAt});
        Append32(bytes, {124, 2, 1, 1 | 32 << 16, 3, 8, 0, 0, 0, 0});      // bit fields
        Append32(bytes, {0xFF0000, 0xFF00, 0xFF, 0xFF000000, 0x73524742}); // masks, sRGB
        bytes.append(QByteArray(4 * 16, '\0'));                            // end points, gammas, no profile
        Append32(bytes, {left, right});
        return open(writeBytes(name, bytes), EditZoomOfItem(4));
    };
    const QImage unused =
        alphaBitmap(QStringLiteral("unused.bmp"), qRgba(0, 0, 0, 0), qRgba(255, 255, 255, 0));
    EXPECT_TRUE(IsBlack(unused, 0, 0));
    EXPECT_TRUE(IsWhite(unused, 1, 0));
    const QImage used = alphaBitmap(QStringLiteral("used.bmp"), qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 255));
    EXPECT_TRUE(IsWhite(used, 0, 0));
    EXPECT_TRUE(IsBlack(used, 1, 0));
}

TEST_F(PictureFilesTest, PixelsARunLengthBitmapSkipsShowItsFirstColour)
{
    // 48 x 48, eight bits a pixel, colour 0 white and every other black. Coded from the bottom row: three
    // pixels of colour 1, end of line, a jump of two columns and one row, two pixels of colour 1, end of
    // the picture. Everything the codes skip is colour 0, never what memory held.
    const QByteArray codes("\x03\x01\x00\x00\x00\x02\x02\x01\x02\x01\x00\x01", 12);
    const quint32 rowsAt = 14 + 40 + 256 * 4;
    QByteArray bytes("BM");
    Append32(bytes, {rowsAt + static_cast<quint32>(codes.size()), 0, rowsAt});
    // The info header: its size, width, height, one plane and 8 bits, run-length coding, the coded size,
    // no resolution, 256 colours.
    Append32(bytes, {40, 48, 48, 1 | 8 << 16, 1, static_cast<quint32>(codes.size()), 0, 0, 256, 0});
    Append32(bytes, {0x00FFFFFF});
    for (int colour = 1; colour < 256; ++colour) {
        Append32(bytes, {0});
    }
    bytes.append(codes);
    const QString path = writeBytes(QStringLiteral("runs.bmp"), bytes);

    const QImage surface = open(path, EditZoomOfItem(4));
    for (int x = 0; x < 48; ++x) {
        for (int y = 0; y < 48; ++y) {
            const bool coded = (y == 47 && x < 3) || (y == 45 && (x == 2 || x == 3));
            ASSERT_EQ(IsBlack(surface, x, y), coded) << x << ", " << y;
        }
    }
}

TEST_F(PictureFilesTest, ASavedSurfaceIsAWindowsBitmapThatReopensAsTheSamePicture)
{
    for (int item = 0; item < ImageSizeItems; ++item) {
        const int zoom = EditZoomOfItem(item);
        const int n = PictureSizeOfItem(item);
        QImage surface = BlankEditSurface();
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                PaintPicturePixel(surface, zoom, i, j,
                                  Scattered(i, j) ? PictureInk::Black : PictureInk::White);
            }
        }
        const QString path = dir.filePath(QStringLiteral("saved-%1.bmp").arg(item));
        ASSERT_TRUE(SaveEditSurface(surface, path).ok());

        QImageReader reader(path);
        EXPECT_EQ(reader.format(), "bmp");
        EXPECT_EQ(reader.size(), QSize(EditSurfaceSize, EditSurfaceSize));
        EXPECT_EQ(open(path, zoom), surface) << "size item " << item;
    }
}

TEST_F(PictureFilesTest, AFileThatCannotBeReadIsNamedByItsKindOfFault)
{
    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    EXPECT_EQ(SamplePictureFile(missing, 12).result.message(), QStringLiteral("Cannot open file ") + missing);
    // A pipe under a picture's name would block the opening until something writes to it.
    const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(SamplePictureFile(pipe, 12).result.message(), QStringLiteral("Cannot open file ") + pipe);

    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    EXPECT_EQ(SamplePictureFile(text, 12).result.message(),
              QStringLiteral("Unknown picture file extension (.txt)"));

    const QString damaged = dir.filePath(QStringLiteral("damaged.bmp"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is no picture at all");
    file.close();
    const SampledPicture sampled = SamplePictureFile(damaged, 12);
    EXPECT_EQ(sampled.result.message(), QStringLiteral("Bitmap image is not valid"));
    EXPECT_TRUE(sampled.surface.isNull());

    // A bitmap cut short (a copy broken off) is damaged too: its missing rows are not read as a picture.
    const QString cut = WritePictureFile(dir, QStringLiteral("cut.bmp"), TwoTonePicture(32, 32, Scattered));
    ASSERT_TRUE(QFile::resize(cut, QFileInfo(cut).size() - 1));
    EXPECT_EQ(SamplePictureFile(cut, 12).result.message(), QStringLiteral("Bitmap image is not valid"));

    // A folder stands where the file should go: nothing is written.
    const QString blocked = dir.filePath(QStringLiteral("blocked.bmp"));
    ASSERT_TRUE(QDir().mkdir(blocked));
    EXPECT_EQ(SaveEditSurface(BlankEditSurface(), blocked).message(),
              QStringLiteral("Cannot create file %1: not a regular file").arg(blocked));
}

TEST_F(PictureFilesTest, PicturesOpenUpToTheirPixelLimitAndHugeHeadersAreRefusedPlainly)
{
    // A header claiming 2^31 - 1 pixels each way on a file of 54 bytes: its rows are far past the end.
    QByteArray claim("BM");
    Append32(claim, {54, 0, 54});
    Append32(claim, {40, 0x7FFFFFFF, 0x7FFFFFFF, 1 | 24 << 16, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(SamplePictureFile(writeBytes(QStringLiteral("claim.bmp"), claim), 12).result.message(),
              QStringLiteral("Bitmap image is not valid"));

    // More than the decoder takes by default, yet small on disk: one colour compresses to almost nothing.
    QImage large(6000, 6000, QImage::Format_RGB888);
    large.fill(Qt::black);
    const QString largePath = WritePictureFile(dir, QStringLiteral("large.png"), large);
    large = QImage();
    EXPECT_EQ(BlackPixels(open(largePath, EditZoomOfItem(0))), EditSurfaceSize * EditSurfaceSize);

    // One row of pixels more than 2^28, run-length coded as a bare end of picture: refused by its header.
    const QByteArray codes("\x00\x01", 2);
    const quint32 rowsAt = 14 + 40 + 2 * 4;
    QByteArray huge("BM");
    Append32(huge, {rowsAt + 2, 0, rowsAt});
    Append32(huge, {40, 16384, 16385, 1 | 8 << 16, 1, 2, 0, 0, 2, 0});
    Append32(huge, {0x00FFFFFF, 0});
    huge.append(codes);
    const QString hugePath = writeBytes(QStringLiteral("huge.bmp"), huge);
    EXPECT_EQ(SamplePictureFile(hugePath, 12).result.message(),
              hugePath + QStringLiteral(" is too large: at most 268,435,456 pixels"));
}

} // namespace
