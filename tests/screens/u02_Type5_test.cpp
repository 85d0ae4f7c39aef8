#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "KindsTestSupport.h"
#include "engine/u02_Type5.h"
#include "results/u03_ResultEnglish.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"

using namespace kindstest;

namespace {

class SentenceTest : public ::testing::Test {
protected:
    // The sentences of Word List 1: 1 (bread), 2 (dinner), 3 (running).
    void Run(std::function<void()> steps)
    {
        Window.WordListIndex = 1;
        RunInside(Window, smWordList, 5, [this, steps] {
            Window.btnTestStartClick();
            steps();
        });
    }
    // Moves on to the page asking about `sentenceNumber`.
    void GoTo(int sentenceNumber)
    {
        while (Window.Questions->Item(Window.CurrentPage - 1)->ItemId != sentenceNumber) {
            Enter();
            Enter();
        }
    }
    void Type(const QString& text) { QTest::keyClicks(Window.edtInput, text); }
    void Enter() { QTest::keyClick(Window.edtInput, Qt::Key_Return); }
    TQuestionItem2& Current() { return *Window.Questions->Item(Window.CurrentPage - 1); }

    TKindsFolder Book;
    Tfrm02_Type5 Window;
};

TEST_F(SentenceTest, AWordListTestAsksTheSentencesOfItsWords)
{
    Run([this] {
        std::vector<int> asked;
        for (int i = 0; i < Window.Questions->Count(); ++i)
            asked.push_back(Window.Questions->Item(i)->ItemId);
        EXPECT_EQ(asked, (std::vector<int>{1, 2, 3}));
        EXPECT_TRUE(Window.Questions->IsSentence);
    });
}

TEST_F(SentenceTest, OnlyTheFirstOccurrenceIsBlankedAndOnlyTheSentencesFormIsRight)
{
    const struct {
        const char* Typed;
        std::uint8_t Status;
    } cases[] = {{"running", qsCorrect}, {"run", qsWrong}, {"Running", qsWrong}, {"", qsUnanswered}};
    for (const auto& c : cases) {
        Run([&] {
            GoTo(3);
            EXPECT_EQ(Window.lblEnglishSentence->Caption(), "She kept _____, and running made her happy.");
            Type(c.Typed);
            Enter();
            EXPECT_EQ(Current().Status, c.Status) << c.Typed;
            EXPECT_EQ(Window.imgOK->isVisibleTo(Window.OleQuestion), c.Status == qsCorrect) << c.Typed;
            EXPECT_EQ(Window.ImgError->isVisibleTo(Window.OleQuestion), c.Status != qsCorrect) << c.Typed;
        });
    }
}

TEST_F(SentenceTest, ATargetOnlyCapitalisedInTheSentenceLeavesNoBlankButIsStillExpected)
{
    const struct {
        const char* Typed;
        std::uint8_t Status;
    } cases[] = {{"Bread", qsWrong}, {"bread", qsCorrect}};
    for (const auto& c : cases) {
        Run([&] {
            GoTo(1);
            EXPECT_EQ(Window.lblEnglishSentence->Caption(), "Bread is on the table.");
            Type(c.Typed);
            Enter();
            EXPECT_EQ(Current().Status, c.Status) << c.Typed;
        });
    }
}

TEST_F(SentenceTest, HelpersShowTheTranslationTheWordsOwnPhoneticsAndFirstLetter)
{
    Run([this] {
        GoTo(3);
        EXPECT_FALSE(Window.lblChinese->isVisibleTo(Window.OleQuestion));
        ClickMark(Window.chkChinese);
        ClickMark(Window.chkShowPhonetic);
        EXPECT_TRUE(Window.lblChinese->isVisibleTo(Window.OleQuestion));
        EXPECT_EQ(Window.lblChinese->Caption(), "她一直跑，跑步让她快乐。");
        EXPECT_EQ(Window.lblPhonetic->Caption(), "rʌn");
        ClickMark(Window.chkFirst);
        EXPECT_EQ(Window.edtInput->text(), "r");
    });
}

TEST_F(SentenceTest, EverySentenceIsPlayedAndAgainOnRequest)
{
    Run([this] {
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"sentence/s1.mp3"});
        Window.btnSound->click();
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"sentence/s1.mp3"});
        Type("bread");
        Enter();
        Enter();
        EXPECT_EQ(TakePlayed(), (std::vector<std::string>{"sound/AnswerOK.mp3", "sentence/s2.mp3"}));
    });
}

TEST_F(SentenceTest, EveryHandInOpensAResultWindowOfItsOwnThatLivesWithTheTestWindow)
{
    TResultCloser results;
    Run([this] {
        Window.btnTestFinishedClick();
        Window.btnTestStartClick();
        Type("running");
        Enter();
        Window.btnTestFinishedClick();
    });
    ASSERT_EQ(results.Shown.size(), 2u);
    EXPECT_NE(results.Shown[0], results.Shown[1]);
    ASSERT_EQ(Window.ResultWindows().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(static_cast<Tfrm05_ResultBase*>(Window.ResultWindows()[i]), results.Shown[i]);
        EXPECT_EQ(results.Shown[i]->parent(), &Window);
        EXPECT_NE(results.Shown[i], static_cast<Tfrm05_ResultBase*>(frm03_ResultEnglish));
    }
    EXPECT_EQ(gTestHistory->Count(), 2);
}

TEST_F(SentenceTest, ANoteBookTestAsksTheSentencesOfTheSentenceNoteBook)
{
    gSentenceNoteBooks->GetNoteBook(0)->AddItems(testbook::Texts({2, 1}));
    gWordNoteBooks->GetNoteBook(0)->AddItems(testbook::Texts({2}));
    Window.NoteBookIndex = 0;
    RunInside(Window, smNoteBook, 5, [this] {
        Window.btnTestStartClick();
        ASSERT_EQ(Window.Questions->Count(), 2);
        EXPECT_EQ(Window.Questions->Item(0)->ItemId, 2);
        EXPECT_EQ(Window.Questions->Item(1)->ItemId, 1);
        EXPECT_EQ(Window.lblEnglishSentence->Caption(), "We had _____ at six.");
    });
}

TEST_F(SentenceTest, AWordListWithoutSentencesStartsNoTest)
{
    testbook::AddWordList(*gWordList, 1, 1);
    BuildWordListSen();
    Window.WordListIndex = 2;
    RunInside(Window, smWordList, 5, [this] {
        Tfrm09_Object::QueueAnswer(1);
        Window.btnTestStartClick();
        ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes()[0].Text, cNoSentenceText);
        EXPECT_TRUE(Window.btnTestStart->isEnabled());
        EXPECT_FALSE(Window.OleQuestion->isVisibleTo(&Window));
    });
}

}  // namespace
