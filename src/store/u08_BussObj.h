#pragma once
// Notebooks (notes2.dat, snotes2.dat) and the word-sentence cross index
// (WSCross.dat).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/u09_Declare.h"
#include "store/unt99_XMLOpModal.h"

// Maps texts to counters. Canonical decimals (the numbers the notebooks and
// the cross index hold) are looked up in an array, any other text in a hash
// map, so that a look-up costs a few nanoseconds.
class TTextKeyIndex {
public:
    // ignoreCase: texts that differ only in ASCII letter case are one key.
    explicit TTextKeyIndex(bool ignoreCase) : IgnoreCase(ignoreCase) {}

    // The counter of text, created as 0.
    std::int32_t& operator[](std::string_view text);
    // The counter of text; 0 when it has none.
    std::int32_t Find(std::string_view text) const;
    // The counter of the number's decimal text; 0 when it has none.
    std::int32_t FindNumber(std::int32_t number) const;
    // The counter of text when it has one, without making one.
    std::int32_t* FindCounter(std::string_view text);
    void Clear();

private:
    std::string OtherKey(std::string_view text) const;

    bool IgnoreCase;
    std::vector<std::int32_t> Numbers;
    std::unordered_map<std::string, std::int32_t> Others;
};

// A text list blob as loaded, decoded only when the list is first used: a store
// loads without splitting tens of thousands of lines nobody may look at.
class TPendingTextList {
public:
    // Holds the blob when its Base64 text still lies in its parsed document;
    // false, holding nothing, otherwise.
    bool Hold(const TXmlElement& blobElement);
    bool Pending() const { return Document != nullptr; }
    // The lines of the blob held; nothing is held afterwards.
    TTextList Take();
    void Drop();

private:
    TXmlDocumentRef Document;
    const char* Text = nullptr;
};

class TStringsObj {
public:
    TStringsObj() = default;
    TStringsObj(const TStringsObj&) = delete;
    TStringsObj& operator=(const TStringsObj&) = delete;
    virtual ~TStringsObj() = default;

    const TTextList& Items() const
    {
        DecodePendingItems();
        return FItems;
    }

protected:
    void DecodePendingItems() const
    {
        if (PendingItems.Pending())
            FItems = PendingItems.Take();
    }

    mutable TTextList FItems;
    // While pending, the items are its lines.
    mutable TPendingTextList PendingItems;
};

// A named, ordered set of word (or sentence) numbers kept as decimal texts.
// Members are compared as texts, ignoring ASCII letter case; membership is
// indexed, so every operation is linear in its argument, not in the notebook.
class TNoteBook2 : public TStringsObj {
public:
    std::string Name;
    std::string ShortName;

    std::int32_t Count() const;
    // The member at position as a number; 0 past the end or when the member
    // is not a number.
    std::int32_t GetNumber(std::int32_t position) const;
    // Appends each entry not yet a member, in order; returns how many.
    std::int32_t AddItems(const TTextList& list);
    // Removes the first occurrence of each entry that is a member; returns how many.
    std::int32_t RemoveItems(const TTextList& list);
    // Replaces every member; returns the growth in count, never below 0.
    std::int32_t SetItems(TTextList list);
    // Members start .. start + n - 1 as numbers, stopping at the last member.
    void GetRange(std::int32_t start, std::int32_t n, TIntArray& result) const;
    // Replaces every member by the lines of the element's LIST blob, as
    // TNoteBookOp2::ReadList reads them, decoded at their first use.
    void LoadItems(const TXmlElement& noteBookElement);

private:
    // The index is built at the first change that needs it.
    void EnsureIndex();

    // Member text -> number of members with that text.
    TTextKeyIndex Members{true};
    bool IndexValid = true;
};

// Element operations on one "NOTEBOOK" element.
class TNoteBookOp2 : public TNodeOp {
public:
    static TXmlElement NewNoteBookElement();
    static std::string ReadName(const TXmlElement& element);       // NBNAME
    static std::string ReadShortName(const TXmlElement& element);  // RNAME
    static void WriteName(const TXmlElement& element, std::string_view name);
    static void WriteShortName(const TXmlElement& element, std::string_view name);
    // The lines of the LIST blob; empty without a LIST child.
    static TTextList ReadList(const TXmlElement& element);
    static void WriteList(const TXmlElement& element, const TTextList& list);
};

// The seven notebooks of one store: 0-3 the learner's "笔记本1".."笔记本4",
// 4 the error notebook, 5 the passed notebook, 6 the untested notebook.
class TNoteBookList2 : public TNodeList {
public:
    std::vector<std::unique_ptr<TNoteBook2>> NoteBooks;

    // Root "PACKAGE", no notebooks.
    TNoteBookList2();

    // Writes the notebooks into the document first.
    bool SaveToFile(const std::string& path) override;
    // Rebuilds the notebooks from the document, loaded or not: a failed load
    // rebuilds them from the document held before.
    bool LoadFromFile(const std::string& path) override;
    void BeforeSave() override;
    void AfterLoad() override;

    // nullptr when index is outside the notebooks.
    TNoteBook2* GetNoteBook(std::int32_t index) const;
    void AddNoteBook(std::unique_ptr<TNoteBook2> noteBook);
    void ClearNoteBooks();
    // The seven default notebooks, the untested one holding 1 .. store.Count().
    void ResetDefaults(const TNodeList& store);
};

class TSentenceList;

// Which sentences illustrate each word. Look-ups are indexed by word number.
class TWordSenCross {
public:
    TWordSenCross() = default;
    TWordSenCross(const TWordSenCross&) = delete;
    TWordSenCross& operator=(const TWordSenCross&) = delete;

    // Word numbers with at least one sentence, in order of first sentence.
    const TTextList& WordKeys() const
    {
        DecodePending();
        return FWordKeys;
    }
    // For each key, its sentence numbers joined by ",".
    const TTextList& SentenceLists() const
    {
        DecodePending();
        return FSentenceLists;
    }

    // Appends the index of every sentence, in sens.dat order.
    void Build(TSentenceList& sentences);
    void GetSentenceNumbers(std::int32_t wordNumber, TIntArray& result) const;
    TTextList GetSentenceList(std::int32_t wordNumber) const;
    // On failure both lists keep their contents.
    bool LoadFromFile(const std::string& path);
    bool SaveToFile(const std::string& path) const;

private:
    const std::string* FindSentences(std::int32_t wordNumber) const;
    // The index is built at the first look-up after a load.
    void EnsureIndex() const;
    // Both lists are decoded at the first use after a load.
    void DecodePending() const;

    mutable TTextList FWordKeys;
    mutable TTextList FSentenceLists;
    mutable TPendingTextList PendingWordKeys;
    mutable TPendingTextList PendingSentenceLists;
    // Word key text -> first position in FWordKeys, plus one.
    mutable TTextKeyIndex KeyIndex{false};
    mutable bool IndexValid = true;
};
