#include "about/ProgramInfo.h"
#include "app/LedArtwork.h"
#include "app/QtPromptSeam.h"
#include "app/TFmVelmora.h"
#include "app/TfmLOGO.h"
#include "app/VelmoraForms.h"
#include "language/InterfaceLanguage.h"
#include "text/FaceSubstitutes.h"
#include "text/FontFileTable.h"

#include <QApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr unsigned long splashMilliseconds = 100;

// "--help" and "--version" are answered on standard output before any window exists, so they work
// without a display (the manual page is made from them).
bool AnsweredInformation(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: velmora [FILE]\n\n"
                "The editor of LED dot-matrix destination signs for buses: describe the sign, keep a\n"
                "list of frames grouped into lines, compose each frame from text, by hand or from a\n"
                "picture, save projects and download them to the sign over a serial port.\n\n"
                "FILE is a project file (\".nkv\", or \".kvf\" for the older format) opened after\n"
                "start-up as File > Open opens it.\n\n"
                "The bitmap font files are taken from the folder the editor starts in, and those\n"
                "absent from it from the installed data folder (share/velmora/fonts).\n\n"
                "The download's port COMn is the serial device the environment variable\n"
                "VELMORA_COMn names (VELMORA_COM1=/dev/ttyUSB0 for a USB adapter), else the\n"
                "n-th serial port (/dev/ttyS0 for COM1); the port dialog shows which device\n"
                "each port is. Using a serial device needs access to it: on Debian, membership\n"
                "of the group dialout (adduser USER dialout, then log in again).\n\n"
                "Every download is recorded in $XDG_DATA_HOME/velmora/downloads.sqlite\n"
                "(~/.local/share/velmora/), or in the file VELMORA_RECORD names; Help >\n"
                "Download Record... lists the open project's downloads.\n\n"
                "Options:\n  -h, --help  this text\n  --version   the version, copyright and licence\n\n%s\n",
                ProgramInfo::LicenceLine().c_str());
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(ProgramInfo::VersionText("velmora").c_str(), stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (AnsweredInformation(argc, argv)) {
        return 0;
    }
    QApplication app(argc, argv);
    InstallDesktopLanguage(app, QtTexts::Translated);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    QApplication::setWindowIcon(LedTextPicture(IconText, QSize(256, 256), 256 / IconDots));
    InstallFaceSubstitutes();

    auto splash = std::make_unique<TfmLOGO>();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        splash->placeOnScreen(screen->size());
    }
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    QThread::msleep(splashMilliseconds);

    QtPromptSeam prompts;
    VelmoraForms forms(prompts);
    splash.reset();

    // Without a window manager a maximise request is ignored; starting at the screen's working area
    // gives the same window either way.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        forms.FmVelmora->setGeometry(screen->availableGeometry());
    }
    forms.FmVelmora->setInstalledFontFolder(InstalledFontFolder(QApplication::applicationDirPath()));
    forms.FmVelmora->showMaximized();
    // A file named on the command line (as the desktop passes a double-clicked project) opens once the
    // start-up project is shown, so a refused file leaves the editor with that project.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        QTimer::singleShot(0, forms.FmVelmora.get(),
                           [&forms, path = arguments.at(1)] { forms.FmVelmora->openProjectFile(path); });
    }
    return QApplication::exec();
}
