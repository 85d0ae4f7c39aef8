#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "TestRunSupport.h"
#include "engine/u02_Type1.h"
#include "screens/u00_Main.h"
#include "screens/u01_WordTest.h"
#include "screens/u05_SelNoteBook.h"
#include "store/u09_BussObj_History.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"

using namespace testrun;

namespace {

class TestCentre : public ::testing::Test {
protected:
    TestCentre() { frm01_WordTest = &Centre; }
    ~TestCentre() override { frm01_WordTest = nullptr; }

    template <class T>
    static T* VisibleWindow()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = dynamic_cast<T*>(window); found && found->isVisible())
                return found;
        return nullptr;
    }

    TTestRunFolder Run;
    Tfrm01_WordTest Centre;
};

TEST_F(TestCentre, WordListEntryCorrectsItselfAndTakesTwoDigits)
{
    Centre.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Centre));
    QTest::mouseClick(Centre.btnMode[1], Qt::LeftButton);
    ASSERT_TRUE(Centre.edtWordListIdx->isVisible());
    const struct {
        const char* Typed;
        const char* Shown;
        int Selected;
    } cases[] = {{"0", "1", 1}, {"99", "4", 4}, {"3", "3", 3}};
    for (const auto& c : cases) {
        Centre.edtWordListIdx->clear();
        QTest::keyClicks(Centre.edtWordListIdx, c.Typed);
        EXPECT_EQ(Centre.edtWordListIdx->text(), c.Shown) << c.Typed;
        EXPECT_EQ(Centre.SelectedWordList, c.Selected) << c.Typed;
    }
    Centre.edtWordListIdx->setText("12");
    Centre.edtWordListIdx->setCursorPosition(2);
    QTest::keyClick(Centre.edtWordListIdx, Qt::Key_3);
    QTest::keyClick(Centre.edtWordListIdx, Qt::Key_Return);
    EXPECT_EQ(Centre.edtWordListIdx->text(), "4");
    QTest::keyClick(Centre.edtWordListIdx, Qt::Key_Backspace);
    EXPECT_EQ(Centre.edtWordListIdx->text(), "");
    Centre.btnEnter->setFocus();
    EXPECT_EQ(Centre.edtWordListIdx->text(), "1");
}

TEST_F(TestCentre, EmptyNotebooksAreReportedAndNoTestStarts)
{
    // Notebook 1 holds a word but none of its sentences.
    gWordNoteBooks->GetNoteBook(0)->AddItems(testbook::Texts({20}));
    Centre.show();
    QTest::mouseClick(Centre.btnMode[2], Qt::LeftButton);
    const struct {
        int Kind;
        int NoteBookLabel;
        const char* Notice;
    } cases[] = {{1, 2, "该笔记本没有单词！"}, {5, 1, "该笔记本没有例句！"}};
    for (const auto& c : cases) {
        Tfrm09_Object::ClearAnswers();
        Tfrm09_Object::QueueAnswer(1);
        QTest::mouseClick(Centre.btnType[c.Kind - 1], Qt::LeftButton);
        Centre.AALabel1Click(Centre.NoteBookLabels[c.NoteBookLabel - 1]);
        QTest::mouseClick(Centre.btnEnter, Qt::LeftButton);
        ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1) << c.Kind;
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Text, QString::fromUtf8(c.Notice));
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Caption, "提示");
        EXPECT_EQ(VisibleWindow<Tfrm06_TestBase>(), nullptr);
    }
}

TEST_F(TestCentre, KindAndScopeChoicesShowTheirBoxes)
{
    Centre.show();
    EXPECT_TRUE(Centre.imgComboBox->isVisible());
    QTest::mouseClick(Centre.imgComboBox, Qt::LeftButton);
    EXPECT_TRUE(Centre.ctlComboDown->isVisible());
    Centre.Label1Click(Centre.lblFullBook);
    EXPECT_EQ(Centre.labSelCount->Caption(), "考察全书");
    EXPECT_EQ(Centre.labSelCount->Tag(), 50);
    EXPECT_FALSE(Centre.ctlComboDown->isVisible());
    QTest::mouseClick(Centre.btnType[1], Qt::LeftButton);
    EXPECT_EQ(Centre.SelectedType, 2);
    EXPECT_TRUE(Centre.rdoType[1]->isChecked());
    EXPECT_FALSE(Centre.rdoType[0]->isChecked());
    QTest::mouseClick(Centre.btnMode[2], Qt::LeftButton);
    EXPECT_TRUE(Centre.OleNoteBookSel->isVisible());
    EXPECT_FALSE(Centre.imgComboBox->isVisible());
    // The hover mark stands beside an option that is not chosen.
    Centre.btnType1MouseMove(1);
    EXPECT_TRUE(Centre.OleGif->isVisible());
    EXPECT_EQ(Centre.OleGif->pos(), Centre.rdoType[0]->pos() + QPoint(8, 6));
    Centre.btnType1MouseMove(2);
    EXPECT_FALSE(Centre.OleGif->isVisible());
}

TEST_F(TestCentre, TabSpaceAndEnterReachEveryControl)
{
    Centre.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Centre));
    std::set<QWidget*> reached = TabWalk(&Centre);
    std::vector<QWidget*> expected = {Centre.imgComboBox, Centre.btnEnter, Centre.btnHelp,
                                      Centre.btnExit,     Centre.btnMin,   Centre.btnClose};
    expected.insert(expected.end(), Centre.rdoType.begin(), Centre.rdoType.end());
    expected.insert(expected.end(), Centre.btnType.begin(), Centre.btnType.end());
    expected.insert(expected.end(), Centre.rdoMode.begin(), Centre.rdoMode.end());
    expected.insert(expected.end(), Centre.btnMode.begin(), Centre.btnMode.end());
    for (QWidget* control : expected)
        EXPECT_TRUE(reached.count(control)) << control->metaObject()->className() << " " << control->pos().x()
                                            << "," << control->pos().y();

    Centre.rdoType[2]->setFocus();
    QTest::keyClick(Centre.rdoType[2], Qt::Key_Space);
    EXPECT_EQ(Centre.SelectedType, 3);
    Centre.btnType[1]->setFocus();
    QTest::keyClick(Centre.btnType[1], Qt::Key_Return);
    EXPECT_EQ(Centre.SelectedType, 2);
    Centre.imgComboBox->setFocus();
    QTest::keyClick(Centre.imgComboBox, Qt::Key_Return);
    ASSERT_TRUE(Centre.ctlComboDown->isVisible());
    reached = TabWalk(&Centre);
    EXPECT_TRUE(reached.count(Centre.CountLabels[3]));
    Centre.CountLabels[3]->setFocus();
    QTest::keyClick(Centre.CountLabels[3], Qt::Key_Space);
    EXPECT_EQ(Centre.labSelCount->Tag(), 80);
    EXPECT_FALSE(Centre.ctlComboDown->isVisible());
    Tfrm09_Object::ClearAnswers();
    QTest::keyClick(&Centre, Qt::Key_F1);
    EXPECT_EQ(Run.Folder->Launcher.HelpPages, std::vector<std::string>{"frmTestCenter.htm"});
}

// Main menu → test centre → kind 1 on Word List 3 → four picks → hand-in → two wrong words
// into 笔记本2 → close → exit, then the learner's files as they are on disk.
TEST_F(TestCentre, TheRoadOfOneTest)
{
    Tfrm00_Main main;
    main.SetScreenOpener(cCmdTestCenter, [] { frm01_WordTest->ShowModal(); });
    main.InitMainWindow();
    main.show();
    ASSERT_FALSE(main.btnDelHistory->isEnabled());

    Tfrm02_Type1* test = nullptr;
    std::vector<int> wrongWords;
    std::vector<int> rightWords;
    TScript script;
    script.When([&] { return Showing(&Centre); }, [&] {
        QTest::mouseClick(Centre.btnType[0], Qt::LeftButton);
        QTest::mouseClick(Centre.btnMode[1], Qt::LeftButton);
        Centre.edtWordListIdx->selectAll();
        QTest::keyClicks(Centre.edtWordListIdx, "3");
        Centre.btnEnter->setFocus();
        QTest::keyClick(Centre.btnEnter, Qt::Key_Return);
    });
    script.When([&] { return (test = VisibleWindow<Tfrm02_Type1>()) != nullptr; }, [&] {
        EXPECT_FALSE(Centre.isVisible());
        EXPECT_EQ(test->edtGrpIdx1->text(), "1");
        EXPECT_EQ(test->labGrpCount->Caption(), "1");
        EXPECT_EQ(test->labTime->Caption(), "0 0  :  0 0");
        QTest::mouseClick(test->btnTestStart, Qt::LeftButton);
        ASSERT_EQ(test->Questions->Count(), 4);
        // Questions 1 and 3 right, 2 and 4 wrong.
        for (int q = 0; q < 4; ++q) {
            const TQuestionItem2* item = test->Questions->Item(q);
            const auto right = std::find(item->Options.begin(), item->Options.end(), item->ItemId);
            const int choice = static_cast<int>(right - item->Options.begin()) + (q % 2 ? 1 : 0);
            QTest::mouseClick(test->ChoiceButtons[q][choice % 4], Qt::LeftButton, {}, QPoint(6, 10));
            (q % 2 ? wrongWords : rightWords).push_back(item->ItemId);
        }
        Tfrm09_Object::QueueAnswer(1);
        QTest::mouseClick(test->btnNextPage, Qt::LeftButton);
    });
    script.When([&] { return Showing(frm03_ResultChinese); }, [&] {
        Tfrm03_ResultChinese& result = *frm03_ResultChinese;
        EXPECT_FALSE(test->isVisible());
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Text, cHandInQuestion);
        EXPECT_EQ(result.lblTestInfo->Caption(), "WL3 第1组 共4题 答对2题 答错2题 成绩50");
        for (int row = 0; row < 4; ++row)
            if (result.QuestionLabels[row]->FontColor() == QColor(255, 0, 0))
                QTest::mouseClick(result.RowCheckBoxes[row], Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(result.btnAddToNote, Qt::LeftButton);
        ASSERT_TRUE(result.NoteBookChooser->isVisible());
        Tfrm09_Object::QueueAnswer(1);
        QTest::mouseClick(result.NoteBookChooser->btnNote2, Qt::LeftButton);
        EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().last().Text, "此次共添加 2 个单词");
        QTest::mouseClick(result.btnExit, Qt::LeftButton);
    });
    script.When([&] { return Showing(test) && !Showing(frm03_ResultChinese); }, [&] {
        EXPECT_EQ(test->labTime->Caption(), "0 0  :  0 0");
        EXPECT_TRUE(test->btnTestStart->isEnabled());
        EXPECT_EQ(test->edtGrpIdx1->text(), "1");
        QTest::mouseClick(test->btnExit, Qt::LeftButton);
    });
    script.When([&] { return Showing(&Centre); }, [&] {
        EXPECT_EQ(Centre.SelectedWordList, 3);
        EXPECT_TRUE(Centre.rdoMode[1]->isChecked());
        QTest::mouseClick(Centre.btnExit, Qt::LeftButton);
    });
    main.ctlFlashFSCommand("FSCommand", cCmdTestCenter);

    ASSERT_TRUE(script.Done());
    EXPECT_TRUE(main.btnDelHistory->isEnabled());
    EXPECT_EQ(VisibleWindow<Tfrm02_Type1>(), nullptr);

    const fs::path data = Run.Folder->Data();
    TTestHistoryPackage history;
    ASSERT_TRUE(history.LoadFromFile((data / "His.dat").string()));
    ASSERT_EQ(history.Count(), 1);
    const auto record = history.GetItem(0);
    EXPECT_EQ(record->GetTestType(), 1);
    EXPECT_EQ(record->GetQuestionCount(), 4);
    EXPECT_EQ(record->GetRightCount(), 2);
    EXPECT_EQ(record->GetWrongCount(), 2);
    EXPECT_EQ(record->GetUnansweredCount(), 0);
    EXPECT_EQ(record->GetScore(), 50);
    EXPECT_EQ(record->GetScopeText(), "WL3 第1组");

    auto texts = [](const std::vector<int>& numbers) {
        TTextList list;
        for (int n : numbers)
            list.push_back(std::to_string(n));
        return list;
    };
    auto sentencesOf = [](const std::vector<int>& words) {
        TTextList list;
        for (int word : words)
            for (const std::string& sentence : gWordSenCross->GetSentenceList(word))
                list.push_back(sentence);
        return list;
    };
    TNoteBookList2 words;
    ASSERT_TRUE(words.LoadFromFile((data / "notes2.dat").string()));
    EXPECT_EQ(words.GetNoteBook(1)->Items(), texts(wrongWords));
    EXPECT_EQ(words.GetNoteBook(4)->Items(), texts(wrongWords));
    EXPECT_EQ(words.GetNoteBook(5)->Items(), texts(rightWords));
    EXPECT_EQ(words.GetNoteBook(6)->Count(), 46);
    TNoteBookList2 sentences;
    ASSERT_TRUE(sentences.LoadFromFile((data / "snotes2.dat").string()));
    EXPECT_EQ(sentences.GetNoteBook(1)->Items(), sentencesOf(wrongWords));
    EXPECT_EQ(sentences.GetNoteBook(4)->Items(), sentencesOf(wrongWords));
    EXPECT_EQ(sentences.GetNoteBook(5)->Items(), sentencesOf(rightWords));
    EXPECT_EQ(sentences.GetNoteBook(6)->Count(), 0);
}

}  // namespace
