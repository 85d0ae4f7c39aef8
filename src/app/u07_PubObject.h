#pragma once
// The eight process-wide stores, their loading at start and the saves the screens call.
#include <memory>

#include "store/u08_BussObj.h"
#include "store/u09_BussObj.h"

extern std::unique_ptr<TWordPackage> gWordPackage;              // word.dat
extern std::unique_ptr<TWordList> gWordList;                    // word.lst
extern std::unique_ptr<TSentenceList> gSentenceList;            // sens.dat
extern std::unique_ptr<TTestHistoryPackage> gTestHistory;       // His.dat
extern std::unique_ptr<TWordList> gWordListSen;                 // wlsen2.dat
extern std::unique_ptr<TNoteBookList2> gWordNoteBooks;          // notes2.dat
extern std::unique_ptr<TNoteBookList2> gSentenceNoteBooks;      // snotes2.dat
extern std::unique_ptr<TWordSenCross> gWordSenCross;            // WSCross.dat

// The eight stores, empty; replaces any held before. Starts a run: a learner's file that
// cannot be saved is named in a notice ("提示") once per run, through the notice sink.
void CreateStores();
// Fills the stores from gDataPath, rebuilding the derived files and starting the
// learner's files that are missing. A learner's file that exists but cannot be read
// is kept aside under a new name before anything can overwrite it.
void LoadStores();
// The sentence run of every Word List, from the Word Lists and the cross index; saved.
void BuildWordListSen();
void SaveHistory();
void SaveNoteBooks();
// An empty history, saved.
void NewHistory();
// Both notebook stores back to their seven defaults, saved.
void ResetNoteBooks();
// NewHistory, then ResetNoteBooks.
void ResetAllData();
