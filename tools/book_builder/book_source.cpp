#include "book_builder/book_source.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

struct Row {
  int line = 0;
  std::vector<std::string> cells;
};

struct Table {
  std::string file;  // relative name used in messages
  std::vector<Row> rows;
};

class ProblemLog {
public:
  explicit ProblemLog(std::vector<BookProblem>& problems) : problems_(problems) {}
  void Add(const std::string& file, int line, std::string message) {
    problems_.push_back({{file, line}, std::move(message)});
  }

private:
  std::vector<BookProblem>& problems_;
};

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string TwoDigits(int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

// Returns the 1-based line of the first byte that is not valid UTF-8, or 0.
int FirstBadUtf8Line(const std::string& text) {
  int line = 1;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return line;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return line;
    }
    if (c == '\n') ++line;
    i += length;
  }
  return 0;
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\v\f");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r\v\f");
  return text.substr(first, last - first + 1);
}

std::optional<Table> ReadTable(const fs::path& path, const std::string& name, ProblemLog& log) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    log.Add(name, 0, "cannot be read");
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  std::string text = content.str();
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  if (const int bad = FirstBadUtf8Line(text)) {
    log.Add(name, bad, "is not UTF-8 text (save the table as UTF-8)");
    return std::nullopt;
  }
  Table table{name, {}};
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Row row{number, {}};
    std::size_t start = 0;
    while (true) {
      const auto tab = line.find('\t', start);
      row.cells.push_back(Trim(line.substr(start, tab - start)));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    // Spreadsheets like to append empty columns.
    while (!row.cells.empty() && row.cells.back().empty()) row.cells.pop_back();
    table.rows.push_back(std::move(row));
  }
  return table;
}

// The numbered tables of one folder: "NN.tsv" → NN. Other .tsv names are refused.
std::map<int, fs::path> NumberedTables(const fs::path& dir, const std::string& folder, ProblemLog& log) {
  std::map<int, fs::path> tables;
  std::error_code error;
  if (!fs::is_directory(dir, error)) return tables;
  for (const auto& entry : fs::directory_iterator(dir, error)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".tsv") continue;
    const std::string stem = entry.path().stem().string();
    const std::string name = folder + "/" + entry.path().filename().string();
    const bool twoDigits = stem.size() == 2 && std::isdigit(static_cast<unsigned char>(stem[0])) &&
                           std::isdigit(static_cast<unsigned char>(stem[1]));
    if (!twoDigits) {
      log.Add(name, 0, "a table's name must be its Word List number in two digits, such as 01.tsv");
      continue;
    }
    const int number = std::stoi(stem);
    if (number == 0) {
      log.Add(name, 0, "Word List numbers start at 01");
      continue;
    }
    tables[number] = entry.path();
  }
  return tables;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Where the first occurrence of `word` stands in `sentence`: absent, inside a longer word, or whole.
enum class Occurrence { Absent, InsideWord, Whole };

Occurrence FirstOccurrence(const std::string& sentence, const std::string& word) {
  const auto at = sentence.find(word);
  if (at == std::string::npos) return Occurrence::Absent;
  const bool letterBefore = at > 0 && IsAsciiLetter(sentence[at - 1]) && IsAsciiLetter(word.front());
  const std::size_t end = at + word.size();
  const bool letterAfter = end < sentence.size() && IsAsciiLetter(sentence[end]) && IsAsciiLetter(word.back());
  return letterBefore || letterAfter ? Occurrence::InsideWord : Occurrence::Whole;
}

std::string Capitalised(std::string word) {
  if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

constexpr const char* kCapitalMark = "capital";

struct ListWords {
  std::unordered_map<std::string, int> numberByEnglish;  // E → word number
};

void ReadWordList(const Table& table, Book& book, ListWords& listWords,
                  std::unordered_map<std::string, SourcePlace>& englishSeen,
                  std::unordered_map<std::string, SourcePlace>& soundSeen, ProblemLog& log) {
  const int first = static_cast<int>(book.words.size()) + 1;
  if (table.rows.empty()) log.Add(table.file, 0, "the Word List has no words");
  for (const Row& row : table.rows) {
    const auto& cells = row.cells;
    if (cells.size() < 2) {
      log.Add(table.file, row.line, "needs the columns E, C and P (P may be empty); found " +
                                        std::to_string(cells.size()));
      continue;
    }
    if (cells.size() > 3) {
      log.Add(table.file, row.line, "has " + std::to_string(cells.size()) + " columns; a word has E, C and P");
      continue;
    }
    BookWord word{cells[0], cells[1], cells.size() > 2 ? cells[2] : "", "", {table.file, row.line}};
    bool sound = true;
    if (word.english.empty() || word.english.find_first_not_of('/') == std::string::npos) {
      log.Add(table.file, row.line, "E (the English word) is empty");
      sound = false;
    }
    if (word.chinese.empty()) log.Add(table.file, row.line, "C (the Chinese meaning) is empty");
    if (const auto seen = englishSeen.find(word.english); sound && seen != englishSeen.end()) {
      log.Add(table.file, row.line, "duplicate word " + Quote(word.english) + ", already at " +
                                        seen->second.file + ":" + std::to_string(seen->second.line));
      sound = false;
    }
    if (sound) {
      englishSeen.emplace(word.english, word.place);
      word.soundFile = WordSoundFileName(word.english);
      if (const auto taken = soundSeen.find(word.soundFile); taken != soundSeen.end()) {
        log.Add(table.file, row.line, "sound file name " + Quote(word.soundFile) + " is already used by the word at " +
                                          taken->second.file + ":" + std::to_string(taken->second.line));
      } else {
        soundSeen.emplace(word.soundFile, word.place);
      }
    }
    listWords.numberByEnglish.emplace(word.english, static_cast<int>(book.words.size()) + 1);
    book.words.push_back(std::move(word));
  }
  book.wordLists.push_back({first, static_cast<int>(book.words.size())});
}

void CheckTarget(const Table& table, const Row& row, const BookSentence& sentence, ProblemLog& log) {
  const Occurrence asWritten = FirstOccurrence(sentence.english, sentence.target);
  if (!sentence.capital) {
    if (asWritten == Occurrence::Absent) {
      log.Add(table.file, row.line, "TE " + Quote(sentence.target) +
                                        " does not occur in ESEN (mark the row \"capital\" when it occurs only "
                                        "with a capital letter)");
    } else if (asWritten == Occurrence::InsideWord) {
      log.Add(table.file, row.line, "TE " + Quote(sentence.target) + " first occurs inside a longer word of ESEN");
    }
    return;
  }
  if (asWritten != Occurrence::Absent) {
    log.Add(table.file, row.line, "marked capital, but TE " + Quote(sentence.target) + " occurs in ESEN as written");
    return;
  }
  const std::string capital = Capitalised(sentence.target);
  if (FirstOccurrence(sentence.english, capital) != Occurrence::Whole) {
    log.Add(table.file, row.line, "marked capital, but " + Quote(capital) + " does not occur as a word in ESEN");
  }
}

// Reads one sentence table and returns its sentences grouped by word number.
void ReadSentences(const Table& table, const ListWords& listWords, int listNumber,
                   std::map<int, std::vector<BookSentence>>& byWord, ProblemLog& log) {
  for (const Row& row : table.rows) {
    const auto& cells = row.cells;
    if (cells.size() < 4) {
      log.Add(table.file, row.line, "needs the columns WORD, TE, ESEN and CSEN; found " +
                                        std::to_string(cells.size()));
      continue;
    }
    if (cells.size() > 5) {
      log.Add(table.file, row.line, "has " + std::to_string(cells.size()) +
                                        " columns; a sentence has WORD, TE, ESEN, CSEN and an optional \"capital\"");
      continue;
    }
    BookSentence sentence{0, cells[1], cells[2], cells[3], "", cells.size() == 5, {table.file, row.line}};
    if (sentence.capital && cells[4] != kCapitalMark) {
      log.Add(table.file, row.line, "the fifth column may only be \"capital\", not " + Quote(cells[4]));
      continue;
    }
    const auto word = listWords.numberByEnglish.find(cells[0]);
    if (word == listWords.numberByEnglish.end()) {
      log.Add(table.file, row.line, "WORD " + Quote(cells[0]) + " is not a word of Word List " + TwoDigits(listNumber));
      continue;
    }
    sentence.wordNumber = word->second;
    bool complete = true;
    for (const auto& [text, column] : {std::pair{&sentence.target, "TE"}, {&sentence.english, "ESEN"},
                                       {&sentence.chinese, "CSEN"}}) {
      if (text->empty()) {
        log.Add(table.file, row.line, std::string(column) + " is empty");
        complete = false;
      }
    }
    if (!complete) continue;
    CheckTarget(table, row, sentence, log);
    byWord[sentence.wordNumber].push_back(std::move(sentence));
  }
}

}  // namespace

BookReading ReadBook(const fs::path& bookDir) {
  BookReading reading;
  ProblemLog log(reading.problems);
  Book& book = reading.book;

  const auto lists = NumberedTables(bookDir / "lists", "lists", log);
  const auto sentenceTables = NumberedTables(bookDir / "sentences", "sentences", log);
  if (lists.empty()) {
    log.Add("lists", 0, "holds no Word List table (lists/01.tsv, lists/02.tsv, ...)");
    return reading;
  }
  const int listCount = lists.rbegin()->first;
  std::unordered_map<std::string, SourcePlace> englishSeen;
  std::unordered_map<std::string, SourcePlace> soundSeen;
  std::vector<ListWords> listWords(listCount + 1);
  for (int n = 1; n <= listCount; ++n) {
    const auto file = lists.find(n);
    if (file == lists.end()) {
      log.Add("lists/" + TwoDigits(n) + ".tsv", 0, "is missing: Word Lists are numbered 01, 02, ... without gaps");
      book.wordLists.push_back({static_cast<int>(book.words.size()) + 1, static_cast<int>(book.words.size())});
      continue;
    }
    if (auto table = ReadTable(file->second, "lists/" + TwoDigits(n) + ".tsv", log)) {
      ReadWordList(*table, book, listWords[n], englishSeen, soundSeen, log);
    }
  }

  std::map<int, std::vector<BookSentence>> byWord;
  for (const auto& [n, path] : sentenceTables) {
    const std::string name = "sentences/" + TwoDigits(n) + ".tsv";
    if (n > listCount || !lists.contains(n)) {
      log.Add(name, 0, "Word List " + TwoDigits(n) + " is out of range: there is no lists/" + TwoDigits(n) + ".tsv");
      continue;
    }
    if (auto table = ReadTable(path, name, log)) ReadSentences(*table, listWords[n], n, byWord, log);
  }
  for (auto& [wordNumber, sentences] : byWord) {
    for (auto& sentence : sentences) {
      sentence.soundFile = SentenceSoundFileName(static_cast<int>(book.sentences.size()) + 1);
      book.sentences.push_back(std::move(sentence));
    }
  }
  return reading;
}

std::string DescribeProblem(const BookProblem& problem) {
  std::string text = problem.place.file;
  if (problem.place.line > 0) text += ":" + std::to_string(problem.place.line);
  return text + ": " + problem.message;
}

std::string FirstForm(const std::string& english) {
  std::string form;
  std::istringstream parts(english);
  while (form.empty() && std::getline(parts, form, '/')) form = Trim(form);
  return form;
}

std::string WordSoundFileName(const std::string& english) {
  std::string name;
  for (const char c : FirstForm(english)) {
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    const bool safe = (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9') || lower == '-';
    name += safe ? lower : '_';
  }
  return name + ".mp3";
}

std::string SentenceSoundFileName(int sentenceNumber) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "s%04d.mp3", sentenceNumber);
  return buffer;
}
