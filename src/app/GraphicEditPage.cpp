#include "app/GraphicEditPage.h"

#include "app/NamedControl.h"
#include "app/PictureSurface.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int surfaceSize = 192;
constexpr int panelBorder = 2;

} // namespace

GraphicEditPage::GraphicEditPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    Panel5 = NamedControl<QFrame>("Panel5", tr("Picture"), this);
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel5->setLineWidth(panelBorder);
    Panel5->setFixedSize(surfaceSize + 2 * panelBorder, surfaceSize + 2 * panelBorder);
    EditImage =
        NamedControl<PictureSurface>("EditImage", tr("Picture"), Panel5, QSize(surfaceSize, surfaceSize));
    EditImage->move(panelBorder, panelBorder);

    Button3 = NamedControl<QPushButton>("Button3", tr("Open"), this, tr("Open"));
    Button5 = NamedControl<QPushButton>("Button5", tr("Save"), this, tr("Save"));
    Button6 = NamedControl<QPushButton>("Button6", tr("Clear"), this, tr("Clear"));
    Button4 = NamedControl<QPushButton>("Button4", tr("Upload"), this, tr("Upload"));

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {Button3, Button5, Button6, Button4}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *layout = new QGridLayout(this);
    layout->addWidget(Panel5, 0, 0, Qt::AlignTop);
    layout->addWidget(buildImageSize(), 0, 1, Qt::AlignTop);
    layout->addLayout(buttons, 0, 2);
    layout->setColumnStretch(3, 1);
    selectImageSize(0);
}

QGroupBox *GraphicEditPage::buildImageSize()
{
    RadioGroup1 = NamedControl<QGroupBox>("RadioGroup1", tr("Image Size"), this, tr("Image Size"));
    sizeItems_ = new QButtonGroup(RadioGroup1);
    auto *layout = new QVBoxLayout(RadioGroup1);
    const QStringList items = {QStringLiteral("16 X 16"), QStringLiteral("24 X 24"),
                               QStringLiteral("32 X 32"), QStringLiteral("48 X 48"), tr("Default")};
    for (int item = 0; item < items.size(); ++item) {
        auto *button = new QRadioButton(items[item], RadioGroup1);
        button->setAccessibleName(items[item]);
        sizeItems_->addButton(button, item);
        layout->addWidget(button);
    }
    connect(sizeItems_, &QButtonGroup::idClicked, this, &GraphicEditPage::imageSizeClicked);
    return RadioGroup1;
}

void GraphicEditPage::selectImageSize(int item)
{
    sizeItems_->button(item)->setChecked(true);
}

int GraphicEditPage::imageSizeItem() const
{
    return sizeItems_->checkedId();
}
