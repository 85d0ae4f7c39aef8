#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "KindsTestSupport.h"
#include "engine/u02_Type4.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"

using namespace kindstest;

namespace {

class SpellingTest : public ::testing::Test {
protected:
    // Word List 1 in book order: apple, bread, colour/color, dinner, egg, run.
    void Run(std::function<void()> steps)
    {
        Window.WordListIndex = 1;
        RunInside(Window, smWordList, 4, [this, steps] {
            Window.btnTestStartClick();
            steps();
        });
    }
    void Type(const QString& text) { QTest::keyClicks(Window.edtInput, text); }
    void Enter() { QTest::keyClick(Window.edtInput, Qt::Key_Return); }
    TQuestionItem2& Question(int number) { return *Window.Questions->Item(number - 1); }
    QColor InputColor() const { return Window.edtInput->palette().color(QPalette::Text); }

    TKindsFolder Book;
    Tfrm02_Type4 Window;
};

TEST_F(SpellingTest, TypedAnswersAreTrimmedAndComparedExactly)
{
    const struct {
        int Page;
        const char* Typed;
        std::uint8_t Status;
        bool RightMark;
    } cases[] = {
        {1, "  apple ", qsCorrect, true},
        {1, "Apple", qsWrong, false},
        {1, "appl", qsWrong, false},
        {1, "", qsUnanswered, false},
        {1, "   ", qsUnanswered, false},
        {3, "colour", qsWrong, false},
        {3, "color", qsWrong, false},
        {3, "colour/color", qsCorrect, true},
    };
    for (const auto& c : cases) {
        Window.WordListIndex = 1;
        RunInside(Window, smWordList, 4, [&] {
            Window.btnTestStartClick();
            for (int page = 1; page < c.Page; ++page) {
                Enter();
                Enter();
            }
            ASSERT_EQ(Window.CurrentPage, c.Page);
            TakePlayed();
            Type(c.Typed);
            Enter();
            EXPECT_EQ(Question(c.Page).Status, c.Status) << "'" << c.Typed << "'";
            EXPECT_EQ(Window.imgOK->isVisibleTo(Window.OleQuestion), c.RightMark) << c.Typed;
            EXPECT_EQ(Window.ImgError->isVisibleTo(Window.OleQuestion), !c.RightMark) << c.Typed;
            EXPECT_EQ(TakePlayed(), std::vector<std::string>{c.RightMark ? "sound/AnswerOK.mp3" : "sound/AnswerErr.mp3"})
                << c.Typed;
        });
    }
}

TEST_F(SpellingTest, FirstEnterJudgesAndFreezesTheInputSecondEnterMovesOn)
{
    Run([this] {
        Type("apple");
        Enter();
        EXPECT_FALSE(Window.AwaitingAnswer);
        Type("xyz");
        QTest::keyClick(Window.edtInput, Qt::Key_Backspace);
        EXPECT_EQ(Window.edtInput->text(), "apple");
        EXPECT_EQ(Question(1).UserAnswer, "apple");
        EXPECT_EQ(Window.CurrentPage, 1);

        Enter();
        EXPECT_EQ(Window.CurrentPage, 2);
        EXPECT_TRUE(Window.AwaitingAnswer);
        EXPECT_TRUE(Window.edtInput->text().isEmpty());
        EXPECT_FALSE(Window.imgOK->isVisibleTo(Window.OleQuestion));
        EXPECT_FALSE(Window.btnPrevPage->isVisibleTo(&Window));
        EXPECT_FALSE(Window.btnNextPage->isVisibleTo(&Window));
    });
}

TEST_F(SpellingTest, CancellingTheHandInKeepsTheJudgedLastWordWhereEnterAsksAgain)
{
    TResultCloser results;
    Run([this] {
        for (int page = 1; page < Window.PageCount; ++page) {
            Enter();
            Enter();
        }
        Type("run");
        Enter();
        Tfrm09_Object::QueueAnswer(2);
        Enter();
        ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().back().Text, cHandInQuestion);
        EXPECT_EQ(Window.CurrentPage, Window.PageCount);
        EXPECT_EQ(Window.edtInput->text(), "run");
        EXPECT_FALSE(Window.AwaitingAnswer);
        EXPECT_TRUE(Window.imgOK->isVisibleTo(Window.OleQuestion));

        Tfrm09_Object::QueueAnswer(1);
        Enter();
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 2);
    });
    ASSERT_EQ(results.Shown.size(), 1u);
    // Unanswered words count as such, not as wrong.
    EXPECT_EQ(Window.Questions->Item(5)->Status, qsCorrect);
    EXPECT_EQ(Window.Questions->Item(0)->Status, qsUnanswered);
}

TEST_F(SpellingTest, TheRightAnswerIsShownOnlyWhenAsked)
{
    Run([this] {
        Type("Apple");
        Enter();
        EXPECT_TRUE(Window.lblTrueAnswer->Caption().isEmpty());
        EXPECT_EQ(InputColor(), QColor(Qt::black));
        Enter();

        ClickMark(Window.chkShowOnError);
        ASSERT_TRUE(Window.chkShowOnError->isChecked());
        Type("brad");
        Enter();
        EXPECT_EQ(Window.lblTrueAnswer->Caption(), "bread");
        EXPECT_EQ(InputColor(), QColor(Qt::red));
        Enter();
        EXPECT_TRUE(Window.lblTrueAnswer->Caption().isEmpty());
        EXPECT_EQ(InputColor(), QColor(Qt::black));

        Type("colour/color");
        Enter();
        EXPECT_TRUE(Window.lblTrueAnswer->Caption().isEmpty());
    });
}

TEST_F(SpellingTest, FirstLetterGoesInAndOutWithoutTouchingTypedText)
{
    Run([this] {
        ClickMark(Window.chkFirst);
        EXPECT_EQ(Window.edtInput->text(), "a");
        ClickMark(Window.chkFirst);
        EXPECT_TRUE(Window.edtInput->text().isEmpty());

        Type("ap");
        ClickMark(Window.chkFirst);
        EXPECT_EQ(Window.edtInput->text(), "ap");
        Window.edtInput->clear();
        ClickMark(Window.chkFirst);
        ClickMark(Window.chkFirst);
        ASSERT_TRUE(Window.chkFirst->isChecked());
        EXPECT_EQ(Window.edtInput->text(), "a");
        Type("pple");
        Enter();
        EXPECT_EQ(Question(1).Status, qsCorrect);

        // Judged: the input is not touched any more.
        ClickMark(Window.chkFirst);
        EXPECT_EQ(Window.edtInput->text(), "apple");
        ClickMark(Window.chkFirst);

        Enter();
        EXPECT_EQ(Window.edtInput->text(), "b");
        EXPECT_EQ(Window.edtInput->cursorPosition(), 1);
        EXPECT_FALSE(Window.edtInput->hasSelectedText());
    });
}

TEST_F(SpellingTest, HelpersShowWhatTheirBoxesSay)
{
    Run([this] {
        EXPECT_FALSE(Window.lblChinese->isVisibleTo(Window.OleQuestion));
        EXPECT_FALSE(Window.lblPhonetic->isVisibleTo(Window.OleQuestion));
        ClickMark(Window.chkChinese);
        EXPECT_TRUE(Window.lblChinese->isVisibleTo(Window.OleQuestion));
        EXPECT_EQ(Window.lblChinese->Caption(), "n. 苹果");
        ClickMark(Window.chkShowPhonetic);
        EXPECT_TRUE(Window.lblPhonetic->isVisibleTo(Window.OleQuestion));
        EXPECT_EQ(Window.lblPhonetic->Caption(), "ˈæpəl");
        EXPECT_TRUE(Window.edtInput->hasFocus() || QApplication::focusWidget() == nullptr);
        Enter();
        Enter();
        EXPECT_TRUE(Window.lblChinese->isVisibleTo(Window.OleQuestion));
        EXPECT_EQ(Window.lblChinese->Caption(), "n. 面包");
    });
}

TEST_F(SpellingTest, EveryWordIsPlayedAndAgainOnRequest)
{
    Run([this] {
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"word/apple.mp3"});
        Window.btnSound->click();
        EXPECT_EQ(TakePlayed(), std::vector<std::string>{"word/apple.mp3"});
        Enter();
        Enter();
        EXPECT_EQ(TakePlayed(), (std::vector<std::string>{"sound/AnswerErr.mp3", "word/bread.mp3"}));
    });
}

TEST_F(SpellingTest, EveryRunAndRetakeStartsWithTheBoxesOff)
{
    TResultCloser results;
    Run([this] {
        for (TSkinCheckBox* box : {Window.chkChinese, Window.chkShowPhonetic, Window.chkFirst, Window.chkShowOnError})
            ClickMark(box);
        Window.btnTestFinishedClick();
        EXPECT_FALSE(Window.OleQuestion->isVisibleTo(&Window));
        for (TSkinCheckBox* box : {Window.chkChinese, Window.chkShowPhonetic, Window.chkFirst, Window.chkShowOnError})
            EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
        Window.btnTestStartClick();
        EXPECT_TRUE(Window.edtInput->text().isEmpty());
    });
    EXPECT_EQ(results.Shown.size(), 1u);
}

class SpellingWithoutSounds : public ::testing::Test {
protected:
    TKindsFolder Book{{"apple.mp3", "AnswerOK.mp3", "AnswerErr.mp3"}};
    Tfrm02_Type4 Window;
};

TEST_F(SpellingWithoutSounds, APageWithoutItsSoundStaysAnswerable)
{
    Window.WordListIndex = 1;
    RunInside(Window, smWordList, 4, [this] {
        Window.btnTestStartClick();
        EXPECT_TRUE(Tfrm09_Object::AnsweredBoxes().isEmpty());
        EXPECT_TRUE(Window.PageReady);
        QTest::keyClicks(Window.edtInput, "apple");
        QTest::keyClick(Window.edtInput, Qt::Key_Return);
        EXPECT_EQ(Window.Questions->Item(0)->Status, qsCorrect);
        EXPECT_TRUE(Window.imgOK->isVisibleTo(Window.OleQuestion));
        EXPECT_TRUE(TakePlayed().empty());
    });
}

}  // namespace
