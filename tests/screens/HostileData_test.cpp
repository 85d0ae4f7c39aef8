// The screens on damaged and hostile data: Word Lists spanning more than 32 bits or
// nothing, notebooks holding zero, negative and oversized numbers, a meaning of a megabyte,
// a sound name that climbs out of the sound folder, and a learner's file that cannot be
// saved. Every screen still opens, tests run and hand in, and nothing outside is touched.
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

#include "TestRunSupport.h"
#include "engine/u02_Type1.h"
#include "platform/MediaPlayer.h"
#include "results/ResultBookkeeping.h"
#include "screens/u01_WordTest.h"
#include "screens/u04_NoteBookList.h"
#include "screens/u04_TestHistory.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"

using namespace testrun;

namespace {

// Remembers every file a test window asked to play; opens none.
class TRecordingPlayer : public IMediaPlayer {
public:
    explicit TRecordingPlayer(std::vector<std::string>& played) : Played(played) {}
    void SetFileName(const std::string& fileName) override { Name = fileName; }
    std::string FileName() const override { return Name; }
    bool Open() override
    {
        Played.push_back(Name);
        return false;
    }
    void Play() override {}
    void Stop() override {}
    void Close() override {}

    std::vector<std::string>& Played;
    std::string Name;
};

enum THostileWordList { wlBeyond32Bits = 1, wlWholeIntRange, wlNegative, wlNormal };

const std::string cHugeMeaning(1 << 20, 'm');

// 50 words; word 2's sound climbs out of the program folder, word 3 means a megabyte.
void WriteHostileBook(const fs::path& folder)
{
    fs::create_directories(folder);
    TWordPackage words;
    testbook::AddWords(words, 50);
    words.GetWord(1)->WriteString("TFN", "../../../outside.mp3");
    words.GetWord(2)->WriteString("C", cHugeMeaning);
    ASSERT_TRUE(words.SaveToFile((folder / "word.dat").string()));
    TWordList lists;
    for (const auto& [first, last] :
         {std::pair{1, 2147483647}, {-2147483647 - 1, 2147483647}, {-5, 0}, {1, 40}})
        testbook::AddWordList(lists, first, last);
    ASSERT_TRUE(lists.SaveToFile((folder / "word.lst").string()));
    TSentenceList sentences;
    testbook::AddSentences(sentences, {2, 3});
    ASSERT_TRUE(sentences.SaveToFile((folder / "sens.dat").string()));
}

class HostileScreens : public ::testing::Test {
protected:
    HostileScreens()
    {
        SetMediaPlayerFactory([this] { return std::make_unique<TRecordingPlayer>(Played); });
        WriteHostileBook(Book.Path);
        Folder = std::make_unique<guitest::TProgramFolder>(Book.Path, BuiltPictures());
        ResultChinese = std::make_unique<Tfrm03_ResultChinese>();
        frm03_ResultChinese = ResultChinese.get();
        const TTextList odd = {"0", "-5", "-2147483648", "2147483647", "99999999999", "3"};
        gWordNoteBooks->GetNoteBook(0)->SetItems(odd);
        gSentenceNoteBooks->GetNoteBook(0)->SetItems(odd);
        Outside = Folder->Path().parent_path() / "outside.mp3";
    }
    ~HostileScreens() override
    {
        frm03_ResultChinese = nullptr;
        SetMediaPlayerFactory({});
    }

    // Runs `start` (which presses start) in the shown window, hands the test in unanswered and
    // leaves the result window. A test without questions is handed in at its start, on the
    // answer `start` queued for the question.
    void HandInAndLeaveResult(Tfrm02_Type1& window, int scope, const std::function<void()>& start)
    {
        TScript script;
        script.When([&] { return window.isVisible(); }, [&] {
            start();
            if (window.btnTestFinished->isEnabled())
                QTest::mouseClick(window.btnTestFinished, Qt::LeftButton);
        });
        script.When([&] { return Showing(frm03_ResultChinese); },
                    [&] { QTest::mouseClick(frm03_ResultChinese->btnExit, Qt::LeftButton); });
        script.When([&] { return Showing(&window) && !Showing(frm03_ResultChinese); }, [&] { window.close(); });
        window.RunTest(scope, 1);
        EXPECT_TRUE(script.Done());
    }

    testbook::TTempFolder Book;
    std::vector<std::string> Played;
    std::unique_ptr<guitest::TProgramFolder> Folder;
    std::unique_ptr<Tfrm03_ResultChinese> ResultChinese;
    fs::path Outside;
};

TEST_F(HostileScreens, WordListsBeyond32BitsOrEmptyGiveGroupsThatRun)
{
    const struct {
        int WordList;
        const char* GroupCount;
        const char* LastGroup;
        int Questions;  // in the last group
    } cases[] = {
        {wlBeyond32Bits, "53687092", "53687092", 7},
        {wlWholeIntRange, "107374183", "107374183", 0},
        {wlNegative, "1", "1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.WordList);
        Tfrm02_Type1 window;
        window.WordListIndex = c.WordList;
        HandInAndLeaveResult(window, smWordList, [&] {
            EXPECT_EQ(window.labGrpCount->Caption(), c.GroupCount);
            window.edtGrpIdx1->setText("999999999");
            EXPECT_EQ(window.edtGrpIdx1->text(), c.LastGroup);
            if (c.Questions == 0)
                Tfrm09_Object::QueueAnswer(1);
            QTest::mouseClick(window.btnTestStart, Qt::LeftButton);
            ASSERT_NE(window.Questions, nullptr);
            EXPECT_EQ(window.Questions->Count(), c.Questions);
        });
    }
}

TEST_F(HostileScreens, TheTestCentreStartsATestOnAWordListBeyond32Bits)
{
    Tfrm01_WordTest centre;
    frm01_WordTest = &centre;
    // The centre destroys its test window when the test ends.
    QPointer<Tfrm02_Type1> test;
    TScript script;
    script.When([&] { return Showing(&centre); }, [&] {
        QTest::mouseClick(centre.btnType[0], Qt::LeftButton);
        QTest::mouseClick(centre.btnMode[1], Qt::LeftButton);
        centre.edtWordListIdx->selectAll();
        QTest::keyClicks(centre.edtWordListIdx, QString::number(wlBeyond32Bits));
        QTest::mouseClick(centre.btnEnter, Qt::LeftButton);
    });
    script.When([&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if ((test = dynamic_cast<Tfrm02_Type1*>(window)) && test->isVisible())
                return true;
        return false;
    }, [&] {
        EXPECT_EQ(test->labGrpCount->Caption(), "53687092");
        test->close();
    });
    script.When([&] { return Showing(&centre) && !Showing(test); }, [&] { centre.close(); });
    centre.ShowModal();
    EXPECT_TRUE(script.Done());
    frm01_WordTest = nullptr;
}

TEST_F(HostileScreens, ANoteBookOfOddNumbersIsTestedAndBrowsed)
{
    Tfrm02_Type1 window;
    window.NoteBookIndex = 0;
    HandInAndLeaveResult(window, smNoteBook, [&] {
        QTest::mouseClick(window.btnTestStart, Qt::LeftButton);
        EXPECT_EQ(window.Questions->Count(), 6);
        for (int page = 1; page < window.PageCount; ++page)
            window.NextPage();
    });
    // Handed in unanswered: the error notebook holds them all. Members below 0 and beyond
    // 32 bits name no word and read as 0, which is there once.
    EXPECT_EQ(gWordNoteBooks->GetNoteBook(4)->Items(), (TTextList{"0", "2147483647", "3"}));

    Tfrm04_NoteBookList manager;
    guitest::WhenModalOpens([&](QWidget*) {
        manager.btnNote1->click();
        EXPECT_EQ(manager.EnglishLabels[0]->Caption(), "");
        EXPECT_EQ(manager.EnglishLabels[5]->Caption(), "w3");
        EXPECT_EQ(manager.ChineseLabels[5]->Hint().size(), static_cast<qsizetype>(cHugeMeaning.size()));
        manager.btnExit->click();
    });
    manager.ShowNoteBooks();
}

TEST_F(HostileScreens, HistoryRecordsOfOddNumbersAreListed)
{
    for (const char* count : {"2147483647", "-2147483648", "99999999999"}) {
        TTestHistoryItem record;
        record.WriteString("TT", count);
        record.WriteString("SC", count);
        record.WriteString("EC", count);
        record.WriteString("TG", count);
        record.SetScopeText(cHugeMeaning);
        gTestHistory->AddItem(record);
    }
    Tfrm04_TestHistory viewer;
    guitest::WhenModalOpens([&](QWidget*) {
        EXPECT_EQ(viewer.RowLabels[1][0]->Caption(), "");
        viewer.btnExit->click();
    });
    viewer.ShowHistory();
}

TEST_F(HostileScreens, ASoundNameOutsideTheSoundFolderIsNeverOpened)
{
    testbook::WriteFile(Outside, "not a sound");
    Tfrm02_Type1 window;
    window.WordListIndex = wlNormal;
    HandInAndLeaveResult(window, smWordList, [&] {
        QTest::mouseClick(window.btnTestStart, Qt::LeftButton);
        TQuestionItem2 question;
        question.ItemId = 2;
        window.PlayWordSound(question);
    });
    fs::remove(Outside);
    ASSERT_FALSE(Played.empty());
    for (const std::string& name : Played)
        EXPECT_EQ(name.find(".."), std::string::npos) << name;
    EXPECT_GE(std::count(Played.begin(), Played.end(), ""), 1);
}

TEST_F(HostileScreens, AFailedSaveIsToldOnceThroughTheDialogService)
{
    const fs::path history = Folder->Data() / "His.dat";
    fs::remove(history);
    fs::create_directories(history / "in the way");
    Tfrm02_Type1 window;
    window.WordListIndex = wlNormal;
    // The notice waits for its answer.
    Tfrm09_Object::QueueAnswer(1);
    for (int run = 0; run < 2; ++run)
        HandInAndLeaveResult(window, smWordList, [&] { QTest::mouseClick(window.btnTestStart, Qt::LeftButton); });

    int notices = 0;
    for (const auto& box : Tfrm09_Object::AnsweredBoxes())
        if (box.Text.contains("His.dat")) {
            ++notices;
            EXPECT_EQ(box.Caption, "提示");
            EXPECT_TRUE(box.Text.contains(QString::fromStdString(history.string()))) << box.Text.toStdString();
        }
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(gTestHistory->Count(), 2) << "both records are kept in memory";
    EXPECT_TRUE(fs::is_directory(history));
}

}  // namespace
