#include "app/WindowDownloadPace.h"

#include "app/PromptSeam.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QTimer>

namespace {

constexpr qint64 EventIntervalMs = 5;

} // namespace

WindowDownloadPace::WindowDownloadPace(PromptSeam &prompts, QProgressBar *progress)
    : prompts_(prompts), progress_(progress)
{
    clock_.start();
}

void WindowDownloadPace::pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    eventsProcessedAt_ = clock_.elapsed();
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
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void WindowDownloadPace::warning(const QString &text)
{
    prompts_.showWarning(text);
}

void WindowDownloadPace::message(const QString &text)
{
    prompts_.showMessage(text);
}
