// Saving the learner's files while the data folder refuses writes: the program goes
// on, the files on disk stay as they were, memory keeps the change, and the learner is
// told once per file. Each case runs in a child process, as faults such as a lowered
// file size limit or a private mount must not outlive it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sched.h>
#include <string>
#include <vector>

#include "../support/TestBook.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "platform/NoticeSink.h"
#include "store/unt99_XMLOpModal_File.h"

namespace fs = std::filesystem;

namespace {

constexpr int cSkipped = 77;
const std::vector<std::string> cLearnerFiles = {"His.dat", "notes2.dat", "snotes2.dat"};

class TNoticeRecorder : public INoticeSink {
public:
    void Inform(const std::string& title, const std::string& text) override
    {
        Notices.push_back({title, text});
    }
    std::vector<std::pair<std::string, std::string>> Notices;
};

// Puts a fault in place in the data folder; false when this machine cannot make it.
using TInject = std::function<bool(const fs::path& data)>;
// Takes the fault away again; empty when it cannot be undone.
using TClear = std::function<void(const fs::path& data)>;

struct TFaultCase {
    const char* Name;
    TInject Inject;
    TClear Clear;
    std::vector<std::string> Refused;  // the learner's files whose save must fail
};

void PrintTo(const TFaultCase& fault, std::ostream* out) { *out << fault.Name; }

bool MakeReadOnly(const fs::path& data)
{
    if (chmod(data.c_str(), 0555) != 0)
        return false;
    // The owner's rights do not bind root: go on as nobody.
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

bool LimitFileSize(const fs::path&)
{
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16;
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

void LiftFileSizeLimit(const fs::path&)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// The data folder moves onto a small private tmpfs that is then filled to the last byte.
bool FillFileSystem(const fs::path& data)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(data))
        files[entry.path().filename().string()] = testbook::ReadFile(entry.path());
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", data.c_str(), "tmpfs", 0, "size=256k") != 0)
        return false;
    for (const auto& [name, bytes] : files)
        testbook::WriteFile(data / name, bytes);
    const int filler = open((data / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
    const std::string block(4096, 'x');
    while (write(filler, block.data(), block.size()) > 0) {
    }
    while (write(filler, block.data(), 1) > 0) {
    }
    close(filler);
    return true;
}

void EmptyFileSystem(const fs::path& data) { fs::remove(data / "filler"); }

bool ReplaceHistoryByFolder(const fs::path& data)
{
    fs::remove(data / "His.dat");
    fs::create_directories(data / "His.dat");
    testbook::WriteFile(data / "His.dat" / "inside", "x");
    return true;
}

void RemoveHistoryFolder(const fs::path& data) { fs::remove_all(data / "His.dat"); }

std::map<std::string, std::optional<std::string>> LearnerFileBytes(const fs::path& data)
{
    std::map<std::string, std::optional<std::string>> bytes;
    for (const std::string& name : cLearnerFiles)
        bytes[name] = ReadWholeFile((data / name).string());
    return bytes;
}

// What a finished test changes: one more history record, one more member of custom notebook 1.
void RecordTest(int number)
{
    TTestHistoryItem record;
    record.SetQuestionCount(number);
    gTestHistory->AddItem(record);
    SaveHistory();
    gWordNoteBooks->GetNoteBook(0)->AddItems({std::to_string(number)});
    gSentenceNoteBooks->GetNoteBook(0)->AddItems({std::to_string(number)});
    SaveNoteBooks();
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Runs in the child: start, fault, two finished tests, then the fault cleared.
int RunFaultCase(const TFaultCase& fault, const fs::path& data)
{
    TNoticeRecorder recorder;
    SetNoticeSink(&recorder);
    gDataPath = data.string() + "/";
    CreateStores();
    LoadStores();
    if (!fault.Inject(data))
        return cSkipped;
    const auto before = LearnerFileBytes(data);

    RecordTest(1);
    RecordTest(2);

    EXPECT_EQ(gTestHistory->Count(), 2) << "the change is kept in memory";
    EXPECT_EQ(gWordNoteBooks->GetNoteBook(0)->Count(), 2);
    EXPECT_EQ(gSentenceNoteBooks->GetNoteBook(0)->Count(), 2);
    const auto after = LearnerFileBytes(data);
    for (const std::string& name : cLearnerFiles) {
        if (Contains(fault.Refused, name)) {
            EXPECT_EQ(after.at(name), before.at(name)) << name << " changed on disk";
        }
    }
    EXPECT_EQ(recorder.Notices.size(), fault.Refused.size()) << "one notice per refused file";
    for (std::size_t i = 0; i < fault.Refused.size() && i < recorder.Notices.size(); ++i) {
        EXPECT_EQ(recorder.Notices[i].first, "提示");
        EXPECT_NE(recorder.Notices[i].second.find(gDataPath + fault.Refused[i]), std::string::npos)
            << recorder.Notices[i].second;
    }

    if (fault.Clear) {
        fault.Clear(data);
        RecordTest(3);
        TTestHistoryPackage saved;
        EXPECT_TRUE(saved.LoadFromFile(gDataPath + "His.dat"));
        EXPECT_EQ(saved.Count(), 3) << "the kept change reaches the disk with the next save";
    }
    EXPECT_EQ(recorder.Notices.size(), fault.Refused.size()) << "at most one notice per file and run";
    SetNoticeSink(nullptr);
    return ::testing::Test::HasFailure() ? 1 : 0;
}

class SaveFaultTest : public ::testing::TestWithParam<TFaultCase> {};

TEST_P(SaveFaultTest, KeepsFilesAndMemoryAndTellsTheLearnerOnce)
{
    testbook::TTempFolder app;
    const fs::path data = app.Path / "data";
    fs::create_directories(data);
    for (const char* name : {"word.dat", "word.lst", "sens.dat"})
        fs::copy_file(fs::path(VELLORA_FIXTURES) / "book_small" / name, data / name);
    // The first start writes the learner's and the derived files.
    gDataPath = data.string() + "/";
    CreateStores();
    LoadStores();

    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(RunFaultCase(GetParam(), data));
    int status = 0;
    waitpid(child, &status, 0);
    chmod(data.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) == cSkipped)
        GTEST_SKIP() << GetParam().Name << " cannot be made here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFaultTest,
    ::testing::Values(TFaultCase{"ReadOnlyDataFolder", MakeReadOnly, {}, cLearnerFiles},
                      TFaultCase{"FileSizeLimit", LimitFileSize, LiftFileSizeLimit, cLearnerFiles},
                      TFaultCase{"FullFileSystem", FillFileSystem, EmptyFileSystem, cLearnerFiles},
                      TFaultCase{"HistoryReplacedByFolder", ReplaceHistoryByFolder, RemoveHistoryFolder,
                                 {"His.dat"}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
