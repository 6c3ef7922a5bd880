#include "app/TAboutBox.h"

#include "about/ProgramInfo.h"
#include "app/LedArtwork.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// The design sizes; with a larger desktop font the box grows around its texts.
const QSize designPanel(289, 161);
const QSize designButton(75, 25);
constexpr int textLeft = 128;
constexpr int margin = 8;
constexpr int lineSpacing = 4;

// The lines beside the picture, placed from their design tops down. Each takes the size its text needs
// at the font in use and starts below the line before it, so no text is cut or covered.
class AboutLines {
public:
    explicit AboutLines(QWidget *panel) : panel_(panel) {}

    void add(const char *name, const QString &text, int designTop)
    {
        QLabel *label = make(name, text);
        place(label, QRect(QPoint(textLeft, std::max(designTop, nextTop_)), label->sizeHint()));
        right_ = std::max(right_, label->geometry().right() + 1);
    }

    // A line wrapped across the whole panel, below the picture and the lines before it.
    void addWrapped(const char *name, const QString &text, int designTop, int panelWidth)
    {
        QLabel *label = make(name, text);
        label->setWordWrap(true);
        const int width = panelWidth - 2 * margin;
        place(label, QRect(margin, std::max(designTop, nextTop_), width, label->heightForWidth(width)));
    }

    int right() const { return right_; }
    int bottom() const { return nextTop_ - lineSpacing; }

private:
    QLabel *make(const char *name, const QString &text)
    {
        auto *label = new QLabel(text, panel_);
        label->setObjectName(QString::fromLatin1(name));
        label->setAccessibleName(text);
        return label;
    }

    void place(QLabel *label, const QRect &where)
    {
        label->setGeometry(where);
        nextTop_ = where.bottom() + 1 + lineSpacing;
    }

    QWidget *panel_;
    int nextTop_ = 0;
    int right_ = 0;
};

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setAccessibleName(windowTitle());

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(LedTextPicture(QStringLiteral("V"), QSize(105, 105), 5));
    picture->setScaledContents(true);
    picture->setGeometry(margin, margin, 105, 105);

    AboutLines lines(panel);
    lines.add("ProductName", QStringLiteral("KV  Velmora"), 16);
    lines.add("Version", tr("Version  %1").arg(QLatin1String(ProgramInfo::Version)), 40);
    lines.add("Copyright", QLatin1String(ProgramInfo::Copyright), 88);
    const int panelWidth = std::max(designPanel.width(), lines.right() + margin);
    // The terms the editor is given under, as a desktop program shows them: in its about box.
    lines.addWrapped("Comments",
                     tr("Destination sign editor for bus depots. Free software under the %1; "
                        "there is no warranty.")
                         .arg(QLatin1String(ProgramInfo::Licence)),
                     124, panelWidth);
    panel->setGeometry(margin, margin, panelWidth, std::max(designPanel.height(), lines.bottom() + margin));

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    const QSize okSize = designButton.expandedTo(ok->sizeHint());
    // Centred under the panel, 11 pixels below it, as designed.
    ok->setGeometry(panel->x() + (panel->width() - okSize.width()) / 2, panel->y() + panel->height() + 11,
                    okSize.width(), okSize.height());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(panel->x() + panel->width() + 24, ok->y() + ok->height() + 35);
    if (const QScreen *screen = this->screen()) {
        move(screen->geometry().center() - rect().center());
    }
}
