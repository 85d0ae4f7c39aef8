#include "store/u09_BussObj.h"

#include <algorithm>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "store/DayClock.h"
#include "store/RandomSource.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

void AddWords(TWordPackage& package, int count)
{
    for (int i = 1; i <= count; ++i) {
        TWordItem word;
        word.WriteString("E", "word" + std::to_string(i));
        package.AddItem(word);
    }
}

void ExpectDistinctWithin(const TIntArray& numbers, int count)
{
    EXPECT_EQ(std::set<std::int32_t>(numbers.begin(), numbers.end()).size(), numbers.size());
    for (std::int32_t number : numbers) {
        EXPECT_GE(number, 1);
        EXPECT_LE(number, count);
    }
}

}  // namespace

TEST(WordParts, SplittingFollowsSlashesLineBreaksAndQuotes)
{
    struct Case {
        const char* English;
        std::vector<std::string> Parts;
    };
    const Case cases[] = {
        {"colour/color", {"colour", "color"}},
        {"colour/", {"colour"}},
        {"/a//b/", {"a", "b"}},
        {"one\r\ntwo/three", {"one", "two", "three"}},
        {"can't/cannot", {"can't/cannot"}},
        {"can't/x'/y", {"can't/x'", "y"}},
        {"say \"a/b\"/c", {"say \"a/b\"", "c"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        TWordItem word;
        word.WriteString("E", c.English);
        for (std::size_t i = 0; i <= c.Parts.size(); ++i)
            EXPECT_EQ(word.GetEnglishPart(static_cast<std::int32_t>(i)),
                      i < c.Parts.size() ? c.Parts[i] : "")
                << c.English << " part " << i;
        EXPECT_EQ(word.Parts, c.Parts) << c.English;
    }
}

TEST(WordPackage, GetWordIsAViewOrAnEmptyItemPastTheEnd)
{
    TWordPackage package;
    ASSERT_TRUE(package.LoadFromFile(Fixture("crlf_indented_words.dat")));
    ASSERT_EQ(package.Count(), 3);
    const auto word = package.GetWord(0);
    EXPECT_EQ(word->GetEnglish(), "colour/color");
    EXPECT_EQ(word->GetChinese(), "n. 颜色");
    EXPECT_EQ(word->GetPhonetic(), "ˈkʌlə");
    EXPECT_EQ(word->GetSoundFile(), "colour.mp3");
    const auto again = package.GetWord(0);
    EXPECT_NE(word.get(), again.get());
    for (const std::int32_t index : {3, -1}) {
        const auto none = package.GetWord(index);
        EXPECT_EQ(none->GetEnglish() + none->GetChinese() + none->GetSoundFile() + none->GetPhonetic(), "");
    }
}

TEST(WordPackage, RandomOptionsTakeOnePerBandAndAlwaysTheTarget)
{
    SeedRandom(11);
    TWordPackage ten;
    AddWords(ten, 10);
    TIntArray options;
    for (int round = 0; round < 200; ++round) {
        const std::int32_t target = 1 + round % 10;
        ten.RandomOptions(4, target, options);
        ASSERT_EQ(options.size(), 4u);
        ExpectDistinctWithin(options, 10);
        EXPECT_THAT(options, Contains(target));
    }
    TWordPackage eight;
    AddWords(eight, 8);
    for (int round = 0; round < 50; ++round) {
        eight.RandomOptions(4, 5, options);
        std::set<int> bands;
        for (std::int32_t option : options)
            bands.insert((option - 1) / 2);
        EXPECT_EQ(bands, (std::set<int>{0, 1, 2, 3}));
        EXPECT_THAT(options, Contains(5));
    }
}

TEST(WordPackage, RandomOptionsWithTooFewWordsOrOneOption)
{
    TWordPackage three;
    AddWords(three, 3);
    TIntArray options;
    three.RandomOptions(4, 2, options);
    EXPECT_THAT(std::set<std::int32_t>(options.begin(), options.end()), (std::set<std::int32_t>{1, 2, 3}));
    three.RandomOptions(1, 3, options);
    EXPECT_THAT(options, ElementsAre(3));
    three.RandomOptions(0, 3, options);
    EXPECT_THAT(options, IsEmpty());
    TWordPackage none;
    none.RandomOptions(4, 1, options);
    EXPECT_THAT(options, IsEmpty());
}

TEST(WordPackage, RandomSelectionGivesDistinctNumbersOrEveryNumber)
{
    SeedRandom(5);
    TWordPackage package;
    AddWords(package, 30);
    TIntArray numbers;
    package.RandomSelection(30, numbers);
    std::vector<std::int32_t> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i + 1);
    package.RandomSelection(29, numbers);
    EXPECT_EQ(numbers.size(), 29u);
    ExpectDistinctWithin(numbers, 30);
    package.RandomSelection(100, numbers);
    EXPECT_EQ(numbers.size(), 30u);
    package.RandomPick(0, numbers);
    EXPECT_THAT(numbers, IsEmpty());
    package.RandomPick(45, numbers);
    EXPECT_EQ(numbers.size(), 30u);
}

TEST(RandomSource, SeedingRepeatsTheNumbers)
{
    SeedRandom(42);
    const std::int32_t first[] = {RandomInt(1000), RandomInt(1000), RandomInt(1000)};
    SeedRandom(42);
    for (const std::int32_t number : first)
        EXPECT_EQ(RandomInt(1000), number);
    EXPECT_EQ(RandomInt(0), 0);
    EXPECT_EQ(RandomInt(1), 0);
}

TEST(WordList, GetGroupCutsTheRunIntoGroups)
{
    struct Case {
        std::int32_t Begin, End, Offset, Size;
        std::vector<std::int32_t> Numbers;
    };
    const Case cases[] = {
        {1, 85, 0, 3, {1, 2, 3}},
        {1, 85, 80, 40, {81, 82, 83, 84, 85}},
        {1, 85, 85, 40, {}},
        {100, 101, 0, 40, {100, 101}},
        {-1, -1, 0, 40, {}},
        {0, 0, 0, 40, {}},
        {5, 4, 0, 40, {}},
        {1, 85, 0, 0, {}},
    };
    for (const Case& c : cases) {
        TWordListItem item;
        item.SetBegin(c.Begin);
        item.SetEnd(c.End);
        TIntArray numbers{99};
        item.GetGroup(c.Offset, c.Size, numbers);
        EXPECT_EQ(numbers, c.Numbers) << c.Begin << ".." << c.End << " +" << c.Offset;
    }
    TWordListItem missing;
    EXPECT_EQ(missing.GetBegin(), 0);
    EXPECT_EQ(missing.GetEnd(), 0);
}

TEST(WordList, GetItemReBindsTheOneSharedItem)
{
    TWordList lists;
    for (int n = 0; n < 2; ++n) {
        TWordListItem item;
        item.SetBegin(1 + 40 * n);
        item.SetEnd(40 + 40 * n);
        lists.AddItem(item);
    }
    TWordListItem& first = lists.GetItem(0);
    EXPECT_EQ(first.GetBegin(), 1);
    TWordListItem& second = lists.GetItem(1);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.GetBegin(), 41);
    EXPECT_EQ(lists.GetItem(2).GetBegin(), 41) << "past the end the item stays where it was";
    TWordList empty;
    EXPECT_EQ(empty.GetItem(0).GetEnd(), 0);
}

TEST(Sentence, BlankingReplacesTheFirstCaseSensitiveOccurrence)
{
    struct Case {
        const char* English;
        const char* Target;
        const char* Blanked;
    };
    const Case cases[] = {
        {"He was running fast, running home.", "running", "He was _____ fast, running home."},
        {"He was running fast.", "Running", "He was running fast."},
        {"He was running fast.", "", "He was running fast."},
        {"He ran.", "walked", "He ran."},
        {"她很好 good.", "good", "她很好 _____."},
    };
    for (const Case& c : cases) {
        TSentenceItem sentence;
        sentence.WriteString("ESEN", c.English);
        sentence.WriteString("TE", c.Target);
        EXPECT_EQ(sentence.GetBlankedSentence(), c.Blanked) << c.English;
    }
}

TEST(Sentence, FieldsAndTargetParts)
{
    TSentenceList sentences;
    ASSERT_TRUE(sentences.LoadFromXml(
        R"(<PACKAGE><ITEM WID="3" MIDX="1" ESEN="It's grey." CSEN="它是灰色的。" TE="grey/gray" TFN="s1.mp3"/>)"
        R"(<ITEM WID="x" ESEN="b"/></PACKAGE>)"));
    TSentenceItem& sentence = sentences.GetSentence(0);
    EXPECT_EQ(sentence.GetWordNo(), 3);
    EXPECT_EQ(sentence.GetSentenceNo(), 1);
    EXPECT_EQ(sentence.GetChineseSentence(), "它是灰色的。");
    EXPECT_EQ(sentence.GetSoundFile(), "s1.mp3");
    EXPECT_EQ(sentence.GetTargetPart(0), "grey");
    EXPECT_EQ(sentence.GetTargetPart(1), "gray");
    EXPECT_EQ(sentence.GetTargetPart(2), "");
    TSentenceItem& next = sentences.GetSentence(1);
    EXPECT_EQ(&next, &sentence);
    EXPECT_EQ(sentence.GetEnglishSentence(), "b");
    EXPECT_EQ(sentence.GetWordNo(), 0) << "a malformed number reads as the default";
    EXPECT_EQ(sentence.GetSentenceNo(), 0);
    sentences.GetSentence(5);
    EXPECT_EQ(sentence.GetEnglishSentence(), "b");
}

TEST(History, RecordFieldsAndScore)
{
    TTestHistoryPackage history;
    struct Case {
        std::int32_t Questions, Wrong, Unanswered, Right, Score;
    };
    const Case cases[] = {{20, 3, 2, 15, 75}, {9, 2, 0, 7, 77}, {0, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        TTestHistoryItem record;
        record.SetTestType(1);
        record.SetScope(2);
        record.SetQuestionCount(c.Questions);
        record.SetWrongCount(c.Wrong);
        record.SetUnansweredCount(c.Unanswered);
        record.SetRightCount(c.Questions - c.Unanswered - c.Wrong);
        record.SetTestDate(45678.5);
        record.SetScopeText("WL3 第1组");
        if (c.Questions > 0)
            record.SetScore((c.Questions - c.Unanswered - c.Wrong) * 100 / c.Questions);
        history.AddItem(record);
    }
    TTempFolder folder;
    ASSERT_TRUE(history.SaveToFile(folder.File("His.dat")));
    TTestHistoryPackage loaded;
    ASSERT_TRUE(loaded.LoadFromFile(folder.File("His.dat")));
    ASSERT_EQ(loaded.Count(), 3);
    for (std::int32_t i = 0; i < 3; ++i) {
        const auto record = loaded.GetItem(i);
        const Case& c = cases[i];
        EXPECT_EQ(record->GetTestType(), 1);
        EXPECT_EQ(record->GetQuestionCount(), c.Questions);
        EXPECT_EQ(record->GetWrongCount(), c.Wrong);
        EXPECT_EQ(record->GetUnansweredCount(), c.Unanswered);
        EXPECT_EQ(record->GetRightCount(), c.Right);
        EXPECT_EQ(record->GetScore(), c.Score);
        EXPECT_EQ(record->GetTestDate(), 45678.5);
        EXPECT_EQ(record->GetScopeText(), "WL3 第1组");
    }
    EXPECT_FALSE(HasAttribute(loaded.GetItem(2)->Node, "TG")) << "no score for a test without questions";
}

TEST(History, MissingDateReadsAsNowAndOtherLocalesStillLoad)
{
    SetDayClock([] { return 46000.25; });
    TTestHistoryPackage history;
    ASSERT_TRUE(history.LoadFromXml(R"(<PACKAGE><ITEM TT="2"/></PACKAGE>)"));
    EXPECT_EQ(history.GetItem(0)->GetTestDate(), 46000.25);
    EXPECT_EQ(history.GetItem(1)->GetTestType(), 0);
    SetDayClock({});
    EXPECT_GT(history.GetItem(0)->GetTestDate(), 40000.0);

    TTestHistoryPackage foreign;
    ASSERT_TRUE(foreign.LoadFromFile(Fixture("utf16_comma_date_history.dat")));
    EXPECT_EQ(foreign.GetItem(0)->GetTestDate(), 45678.75);
    EXPECT_EQ(foreign.GetItem(0)->GetScore(), 75);
}

TEST(DayClock, DayCountsAreLocalDaysSince1899)
{
    // 2000-01-01 00:00 local time is day 36526.
    std::tm local{};
    local.tm_year = 100;
    local.tm_mon = 0;
    local.tm_mday = 1;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const std::time_t noon = std::mktime(&local);
    EXPECT_DOUBLE_EQ(DayCountFromTime(noon), 36526.5);
    EXPECT_EQ(TimeFromDayCount(36526.5), noon);
}
