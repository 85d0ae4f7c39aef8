// The sample book as the program folder holds it: data files that agree with
// each other, a sound for every word and sentence, the help pages.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "mp3_frames.h"
#include "store/u09_BussObj.h"

namespace fs = std::filesystem;

namespace {

const fs::path kAppDir = VELLORA_APP_DIR;

struct LoadedBook {
  TWordPackage words;
  TWordList wordLists;
  TSentenceList sentences;
  bool loaded = false;

  LoadedBook() {
    const fs::path data = kAppDir / "data";
    loaded = words.LoadFromFile((data / "word.dat").string()) &&
             wordLists.LoadFromFile((data / "word.lst").string()) &&
             sentences.LoadFromFile((data / "sens.dat").string());
  }
};

LoadedBook& Book() {
  static LoadedBook book;
  return book;
}

// The ESEN of every sentence row the book's tables mark "capital".
std::set<std::string> CapitalSentences() {
  std::set<std::string> marked;
  for (const auto& entry : fs::directory_iterator(fs::path(VELLORA_SOURCE_DIR) / "content/book/sentences")) {
    std::ifstream in(entry.path());
    std::string line;
    while (std::getline(in, line)) {
      std::vector<std::string> cells;
      std::istringstream row(line);
      for (std::string cell; std::getline(row, cell, '\t');) cells.push_back(cell);
      if (cells.size() >= 5 && cells[4] == "capital") marked.insert(cells[2]);
    }
  }
  return marked;
}

TEST(SampleBook, LoadsAndIsABookOfWordLists) {
  LoadedBook& book = Book();
  ASSERT_TRUE(book.loaded);
  EXPECT_GE(book.words.Count(), 480);
  EXPECT_GE(book.wordLists.Count(), 10);
  EXPECT_GE(book.sentences.Count(), 700);
}

TEST(SampleBook, WordListsLieInsideTheBookWithoutOverlapping) {
  LoadedBook& book = Book();
  ASSERT_TRUE(book.loaded);
  int previousEnd = 0;
  for (int n = 0; n < book.wordLists.Count(); ++n) {
    const TWordListItem& list = book.wordLists.GetItem(n);
    const int begin = list.GetBegin(), end = list.GetEnd();
    SCOPED_TRACE("Word List " + std::to_string(n + 1));
    EXPECT_GE(begin, 1);
    EXPECT_LE(begin, end);
    EXPECT_LE(end, book.words.Count());
    EXPECT_GT(begin, previousEnd);
    // Full groups of 40 and a partial last group.
    EXPECT_GE(end - begin + 1, 40);
    EXPECT_LE(end - begin + 1, 60);
    previousEnd = end;
  }
}

TEST(SampleBook, EveryWordHasItsTexts) {
  LoadedBook& book = Book();
  ASSERT_TRUE(book.loaded);
  std::set<std::string> soundFiles;
  for (int i = 0; i < book.words.Count(); ++i) {
    const auto word = book.words.GetWord(i);
    SCOPED_TRACE("word " + std::to_string(i + 1) + " " + word->GetEnglish());
    EXPECT_FALSE(word->GetEnglish().empty());
    EXPECT_FALSE(word->GetChinese().empty());
    EXPECT_FALSE(word->GetPhonetic().empty());
    EXPECT_TRUE(soundFiles.insert(word->GetSoundFile()).second) << "sound file shared with another word";
  }
}

TEST(SampleBook, SentencesBelongToWordsInBookOrder) {
  LoadedBook& book = Book();
  ASSERT_TRUE(book.loaded);
  int previousWord = 0;
  for (int i = 0; i < book.sentences.Count(); ++i) {
    const TSentenceItem& sentence = book.sentences.GetSentence(i);
    SCOPED_TRACE("sentence " + std::to_string(i + 1));
    EXPECT_EQ(sentence.GetSentenceNo(), i + 1);
    EXPECT_GE(sentence.GetWordNo(), 1);
    EXPECT_LE(sentence.GetWordNo(), book.words.Count());
    // A Word List's sentences form one run only when they follow the words' order.
    EXPECT_GE(sentence.GetWordNo(), previousWord);
    previousWord = sentence.GetWordNo();
    EXPECT_FALSE(sentence.GetChineseSentence().empty());
  }
}

TEST(SampleBook, TargetsOccurInTheirSentencesExceptTheCapitalisedOnes) {
  LoadedBook& book = Book();
  ASSERT_TRUE(book.loaded);
  const std::set<std::string> capital = CapitalSentences();
  int capitalSeen = 0;
  for (int i = 0; i < book.sentences.Count(); ++i) {
    const TSentenceItem& sentence = book.sentences.GetSentence(i);
    const std::string english = sentence.GetEnglishSentence();
    std::string target = sentence.GetTarget();
    SCOPED_TRACE("sentence " + std::to_string(i + 1) + ": " + english);
    ASSERT_FALSE(target.empty());
    if (capital.contains(english)) {
      ++capitalSeen;
      EXPECT_EQ(english.find(target), std::string::npos);
      target[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(target[0])));
      EXPECT_NE(english.find(target), std::string::npos);
    } else {
      EXPECT_NE(sentence.GetBlankedSentence(), english) << "TE " << target << " is not blanked";
    }
  }
  EXPECT_EQ(capitalSeen, static_cast<int>(capital.size()));
}

void ExpectDecodable(const fs::path& path) {
  const Mp3Check check = CheckMp3(path);
  EXPECT_TRUE(check.decodable) << path << ": " << check.problem;
  EXPECT_GT(check.seconds, 0.1) << path;
}

TEST(SampleBook, EverySoundIsADecodableMp3) {
  LoadedBook& book = Book();
  ASSERT_TRUE(book.loaded);
  const fs::path sound = kAppDir / "sound";
  for (int i = 0; i < book.words.Count(); ++i) ExpectDecodable(sound / "word" / book.words.GetWord(i)->GetSoundFile());
  for (int i = 0; i < book.sentences.Count(); ++i) {
    ExpectDecodable(sound / "sentence" / book.sentences.GetSentence(i).GetSoundFile());
  }
  ExpectDecodable(sound / "AnswerOK.mp3");
  ExpectDecodable(sound / "AnswerErr.mp3");
}

TEST(SampleBook, HasAHelpPageForEveryScreen) {
  for (const char* page : {"frmMain", "frmTestCenter", "frmTestType1", "frmTestType2", "frmTestType3",
                           "frmTestType4", "frmTestType5", "frmTestResult", "frmNoteBook", "frmHistory"}) {
    std::ifstream in(kAppDir / "help" / (std::string(page) + ".htm"));
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("<meta charset=\"utf-8\">"), std::string::npos) << page;
  }
}

TEST(Mp3Check, RefusesWhatAPlayerCouldNotDecode) {
  const fs::path good = kAppDir / "sound" / "AnswerOK.mp3";
  ASSERT_TRUE(CheckMp3(good).decodable);
  std::ifstream in(good, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const fs::path dir = fs::temp_directory_path() / "vellora_mp3_check";
  fs::create_directories(dir);
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"cut short", bytes.substr(0, bytes.size() - 10)},
      {"not audio", "<html>not a sound</html>"},
      {"empty", ""},
      {"garbage inside", bytes.substr(0, 400) + "xxxx" + bytes.substr(400)},
  };
  for (const auto& c : cases) {
    const fs::path file = dir / "bad.mp3";
    std::ofstream(file, std::ios::binary) << c.content;
    EXPECT_FALSE(CheckMp3(file).decodable) << c.name;
  }
  fs::remove_all(dir);
}

}  // namespace
