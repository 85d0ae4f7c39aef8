#pragma once
// The word book word.dat: word records and the word store with its random
// selections of word numbers.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/u09_Declare.h"
#include "store/unt99_XMLOpModal.h"

// Splits at separator and at line breaks; a single or double quote protects
// separators up to the same quote again (quotes stay in the piece); empty
// pieces are dropped.
TTextList SplitParts(std::string_view text, char separator);

class TWordidxItem : public TNodeObj {};

class TWordItem : public TWordidxItem {
public:
    // The parts of E (or of a sentence's TE), refreshed on each request.
    TTextList Parts;

    // Bound to a new "ITEM" element of its own.
    TWordItem();

    std::string GetSoundFile() const;  // TFN
    std::string GetChinese() const;    // C
    std::string GetEnglish() const;    // E
    std::string GetPhonetic() const;   // P
    // Part i of E split at "/"; "" when E has fewer parts.
    std::string GetEnglishPart(std::int32_t i);

protected:
    std::string RefreshParts(std::string_view attribute, std::int32_t i);
};

class TWordIdxPackage : public TNodeList {
public:
    using TNodeList::TNodeList;
};

class TWordPackage : public TWordIdxPackage {
public:
    // Root "PACKAGE".
    TWordPackage();

    // A new record bound to word index (word number - 1) when below Count,
    // otherwise holding its own empty element.
    std::unique_ptr<TWordItem> GetWord(std::int32_t index) const;

    // n distinct word numbers in random order, the target among them: one pick
    // per band of Count div n numbers, the target replacing its band's pick
    // (or the second slot when it lies beyond the last band), then shuffled.
    // With fewer than n words: every word number once, in random order.
    void RandomOptions(std::int32_t n, std::int32_t target, TIntArray& result) const;
    // n distinct random numbers when n < Count, else every number once.
    void RandomSelection(std::int32_t n, TIntArray& result) const;
    // min(n, Count) distinct random numbers; empty for n below 1.
    void RandomPick(std::int32_t n, TIntArray& result) const;
    // Every number 1 .. Count once, in random order.
    void ShuffleAll(TIntArray& result) const;
};
