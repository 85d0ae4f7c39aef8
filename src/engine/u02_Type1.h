#pragma once
// "看英文选中文": the English word is shown, the learner picks its Chinese meaning.
#include "engine/u02_ChoiceTest.h"

class Tfrm02_Type1 : public Tfrm02_ChoiceTest
{
    Q_OBJECT
public:
    explicit Tfrm02_Type1(QWidget* owner = nullptr);

protected:
    void ComposeButtonImages() override;
    QString HelpPage() const override { return "frmTestType1.htm"; }
    QString BackgroundName() const override { return "选中文"; }
    QString TypeCaptionName() const override { return "type1"; }
    QString QuestionText(TWordItem& word) const override;
    QString ChoiceText(TWordItem& word) const override;
    bool ChoiceHasHint() const override { return true; }
    Tfrm05_ResultBase* ResultWindow() const override;
};
