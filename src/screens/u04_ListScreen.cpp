#include "screens/u04_ListScreen.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>

#include "app/u09_BasePase.h"
#include "screens/KeyboardReach.h"
#include "screens/u04_ScrollTrack.h"
#include "screens/u09_Object.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/TrackBar.h"

namespace {

// Inside the track frame: the Up button on top, the track under it, the Down button below.
constexpr QPoint cUpAt(0, 0);
constexpr QPoint cTrackAt(0, 13);
constexpr QPoint cDownAt(0, 436);
constexpr QSize cArrowSize(16, 13);
constexpr QSize cTrackFrameSize(16, 449);

const QPoint cHelpAt(691, 548);
const QPoint cExitAt(739, 548);
const QPoint cMinAt(759, 3);
const QPoint cCloseAt(777, 3);

// The composed frame buttons: the PNG source of each state and the picture it is written to.
struct TComposeSpec {
    TImageButton* TListScreen::*Button;
    const char* Picture;
    const char* Normal;
    const char* MouseOver;
    const char* Pressed;
};
const TComposeSpec cComposed[] = {
    {&TListScreen::btnHelp, "btnhelp", "png/helpNor.png", "png/helpOn.png", "png/helpDown.png"},
    {&TListScreen::btnExit, "btnexit", "png/ExitNor.png", "png/exitOn.png", "png/exitDown.png"},
    {&TListScreen::btnMin, "btnMin", "png/MinNor.png", "png/MinOn.png", "png/MinDown.png"},
    {&TListScreen::btnClose, "btnClose", "png/CloseNor.png", "png/CloseOn.png", "png/CloseDown.png"},
};

}

TListScreen::TListScreen(int screenNumber, const QString& backgroundName, const QString& helpPage,
                         QPoint trackFrameAt, QWidget* parent)
    : QWidget(parent), FScreenNumber(screenNumber), FBackgroundName(backgroundName), FHelpPage(helpPage)
{
    PrepareScreenWindow(this);

    ImgBg = new TImagePanel(this);
    ImgBg->setGeometry(0, 0, cScreenWidth, cScreenHeight);

    OlePrg = new TImagePanel(ImgBg);
    OlePrg->setGeometry(QRect(trackFrameAt, cTrackFrameSize));
    btnUp = new TImageButton(OlePrg);
    btnUp->setGeometry(QRect(cUpAt, cArrowSize));
    btnDown = new TImageButton(OlePrg);
    btnDown->setGeometry(QRect(cDownAt, cArrowSize));
    // Both take their pictures' sizes; without pictures they have no height, so no travel.
    ctlPrgBg = new TImagePanel(OlePrg);
    ctlPrgBg->setGeometry(QRect(cTrackAt, QSize(0, 0)));
    ctlPrgBg->SetAutoSize(true);
    ctlBall = new TImagePanel(OlePrg);
    ctlBall->setGeometry(0, 0, 0, 0);
    ctlBall->SetAutoSize(true);
    ctlBall->hide();
    ctlTrack = new TTrackBar(this);
    ctlTrack->SetMax(0);

    btnHelp = NewReachableButton(ImgBg, cHelpAt, "帮助");
    btnExit = NewReachableButton(ImgBg, cExitAt, "退出");
    btnMin = NewReachableButton(ImgBg, cMinAt, "最小化");
    btnClose = NewReachableButton(ImgBg, cCloseAt, "退出程序");

    actHelp = new QAction("帮助", this);
    actHelp->setShortcut(Qt::Key_F1);
    actHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(actHelp);

    connect(btnUp, &QAbstractButton::clicked, this, &TListScreen::btnUpClick);
    connect(btnDown, &QAbstractButton::clicked, this, &TListScreen::btnDownClick);
    connect(ctlPrgBg, &TImagePanel::MouseDown, this, &TListScreen::ctlPrgBgMouseDown);
    connect(ctlPrgBg, &TImagePanel::MouseMoved, this, &TListScreen::ctlPrgBgMouseMove);
    connect(ctlTrack, &TTrackBar::Change, this, &TListScreen::ctlTrackChange);
    connect(btnHelp, &QAbstractButton::clicked, actHelp, &QAction::trigger);
    connect(actHelp, &QAction::triggered, this, &TListScreen::actHelpExecute);
    connect(btnExit, &QAbstractButton::clicked, this, &TListScreen::btnExitClick);
    connect(btnMin, &QAbstractButton::clicked, this, &TListScreen::btnMinClick);
    connect(btnClose, &QAbstractButton::clicked, this, &TListScreen::btnCloseClick);
}

void TListScreen::ComposeButtonImages()
{
    const QString pic = QString::fromStdString(gPicPath);
    const QString background = pic + "img/" + FBackgroundName + ".jpg";
    const QString number = QString::number(FScreenNumber);
    for (const TComposeSpec& spec : cComposed) {
        const TImageButton* button = this->*spec.Button;
        const QString picture = spec.Picture + number + ".bmp";
        const struct {
            const char* Source;
            const char* Folder;
        } states[] = {{spec.Normal, "nor/"}, {spec.MouseOver, "on/"}, {spec.Pressed, "Down/"}};
        for (const auto& state : states)
            frm09_Object->ComposeButtonBitmap(pic + state.Source, background, pic + state.Folder + picture,
                                              button->x(), button->y());
    }
}

void TListScreen::ApplyTitle()
{
    setWindowTitle(QString::fromUtf8(cAppTitle));
}

void TListScreen::LoadCommonSkin()
{
    if (gCreateMode)
        ComposeButtonImages();
    const QString number = QString::number(FScreenNumber);
    for (const TComposeSpec& spec : cComposed)
        frm09_Object->LoadButtonImages(spec.Picture + number, this->*spec.Button, true, true, true, false, ".bmp");

    ImgBg->SetPicture(frm09_Object->LoadPicture("img", FBackgroundName, ".jpg"));
    // The frame has no picture of its own: it shows the background beneath it.
    frm09_Object->SetPanelBackground(ImgBg, OlePrg);

    btnUp->SetPicture(TButtonState::Normal, frm09_Object->LoadPicture("nor", "prgUpBtn", ".gif"));
    btnDown->SetPicture(TButtonState::Normal, frm09_Object->LoadPicture("nor", "prgDownBtn", ".gif"));
    ctlBall->SetPicture(frm09_Object->LoadPicture("img", "prgBall", ".gif"));
    TrackBase = frm09_Object->LoadPicture("img", "prgMain", ".gif");
    ctlPrgBg->SetPicture(TrackBase);
}

int TListScreen::Travel() const
{
    return TrackTravel(ctlPrgBg->height(), ctlBall->height());
}

void TListScreen::MoveBall(int y)
{
    const int travel = Travel();
    y = std::clamp(y, 0, travel);
    ctlPrgBg->SetPicture(ComposeTrack(TrackBase, ctlBall->Picture(), y, Scrollable));
    if (BallSetsPosition())
        ctlTrack->SetPosition(PositionFromBall(y, ctlTrack->Max(), travel));
}

void TListScreen::BallFromPosition()
{
    if (ctlTrack->Max() != 0)
        MoveBall(BallFromPositionY(ctlTrack->Position(), ctlTrack->Max(), Travel()));
}

void TListScreen::btnUpClick()
{
    if (ctlTrack->Position() > 0)
        ctlTrack->SetPosition(ctlTrack->Position() - 1);
}

void TListScreen::btnDownClick()
{
    if (ctlTrack->Position() < ctlTrack->Max())
        ctlTrack->SetPosition(ctlTrack->Position() + 1);
}

void TListScreen::ctlPrgBgMouseDown(QPoint position)
{
    MoveBall(position.y());
}

void TListScreen::ctlPrgBgMouseMove(QPoint position, Qt::MouseButtons buttons)
{
    if (buttons & Qt::LeftButton)
        MoveBall(position.y());
}

void TListScreen::btnExitClick()
{
    close();
}

void TListScreen::btnMinClick()
{
    MinimizeApplication();
}

void TListScreen::btnCloseClick()
{
    frm09_Object->ConfirmExit();
}

void TListScreen::actHelpExecute()
{
    OpenHelpPage(FHelpPage);
}

void TListScreen::ShowModal()
{
    FModal.Exec(this);
}

void TListScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    FModal.Quit();
}

void TListScreen::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        btnUpClick();
        break;
    case Qt::Key_Down:
        btnDownClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
