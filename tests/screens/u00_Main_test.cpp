#include <QTest>
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "screens/u00_Main.h"
#include "widgets/ImageButton.h"
#include "widgets/MenuPanel.h"

using namespace guitest;

namespace {

const fs::path cBook = fs::path(VELLORA_FIXTURES) / "book_small";

class MainWindow : public ::testing::Test {
protected:
    MainWindow()
    {
        for (const char* command : {cCmdTestCenter, cCmdTestHistory, cCmdNoteList})
            Main.SetScreenOpener(command, [this, command] { Opened.push_back(command); });
        Main.InitMainWindow();
    }
    ~MainWindow() override { gExitConfirmed = false; }

    void AddHistoryRecord()
    {
        TTestHistoryItem record;
        record.SetQuestionCount(40);
        gTestHistory->AddItem(record);
        SaveHistory();
    }

    TProgramFolder Folder{cBook};
    Tfrm00_Main Main;
    std::vector<std::string> Opened;
};

TEST_F(MainWindow, MenuCommandsOpenTheirScreensOnExactArgsOnly)
{
    const struct {
        const char* Command;
        const char* Args;
        const char* Opens;
    } cases[] = {
        {"FSCommand", "TestCenter", "TestCenter"},
        {"anything", "TestHistory", "TestHistory"},
        {"", "NoteList", "NoteList"},
        {"FSCommand", "testcenter", nullptr},
        {"FSCommand", "TestCenter ", nullptr},
        {"TestCenter", "", nullptr},
    };
    for (const auto& c : cases) {
        Opened.clear();
        Main.ctlFlashFSCommand(c.Command, c.Args);
        if (c.Opens)
            EXPECT_EQ(Opened, std::vector<std::string>{c.Opens}) << c.Args;
        else
            EXPECT_TRUE(Opened.empty()) << "'" << c.Args << "'";
    }
}

TEST_F(MainWindow, ClickingAMenuItemRaisesItsCommand)
{
    Main.show();
    for (const char* args : {cCmdTestCenter, cCmdTestHistory, cCmdNoteList}) {
        Opened.clear();
        TImageButton* item = Main.ctlFlash->Item(args);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(Opened, std::vector<std::string>{args});
    }
    EXPECT_EQ(Main.ctlFlash->geometry(), QRect(2, 391, 665, 208));
}

TEST_F(MainWindow, ACommandWithoutItsScreenDoesNothing)
{
    Tfrm00_Main bare;
    bare.ctlFlashFSCommand("FSCommand", cCmdTestCenter);
    EXPECT_TRUE(Tfrm09_Object::AnsweredBoxes().isEmpty());
}

TEST_F(MainWindow, DelHistoryFollowsTheHistoryAfterEveryScreen)
{
    EXPECT_FALSE(Main.btnDelHistory->isEnabled());
    Main.SetScreenOpener(cCmdTestCenter, [this] { AddHistoryRecord(); });
    Main.ctlFlashFSCommand("FSCommand", cCmdTestCenter);
    EXPECT_TRUE(Main.btnDelHistory->isEnabled());

    Main.SetScreenOpener(cCmdTestHistory, [] { NewHistory(); });
    Main.suiImageButton2Click();
    EXPECT_FALSE(Main.btnDelHistory->isEnabled());
}

TEST_F(MainWindow, DelHistoryStartsEnabledWithRecords)
{
    AddHistoryRecord();
    Main.InitMainWindow();
    EXPECT_TRUE(Main.btnDelHistory->isEnabled());
}

TEST_F(MainWindow, CancellingTheClearLeavesTheLearnersFilesUntouched)
{
    AddHistoryRecord();
    gWordNoteBooks->GetNoteBook(0)->AddItems({"1", "2"});
    SaveNoteBooks();
    Main.InitMainWindow();
    std::map<std::string, std::string> before;
    for (const char* name : {"His.dat", "notes2.dat", "snotes2.dat"})
        before[name] = testbook::ReadFile(Folder.Data() / name);

    Tfrm09_Object::QueueAnswer(2);
    QTest::mouseClick(Main.btnDelHistory, Qt::LeftButton, {}, QPoint(2, 2));

    for (const auto& [name, bytes] : before)
        EXPECT_EQ(testbook::ReadFile(Folder.Data() / name), bytes) << name;
    ASSERT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
    EXPECT_EQ(Tfrm09_Object::AnsweredBoxes()[0].Text, "确实要清除历史记录吗？");
    EXPECT_TRUE(Main.btnDelHistory->isEnabled());
}

TEST_F(MainWindow, ConfirmingTheClearResetsHistoryAndNotebooks)
{
    AddHistoryRecord();
    gWordNoteBooks->GetNoteBook(0)->AddItems({"1", "2"});
    SaveNoteBooks();
    Main.InitMainWindow();

    Tfrm09_Object::QueueAnswer(1);
    Tfrm09_Object::QueueAnswer(1);
    Main.btnDelHistoryClick();

    const auto boxes = Tfrm09_Object::AnsweredBoxes();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[1].Caption, "提示");
    EXPECT_EQ(boxes[1].Text, "历史记录清除完毕！");
    EXPECT_FALSE(Main.btnDelHistory->isEnabled());

    CreateStores();
    LoadStores();
    EXPECT_EQ(gTestHistory->Count(), 0);
    EXPECT_TRUE(testbook::Members(*gWordNoteBooks, 0).empty());
    EXPECT_EQ(static_cast<int>(testbook::Members(*gWordNoteBooks, 6).size()), gWordPackage->Count());
    EXPECT_EQ(static_cast<int>(testbook::Members(*gSentenceNoteBooks, 6).size()), gSentenceList->Count());
}

TEST_F(MainWindow, CloseQueryAsksUnlessTheExitWasConfirmed)
{
    Main.show();
    Tfrm09_Object::QueueAnswer(2);
    Main.btnExitClick();
    EXPECT_TRUE(Main.isVisible());
    EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().back().Text, "确实要退出本软件吗？");

    Tfrm09_Object::QueueAnswer(1);
    Main.btnExitClick();
    EXPECT_FALSE(Main.isVisible());

    Main.show();
    Tfrm09_Object::ClearAnswers();
    gExitConfirmed = true;
    Main.close();
    EXPECT_FALSE(Main.isVisible());
    EXPECT_TRUE(Tfrm09_Object::AnsweredBoxes().isEmpty());
}

TEST_F(MainWindow, ConfirmingTheExitElsewhereClosesTheMainWindowWithoutAskingAgain)
{
    Main.show();
    Tfrm09_Object::QueueAnswer(1);
    Folder.SkinService->ConfirmExit();
    EXPECT_FALSE(Main.isVisible());
    EXPECT_EQ(Tfrm09_Object::AnsweredBoxes().size(), 1);
}

TEST_F(MainWindow, MinimiseMinimisesTheProgram)
{
    Main.show();
    Main.btnMinClick();
    EXPECT_TRUE(Main.isMinimized());
}

TEST_F(MainWindow, HelpAndHomeGoThroughTheLauncher)
{
    Main.show();
    Main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main));
    QTest::keyClick(&Main, Qt::Key_F1);
    Main.btnHomeClick();
    EXPECT_EQ(Folder.Launcher.HelpPages, std::vector<std::string>{"frmMain.htm"});
    EXPECT_EQ(Folder.Launcher.Addresses, std::vector<std::string>{cHomePageAddress});
}

TEST_F(MainWindow, FrameButtonsSitWhereTheSkinDrewThem)
{
    EXPECT_EQ(Main.size(), QSize(800, 600));
    EXPECT_TRUE(Main.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Main.windowTitle(), "澜橙记词");
    EXPECT_EQ(Main.btnHome->pos(), QPoint(681, 549));
    EXPECT_EQ(Main.btnHelp->pos(), QPoint(720, 549));
    EXPECT_EQ(Main.btnExit->pos(), QPoint(759, 549));
    EXPECT_EQ(Main.btnDelHistory->pos(), QPoint(673, 484));
    EXPECT_TRUE(Main.btnMin->isHidden());
    EXPECT_TRUE(Main.btnClose->isHidden());
}

TEST(MainWindowCompose, CreateModeComposesTheFrameButtonsBeforeLoading)
{
    TProgramFolder folder;
    WritePicture(folder.Pic() / "img" / "首页.jpg", Filled(800, 600, Qt::white), "JPG");
    WritePicture(folder.Pic() / "png" / "helpNor.png", Filled(36, 36, Qt::red, QImage::Format_ARGB32));
    WritePicture(folder.Pic() / "png" / "DelHistoryDis.png", Filled(80, 30, Qt::gray, QImage::Format_ARGB32));
    gCreateMode = true;
    Tfrm00_Main main;
    main.InitMainWindow();
    gCreateMode = false;

    EXPECT_TRUE(fs::exists(folder.Pic() / "nor" / "btnhelp1.bmp"));
    EXPECT_TRUE(fs::exists(folder.Pic() / "Dis" / "btnDelHistory1.bmp"));
    EXPECT_FALSE(fs::exists(folder.Pic() / "on" / "btnhelp1.bmp"));
    EXPECT_EQ(main.btnHelp->Picture(TButtonState::Normal).size(), QSize(36, 36));
    EXPECT_EQ(main.btnDelHistory->Picture(TButtonState::Disabled).size(), QSize(80, 30));
}

}  // namespace
