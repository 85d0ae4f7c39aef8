#include "screens/u01_WordTest.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "engine/u06_TestBase.h"
#include "engine/u06_TestKinds.h"
#include "screens/KeyboardReach.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinColor.h"
#include "widgets/SkinFont.h"

Tfrm01_WordTest* frm01_WordTest = nullptr;

namespace {

const QPoint cTypeRadioAt[] = {{256, 162}, {256, 201}, {256, 239}, {479, 162}, {480, 201}};
const QPoint cTypeButtonAt[] = {{300, 164}, {300, 205}, {300, 244}, {520, 164}, {520, 205}};
const QPoint cModeRadioAt[] = {{256, 386}, {256, 428}, {256, 470}};
const QPoint cModeButtonAt[] = {{300, 394}, {300, 435}, {300, 478}};
const QPoint cComboDownAt(525, 418);
const QPoint cNoteBookListAt(525, 345);
const char* const cCountCaptions[] = {"20", "40", "60", "80", "100", "120", "160", "200", "考察全书"};
const char* const cNoteBookCaptions[] = {"笔记本1", "笔记本2", "笔记本3", "笔记本4",
                                         "错误词汇本", "过关词汇本", "未考词汇本"};
constexpr int cFirstCount = 20;
constexpr int cUntestedNoteBook = 7;
constexpr int cListItemHeight = 20;
constexpr int cNoteBookSpacer = 6;
const QColor cListColor(0, 0, 0);
const QColor cListHoverColor(0, 0, 255);

// A caption without a picture keeps the radio where it was put.
void CentreOnCaption(QWidget* radio, const TImageButton* caption)
{
    if (caption->HasPicture(TButtonState::Normal))
        radio->move(radio->x(), caption->y() + (caption->height() - radio->height()) / 2);
}

TAALabel* NewListLabel(const QString& caption, QWidget* parent, int top, int tag)
{
    auto* label = new TAALabel(caption, parent);
    label->setFont(SkinFont("宋体", 14));
    label->setGeometry(10, top, 120, cListItemHeight);
    label->SetTag(tag);
    label->setMouseTracking(true);
    label->setCursor(Qt::PointingHandCursor);
    MakeKeyboardReachable(label);
    return label;
}

}  // namespace

Tfrm01_WordTest::Tfrm01_WordTest(QWidget* parent) : QWidget(parent)
{
    PrepareScreenWindow(this);
    CreateComponents();
    ConnectHandlers();
    LoadSkin();
    InitChoices();
    edtWordListIdx->setStyleSheet(QString("QLineEdit { background: %1; border: none; }")
                                      .arg(ToQColor(clEditBack).name()));
}

void Tfrm01_WordTest::CreateComponents()
{
    imgBg = new TImagePanel(this);
    imgBg->setGeometry(0, 0, 800, 600);
    imgBg->setMouseTracking(true);
    imgTypeShow = new TImagePanel(imgBg);
    imgTypeShow->SetAutoSize(true);
    imgTypeShow->move(80, 168);
    imgModeShow = new TImagePanel(imgBg);
    imgModeShow->SetAutoSize(true);
    imgModeShow->move(80, 394);
    CreateKindAndScopeControls();
    CreateScopeBoxes();
    CreateFrameButtons();

    OleGif = new TImagePanel(imgBg);
    OleGif->setAttribute(Qt::WA_TransparentForMouseEvents);
    OleGif->hide();
    ctlGif = new TImagePanel(OleGif);
}

void Tfrm01_WordTest::CreateKindAndScopeControls()
{
    const QString kindNames[] = {"看英文选中文", "看中文选英文", "听音选中文", "单词拼写", "填写句子"};
    for (int k = 0; k < cKindCount; ++k) {
        rdoType[k] = new TSkinRadioButton(imgBg);
        rdoType[k]->SetGroupIndex(1);
        rdoType[k]->SetTag(k + 1);
        rdoType[k]->move(cTypeRadioAt[k]);
        rdoType[k]->resize(18, 18);
        rdoType[k]->SetHint(kindNames[k]);
        btnType[k] = NewReachableButton(imgBg, cTypeButtonAt[k], kindNames[k]);
        btnType[k]->SetTag(k + 1);
    }
    const QString scopeNames[] = {"全书随机抽查", "按Word List考察", "按笔记本考察"};
    for (int s = 0; s < cScopeCount; ++s) {
        rdoMode[s] = new TSkinRadioButton(imgBg);
        rdoMode[s]->SetGroupIndex(0);
        rdoMode[s]->SetTag(s + 1);
        rdoMode[s]->move(cModeRadioAt[s]);
        rdoMode[s]->resize(18, 18);
        rdoMode[s]->SetHint(scopeNames[s]);
        btnMode[s] = NewReachableButton(imgBg, cModeButtonAt[s], scopeNames[s]);
        btnMode[s]->SetTag(s + 1);
    }
    rdoType[0]->setChecked(true);
    rdoMode[0]->setChecked(true);
}

void Tfrm01_WordTest::CreateScopeBoxes()
{
    imgComboBox = new TImagePanel(imgBg);
    imgComboBox->move(512, 390);
    MakeKeyboardReachable(imgComboBox);
    labSelCount = new TAALabel("20", imgComboBox);
    labSelCount->SetTag(cFirstCount);
    labSelCount->setFont(SkinFont("宋体", 15, true));

    ctlComboDown = new TImagePanel(imgBg);
    ctlComboDown->hide();
    for (int i = 0; i < cCountChoices; ++i) {
        const bool fullBook = i == cCountChoices - 1;
        CountLabels[i] = NewListLabel(cCountCaptions[i], ctlComboDown, 4 + i * cListItemHeight,
                                      fullBook ? 0 : QString(cCountCaptions[i]).toInt());
    }
    lblFullBook = CountLabels[cCountChoices - 1];

    ctlWordListIdx = new TImagePanel(imgBg);
    ctlWordListIdx->move(512, 430);
    ctlWordListIdx->hide();
    edtWordListIdx = new QLineEdit("1", ctlWordListIdx);
    edtWordListIdx->setFont(SkinFont("Arial", 14, true));
    edtWordListIdx->setAlignment(Qt::AlignCenter);
    edtWordListIdx->installEventFilter(this);

    OleNoteBookSel = new TImagePanel(imgBg);
    OleNoteBookSel->move(512, 471);
    OleNoteBookSel->hide();
    MakeKeyboardReachable(OleNoteBookSel);
    labSelNote = new TAALabel("未考词汇本", OleNoteBookSel);
    labSelNote->SetTag(cUntestedNoteBook);
    labSelNote->setFont(SkinFont("宋体", 15, true));

    OleNoteBook = new TImagePanel(imgBg);
    OleNoteBook->hide();
    AALabel8 = new TAALabel(OleNoteBook);
    AALabel8->setGeometry(10, 0, 120, cNoteBookSpacer);
    for (int i = 0; i < cNoteBookCount; ++i)
        NoteBookLabels[i] = NewListLabel(cNoteBookCaptions[i], OleNoteBook,
                                         cNoteBookSpacer + i * cListItemHeight, i + 1);

    btnEnter = NewReachableButton(imgBg, QPoint(561, 527), "进入考试");
}

void Tfrm01_WordTest::CreateFrameButtons()
{
    btnHelp = NewReachableButton(imgBg, QPoint(691, 548), "帮助");
    btnExit = NewReachableButton(imgBg, QPoint(739, 548), "退出");
    btnMin = NewReachableButton(imgBg, QPoint(737, 3), "最小化");
    btnClose = NewReachableButton(imgBg, QPoint(757, 3), "退出程序");
    actHelp = new QAction(this);
    actHelp->setShortcut(Qt::Key_F1);
    actHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(actHelp);
}

void Tfrm01_WordTest::ConnectHandlers()
{
    for (int k = 0; k < cKindCount; ++k) {
        TImageButton* button = btnType[k];
        TSkinRadioButton* radio = rdoType[k];
        connect(button, &QAbstractButton::clicked, this, [this, button] { btnType1Click(button); });
        connect(radio, &QAbstractButton::toggled, this, [this, radio](bool checked) {
            if (checked)
                rdoType1Click(radio);
        });
        button->installEventFilter(this);
        radio->installEventFilter(this);
    }
    for (int s = 0; s < cScopeCount; ++s) {
        TImageButton* button = btnMode[s];
        TSkinRadioButton* radio = rdoMode[s];
        connect(button, &QAbstractButton::clicked, this, [this, button] { btnMode1Click(button); });
        connect(radio, &QAbstractButton::toggled, this, [this, radio](bool checked) {
            if (checked)
                rdoMode1Click(radio);
        });
        button->installEventFilter(this);
        radio->installEventFilter(this);
    }
    connect(imgBg, &TImagePanel::Clicked, this, &Tfrm01_WordTest::HideDropDowns);
    connect(imgBg, &TImagePanel::MouseMoved, this, [this] { OleGif->hide(); });
    connect(imgComboBox, &TImagePanel::Clicked, this, &Tfrm01_WordTest::imgComboBoxClick);
    connect(labSelCount, &TAALabel::Clicked, this, &Tfrm01_WordTest::imgComboBoxClick);
    for (TAALabel* label : CountLabels) {
        connect(label, &TAALabel::Clicked, this, [this, label] { Label1Click(label); });
        connect(label, &TAALabel::MouseMoved, this, [this, label] { Label1MouseMove(label); });
    }
    connect(OleNoteBookSel, &TImagePanel::Clicked, this, &Tfrm01_WordTest::OleNoteBookSelClick);
    connect(labSelNote, &TAALabel::Clicked, this, &Tfrm01_WordTest::OleNoteBookSelClick);
    for (TAALabel* label : NoteBookLabels) {
        connect(label, &TAALabel::Clicked, this, [this, label] { AALabel1Click(label); });
        connect(label, &TAALabel::MouseMoved, this, [this, label] { AALabel1MouseMove(label); });
    }
    connect(edtWordListIdx, &QLineEdit::textChanged, this, &Tfrm01_WordTest::edtWordListIdxChange);
    connect(btnEnter, &QAbstractButton::clicked, this, &Tfrm01_WordTest::btnEnterClick);
    connect(btnExit, &QAbstractButton::clicked, this, &QWidget::close);
    connect(btnMin, &QAbstractButton::clicked, this, [] { MinimizeApplication(); });
    connect(btnClose, &QAbstractButton::clicked, this, [] { frm09_Object->ConfirmExit(); });
    connect(btnHelp, &QAbstractButton::clicked, actHelp, &QAction::trigger);
    connect(actHelp, &QAction::triggered, this, [] { OpenHelpPage("frmTestCenter.htm"); });
}

void Tfrm01_WordTest::LoadSkin()
{
    if (gCreateMode)
        ComposeButtonImages();
    imgBg->SetPicture(frm09_Object->LoadPicture("img", "考试中心", ".jpg"));
    for (TImagePanel* panel : {imgComboBox, OleNoteBookSel, ctlWordListIdx, ctlComboDown, OleNoteBook})
        panel->SetAutoSize(true);
    imgComboBox->SetPicture(frm09_Object->LoadPicture("img", "combobox", ".gif"));
    OleNoteBookSel->SetPicture(imgComboBox->Picture());
    ctlWordListIdx->SetPicture(frm09_Object->LoadPicture("img", "WordListIdx", ".gif"));
    ctlComboDown->SetPicture(frm09_Object->LoadPicture("img", "combodown", ".gif"));
    OleNoteBook->SetPicture(ctlComboDown->Picture());
    ctlComboDown->hide();

    // The texts sit in the boxes' slots, left of the drop arrow.
    const QRect slot(8, 3, 100, 20);
    labSelCount->setGeometry(slot);
    labSelNote->setGeometry(slot);
    for (TAALabel* label : CountLabels)
        label->resize(std::max(ctlComboDown->width() - 20, 60), cListItemHeight);
    for (TAALabel* label : NoteBookLabels)
        label->resize(std::max(OleNoteBook->width() - 20, 60), cListItemHeight);
    edtWordListIdx->setGeometry(86, 4, 44, 18);

    for (int k = 0; k < cKindCount; ++k)
        frm09_Object->LoadButtonImages("type" + QString::number(k + 1), btnType[k], true, true, true, false, ".gif");
    for (int s = 0; s < cScopeCount; ++s)
        frm09_Object->LoadButtonImages("mode" + QString::number(s + 1), btnMode[s], true, true, true, false, ".gif");
    frm09_Object->LoadButtonImages("enter", btnEnter, true, true, true, false, ".gif");
    frm09_Object->LoadButtonImages("btnhelp2", btnHelp, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnexit2", btnExit, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnMin2", btnMin, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnClose2", btnClose, true, true, true, false, ".bmp");
    for (TSkinRadioButton* radio : rdoType)
        radio->SetTheme(frm09_Object->ctlThemeTestCenter);
    for (TSkinRadioButton* radio : rdoMode)
        radio->SetTheme(frm09_Object->ctlThemeTestCenter);
    // The captions are pictures of their own height: each indicator stands level with its text.
    for (int k = 0; k < cKindCount; ++k)
        CentreOnCaption(rdoType[k], btnType[k]);
    for (int s = 0; s < cScopeCount; ++s)
        CentreOnCaption(rdoMode[s], btnMode[s]);

    const QString gif = QString::fromStdString(ResolveCaseFolded(gPicPath, "on/on_03.gif"));
    const QImage firstFrame(gif);
    OleGif->resize(firstFrame.size());
    ctlGif->resize(firstFrame.size());
    ctlGif->SetAnimation(gif);
}

void Tfrm01_WordTest::ComposeButtonImages()
{
    const QString pic = QString::fromStdString(gPicPath);
    const struct {
        const TImageButton* Button;
        const char* Sources[3];
        const char* Name;
    } frameButtons[] = {
        {btnHelp, {"helpNor", "helpOn", "helpDown"}, "btnhelp2"},
        {btnExit, {"ExitNor", "exitOn", "exitDown"}, "btnexit2"},
        {btnMin, {"MinNor", "MinOn", "MinDown"}, "btnMin2"},
        {btnClose, {"CloseNor", "CloseOn", "CloseDown"}, "btnClose2"},
    };
    const char* const stateFolders[3] = {"nor", "on", "Down"};
    for (const auto& button : frameButtons)
        for (int state = 0; state < 3; ++state)
            frm09_Object->ComposeButtonBitmap(pic + "png/" + button.Sources[state] + ".png",
                                              pic + "img/考试中心.jpg",
                                              pic + stateFolders[state] + "/" + button.Name + ".bmp",
                                              button.Button->x(), button.Button->y());

    // Pictures of the test windows, composed on their backgrounds.
    const struct {
        const char* Background;
        const char* Png;
        const char* Output;
        int Left;
        int Top;
    } pictures[] = {
        {"听音选中文", "anserr", "img/AnsErr1.bmp", 528, 445},
        {"听音选中文", "ansOK", "img/AnsOK1.bmp", 528, 445},
        {"单词拼写", "anserr", "img/AnsErr2.bmp", 406, 402},
        {"单词拼写", "ansOK", "img/AnsOK2.bmp", 406, 402},
        {"填写句子", "anserr", "img/AnsErr3.bmp", 406, 402},
        {"填写句子", "ansOK", "img/AnsOK3.bmp", 406, 402},
    };
    for (const auto& picture : pictures)
        frm09_Object->ComposeButtonBitmap(pic + "png/" + picture.Png + ".png",
                                          pic + "img/" + picture.Background + ".jpg", pic + picture.Output,
                                          picture.Left, picture.Top);
    const struct {
        const char* Name;
        std::initializer_list<const char*> Folders;
        int Left;
        int Top;
    } buttons[] = {
        {"testunorder", {"nor", "on", "dis"}, 554, 36},
        {"testOnorder", {"nor", "on", "dis"}, 554, 36},
        {"Nextpage", {"nor", "on", "dis", "down"}, 590, 529},
        {"Prevpage", {"nor", "on", "dis", "down"}, 522, 529},
    };
    for (const auto& button : buttons)
        for (const char* folder : button.Folders)
            frm09_Object->ComposeButtonBitmap(pic + folder + "/" + button.Name + ".png", pic + "img/选中文.jpg",
                                              pic + folder + "/" + button.Name + ".bmp", button.Left, button.Top);
}

void Tfrm01_WordTest::InitChoices()
{
    setWindowTitle(QString::fromUtf8(cAppTitle));
    SelectedScope = 1;
    SelectedType = 1;
    SelectedWordList = 1;
    ShowScopePicture();
    ShowTypePicture();
}

void Tfrm01_WordTest::ShowTypePicture()
{
    imgTypeShow->SetPicture(frm09_Object->LoadPicture("img", "viewtype" + QString::number(SelectedType), ".gif"));
}

void Tfrm01_WordTest::ShowScopePicture()
{
    imgModeShow->SetPicture(frm09_Object->LoadPicture("img", "viewMod" + QString::number(SelectedScope), ".gif"));
}

void Tfrm01_WordTest::ShowModal()
{
    FModal.Exec(this);
}

void Tfrm01_WordTest::showEvent(QShowEvent* event)
{
    lblFullBook->SetTag(gWordPackage->Count());
    QWidget::showEvent(event);
}

void Tfrm01_WordTest::closeEvent(QCloseEvent* event)
{
    HideDropDowns();
    event->accept();
    FModal.Quit();
}

void Tfrm01_WordTest::HideDropDowns()
{
    ctlComboDown->hide();
    OleNoteBook->hide();
}

void Tfrm01_WordTest::btnType1Click(TImageButton* button)
{
    HideDropDowns();
    SelectedType = button->Tag();
    rdoType[SelectedType - 1]->setChecked(true);
}

void Tfrm01_WordTest::rdoType1Click(TSkinRadioButton* radio)
{
    SelectedType = radio->Tag();
    btnEnter->setFocus();
    ShowTypePicture();
}

void Tfrm01_WordTest::btnMode1Click(TImageButton* button)
{
    HideDropDowns();
    SelectedScope = button->Tag();
    rdoMode[SelectedScope - 1]->setChecked(true);
}

void Tfrm01_WordTest::rdoMode1Click(TSkinRadioButton* radio)
{
    SelectedScope = radio->Tag();
    for (TImagePanel* box : {imgComboBox, OleNoteBook, OleNoteBookSel, ctlWordListIdx, ctlComboDown})
        box->hide();
    switch (SelectedScope) {
    case 1:
        imgComboBox->show();
        imgComboBox->setFocus();
        break;
    case 2:
        ctlWordListIdx->show();
        edtWordListIdx->setFocus();
        break;
    case 3:
        OleNoteBookSel->show();
        OleNoteBookSel->setFocus();
        break;
    default:
        break;
    }
    ShowScopePicture();
}

void Tfrm01_WordTest::imgComboBoxClick()
{
    ctlComboDown->move(cComboDownAt);
    ctlComboDown->setVisible(!ctlComboDown->isVisible());
    ctlComboDown->raise();
    for (TAALabel* label : CountLabels)
        label->SetFontColor(cListColor);
}

void Tfrm01_WordTest::Label1MouseMove(TAALabel* label)
{
    for (TAALabel* other : CountLabels)
        other->SetFontColor(cListColor);
    label->SetFontColor(cListHoverColor);
}

void Tfrm01_WordTest::Label1Click(TAALabel* label)
{
    labSelCount->SetCaption(label->Caption());
    labSelCount->SetTag(label->Tag());
    ctlComboDown->hide();
    imgComboBox->setFocus();
}

void Tfrm01_WordTest::OleNoteBookSelClick()
{
    OleNoteBook->move(cNoteBookListAt);
    OleNoteBook->setVisible(!OleNoteBook->isVisible());
    OleNoteBook->raise();
    for (TAALabel* label : NoteBookLabels)
        label->SetFontColor(cListColor);
}

void Tfrm01_WordTest::AALabel1MouseMove(TAALabel* label)
{
    for (TAALabel* other : NoteBookLabels)
        other->SetFontColor(cListColor);
    label->SetFontColor(cListHoverColor);
}

void Tfrm01_WordTest::AALabel1Click(TAALabel* label)
{
    labSelNote->SetCaption(label->Caption());
    labSelNote->SetTag(label->Tag());
    OleNoteBook->hide();
    OleNoteBookSel->setFocus();
}

void Tfrm01_WordTest::edtWordListIdxChange()
{
    const QString text = QString::fromStdString(StripLineBreaks(edtWordListIdx->text().toStdString()));
    if (text.isEmpty())
        return;
    const qint64 listCount = gWordList->Count();
    const qint64 number = text.toLongLong();
    // Setting the text runs this change again on the corrected text.
    if (number == 0) {
        edtWordListIdx->setText("1");
        return;
    }
    if (number > listCount && listCount > 0) {
        edtWordListIdx->setText(QString::number(listCount));
        return;
    }
    SelectedWordList = static_cast<int>(number);
}

void Tfrm01_WordTest::edtWordListIdxExit()
{
    if (edtWordListIdx->text().isEmpty())
        edtWordListIdx->setText("1");
}

bool Tfrm01_WordTest::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtWordListIdx) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, edtWordListIdx, &QLineEdit::selectAll);
        else if (event->type() == QEvent::FocusOut)
            edtWordListIdxExit();
        else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                return true;
            const QString typed = key->text();
            if (key->key() == Qt::Key_Backspace || typed.isEmpty() || !typed.at(0).isPrint())
                return false;
            const bool digit = typed.size() == 1 && typed.at(0) >= '0' && typed.at(0) <= '9';
            return !digit || edtWordListIdx->text().size() >= 2;
        }
        return false;
    }
    if (event->type() == QEvent::Enter) {
        const int tag = dynamic_cast<TTagged*>(watched) ? dynamic_cast<TTagged*>(watched)->Tag() : 0;
        const bool isKind = std::find(rdoType.begin(), rdoType.end(), watched) != rdoType.end()
                         || std::find(btnType.begin(), btnType.end(), watched) != btnType.end();
        if (isKind)
            btnType1MouseMove(tag);
        else
            btnMode1MouseMove(tag);
    }
    return false;
}

void Tfrm01_WordTest::btnType1MouseMove(int tag)
{
    if (tag >= 1 && tag <= cKindCount)
        ShowHoverMark(rdoType[tag - 1]);
}

void Tfrm01_WordTest::btnMode1MouseMove(int tag)
{
    if (tag >= 1 && tag <= cScopeCount)
        ShowHoverMark(rdoMode[tag - 1]);
}

void Tfrm01_WordTest::ShowHoverMark(const TSkinRadioButton* radio)
{
    OleGif->raise();
    OleGif->setVisible(!radio->isChecked());
    OleGif->move(radio->x() + cModeGifLeft + 1, radio->y() + cModeGifTop + 2);
}

bool Tfrm01_WordTest::NoteBookIsEmpty() const
{
    const auto& books = SelectedType == 5 ? gSentenceNoteBooks : gWordNoteBooks;
    const TNoteBook2* book = books->GetNoteBook(labSelNote->Tag() - 1);
    return !book || book->Count() == 0;
}

void Tfrm01_WordTest::btnEnterClick()
{
    HideDropDowns();
    if (SelectedScope == 3 && NoteBookIsEmpty()) {
        frm09_Object->Inform("提示", SelectedType == 5 ? "该笔记本没有例句！" : "该笔记本没有单词！");
        return;
    }
    std::unique_ptr<Tfrm06_TestBase> test = CreateTestWindow(SelectedType, this);
    if (!test)
        return;
    OleGif->hide();
    hide();
    switch (SelectedScope) {
    case 1:
        test->QuestionCount = labSelCount->Tag();
        break;
    case 2: {
        test->WordListIndex = SelectedWordList;
        TWordListItem& list = gWordList->GetItem(SelectedWordList - 1);
        test->WordListItem = &list;
        // A damaged Word List may span more numbers than 32 bits hold.
        test->QuestionCount = static_cast<std::int32_t>(std::clamp<std::int64_t>(
            std::int64_t{list.GetEnd()} - list.GetBegin() + 1, 0, std::numeric_limits<std::int32_t>::max()));
        break;
    }
    case 3:
        test->NoteBookIndex = labSelNote->Tag() - 1;
        break;
    default:
        break;
    }
    test->RunTest(SelectedScope, SelectedType);
    test.reset();
    if (gExitConfirmed)
        close();
    else
        show();
}
