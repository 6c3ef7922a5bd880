#include "app/TAboutBox.h"

#include "app/LedArtwork.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel *AddLine(QWidget *panel, const char *name, const QString &text, int top)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    label->setGeometry(128, top, 150, 17);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setAccessibleName(windowTitle());

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 289, 161);

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(LedTextPicture(QStringLiteral("V"), QSize(105, 105), 5));
    picture->setScaledContents(true);
    picture->setGeometry(8, 8, 105, 105);

    AddLine(panel, "ProductName", QStringLiteral("KV  Velmora"), 16);
    AddLine(panel, "Version", QStringLiteral("Version  1.0"), 40);
    AddLine(panel, "Copyright", QStringLiteral("Copyright (C) 2026 Velmora"), 88);
    auto *comments = AddLine(panel, "Comments", QStringLiteral("Destination sign editor for bus depots"), 120);
    comments->setGeometry(8, 124, 273, 30);
    comments->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    ok->setGeometry(115, 180, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(panel->x() + panel->width() + 24, ok->y() + ok->height() + 35);
    if (const QScreen *screen = this->screen()) {
        move(screen->geometry().center() - rect().center());
    }
}
