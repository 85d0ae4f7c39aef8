// Builds a data folder from arbitrary bytes and starts the stores on it, the way
// the program does at start, then runs the operations the screens rely on.
//
// Input: sections, each opened by a line "\n@@@ NAME\n" and holding the bytes of
// data/NAME up to the next such line. A NAME ending in "/" makes a folder of that
// name instead of a file. Names are folded by the program, so any letter case counts.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "store/unt99_XMLOpModal_File.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view cSectionMark = "\n@@@ ";
constexpr std::int32_t cNoteBookCount = 7;

const std::string& DataFolder()
{
    static const std::string folder = [] {
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                              std::string("/vellora-fuzz-stores-XXXXXX");
        return std::string(mkdtemp(pattern.data())) + "/";
    }();
    return folder;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void EmptyFolder(const std::string& folder)
{
    for (const auto& entry : fs::directory_iterator(folder))
        fs::remove_all(entry.path());
}

bool IsPlainName(std::string_view name)
{
    if (name.empty() || name.size() > 32 || name == "." || name == "..")
        return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
              c == '_' || c == '-'))
            return false;
    return true;
}

void WriteSection(std::string_view name, std::string_view bytes)
{
    const bool folder = !name.empty() && name.back() == '/';
    if (folder)
        name.remove_suffix(1);
    if (!IsPlainName(name))
        return;
    const std::string path = DataFolder() + std::string(name);
    std::error_code ignored;
    if (fs::exists(path, ignored))
        return;
    if (folder)
        fs::create_directory(path, ignored);
    else
        Check(WriteFileAtomically(path, bytes));
}

void UnpackDataFolder(std::string_view input)
{
    std::size_t at = input.find(cSectionMark);
    while (at != std::string_view::npos) {
        const std::size_t nameStart = at + cSectionMark.size();
        const std::size_t nameEnd = input.find('\n', nameStart);
        if (nameEnd == std::string_view::npos)
            return;
        const std::size_t next = input.find(cSectionMark, nameEnd);
        const std::size_t bytesEnd = next == std::string_view::npos ? input.size() : next;
        WriteSection(input.substr(nameStart, nameEnd - nameStart),
                     input.substr(nameEnd + 1, bytesEnd - nameEnd - 1));
        at = next;
    }
}

// What the screens reach into after start: seven notebooks in each store, the
// groups of every Word List, the sentences of every word.
void ExerciseLoadedStores()
{
    Check(static_cast<std::int32_t>(gWordNoteBooks->NoteBooks.size()) >= cNoteBookCount);
    Check(static_cast<std::int32_t>(gSentenceNoteBooks->NoteBooks.size()) >= cNoteBookCount);
    TIntArray numbers;
    for (std::int32_t i = 0; i < gWordList->Count() && i < 20; ++i)
        gWordList->GetItem(i).GetGroup(0, gGroupSize, numbers);
    for (std::int32_t i = 0; i < gWordListSen->Count() && i < 20; ++i)
        gWordListSen->GetItem(i).GetGroup(gGroupSize, gGroupSize, numbers);
    for (std::int32_t word = 1; word <= gWordPackage->Count() && word <= 50; ++word)
        gWordSenCross->GetSentenceNumbers(word, numbers);
    for (const auto& noteBook : gWordNoteBooks->NoteBooks)
        noteBook->GetRange(0, gGroupSize, numbers);
    for (std::int32_t i = 0; i < gTestHistory->Count() && i < 20; ++i) {
        auto record = gTestHistory->GetItem(i);
        TestTypeName(record->GetTestType());
        record->GetScore();
    }
    SaveHistory();
    SaveNoteBooks();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool prepared = [] {
        gDataPath = DataFolder();
        gGroupSize = 40;
        return true;
    }();
    (void)prepared;
    EmptyFolder(DataFolder());
    UnpackDataFolder(std::string_view(reinterpret_cast<const char*>(data), size));
    CreateStores();
    LoadStores();
    ExerciseLoadedStores();
    return 0;
}
