#pragma once
// The questions of one test: what was asked, what the learner answered, how it was judged.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/u09_Declare.h"

enum TQuestionStatus : std::uint8_t { qsCorrect = 0, qsWrong = 1, qsUnanswered = 2 };
enum TTestScope : std::uint8_t { smWholeBook = 1, smWordList = 2, smNoteBook = 3 };

class TQuestionItem2 {
public:
    TIntArray Options;           // item numbers offered as choices, in display order
    std::string UserAnswer;      // the typed answer, trimmed
    std::uint8_t Status = 0;
    bool Prepared = false;       // choices or answer text filled at first display
    std::int32_t ChosenId = 0;   // the picked item number; 0 while none was picked
    std::int32_t ItemId = 0;     // the 1-based word or sentence number asked about
    bool Selected = false;       // ticked in the result review
    std::string AnswerText;      // accepted answers of a typed question, joined by '\'

    void ChooseOption(std::int32_t id);
    void SetUserAnswer(const std::string& text);
    bool MatchesAnswer() const;
    void SetOptions(const TIntArray& ids);
    void SetAnswerText(const std::string& text);

    // The alternatives of an answer text: cut at '\' and at line breaks, quotes protect.
    static std::vector<std::string> SplitAnswers(const std::string& text);
    // Alternative i, or alternative 0 when there are fewer; empty when there is none.
    static std::string AnswerAlternative(const std::string& text, int i);
};

// Typed input as it is judged: without leading and trailing blanks and control characters.
std::string TrimAnswerInput(const std::string& text);

class TQuestionList2 {
public:
    std::vector<std::unique_ptr<TQuestionItem2>> Items;
    std::int32_t TestType = 0;
    std::uint8_t Scope = 0;
    bool IsSentence = false;
    std::int32_t GroupIndex = 0;
    bool IsTyped = false;
    TIntArray View;              // positions in Items that the result review lists
    std::int32_t UnansweredCount = 0;
    std::int32_t WrongCount = 0;
    bool AnswerIsEnglish = false;
    std::int32_t ElapsedSeconds = 0;

    void Clear();
    void SetScope(std::uint8_t scope);
    void SetTestType(std::int32_t testType);
    void AddQuestions(const TIntArray& ids);
    void Shuffle();
    std::int32_t Count() const;
    // nullptr outside the list or the view.
    TQuestionItem2* Item(std::int32_t i) const;
    TQuestionItem2* ViewItem(std::int32_t i) const;
    void BuildFullView();
    void BuildWrongView();

private:
    void RecountView();
};

// What the test window supplies for drawing a test's question numbers.
struct TQuestionSource {
    std::int32_t QuestionCount = 40;  // whole book: how many to draw
    std::int32_t GroupNumber = 1;     // Word List and notebook: the 1-based group
    std::int32_t WordListIndex = 1;   // the 1-based Word List
    std::int32_t NoteBookIndex = 0;   // the 0-based notebook
    bool RandomOrder = false;         // Word List and notebook: shuffle the group
};

// A test that cannot be built; what() is a sentence the test window can show.
class EQuestionBuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Refills `questions` for a new start from the global stores, by its Scope, TestType and
// IsSentence. Throws EQuestionBuildError for a choice test on a book of fewer than four words.
void BuildQuestionNumbers(TQuestionList2& questions, const TQuestionSource& source);
