#pragma once
// The listening test: the word is played, the learner picks its Chinese meaning from four.
// One question a page, forward only; on request each pick is judged at once.
#include <array>

#include "engine/u06_TestBase.h"

class TSkinCheckBox;
class TSkinRadioButton;
class TUnicodeLabel;

class Tfrm02_Type3 : public Tfrm06_TestBase
{
    Q_OBJECT
public:
    explicit Tfrm02_Type3(QWidget* owner = nullptr);
    ~Tfrm02_Type3() override;

    void ShowPage(int n) override;

    void btnSoundClick();
    void chkShowPhoneticClick();
    void rdoAnswerClick(int tag);

    // False while a page is being filled: picks are ignored then.
    bool AnswerEnabled = false;

    TImagePanel* OleQuestion;
    TImageButton* btnSound;
    TAALabel* lblIdx;
    TUnicodeLabel* lblPhonetic;
    TSkinRadioButton* rdoAnswer1_1;
    TSkinRadioButton* rdoAnswer2_1;
    TSkinRadioButton* rdoAnswer3_1;
    TSkinRadioButton* rdoAnswer4_1;
    TSkinCheckBox* chkShowPhonetic;
    TSkinCheckBox* chkShowOnError;
    TAALabel* AALabel1;
    TAALabel* lblTrueAnswer;
    TImagePanel* imgOK;
    TImagePanel* ImgError;
    TImagePanel* imgTypeCap;

protected:
    void LoadSkin() override;
    void SetupPaging() override;
    void ResetTest() override;
    void FinishTest() override;
    QString HelpPage() const override;

private:
    void CreateQuestionArea();
    void Judge(bool right);
    std::array<TSkinRadioButton*, 4> Choices() const;
};
