// velmora-screenshots OUTDIR FONTDIR: the pictures of the user guide, taken from the real windows off
// screen, so they always show the program as it is. One editor session is driven through the window's
// own controls, step by step; each shot names the state it needs and the part of the window it shows.
// A new picture is one more row of `shots`.
#include "app/BusImageView.h"
#include "app/GraphicEditPage.h"
#include "app/TFmVelmora.h"
#include "app/TextEditPage.h"
#include "app/VelmoraForms.h"
#include "preview/PreviewGeometry.h"
#include "support/ScriptedPrompts.h"
#include "text/FaceSubstitutes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

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

// Types a text, uploads it and stamps it with a click on dot (column, row) of the preview.
void Compose(TFmVelmora &window, const QString &text, int column, int row)
{
    TextEditPage &page = *window.TextEdit;
    // Inserted as an input method or a paste puts it: key events carry no Chinese characters.
    page.editTextUp->clear();
    page.editTextUp->insert(text);
    QTest::mouseClick(page.btnTextUp, Qt::LeftButton);
    const int radius = window.project().View.DotRadius;
    const QPoint at = DotBox(window.project().View, column, row).topLeft() + QPoint(radius, radius);
    QTest::mouseMove(window.BusImage, at);
    QTest::mouseClick(window.BusImage, Qt::LeftButton, {}, at);
}

void ComposeChineseFrame(TFmVelmora &window)
{
    Press(window.TextEdit->RadioButton1);
    Choose(window.TextEdit->ComboBox1, QString::fromUtf8("24(明體)"));
    Compose(window, QString::fromUtf8("中文路線"), 0, 0);
    Press(window.TextEdit->RadioButton3);
    Choose(window.TextEdit->ComboBox3, QStringLiteral("24 Pixel(KV)"));
    Compose(window, QStringLiteral("268"), 120, 0);
}

// Two more frames; the first two frames become one line.
void FillFrameList(TFmVelmora &window)
{
    QTest::mouseClick(window.btnAdd, Qt::LeftButton);
    Press(window.TextEdit->RadioButton2);
    Choose(window.TextEdit->ComboBox2, QStringLiteral("10 X 15 "));
    Compose(window, QStringLiteral("Velmora Depot"), 20, 2);
    QTest::mouseClick(window.btnAdd, Qt::LeftButton);
    Compose(window, QStringLiteral("Not in service"), 8, 2);
    window.StringGridSelectCell(3, 1);
    window.StringGridSelectCell(3, 1);
    window.StringGridSelectCell(2, 1);
}

struct Shot {
    const char *fileName;
    std::function<void(TFmVelmora &)> prepare;
    std::function<QWidget *(TFmVelmora &)> subject;
};

const Shot shots[] = {
    {"main-window.png", ComposeChineseFrame, [](TFmVelmora &window) -> QWidget * { return &window; }},
    {"frame-list.png", FillFrameList,
     [](TFmVelmora &window) -> QWidget * { return window.StringGrid->parentWidget(); }},
    {"text-edit.png", [](TFmVelmora &window) { window.PageControl1->setCurrentWidget(window.TextEdit); },
     [](TFmVelmora &window) -> QWidget * { return window.PageControl1; }},
    {"graphic-edit.png",
     [](TFmVelmora &window) { window.PageControl1->setCurrentWidget(window.GraphicEdit); },
     [](TFmVelmora &window) -> QWidget * { return window.PageControl1; }},
};

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
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
    for (const Shot &shot : shots) {
        shot.prepare(window);
        QApplication::processEvents();
        const QString path = out.absoluteFilePath(QString::fromLatin1(shot.fileName));
        if (!shot.subject(window)->grab().save(path, "PNG")) {
            std::fprintf(stderr, "velmora-screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    }
    return 0;
}
