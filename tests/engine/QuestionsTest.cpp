#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "../support/TestBook.h"
#include "engine/u08_BussObj_Questions.h"
#include "store/RandomSource.h"

using testbook::TTempFolder;

namespace {

TIntArray ItemIds(const TQuestionList2& questions)
{
    TIntArray ids;
    for (const auto& item : questions.Items)
        ids.push_back(item->ItemId);
    return ids;
}

TIntArray Sorted(TIntArray ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

TIntArray Range(std::int32_t first, std::int32_t last)
{
    TIntArray ids(static_cast<std::size_t>(last - first + 1));
    std::iota(ids.begin(), ids.end(), first);
    return ids;
}

}  // namespace

TEST(QuestionItemTest, AChoiceIsRightOnlyWhenItIsTheQuestionsOwnNumber)
{
    TQuestionItem2 item;
    item.ItemId = 7;
    item.ChooseOption(3);
    EXPECT_EQ(item.Status, qsWrong);
    EXPECT_EQ(item.ChosenId, 3);
    item.ChooseOption(7);
    EXPECT_EQ(item.Status, qsCorrect);
    item.ChooseOption(8);
    EXPECT_EQ(item.Status, qsWrong);
}

TEST(QuestionItemTest, ATypedAnswerMustEqualOneAlternativeByteForByte)
{
    struct Case {
        const char* answerText;
        const char* typed;
        TQuestionStatus expected;
    };
    const Case cases[] = {
        {"run\\ran", "run", qsCorrect},
        {"run\\ran", "ran", qsCorrect},
        {"run\\ran", "run\\ran", qsWrong},
        {"run\\ran", "Run", qsWrong},
        {"colour/color", "colour/color", qsCorrect},
        {"colour/color", "colour", qsWrong},
        {"ice cream", "ice  cream", qsWrong},
        {"ice cream", "ice cream", qsCorrect},
        {"it's\\x'\\y", "it's\\x'", qsCorrect},  // a quote protects the backslash
        {"a\r\nb", "b", qsCorrect},
        {"run\\ran", "", qsUnanswered},
    };
    for (const Case& c : cases) {
        TQuestionItem2 item;
        item.SetAnswerText(c.answerText);
        item.SetUserAnswer(c.typed);
        EXPECT_EQ(item.Status, c.expected) << c.answerText << " / " << c.typed;
        EXPECT_EQ(item.UserAnswer, c.typed);
        EXPECT_TRUE(item.Prepared);
    }
}

TEST(QuestionItemTest, WithoutAnAnswerTextATypedAnswerLeavesTheStatus)
{
    TQuestionItem2 item;
    item.Status = qsWrong;
    item.SetUserAnswer("x");
    EXPECT_EQ(item.Status, qsWrong);
    item.SetUserAnswer("");
    EXPECT_EQ(item.Status, qsUnanswered);
}

TEST(QuestionItemTest, SplitsAlternativesAndPicksOne)
{
    EXPECT_EQ(TQuestionItem2::SplitAnswers("\\a\\\\b c\\\r\n\"x\\y\"\\"),
              (std::vector<std::string>{"a", "b c", "\"x\\y\""}));
    EXPECT_TRUE(TQuestionItem2::SplitAnswers("").empty());

    struct Case {
        const char* text;
        int index;
        const char* expected;
    };
    for (const Case& c : {Case{"a\\b", 1, "b"}, Case{"a\\b", 2, "a"}, Case{"a\\b", -1, "a"}, Case{"\\\\", 0, ""},
                          Case{"", 0, ""}})
        EXPECT_EQ(TQuestionItem2::AnswerAlternative(c.text, c.index), c.expected) << c.text << " " << c.index;
}

TEST(QuestionItemTest, TypedInputLosesOuterBlanksAndControlCharacters)
{
    EXPECT_EQ(TrimAnswerInput(" \t run away\r\n"), "run away");
    EXPECT_EQ(TrimAnswerInput("\x01\x1f"), "");
    EXPECT_EQ(TrimAnswerInput("苹果"), "苹果");
}

TEST(QuestionListTest, TheTestTypeSetsItsFlags)
{
    struct Case {
        int testType;
        bool typed, sentence, english;
    };
    const Case cases[] = {
        {1, false, false, false}, {2, false, false, true}, {3, false, false, false},
        {4, true, false, true},   {5, true, true, true},
    };
    for (const Case& c : cases) {
        TQuestionList2 questions;
        questions.SetTestType(c.testType);
        EXPECT_EQ(questions.TestType, c.testType);
        EXPECT_EQ(questions.IsTyped, c.typed) << c.testType;
        EXPECT_EQ(questions.IsSentence, c.sentence) << c.testType;
        EXPECT_EQ(questions.AnswerIsEnglish, c.english) << c.testType;
    }
    TQuestionList2 questions;
    questions.SetTestType(5);
    questions.SetTestType(9);
    EXPECT_TRUE(questions.IsTyped);
    EXPECT_TRUE(questions.IsSentence);
    EXPECT_FALSE(questions.AnswerIsEnglish);
}

TEST(QuestionListTest, GroupedScopesStartAtGroupOne)
{
    for (std::uint8_t scope : {smWordList, smNoteBook}) {
        TQuestionList2 questions;
        questions.SetScope(scope);
        EXPECT_EQ(questions.GroupIndex, 1);
    }
    TQuestionList2 questions;
    questions.SetScope(smWholeBook);
    EXPECT_EQ(questions.GroupIndex, 0);
}

TEST(QuestionListTest, ViewsCountWrongAndUnansweredAndOutsidePositionsGiveNothing)
{
    TQuestionList2 questions;
    questions.AddQuestions({11, 12, 13, 14, 15});
    ASSERT_EQ(questions.Count(), 5);
    EXPECT_EQ(questions.Item(0)->Status, qsUnanswered);
    EXPECT_FALSE(questions.Item(0)->Prepared);
    questions.Item(0)->ChooseOption(11);
    questions.Item(1)->ChooseOption(3);
    questions.Item(2)->ChooseOption(13);
    questions.Item(4)->ChooseOption(15);

    questions.BuildWrongView();
    EXPECT_EQ(questions.View, (TIntArray{1, 3}));
    EXPECT_EQ(questions.WrongCount, 1);
    EXPECT_EQ(questions.UnansweredCount, 1);
    EXPECT_EQ(questions.ViewItem(1)->ItemId, 14);
    EXPECT_EQ(questions.ViewItem(2), nullptr);
    EXPECT_EQ(questions.ViewItem(-1), nullptr);

    questions.BuildFullView();
    EXPECT_EQ(questions.View.size(), 5u);
    EXPECT_EQ(questions.WrongCount, 1);
    EXPECT_EQ(questions.UnansweredCount, 1);
    EXPECT_EQ(questions.Item(5), nullptr);
    EXPECT_EQ(questions.Item(-1), nullptr);

    questions.Clear();
    EXPECT_EQ(questions.Count(), 0);
    EXPECT_TRUE(questions.View.empty());
}

TEST(QuestionListTest, ShuffleMovesItemsWithTheirAnswers)
{
    SeedRandom(5);
    TQuestionList2 questions;
    questions.AddQuestions(Range(1, 40));
    questions.Item(9)->ChooseOption(10);
    questions.Shuffle();

    EXPECT_EQ(Sorted(ItemIds(questions)), Range(1, 40));
    EXPECT_NE(ItemIds(questions), Range(1, 40));
    for (const auto& item : questions.Items)
        EXPECT_EQ(item->Status, item->ItemId == 10 ? qsCorrect : qsUnanswered);
}

namespace {

// 100 words in the Word Lists 1-95 and 96-100; one sentence each for words 1-60.
class BuildQuestionNumbersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SeedRandom(11);
        gGroupSize = 40;
        std::vector<int> wordOfSentence(60);
        std::iota(wordOfSentence.begin(), wordOfSentence.end(), 1);
        testbook::UseBookInMemory(Data.Folder(), 100, wordOfSentence);
        testbook::AddWordList(*gWordList, 1, 95);
        testbook::AddWordList(*gWordList, 96, 100);
        testbook::AddWordList(*gWordListSen, 1, 60);
        testbook::AddWordList(*gWordListSen, -1, -1);
    }

    TQuestionList2 Questions(int testType, std::uint8_t scope)
    {
        TQuestionList2 questions;
        questions.SetScope(scope);
        questions.SetTestType(testType);
        return questions;
    }

    TTempFolder Data;
};

}  // namespace

TEST_F(BuildQuestionNumbersTest, TheWholeBookGivesDistinctNumbersOrEveryNumberOnce)
{
    struct Case {
        int testType;
        std::int32_t wanted;
        std::size_t expected;
        std::int32_t storeCount;
    };
    for (const Case& c : {Case{1, 40, 40, 100}, Case{1, 100, 100, 100}, Case{4, 500, 100, 100},
                          Case{5, 20, 20, 60}, Case{5, 60, 60, 60}, Case{1, 0, 0, 100}}) {
        TQuestionList2 questions = Questions(c.testType, smWholeBook);
        TQuestionSource source;
        source.QuestionCount = c.wanted;
        source.GroupNumber = 0;
        BuildQuestionNumbers(questions, source);
        const TIntArray ids = Sorted(ItemIds(questions));
        ASSERT_EQ(ids.size(), c.expected) << c.testType << " " << c.wanted;
        EXPECT_EQ(std::set<std::int32_t>(ids.begin(), ids.end()).size(), ids.size());
        if (!ids.empty()) {
            EXPECT_GE(ids.front(), 1);
            EXPECT_LE(ids.back(), c.storeCount);
        }
        EXPECT_EQ(questions.GroupIndex, 0);
    }
}

TEST_F(BuildQuestionNumbersTest, AWordListGroupIsARunOfFortyAndTheLastGroupTheRest)
{
    struct Case {
        int testType;
        std::int32_t wordList, group;
        TIntArray expected;
    };
    const Case cases[] = {
        {1, 1, 1, Range(1, 40)},
        {1, 1, 3, Range(81, 95)},
        {1, 1, 4, {}},
        {1, 2, 1, Range(96, 100)},
        {1, 3, 1, {}},  // there is no Word List 3
        {5, 1, 2, Range(41, 60)},
        {5, 2, 1, {}},  // a Word List without sentences
    };
    for (const Case& c : cases) {
        TQuestionList2 questions = Questions(c.testType, smWordList);
        TQuestionSource source;
        source.WordListIndex = c.wordList;
        source.GroupNumber = c.group;
        BuildQuestionNumbers(questions, source);
        EXPECT_EQ(ItemIds(questions), c.expected) << c.testType << " WL" << c.wordList << " group " << c.group;
        EXPECT_EQ(questions.GroupIndex, c.group);
    }
}

TEST_F(BuildQuestionNumbersTest, TheOrderSwitchShufflesTheSameGroup)
{
    TQuestionList2 questions = Questions(2, smWordList);
    TQuestionSource source;
    source.GroupNumber = 2;
    source.RandomOrder = true;
    BuildQuestionNumbers(questions, source);
    EXPECT_EQ(Sorted(ItemIds(questions)), Range(41, 80));
    EXPECT_NE(ItemIds(questions), Range(41, 80));
}

TEST_F(BuildQuestionNumbersTest, ANotebookGroupTakesItsMembersInNotebookOrder)
{
    TTextList members;
    for (int n = 85; n >= 1; --n)
        members.push_back(std::to_string(n));
    gWordNoteBooks->GetNoteBook(2)->SetItems(members);
    gSentenceNoteBooks->GetNoteBook(2)->SetItems(testbook::Texts({9, 4}));

    struct Case {
        int testType;
        std::int32_t group;
        TIntArray expected;
    };
    TIntArray firstGroup = Range(46, 85);
    std::reverse(firstGroup.begin(), firstGroup.end());
    for (const Case& c : {Case{1, 3, {5, 4, 3, 2, 1}}, Case{3, 1, firstGroup}, Case{4, 0, firstGroup},
                          Case{5, 1, {9, 4}}}) {
        TQuestionList2 questions = Questions(c.testType, smNoteBook);
        TQuestionSource source;
        source.NoteBookIndex = 2;
        source.GroupNumber = c.group;
        BuildQuestionNumbers(questions, source);
        EXPECT_EQ(ItemIds(questions), c.expected) << c.testType << " group " << c.group;
        EXPECT_EQ(questions.GroupIndex, std::max(c.group, 1));
    }
}

TEST_F(BuildQuestionNumbersTest, ABookOfFewerThanFourWordsCannotGiveChoices)
{
    testbook::UseBookInMemory(Data.Folder(), 3, {1});
    for (int testType : {1, 2, 3}) {
        TQuestionList2 questions = Questions(testType, smWholeBook);
        EXPECT_THROW(BuildQuestionNumbers(questions, TQuestionSource{}), EQuestionBuildError) << testType;
        EXPECT_EQ(questions.Count(), 0);
    }
    TQuestionList2 spelling = Questions(4, smWholeBook);
    BuildQuestionNumbers(spelling, TQuestionSource{});
    EXPECT_EQ(spelling.Count(), 3);

    testbook::UseBookInMemory(Data.Folder(), 0, {});
    TQuestionList2 empty = Questions(1, smWholeBook);
    BuildQuestionNumbers(empty, TQuestionSource{});
    EXPECT_EQ(empty.Count(), 0);
}

TEST_F(BuildQuestionNumbersTest, ANewStartClearsThePreviousAnswers)
{
    TQuestionList2 questions = Questions(1, smWordList);
    BuildQuestionNumbers(questions, TQuestionSource{});
    questions.Item(0)->ChooseOption(1);
    questions.BuildFullView();
    BuildQuestionNumbers(questions, TQuestionSource{});
    EXPECT_EQ(questions.Item(0)->Status, qsUnanswered);
    EXPECT_TRUE(questions.View.empty());
}
