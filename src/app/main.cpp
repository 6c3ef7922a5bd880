#include "app/QtPromptSeam.h"
#include "app/TFmVelmora.h"
#include "app/TfmLOGO.h"
#include "app/VelmoraForms.h"
#include "text/FaceSubstitutes.h"

#include <QApplication>
#include <QScreen>
#include <QThread>

#include <memory>

namespace {

constexpr unsigned long splashMilliseconds = 100;

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
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
    forms.FmVelmora->showMaximized();
    return QApplication::exec();
}
