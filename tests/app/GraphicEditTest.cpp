#include "EditorFixture.h"
#include "support/TwoTonePictures.h"

#include "app/BusImageView.h"
#include "app/GraphicEditPage.h"
#include "app/PictureSurface.h"
#include "preview/PreviewGeometry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <sys/stat.h>

namespace {

class GraphicEdit : public EditorFixture {
protected:
    void SetUp() override
    {
        startIn({});
        QApplication::setActiveWindow(&window());
        window().PageControl1->setCurrentWidget(window().GraphicEdit);
    }
    GraphicEditPage &page() { return *window().GraphicEdit; }
    QImage &surface() { return page().EditImage->picture(); }
    int zoom() { return window().project().Text.EditZoom; }
    bool black(int x, int y) { return IsBlack(surface(), x, y); }
    int blackPixels() { return BlackPixels(surface()); }
    void chooseSize(const QString &caption)
    {
        for (QRadioButton *item : page().RadioGroup1->findChildren<QRadioButton *>()) {
            if (item->text() == caption) {
                QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(4, item->height() / 2));
                return;
            }
        }
        FAIL() << "no size item " << caption.toStdString();
    }
};

TEST_F(GraphicEdit, TheMousePaintsBlocksAndAnotherSizeClearsThePicture)
{
    QWidget *editImage = page().EditImage;
    EXPECT_EQ(zoom(), 12);
    QTest::mousePress(editImage, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(black(24, 24) && black(35, 35));
    EXPECT_EQ(blackPixels(), 144);
    QTest::mouseMove(editImage, QPoint(50, 30));
    QTest::mouseRelease(editImage, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(blackPixels(), 288) << "moving with the left button held paints the block under the pointer";
    QTest::mouseClick(editImage, Qt::RightButton, {}, QPoint(26, 33));
    EXPECT_EQ(blackPixels(), 144);

    chooseSize(QStringLiteral("16 X 16"));
    EXPECT_EQ(blackPixels(), 144) << "the size already in force keeps the picture";
    chooseSize(QStringLiteral("Default"));
    EXPECT_EQ(zoom(), 1);
    EXPECT_EQ(blackPixels(), 0);
    QTest::mouseClick(editImage, Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_TRUE(black(5, 7));
    EXPECT_EQ(blackPixels(), 1);

    page().Button6->click();
    EXPECT_EQ(blackPixels(), 0);
    EXPECT_EQ(zoom(), 1) << "Clear keeps the size";
}

TEST_F(GraphicEdit, OpenSamplesTheFileAtTheChosenSizeAndARefusedFileChangesNothing)
{
    const QImage scratchBefore = window().Image2;
    const QImage picture =
        TwoTonePicture(32, 32, [](int x, int y) { return (x / 2 + y / 2) % 2 == 0 && x % 2 == 0; });
    const QString checker = WritePictureFile(fontDir, QStringLiteral("checker.bmp"), picture);
    page().selectImageSize(0);
    prompts.queueFile({checker, 0});
    page().Button3->click();
    ASSERT_EQ(prompts.fileDialogs.size(), 1U);
    EXPECT_EQ(prompts.fileDialogs[0].filters,
              (QStringList{QStringLiteral("16x16 24x24 32x32 48x48 BMP File (*.bmp)"),
                           QStringLiteral("Pictures (*.bmp *.png *.jpg *.jpeg)")}));
    EXPECT_EQ(prompts.fileDialogs[0].filterIndex, 0);
    EXPECT_EQ(prompts.fileDialogs[0].defaultSuffix, QStringLiteral("bmp"));
    EXPECT_TRUE(black(0, 0) && black(11, 11) && !black(12, 0) && black(24, 24));
    EXPECT_EQ(blackPixels(), 8 * 16 * 144);
    const QImage opened = surface();

    page().selectImageSize(3);
    const QString missing = fontDir.filePath(QStringLiteral("missing.bmp"));
    prompts.queueFile({missing, 0});
    page().Button3->click();
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Cannot open file ") + missing});
    EXPECT_EQ(surface(), opened);
    EXPECT_EQ(zoom(), 12);

    page().Button3->click(); // cancelled
    EXPECT_EQ(surface(), opened);
    EXPECT_EQ(window().Image2, scratchBefore) << "text composition's scratch picture is not touched";
}

TEST_F(GraphicEdit, SaveWritesTheSurfaceAndReportsAFileItCannotCreate)
{
    QTest::mouseClick(page().EditImage, Qt::LeftButton, {}, QPoint(100, 60));
    const QString path = fontDir.filePath(QStringLiteral("saved.bmp"));
    prompts.queueFile({path, 0});
    page().Button5->click();
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), surface());

    const QString blocked = fontDir.filePath(QStringLiteral("folder.bmp"));
    ASSERT_TRUE(QDir().mkdir(blocked));
    prompts.queueFile({blocked, 0});
    page().Button5->click();
    EXPECT_EQ(prompts.messages,
              QStringList{QStringLiteral("Cannot create file %1: not a regular file").arg(blocked)});
    EXPECT_EQ(prompts.fileDialogs[0].filters,
              QStringList{QStringLiteral("16x16 24x24 32x32 48x48 BMP File (*.bmp)")});
}

TEST_F(GraphicEdit, SaveAsksBeforeReplacingAFileAndNeverReplacesAPipe)
{
    QTest::mouseClick(page().EditImage, Qt::LeftButton, {}, QPoint(100, 60));
    const auto write = [this](const char *name, const QByteArray &bytes) {
        QFile file(fontDir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    const auto bytesOf = [this](const char *name) {
        QFile file(fontDir.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    };
    write("route.nkv", "a project");
    write("badge.bmp", "an older picture");

    // No keeps the project; a name typed without extension is asked about as the bitmap it becomes.
    prompts.queueFile({fontDir.filePath(QStringLiteral("route.nkv")), 0});
    prompts.queueYesNo(false);
    page().Button5->click();
    prompts.queueFile({fontDir.filePath(QStringLiteral("badge")), 0});
    page().Button5->click(); // the question dismissed
    EXPECT_EQ(prompts.questions,
              (QStringList{QStringLiteral("route.nkv already exists.\nDo you want to replace it?"),
                           QStringLiteral("badge.bmp already exists.\nDo you want to replace it?")}));
    EXPECT_EQ(bytesOf("route.nkv"), "a project");
    EXPECT_EQ(bytesOf("badge.bmp"), "an older picture");

    prompts.queueFile({fontDir.filePath(QStringLiteral("badge")), 0});
    prompts.queueYesNo(true);
    page().Button5->click();
    EXPECT_EQ(QImage(fontDir.filePath(QStringLiteral("badge.bmp"))).convertToFormat(QImage::Format_RGB32),
              surface());
    EXPECT_FALSE(QFileInfo::exists(fontDir.filePath(QStringLiteral("badge"))));

    // A pipe is refused without a question and stays a pipe.
    const QString pipe = fontDir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    prompts.queueFile({pipe, 0});
    page().Button5->click();
    EXPECT_EQ(prompts.questions.size(), 3);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Cannot create file %1: not a regular file").arg(pipe)});
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(GraphicEdit, AnUploadedPictureIsPlacedWithItsPixelEightEightUnderThePointerAndOnlyLightsDots)
{
    // A 48 x 48 picture with rows 7, 8, 31 and 32 black, placed on the 24-dot-high start-up sign with the
    // pointer on the top row: picture rows 8 to 31 fall on the sign.
    chooseSize(QStringLiteral("48 X 48"));
    for (int row : {7, 8, 31, 32}) {
        for (int x = 0; x < 48; x += 2) {
            QTest::mouseClick(page().EditImage, Qt::LeftButton, {}, QPoint(x * 4 + 1, row * 4 + 3));
        }
    }
    window().Pen1->trigger();
    QWidget *preview = window().BusImage;
    const ProjectModel &project = window().project();
    // Where the pointer rules find dot (col, row).
    const auto pointOf = [&project](int col, int row) {
        return DotBox(project.View, col, row).topLeft() +
               QPoint(project.View.DotRadius, project.View.DotRadius);
    };
    const QPoint topRowDot = pointOf(50, 0);
    QTest::mouseClick(preview, Qt::LeftButton, {}, pointOf(44, 10));
    ASSERT_EQ(project.FrameDots.at(0, 44, 10), 1);

    page().Button4->click();
    EXPECT_TRUE(window().PointerTool->isChecked());
    EXPECT_TRUE(project.Tools.PlaceMode);
    QTest::mouseMove(preview, topRowDot);
    QTest::mouseClick(preview, Qt::LeftButton, {}, topRowDot);
    EXPECT_FALSE(project.Tools.PlaceMode);
    for (int x = 0; x < project.WidthDot; ++x) {
        for (int y = 0; y < project.HeightDot; ++y) {
            const int i = x - 42;
            const bool fromPicture = i >= 0 && i < 48 && i % 2 == 0 && (y == 0 || y == 23);
            ASSERT_EQ(project.FrameDots.at(0, x, y), fromPicture || (x == 44 && y == 10) ? 1 : 0)
                << x << ", " << y;
        }
    }
}

} // namespace
