#pragma once

#include "download/DownloadPace.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>

class PromptSeam;
class QLabel;
class QProgressBar;

// The download's pace in the editor: pauses run the event loop, so the window stays painted, while the
// operator's input is swallowed for as long as the pace lives (not merely put off, which would replay
// impatient clicks once the transfer is over), except in a message box shown meanwhile. Window events
// are processed at most every few milliseconds so that a large project is not slowed by them; messages
// go through the prompt seam.
//
// The progress bar follows every dot as the eye sees it: it holds the count of dots walked whenever the
// window can be seen to change (before events are processed, a pause or a box) and otherwise moves 25
// times a second. Qt repaints a progress bar on the spot each time a move shows, and works out whether
// it shows each time it is moved, which dot by dot cost more than the download's own work.
class WindowDownloadPace final : public DownloadPace {
public:
    // With no progress bar (the single-line download) the progress is not shown. `statusPanel` says which
    // packet is being sent again while one is (none: not said). `starting` runs once the port is open and
    // set up, when the transfer begins.
    WindowDownloadPace(PromptSeam &prompts, QProgressBar *progress, QLabel *statusPanel = nullptr,
                       std::function<void()> starting = {});
    ~WindowDownloadPace() override;

    void pause(int ms) override;
    void transferStarting() override;
    qint64 now() override { return clock_.elapsed(); }
    void dotWalked(qint64 total) override;
    void packetSentAgain(const QString &status) override;
    // The text, and the port's reason on a line of its own.
    void warning(const QString &text, const QString &reason) override;
    void message(const QString &text) override;

private:
    class InputSwallower;

    // Moves the progress bar to the dots walked so far.
    void showProgress();

    PromptSeam &prompts_;
    std::unique_ptr<InputSwallower> swallower_;
    QProgressBar *progress_;
    QLabel *statusPanel_;
    std::function<void()> starting_;
    QElapsedTimer clock_;
    qint64 eventsProcessedAt_ = 0;
    int dotsWalked_ = 0;
    qint64 progressShownAt_ = 0;
};
