#pragma once
// What the two list screens (notebooks, test history) share: the borderless modal window on
// its background, the four frame buttons, and the scroll track on the right whose ball the
// learner drags or moves with the Up and Down buttons and arrow keys.
#include <QImage>
#include <QWidget>

#include "screens/ModalRun.h"

class QAction;
class TImageButton;
class TImagePanel;
class TTrackBar;

class TListScreen : public QWidget
{
    Q_OBJECT
public:
    // screenNumber names the frame-button pictures (btnhelpN ...), backgroundName the
    // background in img/ they are composed over, trackFrameAt where the track stands.
    TListScreen(int screenNumber, const QString& backgroundName, const QString& helpPage,
                QPoint trackFrameAt, QWidget* parent);

    virtual void ComposeButtonImages();
    virtual void ApplyTitle();

    // Draws the track with the ball at y (clamped to the travel); when the ball may set the
    // scroll position, sets it to the position y stands for.
    void MoveBall(int y);
    // The ball follows the scroll position.
    void BallFromPosition();
    // The track's height less the ball's; 0 when the pictures are missing or of equal height.
    int Travel() const;

    void btnUpClick();
    void btnDownClick();
    void ctlPrgBgMouseDown(QPoint position);
    void ctlPrgBgMouseMove(QPoint position, Qt::MouseButtons buttons);
    void btnExitClick();
    void btnMinClick();
    void btnCloseClick();
    void actHelpExecute();

    TImagePanel* ImgBg;
    TImagePanel* OlePrg;
    TImageButton* btnUp;
    TImageButton* btnDown;
    TImagePanel* ctlPrgBg;
    TImagePanel* ctlBall;
    TTrackBar* ctlTrack;
    TImageButton* btnHelp;
    TImageButton* btnExit;
    TImageButton* btnMin;
    TImageButton* btnClose;
    QAction* actHelp;

    // The list holds more entries than rows: only then is the ball drawn.
    bool Scrollable = false;
    // False while the rows are being refilled; scroll notifications are ignored then.
    bool ReadyFlag = false;
    // The empty track picture.
    QImage TrackBase;

protected:
    virtual void ctlTrackChange() = 0;
    // Whether a ball moved by MoveBall sets the scroll position now.
    virtual bool BallSetsPosition() const = 0;

    // Composes first in the composing mode; then the frame buttons' pictures, the
    // background and the track's pictures.
    void LoadCommonSkin();
    // Shows the window modally; returns when it closes (not when it only hides).
    void ShowModal();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TModalRun FModal;
    int FScreenNumber;
    QString FBackgroundName;
    QString FHelpPage;
};
