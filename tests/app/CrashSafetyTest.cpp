// Kills a process that keeps saving the learner's files at random moments and checks
// after every kill that each file loads and holds one whole generation, none lost.
// VELLORA_CRASH_KILLS sets the number of kills (./test.sh --long runs 1000).
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "../support/TestBook.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"

namespace fs = std::filesystem;

namespace {

constexpr int cShortKillCount = 40;
constexpr int cWordCount = 3000;
// Long enough for several saves of files of this size.
constexpr int cLongestWaitMicroseconds = 25000;

int KillCount()
{
    if (const char* text = std::getenv("VELLORA_CRASH_KILLS"))
        return std::max(1, std::atoi(text));
    return cShortKillCount;
}

// A book big enough that each notebook file takes a while to write.
void WriteBook(const std::string& dataFolder)
{
    gDataPath = dataFolder;
    CreateStores();
    testbook::AddWords(*gWordPackage, cWordCount);
    std::vector<int> wordOfSentence;
    for (int word = 1; word <= cWordCount; ++word)
        wordOfSentence.push_back(word);
    testbook::AddSentences(*gSentenceList, wordOfSentence);
    ASSERT_TRUE(gWordPackage->SaveToFile(dataFolder + "word.dat"));
    ASSERT_TRUE(gSentenceList->SaveToFile(dataFolder + "sens.dat"));
    CreateStores();
    LoadStores();
}

// Starts the saver, waits until it has loaded the stores, lets it save for a random
// while and kills it. False when it never got ready.
bool RunAndKill(const std::string& dataFolder, int waitMicroseconds)
{
    int ready[2];
    if (pipe(ready) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        dup2(ready[1], STDOUT_FILENO);
        close(ready[0]);
        close(ready[1]);
        execl(VELLORA_CRASH_SAVER, VELLORA_CRASH_SAVER, dataFolder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    pollfd signal{ready[0], POLLIN, 0};
    char mark = 0;
    const bool started = poll(&signal, 1, 30000) == 1 && read(ready[0], &mark, 1) == 1 && mark == 'R';
    if (started)
        std::this_thread::sleep_for(std::chrono::microseconds(waitMicroseconds));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(ready[0]);
    return started && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Custom notebook 1 of the file: 1 .. n, and the seven notebooks with the untested one whole.
int NoteBookGeneration(const std::string& path, int untestedCount)
{
    TNoteBookList2 store;
    EXPECT_TRUE(store.LoadFromFile(path)) << path;
    EXPECT_EQ(store.NoteBooks.size(), 7u) << path;
    if (store.NoteBooks.size() != 7)
        return -1;
    EXPECT_EQ(store.GetNoteBook(6)->Count(), untestedCount) << path;
    const TNoteBook2& noteBook = *store.GetNoteBook(0);
    for (int i = 0; i < noteBook.Count(); ++i)
        if (noteBook.GetNumber(i) != i + 1) {
            ADD_FAILURE() << path << ": member " << i << " is " << noteBook.GetNumber(i);
            return -1;
        }
    return noteBook.Count();
}

// The number of records, each record i holding SC = i + 1.
int HistoryGeneration(const std::string& path)
{
    TTestHistoryPackage history;
    EXPECT_TRUE(history.LoadFromFile(path)) << path;
    for (int i = 0; i < history.Count(); ++i)
        if (history.GetItem(i)->GetQuestionCount() != i + 1) {
            ADD_FAILURE() << path << ": record " << i << " has SC " << history.GetItem(i)->GetQuestionCount();
            return -1;
        }
    return history.Count();
}

// Temporary files a kill left behind in the middle of a save; removed.
int RemoveLeftTemporaries(const fs::path& folder)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().find(".tmp") != std::string::npos) {
            fs::remove(entry.path());
            ++count;
        }
    return count;
}

}  // namespace

TEST(CrashSafety, EveryKillLeavesWholeFilesAndLosesNoSavedGeneration)
{
    testbook::TTempFolder app;
    const std::string data = app.Folder();
    WriteBook(data);
    const int kills = KillCount();
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> wait(0, cLongestWaitMicroseconds);

    int history = 0;
    int wordNoteBooks = 0;
    int sentenceNoteBooks = 0;
    int killedMidSave = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        ASSERT_TRUE(RunAndKill(data, wait(random))) << "kill " << kill;
        killedMidSave += RemoveLeftTemporaries(app.Path) > 0 ? 1 : 0;

        const int records = HistoryGeneration(data + "His.dat");
        const int words = NoteBookGeneration(data + "notes2.dat", cWordCount);
        const int sentences = NoteBookGeneration(data + "snotes2.dat", cWordCount);
        ASSERT_GE(records, history) << "kill " << kill << ": saved history records lost";
        ASSERT_GE(words, wordNoteBooks) << "kill " << kill << ": saved word notebooks lost";
        ASSERT_GE(sentences, sentenceNoteBooks) << "kill " << kill << ": saved sentence notebooks lost";
        // Each generation saves His.dat before the notebooks.
        ASSERT_LE(words, records) << "kill " << kill;
        ASSERT_LE(sentences, records) << "kill " << kill;
        history = records;
        wordNoteBooks = words;
        sentenceNoteBooks = sentences;
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_GT(history, 0) << "no save completed between the kills";
    std::printf("%d kills, %d of them in the middle of a save, %d generations saved\n", kills,
                killedMidSave, history);
}
