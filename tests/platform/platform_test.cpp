#include <csignal>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "../screens/GuiTestSupport.h"
#include "ChmWriter.h"
#include "platform/HelpSource.h"
#include "platform/QtMediaPlayer.h"
#include "screens/u09_HelpViewer.h"

using namespace guitest;

namespace {

const std::string cBeep = std::string(VELLORA_FIXTURES) + "/sound/beep.mp3";
// How long a sound may take to start, play or be recorded on a busy machine: the waits end as
// soon as what they wait for is there.
constexpr int cSoundPatienceMs = 60000;

TEST(QtMediaPlayer, AMissingFileDoesNotOpen)
{
    TQtMediaPlayer player;
    player.SetFileName("/nowhere/word/apple.mp3");
    EXPECT_FALSE(player.Open());
    player.Play();
    EXPECT_EQ(player.Player()->playbackState(), QMediaPlayer::StoppedState);
}

TEST(QtMediaPlayer, PlaysAnMp3ToItsEndWithoutError)
{
    TQtMediaPlayer player;
    QSignalSpy errors(player.Player(), &QMediaPlayer::errorOccurred);
    player.SetFileName(cBeep);
    ASSERT_TRUE(player.Open());
    player.Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.Player()->mediaStatus() == QMediaPlayer::EndOfMedia; },
                                cSoundPatienceMs))
        << "status " << player.Player()->mediaStatus();
    EXPECT_EQ(errors.count(), 0);
    // The end of the media is the end of decoding: let the sound server play out what it holds.
    QTest::qWait(500);
    player.Close();
    EXPECT_TRUE(player.Player()->source().isEmpty());
}

// Plays the sound in a child copy of this test binary into a private sound server whose
// output is recorded, so that the test hears what came out.
TEST(QtMediaPlayer, TheSoundReachesTheSoundServer)
{
    const QString server = QStandardPaths::findExecutable("pulseaudio");
    const QString recorder = QStandardPaths::findExecutable("parec");
    if (server.isEmpty() || recorder.isEmpty())
        GTEST_SKIP() << "no pulseaudio or parec";
    testbook::TTempFolder temp;
    fs::permissions(temp.Path, fs::perms::owner_all, fs::perm_options::replace);
    const QString folder = QString::fromStdString(temp.Path.string());
    const QString socket = folder + "/pulse.sock";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", folder);
    environment.insert("HOME", folder);

    QProcess pulse;
    pulse.setProcessEnvironment(environment);
    pulse.start(server, {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                         "--load=module-null-sink sink_name=vellora_sink",
                         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, cSoundPatienceMs));

    QProcess record;
    record.start(recorder, {"--server=unix:" + socket, "-d", "vellora_sink.monitor", "--raw", "--format=s16le",
                            "--channels=1", "--rate=22050", "--latency-msec=20"});
    ASSERT_TRUE(record.waitForStarted());
    QByteArray samples;
    const auto recorded = [&] {
        samples += record.readAllStandardOutput();
        return samples.size();
    };
    // A third of a second of silence first: the recording runs before the sound starts.
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorded() > 22050 * 2 / 3; }, cSoundPatienceMs));

    QProcess child;
    QProcessEnvironment childEnvironment = QProcessEnvironment::systemEnvironment();
    childEnvironment.insert("PULSE_SERVER", "unix:" + socket);
    childEnvironment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(childEnvironment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=QtMediaPlayer.PlaysAnMp3ToItsEndWithoutError"});
    ASSERT_TRUE(child.waitForFinished(2 * cSoundPatienceMs));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    const int before = recorded();
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorded() > before + 22050; }, cSoundPatienceMs));

    // The recorder writes what it still holds when it is interrupted.
    ::kill(static_cast<pid_t>(record.processId()), SIGINT);
    record.waitForFinished();
    recorded();
    pulse.kill();
    pulse.waitForFinished();

    int loud = 0;
    for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
        const auto sample = static_cast<qint16>(static_cast<quint8>(samples[i]) | (static_cast<quint8>(samples[i + 1]) << 8));
        if (std::abs(sample) > 1000)
            ++loud;
    }
    // The beep lasts a quarter of a second: thousands of loud samples at 22 050 a second.
    EXPECT_GT(loud, 2000) << samples.size() << " bytes recorded";
}

TEST(QtMediaPlayer, StopEndsPlaying)
{
    TQtMediaPlayer player;
    player.SetFileName(cBeep);
    ASSERT_TRUE(player.Open());
    player.Play();
    player.Stop();
    EXPECT_EQ(player.Player()->playbackState(), QMediaPlayer::StoppedState);
}

TEST(MediaPlayerFactory, TestsCanInstallAnother)
{
    struct TSilentPlayer : IMediaPlayer {
        void SetFileName(const std::string& name) override { Name = name; }
        std::string FileName() const override { return Name; }
        bool Open() override { return true; }
        void Play() override {}
        void Stop() override {}
        void Close() override {}
        std::string Name;
    };
    SetMediaPlayerFactory([] { return std::make_unique<TSilentPlayer>(); });
    EXPECT_NE(dynamic_cast<TSilentPlayer*>(CreateMediaPlayer().get()), nullptr);
    SetMediaPlayerFactory({});
    EXPECT_EQ(dynamic_cast<TSilentPlayer*>(CreateMediaPlayer().get()), nullptr);
}

TEST(SoundModule, ItsPlayerPlaysAnMp3)
{
    const std::unique_ptr<IMediaPlayer> player = CreateModulePlayer(VELLORA_SOUND_MODULE);
    player->SetFileName(cBeep);
    EXPECT_TRUE(player->Open());
    player->Play();
    player->Stop();
    player->Close();
}

TEST(SoundModule, WithoutTheModuleNothingOpensAndNothingFails)
{
    testbook::TTempFolder temp;
    const fs::path notAModule = temp.Path / cSoundModuleName;
    testbook::WriteFile(notAModule, "not a shared library");
    for (const std::string& file : {(temp.Path / "missing.so").string(), notAModule.string()}) {
        const std::unique_ptr<IMediaPlayer> player = CreateModulePlayer(file);
        player->SetFileName(cBeep);
        EXPECT_FALSE(player->Open()) << file;
        EXPECT_EQ(player->FileName(), cBeep);
        player->Play();
        player->Stop();
        player->Close();
    }
}

class Help : public ::testing::Test {
protected:
    Help()
    {
        fs::create_directories(Folder.Path / "Help" / "img");
        testbook::WriteFile(Folder.Path / "Help" / "FrmMain.htm",
                            "<html><head><meta charset=\"utf-8\"></head><body><h1>主窗口</h1>"
                            "<a href=\"frmHistory.htm\">考试记录</a></body></html>");
        testbook::WriteFile(Folder.Path / "Help" / "frmHistory.htm", "<html><body><h1>考试记录</h1></body></html>");
        testbook::WriteFile(Folder.Path / "secret.txt", "not help");
        gAppPath = Folder.Folder();
    }
    ~Help() override
    {
        if (THelpViewer* viewer = THelpViewer::Instance())
            delete viewer;
    }

    testbook::TTempFolder Folder;
};

TEST_F(Help, PagesComeFromTheHelpFolderWithFoldedCase)
{
    const THelpSource source(QString::fromStdString(Folder.Folder()));
    EXPECT_FALSE(source.UsesCompiledHelp());
    const auto page = source.Read("frmMain.htm");
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(page->contains("主窗口"));
    EXPECT_FALSE(source.Read("frmNoteBook.htm").has_value());
    EXPECT_FALSE(source.Read("../secret.txt").has_value());
    EXPECT_FALSE(source.Read("").has_value());
}

TEST_F(Help, TheCompiledHelpFileWinsOverTheFolder)
{
    chmwriter::Write((Folder.Path / "Vellora.chm").string(),
                     {{"/frmMain.htm", "<html><head><meta charset=\"utf-8\"></head><body>帮助文件里的主窗口</body></html>"},
                      {"/img/logo.png", "png bytes"}});
    const THelpSource source(QString::fromStdString(Folder.Folder()));
    EXPECT_TRUE(source.UsesCompiledHelp());
    const auto page = source.Read("frmMain.htm");
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(page->contains("帮助文件里的主窗口"));
    EXPECT_EQ(source.Read("img/logo.png"), QByteArray("png bytes"));
    EXPECT_FALSE(source.Read("frmHistory.htm").has_value()) << "the folder is not read beside the file";

    ASSERT_TRUE(THelpViewer::Open("frmMain.htm"));
    EXPECT_TRUE(THelpViewer::Instance()->toPlainText().contains("帮助文件里的主窗口"));
}

TEST_F(Help, AnUnreadableHelpFileGivesNoPage)
{
    testbook::WriteFile(Folder.Path / "Vellora.chm", "ITSF but not really");
    const THelpSource source(QString::fromStdString(Folder.Folder()));
    EXPECT_TRUE(source.UsesCompiledHelp());
    EXPECT_FALSE(source.Read("frmMain.htm").has_value());
}

TEST_F(Help, TheWindowShowsThePageAndFollowsLinks)
{
    ASSERT_TRUE(THelpViewer::Open("frmMain.htm"));
    THelpViewer* viewer = THelpViewer::Instance();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->toPlainText().contains("主窗口"));
    emit viewer->anchorClicked(QUrl("#top"));
    EXPECT_EQ(viewer->CurrentPage(), "frmMain.htm");
    emit viewer->anchorClicked(QUrl("frmHistory.htm"));
    EXPECT_EQ(viewer->CurrentPage(), "frmHistory.htm");
    EXPECT_TRUE(viewer->toPlainText().contains("考试记录"));

    TRecordingLauncher launcher;
    SetLauncher(&launcher);
    emit viewer->anchorClicked(QUrl("https://corvane.example/"));
    SetLauncher(nullptr);
    EXPECT_EQ(launcher.Addresses, std::vector<std::string>{"https://corvane.example/"});
    EXPECT_EQ(viewer->CurrentPage(), "frmHistory.htm");
}

TEST_F(Help, AMissingPageOpensNothing)
{
    EXPECT_FALSE(THelpViewer::Open("frmTestType9.htm"));
    EXPECT_EQ(THelpViewer::Instance(), nullptr);
    EXPECT_TRUE(QApplication::activeModalWidget() == nullptr);
}

#ifdef VELLORA_EXECUTABLE
TEST(SingleCopy, ASecondCopyEndsSilentlyBeforeTouchingAnything)
{
    testbook::TTempFolder temp;
    const fs::path first = temp.Path / "first", second = temp.Path / "second", runtime = temp.Path / "run";
    for (const fs::path& folder : {first, second, runtime})
        fs::create_directories(folder);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    for (const fs::path& folder : {first, second})
        fs::copy_file(VELLORA_EXECUTABLE, folder / "vellora");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    environment.insert("XDG_CACHE_HOME", QString::fromStdString((temp.Path / "cache").string()));
    QProcess running;
    running.setProcessEnvironment(environment);
    running.start(QString::fromStdString((first / "vellora").string()), {});
    ASSERT_TRUE(running.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(first / "data" / "His.dat"); }, 20000));

    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.start(QString::fromStdString((second / "vellora").string()), {});
    ASSERT_TRUE(copy.waitForFinished(20000));
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.exitCode(), 0);
    EXPECT_TRUE(copy.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(copy.readAllStandardError().isEmpty());
    EXPECT_FALSE(fs::exists(second / "data"));
    EXPECT_EQ(running.state(), QProcess::Running);

    running.kill();
    running.waitForFinished();
}
#endif

}  // namespace
