#pragma once
// What a handed-in test changes in the learner's data: the history record, the
// automatic notebooks, and the ticked questions put into a custom notebook.
#include <cstdint>
#include <string>

#include "engine/u08_BussObj_Questions.h"
#include "store/unt99_XMLOpModal_Codec.h"

// Appends the test's record to gTestHistory and saves His.dat.
void WriteHistoryRecord(const TQuestionList2& questions, const std::string& scopeText);
// Moves every asked word and sentence between the error, passed and untested
// notebooks by its answer, then saves both notebook files.
void UpdateAutoNoteBooks(const TQuestionList2& questions);
// Puts the ticked questions of the current view into custom notebook `noteBookIndex`
// (0 to 3) of both stores and tells the learner how many words were added. The caller saves.
void AddSelectedToNoteBook(const TQuestionList2& questions, std::int32_t noteBookIndex);

// The sentence numbers of the words, word by word, in sentence order.
TTextList WordsToSentences(const TTextList& wordNumbers);
// The word number of each sentence, one per sentence.
TTextList SentencesToWords(const TTextList& sentenceNumbers);
