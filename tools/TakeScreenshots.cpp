// velmora-screenshots OUTDIR FONTDIR: the pictures of the user guide, taken from the real windows off
// screen, so they always show the program as it is, in the language VELMORA_LANG or the locale chooses. One
// editor session is driven through the window's own controls, step by step; each shot names the step that
// brings it about and the part of the window it shows, and a dialog is pictured while the scripted answer
// leaves it open. A new picture is one more row of `shots`.
#include "app/BusImageView.h"
#include "app/GraphicEditPage.h"
#include "app/PictureSurface.h"
#include "app/TAboutBox.h"
#include "app/TFmVelmora.h"
#include "app/TextEditPage.h"
#include "app/VelmoraForms.h"
#include "dialogs/TfmCOMPort.h"
#include "dialogs/TfmNote.h"
#include "dialogs/TfmSecond.h"
#include "dialogs/TfmStart.h"
#include "language/InterfaceLanguage.h"
#include "picture/EditSurface.h"
#include "preview/PreviewGeometry.h"
#include "support/ScriptedPrompts.h"
#include "text/FaceSubstitutes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

namespace {

// What every step works on: the editor's windows and the prompts that stand in for the operator's
// answers to its dialogs.
struct Session {
    VelmoraForms &forms;
    ScriptedPrompts &prompts;
    TFmVelmora &window;
};

void Press(QRadioButton *option)
{
    QTest::mousePress(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
    QTest::mouseRelease(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
}

// Picks `entry` of a selector with the arrow keys, as the operator can.
void Choose(QComboBox *selector, const QString &entry)
{
    const int index = selector->findText(entry);
    if (index < 0) {
        std::fprintf(stderr, "velmora-screenshots: no entry '%s'\n", qPrintable(entry));
        std::exit(1);
    }
    while (selector->currentIndex() < index) {
        QTest::keyClick(selector, Qt::Key_Down);
    }
}

// The centre of dot (column, row) in the preview.
QPoint DotCentre(const TFmVelmora &window, int column, int row)
{
    const int radius = window.project().View.DotRadius;
    return DotBox(window.project().View, column, row).topLeft() + QPoint(radius, radius);
}

// Types a text, uploads it and moves the picture over the preview with its top-left corner at dot
// (column, row): the picture's dot (8, 8) follows the pointer.
void UploadText(TFmVelmora &window, const QString &text, int column, int row)
{
    TextEditPage &page = *window.TextEdit;
    // Inserted as an input method or a paste puts it: key events carry no Chinese characters.
    page.editTextUp->clear();
    page.editTextUp->insert(text);
    QTest::mouseClick(page.btnTextUp, Qt::LeftButton);
    QTest::mouseMove(window.BusImage, DotCentre(window, column + 8, row + 8));
}

// Stamps the picture being placed with its top-left corner at dot (column, row).
void Stamp(TFmVelmora &window, int column, int row)
{
    QTest::mouseClick(window.BusImage, Qt::LeftButton, {}, DotCentre(window, column + 8, row + 8));
}

void Compose(TFmVelmora &window, const QString &text, int column, int row)
{
    UploadText(window, text, column, row);
    Stamp(window, column, row);
}

void ChooseEnglish(TFmVelmora &window, const QString &size)
{
    Press(window.TextEdit->RadioButton2);
    Choose(window.TextEdit->ComboBox2, size);
}

// Selects list cell (column, row) with a click, as the operator does.
void ClickCell(TFmVelmora &window, int column, int row)
{
    QTableView &list = *window.StringGrid;
    const QRect cell = list.visualRect(list.model()->index(row - 1, column));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
}

// "New", then the new frame made current.
void AddFrame(TFmVelmora &window)
{
    QTest::mouseClick(window.btnAdd, Qt::LeftButton);
    ClickCell(window, 2, window.project().FrameCount);
}

// The setup dialog as New shows it, the sign of the start-up project chosen and module 4 selected; the
// dialog stays open for its picture.
void OpenSetup(Session &session)
{
    session.prompts.queueDialogAnswer([](QDialog &dialog) {
        auto &setup = static_cast<TfmStart &>(dialog);
        setup.show();
        Choose(setup.ComboBox1, QStringLiteral("24 X 24"));
        QTest::mouseClick(setup.ListBox1->viewport(), Qt::LeftButton, {},
                          setup.ListBox1->visualItemRect(setup.ListBox1->item(3)).center());
    });
    session.window.FileNew1->trigger();
}

void ComposeFirstFrame(Session &session)
{
    TFmVelmora &window = session.window;
    ChooseEnglish(window, QStringLiteral("10 X 15 "));
    Compose(window, QString::fromUtf8("中文路線"), 0, 0);
    Press(window.TextEdit->RadioButton3);
    Choose(window.TextEdit->ComboBox3, QStringLiteral("24 Pixel(KV)"));
    Compose(window, QStringLiteral("268"), 120, 0);
}

constexpr int secondTextColumn = 40;

// A second frame, its text uploaded and held over the preview, not yet stamped.
void PlaceSecondFrameText(Session &session)
{
    AddFrame(session.window);
    ChooseEnglish(session.window, QStringLiteral("10 X 15 "));
    UploadText(session.window, QStringLiteral("To Depot"), secondTextColumn, 0);
}

// The second frame stamped, a third one, and the first two frames made one line with a Change mark.
void FillFrameList(Session &session)
{
    TFmVelmora &window = session.window;
    Stamp(window, secondTextColumn, 0);
    AddFrame(window);
    Compose(window, QStringLiteral("Not in use"), 30, 0);
    ClickCell(window, 3, 1);
    ClickCell(window, 3, 1);
    ClickCell(window, 2, 1);
}

// The digits of the first frame lifted with the select tool.
void LiftRegion(Session &session)
{
    TFmVelmora &window = session.window;
    window.PageControl1->setCurrentWidget(window.TextEdit);
    window.Select1->trigger();
    QTest::mousePress(window.BusImage, Qt::LeftButton, {}, DotCentre(window, 118, 0));
    QTest::mouseMove(window.BusImage, DotCentre(window, 140, 12));
    QTest::mouseRelease(window.BusImage, Qt::LeftButton, {}, DotCentre(window, 168, 24));
}

// The lifted region dropped where it lies, then the first line played until its second frame shows
// (the first one shows for its 3 seconds).
void PlayFirstLine(Session &session)
{
    session.window.Select1->trigger();
    session.window.Play1->trigger();
    QTest::qWait(4500);
}

// A 16 x 16 picture drawn on the "Graphic Edit" page with the mouse, a click per picture pixel.
void DrawArrow(Session &session)
{
    static const char *const arrow[] = {
        "................", "................", "........#.......", "........##......",
        "........###.....", "........####....", "..###########...", "..############..",
        "..############..", "..###########...", "........####....", "........###.....",
        "........##......", "........#.......", "................", "................",
    };
    TFmVelmora &window = session.window;
    window.Play1->trigger();
    window.PageControl1->setCurrentWidget(window.GraphicEdit);
    const int block = EditSurfaceSize / 16;
    for (int j = 0; j < 16; ++j) {
        for (int i = 0; i < 16; ++i) {
            if (arrow[j][i] == '#') {
                QTest::mouseClick(window.GraphicEdit->EditImage, Qt::LeftButton, {},
                                  QPoint(i * block + block / 2, j * block + block / 2));
            }
        }
    }
}

// The port dialog as "Download" shows it; it stays open for its picture, so nothing is sent.
void OpenPortDialog(Session &session)
{
    session.prompts.queueDialogAnswer([](QDialog &dialog) { dialog.show(); });
    QTest::mouseClick(session.window.BitBtn3, Qt::LeftButton);
}

// A dialog of the editor shown as it opens, for its picture alone.
template <auto member> void ShowDialog(Session &session)
{
    (session.forms.*member)->show();
}

template <auto member> QWidget *Dialog(Session &session)
{
    return (session.forms.*member).get();
}

QWidget *WholeWindow(Session &session)
{
    return &session.window;
}

QWidget *Preview(Session &session)
{
    return session.window.BusImage->parentWidget();
}

QWidget *EditingPages(Session &session)
{
    return session.window.PageControl1;
}

struct Shot {
    const char *fileName;
    void (*prepare)(Session &);
    QWidget *(*subject)(Session &);
};

// In the order of the session: each step starts from what the one before left.
const Shot shots[] = {
    {"setup-dialog.png", OpenSetup, Dialog<&VelmoraForms::fmStart>},
    {"main-window.png", ComposeFirstFrame, WholeWindow},
    {"placing.png", PlaceSecondFrameText, Preview},
    {"frame-list.png", FillFrameList,
     [](Session &s) -> QWidget * { return s.window.StringGrid->parentWidget(); }},
    {"text-edit.png", [](Session &) {}, EditingPages},
    {"region.png", LiftRegion, Preview},
    {"playing.png", PlayFirstLine, WholeWindow},
    {"graphic-edit.png", DrawArrow, EditingPages},
    {"com-port.png", OpenPortDialog, Dialog<&VelmoraForms::fmCOMPort>},
    {"note-dialog.png", ShowDialog<&VelmoraForms::fmNote>, Dialog<&VelmoraForms::fmNote>},
    {"delay-dialog.png", ShowDialog<&VelmoraForms::fmSecond>, Dialog<&VelmoraForms::fmSecond>},
    {"about-box.png", ShowDialog<&VelmoraForms::AboutBox>, Dialog<&VelmoraForms::AboutBox>},
};

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InstallDesktopLanguage(app, QtTexts::Translated);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-screenshots OUTDIR FONTDIR\n");
        return 1;
    }
    InstallFaceSubstitutes();
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QString fontDir = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    // The editor starts in an empty folder, so every font entry comes from the installed font folder.
    QTemporaryDir startFolder;
    if (!QDir().mkpath(out.path()) || !startFolder.isValid() || !QDir::setCurrent(startFolder.path())) {
        std::fprintf(stderr, "velmora-screenshots: cannot prepare %s\n", argv[1]);
        return 1;
    }
    ScriptedPrompts prompts;
    VelmoraForms forms(prompts);
    TFmVelmora &window = *forms.FmVelmora;
    window.setInstalledFontFolder(fontDir);
    window.resize(1280, 800);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    Session session{forms, prompts, window};
    for (const Shot &shot : shots) {
        shot.prepare(session);
        QApplication::processEvents();
        QWidget *subject = shot.subject(session);
        const QString path = out.absoluteFilePath(QString::fromLatin1(shot.fileName));
        const QPixmap picture = subject->grab();
        // A dialog left open for its picture is closed as Cancel closes it.
        if (auto *dialog = qobject_cast<QDialog *>(subject)) {
            dialog->reject();
        }
        if (!picture.save(path, "PNG")) {
            std::fprintf(stderr, "velmora-screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    }
    return 0;
}
