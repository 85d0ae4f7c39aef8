#include "book_builder/book_writer.h"

#include <system_error>

#include "store/u09_BussObj.h"

namespace fs = std::filesystem;

namespace {

void FillWords(const Book& book, TWordPackage& words) {
  for (const BookWord& word : book.words) {
    TWordItem item;
    item.WriteString("TFN", word.soundFile);
    item.WriteString("C", word.chinese);
    item.WriteString("E", word.english);
    item.WriteString("P", word.phonetic);
    words.AddItem(item);
  }
}

void FillWordLists(const Book& book, TWordList& wordLists) {
  for (const WordListRange& range : book.wordLists) {
    TWordListItem item;
    item.SetBegin(range.first);
    item.SetEnd(range.last);
    wordLists.AddItem(item);
  }
}

void FillSentences(const Book& book, TSentenceList& sentences) {
  std::int32_t number = 0;
  for (const BookSentence& sentence : book.sentences) {
    TSentenceItem item;
    item.WriteInteger("WID", sentence.wordNumber);
    item.WriteInteger("MIDX", ++number);
    item.WriteString("ESEN", sentence.english);
    item.WriteString("CSEN", sentence.chinese);
    item.WriteString("TE", sentence.target);
    item.WriteString("TFN", sentence.soundFile);
    sentences.AddItem(item);
  }
}

}  // namespace

bool WriteBook(const Book& book, const fs::path& dataDir, std::string& error) {
  TWordPackage words;
  TWordList wordLists;
  TSentenceList sentences;
  FillWords(book, words);
  FillWordLists(book, wordLists);
  FillSentences(book, sentences);

  std::error_code fsError;
  fs::create_directories(dataDir, fsError);
  if (fsError) {
    error = "cannot create " + dataDir.string() + ": " + fsError.message();
    return false;
  }
  // Each file is first saved beside its final name, so that a failure leaves
  // the three old files together.
  const std::pair<TNodeObj*, const char*> files[] = {
      {&words, "word.dat"}, {&wordLists, "word.lst"}, {&sentences, "sens.dat"}};
  auto staged = [&](const char* name) { return dataDir / (std::string(name) + ".new"); };
  auto dropStaged = [&] {
    for (const auto& [store, name] : files) fs::remove(staged(name), fsError);
  };
  for (const auto& [store, name] : files) {
    if (!store->SaveToFile(staged(name).string())) {
      dropStaged();
      error = "cannot write " + (dataDir / name).string();
      return false;
    }
  }
  for (const auto& [store, name] : files) {
    fs::rename(staged(name), dataDir / name, fsError);
    if (fsError) {
      dropStaged();
      error = "cannot replace " + (dataDir / name).string() + ": " + fsError.message();
      return false;
    }
  }
  return true;
}
