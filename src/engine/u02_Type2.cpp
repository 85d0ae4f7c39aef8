#include "engine/u02_Type2.h"

#include "results/u03_ResultEnglish.h"
#include "store/u09_BussObj_Word.h"

Tfrm02_Type2::Tfrm02_Type2(QWidget* owner) : Tfrm02_ChoiceTest(owner)
{
    FormCreate();
}

QString Tfrm02_Type2::QuestionText(TWordItem& word) const
{
    return QString::fromStdString(word.GetChinese());
}

QString Tfrm02_Type2::ChoiceText(TWordItem& word) const
{
    return QString::fromStdString(word.GetEnglish());
}

Tfrm05_ResultBase* Tfrm02_Type2::ResultWindow() const
{
    return ResultEnglishWindow();
}
