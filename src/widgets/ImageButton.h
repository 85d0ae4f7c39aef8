#pragma once
// A button drawn from one picture per state: normal, mouse-over, pressed and disabled.
#include <QAbstractButton>
#include <QImage>
#include <array>
#include <optional>

#include "widgets/Tagged.h"

enum class TButtonState { Normal = 0, MouseOver = 1, Pressed = 2, Disabled = 3 };

class TImageButton : public QAbstractButton, public TTagged
{
    Q_OBJECT
public:
    explicit TImageButton(QWidget* parent = nullptr);

    // A state that never got a picture shows the normal one; an empty picture shows nothing.
    void SetPicture(TButtonState state, const QImage& picture);
    QImage Picture(TButtonState state) const;
    bool HasPicture(TButtonState state) const;

    // When on, the button takes the size of its normal picture now and whenever it changes.
    void SetAutoSize(bool autoSize);
    bool AutoSize() const { return FAutoSize; }

    void SetHint(const QString& hint) { setToolTip(hint); }
    QString Hint() const { return toolTip(); }

    // The state whose picture is drawn now.
    TButtonState CurrentState() const;

    QSize sizeHint() const override;

    // A button placed at a point of its parent, with its hint.
    static TImageButton* Place(QWidget* parent, QPoint at, const QString& hint = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void FitToPicture();

    std::array<std::optional<QImage>, 4> FPictures;
    bool FAutoSize = false;
    bool FMouseOver = false;
};
