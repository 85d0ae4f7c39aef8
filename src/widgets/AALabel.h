#pragma once
// An anti-aliased label: text on a back colour, or transparent, or on a background picture
// cut from the panel beneath it so that it looks transparent on that panel.
#include <QColor>
#include <QImage>
#include <QWidget>

#include "widgets/Tagged.h"

class TAALabel : public QWidget, public TTagged
{
    Q_OBJECT
public:
    explicit TAALabel(QWidget* parent = nullptr);
    TAALabel(const QString& caption, QWidget* parent);

    void SetCaption(const QString& caption);
    QString Caption() const { return FCaption; }

    void SetFontColor(const QColor& color);
    QColor FontColor() const { return FFontColor; }

    // An opaque label fills its rectangle with the back colour before drawing.
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return FBackColor; }
    void SetTransparent(bool transparent);
    bool Transparent() const { return FTransparent; }

    // Drawn at its natural size at the label's origin, under the text.
    void SetBackgroundPicture(const QImage& picture);
    QImage BackgroundPicture() const { return FBackground; }

    // Horizontal alignment of the text; it is always laid out from the top.
    void SetAlignment(Qt::Alignment alignment);
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetWordWrap(bool wordWrap);

    // When on, the label takes the size of its text.
    void SetAutoSize(bool autoSize);

    // A soft shadow under the text.
    void SetShadow(int alpha, int offset);

    void SetHint(const QString& hint) { setToolTip(hint); }
    QString Hint() const { return toolTip(); }

    QSize sizeHint() const override;

signals:
    void Clicked();
    void DoubleClicked();
    void MouseMoved(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int TextFlags() const;
    QString ShownCaption() const;
    void FitToText();

    QString FCaption;
    QColor FFontColor = Qt::black;
    QColor FBackColor = Qt::white;
    bool FTransparent = true;
    QImage FBackground;
    Qt::Alignment FAlignment = Qt::AlignLeft;
    bool FWordWrap = false;
    bool FAutoSize = false;
    int FShadowAlpha = 0;
    int FShadowOffset = 0;
    bool FPressedInside = false;
};

// A label whose caption may hold any Unicode character (phonetic transcriptions); opaque by
// default, so it hides what lies beneath it.
class TUnicodeLabel : public TAALabel
{
    Q_OBJECT
public:
    explicit TUnicodeLabel(QWidget* parent = nullptr);
};
