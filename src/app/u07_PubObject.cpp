#include "app/u07_PubObject.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <limits>
#include <set>
#include <string>
#include <system_error>

#include "app/u09_BasePase.h"
#include "platform/NoticeSink.h"
#include "store/unt99_XMLOpModal_File.h"
#include "store/DayClock.h"

namespace fs = std::filesystem;

std::unique_ptr<TWordPackage> gWordPackage;
std::unique_ptr<TWordList> gWordList;
std::unique_ptr<TSentenceList> gSentenceList;
std::unique_ptr<TTestHistoryPackage> gTestHistory;
std::unique_ptr<TWordList> gWordListSen;
std::unique_ptr<TNoteBookList2> gWordNoteBooks;
std::unique_ptr<TNoteBookList2> gSentenceNoteBooks;
std::unique_ptr<TWordSenCross> gWordSenCross;

namespace {

// The seven notebooks every screen relies on.
constexpr std::int32_t cNoteBookCount = 7;

// A data file by its documented name, matched without regard to letter case.
std::string DataFile(const std::string& name)
{
    return ResolveCaseFolded(gDataPath, name);
}

bool DataFileExists(const std::string& name)
{
    return ExistsCaseFolded(gDataPath, name);
}

// "-20261211-101500" for the moment of the clock in use.
std::string AsideStamp()
{
    const std::time_t moment = TimeFromDayCount(NowDayCount());
    std::tm local{};
    localtime_r(&moment, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "-%Y%m%d-%H%M%S", &local);
    return stamp;
}

// The learner's files whose failed save the learner has been told of in this run.
std::set<std::string>& ReportedSaveFailures()
{
    static std::set<std::string> reported;
    return reported;
}

// A learner's file that cannot be written: the change stays in memory, and the learner
// hears of it once per file and run, or would never know that it is not on disk.
void SaveLearnerFile(TNodeObj& store, const std::string& name)
{
    const std::string path = DataFile(name);
    if (store.SaveToFile(path) || ReportedSaveFailures().count(name) || !GetNoticeSink())
        return;
    ReportedSaveFailures().insert(name);
    SendNotice("提示", "无法保存文件：\n" + path +
                          "\n\n本次的更改仍保留在程序中，但退出后将会丢失。请检查磁盘空间和数据文件夹的写入权限。");
}

// Moves an unreadable learner's file out of the way of the next save, keeping it.
// Where the rename fails the folder is not writable, so no save can replace the file either.
void KeepAside(const std::string& path)
{
    const std::string base = path + ".unreadable" + AsideStamp();
    std::string aside = base;
    std::error_code error;
    for (int n = 2; fs::exists(aside, error); ++n)
        aside = base + "-" + std::to_string(n);
    fs::rename(path, aside, error);
}

// Loaded, and with every notebook the screens use.
bool LoadNoteBookFile(TNoteBookList2& store, const std::string& path)
{
    return store.LoadFromFile(path) && static_cast<std::int32_t>(store.NoteBooks.size()) >= cNoteBookCount;
}

void LoadHistory()
{
    if (!DataFileExists("His.dat")) {
        NewHistory();
        return;
    }
    const std::string path = DataFile("His.dat");
    if (!gTestHistory->LoadFromFile(path)) {
        KeepAside(path);
        NewHistory();
    }
}

void LoadNoteBooks()
{
    if (!DataFileExists("notes2.dat") || !DataFileExists("sNotes2.dat")) {
        ResetNoteBooks();
        return;
    }
    const std::string wordPath = DataFile("notes2.dat");
    const std::string sentencePath = DataFile("snotes2.dat");
    const bool wordsRead = LoadNoteBookFile(*gWordNoteBooks, wordPath);
    const bool sentencesRead = LoadNoteBookFile(*gSentenceNoteBooks, sentencePath);
    if (wordsRead && sentencesRead)
        return;
    if (!wordsRead)
        KeepAside(wordPath);
    if (!sentencesRead)
        KeepAside(sentencePath);
    ResetNoteBooks();
}

void LoadCrossIndex()
{
    if (DataFileExists("WSCross.dat")) {
        gWordSenCross->LoadFromFile(DataFile("WSCross.dat"));
        return;
    }
    gWordSenCross->Build(*gSentenceList);
    gWordSenCross->SaveToFile(DataFile("WSCross.dat"));
}

// The word numbers the cross index knows, as a range to scan.
struct TWordRange {
    std::int32_t First = std::numeric_limits<std::int32_t>::max();
    std::int32_t Last = std::numeric_limits<std::int32_t>::min();
};

TWordRange IndexedWords(const TWordSenCross& cross)
{
    TWordRange range;
    for (const std::string& key : cross.WordKeys()) {
        if (const std::optional<std::int32_t> word = ParseInteger(key)) {
            range.First = std::min(range.First, *word);
            range.Last = std::max(range.Last, *word);
        }
    }
    return range;
}

}  // namespace

void CreateStores()
{
    ReportedSaveFailures().clear();
    gWordPackage = std::make_unique<TWordPackage>();
    gWordList = std::make_unique<TWordList>();
    gSentenceList = std::make_unique<TSentenceList>();
    gTestHistory = std::make_unique<TTestHistoryPackage>();
    gWordListSen = std::make_unique<TWordList>();
    gWordNoteBooks = std::make_unique<TNoteBookList2>();
    gSentenceNoteBooks = std::make_unique<TNoteBookList2>();
    gWordSenCross = std::make_unique<TWordSenCross>();
}

void LoadStores()
{
    // This copy holds the single-copy lock, so no save of another copy is under way.
    RemoveAbandonedTemporaries(gDataPath);
    if (DataFileExists("word.dat"))
        gWordPackage->LoadFromFile(DataFile("word.dat"));
    if (DataFileExists("word.lst"))
        gWordList->LoadFromFile(DataFile("word.lst"));
    if (DataFileExists("sens.dat"))
        gSentenceList->LoadFromFile(DataFile("sens.dat"));
    LoadHistory();
    LoadNoteBooks();
    LoadCrossIndex();
    if (DataFileExists("wlsen2.dat"))
        gWordListSen->LoadFromFile(DataFile("wlsen2.dat"));
    else
        BuildWordListSen();
}

void BuildWordListSen()
{
    gWordListSen = std::make_unique<TWordList>();
    // Words outside the indexed range have no sentence, so the scans stay within it
    // however wide a damaged Word List claims to be.
    const TWordRange indexed = IndexedWords(*gWordSenCross);
    TIntArray sentences;
    for (std::int32_t i = 0; i < gWordList->Count(); ++i) {
        const TWordListItem& wordList = gWordList->GetItem(i);
        const std::int64_t from = std::max(wordList.GetBegin(), indexed.First);
        const std::int64_t to = std::min(wordList.GetEnd(), indexed.Last);
        std::int32_t first = -1;
        std::int32_t last = -1;
        for (std::int64_t word = from; word <= to; ++word) {
            gWordSenCross->GetSentenceNumbers(static_cast<std::int32_t>(word), sentences);
            if (!sentences.empty()) {
                first = sentences.front();
                break;
            }
        }
        for (std::int64_t word = to; word >= from; --word) {
            gWordSenCross->GetSentenceNumbers(static_cast<std::int32_t>(word), sentences);
            if (!sentences.empty()) {
                last = sentences.back();
                break;
            }
        }
        TWordListItem run;
        run.SetBegin(first);
        run.SetEnd(last);
        gWordListSen->AddItem(run);
    }
    gWordListSen->SaveToFile(DataFile("wlSen2.dat"));
}

void SaveHistory()
{
    SaveLearnerFile(*gTestHistory, "His.dat");
}

void SaveNoteBooks()
{
    SaveLearnerFile(*gWordNoteBooks, "notes2.dat");
    SaveLearnerFile(*gSentenceNoteBooks, "snotes2.dat");
}

void NewHistory()
{
    gTestHistory = std::make_unique<TTestHistoryPackage>();
    SaveHistory();
}

void ResetNoteBooks()
{
    gWordNoteBooks->ResetDefaults(*gWordPackage);
    SaveLearnerFile(*gWordNoteBooks, "notes2.dat");
    gSentenceNoteBooks->ResetDefaults(*gSentenceList);
    SaveLearnerFile(*gSentenceNoteBooks, "snotes2.dat");
}

void ResetAllData()
{
    NewHistory();
    ResetNoteBooks();
}
