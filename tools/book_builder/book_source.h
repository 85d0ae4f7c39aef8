#pragma once
// Reads a word book from its editable tables (lists/NN.tsv, sentences/NN.tsv)
// and checks every row, so that the data files are only written from a sound book.
#include <filesystem>
#include <string>
#include <vector>

struct SourcePlace {
  std::string file;  // relative to the book folder, e.g. "lists/03.tsv"
  int line = 0;      // 1-based; 0 when the problem concerns the whole file
};

struct BookWord {
  std::string english;  // E: forms joined by "/"
  std::string chinese;  // C
  std::string phonetic; // P, may be empty
  std::string soundFile;
  SourcePlace place;
};

struct BookSentence {
  int wordNumber = 0;   // 1-based position of its word in the book
  std::string target;   // TE
  std::string english;  // ESEN
  std::string chinese;  // CSEN
  std::string soundFile;
  bool capital = false; // TE occurs in ESEN only with a capital first letter
  SourcePlace place;
};

struct WordListRange {
  int first = 0;  // word numbers, inclusive
  int last = 0;
};

struct Book {
  std::vector<BookWord> words;
  std::vector<WordListRange> wordLists;
  std::vector<BookSentence> sentences;  // in sentence number order
};

struct BookProblem {
  SourcePlace place;
  std::string message;
};

struct BookReading {
  Book book;
  std::vector<BookProblem> problems;  // empty when the book may be written
};

BookReading ReadBook(const std::filesystem::path& bookDir);

// "lists/03.tsv:12: TE "ran" does not occur in ESEN"
std::string DescribeProblem(const BookProblem& problem);

// The first of the "/"-joined forms of E, trimmed: the form a word's sound speaks.
std::string FirstForm(const std::string& english);

// The sound file name of a word: its first form, lower-cased, with every
// character other than a-z, 0-9 and "-" turned into "_", plus ".mp3".
std::string WordSoundFileName(const std::string& english);

// The sound file name of sentence number n (1-based): "s0001.mp3".
std::string SentenceSoundFileName(int sentenceNumber);
