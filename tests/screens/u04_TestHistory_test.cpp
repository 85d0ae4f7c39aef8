#include <QTest>
#include <cmath>
#include <limits>
#include <gtest/gtest.h>

#include "ListScreenTestSupport.h"
#include "screens/u04_TestHistory.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/TrackBar.h"

using namespace guitest;

namespace {

constexpr double c9Dec2009 = 40156;

// Records "R1" (oldest) .. "Rn" (newest), told apart by their scope text.
void AddRecords(int count)
{
    for (int i = 1; i <= count; ++i) {
        TTestHistoryItem record;
        record.SetTestType(1 + i % 5);
        record.SetQuestionCount(20);
        record.SetWrongCount(3);
        record.SetUnansweredCount(2);
        record.SetRightCount(15);
        record.SetTestDate(c9Dec2009 + i);
        record.SetScopeText("R" + std::to_string(i));
        record.SetScore(75);
        gTestHistory->AddItem(record);
    }
}

class TestHistory : public ::testing::Test {
protected:
    void SetUp() override { WriteTrackPictures(Folder); }

    QString Cell(int column, int row) const { return Screen().RowLabels[column][row]->Caption(); }
    bool RowShown(int row) const { return !Screen().RowLabels[0][row]->isHidden(); }

    // Opens the viewer, runs `look` while it is open, and closes it by its exit button.
    void OpenAndLook(const std::function<void()>& look)
    {
        WhenModalOpens([&](QWidget*) {
            look();
            Screen().btnExit->click();
        });
        Screen().ShowHistory();
    }

    Tfrm04_TestHistory& Screen() const
    {
        if (!FScreen)
            FScreen = std::make_unique<Tfrm04_TestHistory>();
        return *FScreen;
    }

    TProgramFolder Folder;

private:
    mutable std::unique_ptr<Tfrm04_TestHistory> FScreen;
};

TEST_F(TestHistory, RowsFillNewestFirstAndScrollOnlyPastTwelve)
{
    const struct {
        int Records;
        int Maximum;
        int ShownRows;
    } cases[] = {{0, 0, 0}, {5, 0, 5}, {12, 0, 12}, {13, 1, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Records);
        CreateStores();
        AddRecords(c.Records);
        Tfrm04_TestHistory screen;
        WhenModalOpens([&](QWidget*) {
            EXPECT_EQ(screen.ctlTrack->Max(), c.Maximum);
            EXPECT_EQ(screen.Scrollable, c.Maximum > 0);
            EXPECT_EQ(BallTop(screen), c.Maximum > 0 ? 0 : -1);
            for (int row = 0; row < cHistoryRowCount; ++row)
                EXPECT_EQ(!screen.RowLabels[6][row]->isHidden(), row < c.ShownRows) << "row " << row;
            if (c.Records > 0) {
                EXPECT_EQ(screen.RowLabels[6][0]->Caption(), QString("R%1").arg(c.Records));
            }
            screen.btnDown->click();
            EXPECT_EQ(screen.ctlTrack->Position(), c.Maximum);
            screen.btnExit->click();
        });
        screen.ShowHistory();
    }
}

TEST_F(TestHistory, ThirteenRecordsScrollByOneWithButtonsAndKeys)
{
    AddRecords(13);
    OpenAndLook([&] {
        QTest::keyClick(&Screen(), Qt::Key_Down);
        EXPECT_EQ(Screen().ctlTrack->Position(), 1);
        EXPECT_EQ(Cell(6, 0), "R12");
        EXPECT_EQ(Cell(6, 11), "R1");
        EXPECT_EQ(BallTop(Screen()), 410);
        QTest::keyClick(&Screen(), Qt::Key_Down);
        EXPECT_EQ(Screen().ctlTrack->Position(), 1);
        Screen().btnUp->click();
        EXPECT_EQ(Cell(6, 0), "R13");
        EXPECT_EQ(BallTop(Screen()), 0);
    });
}

TEST_F(TestHistory, ColumnsShowTheRecord)
{
    AddRecords(1);
    OpenAndLook([&] {
        const QStringList expected = {"09／12／10", "看中文选英文", "75", "20", "15", "5", "R1"};
        for (int column = 0; column < cHistoryColumnCount; ++column)
            EXPECT_EQ(Cell(column, 0), expected[column]) << "column " << column + 1;
    });
}

TEST_F(TestHistory, WrongAndUnansweredAddUpPastTheIntegerLimit)
{
    TTestHistoryItem record;
    record.SetWrongCount(std::numeric_limits<std::int32_t>::max());
    record.SetUnansweredCount(1);
    gTestHistory->AddItem(record);
    Screen().ShowRows(0);
    EXPECT_EQ(Cell(5, 0), "2147483648");
}

TEST_F(TestHistory, AKindOutsideOneToFiveShowsEmpty)
{
    for (int type : {0, 6, -1}) {
        CreateStores();
        TTestHistoryItem record;
        record.SetTestType(type);
        gTestHistory->AddItem(record);
        Screen().ShowRows(0);
        EXPECT_EQ(Cell(1, 0), "") << "type " << type;
    }
}

TEST_F(TestHistory, TheComposingModeWritesTheFrameButtonsOfScreenFour)
{
    WritePicture(Folder.Pic() / "img" / "考试记录.jpg", Filled(800, 600, Qt::green), "JPG");
    for (const char* source : {"helpNor", "helpOn", "helpDown", "ExitNor", "exitOn", "exitDown", "MinNor", "MinOn",
                               "MinDown", "CloseNor", "CloseOn", "CloseDown"})
        WritePicture(Folder.Pic() / "png" / (std::string(source) + ".png"),
                     Filled(18, 14, QColor(0, 0, 255, 128), QImage::Format_ARGB32));
    gCreateMode = true;
    Tfrm04_TestHistory screen;
    gCreateMode = false;

    for (const char* written : {"nor/btnhelp4.bmp", "on/btnexit4.bmp", "Down/btnMin4.bmp", "Down/btnClose4.bmp"})
        EXPECT_TRUE(fs::exists(Folder.Pic() / written)) << written;
    const QImage help = screen.btnHelp->Picture(TButtonState::Normal);
    ASSERT_EQ(help.size(), QSize(18, 14));
    // Half-transparent blue over the background's green.
    EXPECT_GT(help.pixelColor(5, 5).blue(), 100);
    EXPECT_GT(help.pixelColor(5, 5).green(), 100);
}

TEST(TestHistoryDate, TwoDigitYearMonthDayWithFullWidthSolidus)
{
    const struct {
        double DayCount;
        const char* Text;
    } cases[] = {
        {c9Dec2009, "09／12／09"},
        {c9Dec2009 + 0.99, "09／12／09"},
        {40238, "10／03／01"},
        {36525.5, "99／12／31"},
        {36526, "00／01／01"},
        {std::nan(""), ""},
        {1e300, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTestDate(c.DayCount), QString::fromUtf8(c.Text)) << c.DayCount;
}

TEST_F(TestHistory, ReopeningStartsAtTheNewestWithTheRangeRecomputed)
{
    AddRecords(20);
    OpenAndLook([&] {
        Screen().ctlTrack->SetPosition(5);
        EXPECT_EQ(Cell(6, 0), "R15");
    });
    AddRecords(1);
    OpenAndLook([&] {
        EXPECT_EQ(Screen().ctlTrack->Max(), 9);
        EXPECT_EQ(Cell(6, 0), "R1");
        EXPECT_EQ(Screen().ctlTrack->Position(), 0);
        EXPECT_EQ(BallTop(Screen()), 0);
        Screen().btnDown->click();
        EXPECT_EQ(Screen().ctlTrack->Position(), 1);
    });
    CreateStores();
    OpenAndLook([&] {
        EXPECT_FALSE(RowShown(0));
        EXPECT_EQ(BallTop(Screen()), -1);
    });
}

TEST_F(TestHistory, DroppingTheBallSnapsItToItsRow)
{
    AddRecords(19);
    OpenAndLook([&] {
        ASSERT_EQ(Screen().Travel(), 410);
        QTest::mousePress(Screen().ctlPrgBg, Qt::LeftButton, {}, QPoint(5, 200));
        EXPECT_EQ(Screen().ctlTrack->Position(), 3);
        EXPECT_EQ(BallTop(Screen()), 175);
        EXPECT_EQ(Cell(6, 0), "R16");
        QTest::mouseRelease(Screen().ctlPrgBg, Qt::LeftButton, {}, QPoint(5, 200));
        QTest::mouseMove(Screen().ctlPrgBg, QPoint(5, 400));
        EXPECT_EQ(Screen().ctlTrack->Position(), 3) << "moving without the button held";
    });
}

TEST_F(TestHistory, ATrackWithoutTravelKeepsTheBallAtTheTopAndStillScrolls)
{
    const struct {
        const char* Name;
        int Track;
        int Ball;
    } cases[] = {{"pictures missing", 0, 0}, {"equal heights", 20, 20}, {"ball taller", 10, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        CreateStores();
        fs::remove_all(Folder.Pic() / "img");
        if (c.Track > 0)
            WriteTrackPictures(Folder, c.Track, c.Ball);
        AddRecords(14);
        Tfrm04_TestHistory screen;
        WhenModalOpens([&](QWidget*) {
            EXPECT_EQ(screen.Travel(), 0);
            screen.ctlPrgBgMouseDown(QPoint(0, 15));
            EXPECT_EQ(screen.ctlTrack->Position(), 0);
            const int ballTop = c.Track > 0 ? 0 : -1;
            EXPECT_EQ(BallTop(screen), ballTop);
            QTest::keyClick(&screen, Qt::Key_Down);
            QTest::keyClick(&screen, Qt::Key_Down);
            EXPECT_EQ(screen.ctlTrack->Position(), 2);
            EXPECT_EQ(screen.RowLabels[6][0]->Caption(), "R12");
            EXPECT_EQ(BallTop(screen), ballTop);
            screen.btnExit->click();
        });
        screen.ShowHistory();
    }
}

}  // namespace
