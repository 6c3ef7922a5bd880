#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface of a fixed size that shows its own picture (the graphic editor's EditImage).
class PictureSurface : public QWidget {
    Q_OBJECT
public:
    PictureSurface(QSize size, QWidget *parent = nullptr);

    QImage &picture() { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
