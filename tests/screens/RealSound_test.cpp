// A test page really emits its sound: a private sound server with a null sink is recorded
// while a second process shows the first page of a spelling test with the real player.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "../support/TestBook.h"
#include "platform/MediaPlayer.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* cSinkName = "vellora_null_sink";
// Well above the noise of a silent sink (0) and far below a played tone (about 20 000).
constexpr int cAudibleLevel = 1000;
// How long a process may take to start or a sound to come out on a busy machine: the waits
// end as soon as what they wait for is there.
constexpr int cPatienceMs = 60000;

// The loudest 16-bit sample of raw little-endian mono audio.
int PeakLevel(const QByteArray& raw)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        std::int16_t sample;
        std::memcpy(&sample, raw.constData() + i, 2);
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

// One word, one Word List, and the word's sound: a one-second tone.
void WriteProgramFolder(const fs::path& folder)
{
    fs::create_directories(folder / "data");
    TWordPackage words;
    TWordItem word;
    word.WriteString("E", "apple");
    word.WriteString("C", "n. 苹果");
    word.WriteString("TFN", "apple.mp3");
    words.AddItem(word);
    ASSERT_TRUE(words.SaveToFile((folder / "data" / "word.dat").string()));
    TWordList lists;
    testbook::AddWordList(lists, 1, 1);
    ASSERT_TRUE(lists.SaveToFile((folder / "data" / "word.lst").string()));
    ASSERT_TRUE(TSentenceList().SaveToFile((folder / "data" / "sens.dat").string()));
    fs::create_symlink(VELLORA_SOUND_MODULE, folder / cSoundModuleName);
    fs::create_directories(folder / "sound" / "word");
    fs::copy_file(fs::path(VELLORA_FIXTURES) / "sound" / "tone.mp3", folder / "sound" / "word" / "apple.mp3");
}

// A sound server of this test alone, listening on a socket in `folder`.
class TPrivateSoundServer {
public:
    explicit TPrivateSoundServer(const fs::path& folder) : Socket(folder / "native")
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            env.insert(name, QString::fromStdString(folder.string()));
        env.remove("PULSE_SERVER");
        Server.setProcessEnvironment(env);
        Server.setProcessChannelMode(QProcess::MergedChannels);
        Server.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                      QString("module-null-sink sink_name=%1").arg(cSinkName), "-L",
                      QString("module-native-protocol-unix socket=%1 auth-anonymous=1")
                          .arg(QString::fromStdString(Socket.string()))});
        Server.waitForStarted(cPatienceMs);
        // Running() tells the test whether it came up.
        static_cast<void>(QTest::qWaitFor(
            [this] { return fs::exists(Socket) || Server.state() != QProcess::Running; }, cPatienceMs));
    }
    ~TPrivateSoundServer()
    {
        Server.kill();
        Server.waitForFinished(cPatienceMs);
    }
    bool Running() const { return Server.state() == QProcess::Running && fs::exists(Socket); }
    QString Address() const { return "unix:" + QString::fromStdString(Socket.string()); }
    QProcessEnvironment ClientEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", Address());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }
    QString Log() { return QString::fromLocal8Bit(Server.readAll()); }

    fs::path Socket;
    QProcess Server;
};

TEST(RealSound, ATestPagePlaysItsWordIntoTheSoundServer)
{
    for (const char* tool : {"pulseaudio", "parec"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed: no sound server to record, so this machine cannot show "
                         << "that a page emits audio (install pulseaudio and pulseaudio-utils)";

    testbook::TTempFolder temp;
    WriteProgramFolder(temp.Path / "program");
    TPrivateSoundServer server(temp.Path);
    ASSERT_TRUE(server.Running()) << server.Log().toStdString();

    // A file, not a pipe: a full pipe would stall the recorder before the sound comes.
    const fs::path recording = temp.Path / "recording.raw";
    const auto recorded = [&] {
        const std::string bytes = testbook::ReadFile(recording);
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    QProcess recorder;
    recorder.setProcessEnvironment(server.ClientEnvironment());
    recorder.setStandardOutputFile(QString::fromStdString(recording.string()));
    recorder.start("parec", {"-d", QString("%1.monitor").arg(cSinkName), "--format=s16le", "--rate=22050",
                             "--channels=1", "--raw", "--latency-msec=50"});
    ASSERT_TRUE(recorder.waitForStarted(cPatienceMs));
    // The sink's silence arriving shows the recorder listens before the sound starts.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorded().isEmpty(); }, cPatienceMs)) << server.Log().toStdString();

    // The probe stays on its page until its input closes: until the sound was heard, or never.
    QProcess probe;
    probe.setProcessEnvironment(server.ClientEnvironment());
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(VELLORA_SOUND_PROBE, {QString::fromStdString((temp.Path / "program").string() + "/")});
    ASSERT_TRUE(probe.waitForStarted(cPatienceMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return PeakLevel(recorded()) > cAudibleLevel || probe.state() != QProcess::Running; }, cPatienceMs))
        << "nothing audible and the probe still on its page after " << cPatienceMs / 1000 << " s";
    probe.closeWriteChannel();
    ASSERT_TRUE(probe.waitForFinished(cPatienceMs));
    const QString probeOutput = QString::fromLocal8Bit(probe.readAll());
    EXPECT_EQ(probe.exitCode(), 0) << probeOutput.toStdString();

    recorder.terminate();
    recorder.waitForFinished(cPatienceMs);
    const QByteArray samples = recorded();
    EXPECT_GT(PeakLevel(samples), cAudibleLevel) << "the sink heard only silence; the probe said:\n"
                                                 << probeOutput.toStdString();
}

}  // namespace
