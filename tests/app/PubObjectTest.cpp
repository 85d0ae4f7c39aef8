#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "../support/TestBook.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "platform/Clock.h"

namespace fs = std::filesystem;
using testbook::Members;
using testbook::ReadFile;
using testbook::Texts;
using testbook::TTempFolder;
using testbook::WriteFile;

namespace {

// 10:15:00 on 11 December 2026, local time.
class TFixedClock : public IClock {
public:
    double Now() const override { return 46367.0 + (10 * 3600 + 15 * 60) / 86400.0; }
};

// A program folder whose data/ starts as the small fixture book: eight words in three
// Word Lists (1-3, 4-6, 7-8) and six sentences of the words 1, 3, 1, 5, 2, 6.
class LoadStoresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        fs::create_directories(Data);
        for (const char* name : {"word.dat", "word.lst", "sens.dat"})
            fs::copy_file(fs::path(VELLORA_FIXTURES) / "book_small" / name, Data / name);
        gDataPath = Data.string() + "/";
    }
    void TearDown() override { SetClock(nullptr); }

    static void Start()
    {
        CreateStores();
        LoadStores();
    }

    std::vector<std::string> DataFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Data))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TFixedClock Clock;
    TTempFolder App;
    fs::path Data = App.Path / "data";
};

pugi::xml_node Root(pugi::xml_document& document, const fs::path& path)
{
    EXPECT_TRUE(document.load_file(path.c_str())) << path;
    return document.document_element();
}

std::vector<std::pair<int, int>> Runs(const fs::path& path)
{
    pugi::xml_document document;
    std::vector<std::pair<int, int>> runs;
    for (pugi::xml_node item : Root(document, path).children())
        runs.emplace_back(item.attribute("BIDX").as_int(), item.attribute("EIDX").as_int());
    return runs;
}

using TRuns = std::vector<std::pair<int, int>>;

}  // namespace

TEST_F(LoadStoresTest, ABookAloneGainsTheLearnersAndTheDerivedFiles)
{
    Start();

    EXPECT_EQ(DataFiles(), (std::vector<std::string>{"His.dat", "WSCross.dat", "notes2.dat", "sens.dat",
                                                     "snotes2.dat", "wlSen2.dat", "word.dat", "word.lst"}));
    pugi::xml_document history;
    const pugi::xml_node historyRoot = Root(history, Data / "His.dat");
    EXPECT_STREQ(historyRoot.name(), "PACKAGE");
    EXPECT_FALSE(historyRoot.first_child());

    TNoteBookList2 words;
    ASSERT_TRUE(words.LoadFromFile((Data / "notes2.dat").string()));
    ASSERT_EQ(words.NoteBooks.size(), 7u);
    EXPECT_EQ(words.GetNoteBook(0)->Name, "笔记本1");
    EXPECT_EQ(words.GetNoteBook(4)->ShortName, "错词本");
    EXPECT_EQ(Members(words, 6), Texts({1, 2, 3, 4, 5, 6, 7, 8}));
    TNoteBookList2 sentences;
    ASSERT_TRUE(sentences.LoadFromFile((Data / "snotes2.dat").string()));
    ASSERT_EQ(sentences.NoteBooks.size(), 7u);
    EXPECT_EQ(Members(sentences, 6), Texts({1, 2, 3, 4, 5, 6}));

    TWordSenCross cross;
    ASSERT_TRUE(cross.LoadFromFile((Data / "WSCross.dat").string()));
    EXPECT_EQ(cross.WordKeys(), Texts({1, 3, 5, 2, 6}));
    EXPECT_EQ(cross.SentenceLists(), (TTextList{"1,3", "2", "4", "5", "6"}));

    // Word List 1 runs from word 1's first sentence to word 3's last; Word List 3 has none.
    EXPECT_EQ(Runs(Data / "wlSen2.dat"), (TRuns{{1, 2}, {4, 6}, {-1, -1}}));

    EXPECT_EQ(gWordPackage->Count(), 8);
    EXPECT_EQ(gWordList->Count(), 3);
    EXPECT_EQ(gSentenceList->Count(), 6);
    EXPECT_EQ(gWordListSen->Count(), 3);
    EXPECT_EQ(gTestHistory->Count(), 0);
}

TEST_F(LoadStoresTest, ASecondStartLoadsWhatTheFirstWrote)
{
    Start();
    gWordNoteBooks->GetNoteBook(0)->AddItems(Texts({7}));
    gSentenceNoteBooks->GetNoteBook(1)->AddItems(Texts({2}));
    SaveNoteBooks();
    const std::string cross = ReadFile(Data / "WSCross.dat");

    Start();
    EXPECT_EQ(Members(*gWordNoteBooks, 0), Texts({7}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 1), Texts({2}));
    EXPECT_EQ(gWordSenCross->WordKeys(), Texts({1, 3, 5, 2, 6}));
    EXPECT_EQ(ReadFile(Data / "WSCross.dat"), cross);
}

TEST_F(LoadStoresTest, TemporariesOfACutShortSaveAreRemovedAndNothingElse)
{
    for (const char* name : {"notes2.dat.tmp4242-0", "His.dat.tmp17-3", "notes.tmp-1", "lesson.tmp12", "tmp1-2"})
        WriteFile(Data / name, "<PACKAGE");

    Start();

    const std::vector<std::string> names = DataFiles();
    for (const char* gone : {"notes2.dat.tmp4242-0", "His.dat.tmp17-3"})
        EXPECT_EQ(std::count(names.begin(), names.end(), gone), 0) << gone;
    for (const char* kept : {"notes.tmp-1", "lesson.tmp12", "tmp1-2"})
        EXPECT_EQ(std::count(names.begin(), names.end(), kept), 1) << kept;
}

TEST_F(LoadStoresTest, DeletingEitherNotebookFileResetsBoth)
{
    for (const char* deleted : {"snotes2.dat", "notes2.dat"}) {
        SCOPED_TRACE(deleted);
        Start();
        gWordNoteBooks->GetNoteBook(0)->AddItems(Texts({7}));
        gSentenceNoteBooks->GetNoteBook(0)->AddItems(Texts({4}));
        SaveNoteBooks();
        fs::remove(Data / deleted);

        Start();
        EXPECT_TRUE(Members(*gWordNoteBooks, 0).empty());
        EXPECT_TRUE(Members(*gSentenceNoteBooks, 0).empty());
        TNoteBookList2 words;
        ASSERT_TRUE(words.LoadFromFile((Data / "notes2.dat").string()));
        EXPECT_TRUE(Members(words, 0).empty());
        TNoteBookList2 sentences;
        ASSERT_TRUE(sentences.LoadFromFile((Data / "snotes2.dat").string()));
        EXPECT_TRUE(Members(sentences, 0).empty());
    }
}

TEST_F(LoadStoresTest, DeletingTheCrossIndexRebuildsItAndKeepsTheSentenceRuns)
{
    Start();
    WriteFile(Data / "wlSen2.dat", R"(<PACKAGE><ITEM BIDX="9" EIDX="9"/></PACKAGE>)");
    fs::remove(Data / "WSCross.dat");

    Start();
    EXPECT_TRUE(fs::exists(Data / "WSCross.dat"));
    EXPECT_EQ(gWordSenCross->WordKeys(), Texts({1, 3, 5, 2, 6}));
    EXPECT_EQ(Runs(Data / "wlSen2.dat"), (TRuns{{9, 9}}));
}

TEST_F(LoadStoresTest, DeletingTheSentenceRunsRebuildsThemFromTheLoadedCrossIndex)
{
    Start();
    // A cross index that gives word 8 the sentence 6, unlike sens.dat.
    TWordSenCross cross;
    cross.LoadFromFile((Data / "WSCross.dat").string());
    TSentenceList oneSentence;
    testbook::AddSentences(oneSentence, {8});
    TWordSenCross changed;
    changed.Build(oneSentence);
    changed.SaveToFile((Data / "WSCross.dat").string());
    fs::remove(Data / "wlSen2.dat");

    Start();
    EXPECT_EQ(Runs(Data / "wlSen2.dat"), (TRuns{{-1, -1}, {-1, -1}, {1, 1}}));
}

TEST_F(LoadStoresTest, FileNamesInAnyLetterCaseAreOneFile)
{
    Start();
    gWordNoteBooks->GetNoteBook(2)->AddItems(Texts({4}));
    gSentenceNoteBooks->GetNoteBook(2)->AddItems(Texts({5}));
    SaveNoteBooks();
    fs::rename(Data / "snotes2.dat", Data / "SNotes2.dat");
    fs::rename(Data / "wlSen2.dat", Data / "WLSEN2.DAT");
    fs::rename(Data / "His.dat", Data / "his.DAT");
    const std::string runs = ReadFile(Data / "WLSEN2.DAT");

    Start();
    EXPECT_EQ(Members(*gSentenceNoteBooks, 2), Texts({5}));
    SaveNoteBooks();
    SaveHistory();
    EXPECT_EQ(DataFiles(), (std::vector<std::string>{"SNotes2.dat", "WLSEN2.DAT", "WSCross.dat", "his.DAT",
                                                     "notes2.dat", "sens.dat", "word.dat", "word.lst"}));
    EXPECT_EQ(ReadFile(Data / "WLSEN2.DAT"), runs);
}

TEST_F(LoadStoresTest, AnUnreadableHistoryIsKeptAsideAndStartedAnew)
{
    WriteFile(Data / "His.dat", "<PACKAGE><ITEM TT=");
    Start();

    EXPECT_EQ(ReadFile(Data / "His.dat.unreadable-20261211-101500"), "<PACKAGE><ITEM TT=");
    EXPECT_EQ(gTestHistory->Count(), 0);
    pugi::xml_document history;
    EXPECT_STREQ(Root(history, Data / "His.dat").name(), "PACKAGE");
}

TEST_F(LoadStoresTest, AnUnreadableNotebookFileIsKeptAsideAndBothStoresGetTheirSevenNotebooks)
{
    struct Case {
        const char* damaged;
        const char* content;
    };
    for (const Case& c : {Case{"notes2.dat", "not xml"}, Case{"snotes2.dat", "<PACKAGE/>"},
                          Case{"notes2.dat", "<PACKAGE><NOTEBOOK NBNAME=\"a\"/></PACKAGE>"}}) {
        SCOPED_TRACE(c.damaged);
        Start();
        WriteFile(Data / c.damaged, c.content);

        Start();
        EXPECT_EQ(ReadFile(Data / (std::string(c.damaged) + ".unreadable-20261211-101500")), c.content);
        ASSERT_EQ(gWordNoteBooks->NoteBooks.size(), 7u);
        ASSERT_EQ(gSentenceNoteBooks->NoteBooks.size(), 7u);
        EXPECT_EQ(Members(*gWordNoteBooks, 6).size(), 8u);
        EXPECT_EQ(Members(*gSentenceNoteBooks, 6).size(), 6u);
        TNoteBookList2 saved;
        ASSERT_TRUE(saved.LoadFromFile((Data / c.damaged).string()));
        EXPECT_EQ(saved.NoteBooks.size(), 7u);
        for (const auto& entry : fs::directory_iterator(Data))
            if (entry.path().filename().string().find(".unreadable") != std::string::npos)
                fs::remove(entry.path());
    }
}

TEST_F(LoadStoresTest, ASecondUnreadableFileInTheSameSecondGetsItsOwnName)
{
    WriteFile(Data / "His.dat", "first");
    Start();
    WriteFile(Data / "His.dat", "second");
    Start();
    EXPECT_EQ(ReadFile(Data / "His.dat.unreadable-20261211-101500"), "first");
    EXPECT_EQ(ReadFile(Data / "His.dat.unreadable-20261211-101500-2"), "second");
}

TEST_F(LoadStoresTest, MissingContentLeavesEmptyStores)
{
    for (const char* name : {"word.dat", "word.lst", "sens.dat"})
        fs::remove(Data / name);
    Start();
    EXPECT_EQ(gWordPackage->Count(), 0);
    EXPECT_EQ(gWordListSen->Count(), 0);
    ASSERT_EQ(gWordNoteBooks->NoteBooks.size(), 7u);
    EXPECT_TRUE(Members(*gWordNoteBooks, 6).empty());
}

TEST_F(LoadStoresTest, ClearingTheHistoryResetsEveryNotebook)
{
    Start();
    TTestHistoryItem record;
    gTestHistory->AddItem(record);
    SaveHistory();
    for (int book = 0; book < 7; ++book) {
        gWordNoteBooks->GetNoteBook(book)->SetItems(Texts({2}));
        gSentenceNoteBooks->GetNoteBook(book)->SetItems(Texts({3}));
    }
    SaveNoteBooks();

    ResetAllData();
    Start();
    EXPECT_EQ(gTestHistory->Count(), 0);
    for (int book = 0; book < 6; ++book) {
        EXPECT_TRUE(Members(*gWordNoteBooks, book).empty()) << book;
        EXPECT_TRUE(Members(*gSentenceNoteBooks, book).empty()) << book;
    }
    EXPECT_EQ(Members(*gWordNoteBooks, 6).size(), 8u);
    EXPECT_EQ(Members(*gSentenceNoteBooks, 6).size(), 6u);
}

TEST(BuildWordListSenTest, AWordListClaimingHugeRangesEndsWithTheSameRuns)
{
    TTempFolder data;
    testbook::UseBookInMemory(data.Folder(), 8, {1, 3, 1, 5, 2, 6});
    testbook::AddWordList(*gWordList, -2000000000, 2000000000);
    testbook::AddWordList(*gWordList, 7, 2147483647);

    BuildWordListSen();
    EXPECT_EQ(Runs(data.Path / "wlSen2.dat"), (TRuns{{1, 6}, {-1, -1}}));
}
