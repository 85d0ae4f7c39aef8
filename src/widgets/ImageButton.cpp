#include "widgets/ImageButton.h"

#include <QPainter>

TImageButton::TImageButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TImageButton::SetPicture(TButtonState state, const QImage& picture)
{
    FPictures[static_cast<int>(state)] = picture;
    if (state == TButtonState::Normal && FAutoSize)
        FitToPicture();
    update();
}

QImage TImageButton::Picture(TButtonState state) const
{
    const auto& picture = FPictures[static_cast<int>(state)];
    return picture ? *picture : QImage();
}

bool TImageButton::HasPicture(TButtonState state) const
{
    return FPictures[static_cast<int>(state)].has_value();
}

void TImageButton::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    if (FAutoSize)
        FitToPicture();
}

void TImageButton::FitToPicture()
{
    const QImage normal = Picture(TButtonState::Normal);
    if (!normal.isNull())
        resize(normal.size());
}

TButtonState TImageButton::CurrentState() const
{
    if (!isEnabled())
        return TButtonState::Disabled;
    if (isDown())
        return TButtonState::Pressed;
    if (FMouseOver)
        return TButtonState::MouseOver;
    return TButtonState::Normal;
}

QSize TImageButton::sizeHint() const
{
    const QImage normal = Picture(TButtonState::Normal);
    return normal.isNull() ? QSize(16, 16) : normal.size();
}

void TImageButton::paintEvent(QPaintEvent*)
{
    const TButtonState state = CurrentState();
    const QImage picture = HasPicture(state) ? Picture(state) : Picture(TButtonState::Normal);
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void TImageButton::enterEvent(QEnterEvent* event)
{
    FMouseOver = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TImageButton::leaveEvent(QEvent* event)
{
    FMouseOver = false;
    update();
    QAbstractButton::leaveEvent(event);
}

TImageButton* TImageButton::Place(QWidget* parent, QPoint at, const QString& hint)
{
    auto* button = new TImageButton(parent);
    button->move(at);
    button->SetHint(hint);
    return button;
}
