#pragma once
// The sentence fill-in test: an example sentence with its word blanked out is played, the
// learner types the word as the sentence has it. Every hand-in opens a result window of its own.
#include <vector>

#include "engine/u02_TypedTest.h"

class TSentenceItem;

// The notice for a Word List without sentences.
inline constexpr const char* cNoSentenceText = "该Word List没有例句！";
class Tfrm03_ResultEnglish;

class Tfrm02_Type5 : public Tfrm02_TypedTest
{
    Q_OBJECT
public:
    explicit Tfrm02_Type5(QWidget* owner = nullptr);
    ~Tfrm02_Type5() override;

    TAALabel* lblEnglishSentence;

    // One per hand-in, owned by this window and freed with it.
    const std::vector<Tfrm03_ResultEnglish*>& ResultWindows() const { return FResultWindows; }

protected:
    void LoadSkin() override;
    // A Word List none of whose words has a sentence is refused with a notice.
    void StartTest() override;
    void FillQuestion(TQuestionItem2& item) override;
    void PlayQuestionSound(const TQuestionItem2& item) override;
    void ShowResultWindow() override;
    QString HelpPage() const override;

private:
    TSentenceItem& SentenceOf(const TQuestionItem2& item) const;

    std::vector<Tfrm03_ResultEnglish*> FResultWindows;
};
