#include "results/ResultBookkeeping.h"

#include <cstdio>

#include "app/u07_PubObject.h"
#include "platform/NoticeSink.h"
#include "store/DayClock.h"

namespace {

constexpr std::int32_t cErrorBook = 4;
constexpr std::int32_t cPassedBook = 5;
constexpr std::int32_t cUntestedBook = 6;

bool IsWordTest(const TQuestionList2& questions)
{
    return questions.TestType >= 1 && questions.TestType <= 4;
}

// Words and sentences of one set of questions.
struct TTestedItems {
    TTextList Words;
    TTextList Sentences;
};

TTestedItems ItemsOf(const TQuestionList2& questions, const TTextList& ids)
{
    if (questions.TestType == 5)
        return {SentencesToWords(ids), ids};
    return {ids, WordsToSentences(ids)};
}

// Right ones enter the passed book; wrong and unanswered ones the error book; both leave the untested book.
void MoveByAnswer(TNoteBookList2& store, const TTextList& right, const TTextList& wrong)
{
    TNoteBook2* passed = store.GetNoteBook(cPassedBook);
    TNoteBook2* error = store.GetNoteBook(cErrorBook);
    TNoteBook2* untested = store.GetNoteBook(cUntestedBook);
    if (!passed || !error || !untested)
        return;
    passed->AddItems(right);
    passed->RemoveItems(wrong);
    error->RemoveItems(right);
    error->AddItems(wrong);
    untested->RemoveItems(wrong);
    untested->RemoveItems(right);
}

// Every word of the book was asked: the three books are the answers themselves.
void ReplaceByAnswer(TNoteBookList2& store, const TTextList& right, const TTextList& wrong)
{
    TNoteBook2* passed = store.GetNoteBook(cPassedBook);
    TNoteBook2* error = store.GetNoteBook(cErrorBook);
    TNoteBook2* untested = store.GetNoteBook(cUntestedBook);
    if (!passed || !error || !untested)
        return;
    error->SetItems(wrong);
    passed->SetItems(right);
    untested->SetItems({});
}

std::string Format(const char* pattern, int first, int second = 0)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, first, second);
    return text;
}

}  // namespace

void WriteHistoryRecord(const TQuestionList2& questions, const std::string& scopeText)
{
    std::int32_t wrong = 0;
    std::int32_t unanswered = 0;
    for (const auto& item : questions.Items) {
        if (item->Status == qsWrong)
            ++wrong;
        else if (item->Status == qsUnanswered)
            ++unanswered;
    }
    const std::int32_t total = questions.Count();
    const std::int32_t right = total - unanswered - wrong;
    TTestHistoryItem record;
    record.SetTestType(questions.TestType);
    record.SetScope(questions.Scope);
    record.SetQuestionCount(total);
    record.SetWrongCount(wrong);
    record.SetUnansweredCount(unanswered);
    record.SetRightCount(right);
    record.SetTestDate(NowDayCount());
    record.SetScopeText(scopeText);
    if (total > 0)
        record.SetScore(right * 100 / total);
    gTestHistory->AddItem(record);
    SaveHistory();
}

void UpdateAutoNoteBooks(const TQuestionList2& questions)
{
    TTextList rightIds;
    TTextList wrongIds;
    for (const auto& item : questions.Items)
        (item->Status == qsCorrect ? rightIds : wrongIds).push_back(FormatInteger(item->ItemId));
    const TTestedItems right = ItemsOf(questions, rightIds);
    const TTestedItems wrong = ItemsOf(questions, wrongIds);
    if (IsWordTest(questions) && questions.Count() == gWordPackage->Count())
        ReplaceByAnswer(*gWordNoteBooks, right.Words, wrong.Words);
    else
        MoveByAnswer(*gWordNoteBooks, right.Words, wrong.Words);
    MoveByAnswer(*gSentenceNoteBooks, right.Sentences, wrong.Sentences);
    SaveNoteBooks();
}

void AddSelectedToNoteBook(const TQuestionList2& questions, std::int32_t noteBookIndex)
{
    TNoteBook2* wordBook = gWordNoteBooks->GetNoteBook(noteBookIndex);
    TNoteBook2* sentenceBook = gSentenceNoteBooks->GetNoteBook(noteBookIndex);
    if (!wordBook || !sentenceBook)
        return;
    TTextList ids;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(questions.View.size()); ++i) {
        const TQuestionItem2* item = questions.ViewItem(i);
        if (item && item->Selected)
            ids.push_back(FormatInteger(item->ItemId));
    }
    const TTestedItems ticked = ItemsOf(questions, ids);
    const auto wordCount = static_cast<std::int32_t>(ticked.Words.size());
    const std::int32_t added = IsWordTest(questions) && wordCount == gWordPackage->Count()
        ? wordBook->SetItems(ticked.Words)
        : wordBook->AddItems(ticked.Words);
    sentenceBook->AddItems(ticked.Sentences);
    if (added < wordCount)
        SendNotice("提示", Format("%d 个单词已存在,\n\r\n\r此次共添加 %d 个单词。", wordCount - added, added));
    else
        SendNotice("提示", Format("此次共添加 %d 个单词", added));
}

TTextList WordsToSentences(const TTextList& wordNumbers)
{
    TTextList sentences;
    for (const std::string& word : wordNumbers) {
        const std::optional<std::int32_t> number = ParseInteger(word);
        if (!number)
            continue;
        for (std::string& sentence : gWordSenCross->GetSentenceList(*number))
            sentences.push_back(std::move(sentence));
    }
    return sentences;
}

TTextList SentencesToWords(const TTextList& sentenceNumbers)
{
    TTextList words;
    for (const std::string& sentence : sentenceNumbers) {
        const std::optional<std::int32_t> number = ParseInteger(sentence);
        // A number outside the store would read whichever sentence was asked for last.
        if (!number || *number < 1 || *number > gSentenceList->Count())
            continue;
        words.push_back(FormatInteger(gSentenceList->GetSentence(*number - 1).GetWordNo()));
    }
    return words;
}
