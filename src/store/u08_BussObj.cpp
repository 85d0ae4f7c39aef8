#include "store/u08_BussObj.h"

#include <algorithm>

#include "store/u09_BussObj_Sentence.h"

namespace {

// Numbers up to this size are counted in the array.
constexpr std::int32_t cLargestArrayNumber = (1 << 22) - 1;

// The value of a decimal written without sign, blanks or leading zeros, when
// small enough for the array; -1 otherwise.
std::int32_t CanonicalNumber(std::string_view text)
{
    const std::size_t size = text.size();
    // One to seven characters; the empty text wraps round to a large size.
    if (size - 1 >= 7 || (text[0] == '0' && size > 1))
        return -1;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint32_t digit = static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) - '0';
        if (digit > 9)
            return -1;
        value = value * 10 + digit;
    }
    return value <= static_cast<std::uint32_t>(cLargestArrayNumber) ? static_cast<std::int32_t>(value) : -1;
}

// Digits and commas only, the way the index writes a word's sentences: nothing
// quoted, no line break, so the pieces are just the runs between commas.
bool IsPlainNumberList(std::string_view text)
{
    for (const char c : text)
        if ((c < '0' || c > '9') && c != ',')
            return false;
    return true;
}

template <typename TAppend>
void ForEachPieceBetweenCommas(std::string_view text, TAppend append)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        if (comma > start)
            append(text.substr(start, comma - start));
        start = comma + 1;
    }
}

// A member that is not a number, or below 0, names no item: 0. Callers reach an item by
// number - 1, which the lowest 32-bit number does not have.
std::int32_t NumberOf(const std::string& member)
{
    return std::max(ParseInteger(member).value_or(0), 0);
}

constexpr int cNoteBookCount = 7;

struct TNoteBookNames {
    const char* Name;
    const char* ShortName;
};
// The error, passed and untested notebooks after the learner's four.
constexpr TNoteBookNames cAutoNoteBookNames[] = {
    {"错误词汇本", "错词本"},
    {"过关词汇本", "过关本"},
    {"未考词汇本", "未考本"},
};

}  // namespace

bool TPendingTextList::Hold(const TXmlElement& blobElement)
{
    Drop();
    const char* text = ParsedElementText(blobElement);
    if (!text)
        return false;
    Document = blobElement.Document;
    Text = text;
    return true;
}

TTextList TPendingTextList::Take()
{
    if (!Document)
        return {};
    TTextList lines = DecodeTextList(Base64Decode(Text));
    Drop();
    return lines;
}

void TPendingTextList::Drop()
{
    Document.reset();
    Text = nullptr;
}

std::int32_t TNoteBook2::Count() const
{
    DecodePendingItems();
    return static_cast<std::int32_t>(FItems.size());
}

std::int32_t TNoteBook2::GetNumber(std::int32_t position) const
{
    if (position < 0 || position >= Count())
        return 0;
    return NumberOf(FItems[static_cast<std::size_t>(position)]);
}

std::int32_t TNoteBook2::AddItems(const TTextList& list)
{
    EnsureIndex();
    std::int32_t added = 0;
    for (const std::string& entry : list) {
        std::int32_t& members = Members[entry];
        if (members > 0)
            continue;
        members = 1;
        FItems.push_back(entry);
        ++added;
    }
    return added;
}

std::int32_t TNoteBook2::RemoveItems(const TTextList& list)
{
    if (Count() == 0)
        return 0;
    EnsureIndex();
    // How many occurrences of each text go: one per entry, as far as there are members.
    TTextKeyIndex toRemove(true);
    std::int32_t removed = 0;
    for (const std::string& entry : list) {
        std::int32_t* members = Members.FindCounter(entry);
        if (!members || *members == 0)
            continue;
        --*members;
        ++toRemove[entry];
        ++removed;
    }
    if (removed == 0)
        return 0;
    // The first occurrences go, the order of the rest stays.
    std::size_t kept = 0;
    std::size_t i = 0;
    for (std::int32_t left = removed; i < FItems.size() && left > 0; ++i) {
        std::int32_t* pending = toRemove.FindCounter(FItems[i]);
        if (pending && *pending > 0) {
            --*pending;
            --left;
            continue;
        }
        if (kept != i)
            FItems[kept] = std::move(FItems[i]);
        ++kept;
    }
    // Past the last removal the rest only closes up.
    const auto tail = FItems.begin() + static_cast<std::ptrdiff_t>(i);
    FItems.erase(std::move(tail, FItems.end(), FItems.begin() + static_cast<std::ptrdiff_t>(kept)), FItems.end());
    return removed;
}

std::int32_t TNoteBook2::SetItems(TTextList list)
{
    const std::int32_t oldCount = Count();
    FItems = std::move(list);
    PendingItems.Drop();
    IndexValid = false;
    return Count() > oldCount ? Count() - oldCount : 0;
}

void TNoteBook2::GetRange(std::int32_t start, std::int32_t n, TIntArray& result) const
{
    result.clear();
    if (start < 0 || start >= Count() || n < 1)
        return;
    const std::int64_t stop = std::min<std::int64_t>(static_cast<std::int64_t>(start) + n, Count());
    result.reserve(static_cast<std::size_t>(stop - start));
    for (std::int64_t position = start; position < stop; ++position)
        result.push_back(NumberOf(FItems[static_cast<std::size_t>(position)]));
}

void TNoteBook2::LoadItems(const TXmlElement& noteBookElement)
{
    TXmlElement list;
    if (FindChildElement(noteBookElement, "LIST", true, list) && PendingItems.Hold(list)) {
        FItems.clear();
        IndexValid = false;
        return;
    }
    SetItems(TNoteBookOp2::ReadList(noteBookElement));
}

void TNoteBook2::EnsureIndex()
{
    DecodePendingItems();
    if (IndexValid)
        return;
    Members.Clear();
    for (const std::string& item : FItems)
        ++Members[item];
    IndexValid = true;
}

std::int32_t& TTextKeyIndex::operator[](std::string_view text)
{
    const std::int32_t number = CanonicalNumber(text);
    if (number < 0)
        return Others[OtherKey(text)];
    if (static_cast<std::size_t>(number) >= Numbers.size())
        Numbers.resize(std::max<std::size_t>(static_cast<std::size_t>(number) + 1, Numbers.size() * 2), 0);
    return Numbers[static_cast<std::size_t>(number)];
}

std::int32_t TTextKeyIndex::Find(std::string_view text) const
{
    const std::int32_t number = CanonicalNumber(text);
    if (number < 0) {
        const auto other = Others.find(OtherKey(text));
        return other == Others.end() ? 0 : other->second;
    }
    return static_cast<std::size_t>(number) < Numbers.size() ? Numbers[static_cast<std::size_t>(number)] : 0;
}

std::int32_t TTextKeyIndex::FindNumber(std::int32_t number) const
{
    if (number < 0 || number > cLargestArrayNumber)
        return Find(FormatInteger(number));
    return static_cast<std::size_t>(number) < Numbers.size() ? Numbers[static_cast<std::size_t>(number)] : 0;
}

std::int32_t* TTextKeyIndex::FindCounter(std::string_view text)
{
    const std::int32_t number = CanonicalNumber(text);
    if (number < 0) {
        const auto other = Others.find(OtherKey(text));
        return other == Others.end() ? nullptr : &other->second;
    }
    return static_cast<std::size_t>(number) < Numbers.size() ? &Numbers[static_cast<std::size_t>(number)] : nullptr;
}

void TTextKeyIndex::Clear()
{
    Numbers.clear();
    Others.clear();
}

std::string TTextKeyIndex::OtherKey(std::string_view text) const
{
    std::string key(text);
    if (IgnoreCase)
        for (char& c : key)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
    return key;
}

TXmlElement TNoteBookOp2::NewNoteBookElement()
{
    return NewElement("NOTEBOOK");
}

std::string TNoteBookOp2::ReadName(const TXmlElement& element)
{
    return ReadString(element, "NBNAME", "");
}

std::string TNoteBookOp2::ReadShortName(const TXmlElement& element)
{
    return ReadString(element, "RNAME", "");
}

void TNoteBookOp2::WriteName(const TXmlElement& element, std::string_view name)
{
    WriteString(element, "NBNAME", name);
}

void TNoteBookOp2::WriteShortName(const TXmlElement& element, std::string_view name)
{
    WriteString(element, "RNAME", name);
}

TTextList TNoteBookOp2::ReadList(const TXmlElement& element)
{
    std::string bytes;
    ReadStream(element, "LIST", bytes);
    return DecodeTextList(bytes);
}

void TNoteBookOp2::WriteList(const TXmlElement& element, const TTextList& list)
{
    WriteStream(element, "LIST", EncodeTextList(list));
}

TNoteBookList2::TNoteBookList2() : TNodeList("PACKAGE") {}

bool TNoteBookList2::SaveToFile(const std::string& path)
{
    BeforeSave();
    return TNodeList::SaveToFile(path);
}

bool TNoteBookList2::LoadFromFile(const std::string& path)
{
    // A successful load has rebuilt the notebooks already.
    if (TNodeList::LoadFromFile(path))
        return true;
    AfterLoad();
    return false;
}

void TNoteBookList2::BeforeSave()
{
    if (!Node.IsElement())
        return;
    // Notebooks not yet used still read their members from this document.
    for (const auto& noteBook : NoteBooks)
        noteBook->Items();
    const auto noteBookCount = static_cast<std::int32_t>(NoteBooks.size());
    while (Count() < noteBookCount)
        AppendChild(Node, TNoteBookOp2::NewNoteBookElement());
    while (Count() > noteBookCount)
        RemoveChild(Node, GetNode(Count() - 1));
    for (std::int32_t i = 0; i < noteBookCount; ++i) {
        const TNoteBook2& noteBook = *NoteBooks[static_cast<std::size_t>(i)];
        const TXmlElement element = GetNode(i);
        TNoteBookOp2::WriteName(element, noteBook.Name);
        TNoteBookOp2::WriteShortName(element, noteBook.ShortName);
        TNoteBookOp2::WriteList(element, noteBook.Items());
    }
}

void TNoteBookList2::AfterLoad()
{
    ClearNoteBooks();
    const std::int32_t count = Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const TXmlElement element = GetNode(i);
        auto noteBook = std::make_unique<TNoteBook2>();
        noteBook->Name = TNoteBookOp2::ReadName(element);
        noteBook->ShortName = TNoteBookOp2::ReadShortName(element);
        noteBook->LoadItems(element);
        AddNoteBook(std::move(noteBook));
    }
}

TNoteBook2* TNoteBookList2::GetNoteBook(std::int32_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= NoteBooks.size())
        return nullptr;
    return NoteBooks[static_cast<std::size_t>(index)].get();
}

void TNoteBookList2::AddNoteBook(std::unique_ptr<TNoteBook2> noteBook)
{
    NoteBooks.push_back(std::move(noteBook));
}

void TNoteBookList2::ClearNoteBooks()
{
    NoteBooks.clear();
}

void TNoteBookList2::ResetDefaults(const TNodeList& store)
{
    ClearNoteBooks();
    for (int i = 0; i < cNoteBookCount; ++i) {
        auto noteBook = std::make_unique<TNoteBook2>();
        if (i < 4) {
            noteBook->Name = "笔记本" + std::to_string(i + 1);
            noteBook->ShortName = noteBook->Name;
        } else {
            noteBook->Name = cAutoNoteBookNames[i - 4].Name;
            noteBook->ShortName = cAutoNoteBookNames[i - 4].ShortName;
        }
        AddNoteBook(std::move(noteBook));
    }
    TTextList everyNumber;
    const std::int32_t count = store.Count();
    everyNumber.reserve(static_cast<std::size_t>(count));
    for (std::int32_t number = 1; number <= count; ++number)
        everyNumber.push_back(FormatInteger(number));
    NoteBooks.back()->SetItems(everyNumber);
}

void TWordSenCross::Build(TSentenceList& sentences)
{
    EnsureIndex();
    const std::int32_t count = sentences.Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const TSentenceItem& sentence = sentences.GetSentence(i);
        std::string key = FormatInteger(sentence.GetWordNo());
        const std::string number = FormatInteger(sentence.GetSentenceNo());
        std::int32_t& position = KeyIndex[key];
        if (position == 0) {
            FWordKeys.push_back(std::move(key));
            FSentenceLists.push_back(number);
            position = static_cast<std::int32_t>(FWordKeys.size());
        } else {
            (FSentenceLists[static_cast<std::size_t>(position - 1)] += ',') += number;
        }
    }
}

const std::string* TWordSenCross::FindSentences(std::int32_t wordNumber) const
{
    EnsureIndex();
    const std::int32_t position = KeyIndex.FindNumber(wordNumber);
    if (position == 0 || static_cast<std::size_t>(position) > FSentenceLists.size())
        return nullptr;
    return &FSentenceLists[static_cast<std::size_t>(position - 1)];
}

void TWordSenCross::GetSentenceNumbers(std::int32_t wordNumber, TIntArray& result) const
{
    result.clear();
    const std::string* sentences = FindSentences(wordNumber);
    if (!sentences)
        return;
    if (IsPlainNumberList(*sentences)) {
        ForEachPieceBetweenCommas(*sentences, [&](std::string_view piece) {
            result.push_back(ParseInteger(piece).value_or(0));
        });
        return;
    }
    for (const std::string& piece : SplitParts(*sentences, ','))
        result.push_back(NumberOf(piece));
}

TTextList TWordSenCross::GetSentenceList(std::int32_t wordNumber) const
{
    const std::string* sentences = FindSentences(wordNumber);
    if (!sentences)
        return {};
    if (!IsPlainNumberList(*sentences))
        return SplitParts(*sentences, ',');
    TTextList pieces;
    pieces.reserve(static_cast<std::size_t>(std::count(sentences->begin(), sentences->end(), ',')) + 1);
    ForEachPieceBetweenCommas(*sentences, [&](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

bool TWordSenCross::LoadFromFile(const std::string& path)
{
    TNodeList file("PACKAGE");
    if (!file.LoadFromFile(path))
        return false;
    IndexValid = false;
    TXmlElement wordKeysElement;
    TXmlElement sentenceListsElement;
    if (FindChildElement(file.Node, "WL", true, wordKeysElement) &&
        FindChildElement(file.Node, "SL", true, sentenceListsElement) && PendingWordKeys.Hold(wordKeysElement) &&
        PendingSentenceLists.Hold(sentenceListsElement)) {
        FWordKeys.clear();
        FSentenceLists.clear();
        return true;
    }
    PendingWordKeys.Drop();
    PendingSentenceLists.Drop();
    std::string wordKeys;
    std::string sentenceLists;
    file.ReadStream(file.Node, "WL", wordKeys);
    file.ReadStream(file.Node, "SL", sentenceLists);
    FWordKeys = DecodeTextList(wordKeys);
    FSentenceLists = DecodeTextList(sentenceLists);
    return true;
}

bool TWordSenCross::SaveToFile(const std::string& path) const
{
    DecodePending();
    TNodeList file("PACKAGE");
    file.WriteStream(file.Node, "WL", EncodeTextList(FWordKeys));
    file.WriteStream(file.Node, "SL", EncodeTextList(FSentenceLists));
    return file.SaveToFile(path);
}

void TWordSenCross::DecodePending() const
{
    if (PendingWordKeys.Pending())
        FWordKeys = PendingWordKeys.Take();
    if (PendingSentenceLists.Pending())
        FSentenceLists = PendingSentenceLists.Take();
}

void TWordSenCross::EnsureIndex() const
{
    DecodePending();
    if (IndexValid)
        return;
    KeyIndex.Clear();
    for (std::size_t i = 0; i < FWordKeys.size(); ++i) {
        std::int32_t& position = KeyIndex[FWordKeys[i]];
        if (position == 0)
            position = static_cast<std::int32_t>(i + 1);
    }
    IndexValid = true;
}
