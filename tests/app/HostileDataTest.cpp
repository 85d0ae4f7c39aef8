// Data folders made to hurt: entity bombs, deep nesting, huge attribute values, numbers
// beyond 32 bits, negative and zero word numbers. The stores start, every kind of test
// can be built on every scope and handed in, and nothing is written outside data/.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "../support/TestBook.h"
#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "engine/u08_BussObj_Questions.h"
#include "results/ResultBookkeeping.h"
#include "store/unt99_XMLOpModal_Dom.h"

namespace fs = std::filesystem;

namespace {

std::string Repeat(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string Items(const std::string& attributes, int count)
{
    return "<PACKAGE>" + Repeat("<ITEM " + attributes + "/>", static_cast<std::size_t>(count)) + "</PACKAGE>";
}

std::string Words(int count) { return Items("E=\"w\" C=\"词\" TFN=\"w.mp3\"", count); }

// The LIST blob of a notebook holding the lines, Base64 with the program's line breaks.
std::string NoteBooks(const std::string& firstListBase64, const std::string& firstName = "笔记本1")
{
    std::string text = "<PACKAGE><NOTEBOOK NBNAME=\"" + firstName + "\" RNAME=\"n\"><LIST>" + firstListBase64 +
                       "</LIST></NOTEBOOK>";
    for (int i = 2; i <= 7; ++i)
        text += "<NOTEBOOK NBNAME=\"n" + std::to_string(i) + "\" RNAME=\"n\"><LIST></LIST></NOTEBOOK>";
    return text + "</PACKAGE>";
}

// "0", "-5", "-2147483648", "2147483647", "99999999999", "3", each followed by CR LF.
const std::string cOddNumbersList = "MA0KLTUNCi0yMTQ3NDgzNjQ4DQoyMTQ3NDgzNjQ3DQo5OTk5OTk5OTk5OQ0KMw0K";

using TDataFiles = std::map<std::string, std::string>;

struct THostileCase {
    const char* Name;
    std::function<TDataFiles()> Files;  // written over a small book of 50 words
};

void PrintTo(const THostileCase& hostile, std::ostream* out) { *out << hostile.Name; }

const std::string cBook = Words(50);
const std::string cLists = "<PACKAGE><ITEM BIDX=\"1\" EIDX=\"40\"/><ITEM BIDX=\"41\" EIDX=\"50\"/></PACKAGE>";
const std::string cSentences = Items("WID=\"2\" MIDX=\"1\" ESEN=\"a w b\" TE=\"w\"", 1);

const THostileCase cCases[] = {
    {"BillionLaughs",
     [] {
         std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE PACKAGE [<!ENTITY a0 \"lol\">";
         for (int i = 1; i <= 9; ++i)
             bomb += "<!ENTITY a" + std::to_string(i) + " \"" + Repeat("&a" + std::to_string(i - 1) + ";", 10) +
                     "\">";
         bomb += "]><PACKAGE>" + Repeat("<ITEM E=\"&a9;\" C=\"&a9;\"/>", 50) + "</PACKAGE>";
         return TDataFiles{{"word.dat", bomb}, {"His.dat", bomb}};
     }},
    {"DeepNesting",
     [] {
         const std::string deep = "<PACKAGE>" + Repeat("<ITEM E=\"w\">", 100000) +
                                  Repeat("</ITEM>", 100000) + "</PACKAGE>";
         return TDataFiles{{"word.dat", deep}, {"His.dat", deep}, {"notes2.dat", deep}};
     }},
    {"MegabyteAttributes",
     [] {
         const std::string huge = Repeat("很长", 1 << 18);
         return TDataFiles{{"word.dat", Items("E=\"" + Repeat("a/b", 1 << 18) + "\" C=\"" + huge + "\"", 50)},
                           {"sens.dat", Items("WID=\"1\" ESEN=\"" + huge + "\" TE=\"" + huge + "\"", 3)},
                           {"His.dat", Items("TT=\"1\" SC=\"5\" TMSTR=\"" + huge + "\"", 2)},
                           {"notes2.dat", NoteBooks("MQ0K", huge)}};
     }},
    {"NumbersBeyond32Bits",
     [] {
         return TDataFiles{
             {"word.lst", "<PACKAGE><ITEM BIDX=\"1\" EIDX=\"2147483647\"/><ITEM BIDX=\"1\" EIDX=\"99999999999\"/>"
                          "<ITEM BIDX=\"4294967297\" EIDX=\"4294967300\"/></PACKAGE>"},
             {"sens.dat", Items("WID=\"4294967298\" MIDX=\"99999999999\" ESEN=\"x\" TE=\"x\"", 3)},
             {"His.dat", Items("TT=\"99999999999\" TM=\"4294967299\" SC=\"2147483647\" EC=\"-2147483648\" "
                               "UC=\"99999999999\" TG=\"4294967396\" TD=\"1e308\"",
                               3)},
             {"notes2.dat", NoteBooks(cOddNumbersList)},
             {"snotes2.dat", NoteBooks(cOddNumbersList)}};
     }},
    {"NegativeAndZeroNumbers",
     [] {
         return TDataFiles{
             {"word.lst", "<PACKAGE><ITEM BIDX=\"-5\" EIDX=\"0\"/><ITEM BIDX=\"-2147483648\" EIDX=\"2147483647\"/>"
                          "<ITEM BIDX=\"0\" EIDX=\"-1\"/><ITEM BIDX=\"48\" EIDX=\"-3\"/></PACKAGE>"},
             {"sens.dat", Items("WID=\"-1\" MIDX=\"0\" ESEN=\"x\" TE=\"x\"", 2) },
             {"notes2.dat", NoteBooks(cOddNumbersList)},
             {"snotes2.dat", NoteBooks(cOddNumbersList)},
             {"wlsen2.dat", "<PACKAGE><ITEM BIDX=\"-2147483648\" EIDX=\"2147483647\"/><ITEM BIDX=\"0\" EIDX=\"0\"/>"
                            "</PACKAGE>"}};
     }},
};

std::map<std::string, fs::file_time_type> Listing(const fs::path& folder)
{
    std::map<std::string, fs::file_time_type> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries[entry.path().string()] = entry.last_write_time();
    return entries;
}

// Every kind on every scope, started, answered half and handed in, with the bookkeeping
// of the result window.
void TakeEveryTest()
{
    for (std::int32_t type = 1; type <= 5; ++type)
        for (std::uint8_t scope = smWholeBook; scope <= smNoteBook; ++scope)
            for (std::int32_t group : {1, 2, 107374182}) {
                TQuestionList2 questions;
                questions.SetTestType(type);
                questions.SetScope(scope);
                TQuestionSource source;
                source.GroupNumber = group;
                source.WordListIndex = group == 1 ? 1 : 2;
                source.NoteBookIndex = 0;
                try {
                    BuildQuestionNumbers(questions, source);
                } catch (const EQuestionBuildError&) {
                    continue;
                }
                ASSERT_LE(questions.Count(), 40 * gGroupSize) << "type " << type << " scope " << int(scope);
                for (std::int32_t i = 0; i < questions.Count(); i += 2)
                    questions.Item(i)->ChooseOption(questions.Item(i)->ItemId);
                questions.BuildFullView();
                WriteHistoryRecord(questions, "范围");
                for (std::int32_t i = 0; i < questions.Count(); ++i)
                    questions.Item(i)->Selected = true;
                AddSelectedToNoteBook(questions, 1);
                SaveNoteBooks();
                UpdateAutoNoteBooks(questions);
            }
}

class HostileDataTest : public ::testing::TestWithParam<THostileCase> {};

TEST_P(HostileDataTest, StoresStartAndEveryTestRunsInsideTheDataFolder)
{
    testbook::TTempFolder app;
    const fs::path data = app.Path / "data";
    fs::create_directories(data);
    fs::create_directories(app.Path / "sound" / "word");
    TDataFiles files{{"word.dat", cBook}, {"word.lst", cLists}, {"sens.dat", cSentences}};
    for (auto& [name, bytes] : GetParam().Files())
        files[name] = std::move(bytes);
    for (const auto& [name, bytes] : files)
        testbook::WriteFile(data / name, bytes);
    const auto outside = Listing(app.Path / "sound");

    gDataPath = data.string() + "/";
    CreateStores();
    LoadStores();
    ASSERT_GE(gWordNoteBooks->NoteBooks.size(), 7u);
    ASSERT_GE(gSentenceNoteBooks->NoteBooks.size(), 7u);
    TakeEveryTest();

    for (const char* content : {"word.dat", "word.lst", "sens.dat"})
        EXPECT_EQ(testbook::ReadFile(data / content), files[content]) << content << " was written";
    EXPECT_EQ(Listing(app.Path / "sound"), outside);
    for (const auto& entry : fs::directory_iterator(app.Path))
        EXPECT_TRUE(entry.path().filename() == "data" || entry.path().filename() == "sound") << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileDataTest, ::testing::ValuesIn(cCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace

TEST(ResolveInside, NamesFromDataFilesStayInTheirFolder)
{
    testbook::TTempFolder sound;
    fs::create_directories(sound.Path / "word");
    testbook::WriteFile(sound.Path / "word" / "Apple.mp3", "x");
    const std::string folder = sound.Folder() + "word/";
    const struct {
        const char* Name;
        std::string Expected;
    } cases[] = {
        {"apple.mp3", folder + "Apple.mp3"},
        {"/etc/passwd", folder + "etc/passwd"},
        {"sub/new.mp3", folder + "sub/new.mp3"},
        {"a..b.mp3", folder + "a..b.mp3"},
        {"../../../etc/passwd", ""},
        {"..\\..\\secret.mp3", ""},
        {"sub/../../x.mp3", ""},
        {"..", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveInside(folder, c.Name), c.Expected) << c.Name;
}

TEST(OversizedDataFile, IsNotReadAndTheStartGoesOn)
{
    testbook::TTempFolder app;
    const fs::path data = app.Path / "data";
    fs::create_directories(data);
    const std::string item = "<ITEM E=\"w\"/>";
    std::string words = "<PACKAGE>";
    while (words.size() <= cLargestDataFile)
        words += item;
    testbook::WriteFile(data / "word.dat", words + "</PACKAGE>");
    testbook::WriteFile(data / "word.lst", cLists);

    gDataPath = data.string() + "/";
    CreateStores();
    LoadStores();
    EXPECT_EQ(gWordPackage->Count(), 0);
    EXPECT_EQ(gWordList->Count(), 2);
    EXPECT_EQ(gWordNoteBooks->GetNoteBook(6)->Count(), 0);
}
