#include "store/u08_BussObj.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "store/u09_BussObj.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TTextList Numbers(std::int32_t first, std::int32_t last)
{
    TTextList texts;
    for (std::int32_t n = first; n <= last; ++n)
        texts.push_back(std::to_string(n));
    return texts;
}

}  // namespace

TEST(NoteBook, AddItemsAppendsOnlyNewMembersOnce)
{
    TNoteBook2 noteBook;
    noteBook.SetItems({"5"});
    EXPECT_EQ(noteBook.AddItems({"3", "5", "3"}), 1);
    EXPECT_THAT(noteBook.Items(), ElementsAre("5", "3"));
    EXPECT_EQ(noteBook.AddItems({"012", "12"}), 2) << "12 and 012 are different members";
    EXPECT_EQ(noteBook.AddItems({}), 0);
}

TEST(NoteBook, RemoveItemsRemovesMembersAndKeepsTheOrder)
{
    TNoteBook2 noteBook;
    noteBook.SetItems({"1", "2", "3", "2", "4"});
    EXPECT_EQ(noteBook.RemoveItems({"7"}), 0);
    EXPECT_EQ(noteBook.Count(), 5);
    EXPECT_EQ(noteBook.RemoveItems({"2", "4", "9"}), 2);
    EXPECT_THAT(noteBook.Items(), ElementsAre("1", "3", "2"));
    EXPECT_EQ(noteBook.RemoveItems({"2", "2"}), 1);
    EXPECT_THAT(noteBook.Items(), ElementsAre("1", "3"));
    EXPECT_EQ(noteBook.AddItems({"2"}), 1) << "a removed member can come back";
}

TEST(NoteBook, SetItemsReportsOnlyGrowth)
{
    TNoteBook2 noteBook;
    noteBook.SetItems(Numbers(1, 5));
    EXPECT_EQ(noteBook.SetItems({"8", "9"}), 0);
    EXPECT_THAT(noteBook.Items(), ElementsAre("8", "9"));
    EXPECT_EQ(noteBook.SetItems(Numbers(1, 5)), 3);
    EXPECT_EQ(noteBook.AddItems({"8"}), 1) << "the old members are gone from the index";
}

TEST(NoteBook, GetRangeAndGetNumber)
{
    TNoteBook2 noteBook;
    noteBook.SetItems(Numbers(101, 185));
    TIntArray range{1};
    noteBook.GetRange(40, 40, range);
    ASSERT_EQ(range.size(), 40u);
    EXPECT_EQ(range.front(), 141);
    EXPECT_EQ(range.back(), 180);
    noteBook.GetRange(80, 40, range);
    EXPECT_THAT(range, ElementsAre(181, 182, 183, 184, 185));
    noteBook.GetRange(85, 40, range);
    EXPECT_THAT(range, IsEmpty());
    noteBook.GetRange(-1, 40, range);
    EXPECT_THAT(range, IsEmpty());
    EXPECT_EQ(noteBook.GetNumber(0), 101);
    EXPECT_EQ(noteBook.GetNumber(85), 0);
    EXPECT_EQ(noteBook.GetNumber(-1), 0);

    noteBook.SetItems({"7", "x1", ""});
    EXPECT_EQ(noteBook.GetNumber(1), 0) << "a member that is not a number reads as 0";
    noteBook.GetRange(0, 3, range);
    EXPECT_THAT(range, ElementsAre(7, 0, 0));
}

TEST(NoteBookList, DefaultsSaveSevenNoteBooksWithTheUntestedFull)
{
    TWordPackage words;
    ASSERT_TRUE(words.LoadFromFile(Fixture("crlf_indented_words.dat")));
    TNoteBookList2 noteBooks;
    EXPECT_EQ(noteBooks.GetNoteBook(0), nullptr);
    noteBooks.ResetDefaults(words);
    const char* names[][2] = {{"笔记本1", "笔记本1"}, {"笔记本2", "笔记本2"}, {"笔记本3", "笔记本3"},
                              {"笔记本4", "笔记本4"}, {"错误词汇本", "错词本"}, {"过关词汇本", "过关本"},
                              {"未考词汇本", "未考本"}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(noteBooks.GetNoteBook(i)->Name, names[i][0]);
        EXPECT_EQ(noteBooks.GetNoteBook(i)->ShortName, names[i][1]);
    }
    EXPECT_EQ(noteBooks.GetNoteBook(7), nullptr);
    EXPECT_EQ(noteBooks.GetNoteBook(-1), nullptr);

    TTempFolder folder;
    ASSERT_TRUE(noteBooks.SaveToFile(folder.File("notes2.dat")));
    TNodeList file;
    ASSERT_TRUE(file.LoadFromFile(folder.File("notes2.dat")));
    ASSERT_EQ(file.Count(), 7);
    EXPECT_EQ(std::string(file.GetNode(0).Element.name()), "NOTEBOOK");
    EXPECT_EQ(TNoteBookOp2::ReadName(file.GetNode(6)), "未考词汇本");
    EXPECT_THAT(TNoteBookOp2::ReadList(file.GetNode(6)), ElementsAre("1", "2", "3"));
    EXPECT_THAT(TNoteBookOp2::ReadList(file.GetNode(0)), IsEmpty());
    EXPECT_NE(ReadBytes(folder.File("notes2.dat")).find("<LIST>MQ0KMg0KMw0K\r\n</LIST>"), std::string::npos);
}

TEST(NoteBookList, SaveTrimsExtraNoteBookElements)
{
    std::string xml = "<PACKAGE>";
    for (int i = 0; i < 9; ++i)
        xml += "<NOTEBOOK NBNAME=\"n" + std::to_string(i) + "\"/>";
    xml += "</PACKAGE>";
    TTempFolder folder;
    WriteBytes(folder.File("notes2.dat"), xml);
    TNoteBookList2 noteBooks;
    ASSERT_TRUE(noteBooks.LoadFromFile(folder.File("notes2.dat")));
    EXPECT_EQ(noteBooks.NoteBooks.size(), 9u);
    EXPECT_EQ(noteBooks.GetNoteBook(8)->Name, "n8");
    EXPECT_THAT(noteBooks.GetNoteBook(3)->Items(), IsEmpty()) << "a missing LIST is an empty notebook";
    noteBooks.NoteBooks.resize(7);
    ASSERT_TRUE(noteBooks.Save());
    TNodeList file;
    ASSERT_TRUE(file.LoadFromFile(folder.File("notes2.dat")));
    EXPECT_EQ(file.Count(), 7);
}

TEST(NoteBookList, LoadRoundTripAndFailedLoadRebuildsFromTheDocumentHeld)
{
    TWordPackage words;
    ASSERT_TRUE(words.LoadFromFile(Fixture("crlf_indented_words.dat")));
    TNoteBookList2 noteBooks;
    noteBooks.ResetDefaults(words);
    noteBooks.GetNoteBook(1)->AddItems({"2", "苹果"});
    TTempFolder folder;
    ASSERT_TRUE(noteBooks.SaveToFile(folder.File("notes2.dat")));

    TNoteBookList2 loaded;
    ASSERT_TRUE(loaded.LoadFromFile(folder.File("notes2.dat")));
    ASSERT_EQ(loaded.NoteBooks.size(), 7u);
    EXPECT_THAT(loaded.GetNoteBook(1)->Items(), ElementsAre("2", "苹果"));
    EXPECT_EQ(loaded.GetNoteBook(4)->ShortName, "错词本");

    loaded.GetNoteBook(1)->AddItems({"3"});  // in memory only
    EXPECT_FALSE(loaded.LoadFromFile(Fixture("truncated_words.dat")));
    EXPECT_THAT(loaded.GetNoteBook(1)->Items(), ElementsAre("2", "苹果"));

    TNoteBookList2 fresh;
    EXPECT_FALSE(fresh.LoadFromFile(folder.File("missing.dat")));
    EXPECT_TRUE(fresh.NoteBooks.empty());
}

TEST(NoteBookList, MembersFollowTheirNoteBookWhateverHappensBeforeTheirFirstUse)
{
    TTempFolder folder;
    // MQ0K / Mg0K / Mw0K: "1", "2", "3" each with CR LF; the second LIST is split by a comment.
    WriteBytes(folder.File("notes2.dat"), "<PACKAGE><NOTEBOOK NBNAME=\"a\"><LIST>MQ0KMg0K</LIST></NOTEBOOK>"
                                          "<NOTEBOOK NBNAME=\"b\"><LIST>Mw<!-- x -->0K</LIST></NOTEBOOK>"
                                          "<NOTEBOOK NBNAME=\"c\"/></PACKAGE>");
    std::unique_ptr<TNoteBook2> outlived;
    {
        TNoteBookList2 gone;
        ASSERT_TRUE(gone.LoadFromFile(folder.File("notes2.dat")));
        outlived = std::move(gone.NoteBooks[0]);
    }
    EXPECT_THAT(outlived->Items(), ElementsAre("1", "2")) << "a notebook outlives its store";

    TNoteBookList2 noteBooks;
    ASSERT_TRUE(noteBooks.LoadFromFile(folder.File("notes2.dat")));
    TNoteBookList2 copy;
    copy.Assign(noteBooks, false);
    std::swap(noteBooks.NoteBooks[0], noteBooks.NoteBooks[2]);
    ASSERT_TRUE(noteBooks.Save());
    ASSERT_TRUE(noteBooks.LoadFromFile(folder.File("notes2.dat")));
    ASSERT_EQ(noteBooks.NoteBooks.size(), 3u);
    const std::vector<std::string> names = {"c", "b", "a"};
    const std::vector<TTextList> members = {{}, {"3"}, {"1", "2"}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(noteBooks.NoteBooks[i]->Name, names[i]);
        EXPECT_EQ(noteBooks.NoteBooks[i]->Items(), members[i]) << names[i];
        EXPECT_EQ(copy.NoteBooks[2 - i]->Items(), members[i]) << names[i];
    }
}

namespace {

void FillSentences(TSentenceList& sentences, const std::vector<std::int32_t>& wordOfSentence)
{
    for (std::size_t i = 0; i < wordOfSentence.size(); ++i) {
        TSentenceItem sentence;
        sentence.WriteInteger("WID", wordOfSentence[i]);
        sentence.WriteInteger("MIDX", static_cast<std::int32_t>(i + 1));
        sentences.AddItem(sentence);
    }
}

}  // namespace

TEST(WordSenCross, BuildGroupsSentencesByWordInFileOrder)
{
    TSentenceList sentences;
    FillSentences(sentences, {3, 3, 5, 1, 1, 1, 1, 3});
    TWordSenCross cross;
    cross.Build(sentences);
    EXPECT_THAT(cross.WordKeys(), ElementsAre("3", "5", "1"));
    EXPECT_THAT(cross.SentenceLists(), ElementsAre("1,2,8", "3", "4,5,6,7"));
    TIntArray numbers{42};
    cross.GetSentenceNumbers(1, numbers);
    EXPECT_THAT(numbers, ElementsAre(4, 5, 6, 7));
    cross.GetSentenceNumbers(2, numbers);
    EXPECT_THAT(numbers, IsEmpty());
    EXPECT_THAT(cross.GetSentenceList(3), ElementsAre("1", "2", "8"));
    EXPECT_THAT(cross.GetSentenceList(4), IsEmpty());
}

TEST(WordSenCross, SaveAndLoadKeepBothLists)
{
    TSentenceList sentences;
    FillSentences(sentences, {3, 3, 5});
    TWordSenCross cross;
    cross.Build(sentences);
    TTempFolder folder;
    ASSERT_TRUE(cross.SaveToFile(folder.File("WSCross.dat")));
    EXPECT_EQ(ReadBytes(folder.File("WSCross.dat")),
              "<PACKAGE><WL>Mw0KNQ0K\r\n</WL><SL>MSwyDQozDQo=\r\n</SL></PACKAGE>");
    TWordSenCross loaded;
    ASSERT_TRUE(loaded.LoadFromFile(folder.File("WSCross.dat")));
    TIntArray numbers;
    loaded.GetSentenceNumbers(3, numbers);
    EXPECT_THAT(numbers, ElementsAre(1, 2));
    EXPECT_FALSE(loaded.LoadFromFile(folder.File("missing.dat")));
    EXPECT_THAT(loaded.WordKeys(), ElementsAre("3", "5"));

    TSentenceList none;
    TWordSenCross empty;
    empty.Build(none);
    ASSERT_TRUE(empty.SaveToFile(folder.File("empty.dat")));
    EXPECT_EQ(ReadBytes(folder.File("empty.dat")), "<PACKAGE><WL/><SL/></PACKAGE>");
}

TEST(WordSenCross, ListsWrittenByOtherProgramsSplitAsPartsDo)
{
    struct Case {
        std::string Sentences;
        std::vector<std::string> Pieces;
        std::vector<std::int32_t> Numbers;
    };
    const std::vector<Case> cases = {
        {"4,,5", {"4", "5"}, {4, 5}},
        {",12,", {"12"}, {12}},
        {" 6, 7", {" 6", " 7"}, {6, 7}},
        {"'8,9',10", {"'8,9'", "10"}, {0, 10}},
        {"99999999999,1", {"99999999999", "1"}, {0, 1}},
        {"", {}, {}},
    };
    TTextList keys;
    TTextList lists;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        keys.push_back(std::to_string(i + 1));
        lists.push_back(cases[i].Sentences);
    }
    // Numbers beyond the counting array, and below it.
    keys.insert(keys.end(), {"-3", "5000000", "007"});
    lists.insert(lists.end(), {"9", "10", "11"});
    TTempFolder folder;
    WriteBytes(folder.File("WSCross.dat"), "<PACKAGE><WL>" + Base64Encode(EncodeTextList(keys)) + "</WL><SL>" +
                                               Base64Encode(EncodeTextList(lists)) + "</SL></PACKAGE>");
    TWordSenCross cross;
    ASSERT_TRUE(cross.LoadFromFile(folder.File("WSCross.dat")));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto word = static_cast<std::int32_t>(i + 1);
        EXPECT_EQ(cross.GetSentenceList(word), cases[i].Pieces) << cases[i].Sentences;
        TIntArray numbers{42};
        cross.GetSentenceNumbers(word, numbers);
        EXPECT_EQ(numbers, cases[i].Numbers) << cases[i].Sentences;
    }
    EXPECT_THAT(cross.GetSentenceList(-3), ElementsAre("9"));
    EXPECT_THAT(cross.GetSentenceList(5000000), ElementsAre("10"));
    EXPECT_THAT(cross.GetSentenceList(7), IsEmpty()) << "007 is not the key of word 7";
}

TEST(WordSenCross, MissingSentenceListsMeanNoSentences)
{
    TTempFolder folder;
    WriteBytes(folder.File("WSCross.dat"), "<PACKAGE><WL>Mw0KNQ0K</WL></PACKAGE>");
    TWordSenCross cross;
    ASSERT_TRUE(cross.LoadFromFile(folder.File("WSCross.dat")));
    EXPECT_THAT(cross.WordKeys(), ElementsAre("3", "5"));
    EXPECT_THAT(cross.SentenceLists(), IsEmpty());
    TIntArray numbers{1};
    cross.GetSentenceNumbers(3, numbers);
    EXPECT_THAT(numbers, IsEmpty());
}
