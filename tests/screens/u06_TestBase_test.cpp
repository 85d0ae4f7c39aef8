#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "TestRunSupport.h"
#include "engine/u02_Type1.h"
#include "engine/u02_Type2.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"

using namespace testrun;

namespace {

class TestWindow : public ::testing::Test {
protected:
    TTestRunFolder Run;
    Tfrm02_Type1 Window;

    // The questions of the page shown, as their numbers 0-based.
    std::vector<int> ShownQuestions() const
    {
        std::vector<int> shown;
        for (const TImagePanel* panel : Window.QuestionPanels)
            if (panel->isVisible())
                shown.push_back(panel->Tag());
        return shown;
    }

    static TSkinRadioButton* Choice(Tfrm02_ChoiceTest& window, int panel, int choice)
    {
        return window.ChoiceButtons[panel][choice];
    }
};

TEST(TestClock, FormatTimeSpacesEveryDigit)
{
    const struct {
        int Seconds;
        const char* Text;
    } cases[] = {
        {0, "0 0  :  0 0"},
        {59, "0 0  :  5 9"},
        {125, "0 2  :  0 5"},
        {6000, "1 0 0  :  0 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tfrm06_TestBase::FormatTime(c.Seconds), QString::fromUtf8(c.Text)) << c.Seconds;
}

TEST(TestClock, GroupCountHasARemainderGroup)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {40, 1}, {41, 2}, {81, 3}};
    for (const auto& [items, groups] : cases)
        EXPECT_EQ(GroupCountOf(items), groups) << items;
}

TEST_F(TestWindow, DescribesItsScope)
{
    TQuestionList2 questions;
    Window.Questions = &questions;
    questions.SetScope(smWordList);
    Window.WordListIndex = 12;
    questions.GroupIndex = 3;
    EXPECT_EQ(Window.DescribeTest(), "WL12 第3组");
    questions.SetScope(smNoteBook);
    Window.NoteBookIndex = 4;
    questions.GroupIndex = 1;
    EXPECT_EQ(Window.DescribeTest(), QString::fromStdString(gWordNoteBooks->GetNoteBook(4)->ShortName) + " 第1组");
    questions.SetScope(smWholeBook);
    EXPECT_EQ(Window.DescribeTest(), "全书随机抽查");
    Window.Questions = nullptr;
}

TEST_F(TestWindow, WordListAndGroupEntriesCorrectThemselves)
{
    Window.WordListIndex = 1;
    WhileRunning(Window, smWordList, 1, [&] {
        EXPECT_EQ(Window.edtGrpIdx1->text(), "1");
        EXPECT_EQ(Window.labGrpCount->Caption(), "2");
        const std::pair<const char*, const char*> listCases[] = {{"0", "1"}, {"99", "4"}, {"3", "3"}};
        for (const auto& [typed, shown] : listCases) {
            Window.edtWordListIdx1->setText(typed);
            EXPECT_EQ(Window.edtWordListIdx1->text(), shown) << typed;
        }
        EXPECT_EQ(Window.WordListIndex, 3);
        EXPECT_EQ(Window.labGrpCount->Caption(), "1");
        Window.edtWordListIdx1->setText("1");
        const std::pair<const char*, const char*> groupCases[] = {{"0", "1"}, {"7", "2"}, {"2", "2"}};
        for (const auto& [typed, shown] : groupCases) {
            Window.edtGrpIdx1->setText(typed);
            EXPECT_EQ(Window.edtGrpIdx1->text(), shown) << typed;
        }
        // Only digits get through the keyboard.
        Window.edtGrpIdx1->clear();
        QTest::keyClicks(Window.edtGrpIdx1, "a1-");
        EXPECT_EQ(Window.edtGrpIdx1->text(), "1");
    });
}

TEST_F(TestWindow, NineQuestionsMakeThreePagesAndShowingThemJudgesNothing)
{
    Window.WordListIndex = 4;
    WhileRunning(Window, smWordList, 1, [&] {
        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        ASSERT_EQ(Window.Questions->Count(), 9);
        EXPECT_EQ(Window.PageCount, 3);
        EXPECT_EQ(Window.labSubjectCount->Caption(), "9");
        EXPECT_EQ(ShownQuestions(), (std::vector<int>{0, 1, 2, 3}));
        EXPECT_FALSE(Window.btnPrevPage->isEnabled());
        QTest::mouseClick(Window.btnNextPage, Qt::LeftButton);
        QTest::mouseClick(Window.btnNextPage, Qt::LeftButton);
        EXPECT_EQ(ShownQuestions(), std::vector<int>{8});
        // Next stays open on the last page: it leads to the hand-in question.
        EXPECT_TRUE(Window.btnNextPage->isEnabled());
        EXPECT_TRUE(Window.btnPrevPage->isEnabled());
        QTest::mouseClick(Window.btnPrevPage, Qt::LeftButton);
        for (int q = 0; q < Window.Questions->Count(); ++q) {
            EXPECT_EQ(Window.Questions->Item(q)->Status, qsUnanswered) << q;
            EXPECT_EQ(Window.Questions->Item(q)->ChosenId, 0) << q;
        }
    });
}

TEST_F(TestWindow, PagingBackShowsTheSameChoicesAndPicks)
{
    Window.WordListIndex = 4;
    WhileRunning(Window, smWordList, 1, [&] {
        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        TQuestionItem2* first = Window.Questions->Item(0);
        const TIntArray options = first->Options;
        ASSERT_EQ(options.size(), 4u);
        const auto right = std::find(options.begin(), options.end(), first->ItemId) - options.begin();
        const int wrong = right == 0 ? 1 : 0;
        QTest::mouseClick(Choice(Window, 0, wrong), Qt::LeftButton, {}, QPoint(6, 10));
        EXPECT_EQ(first->Status, qsWrong);
        QTest::mouseClick(Choice(Window, 0, static_cast<int>(right)), Qt::LeftButton, {}, QPoint(6, 10));
        EXPECT_EQ(first->Status, qsCorrect);
        EXPECT_EQ(first->ChosenId, first->ItemId);
        QTest::mouseClick(Window.btnNextPage, Qt::LeftButton);
        QTest::mouseClick(Window.btnPrevPage, Qt::LeftButton);
        EXPECT_EQ(first->Options, options);
        EXPECT_TRUE(Choice(Window, 0, static_cast<int>(right))->isChecked());
        EXPECT_FALSE(Choice(Window, 0, wrong)->isChecked());
        EXPECT_EQ(Choice(Window, 0, static_cast<int>(right))->text(),
                  QString::fromStdString("释义w" + std::to_string(first->ItemId)));
        EXPECT_EQ(first->Status, qsCorrect);
    });
}

TEST_F(TestWindow, NoAtTheHandInQuestionKeepsTheLastPageAndTheClock)
{
    Window.WordListIndex = 3;
    WhileRunning(Window, smWordList, 1, [&] {
        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        Tfrm09_Object::QueueAnswer(2);
        QTest::mouseClick(Window.btnNextPage, Qt::LeftButton);
        ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Text, cHandInQuestion);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Caption, "请选择");
        EXPECT_EQ(Window.CurrentPage, 1);
        EXPECT_TRUE(Window.ctlTime->isActive());
        EXPECT_TRUE(Window.btnTestFinished->isEnabled());
    });
}

TEST_F(TestWindow, ARetakeStartsAFreshListAndTheGroupEntryIsBackAtOne)
{
    Window.WordListIndex = 1;
    WhileRunning(Window, smWordList, 1, [&] {
        Window.edtGrpIdx1->setText("2");
        QTest::mouseClick(Window.btnUnOrder, Qt::LeftButton);
        EXPECT_TRUE(Window.RandomOrder);
        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        ASSERT_EQ(Window.Questions->Count(), 5);
        EXPECT_EQ(Window.DescribeTest(), "WL1 第2组");
        QTest::mouseClick(Choice(Window, 0, 0), Qt::LeftButton, {}, QPoint(6, 10));
        ASSERT_NE(Window.Questions->Item(0)->ChosenId, 0);

        TScript review;
        review.When([&] { return Showing(frm03_ResultChinese); }, [&] { frm03_ResultChinese->close(); });
        QTest::mouseClick(Window.btnTestFinished, Qt::LeftButton);

        EXPECT_TRUE(Window.isVisible());
        EXPECT_EQ(Window.labTime->Caption(), "0 0  :  0 0");
        EXPECT_EQ(Window.edtGrpIdx1->text(), "1");
        EXPECT_FALSE(Window.RandomOrder);
        EXPECT_TRUE(Window.btnTestStart->isEnabled());
        EXPECT_FALSE(Window.btnTestFinished->isEnabled());
        EXPECT_EQ(gTestHistory->Count(), 1);

        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        ASSERT_EQ(Window.Questions->Count(), 40);
        // Group 1 again, in the book's order (the random order went with the handed-in test),
        // and nothing picked.
        for (int q = 0; q < Window.Questions->Count(); ++q) {
            EXPECT_EQ(Window.Questions->Item(q)->ItemId, q + 1) << q;
            EXPECT_EQ(Window.Questions->Item(q)->ChosenId, 0) << q;
        }
        EXPECT_FALSE(Window.Questions->Item(4)->Prepared);
    });
}

TEST_F(TestWindow, WholeBookScopeHasNoGroupAndNoOrderSwitch)
{
    WhileRunning(Window, smWholeBook, 1, [&] {
        EXPECT_FALSE(Window.OleGrpIdx->isVisible());
        EXPECT_FALSE(Window.btnUnOrder->isEnabled());
        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        EXPECT_EQ(Window.Questions->Count(), 40);
        EXPECT_EQ(Window.Questions->GroupIndex, 0);
    });
}

TEST(TestWindowErrors, AStartThatFailsIsReportedAndTheWindowStaysIdle)
{
    TTestRunFolder run;
    testbook::UseBookInMemory(gDataPath, 3, {});
    Tfrm02_Type2 window;
    WhileRunning(window, smWholeBook, 2, [&] {
        Tfrm09_Object::QueueAnswer(1);
        QTest::mouseClick(window.btnTestStart, Qt::LeftButton);
        ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Text, cTestErrorText);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Caption, "提示");
        EXPECT_TRUE(window.btnTestStart->isEnabled());
        EXPECT_FALSE(window.ctlTime->isActive());
    });
}

TEST(TestWindowEmpty, AStartWithoutQuestionsAsksToHandInAtOnce)
{
    TTestRunFolder run;
    testbook::UseBookInMemory(gDataPath, 0, {});
    Tfrm02_Type1 window;
    WhileRunning(window, smWholeBook, 1, [&] {
        TScript review;
        review.When([&] { return Showing(frm03_ResultChinese); }, [&] { frm03_ResultChinese->close(); });
        Tfrm09_Object::QueueAnswer(1);
        QTest::mouseClick(window.btnTestStart, Qt::LeftButton);
        EXPECT_EQ(window.PageCount, 0);
        ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Text, cHandInQuestion);
        EXPECT_EQ(gTestHistory->Count(), 1);
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.btnTestStart->isEnabled());
    });
}

TEST_F(TestWindow, MissingSoundsPlayNothingAndReportNothing)
{
    Window.WordListIndex = 3;
    WhileRunning(Window, smWordList, 1, [&] {
        QTest::mouseClick(Window.btnTestStart, Qt::LeftButton);
        Window.PlayWordSound(*Window.Questions->Item(0));
        Window.PlaySentenceSound(gSentenceList->GetSentence(0));
        Window.PlayRightSound();
        Window.PlayWrongSound();
        Window.StopSound();
        EXPECT_TRUE(Tfrm09_Object::AnsweredBoxes().isEmpty());
        EXPECT_TRUE(Window.QuestionPanels[0]->isVisible());
        EXPECT_TRUE(Choice(Window, 0, 0)->isEnabled());
    });
}

TEST_F(TestWindow, TabAndSpaceReachEveryControl)
{
    Window.WordListIndex = 4;
    WhileRunning(Window, smWordList, 1, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
        std::set<QWidget*> reached = TabWalk(&Window);
        for (QWidget* control : std::initializer_list<QWidget*>{Window.btnTestStart, Window.btnUnOrder,
                                                                Window.edtWordListIdx1, Window.edtGrpIdx1,
                                                                Window.btnHelp, Window.btnExit, Window.btnMin,
                                                                Window.btnClose})
            EXPECT_TRUE(reached.count(control)) << control->pos().x() << "," << control->pos().y();
        EXPECT_FALSE(reached.count(Window.edtGrpIdx));
        Window.btnTestStart->setFocus();
        QTest::keyClick(Window.btnTestStart, Qt::Key_Space);
        ASSERT_EQ(Window.Questions->Count(), 9);
        // The disabled start button hands the keyboard to the first choice, not to the help button.
        EXPECT_EQ(QApplication::focusWidget(), Window.ChoiceButtons[0][0]);
        reached = TabWalk(&Window);
        for (QWidget* control : std::initializer_list<QWidget*>{Window.btnTestFinished, Window.btnNextPage,
                                                                Window.ChoiceButtons[3][3]})
            EXPECT_TRUE(reached.count(control)) << control->pos().x() << "," << control->pos().y();
        Window.ChoiceButtons[1][2]->setFocus();
        QTest::keyClick(Window.ChoiceButtons[1][2], Qt::Key_Space);
        EXPECT_EQ(Window.Questions->Item(1)->ChosenId, Window.Questions->Item(1)->Options[2]);
        Window.btnNextPage->setFocus();
        QTest::keyClick(Window.btnNextPage, Qt::Key_Return);
        EXPECT_EQ(Window.CurrentPage, 2);
    });
}

TEST_F(TestWindow, F1OpensTheKindsHelpPage)
{
    WhileRunning(Window, smWholeBook, 1, [&] {
        // F1 belongs to the window: it works once the window is the active one.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
        QTest::keyClick(&Window, Qt::Key_F1);
        Tfrm02_Type2 other;
        other.actHelp->trigger();
    });
    EXPECT_EQ(Run.Folder->Launcher.HelpPages, (std::vector<std::string>{"frmTestType1.htm", "frmTestType2.htm"}));
}

}  // namespace
