#include "store/u08_BussObj.h"

#include <unordered_set>

#include "store/u09_BussObj_Sentence.h"

namespace {

std::string MemberKey(std::string_view text)
{
    std::string key(text);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::int32_t NumberOf(const std::string& member)
{
    return ParseInteger(member).value_or(0);
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

std::int32_t TNoteBook2::Count() const
{
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
    std::int32_t added = 0;
    for (const std::string& entry : list) {
        auto [member, isNew] = Members.try_emplace(MemberKey(entry), 0);
        if (!isNew && member->second > 0)
            continue;
        member->second = 1;
        FItems.push_back(entry);
        ++added;
    }
    return added;
}

std::int32_t TNoteBook2::RemoveItems(const TTextList& list)
{
    // How many occurrences of each text go: one per entry, as far as there are members.
    std::unordered_map<std::string, std::int32_t> toRemove;
    std::int32_t removed = 0;
    for (const std::string& entry : list) {
        std::string key = MemberKey(entry);
        const auto member = Members.find(key);
        if (member == Members.end() || member->second == 0)
            continue;
        --member->second;
        ++toRemove[std::move(key)];
        ++removed;
    }
    if (removed == 0)
        return 0;
    // The first occurrences go, the order of the rest stays.
    TTextList kept;
    kept.reserve(FItems.size() - static_cast<std::size_t>(removed));
    for (std::string& item : FItems) {
        const auto pending = toRemove.find(MemberKey(item));
        if (pending != toRemove.end() && pending->second > 0) {
            --pending->second;
            continue;
        }
        kept.push_back(std::move(item));
    }
    FItems = std::move(kept);
    std::erase_if(Members, [](const auto& member) { return member.second == 0; });
    return removed;
}

std::int32_t TNoteBook2::SetItems(const TTextList& list)
{
    const std::int32_t oldCount = Count();
    FItems = list;
    RebuildIndex();
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

void TNoteBook2::RebuildIndex()
{
    Members.clear();
    Members.reserve(FItems.size());
    for (const std::string& item : FItems)
        ++Members[MemberKey(item)];
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
        noteBook->SetItems(TNoteBookOp2::ReadList(element));
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
    const std::int32_t count = sentences.Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const TSentenceItem& sentence = sentences.GetSentence(i);
        std::string key = FormatInteger(sentence.GetWordNo());
        const std::string number = FormatInteger(sentence.GetSentenceNo());
        const auto [entry, isNew] = KeyIndex.try_emplace(key, FWordKeys.size());
        if (isNew) {
            FWordKeys.push_back(std::move(key));
            FSentenceLists.push_back(number);
        } else {
            (FSentenceLists[entry->second] += ',') += number;
        }
    }
}

const std::string* TWordSenCross::FindSentences(std::int32_t wordNumber) const
{
    const auto entry = KeyIndex.find(FormatInteger(wordNumber));
    if (entry == KeyIndex.end() || entry->second >= FSentenceLists.size())
        return nullptr;
    return &FSentenceLists[entry->second];
}

void TWordSenCross::GetSentenceNumbers(std::int32_t wordNumber, TIntArray& result) const
{
    result.clear();
    const std::string* sentences = FindSentences(wordNumber);
    if (!sentences)
        return;
    for (const std::string& piece : SplitParts(*sentences, ','))
        result.push_back(ParseInteger(piece).value_or(0));
}

TTextList TWordSenCross::GetSentenceList(std::int32_t wordNumber) const
{
    const std::string* sentences = FindSentences(wordNumber);
    if (!sentences)
        return {};
    return SplitParts(*sentences, ',');
}

bool TWordSenCross::LoadFromFile(const std::string& path)
{
    TNodeList file("PACKAGE");
    if (!file.LoadFromFile(path))
        return false;
    std::string wordKeys;
    std::string sentenceLists;
    file.ReadStream(file.Node, "WL", wordKeys);
    file.ReadStream(file.Node, "SL", sentenceLists);
    FWordKeys = DecodeTextList(wordKeys);
    FSentenceLists = DecodeTextList(sentenceLists);
    RebuildIndex();
    return true;
}

bool TWordSenCross::SaveToFile(const std::string& path) const
{
    TNodeList file("PACKAGE");
    file.WriteStream(file.Node, "WL", EncodeTextList(FWordKeys));
    file.WriteStream(file.Node, "SL", EncodeTextList(FSentenceLists));
    return file.SaveToFile(path);
}

void TWordSenCross::RebuildIndex()
{
    KeyIndex.clear();
    KeyIndex.reserve(FWordKeys.size());
    for (std::size_t i = 0; i < FWordKeys.size(); ++i)
        KeyIndex.try_emplace(FWordKeys[i], i);
}
