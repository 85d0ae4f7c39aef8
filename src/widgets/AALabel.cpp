#include "widgets/AALabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/SkinFont.h"

TAALabel::TAALabel(QWidget* parent) : QWidget(parent)
{
    setFont(SkinFont("宋体", 12));
    setMouseTracking(true);
}

TAALabel::TAALabel(const QString& caption, QWidget* parent) : TAALabel(parent)
{
    SetCaption(caption);
}

void TAALabel::SetCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    if (FAutoSize)
        FitToText();
    update();
}

void TAALabel::SetFontColor(const QColor& color)
{
    FFontColor = color;
    update();
}

void TAALabel::SetBackColor(const QColor& color)
{
    FBackColor = color;
    FTransparent = false;
    update();
}

void TAALabel::SetTransparent(bool transparent)
{
    FTransparent = transparent;
    update();
}

void TAALabel::SetBackgroundPicture(const QImage& picture)
{
    FBackground = picture;
    update();
}

void TAALabel::SetAlignment(Qt::Alignment alignment)
{
    FAlignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void TAALabel::SetWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    update();
}

void TAALabel::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    if (FAutoSize)
        FitToText();
}

void TAALabel::SetShadow(int alpha, int offset)
{
    FShadowAlpha = alpha;
    FShadowOffset = offset;
    update();
}

int TAALabel::TextFlags() const
{
    return static_cast<int>(FAlignment) | Qt::AlignTop | (FWordWrap ? Qt::TextWordWrap : 0);
}

void TAALabel::FitToText()
{
    resize(sizeHint());
}

QSize TAALabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return metrics.size(Qt::TextSingleLine, FCaption) + QSize(FShadowOffset, FShadowOffset);
}

void TAALabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!FTransparent)
        painter.fillRect(rect(), FBackColor);
    if (!FBackground.isNull())
        painter.drawImage(0, 0, FBackground);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    const QString caption = ShownCaption();
    if (FShadowAlpha > 0 && FShadowOffset != 0) {
        QColor shadow(Qt::black);
        shadow.setAlpha(FShadowAlpha);
        painter.setPen(shadow);
        painter.drawText(rect().translated(FShadowOffset, FShadowOffset), TextFlags(), caption);
    }
    painter.setPen(FFontColor);
    painter.drawText(rect(), TextFlags(), caption);
}

QString TAALabel::ShownCaption() const
{
    // One line whose ink runs past the label ends in "…" rather than being cut
    // mid-character. A pixel or two past it is only a glyph's edge: drawn as it is.
    constexpr int cEdgeOverhang = 2;
    const QFontMetrics metrics = fontMetrics();
    if (FAutoSize || FWordWrap || FCaption.contains('\n') ||
        metrics.tightBoundingRect(FCaption).right() < width() + cEdgeOverhang)
        return FCaption;
    return metrics.elidedText(FCaption, Qt::ElideRight, width());
}

void TAALabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && FAutoSize)
        FitToText();
    QWidget::changeEvent(event);
}

void TAALabel::mousePressEvent(QMouseEvent* event)
{
    FPressedInside = event->button() == Qt::LeftButton;
}

void TAALabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = FPressedInside && rect().contains(event->position().toPoint());
    FPressedInside = false;
    if (click)
        emit Clicked();
}

void TAALabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}

void TAALabel::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMoved(event->position().toPoint());
}

TUnicodeLabel::TUnicodeLabel(QWidget* parent) : TAALabel(parent)
{
    setFont(SkinFont("Arial Unicode MS", 12));
    SetTransparent(false);
}
