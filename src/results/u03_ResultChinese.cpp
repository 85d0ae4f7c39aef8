#include "results/u03_ResultChinese.h"

#include "screens/u00_Main.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"

Tfrm03_ResultChinese* frm03_ResultChinese = nullptr;

Tfrm03_ResultChinese* ResultChineseWindow()
{
    if (!frm03_ResultChinese)
        frm03_ResultChinese = new Tfrm03_ResultChinese(frm00_Main);
    return frm03_ResultChinese;
}

Tfrm03_ResultChinese::Tfrm03_ResultChinese(QWidget* owner) : Tfrm05_ResultBase(owner)
{
    FormCreate();
}

Tfrm03_ResultChinese::~Tfrm03_ResultChinese()
{
    if (frm03_ResultChinese == this)
        frm03_ResultChinese = nullptr;
}

void Tfrm03_ResultChinese::SetupColumns()
{
    Tfrm05_ResultBase::SetupColumns();
    const int ppi = Ppi();
    QuestionFontName = "Arial";
    QuestionFontSize = 960 / ppi;
    QuestionBold = true;
    AnswerFontName = "宋体";
    AnswerFontSize = ppi == 96 ? 11 : 1152 / ppi;
    AnswerBold = false;
    QuestionLeft = 74;
    QuestionWidth = 115;
    AnswerLeft = 192;
    AnswerWidth = 222;
    YourAnswerLeft = 420;
    YourAnswerWidth = 221;
    lblQuestion->move(91, lblQuestion->y());
    lblAnswerReal->move(243, lblAnswerReal->y());
    lblYourAnswer->move(492, lblYourAnswer->y());
    imgBg->SetPicture(frm09_Object->LoadPicture("img", "考试结果2", ".jpg"));
}
