#pragma once
// The program-wide hint look: every control's hint (tool tip) is shown in one flat window,
// at most 600 pixels wide, in a 16-pixel Chinese face, on the arrow background colour, and
// hidden after the hint hide pause.
#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QTimer>

class THintWindow : public QLabel
{
    Q_OBJECT
public:
    static constexpr int cMaxWidth = 600;

    // Installs the one hint window of the program (again: returns the one there is).
    static THintWindow* Install();
    static THintWindow* Instance();

    void SetHidePause(int milliseconds) { FHidePause = milliseconds; }
    int HidePause() const { return FHidePause; }
    void SetArrowBackColor(const QColor& color);
    QColor ArrowBackColor() const { return FArrowBackColor; }

    // Shows a hint for the control at a screen position.
    void ShowHint(QWidget* control, const QString& hint, const QPoint& globalPos);
    void HideHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THintWindow();

    QTimer FHideTimer;
    QPointer<QWidget> FControl;
    QColor FArrowBackColor = QColor(255, 255, 225);
    int FHidePause = 2500;
};
