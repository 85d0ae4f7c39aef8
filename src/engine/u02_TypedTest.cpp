#include "engine/u02_TypedTest.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "engine/u02_TestFrame.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinFont.h"

namespace {

const QRect cQuestionArea(40, 124, 720, 390);
const QColor cInputBack(221, 248, 218);
const QColor cTrueAnswerColor(0xC0, 0x10, 0x10);
const int cCheckBoxGap = 26;

}

QString FirstLetterOf(const TQuestionItem2& item)
{
    return QString::fromStdString(TQuestionItem2::AnswerAlternative(item.AnswerText, 0)).left(1);
}

Tfrm02_TypedTest::Tfrm02_TypedTest(QWidget* owner) : Tfrm06_TestBase(owner)
{
    CreateQuestionArea();
}

Tfrm02_TypedTest::~Tfrm02_TypedTest() = default;

QRect Tfrm02_TypedTest::InArea(const QRect& windowRect)
{
    return windowRect.translated(-cQuestionArea.topLeft());
}

void Tfrm02_TypedTest::CreateQuestionArea()
{
    OleQuestion = new TImagePanel(imgBg);
    OleQuestion->setGeometry(cQuestionArea);
    OleQuestion->hide();

    lblIdx = new TAALabel(OleQuestion);
    lblIdx->setGeometry(InArea({70, 150, 50, 28}));
    lblIdx->setFont(SkinFont("Arial", 22, true));

    btnSound = new TImageButton(OleQuestion);
    btnSound->move(InArea({130, 140, 0, 0}).topLeft());
    btnSound->SetHint("再听一遍");
    connect(btnSound, &QAbstractButton::clicked, this, &Tfrm02_TypedTest::btnSoundClick);

    lblChinese = new TAALabel(OleQuestion);
    lblChinese->setFont(SkinFont("宋体", 18));
    lblChinese->SetWordWrap(true);

    lblPhonetic = new TUnicodeLabel(OleQuestion);
    lblPhonetic->setGeometry(InArea({200, 150, 300, 30}));
    lblPhonetic->setFont(SkinFont("Arial Unicode MS", 20));
    lblPhonetic->SetTransparent(true);

    chkChinese = new TSkinCheckBox(OleQuestion);
    chkShowPhonetic = new TSkinCheckBox(OleQuestion);
    chkFirst = new TSkinCheckBox("首字母", OleQuestion);
    chkShowOnError = new TSkinCheckBox("答错题后立即显示正确答案", OleQuestion);
    for (TSkinCheckBox* box : {chkChinese, chkShowPhonetic, chkFirst, chkShowOnError})
        box->SetTheme(frm09_Object->suiFileTheme1);
    connect(chkChinese, &QAbstractButton::clicked, this, &Tfrm02_TypedTest::chkViewClick);
    connect(chkShowPhonetic, &QAbstractButton::clicked, this, &Tfrm02_TypedTest::chkViewClick);
    connect(chkFirst, &QAbstractButton::clicked, this, &Tfrm02_TypedTest::chkFirstClick);
    connect(chkShowOnError, &QAbstractButton::clicked, this, &Tfrm02_TypedTest::chkShowOnErrorClick);

    AALabel1 = new TAALabel("答案", OleQuestion);
    AALabel1->setGeometry(InArea({120, 460, 48, 26}));
    AALabel1->setFont(SkinFont("宋体", 18, true));

    edtInput = new QLineEdit(OleQuestion);
    edtInput->setGeometry(InArea({120, 402, 280, 40}));
    edtInput->setFont(SkinFont("Arial", 22, true));
    edtInput->setFrame(false);
    QPalette palette = edtInput->palette();
    palette.setColor(QPalette::Base, cInputBack);
    edtInput->setPalette(palette);
    edtInput->installEventFilter(this);

    Shape1 = new QFrame(OleQuestion);
    Shape1->setGeometry(InArea({120, 442, 280, 2}));
    Shape1->setFrameShape(QFrame::NoFrame);
    Shape1->setAutoFillBackground(true);
    QPalette line = Shape1->palette();
    line.setColor(QPalette::Window, QColor(0x3D, 0x66, 0x2D));
    Shape1->setPalette(line);

    lblTrueAnswer = new TAALabel(OleQuestion);
    lblTrueAnswer->setGeometry(InArea({170, 460, 480, 30}));
    lblTrueAnswer->setFont(SkinFont("Arial", 20, true));
    lblTrueAnswer->SetFontColor(cTrueAnswerColor);
    lblTrueAnswer->SetWordWrap(true);

    imgOK = new TImagePanel(OleQuestion);
    ImgError = new TImagePanel(OleQuestion);
    for (TImagePanel* mark : {imgOK, ImgError}) {
        mark->move(InArea({406, 402, 0, 0}).topLeft());
        mark->SetAutoSize(true);
        mark->hide();
    }

    // The learner moves on with Enter.
    btnPrevPage->hide();
    btnNextPage->hide();
}

void Tfrm02_TypedTest::PlaceCheckBoxes(int top)
{
    int left = 120;
    for (TSkinCheckBox* box : {chkChinese, chkShowPhonetic, chkFirst, chkShowOnError}) {
        box->adjustSize();
        box->move(InArea({left, top, 0, 0}).topLeft());
        left += box->width() + cCheckBoxGap;
    }
}

void Tfrm02_TypedTest::LoadTypedSkin(const QString& background, int markNumber, int testType)
{
    frm09_Object->LoadButtonImages("sound", btnSound, true, true, false, false, ".gif");
    imgOK->SetPicture(frm09_Object->LoadPicture("img", "AnsOK" + QString::number(markNumber), ".bmp"));
    ImgError->SetPicture(frm09_Object->LoadPicture("img", "AnsErr" + QString::number(markNumber), ".bmp"));
    imgBg->SetPicture(frm09_Object->LoadPicture("img", background, ".jpg"));
    frm09_Object->SetPanelBackground(imgBg, OleQuestion);
    LoadTestFrameButtons(*this);
    imgTypeCaption->SetPicture(frm09_Object->LoadPicture("img", "type" + QString::number(testType), ".gif"));
}

void Tfrm02_TypedTest::SetupPaging()
{
    Tfrm06_TestBase::SetupPaging();
    QuestionsPerPage = 1;
}

void Tfrm02_TypedTest::ResetTest()
{
    Tfrm06_TestBase::ResetTest();
    // The boxes react to clicks only, so unchecking them here moves no focus and changes no input.
    OleQuestion->hide();
    for (TSkinCheckBox* box : {chkChinese, chkFirst, chkShowPhonetic, chkShowOnError})
        box->setChecked(false);
}

void Tfrm02_TypedTest::FinishTest()
{
    Tfrm06_TestBase::FinishTest();
    hide();
    StopSound();
    ShowResultWindow();
    ReturnFromResult();
}

TQuestionItem2* Tfrm02_TypedTest::CurrentQuestion() const
{
    return Questions ? Questions->Item(CurrentPage - 1) : nullptr;
}

void Tfrm02_TypedTest::ShowPage(int n)
{
    Tfrm06_TestBase::ShowPage(n);
    if (n > PageCount)
        return;

    PageReady = false;
    btnPrevPage->hide();
    btnNextPage->hide();

    TQuestionItem2& item = *Questions->Item(n - 1);
    FillQuestion(item);

    lblIdx->SetCaption(QString::number(n) + ".");
    AwaitingAnswer = true;
    lblTrueAnswer->SetCaption(QString());
    edtInput->setReadOnly(false);
    edtInput->clear();
    imgOK->hide();
    ImgError->hide();
    lblPhonetic->setVisible(chkShowPhonetic->isChecked());
    lblChinese->setVisible(chkChinese->isChecked());

    if (chkFirst->isChecked())
        edtInput->setText(FirstLetterOf(item));

    OleQuestion->show();
    PlayQuestionSound(item);

    edtInput->setFocus();
    edtInput->end(false);
    SetInputColor(Qt::black);
    PageReady = true;
}

bool Tfrm02_TypedTest::edtInputKeyDown(int key)
{
    if (!PageReady)
        return true;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!AwaitingAnswer) {
        if (enter && btnNextPage->isEnabled())
            NextPage();
        return true;
    }
    if (enter) {
        Judge();
        return true;
    }
    return false;
}

// The right or wrong sound and mark after every answer; the right answer only on request.
void Tfrm02_TypedTest::Judge()
{
    TQuestionItem2* item = CurrentQuestion();
    item->SetUserAnswer(TrimAnswerInput(edtInput->text().toStdString()));
    const bool right = item->Status == qsCorrect;
    if (right)
        PlayRightSound();
    else
        PlayWrongSound();
    imgOK->setVisible(right);
    ImgError->setVisible(!right);
    if (chkShowOnError->isChecked() && !right) {
        lblTrueAnswer->SetCaption(QString::fromStdString(item->AnswerText));
        SetInputColor(Qt::red);
    }
    AwaitingAnswer = false;
    // Also closes the paths that are no key: pasting with the mouse, dropping text.
    edtInput->setReadOnly(true);
}

void Tfrm02_TypedTest::SetInputColor(const QColor& color)
{
    QPalette palette = edtInput->palette();
    palette.setColor(QPalette::Text, color);
    edtInput->setPalette(palette);
}

void Tfrm02_TypedTest::btnSoundClick()
{
    if (const TQuestionItem2* item = CurrentQuestion())
        PlayQuestionSound(*item);
    edtInput->setFocus();
}

void Tfrm02_TypedTest::chkViewClick()
{
    lblPhonetic->setVisible(chkShowPhonetic->isChecked());
    lblChinese->setVisible(chkChinese->isChecked());
    if (FormActive)
        edtInput->setFocus();
}

void Tfrm02_TypedTest::chkShowOnErrorClick()
{
    if (FormActive)
        edtInput->setFocus();
}

// Puts the first letter into an empty input and takes it out again; typed text stays, and
// a judged answer is not touched.
void Tfrm02_TypedTest::chkFirstClick()
{
    if (!FormActive)
        return;
    const TQuestionItem2* item = CurrentQuestion();
    if (item && AwaitingAnswer) {
        const QString first = FirstLetterOf(*item);
        if (chkFirst->isChecked() && edtInput->text().isEmpty())
            edtInput->setText(first);
        else if (!chkFirst->isChecked() && edtInput->text() == first)
            edtInput->clear();
    }
    edtInput->setFocus();
}

bool Tfrm02_TypedTest::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtInput) {
        if (event->type() == QEvent::KeyPress)
            return edtInputKeyDown(static_cast<QKeyEvent*>(event)->key());
        if (event->type() == QEvent::FocusIn) {
            // After Qt's own focus handling, which may select the whole text.
            QTimer::singleShot(0, edtInput, [input = edtInput] {
                input->deselect();
                input->end(false);
            });
        }
        // The input is ours alone: the base's handling of its entries would select all of it.
        return false;
    }
    return Tfrm06_TestBase::eventFilter(watched, event);
}
