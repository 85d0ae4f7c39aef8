#include "engine/u02_Type1.h"

#include "app/u09_BasePase.h"
#include "results/u03_ResultChinese.h"
#include "screens/u09_Object.h"
#include "store/u09_BussObj_Word.h"
#include "widgets/ImageButton.h"

Tfrm02_Type1::Tfrm02_Type1(QWidget* owner) : Tfrm02_ChoiceTest(owner)
{
    FormCreate();
}

QString Tfrm02_Type1::QuestionText(TWordItem& word) const
{
    return QString::fromStdString(word.GetEnglish());
}

QString Tfrm02_Type1::ChoiceText(TWordItem& word) const
{
    return QString::fromStdString(word.GetChinese());
}

Tfrm05_ResultBase* Tfrm02_Type1::ResultWindow() const
{
    return ResultChineseWindow();
}

void Tfrm02_Type1::ComposeButtonImages()
{
    // The frame buttons of every test and result window are drawn over this background.
    const QString pic = QString::fromStdString(gPicPath);
    const QString background = pic + "img/选中文.jpg";
    const struct {
        const TImageButton* Button;
        const char* Sources[3];
        const char* Name;
    } buttons[] = {
        {btnHelp, {"helpNor", "helpOn", "helpDown"}, "btnhelp3"},
        {btnExit, {"ExitNor", "exitOn", "exitDown"}, "btnexit3"},
        {btnMin, {"MinNor", "MinOn", "MinDown"}, "btnMin3"},
        {btnClose, {"CloseNor", "CloseOn", "CloseDown"}, "btnClose3"},
    };
    const char* const stateFolders[3] = {"nor", "on", "Down"};
    for (const auto& button : buttons)
        for (int state = 0; state < 3; ++state)
            frm09_Object->ComposeButtonBitmap(pic + "png/" + button.Sources[state] + ".png", background,
                                              pic + stateFolders[state] + "/" + button.Name + ".bmp",
                                              button.Button->x(), button.Button->y());
}
