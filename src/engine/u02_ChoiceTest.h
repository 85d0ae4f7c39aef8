#pragma once
// The two reading choice tests share one window: four questions a page in a 2 by 2 grid,
// each with four choices drawn the first time it is shown and kept for the whole test.
#include <array>

#include "engine/u06_TestBase.h"

class TSkinRadioButton;
class TWordItem;
class Tfrm05_ResultBase;

class Tfrm02_ChoiceTest : public Tfrm06_TestBase
{
    Q_OBJECT
public:
    static constexpr int cPanelCount = 4;
    static constexpr int cChoiceCount = 4;

    explicit Tfrm02_ChoiceTest(QWidget* owner = nullptr);

    // oleQuestion1 (top left), OleQuestion2, OleQuestion3, OleQuestion4 (bottom right).
    std::array<TImagePanel*, cPanelCount> QuestionPanels{};
    // Per panel: the number label (tag 0), the question label (tag 1), the choices (tags 1 to 4).
    std::array<TAALabel*, cPanelCount> NumberLabels{};
    std::array<TAALabel*, cPanelCount> QuestionLabels{};
    std::array<std::array<TSkinRadioButton*, cChoiceCount>, cPanelCount> ChoiceButtons{};
    // False while a page is being filled: radio changes then record no pick.
    bool PageFilling = true;

    void ShowPage(int n) override;
    void rdoAnswerClick(TSkinRadioButton* button);

protected:
    void LoadSkin() override;
    void SetupPaging() override;
    void ResetTest() override;
    void FinishTest() override;

    // What each kind shows: the background and title pictures, the texts of a question and
    // of a choice, and the result window that reviews the test.
    virtual QString BackgroundName() const = 0;
    virtual QString TypeCaptionName() const = 0;
    virtual QString QuestionText(TWordItem& word) const = 0;
    virtual QString ChoiceText(TWordItem& word) const = 0;
    virtual bool ChoiceHasHint() const = 0;
    virtual Tfrm05_ResultBase* ResultWindow() const = 0;

private:
    void CreateQuestionPanels();
    void FillPanel(int position, int q);
};
