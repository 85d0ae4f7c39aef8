#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../support/TestBook.h"
#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"
#include "platform/Launcher.h"

namespace fs = std::filesystem;
using testbook::TTempFolder;

namespace {

class TRecordingLauncher : public ILauncher {
public:
    bool StartDetached(const std::string& program, const std::string& argument) override
    {
        Started.emplace_back(program, argument);
        return true;
    }
    bool OpenHelpPage(const std::string&) override { return true; }
    bool OpenWebAddress(const std::string&) override { return true; }

    std::vector<std::pair<std::string, std::string>> Started;
};

class InitEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override { SetLauncher(&Launcher); }
    void TearDown() override { SetLauncher(nullptr); }

    TTempFolder App;
    TRecordingLauncher Launcher;
};

}  // namespace

TEST_F(InitEnvironmentTest, CreatesTheFourFoldersAndSetsTheValues)
{
    gExitConfirmed = true;
    InitEnvironment(App.Path.string());  // no trailing slash given

    EXPECT_EQ(gAppPath, App.Folder());
    EXPECT_EQ(gDataPath, App.Folder() + "data/");
    EXPECT_EQ(gPicPath, App.Folder() + "Pic/");
    EXPECT_EQ(gSoundPath, App.Folder() + "sound/");
    for (const char* folder : {"data", "Pic", "sound", "iniData"})
        EXPECT_TRUE(fs::is_directory(App.Path / folder)) << folder;
    EXPECT_FALSE(fs::exists(App.Path / "wordlist"));
    EXPECT_EQ(gGroupSize, 40);
    EXPECT_FALSE(gCreateMode);
    EXPECT_FALSE(gExitConfirmed);
    EXPECT_EQ(gTestTypeNames[1], "看英文选中文");
    EXPECT_EQ(gTestTypeNames[2], "看中文选英文");
    EXPECT_EQ(gTestTypeNames[3], "听音选中文");
    EXPECT_EQ(gTestTypeNames[4], "单词拼写");
    EXPECT_EQ(gTestTypeNames[5], "填写句子");
    EXPECT_TRUE(Launcher.Started.empty());
}

TEST_F(InitEnvironmentTest, ExistingFoldersAreUsedWhateverTheirLetterCase)
{
    fs::create_directories(App.Path / "DATA");
    fs::create_directories(App.Path / "pic");
    testbook::WriteFile(App.Path / "DATA" / "keep.txt", "kept");
    InitEnvironment(App.Folder());

    EXPECT_EQ(gDataPath, App.Folder() + "DATA/");
    EXPECT_EQ(gPicPath, App.Folder() + "pic/");
    EXPECT_FALSE(fs::exists(App.Path / "data"));
    EXPECT_EQ(testbook::ReadFile(App.Path / "DATA" / "keep.txt"), "kept");
}

TEST_F(InitEnvironmentTest, CreateDatSwitchesTheComposingMode)
{
    for (const char* marker : {"Create.dat", "create.DAT"}) {
        TTempFolder app;
        testbook::WriteFile(app.Path / marker, "");
        InitEnvironment(app.Folder());
        EXPECT_TRUE(gCreateMode) << marker;
    }
}

TEST_F(InitEnvironmentTest, TheUpdaterIsStartedOnceWithSilentCheck)
{
    struct Case {
        const char* folder;
        const char* program;
    };
    for (const Case& c : {Case{"update", "update.EXE"}, Case{"Update", "UPDATE.exe"}}) {
        TTempFolder app;
        fs::create_directories(app.Path / c.folder);
        testbook::WriteFile(app.Path / c.folder / c.program, "#!/bin/sh\n");
        Launcher.Started.clear();
        InitEnvironment(app.Folder());
        ASSERT_EQ(Launcher.Started.size(), 1u) << c.program;
        EXPECT_EQ(Launcher.Started[0].first, app.Folder() + c.folder + "/" + c.program);
        EXPECT_EQ(Launcher.Started[0].second, "/SilentCheck");
    }
}

TEST(InitConstantsTest, AssignsTheColoursAndLayoutConstants)
{
    InitConstants();
    EXPECT_EQ(clAnswerBack, (TRgbColor{231, 242, 226}));
    EXPECT_EQ(clHeaderBack, (TRgbColor{221, 247, 220}));
    EXPECT_EQ(clNoteLabelBack, (TRgbColor{231, 242, 226}));
    EXPECT_EQ(clCaptionFont, (TRgbColor{0, 82, 10}));
    EXPECT_EQ(clSampleFont, (TRgbColor{61, 102, 45}));
    EXPECT_EQ(clEditBack, (TRgbColor{237, 237, 217}));
    EXPECT_EQ(cSelButtonShift, 4);
    EXPECT_EQ(cModeGifLeft, 7);
    EXPECT_EQ(cModeGifTop, 4);
}

TEST(StripLineBreaksTest, RemovesEveryCarriageReturnAndLineFeed)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\r\n\r\n", ""},
        {"12", "12"},
        {"1\r\n2\n3\r", "123"},
        {" 1 \t", " 1 \t"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(StripLineBreaks(text), expected);
}

TEST(TestTypeNameTest, GivesEmptyTextOutsideTheFiveTypes)
{
    InitEnvironment(TTempFolder().Folder());
    EXPECT_EQ(TestTypeName(4), "单词拼写");
    for (int outside : {0, 6, -1, 1000})
        EXPECT_EQ(TestTypeName(outside), "");
}

TEST(ResolveCaseFoldedTest, MatchesEveryPartWithoutRegardToCase)
{
    TTempFolder root;
    fs::create_directories(root.Path / "Down");
    testbook::WriteFile(root.Path / "Down" / "btnHelp1.bmp", "");
    testbook::WriteFile(root.Path / "wlSen2.dat", "");
    testbook::WriteFile(root.Path / "WLSEN2.DAT", "");

    EXPECT_EQ(ResolveCaseFolded(root.Folder(), "down\\BTNHELP1.bmp"), root.Folder() + "Down/btnHelp1.bmp");
    EXPECT_EQ(ResolveCaseFolded(root.Folder(), "WLSEN2.DAT"), root.Folder() + "WLSEN2.DAT");  // exact wins
    EXPECT_EQ(ResolveCaseFolded(root.Folder(), "Nothing/here.png"), root.Folder() + "Nothing/here.png");
    EXPECT_TRUE(ExistsCaseFolded(root.Folder(), "DOWN/btnhelp1.BMP"));
    EXPECT_FALSE(ExistsCaseFolded(root.Folder(), "down/btnhelp2.bmp"));
}
