#pragma once

#include <QImage>
#include <QWidget>

// The preview control: shows the off-screen picture the matrix renderer draws into and forwards the
// pointer to the window. The picture always has the control's size; when the control is resized the
// picture follows and the owner is told, so it can set the scroll ranges again and repaint.
class BusImageView : public QWidget {
    Q_OBJECT
public:
    explicit BusImageView(QWidget *parent = nullptr);

    QImage &picture() { return picture_; }
    const QImage &picture() const { return picture_; }

signals:
    void resized();
    void mousePressed(Qt::MouseButton button, QPoint position);
    void mouseMoved(Qt::MouseButtons held, QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};
