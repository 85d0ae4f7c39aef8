#include <QTest>
#include <gtest/gtest.h>

#include "KindsTestSupport.h"
#include "engine/u02_Type3.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"

using namespace kindstest;

namespace {

class ListeningTest : public ::testing::Test {
protected:
    // Word List 1 in book order: apple, bread, colour/color, dinner, egg, run.
    void Run(std::function<void()> steps)
    {
        Window.WordListIndex = 1;
        RunInside(Window, smWordList, 3, [this, steps] {
            Window.btnTestStartClick();
            steps();
        });
    }
    TQuestionItem2& Current() { return *Window.Questions->Item(Window.CurrentPage - 1); }
    // The choice showing the current word's meaning, or another one.
    TSkinRadioButton* Choice(bool right)
    {
        const TQuestionItem2& item = Current();
        const TSkinRadioButton* choices[] = {Window.rdoAnswer1_1, Window.rdoAnswer2_1, Window.rdoAnswer3_1,
                                             Window.rdoAnswer4_1};
        for (int i = 0; i < 4; ++i)
            if ((item.Options[i] == item.ItemId) == right)
                return const_cast<TSkinRadioButton*>(choices[i]);
        return nullptr;
    }
    void Pick(bool right) { ClickMark(Choice(right)); }
    bool Shown(QWidget* control) const { return control->isVisibleTo(Window.OleQuestion); }

    TKindsFolder Book;
    Tfrm02_Type3 Window;
};

TEST_F(ListeningTest, APageShowsFourMeaningsAndPlaysItsWordOnceMore)
{
    Run([this] {
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"word/apple.mp3"});
        EXPECT_EQ(Window.lblIdx->Caption(), "1.");
        int rightOnes = 0;
        for (TSkinRadioButton* choice : {Window.rdoAnswer1_1, Window.rdoAnswer2_1, Window.rdoAnswer3_1, Window.rdoAnswer4_1}) {
            EXPECT_FALSE(choice->isChecked());
            rightOnes += choice->text() == "n. 苹果";
        }
        EXPECT_EQ(rightOnes, 1);
        Window.btnSound->click();
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"word/apple.mp3"});
        Window.NextPage();
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"word/bread.mp3"});
        EXPECT_FALSE(Window.btnPrevPage->isVisibleTo(&Window));
    });
}

TEST_F(ListeningTest, WithoutJudgingTheLastPickCountsSilently)
{
    Run([this] {
        TakePlayed();
        Pick(false);
        EXPECT_EQ(Current().Status, qsWrong);
        Pick(true);
        EXPECT_EQ(Current().Status, qsCorrect);
        EXPECT_TRUE(TakePlayed().empty());
        EXPECT_FALSE(Shown(Window.imgOK));
        EXPECT_FALSE(Shown(Window.ImgError));
        EXPECT_TRUE(Window.rdoAnswer1_1->isEnabled());
        Window.NextPage();
        Window.NextPage();
        EXPECT_EQ(Window.Questions->Item(1)->Status, qsUnanswered);
    });
}

TEST_F(ListeningTest, JudgingAtOnceMarksThePickAndLocksTheChoices)
{
    const struct {
        bool Right;
        const char* Sound;
    } cases[] = {{false, "sound/AnswerErr.mp3"}, {true, "sound/AnswerOK.mp3"}};
    for (const auto& c : cases) {
        Run([&] {
            ClickMark(Window.chkShowOnError);
            TakePlayed();
            Pick(c.Right);
            EXPECT_EQ(Current().Status, c.Right ? qsCorrect : qsWrong);
            EXPECT_EQ(TakePlayed(), std::vector<std::string>{c.Sound});
            EXPECT_EQ(Shown(Window.imgOK), c.Right);
            EXPECT_EQ(Shown(Window.ImgError), !c.Right);
            EXPECT_EQ(Shown(Window.lblTrueAnswer), !c.Right);
            EXPECT_EQ(Window.lblTrueAnswer->Caption(), "n. 苹果");
            for (TSkinRadioButton* choice : {Window.rdoAnswer1_1, Window.rdoAnswer2_1, Window.rdoAnswer3_1, Window.rdoAnswer4_1})
                EXPECT_FALSE(choice->isEnabled());

            Window.NextPage();
            EXPECT_FALSE(Shown(Window.imgOK));
            EXPECT_FALSE(Shown(Window.ImgError));
            EXPECT_TRUE(Window.lblTrueAnswer->Caption().isEmpty());
            EXPECT_TRUE(Window.rdoAnswer1_1->isEnabled());
        });
    }
}

TEST_F(ListeningTest, TickingJudgingAfterAPickJudgesOnlyTheNextPick)
{
    Run([this] {
        Pick(false);
        TakePlayed();
        ClickMark(Window.chkShowOnError);
        EXPECT_TRUE(TakePlayed().empty());
        EXPECT_FALSE(Shown(Window.ImgError));
        Pick(true);
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"sound/AnswerOK.mp3"});
        EXPECT_TRUE(Shown(Window.imgOK));
    });
}

TEST_F(ListeningTest, PhoneticsFollowTheirBoxAndBothBoxesAreOffAfterARetake)
{
    TResultCloser results;
    Run([this] {
        EXPECT_FALSE(Shown(Window.lblPhonetic));
        ClickMark(Window.chkShowPhonetic);
        EXPECT_TRUE(Shown(Window.lblPhonetic));
        EXPECT_EQ(Window.lblPhonetic->Caption(), "ˈæpəl");
        ClickMark(Window.chkShowOnError);
        EXPECT_TRUE(Shown(Window.lblPhonetic));
        Window.NextPage();
        EXPECT_EQ(Window.lblPhonetic->Caption(), "bred");

        Window.btnTestFinishedClick();
        EXPECT_FALSE(Window.chkShowPhonetic->isChecked());
        EXPECT_FALSE(Window.chkShowOnError->isChecked());
        EXPECT_FALSE(Window.OleQuestion->isVisibleTo(&Window));
    });
    ASSERT_EQ(results.Shown.size(), 1u);
    EXPECT_EQ(results.Shown[0], static_cast<Tfrm05_ResultBase*>(frm03_ResultChinese));
}

}  // namespace
