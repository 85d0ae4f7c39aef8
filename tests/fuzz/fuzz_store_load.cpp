// Loads arbitrary bytes through every store's LoadFromFile and exercises what
// was loaded; a save of what loaded must load again and save the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "store/u08_BussObj.h"
#include "store/u09_BussObj.h"

namespace {

const std::string& Folder()
{
    static const std::string folder = [] {
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                              std::string("/vellora-fuzz-XXXXXX");
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void ExerciseWords(const std::string& path)
{
    TWordPackage words;
    if (!words.LoadFromFile(path))
        return;
    for (std::int32_t i = 0; i < words.Count() && i < 50; ++i) {
        auto word = words.GetWord(i);
        word->GetChinese();
        word->GetPhonetic();
        word->GetSoundFile();
        word->GetEnglishPart(0);
        word->GetEnglishPart(3);
    }
    TIntArray numbers;
    if (words.Count() >= 4)
        words.RandomOptions(4, 1 + words.Count() / 2, numbers);
    words.RandomSelection(10, numbers);
}

void ExerciseWordLists(const std::string& path)
{
    TWordList lists;
    if (!lists.LoadFromFile(path))
        return;
    TIntArray numbers;
    for (std::int32_t i = 0; i < lists.Count() && i < 50; ++i)
        lists.GetItem(i).GetGroup(40, 40, numbers);
}

void ExerciseSentences(const std::string& path)
{
    TSentenceList sentences;
    if (!sentences.LoadFromFile(path))
        return;
    for (std::int32_t i = 0; i < sentences.Count() && i < 50; ++i) {
        TSentenceItem& sentence = sentences.GetSentence(i);
        sentence.GetBlankedSentence();
        sentence.GetTargetPart(1);
        sentence.GetChineseSentence();
    }
    TWordSenCross cross;
    cross.Build(sentences);
    TIntArray numbers;
    for (const std::string& key : cross.WordKeys())
        cross.GetSentenceNumbers(ParseInteger(key).value_or(0), numbers);
}

void ExerciseHistory(const std::string& path)
{
    TTestHistoryPackage history;
    if (!history.LoadFromFile(path))
        return;
    for (std::int32_t i = 0; i < history.Count() && i < 50; ++i) {
        auto record = history.GetItem(i);
        record->GetScore();
        record->GetTestDate();
        record->GetScopeText();
    }
}

void ExerciseNoteBooks(const std::string& path)
{
    TNoteBookList2 noteBooks;
    noteBooks.LoadFromFile(path);
    TIntArray numbers;
    for (const auto& noteBook : noteBooks.NoteBooks) {
        noteBook->GetRange(0, 40, numbers);
        noteBook->RemoveItems({"1", "2"});
        noteBook->AddItems({"3", "3"});
    }
    const std::string saved = Folder() + "/notes2.dat";
    if (!noteBooks.SaveToFile(saved))
        return;
    TNoteBookList2 again;
    Check(again.LoadFromFile(saved));
    Check(again.NoteBooks.size() == noteBooks.NoteBooks.size());
}

void ExerciseCross(const std::string& path)
{
    TWordSenCross cross;
    if (!cross.LoadFromFile(path))
        return;
    TIntArray numbers;
    for (const std::string& key : cross.WordKeys())
        cross.GetSentenceNumbers(ParseInteger(key).value_or(0), numbers);
    const std::string saved = Folder() + "/WSCross.dat";
    Check(cross.SaveToFile(saved));
    TWordSenCross again;
    Check(again.LoadFromFile(saved));
    Check(again.WordKeys().size() == cross.WordKeys().size());
}

// What a load gives, saved, loads again and saves to the very same bytes.
void CheckSaveIsStable(const std::string& path)
{
    TNodeList list;
    if (!list.LoadFromFile(path))
        return;
    const std::string first = Folder() + "/first.dat";
    const std::string second = Folder() + "/second.dat";
    Check(list.SaveToFile(first));
    TNodeList reloaded;
    Check(reloaded.LoadFromFile(first));
    Check(reloaded.SaveToFile(second));
    Check(ReadWholeFile(first) == ReadWholeFile(second));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = Folder() + "/input.dat";
    if (!WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size)))
        std::abort();
    ExerciseWords(path);
    ExerciseWordLists(path);
    ExerciseSentences(path);
    ExerciseHistory(path);
    ExerciseNoteBooks(path);
    ExerciseCross(path);
    CheckSaveIsStable(path);
    return 0;
}
