// The content builder: word book tables → word.dat, word.lst, sens.dat.
#include <cstdio>
#include <iostream>
#include <string>

#include "book_builder/book_source.h"
#include "book_builder/book_writer.h"

namespace {

int Usage() {
  std::cerr << "usage: vellora_book_builder BOOK_DIR DATA_DIR   write word.dat, word.lst and sens.dat\n"
               "       vellora_book_builder --check BOOK_DIR    only check the tables\n"
               "       vellora_book_builder --sounds BOOK_DIR   list every sound: kind, file name, text\n";
  return 2;
}

// Prints the problems; true when there are none.
bool Checked(const BookReading& reading) {
  for (const auto& problem : reading.problems) std::cerr << DescribeProblem(problem) << '\n';
  if (!reading.problems.empty()) {
    std::cerr << reading.problems.size() << " problem(s) in the book; nothing was written.\n";
  }
  return reading.problems.empty();
}

void ListSounds(const Book& book) {
  for (const auto& word : book.words) {
    std::cout << "word\t" << word.soundFile << '\t' << FirstForm(word.english) << '\n';
  }
  for (const auto& sentence : book.sentences) {
    std::cout << "sentence\t" << sentence.soundFile << '\t' << sentence.english << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string first = argv[1];
  if (first == "--check" || first == "--sounds") {
    const BookReading reading = ReadBook(argv[2]);
    if (!Checked(reading)) return 1;
    if (first == "--sounds") ListSounds(reading.book);
    return 0;
  }
  const BookReading reading = ReadBook(first);
  if (!Checked(reading)) return 1;
  std::string error;
  if (!WriteBook(reading.book, argv[2], error)) {
    std::cerr << error << '\n';
    return 1;
  }
  const Book& book = reading.book;
  std::cout << "Wrote " << book.words.size() << " words in " << book.wordLists.size() << " Word Lists and "
            << book.sentences.size() << " sentences to " << argv[2] << '\n';
  return 0;
}
