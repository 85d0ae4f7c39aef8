#pragma once
// Small books built in memory through the store classes, and temporary folders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"

namespace testbook {

// A fresh folder under the test's temporary directory, removed afterwards.
class TTempFolder {
public:
    TTempFolder()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("vellora-") + (test ? test->test_suite_name() : "suite") + "-"
            + (test ? test->name() : "test") + "-" + std::to_string(::getpid()) + "-"
            + std::to_string(NextNumber()++);
        for (char& c : name)
            if (c == '/')
                c = '_';
        Path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~TTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string Folder() const { return Path.string() + "/"; }

    std::filesystem::path Path;

private:
    static int& NextNumber()
    {
        static int number = 0;
        return number;
    }
};

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void AddWord(TWordPackage& words, const std::string& english)
{
    TWordItem word;
    word.WriteString("E", english);
    word.WriteString("C", "释义" + english);
    words.AddItem(word);
}

// Words "w1" .. "wN".
inline void AddWords(TWordPackage& words, int count)
{
    for (int i = 1; i <= count; ++i)
        AddWord(words, "w" + std::to_string(i));
}

// Sentences in file order, each naming the word it illustrates.
inline void AddSentences(TSentenceList& sentences, const std::vector<int>& wordOfSentence)
{
    for (int wordNumber : wordOfSentence) {
        TSentenceItem sentence;
        sentence.WriteInteger("WID", wordNumber);
        sentence.WriteInteger("MIDX", sentences.Count() + 1);
        sentences.AddItem(sentence);
    }
}

inline void AddWordList(TWordList& lists, int first, int last)
{
    TWordListItem list;
    list.SetBegin(first);
    list.SetEnd(last);
    lists.AddItem(list);
}

// The global stores filled in memory with `wordCount` words and the given sentences; the
// cross index built, both notebook stores at their defaults, saves going to `dataFolder`.
inline void UseBookInMemory(const std::string& dataFolder, int wordCount,
                            const std::vector<int>& wordOfSentence)
{
    gDataPath = dataFolder;
    CreateStores();
    AddWords(*gWordPackage, wordCount);
    AddSentences(*gSentenceList, wordOfSentence);
    gWordSenCross->Build(*gSentenceList);
    gWordNoteBooks->ResetDefaults(*gWordPackage);
    gSentenceNoteBooks->ResetDefaults(*gSentenceList);
}

inline TTextList Texts(std::initializer_list<int> numbers)
{
    TTextList texts;
    for (int n : numbers)
        texts.push_back(std::to_string(n));
    return texts;
}

inline TTextList Members(const TNoteBookList2& store, int index)
{
    return store.GetNoteBook(index)->Items();
}

}  // namespace testbook
