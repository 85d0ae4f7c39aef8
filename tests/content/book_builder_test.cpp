// The content builder: which tables it refuses, and what it writes from a sound book.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "book_builder/book_source.h"
#include "store/u09_BussObj.h"

namespace fs = std::filesystem;

namespace {

class TempDir {
public:
  TempDir() {
    char pattern[] = "/tmp/vellora_book_XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

private:
  fs::path path_;
};

void WriteFile(const fs::path& path, const std::string& content) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

using Files = std::map<std::string, std::string>;

// A sound two-list book; each case replaces or adds some of its tables.
Files SoundBook() {
  return {{"lists/01.tsv", "apple\tn. 苹果\tˈæpəl\nrun\tv. 跑\tˈrʌn\n"},
          {"lists/02.tsv", "art\tn. 艺术\t\n"},
          {"sentences/01.tsv", "run\tran\tShe ran home.\t她跑回家。\n"}};
}

std::vector<std::string> ProblemsOf(const Files& files) {
  TempDir book;
  for (const auto& [name, content] : files) WriteFile(book.path() / name, content);
  std::vector<std::string> problems;
  for (const auto& problem : ReadBook(book.path()).problems) problems.push_back(DescribeProblem(problem));
  return problems;
}

struct RefusalCase {
  const char* what;
  Files changes;
  const char* problem;  // the one expected problem, as the builder prints it
};

const RefusalCase kRefusals[] = {
    {"word row without C", {{"lists/02.tsv", "art\n"}},
     "lists/02.tsv:1: needs the columns E, C and P (P may be empty); found 1"},
    {"word row with a fourth column", {{"lists/02.tsv", "art\tn. 艺术\tˈɑːrt\textra\n"}},
     "lists/02.tsv:1: has 4 columns; a word has E, C and P"},
    {"empty C", {{"lists/02.tsv", "art\t\tˈɑːrt\n"}}, "lists/02.tsv:1: C (the Chinese meaning) is empty"},
    {"empty E", {{"lists/02.tsv", "\tn. 艺术\n"}}, "lists/02.tsv:1: E (the English word) is empty"},
    {"duplicate word in another list", {{"lists/02.tsv", "# art\n\napple\tn. 苹果树\n"}},
     "lists/02.tsv:3: duplicate word \"apple\", already at lists/01.tsv:1"},
    {"two words with one sound file", {{"lists/02.tsv", "Apple\tn. 苹果公司\n"}},
     "lists/02.tsv:1: sound file name \"apple.mp3\" is already used by the word at lists/01.tsv:1"},
    {"sentence row without CSEN", {{"sentences/01.tsv", "run\tran\tShe ran home.\n"}},
     "sentences/01.tsv:1: needs the columns WORD, TE, ESEN and CSEN; found 3"},
    {"sentence row with a sixth column", {{"sentences/01.tsv", "run\tran\tShe ran home.\t她跑回家。\tcapital\tx\n"}},
     "sentences/01.tsv:1: has 6 columns; a sentence has WORD, TE, ESEN, CSEN and an optional \"capital\""},
    {"fifth column other than capital", {{"sentences/01.tsv", "run\tran\tShe ran home.\t她跑回家。\tCapital\n"}},
     "sentences/01.tsv:1: the fifth column may only be \"capital\", not \"Capital\""},
    {"empty TE", {{"sentences/01.tsv", "run\t\tShe ran home.\t她跑回家。\n"}}, "sentences/01.tsv:1: TE is empty"},
    {"TE not in ESEN", {{"sentences/01.tsv", "run\tran\tShe runs home.\t她跑回家。\n"}},
     "sentences/01.tsv:1: TE \"ran\" does not occur in ESEN (mark the row \"capital\" when it occurs only with a "
     "capital letter)"},
    {"TE only with a capital, unmarked", {{"sentences/01.tsv", "run\tran\tRan out of time, she stopped.\t她没时间了。\n"}},
     "sentences/01.tsv:1: TE \"ran\" does not occur in ESEN (mark the row \"capital\" when it occurs only with a "
     "capital letter)"},
    {"TE first found inside a longer word", {{"sentences/02.tsv", "art\tart\tHe started art lessons.\t他开始学美术。\n"}},
     "sentences/02.tsv:1: TE \"art\" first occurs inside a longer word of ESEN"},
    {"capital, but TE occurs as written", {{"sentences/01.tsv", "run\tran\tShe ran home.\t她跑回家。\tcapital\n"}},
     "sentences/01.tsv:1: marked capital, but TE \"ran\" occurs in ESEN as written"},
    {"capital, but not even capitalised", {{"sentences/01.tsv", "run\tran\tShe runs home.\t她跑回家。\tcapital\n"}},
     "sentences/01.tsv:1: marked capital, but \"Ran\" does not occur as a word in ESEN"},
    {"WORD of another Word List", {{"sentences/01.tsv", "art\tart\tI like art.\t我喜欢艺术。\n"}},
     "sentences/01.tsv:1: WORD \"art\" is not a word of Word List 01"},
    {"sentences of a Word List beyond the book", {{"sentences/03.tsv", "run\tran\tShe ran.\t她跑了。\n"}},
     "sentences/03.tsv: Word List 03 is out of range: there is no lists/03.tsv"},
    {"gap in the Word List numbers", {{"lists/04.tsv", "zoo\tn. 动物园\n"}},
     "lists/03.tsv: is missing: Word Lists are numbered 01, 02, ... without gaps"},
    {"Word List without words", {{"lists/02.tsv", "# to do\n\n"}}, "lists/02.tsv: the Word List has no words"},
    {"Word List 00", {{"lists/00.tsv", "zoo\tn. 动物园\n"}}, "lists/00.tsv: Word List numbers start at 01"},
    {"table not named by its number", {{"lists/3.tsv", "zoo\tn. 动物园\n"}},
     "lists/3.tsv: a table's name must be its Word List number in two digits, such as 01.tsv"},
    {"table saved in another encoding", {{"lists/02.tsv", "art\tn. \xD2\xD5\xCA\xF5\n"}},
     "lists/02.tsv:1: is not UTF-8 text (save the table as UTF-8)"},
};

TEST(BookBuilderRefuses, EachBadRowWithItsFileLineAndProblem) {
  ASSERT_TRUE(ProblemsOf(SoundBook()).empty());
  for (const auto& refusal : kRefusals) {
    Files files = SoundBook();
    for (const auto& [name, content] : refusal.changes) files[name] = content;
    EXPECT_EQ(ProblemsOf(files), std::vector<std::string>{refusal.problem}) << refusal.what;
  }
}

TEST(BookBuilderRefuses, ABookWithoutWordLists) {
  EXPECT_EQ(ProblemsOf({{"sentences/01.tsv", "run\tran\tShe ran.\t她跑了。\n"}}),
            std::vector<std::string>{"lists: holds no Word List table (lists/01.tsv, lists/02.tsv, ...)"});
}

TEST(BookBuilderReads, SpreadsheetHabits) {
  // A byte order mark, Windows line ends, padding blanks and trailing empty columns are all accepted.
  Files files = SoundBook();
  files["lists/01.tsv"] = "\xEF\xBB\xBF" "apple \t n. 苹果\t\t\r\nrun\tv. 跑\tˈrʌn\t\t\r\n";
  files["sentences/01.tsv"] = "run\tran\tShe ran home.\t她跑回家。\t\t\r\n";
  EXPECT_TRUE(ProblemsOf(files).empty());
}

TEST(BookBuilderReads, TheFixtureBookInBookOrder) {
  const BookReading reading = ReadBook(fs::path(VELLORA_FIXTURES) / "book");
  ASSERT_TRUE(reading.problems.empty());
  const Book& book = reading.book;

  std::vector<std::string> english;
  for (const auto& word : book.words) english.push_back(word.english + " " + word.soundFile);
  EXPECT_EQ(english, (std::vector<std::string>{"apple apple.mp3", "colour/color colour.mp3", "run run.mp3",
                                               "child child.mp3", "study study.mp3"}));
  ASSERT_EQ(book.wordLists.size(), 2u);
  EXPECT_EQ(book.wordLists[0].first, 1);
  EXPECT_EQ(book.wordLists[0].last, 3);
  EXPECT_EQ(book.wordLists[1].first, 4);
  EXPECT_EQ(book.wordLists[1].last, 5);

  // By word number, then in table order, whatever the order of the rows.
  std::vector<std::string> sentences;
  for (const auto& s : book.sentences) {
    sentences.push_back(std::to_string(s.wordNumber) + " " + s.target + " " + s.soundFile + (s.capital ? " capital" : ""));
  }
  EXPECT_EQ(sentences, (std::vector<std::string>{"1 apples s0001.mp3", "1 apple s0002.mp3",
                                                 "2 colour s0003.mp3 capital", "3 ran s0004.mp3",
                                                 "4 children s0005.mp3", "5 studies s0006.mp3"}));
}

TEST(BookBuilderNames, SoundFiles) {
  EXPECT_EQ(WordSoundFileName("colour/color"), "colour.mp3");
  EXPECT_EQ(WordSoundFileName("look after"), "look_after.mp3");
  EXPECT_EQ(WordSoundFileName("T-shirt"), "t-shirt.mp3");
  EXPECT_EQ(WordSoundFileName("/centre/center"), "centre.mp3");
  EXPECT_EQ(SentenceSoundFileName(7), "s0007.mp3");
  EXPECT_EQ(SentenceSoundFileName(12345), "s12345.mp3");
}

struct BuilderRun {
  int status;
  std::string output;
};

BuilderRun RunBuilder(const fs::path& bookDir, const fs::path& dataDir) {
  const std::string command =
      std::string(VELLORA_BOOK_BUILDER) + " '" + bookDir.string() + "' '" + dataDir.string() + "' 2>&1";
  BuilderRun run{0, ""};
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 256> buffer;
  while (fgets(buffer.data(), buffer.size(), pipe)) run.output += buffer.data();
  run.status = pclose(pipe);
  return run;
}

TEST(BookBuilderWrites, NothingWhenTheBookHasAProblem) {
  TempDir book, data;
  Files files = SoundBook();
  files["sentences/01.tsv"] = "run\truns\tShe ran home.\t她跑回家。\n";
  for (const auto& [name, content] : files) WriteFile(book.path() / name, content);
  WriteFile(data.path() / "word.dat", "old words");

  const BuilderRun run = RunBuilder(book.path(), data.path());
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("sentences/01.tsv:1: TE \"runs\" does not occur in ESEN"), std::string::npos) << run.output;
  EXPECT_EQ(ReadFile(data.path() / "word.dat"), "old words");
  EXPECT_FALSE(fs::exists(data.path() / "word.lst"));
  EXPECT_FALSE(fs::exists(data.path() / "sens.dat"));
}

TEST(BookBuilderWrites, TheDataFilesTheProgramReads) {
  TempDir data;
  const BuilderRun run = RunBuilder(fs::path(VELLORA_FIXTURES) / "book", data.path() / "data");
  ASSERT_EQ(run.status, 0) << run.output;

  TWordPackage words;
  ASSERT_TRUE(words.LoadFromFile((data.path() / "data/word.dat").string()));
  ASSERT_EQ(words.Count(), 5);
  const auto colour = words.GetWord(1);
  EXPECT_EQ(colour->GetEnglish(), "colour/color");
  EXPECT_EQ(colour->GetChinese(), "n. 颜色 vt. 给…着色");
  EXPECT_EQ(colour->GetPhonetic(), "ˈkʌlɚ");
  EXPECT_EQ(colour->GetSoundFile(), "colour.mp3");
  EXPECT_EQ(words.GetWord(3)->GetPhonetic(), "");

  TWordList lists;
  ASSERT_TRUE(lists.LoadFromFile((data.path() / "data/word.lst").string()));
  ASSERT_EQ(lists.Count(), 2);
  EXPECT_EQ(lists.GetItem(1).GetBegin(), 4);
  EXPECT_EQ(lists.GetItem(1).GetEnd(), 5);

  TSentenceList sentences;
  ASSERT_TRUE(sentences.LoadFromFile((data.path() / "data/sens.dat").string()));
  ASSERT_EQ(sentences.Count(), 6);
  TSentenceItem& ran = sentences.GetSentence(3);
  EXPECT_EQ(ran.GetWordNo(), 3);
  EXPECT_EQ(ran.GetSentenceNo(), 4);
  EXPECT_EQ(ran.GetTarget(), "ran");
  EXPECT_EQ(ran.GetEnglishSentence(), "She ran to the station.");
  EXPECT_EQ(ran.GetChineseSentence(), "她跑到了车站。");
  EXPECT_EQ(ran.GetSoundFile(), "s0004.mp3");
  EXPECT_EQ(ran.GetBlankedSentence(), "She _____ to the station.");
}

}  // namespace
