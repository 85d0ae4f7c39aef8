#pragma once
// Example sentences (sens.dat).
#include <cstdint>
#include <string>

#include "store/u09_BussObj_Word.h"

class TSentenceItem : public TWordItem {
public:
    std::int32_t GetWordNo() const;          // WID
    std::int32_t GetSentenceNo() const;      // MIDX
    std::string GetEnglishSentence() const;  // ESEN
    std::string GetChineseSentence() const;  // CSEN
    std::string GetTarget() const;           // TE
    // Part i of TE split at "/"; "" when TE has fewer parts.
    std::string GetTargetPart(std::int32_t i);
    // ESEN with the first case-sensitive occurrence of the whole TE replaced
    // by "_____"; ESEN unchanged when TE is empty or absent.
    std::string GetBlankedSentence() const;
};

class TSentenceList : public TWordPackage {
public:
    // The one record GetSentence re-binds.
    TSentenceItem Item;

    // Item re-bound to sentence index (sentence number - 1) when below Count;
    // otherwise Item unchanged.
    TSentenceItem& GetSentence(std::int32_t index);
};
