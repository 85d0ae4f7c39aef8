#pragma once
// The spelling test: the word is played, the learner types it; Enter judges, Enter moves on.
#include "engine/u02_TypedTest.h"

class Tfrm02_Type4 : public Tfrm02_TypedTest
{
    Q_OBJECT
public:
    explicit Tfrm02_Type4(QWidget* owner = nullptr);
    ~Tfrm02_Type4() override;

protected:
    void LoadSkin() override;
    void FillQuestion(TQuestionItem2& item) override;
    void PlayQuestionSound(const TQuestionItem2& item) override;
    void ShowResultWindow() override;
    QString HelpPage() const override;
};
