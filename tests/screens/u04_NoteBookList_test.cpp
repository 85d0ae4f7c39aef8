#include <QTest>
#include <gtest/gtest.h>

#include "ListScreenTestSupport.h"
#include "engine/u06_TestBase.h"
#include "screens/u04_NoteBookList.h"
#include "screens/u05_SelType.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/TrackBar.h"

using namespace guitest;
using testbook::Texts;

namespace {

constexpr int cWordCount = 20;

// Members 1 .. count.
TTextList FirstNumbers(int count)
{
    TTextList texts;
    for (int n = 1; n <= count; ++n)
        texts.push_back(std::to_string(n));
    return texts;
}

class NoteBookList : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTrackPictures(Folder);
        testbook::UseBookInMemory(Folder.Data().string() + "/", cWordCount, {1, 2, 3});
        Screen = std::make_unique<Tfrm04_NoteBookList>();
    }

    QString English(int row) const { return Screen->EnglishLabels[row]->Caption(); }

    TProgramFolder Folder;
    std::unique_ptr<Tfrm04_NoteBookList> Screen;
};

TEST_F(NoteBookList, RowsBallAndRangeFollowTheNoteBookSize)
{
    const struct {
        int Words;
        int Maximum;
        const char* LastRowAfterDown;
    } cases[] = {{8, 0, "w8"}, {9, 1, "w9"}, {3, 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Words);
        gWordNoteBooks->GetNoteBook(0)->SetItems(FirstNumbers(c.Words));
        Screen->show();
        Screen->btnNote1->click();

        EXPECT_EQ(Screen->lblNoteBookInfo->Caption(), QString("笔记本1   共 %1 个单词").arg(c.Words));
        EXPECT_EQ(Screen->ctlTrack->Max(), c.Maximum);
        EXPECT_EQ(BallTop(*Screen), c.Maximum > 0 ? 0 : -1);
        EXPECT_EQ(English(0), "w1");
        EXPECT_EQ(Screen->ChineseLabels[0]->Hint(), "释义w1");
        for (int row = 0; row < cNoteBookRowCount; ++row)
            EXPECT_EQ(English(row).isEmpty(), row >= c.Words) << "row " << row;

        QTest::keyClick(Screen.get(), Qt::Key_Down);
        EXPECT_EQ(Screen->ctlTrack->Position(), c.Maximum);
        EXPECT_EQ(English(cNoteBookRowCount - 1), c.LastRowAfterDown);
        EXPECT_EQ(BallTop(*Screen), c.Maximum > 0 ? 410 : -1);
        Screen->btnUp->click();
        EXPECT_EQ(English(0), "w1");
        Screen->close();
    }
}

TEST_F(NoteBookList, DroppingTheBallSnapsItToItsRow)
{
    gWordNoteBooks->GetNoteBook(4)->SetItems(FirstNumbers(15));
    Screen->show();
    Screen->btnTestErr->click();
    ASSERT_EQ(Screen->Travel(), 410);
    ASSERT_EQ(Screen->ctlTrack->Max(), 7);

    QTest::mousePress(Screen->ctlPrgBg, Qt::LeftButton, {}, QPoint(5, 200));
    EXPECT_EQ(Screen->ctlTrack->Position(), 3);
    EXPECT_EQ(BallTop(*Screen), 175);
    EXPECT_EQ(English(0), "w4");

    QTest::mouseMove(Screen->ctlPrgBg, QPoint(5, 1000));
    EXPECT_EQ(Screen->ctlTrack->Position(), 7) << "dragged past the bottom";
    EXPECT_EQ(BallTop(*Screen), 410);
    QTest::mouseRelease(Screen->ctlPrgBg, Qt::LeftButton, {}, QPoint(5, 410));
    QTest::mouseMove(Screen->ctlPrgBg, QPoint(5, 0));
    EXPECT_EQ(Screen->ctlTrack->Position(), 7) << "moving without the button held";
}

TEST_F(NoteBookList, EveryOpeningSelectsTheUntestedNoteBookAtItsTop)
{
    gWordNoteBooks->GetNoteBook(6)->SetItems(FirstNumbers(12));
    for (int opening = 0; opening < 2; ++opening) {
        WhenModalOpens([&](QWidget*) {
            EXPECT_EQ(Screen->SelectedNoteBook, 7);
            EXPECT_FALSE(Screen->btnUnTest->isEnabled());
            EXPECT_EQ(Screen->lblNoteBookInfo->Caption(), "未考词汇本   共 12 个单词");
            EXPECT_EQ(Screen->ctlTrack->Position(), 0);
            Screen->btnDown->click();
            Screen->btnNote2->click();
            EXPECT_TRUE(Screen->btnUnTest->isEnabled());
            EXPECT_FALSE(Screen->btnNote2->isEnabled());
            Screen->btnExit->click();
        });
        Screen->ShowNoteBooks();
    }
}

TEST_F(NoteBookList, ATestRunsOnTheSelectedNoteBookAndComesBackToTheUntestedOne)
{
    gWordNoteBooks->GetNoteBook(2)->SetItems(Texts({5, 6, 7}));
    Screen->show();
    Screen->btnNote3->click();
    Screen->btnStartTest->click();
    ASSERT_TRUE(Screen->TypeChooser->isVisible());

    int testedNoteBook = -1;
    bool managerHidden = false;
    WhenModalOpens([&](QWidget* window) {
        auto* test = qobject_cast<Tfrm06_TestBase*>(window);
        ASSERT_NE(test, nullptr);
        testedNoteBook = test->NoteBookIndex;
        managerHidden = Screen->isHidden();
        // What the result window does: tested words leave the untested notebook.
        gWordNoteBooks->GetNoteBook(6)->RemoveItems(Texts({5, 6, 7}));
        test->close();
    });
    Screen->TypeChooser->btnType1Click(Screen->TypeChooser->AALabel2);

    EXPECT_EQ(testedNoteBook, 2);
    EXPECT_TRUE(managerHidden);
    EXPECT_TRUE(Screen->isVisible());
    EXPECT_EQ(Screen->SelectedNoteBook, 7);
    EXPECT_EQ(Screen->lblNoteBookInfo->Caption(), QString("未考词汇本   共 %1 个单词").arg(cWordCount - 3));
    EXPECT_EQ(English(4), "w8");
}

TEST_F(NoteBookList, QuittingFromInsideATestDoesNotShowTheManagerAgain)
{
    Screen->show();
    WhenModalOpens([&](QWidget* window) {
        gExitConfirmed = true;
        window->close();
    });
    Screen->TypeChooser->btnType1Click(Screen->TypeChooser->AALabel2);
    EXPECT_FALSE(Screen->isVisible());
    gExitConfirmed = false;
}

TEST_F(NoteBookList, AnEmptyNoteBookIsRefused)
{
    // Notebook 2 holds sentences but no words; the error notebook words but no sentences.
    gSentenceNoteBooks->GetNoteBook(1)->SetItems(Texts({1, 2}));
    gWordNoteBooks->GetNoteBook(4)->SetItems(Texts({1}));
    const struct {
        TImageButton* Tfrm04_NoteBookList::*Button;
        int ChosenType;  // 0: the start button itself
        const char* Notice;
    } cases[] = {
        {&Tfrm04_NoteBookList::btnNote2, 0, "该笔记本没有单词！"},
        {&Tfrm04_NoteBookList::btnNote2, 1, "该笔记本没有单词！"},
        {&Tfrm04_NoteBookList::btnTestErr, 5, "该笔记本没有例句！"},
    };
    Screen->show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Notice);
        Tfrm09_Object::ClearAnswers();
        Tfrm09_Object::QueueAnswer(1);
        (Screen.get()->*c.Button)->click();
        if (c.ChosenType == 0) {
            Screen->btnStartTest->click();
        } else {
            Screen->TypeChooser->ChosenType = c.ChosenType;
            Screen->StartNoteBookTest(Screen->TypeChooser);
        }
        const auto boxes = Tfrm09_Object::AnsweredBoxes();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].Caption, "提示");
        EXPECT_EQ(boxes[0].Text, c.Notice);
        EXPECT_FALSE(Screen->TypeChooser->isVisible());
        EXPECT_TRUE(Screen->isVisible());
    }
}

TEST_F(NoteBookList, TheKindChooserStandsAtTheStartButtonsBottomRight)
{
    Screen->show();
    Screen->btnStartTest->click();
    const QRect button(Screen->btnStartTest->mapToGlobal(QPoint(0, 0)), Screen->btnStartTest->size());
    const QRect chooser = Screen->TypeChooser->geometry();
    EXPECT_EQ(chooser.left(), button.right() + 1 - 20);
    EXPECT_EQ(chooser.bottom(), button.bottom());
    Screen->close();
    EXPECT_FALSE(Screen->TypeChooser->isVisible());
}

}  // namespace
