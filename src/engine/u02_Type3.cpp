#include "engine/u02_Type3.h"

#include "app/u07_PubObject.h"
#include "engine/u02_TestFrame.h"
#include "results/u03_ResultChinese.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinColor.h"
#include "widgets/SkinFont.h"

namespace {

// The question area and what lies on it, in window pixels; children are placed relative to it.
const QRect cQuestionArea(40, 124, 720, 390);
const QPoint cSoundAt(130, 140);
const QPoint cMarkAt(528, 445);

QPoint InArea(int left, int top)
{
    return QPoint(left, top) - cQuestionArea.topLeft();
}

QString WordChinese(std::int32_t wordNumber)
{
    return QString::fromStdString(gWordPackage->GetWord(wordNumber - 1)->GetChinese());
}

}

Tfrm02_Type3::Tfrm02_Type3(QWidget* owner) : Tfrm06_TestBase(owner)
{
    CreateQuestionArea();
    FormCreate();
}

Tfrm02_Type3::~Tfrm02_Type3() = default;

void Tfrm02_Type3::CreateQuestionArea()
{
    OleQuestion = new TImagePanel(imgBg);
    OleQuestion->setGeometry(cQuestionArea);
    OleQuestion->hide();

    imgTypeCap = new TImagePanel(imgBg);
    imgTypeCap->move(0, 0);
    imgTypeCap->SetAutoSize(true);

    lblIdx = new TAALabel(OleQuestion);
    lblIdx->setGeometry(QRect(InArea(70, 150), QSize(50, 28)));
    lblIdx->setFont(SkinFont("Arial", 22, true));

    btnSound = new TImageButton(OleQuestion);
    btnSound->move(InArea(cSoundAt.x(), cSoundAt.y()));
    btnSound->SetHint("再听一遍");
    connect(btnSound, &QAbstractButton::clicked, this, &Tfrm02_Type3::btnSoundClick);

    lblPhonetic = new TUnicodeLabel(OleQuestion);
    lblPhonetic->setGeometry(QRect(InArea(200, 150), QSize(300, 30)));
    lblPhonetic->setFont(SkinFont("Arial Unicode MS", 20));
    lblPhonetic->SetTransparent(true);

    chkShowPhonetic = new TSkinCheckBox("显示音标", OleQuestion);
    chkShowPhonetic->move(InArea(540, 132));
    chkShowOnError = new TSkinCheckBox("答错题后立即显示正确答案", OleQuestion);
    chkShowOnError->move(InArea(540, 160));
    for (TSkinCheckBox* box : {chkShowPhonetic, chkShowOnError}) {
        box->SetTheme(frm09_Object->suiFileTheme1);
        box->adjustSize();
        connect(box, &QAbstractButton::clicked, this, &Tfrm02_Type3::chkShowPhoneticClick);
    }

    rdoAnswer1_1 = new TSkinRadioButton(OleQuestion);
    rdoAnswer2_1 = new TSkinRadioButton(OleQuestion);
    rdoAnswer3_1 = new TSkinRadioButton(OleQuestion);
    rdoAnswer4_1 = new TSkinRadioButton(OleQuestion);
    int tag = 1;
    for (TSkinRadioButton* choice : Choices()) {
        choice->SetTag(tag);
        choice->setGeometry(QRect(InArea(120, 210 + (tag - 1) * 44), QSize(600, 32)));
        choice->setFont(SkinFont("宋体", 17));
        choice->SetTheme(frm09_Object->suiFileTheme1);
        connect(choice, &QAbstractButton::clicked, this, [this, tag] { rdoAnswerClick(tag); });
        ++tag;
    }

    AALabel1 = new TAALabel("答案", OleQuestion);
    AALabel1->setGeometry(QRect(InArea(120, 455), QSize(48, 26)));
    AALabel1->setFont(SkinFont("宋体", 16, true));
    lblTrueAnswer = new TAALabel(OleQuestion);
    lblTrueAnswer->setGeometry(QRect(InArea(170, 455), QSize(340, 40)));
    lblTrueAnswer->setFont(SkinFont("宋体", 16, true));
    lblTrueAnswer->SetFontColor(Qt::red);
    lblTrueAnswer->SetWordWrap(true);

    imgOK = new TImagePanel(OleQuestion);
    ImgError = new TImagePanel(OleQuestion);
    for (TImagePanel* mark : {imgOK, ImgError}) {
        mark->move(InArea(cMarkAt.x(), cMarkAt.y()));
        mark->SetAutoSize(true);
        mark->hide();
    }
}

std::array<TSkinRadioButton*, 4> Tfrm02_Type3::Choices() const
{
    return {rdoAnswer1_1, rdoAnswer2_1, rdoAnswer3_1, rdoAnswer4_1};
}

void Tfrm02_Type3::LoadSkin()
{
    Tfrm06_TestBase::LoadSkin();
    frm09_Object->LoadButtonImages("sound", btnSound, true, true, false, false, ".gif");
    imgTypeCap->SetPicture(frm09_Object->LoadPicture("img", "type3", ".gif"));
    imgBg->SetPicture(frm09_Object->LoadPicture("img", "听音选中文", ".jpg"));
    frm09_Object->SetPanelBackground(imgBg, OleQuestion);
    imgOK->SetPicture(frm09_Object->LoadPicture("img", "AnsOK1", ".bmp"));
    ImgError->SetPicture(frm09_Object->LoadPicture("img", "AnsErr1", ".bmp"));
    LoadTestFrameButtons(*this);
    for (TSkinRadioButton* choice : Choices())
        choice->SetBackColor(ToQColor(clAnswerBack));
    imgTypeCaption->SetPicture(frm09_Object->LoadPicture("img", "type3", ".gif"));
}

void Tfrm02_Type3::SetupPaging()
{
    Tfrm06_TestBase::SetupPaging();
    QuestionsPerPage = 1;
}

void Tfrm02_Type3::ResetTest()
{
    Tfrm06_TestBase::ResetTest();
    OleQuestion->hide();
    imgOK->hide();
    ImgError->hide();
    chkShowPhonetic->setChecked(false);
    chkShowOnError->setChecked(false);
}

void Tfrm02_Type3::ShowPage(int n)
{
    Tfrm06_TestBase::ShowPage(n);
    if (n > PageCount)
        return;

    AnswerEnabled = false;
    imgOK->hide();
    ImgError->hide();
    btnPrevPage->hide();

    TQuestionItem2* item = Questions->Item(n - 1);
    if (!item->Prepared) {
        TIntArray options;
        gWordPackage->RandomOptions(4, item->ItemId, options);
        item->SetOptions(options);
    }

    lblIdx->SetCaption(QString::number(n) + ".");
    lblTrueAnswer->SetCaption(QString());
    lblPhonetic->SetCaption(QString::fromStdString(gWordPackage->GetWord(item->ItemId - 1)->GetPhonetic()));

    const auto choices = Choices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const bool offered = i < item->Options.size();
        choices[i]->setVisible(offered);
        choices[i]->setEnabled(true);
        const QString meaning = offered ? WordChinese(item->Options[i]) : QString();
        choices[i]->setText(meaning);
        choices[i]->SetHint(meaning);
        choices[i]->setChecked(false);
    }

    lblPhonetic->setVisible(chkShowPhonetic->isChecked());
    OleQuestion->show();

    CloseSound();
    PlayWordSound(*item);
    AnswerEnabled = true;
}

void Tfrm02_Type3::btnSoundClick()
{
    if (TQuestionItem2* item = Questions->Item(CurrentPage - 1))
        PlayWordSound(*item);
}

void Tfrm02_Type3::chkShowPhoneticClick()
{
    lblPhonetic->setVisible(chkShowPhonetic->isChecked());
}

void Tfrm02_Type3::rdoAnswerClick(int tag)
{
    if (!AnswerEnabled)
        return;
    TQuestionItem2* item = Questions->Item(CurrentPage - 1);
    if (!item || tag < 1 || tag > static_cast<int>(item->Options.size()))
        return;
    item->ChooseOption(item->Options[tag - 1]);
    if (chkShowOnError->isChecked())
        Judge(item->Status == qsCorrect);
}

// One pick per question once judging is on: the choices lock, and a wrong pick shows the right meaning.
void Tfrm02_Type3::Judge(bool right)
{
    TQuestionItem2* item = Questions->Item(CurrentPage - 1);
    lblTrueAnswer->SetCaption(WordChinese(item->ItemId));
    for (TSkinRadioButton* choice : Choices())
        choice->setEnabled(false);
    // Away from the locked choices to where the learner goes on, not to the hand-in.
    btnNextPage->setFocus();
    imgOK->hide();
    ImgError->hide();
    if (right) {
        PlayRightSound();
        imgOK->show();
        lblTrueAnswer->hide();
    } else {
        PlayWrongSound();
        ImgError->show();
        lblTrueAnswer->show();
    }
}

void Tfrm02_Type3::FinishTest()
{
    Tfrm06_TestBase::FinishTest();
    hide();
    StopSound();
    Tfrm03_ResultChinese* result = ResultChineseWindow();
    result->ScopeText = DescribeTest();
    result->Questions = Questions;
    result->ShowResult();
    ReturnFromResult();
}

QString Tfrm02_Type3::HelpPage() const
{
    return "frmTestType3.htm";
}
