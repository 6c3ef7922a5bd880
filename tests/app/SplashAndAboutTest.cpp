#include "app/TAboutBox.h"
#include "app/TfmLOGO.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

bool HasAmberDot(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 160, 0)) {
                return true;
            }
        }
    }
    return false;
}

TEST(Splash, HoldsItsPictureBelowAnEightPixelMarginAndCentresByThePicturesSize)
{
    TfmLOGO splash;
    EXPECT_EQ(splash.windowTitle(), "Velmora LOGO");
    EXPECT_EQ(splash.Image1->geometry(), QRect(0, 8, 545, 161));
    EXPECT_EQ(splash.size(), QSize(545, 169));
    EXPECT_TRUE(HasAmberDot(splash.Image1->pixmap()));

    splash.placeOnScreen(QSize(1280, 1024));
    EXPECT_EQ(splash.pos(), QPoint((1280 - 545) / 2, (1024 - 161) / 2));
    splash.move(5, 5);
    splash.placeOnScreen(QSize(545, 1024)); // no room across: left where it is
    EXPECT_EQ(splash.pos(), QPoint(5, 5));
}

TEST(AboutBox, SizesItselfAroundItsPanelAndOkButton)
{
    TAboutBox about;
    const QWidget *panel = about.findChild<QWidget *>("Panel1");
    const QPushButton *ok = about.findChild<QPushButton *>("OKButton");
    ASSERT_TRUE(panel && ok);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(about.width(), panel->x() + panel->width() + 24);
    EXPECT_EQ(about.height(), ok->y() + ok->height() + 35);
    const QLabel *picture = about.findChild<QLabel *>("ProgramIcon");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(105, 105));
    EXPECT_TRUE(picture->hasScaledContents());
}

TEST(AboutBox, StatesTheBuildsVersionAndTheLicence)
{
    TAboutBox about;
    const QLabel *version = about.findChild<QLabel *>("Version");
    const QLabel *comments = about.findChild<QLabel *>("Comments");
    ASSERT_TRUE(version && comments);
    EXPECT_EQ(version->text(), QStringLiteral("Version  %1").arg(VELMORA_VERSION));
    EXPECT_TRUE(comments->text().contains("GNU General Public License, version 3 or later"))
        << comments->text().toStdString();
}

TEST(AboutBox, EveryLineShowsItsWholeTextAtAnyFontSize)
{
    struct KeepApplicationFont {
        QFont standard = QApplication::font();
        ~KeepApplicationFont() { QApplication::setFont(standard); }
    } keep;
    for (int points : {9, 20}) {
        QFont font = keep.standard;
        font.setPointSize(points);
        QApplication::setFont(font);
        TAboutBox about;
        const QWidget *panel = about.findChild<QWidget *>("Panel1");
        ASSERT_TRUE(panel);
        QRect above;
        for (const char *name : {"ProductName", "Version", "Copyright", "Comments"}) {
            const QLabel *line = about.findChild<QLabel *>(name);
            ASSERT_TRUE(line) << name;
            const QSize needed =
                line->wordWrap() ? QSize(0, line->heightForWidth(line->width())) : line->sizeHint();
            EXPECT_GE(line->width(), needed.width()) << name << " at " << points;
            EXPECT_GE(line->height(), needed.height()) << name << " at " << points;
            EXPECT_TRUE(panel->rect().contains(line->geometry())) << name << " at " << points;
            EXPECT_FALSE(line->geometry().intersects(above)) << name << " at " << points;
            above = line->geometry();
        }
        EXPECT_TRUE(about.rect().contains(panel->geometry()));
    }
}

} // namespace
