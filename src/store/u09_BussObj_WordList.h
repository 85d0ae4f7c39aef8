#pragma once
// Word Lists (word.lst) and the sentence runs of each Word List (wlsen2.dat).
#include <cstdint>

#include "app/u09_Declare.h"
#include "store/unt99_XMLOpModal.h"

class TWordListItem : public TNodeObj {
public:
    // Bound to a new "ITEM" element of its own.
    TWordListItem();

    std::int32_t GetBegin() const;  // BIDX, 0 when missing
    std::int32_t GetEnd() const;    // EIDX, 0 when missing
    void SetBegin(std::int32_t value);
    void SetEnd(std::int32_t value);
    // BIDX + offset .. BIDX + offset + size - 1, stopping at EIDX. Empty when
    // the first number lies beyond EIDX, and for a run whose BIDX is not a
    // valid number (below 1, as the -1 of a Word List without sentences).
    void GetGroup(std::int32_t offset, std::int32_t size, TIntArray& result) const;
};

class TWordList : public TNodeList {
public:
    // The one record GetItem re-binds.
    TWordListItem Item;

    // Root "PACKAGE".
    TWordList();

    // Item re-bound to entry index (Word List number - 1) when below Count;
    // otherwise Item unchanged.
    TWordListItem& GetItem(std::int32_t index);
};
