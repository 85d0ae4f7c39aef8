#pragma once
// "看中文选英文": the Chinese meaning is shown, the learner picks the English word.
#include "engine/u02_ChoiceTest.h"

class Tfrm02_Type2 : public Tfrm02_ChoiceTest
{
    Q_OBJECT
public:
    explicit Tfrm02_Type2(QWidget* owner = nullptr);

protected:
    QString HelpPage() const override { return "frmTestType2.htm"; }
    QString BackgroundName() const override { return "选英文"; }
    QString TypeCaptionName() const override { return "type2"; }
    QString QuestionText(TWordItem& word) const override;
    QString ChoiceText(TWordItem& word) const override;
    bool ChoiceHasHint() const override { return false; }
    Tfrm05_ResultBase* ResultWindow() const override;
};
