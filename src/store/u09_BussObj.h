#pragma once
// The word, Word List, sentence and test history stores.
#include "store/u09_BussObj_History.h"
#include "store/u09_BussObj_Sentence.h"
#include "store/u09_BussObj_Word.h"
#include "store/u09_BussObj_WordList.h"
