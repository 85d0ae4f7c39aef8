#include <QTest>
#include <gtest/gtest.h>

#include "TestRunSupport.h"
#include "screens/u05_SelNoteBook.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/SkinCheck.h"

using namespace testrun;

namespace {

class ResultWindow : public ::testing::Test {
protected:
    // Words 5, 6, 7 asked in a kind 1 test: 5 right, 6 left unanswered, 7 right.
    ResultWindow()
    {
        Questions.SetScope(smWordList);
        Questions.SetTestType(1);
        Questions.AddQuestions({5, 6, 7});
        Questions.Item(0)->ChooseOption(5);
        Questions.Item(2)->ChooseOption(7);
    }

    // Opens the review of `window` and runs `body` while it is open, then closes it.
    void Review(Tfrm05_ResultBase& window, const std::function<void()>& body)
    {
        window.ScopeText = "WL3 第1组";
        window.Questions = &Questions;
        TScript script;
        script.When([&] { return window.isVisible(); }, [&] {
            body();
            window.close();
        });
        window.ShowResult();
    }

    TTestRunFolder Run;
    TQuestionList2 Questions;
};

TEST_F(ResultWindow, ScoresRecordsAndShowsTheUnansweredInRed)
{
    const int historyBefore = gTestHistory->Count();
    Review(*frm03_ResultChinese, [&] {
        EXPECT_EQ(gTestHistory->Count(), historyBefore + 1);
        EXPECT_EQ(frm03_ResultChinese->lblTestInfo->Caption(), "WL3 第1组 共3题 答对2题 答错1题 成绩66");
        EXPECT_EQ(frm03_ResultChinese->YourAnswerLabels[1]->Caption(), "此题未做");
        EXPECT_EQ(frm03_ResultChinese->YourAnswerLabels[1]->FontColor(), QColor(255, 0, 0));
        EXPECT_EQ(frm03_ResultChinese->QuestionLabels[0]->Caption(), "w5");
        EXPECT_EQ(frm03_ResultChinese->AnswerLabels[0]->Caption(), "释义w5");
        EXPECT_EQ(frm03_ResultChinese->YourAnswerLabels[0]->FontColor(), QColor(0, 0, 0));
        EXPECT_FALSE(frm03_ResultChinese->RowCheckBoxes[3]->isVisible());
    });
    // Closing moved the words between the automatic notebooks and saved them.
    TNoteBookList2 saved;
    ASSERT_TRUE(saved.LoadFromFile((Run.Folder->Data() / "notes2.dat").string()));
    EXPECT_EQ(saved.GetNoteBook(4)->Items(), testbook::Texts({6}));
    EXPECT_EQ(saved.GetNoteBook(5)->Items(), testbook::Texts({5, 7}));
}

TEST_F(ResultWindow, EnglishAnswersShowTheChosenWord)
{
    Questions.SetTestType(2);
    Questions.Item(0)->ChooseOption(9);
    Review(*frm03_ResultEnglish, [&] {
        EXPECT_EQ(frm03_ResultEnglish->QuestionLabels[0]->Caption(), "释义w5");
        EXPECT_EQ(frm03_ResultEnglish->AnswerLabels[0]->Caption(), "w5");
        EXPECT_EQ(frm03_ResultEnglish->YourAnswerLabels[0]->Caption(), "w9");
        EXPECT_EQ(frm03_ResultEnglish->lblTestInfo->Caption(), "WL3 第1组 共3题 答对1题 答错2题 成绩33");
    });
}

TEST_F(ResultWindow, TickingButtonsFollowTheTicks)
{
    Tfrm05_ResultBase& window = *frm03_ResultChinese;
    Review(window, [&] {
        EXPECT_FALSE(window.btnAddToNote->isEnabled());
        EXPECT_FALSE(window.btnClear->isEnabled());
        EXPECT_TRUE(window.btnSelAll->isEnabled());
        QTest::mouseClick(window.AnswerLabels[1], Qt::LeftButton);
        EXPECT_TRUE(Questions.Item(1)->Selected);
        EXPECT_TRUE(window.RowCheckBoxes[1]->isChecked());
        EXPECT_TRUE(window.btnAddToNote->isEnabled());
        QTest::mouseClick(window.btnSelAll, Qt::LeftButton);
        EXPECT_FALSE(window.btnSelAll->isEnabled());
        QTest::mouseClick(window.btnUnSel, Qt::LeftButton);
        EXPECT_FALSE(window.btnAddToNote->isEnabled());
        EXPECT_FALSE(window.RowCheckBoxes[0]->isChecked());
        QTest::mouseClick(window.btnUnSel, Qt::LeftButton);
        QTest::mouseClick(window.btnClear, Qt::LeftButton);
        for (int q = 0; q < Questions.Count(); ++q)
            EXPECT_FALSE(Questions.Item(q)->Selected) << q;
    });
}

TEST_F(ResultWindow, TheKeyboardTicksAndAddsToANotebook)
{
    Tfrm05_ResultBase& window = *frm03_ResultChinese;
    Review(window, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const std::set<QWidget*> reached = TabWalk(&window);
        for (QWidget* control : std::initializer_list<QWidget*>{window.RowCheckBoxes[0], window.RowCheckBoxes[2],
                                                                window.chkShowError, window.btnSelAll,
                                                                window.btnUnSel, window.btnExit})
            EXPECT_TRUE(reached.count(control)) << control->pos().x() << "," << control->pos().y();
        window.RowCheckBoxes[1]->setFocus();
        QTest::keyClick(window.RowCheckBoxes[1], Qt::Key_Space);
        ASSERT_TRUE(Questions.Item(1)->Selected);
        window.btnAddToNote->setFocus();
        QTest::keyClick(window.btnAddToNote, Qt::Key_Return);
        ASSERT_TRUE(window.NoteBookChooser->isVisible());
        Tfrm09_Object::QueueAnswer(1);
        QTest::keyClick(window.NoteBookChooser->btnNote4, Qt::Key_Return);
        EXPECT_EQ(gWordNoteBooks->GetNoteBook(3)->Items(), testbook::Texts({6}));
        EXPECT_EQ(gSentenceNoteBooks->GetNoteBook(3)->Items(), testbook::Texts({2}));
    });
}

TEST_F(ResultWindow, OnlyWrongQuestionsOfAPerfectTestShowNoRows)
{
    Questions.Item(1)->ChooseOption(6);
    Tfrm05_ResultBase& window = *frm03_ResultChinese;
    Review(window, [&] {
        window.chkShowError->setChecked(true);
        EXPECT_TRUE(Questions.View.empty());
        for (int row = 0; row < Tfrm05_ResultBase::cRowCount; ++row)
            EXPECT_FALSE(window.RowCheckBoxes[row]->isVisible()) << row;
        window.chkShowError->setChecked(false);
        EXPECT_TRUE(window.RowCheckBoxes[2]->isVisible());
    });
}

TEST_F(ResultWindow, EndingTheProgramFromTheReviewStillSavesTheNotebooks)
{
    Review(*frm03_ResultChinese, [&] {
        Tfrm09_Object::QueueAnswer(1);
        QTest::mouseClick(frm03_ResultChinese->btnClose, Qt::LeftButton);
    });
    EXPECT_TRUE(gExitConfirmed);
    ForgetQuitRequest();
    TNoteBookList2 saved;
    ASSERT_TRUE(saved.LoadFromFile((Run.Folder->Data() / "notes2.dat").string()));
    EXPECT_EQ(saved.GetNoteBook(4)->Items(), testbook::Texts({6}));
}

}  // namespace
