#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface of a fixed size that shows its own picture (the graphic editor's EditImage) and
// forwards the pointer to its owner.
class PictureSurface : public QWidget {
    Q_OBJECT
public:
    PictureSurface(QSize size, QWidget *parent = nullptr);

    QImage &picture() { return picture_; }
    const QImage &picture() const { return picture_; }

signals:
    void mousePressed(Qt::MouseButton button, QPoint position);
    void mouseMoved(Qt::MouseButtons held, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};
