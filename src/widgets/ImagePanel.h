#pragma once
// A panel that shows one picture at its natural size and reports the mouse on it.
#include <QImage>
#include <QWidget>

#include "widgets/Tagged.h"

class QMovie;

class TImagePanel : public QWidget, public TTagged
{
    Q_OBJECT
public:
    explicit TImagePanel(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    QImage Picture() const { return FPicture; }

    // When on, the panel takes the size of its picture now and whenever it changes.
    void SetAutoSize(bool autoSize);
    bool AutoSize() const { return FAutoSize; }

    // Plays an animated picture (GIF) instead of the still one; an empty path stops it.
    void SetAnimation(const QString& fileName);
    bool IsAnimated() const { return FMovie != nullptr; }

    QSize sizeHint() const override;

signals:
    void Clicked();
    void MouseDown(QPoint position, Qt::MouseButton button);
    void MouseMoved(QPoint position, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FitToPicture();

    QImage FPicture;
    QMovie* FMovie = nullptr;
    bool FAutoSize = false;
    bool FPressedInside = false;
};
