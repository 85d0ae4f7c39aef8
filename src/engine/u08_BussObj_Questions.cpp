#include "engine/u08_BussObj_Questions.h"

#include <algorithm>
#include <limits>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "store/RandomSource.h"
#include "store/u09_BussObj_Word.h"

void TQuestionItem2::ChooseOption(std::int32_t id)
{
    ChosenId = id;
    Status = id == ItemId ? qsCorrect : qsWrong;
}

void TQuestionItem2::SetUserAnswer(const std::string& text)
{
    UserAnswer = text;
    if (!AnswerText.empty())
        Status = MatchesAnswer() ? qsCorrect : qsWrong;
    if (text.empty())
        Status = qsUnanswered;
}

bool TQuestionItem2::MatchesAnswer() const
{
    const std::vector<std::string> alternatives = SplitAnswers(AnswerText);
    return std::find(alternatives.begin(), alternatives.end(), UserAnswer) != alternatives.end();
}

void TQuestionItem2::SetOptions(const TIntArray& ids)
{
    Options = ids;
    Prepared = true;
}

void TQuestionItem2::SetAnswerText(const std::string& text)
{
    AnswerText = text;
    Prepared = true;
}

std::vector<std::string> TQuestionItem2::SplitAnswers(const std::string& text)
{
    return SplitParts(text, '\\');
}

std::string TQuestionItem2::AnswerAlternative(const std::string& text, int i)
{
    const std::vector<std::string> alternatives = SplitAnswers(text);
    if (alternatives.empty())
        return {};
    if (i < 0 || static_cast<std::size_t>(i) >= alternatives.size())
        return alternatives.front();
    return alternatives[static_cast<std::size_t>(i)];
}

std::string TrimAnswerInput(const std::string& text)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

void TQuestionList2::Clear()
{
    Items.clear();
    View.clear();
}

void TQuestionList2::SetScope(std::uint8_t scope)
{
    Scope = scope;
    if (scope == smWordList || scope == smNoteBook)
        GroupIndex = 1;
}

void TQuestionList2::SetTestType(std::int32_t testType)
{
    TestType = testType;
    AnswerIsEnglish = testType == 2 || testType == 4 || testType == 5;
    if (testType < 1 || testType > 5)
        return;
    IsTyped = testType == 4 || testType == 5;
    IsSentence = testType == 5;
}

void TQuestionList2::AddQuestions(const TIntArray& ids)
{
    Items.reserve(Items.size() + ids.size());
    for (std::int32_t id : ids) {
        auto item = std::make_unique<TQuestionItem2>();
        item->ItemId = id;
        item->Status = qsUnanswered;
        Items.push_back(std::move(item));
    }
}

void TQuestionList2::Shuffle()
{
    std::vector<std::unique_ptr<TQuestionItem2>> pool = std::move(Items);
    Items.clear();
    Items.reserve(pool.size());
    while (!pool.empty()) {
        const auto k = static_cast<std::size_t>(RandomInt(static_cast<std::int32_t>(pool.size())));
        Items.push_back(std::move(pool[k]));
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
    }
}

std::int32_t TQuestionList2::Count() const
{
    return static_cast<std::int32_t>(Items.size());
}

TQuestionItem2* TQuestionList2::Item(std::int32_t i) const
{
    if (i < 0 || i >= Count())
        return nullptr;
    return Items[static_cast<std::size_t>(i)].get();
}

TQuestionItem2* TQuestionList2::ViewItem(std::int32_t i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= View.size())
        return nullptr;
    return Item(View[static_cast<std::size_t>(i)]);
}

void TQuestionList2::BuildFullView()
{
    View.clear();
    for (std::int32_t i = 0; i < Count(); ++i)
        View.push_back(i);
    RecountView();
}

void TQuestionList2::BuildWrongView()
{
    View.clear();
    for (std::int32_t i = 0; i < Count(); ++i)
        if (Items[static_cast<std::size_t>(i)]->Status != qsCorrect)
            View.push_back(i);
    RecountView();
}

void TQuestionList2::RecountView()
{
    WrongCount = 0;
    UnansweredCount = 0;
    for (std::int32_t position : View) {
        const std::uint8_t status = Items[static_cast<std::size_t>(position)]->Status;
        if (status == qsWrong)
            ++WrongCount;
        else if (status == qsUnanswered)
            ++UnansweredCount;
    }
}

namespace {

constexpr std::int32_t cChoiceCount = 4;

TIntArray WholeBookNumbers(bool isSentence, std::int32_t count)
{
    TIntArray ids;
    if (count < 1)
        return ids;
    if (isSentence)
        gSentenceList->RandomSelection(count, ids);
    else
        gWordPackage->RandomSelection(count, ids);
    return ids;
}

// Where group `group` starts; a group past every possible member starts past them all.
std::int32_t GroupOffset(std::int32_t group)
{
    const std::int64_t offset = std::int64_t{gGroupSize} * (std::int64_t{group} - 1);
    return static_cast<std::int32_t>(std::min<std::int64_t>(offset, std::numeric_limits<std::int32_t>::max()));
}

TIntArray WordListNumbers(bool isSentence, std::int32_t wordListIndex, std::int32_t group)
{
    TIntArray ids;
    TWordList& lists = isSentence ? *gWordListSen : *gWordList;
    // An index past the end would get whichever entry was asked for last.
    if (wordListIndex < 1 || wordListIndex > lists.Count())
        return ids;
    lists.GetItem(wordListIndex - 1).GetGroup(GroupOffset(group), gGroupSize, ids);
    return ids;
}

TIntArray NoteBookNumbers(bool isSentence, std::int32_t noteBookIndex, std::int32_t group)
{
    TIntArray ids;
    const TNoteBookList2& noteBooks = isSentence ? *gSentenceNoteBooks : *gWordNoteBooks;
    if (const TNoteBook2* noteBook = noteBooks.GetNoteBook(noteBookIndex))
        noteBook->GetRange(GroupOffset(group), gGroupSize, ids);
    return ids;
}

}  // namespace

void BuildQuestionNumbers(TQuestionList2& questions, const TQuestionSource& source)
{
    questions.Clear();
    const bool grouped = questions.Scope == smWordList || questions.Scope == smNoteBook;
    const std::int32_t group = grouped ? std::max(source.GroupNumber, 1) : source.GroupNumber;
    TIntArray ids;
    if (questions.Scope == smWholeBook)
        ids = WholeBookNumbers(questions.IsSentence, source.QuestionCount);
    else if (questions.Scope == smWordList)
        ids = WordListNumbers(questions.IsSentence, source.WordListIndex, group);
    else if (questions.Scope == smNoteBook)
        ids = NoteBookNumbers(questions.IsSentence, source.NoteBookIndex, group);
    if (!ids.empty() && !questions.IsTyped && gWordPackage->Count() < cChoiceCount)
        throw EQuestionBuildError("单词书中的单词少于4个，无法给出4个选项。");
    questions.AddQuestions(ids);
    if (grouped && source.RandomOrder)
        questions.Shuffle();
    questions.GroupIndex = group;
}
