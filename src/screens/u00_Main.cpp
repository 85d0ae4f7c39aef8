#include "screens/u00_Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <memory>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "screens/u09_Object.h"
#include "widgets/HintWindow.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/MenuPanel.h"
#include "widgets/SkinColor.h"

Tfrm00_Main* frm00_Main = nullptr;

namespace {

constexpr int cHintHidePause = 1000000;
const QRect cMenuArea(2, 391, 665, 208);

// The menu's items: the command each raises, where it sits in the menu, its pictures.
struct TMenuItemSpec {
    const char* Args;
    QPoint Position;
    const char* Caption;
    const char* Picture;
};
const TMenuItemSpec cMenuItems[] = {
    {cCmdTestCenter, {16, 19}, "考试中心", "menu1"},
    {cCmdTestHistory, {232, 19}, "考试记录", "menu2"},
    {cCmdNoteList, {448, 19}, "笔记本管理", "menu3"},
};

// The composed frame buttons: the PNG sources and the picture each state is written to.
struct TComposeSpec {
    TImageButton* Tfrm00_Main::*Button;
    const char* Normal[2];
    const char* MouseOver[2];
    const char* Pressed[2];
    const char* Disabled[2];
};
const TComposeSpec cComposed[] = {
    {&Tfrm00_Main::btnHome, {"png/homeNor.png", "nor/btnhome1.bmp"}, {"png/homeOn.png", "on/btnhome1.bmp"},
     {"png/homeDown.png", "Down/btnhome1.bmp"}, {}},
    {&Tfrm00_Main::btnHelp, {"png/helpNor.png", "nor/btnhelp1.bmp"}, {"png/helpOn.png", "on/btnhelp1.bmp"},
     {"png/helpDown.png", "Down/btnhelp1.bmp"}, {}},
    {&Tfrm00_Main::btnExit, {"png/ExitNor.png", "nor/btnexit1.bmp"}, {"png/exitOn.png", "on/btnexit1.bmp"},
     {"png/exitDown.png", "Down/btnexit1.bmp"}, {}},
    {&Tfrm00_Main::btnDelHistory, {"png/DelHistoryNor.png", "nor/btnDelHistory1.bmp"},
     {"png/DelHistoryOn.png", "on/btnDelHistory1.bmp"}, {"png/DelHistoryDown.png", "Down/btnDelHistory1.bmp"},
     {"png/DelHistoryDis.png", "Dis/btnDelHistory1.bmp"}},
    {&Tfrm00_Main::btnMin, {"png/MinNor.png", "nor/btnMin1.bmp"}, {"png/MinOn.png", "on/btnMin1.bmp"},
     {"png/MinDown.png", "Down/btnMin1.bmp"}, {}},
    {&Tfrm00_Main::btnClose, {"png/CloseNor.png", "nor/btnClose1.bmp"}, {"png/CloseOn.png", "on/btnClose1.bmp"},
     {"png/CloseDown.png", "Down/btnClose1.bmp"}, {}},
};

}

Tfrm00_Main::Tfrm00_Main(QWidget* parent) : QWidget(parent)
{
    setObjectName("frm00_Main");
    PrepareScreenWindow(this);
    frm00_Main = this;

    imgBg = new TImagePanel(this);
    imgBg->setGeometry(0, 0, cScreenWidth, cScreenHeight);
    imgBg->SetAutoSize(true);

    ctlFlash = new TMenuPanel(imgBg);
    ctlFlash->setGeometry(cMenuArea);
    for (const TMenuItemSpec& item : cMenuItems)
        ctlFlash->AddItem(item.Args, item.Position)->setText(item.Caption);
    connect(ctlFlash, &TMenuPanel::FSCommand, this, &Tfrm00_Main::ctlFlashFSCommand);

    btnHome = TImageButton::Place(imgBg, {681, 549}, "主页");
    btnHelp = TImageButton::Place(imgBg, {720, 549}, "帮助");
    btnExit = TImageButton::Place(imgBg, {759, 549}, "退出");
    btnDelHistory = TImageButton::Place(imgBg, {673, 484}, QString());
    btnMin = TImageButton::Place(imgBg, {737, 3}, "最小化");
    btnMin->hide();
    btnClose = TImageButton::Place(imgBg, {757, 3}, "退出程序");
    btnClose->hide();
    suiImageButton1 = TImageButton::Place(imgBg, {0, 0}, QString());
    suiImageButton1->setText("考试中心");
    suiImageButton1->hide();
    suiImageButton2 = TImageButton::Place(imgBg, {0, 0}, QString());
    suiImageButton2->setText("考试记录");
    suiImageButton2->hide();
    suiImageButton3 = TImageButton::Place(imgBg, {0, 0}, QString());
    suiImageButton3->setText("笔记本管理");
    suiImageButton3->hide();

    actHelp = new QAction("帮助", this);
    actHelp->setShortcut(Qt::Key_F1);
    actHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(actHelp);

    connect(btnHome, &QAbstractButton::clicked, this, &Tfrm00_Main::btnHomeClick);
    connect(btnHelp, &QAbstractButton::clicked, actHelp, &QAction::trigger);
    connect(actHelp, &QAction::triggered, this, &Tfrm00_Main::actHelpExecute);
    connect(btnExit, &QAbstractButton::clicked, this, &Tfrm00_Main::btnExitClick);
    connect(btnClose, &QAbstractButton::clicked, this, &Tfrm00_Main::btnExitClick);
    connect(btnMin, &QAbstractButton::clicked, this, &Tfrm00_Main::btnMinClick);
    connect(btnDelHistory, &QAbstractButton::clicked, this, &Tfrm00_Main::btnDelHistoryClick);
    connect(suiImageButton1, &QAbstractButton::clicked, this, &Tfrm00_Main::suiImageButton1Click);
    connect(suiImageButton2, &QAbstractButton::clicked, this, &Tfrm00_Main::suiImageButton2Click);
    connect(suiImageButton3, &QAbstractButton::clicked, this, &Tfrm00_Main::suiImageButton3Click);
}

Tfrm00_Main::~Tfrm00_Main()
{
    if (frm00_Main == this)
        frm00_Main = nullptr;
}

void Tfrm00_Main::InitMainWindow()
{
    LoadSkin();
    ApplyTitle();
    UpdateDelHistoryButton();
    THintWindow* hint = THintWindow::Install();
    hint->SetHidePause(cHintHidePause);
    hint->SetArrowBackColor(ToQColor(clHeaderBack));
}

void Tfrm00_Main::LoadSkin()
{
    if (gCreateMode)
        ComposeButtonImages();
    imgBg->SetPicture(frm09_Object->LoadPicture("img", "首页", ".jpg"));
    frm09_Object->LoadButtonImages("btnhelp1", btnHelp, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnHome1", btnHome, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnexit1", btnExit, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnMin1", btnMin, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnClose1", btnClose, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnDelHistory1", btnDelHistory, true, true, true, true, ".bmp");
    LoadMenuPictures();
}

void Tfrm00_Main::LoadMenuPictures()
{
    for (const TMenuItemSpec& spec : cMenuItems)
        frm09_Object->LoadButtonImages(spec.Picture, ctlFlash->Item(spec.Args), true, true, true, false, ".png");
}

void Tfrm00_Main::ApplyTitle()
{
    setWindowTitle(QString::fromUtf8(cAppTitle));
}

void Tfrm00_Main::ComposeButtonImages()
{
    const QString picPath = QString::fromStdString(gPicPath);
    const QString background = picPath + "img/首页.jpg";
    for (const TComposeSpec& spec : cComposed) {
        const TImageButton* button = this->*spec.Button;
        for (const auto* pair : {&spec.Normal, &spec.MouseOver, &spec.Pressed, &spec.Disabled})
            if ((*pair)[0])
                frm09_Object->ComposeButtonBitmap(picPath + (*pair)[0], background, picPath + (*pair)[1],
                                                  button->x(), button->y());
    }
}

void Tfrm00_Main::SetScreenOpener(const QString& command, TScreenOpener opener)
{
    FOpeners[command] = std::move(opener);
}

void Tfrm00_Main::OpenScreen(const QString& command)
{
    const auto opener = FOpeners.find(command);
    if (opener == FOpeners.end() || !opener->second)
        return;
    opener->second();
    UpdateDelHistoryButton();
}

void Tfrm00_Main::ctlFlashFSCommand(const QString&, const QString& args)
{
    if (args == cCmdTestCenter)
        suiImageButton1Click();
    if (args == cCmdTestHistory)
        suiImageButton2Click();
    if (args == cCmdNoteList)
        suiImageButton3Click();
}

void Tfrm00_Main::suiImageButton1Click()
{
    OpenScreen(cCmdTestCenter);
}

void Tfrm00_Main::suiImageButton2Click()
{
    OpenScreen(cCmdTestHistory);
}

void Tfrm00_Main::suiImageButton3Click()
{
    OpenScreen(cCmdNoteList);
}

void Tfrm00_Main::UpdateDelHistoryButton()
{
    btnDelHistory->setEnabled(gTestHistory && gTestHistory->Count() > 0);
}

void Tfrm00_Main::btnDelHistoryClick()
{
    if (!frm09_Object->Ask("请选择", "确实要清除历史记录吗？"))
        return;
    ResetAllData();
    frm09_Object->Inform("提示", "历史记录清除完毕！");
    btnDelHistory->setEnabled(false);
}

void Tfrm00_Main::btnExitClick()
{
    close();
}

void Tfrm00_Main::closeEvent(QCloseEvent* event)
{
    if (!gExitConfirmed && !frm09_Object->Ask("请选择", "确实要退出本软件吗？")) {
        event->ignore();
        return;
    }
    event->accept();
}

void Tfrm00_Main::btnMinClick()
{
    MinimizeApplication();
}

void Tfrm00_Main::btnHomeClick()
{
    frm09_Object->OpenHomePage();
}

void Tfrm00_Main::actHelpExecute()
{
    OpenHelpPage("frmMain.htm");
}

bool CheckFlashPlayer()
{
    try {
        std::make_unique<TMenuPanel>().reset();
        return true;
    } catch (...) {
        QMessageBox::warning(nullptr, QString(), "您的计算机未安装Flash,请安装后重新启动本软件!");
        return false;
    }
}
