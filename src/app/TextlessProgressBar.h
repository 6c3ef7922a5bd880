#pragma once

#include <QProgressBar>

// The main window's progress bar, which shows no text. The download moves it after every dot, and Qt
// asks for the bar's text with every move (to decide whether to repaint) and every repaint, formatting
// the numbers in the system's locale each time although the text is never drawn; this bar answers an
// empty text while its text is hidden, which leaves only the bar itself to be worked out and painted.
class TextlessProgressBar final : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

    QString text() const override;
};
