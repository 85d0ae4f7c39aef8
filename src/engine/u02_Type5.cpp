#include "engine/u02_Type5.h"

#include "app/u07_PubObject.h"
#include "results/u03_ResultEnglish.h"
#include "screens/u09_Object.h"
#include "store/u09_BussObj_WordList.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinFont.h"

Tfrm02_Type5::Tfrm02_Type5(QWidget* owner) : Tfrm02_TypedTest(owner)
{
    lblEnglishSentence = new TAALabel(OleQuestion);
    lblEnglishSentence->setGeometry(InArea({200, 136, 540, 64}));
    lblEnglishSentence->setFont(SkinFont("Arial", 18, true));
    lblEnglishSentence->SetWordWrap(true);
    lblChinese->setGeometry(InArea({200, 202, 540, 44}));
    lblChinese->setFont(SkinFont("宋体", 16));
    lblPhonetic->setGeometry(InArea({200, 248, 300, 28}));
    chkChinese->setText("译文");
    chkShowPhonetic->setText("单词原型音标");
    PlaceCheckBoxes(300);
    FormCreate();
}

Tfrm02_Type5::~Tfrm02_Type5() = default;

void Tfrm02_Type5::LoadSkin()
{
    Tfrm06_TestBase::LoadSkin();
    LoadTypedSkin("填写句子", 3, 5);
}

void Tfrm02_Type5::StartTest()
{
    if (Questions->Scope == smWordList && WordListItem && WordListItem->GetBegin() < 1) {
        frm09_Object->Inform("提示", cNoSentenceText);
        return;
    }
    Tfrm02_TypedTest::StartTest();
}

TSentenceItem& Tfrm02_Type5::SentenceOf(const TQuestionItem2& item) const
{
    return gSentenceList->GetSentence(item.ItemId - 1);
}

void Tfrm02_Type5::FillQuestion(TQuestionItem2& item)
{
    TSentenceItem& sentence = SentenceOf(item);
    // The transcription is the word's own, in its dictionary form, not the sentence's form of it.
    const auto word = gWordPackage->GetWord(sentence.GetWordNo() - 1);
    if (!item.Prepared)
        item.SetAnswerText(sentence.GetTarget());
    lblPhonetic->SetCaption(QString::fromStdString(word->GetPhonetic()));
    lblChinese->SetCaption(QString::fromStdString(sentence.GetChineseSentence()));
    lblEnglishSentence->SetCaption(QString::fromStdString(sentence.GetBlankedSentence()));
}

void Tfrm02_Type5::PlayQuestionSound(const TQuestionItem2& item)
{
    PlaySentenceSound(SentenceOf(item));
}

void Tfrm02_Type5::ShowResultWindow()
{
    auto* result = new Tfrm03_ResultEnglish(this);
    FResultWindows.push_back(result);
    result->ScopeText = DescribeTest();
    result->Questions = Questions;
    result->ShowResult();
}

QString Tfrm02_Type5::HelpPage() const
{
    return "frmTestType5.htm";
}
