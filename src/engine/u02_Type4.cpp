#include "engine/u02_Type4.h"

#include "app/u07_PubObject.h"
#include "results/u03_ResultEnglish.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"

Tfrm02_Type4::Tfrm02_Type4(QWidget* owner) : Tfrm02_TypedTest(owner)
{
    lblChinese->setGeometry(InArea({124, 200, 552, 56}));
    chkChinese->setText("词义");
    chkShowPhonetic->setText("音标");
    PlaceCheckBoxes(278);
    FormCreate();
}

Tfrm02_Type4::~Tfrm02_Type4() = default;

void Tfrm02_Type4::LoadSkin()
{
    Tfrm06_TestBase::LoadSkin();
    LoadTypedSkin("单词拼写", 2, 4);
}

void Tfrm02_Type4::FillQuestion(TQuestionItem2& item)
{
    const auto word = gWordPackage->GetWord(item.ItemId - 1);
    if (!item.Prepared)
        item.SetAnswerText(word->GetEnglish());
    lblPhonetic->SetCaption(QString::fromStdString(word->GetPhonetic()));
    lblChinese->SetCaption(QString::fromStdString(word->GetChinese()));
}

void Tfrm02_Type4::PlayQuestionSound(const TQuestionItem2& item)
{
    PlayWordSound(item);
}

void Tfrm02_Type4::ShowResultWindow()
{
    Tfrm03_ResultEnglish* result = ResultEnglishWindow();
    result->ScopeText = DescribeTest();
    result->Questions = Questions;
    result->ShowResult();
}

QString Tfrm02_Type4::HelpPage() const
{
    return "frmTestType4.htm";
}
