#pragma once

#include <QWidget>

class PictureSurface;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QPushButton;

// The "Graphic Edit" page: a small black-and-white picture editor with its size choice and the buttons
// to open, save, clear and upload the picture.
class GraphicEditPage : public QWidget {
    Q_OBJECT
public:
    explicit GraphicEditPage(QWidget *parent = nullptr);

    // Selects item 0 ("16 X 16") .. 4 ("Default") of the size choice.
    void selectImageSize(int item);
    int imageSizeItem() const;

    QPushButton *Button3 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button4 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QFrame *Panel5 = nullptr;
    PictureSurface *EditImage = nullptr;

signals:
    // The operator chose an item of the size choice (by mouse or keys); the program's selection does
    // not count.
    void imageSizeClicked();

private:
    QGroupBox *buildImageSize();
    QButtonGroup *sizeItems_ = nullptr;
};
