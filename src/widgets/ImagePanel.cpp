#include "widgets/ImagePanel.h"

#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

TImagePanel::TImagePanel(QWidget* parent) : QWidget(parent)
{
    // Paints every pixel itself: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TImagePanel::SetPicture(const QImage& picture)
{
    FPicture = picture;
    if (FAutoSize)
        FitToPicture();
    update();
}

void TImagePanel::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    if (FAutoSize)
        FitToPicture();
}

void TImagePanel::FitToPicture()
{
    if (FMovie)
        resize(FMovie->currentImage().size());
    else if (!FPicture.isNull())
        resize(FPicture.size());
}

void TImagePanel::SetAnimation(const QString& fileName)
{
    delete FMovie;
    FMovie = nullptr;
    if (!fileName.isEmpty()) {
        FMovie = new QMovie(fileName, QByteArray(), this);
        if (!FMovie->isValid()) {
            delete FMovie;
            FMovie = nullptr;
        } else {
            connect(FMovie, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
            FMovie->start();
        }
    }
    setAttribute(Qt::WA_OpaquePaintEvent, FMovie == nullptr);
    if (FAutoSize)
        FitToPicture();
    update();
}

QSize TImagePanel::sizeHint() const
{
    return FPicture.isNull() ? QSize(0, 0) : FPicture.size();
}

void TImagePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FMovie) {
        painter.drawImage(0, 0, FMovie->currentImage());
        return;
    }
    // Outside the picture the panel shows its parent's colour, as an empty picture does.
    const QRect pictureRect(QPoint(0, 0), FPicture.size());
    if (!pictureRect.contains(rect()))
        painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, FPicture);
}

void TImagePanel::mousePressEvent(QMouseEvent* event)
{
    FPressedInside = true;
    emit MouseDown(event->position().toPoint(), event->button());
}

void TImagePanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = FPressedInside && rect().contains(event->position().toPoint());
    FPressedInside = false;
    if (click && event->button() == Qt::LeftButton)
        emit Clicked();
}

void TImagePanel::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMoved(event->position().toPoint(), event->buttons());
}
