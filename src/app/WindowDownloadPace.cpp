#include "app/WindowDownloadPace.h"

#include "app/PromptSeam.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

constexpr qint64 EventIntervalMs = 5;

bool IsOperatorInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

// While no modal box is up, every piece of the operator's input is dropped; a box shown by the download
// takes its input, and Qt's modality keeps it from the windows behind.
class WindowDownloadPace::InputSwallower final : public QObject {
public:
    InputSwallower() { QApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return IsOperatorInput(event->type()) && !QApplication::activeModalWidget();
    }
};

WindowDownloadPace::WindowDownloadPace(PromptSeam &prompts, QProgressBar *progress, QLabel *statusPanel,
                                       std::function<void()> starting)
    : prompts_(prompts), swallower_(std::make_unique<InputSwallower>()), progress_(progress),
      statusPanel_(statusPanel), starting_(std::move(starting))
{
    clock_.start();
}

WindowDownloadPace::~WindowDownloadPace() = default;

void WindowDownloadPace::pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    eventsProcessedAt_ = clock_.elapsed();
}

void WindowDownloadPace::transferStarting()
{
    if (starting_) {
        starting_();
    }
}

void WindowDownloadPace::dotWalked(qint64 total)
{
    if (!progress_) {
        return;
    }
    progress_->setValue(static_cast<int>(total));
    const qint64 now = clock_.elapsed();
    if (now - eventsProcessedAt_ >= EventIntervalMs) {
        eventsProcessedAt_ = now;
        QApplication::processEvents();
    }
}

void WindowDownloadPace::packetSentAgain(const QString &status)
{
    if (statusPanel_) {
        statusPanel_->setText(status);
    }
}

void WindowDownloadPace::warning(const QString &text, const QString &reason)
{
    prompts_.showWarning(reason.isEmpty() ? text : text + QLatin1Char('\n') + reason);
}

void WindowDownloadPace::message(const QString &text)
{
    prompts_.showMessage(text);
}
