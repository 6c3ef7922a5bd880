#include "app/WindowDownloadPace.h"

#include "app/PromptSeam.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

constexpr qint64 EventIntervalMs = 5;
// How often the progress bar is moved while dots are walked: 25 times a second, a smooth advance to the
// eye.
constexpr qint64 ProgressFrameMs = 40;

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
    showProgress();
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
    dotsWalked_ = static_cast<int>(total);
    const qint64 now = clock_.elapsed();
    if (now - progressShownAt_ >= ProgressFrameMs) {
        showProgress();
    }
    if (now - eventsProcessedAt_ >= EventIntervalMs) {
        eventsProcessedAt_ = now;
        showProgress();
        QApplication::processEvents();
    }
}

void WindowDownloadPace::showProgress()
{
    if (progress_ && progress_->value() != dotsWalked_) {
        progress_->setValue(dotsWalked_);
        progressShownAt_ = clock_.elapsed();
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
    showProgress();
    prompts_.showWarning(reason.isEmpty() ? text : text + QLatin1Char('\n') + reason);
}

void WindowDownloadPace::message(const QString &text)
{
    showProgress();
    prompts_.showMessage(text);
}
