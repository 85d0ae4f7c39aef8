#pragma once
// A borderless popup shaped by its picture: the colour 0xFF00FF is transparent, the window
// takes the picture's size, stays on top, and the learner drags it by the picture. A click
// on the picture that did not drag it is reported as a background click.
#include <QImage>
#include <QWidget>

class TShapedPopup : public QWidget
{
    Q_OBJECT
public:
    explicit TShapedPopup(QWidget* parent = nullptr);

    void SetShapePicture(const QImage& picture);
    QImage ShapePicture() const { return FPicture; }

    // Places the window centred over the given one (or the screen without one).
    void CentreOver(const QWidget* window);

signals:
    void BackgroundClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage FPicture;
    QPoint FGrabOffset;
    QPoint FPressGlobal;
    bool FPressed = false;
    bool FDragged = false;
};
