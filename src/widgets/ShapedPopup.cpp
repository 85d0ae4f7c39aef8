#include "widgets/ShapedPopup.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr QRgb cShapeTransparent = 0xFF00FF;
// Moves shorter than this are clicks, not drags.
constexpr int cDragThreshold = 3;

}

TShapedPopup::TShapedPopup(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShapedPopup::SetShapePicture(const QImage& picture)
{
    FPicture = picture.convertToFormat(QImage::Format_RGB32);
    if (FPicture.isNull()) {
        clearMask();
        return;
    }
    setFixedSize(FPicture.size());
    const QImage mask = FPicture.createMaskFromColor(cShapeTransparent | 0xFF000000u, Qt::MaskInColor);
    setMask(QBitmap::fromImage(mask));
    update();
}

void TShapedPopup::CentreOver(const QWidget* window)
{
    QRect area;
    if (window)
        area = window->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void TShapedPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, FPicture);
}

void TShapedPopup::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    FPressed = true;
    FDragged = false;
    FPressGlobal = event->globalPosition().toPoint();
    FGrabOffset = FPressGlobal - pos();
}

void TShapedPopup::mouseMoveEvent(QMouseEvent* event)
{
    if (!FPressed)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (!FDragged && (global - FPressGlobal).manhattanLength() < cDragThreshold)
        return;
    FDragged = true;
    move(global - FGrabOffset);
}

void TShapedPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FPressed)
        return;
    FPressed = false;
    if (!FDragged)
        emit BackgroundClicked();
}
