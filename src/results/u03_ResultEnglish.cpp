#include "results/u03_ResultEnglish.h"

#include "screens/u00_Main.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"

Tfrm03_ResultEnglish* frm03_ResultEnglish = nullptr;

Tfrm03_ResultEnglish* ResultEnglishWindow()
{
    if (!frm03_ResultEnglish)
        frm03_ResultEnglish = new Tfrm03_ResultEnglish(frm00_Main);
    return frm03_ResultEnglish;
}

Tfrm03_ResultEnglish::Tfrm03_ResultEnglish(QWidget* owner) : Tfrm05_ResultBase(owner)
{
    FormCreate();
}

Tfrm03_ResultEnglish::~Tfrm03_ResultEnglish()
{
    if (frm03_ResultEnglish == this)
        frm03_ResultEnglish = nullptr;
}

void Tfrm03_ResultEnglish::SetupColumns()
{
    Tfrm05_ResultBase::SetupColumns();
    const int ppi = Ppi();
    QuestionFontName = "宋体";
    QuestionFontSize = 1152 / ppi;
    QuestionBold = false;
    AnswerFontName = "Arial";
    AnswerFontSize = 960 / ppi;
    AnswerBold = true;
    QuestionLeft = 78;
    QuestionWidth = 300;
    AnswerLeft = 385;
    AnswerWidth = 123;
    YourAnswerLeft = 517;
    YourAnswerWidth = 123;
    lblQuestion->move(203, lblQuestion->y());
    lblAnswerReal->move(411, lblAnswerReal->y());
    lblYourAnswer->move(548, lblYourAnswer->y());
    imgBg->SetPicture(frm09_Object->LoadPicture("img", "考试结果", ".jpg"));
}
