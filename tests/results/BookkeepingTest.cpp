#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "../support/TestBook.h"
#include "platform/Clock.h"
#include "platform/NoticeSink.h"
#include "results/ResultBookkeeping.h"

using testbook::Members;
using testbook::Texts;
using testbook::TTempFolder;

namespace {

class TFixedClock : public IClock {
public:
    double Now() const override { return 46367.5; }
};

class TNoticeRecorder : public INoticeSink {
public:
    void Inform(const std::string& title, const std::string& text) override { Notices.emplace_back(title, text); }
    std::vector<std::pair<std::string, std::string>> Notices;
};

// Eight words; sentences 1-6 illustrate the words 1, 3, 1, 5, 2, 6.
class BookkeepingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        SetNoticeSink(&Recorder);
        testbook::UseBookInMemory(Data.Folder(), 8, {1, 3, 1, 5, 2, 6});
    }
    void TearDown() override
    {
        SetClock(nullptr);
        SetNoticeSink(nullptr);
    }

    // A handed-in test: one question per entry, with the given status.
    static TQuestionList2 HandedIn(int testType, const std::vector<std::pair<int, TQuestionStatus>>& answers)
    {
        TQuestionList2 questions;
        questions.SetScope(smWholeBook);
        questions.SetTestType(testType);
        for (const auto& [id, status] : answers) {
            questions.AddQuestions({id});
            questions.Items.back()->Status = status;
        }
        questions.BuildFullView();
        return questions;
    }

    TFixedClock Clock;
    TNoticeRecorder Recorder;
    TTempFolder Data;
};

TTextList Saved(const std::string& path, int book)
{
    TNoteBookList2 store;
    EXPECT_TRUE(store.LoadFromFile(path)) << path;
    return Members(store, book);
}

}  // namespace

TEST_F(BookkeepingTest, TheHistoryRecordCountsTheAnswersAndIsSaved)
{
    TQuestionList2 questions = HandedIn(3, {{1, qsCorrect}, {2, qsUnanswered}, {3, qsCorrect}});
    WriteHistoryRecord(questions, "WL2 第1组");

    pugi::xml_document saved;
    ASSERT_TRUE(saved.load_file((Data.Path / "His.dat").c_str()));
    const pugi::xml_node record = saved.document_element().first_child();
    EXPECT_STREQ(record.name(), "ITEM");
    EXPECT_STREQ(record.attribute("TT").value(), "3");
    EXPECT_STREQ(record.attribute("TM").value(), "1");
    EXPECT_STREQ(record.attribute("SC").value(), "3");
    EXPECT_STREQ(record.attribute("EC").value(), "0");
    EXPECT_STREQ(record.attribute("UC").value(), "1");
    EXPECT_STREQ(record.attribute("OC").value(), "2");
    EXPECT_STREQ(record.attribute("TG").value(), "66");
    EXPECT_STREQ(record.attribute("TD").value(), "46367.5");
    EXPECT_STREQ(record.attribute("TMSTR").value(), "WL2 第1组");
    EXPECT_EQ(gTestHistory->Count(), 1);
}

TEST_F(BookkeepingTest, ATestWithoutQuestionsIsRecordedWithoutAScore)
{
    WriteHistoryRecord(HandedIn(1, {}), "全书随机抽查");
    WriteHistoryRecord(HandedIn(1, {{4, qsWrong}}), "全书随机抽查");
    ASSERT_EQ(gTestHistory->Count(), 2);
    const auto empty = gTestHistory->GetItem(0);
    EXPECT_EQ(empty->GetQuestionCount(), 0);
    EXPECT_FALSE(HasAttribute(empty->Node, "TG"));
    EXPECT_EQ(gTestHistory->GetItem(1)->GetScore(), 0);
    EXPECT_EQ(gTestHistory->GetItem(1)->GetWrongCount(), 1);
}

TEST_F(BookkeepingTest, AnsweredWordsAndTheirSentencesMoveBetweenTheAutomaticNotebooks)
{
    gWordNoteBooks->GetNoteBook(4)->SetItems(Texts({1, 7}));
    gSentenceNoteBooks->GetNoteBook(4)->SetItems(Texts({1, 3}));
    gWordNoteBooks->GetNoteBook(5)->SetItems(Texts({5}));

    // Word 1 right (it was in the error book), word 5 wrong, word 2 unanswered.
    UpdateAutoNoteBooks(HandedIn(1, {{1, qsCorrect}, {5, qsWrong}, {2, qsUnanswered}}));

    EXPECT_EQ(Members(*gWordNoteBooks, 4), Texts({7, 5, 2}));
    EXPECT_EQ(Members(*gWordNoteBooks, 5), Texts({1}));
    EXPECT_EQ(Members(*gWordNoteBooks, 6), Texts({3, 4, 6, 7, 8}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 4), Texts({4, 5}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 5), Texts({1, 3}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 6), Texts({2, 6}));
    EXPECT_EQ(Saved(Data.Folder() + "notes2.dat", 4), Texts({7, 5, 2}));
    EXPECT_EQ(Saved(Data.Folder() + "snotes2.dat", 5), Texts({1, 3}));
}

TEST_F(BookkeepingTest, AWholeBookWordTestReplacesTheAutomaticWordNotebooks)
{
    gWordNoteBooks->GetNoteBook(5)->SetItems(Texts({3, 8}));
    std::vector<std::pair<int, TQuestionStatus>> answers;
    for (int word = 8; word >= 1; --word)
        answers.emplace_back(word, word % 3 == 0 ? qsWrong : word == 4 ? qsUnanswered : qsCorrect);

    UpdateAutoNoteBooks(HandedIn(4, answers));

    EXPECT_EQ(Members(*gWordNoteBooks, 4), Texts({6, 4, 3}));
    EXPECT_EQ(Members(*gWordNoteBooks, 5), Texts({8, 7, 5, 2, 1}));
    EXPECT_TRUE(Members(*gWordNoteBooks, 6).empty());
}

TEST_F(BookkeepingTest, ASentenceTestAsLongAsTheBookStillMovesWordsOneByOne)
{
    testbook::UseBookInMemory(Data.Folder(), 8, {1, 3, 1, 5, 2, 6, 7, 7});
    gWordNoteBooks->GetNoteBook(5)->SetItems(Texts({8}));
    std::vector<std::pair<int, TQuestionStatus>> answers;
    for (int sentence = 1; sentence <= 8; ++sentence)
        answers.emplace_back(sentence, sentence == 2 ? qsWrong : qsCorrect);

    UpdateAutoNoteBooks(HandedIn(5, answers));

    EXPECT_EQ(Members(*gWordNoteBooks, 5), Texts({8, 1, 5, 2, 6, 7}));
    EXPECT_EQ(Members(*gWordNoteBooks, 4), Texts({3}));
    EXPECT_EQ(Members(*gWordNoteBooks, 6), Texts({4, 8}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 4), Texts({2}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 5), Texts({1, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(Members(*gSentenceNoteBooks, 6).empty());
}

TEST_F(BookkeepingTest, AddingTickedQuestionsTellsHowManyWordsWereNew)
{
    gWordNoteBooks->GetNoteBook(1)->AddItems(Texts({3}));
    TQuestionList2 questions = HandedIn(2, {{1, qsCorrect}, {3, qsWrong}, {5, qsWrong}, {6, qsCorrect}});
    for (int i : {0, 1, 2})
        questions.Item(i)->Selected = true;

    AddSelectedToNoteBook(questions, 1);
    EXPECT_EQ(Members(*gWordNoteBooks, 1), Texts({3, 1, 5}));
    EXPECT_EQ(Members(*gSentenceNoteBooks, 1), Texts({1, 3, 2, 4}));
    ASSERT_EQ(Recorder.Notices.size(), 1u);
    EXPECT_EQ(Recorder.Notices[0].first, "提示");
    EXPECT_EQ(Recorder.Notices[0].second, "1 个单词已存在,\n\r\n\r此次共添加 2 个单词。");

    AddSelectedToNoteBook(questions, 2);
    EXPECT_EQ(Recorder.Notices.back().second, "此次共添加 3 个单词");
}

TEST_F(BookkeepingTest, OnlyTheTickedQuestionsOfTheCurrentViewAreAdded)
{
    TQuestionList2 questions = HandedIn(1, {{1, qsCorrect}, {3, qsWrong}, {5, qsUnanswered}});
    for (const auto& item : questions.Items)
        item->Selected = true;
    questions.BuildWrongView();

    AddSelectedToNoteBook(questions, 0);
    EXPECT_EQ(Members(*gWordNoteBooks, 0), Texts({3, 5}));
    EXPECT_EQ(Recorder.Notices.back().second, "此次共添加 2 个单词");
}

TEST_F(BookkeepingTest, ASentenceTestAddsTheSentencesAndTheirWords)
{
    TQuestionList2 questions = HandedIn(5, {{1, qsCorrect}, {3, qsWrong}, {4, qsCorrect}});
    for (const auto& item : questions.Items)
        item->Selected = true;

    AddSelectedToNoteBook(questions, 3);
    EXPECT_EQ(Members(*gSentenceNoteBooks, 3), Texts({1, 3, 4}));
    EXPECT_EQ(Members(*gWordNoteBooks, 3), Texts({1, 5}));
    EXPECT_EQ(Recorder.Notices.back().second, "1 个单词已存在,\n\r\n\r此次共添加 2 个单词。");
}

TEST_F(BookkeepingTest, TickingEveryWordOfTheBookReplacesTheNotebook)
{
    gWordNoteBooks->GetNoteBook(0)->SetItems(Texts({2, 9}));
    std::vector<std::pair<int, TQuestionStatus>> answers;
    for (int word = 1; word <= 8; ++word)
        answers.emplace_back(word, qsCorrect);
    TQuestionList2 questions = HandedIn(1, answers);
    for (const auto& item : questions.Items)
        item->Selected = true;

    AddSelectedToNoteBook(questions, 0);
    EXPECT_EQ(Members(*gWordNoteBooks, 0), Texts({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Recorder.Notices.back().second, "2 个单词已存在,\n\r\n\r此次共添加 6 个单词。");
}

TEST_F(BookkeepingTest, WordsAndSentencesConvertInOrder)
{
    EXPECT_EQ(WordsToSentences(Texts({3, 4, 1, 6})), Texts({2, 1, 3, 6}));
    EXPECT_EQ(WordsToSentences({"x", "1"}), Texts({1, 3}));
    EXPECT_EQ(SentencesToWords(Texts({3, 1, 6})), Texts({1, 1, 6}));
    // Numbers outside the sentences have no word.
    EXPECT_EQ(SentencesToWords(Texts({0, 7, 2})), Texts({3}));
}

TEST(HandInScenarioTest, AWholeBookTestIsRecordedAndKeptAcrossAStart)
{
    TTempFolder app;
    const std::string data = app.Folder() + "data";
    std::filesystem::create_directories(data);
    for (const char* name : {"word.dat", "word.lst", "sens.dat"})
        std::filesystem::copy_file(std::string(VELLORA_FIXTURES) + "/book_small/" + name, data + "/" + name);
    gDataPath = data + "/";
    CreateStores();
    LoadStores();

    TQuestionList2 questions;
    questions.SetScope(smWholeBook);
    questions.SetTestType(1);
    BuildQuestionNumbers(questions, TQuestionSource{});
    ASSERT_EQ(questions.Count(), 8);
    // The learner picks the right choice for words 1-6 and a wrong one for word 7.
    for (std::int32_t i = 0; i < questions.Count(); ++i) {
        TQuestionItem2& item = *questions.Item(i);
        TIntArray options;
        gWordPackage->RandomOptions(4, item.ItemId, options);
        item.SetOptions(options);
        if (item.ItemId <= 6)
            item.ChooseOption(item.ItemId);
        else if (item.ItemId == 7)
            item.ChooseOption(*std::find_if(options.begin(), options.end(), [](int id) { return id != 7; }));
    }
    questions.BuildFullView();
    WriteHistoryRecord(questions, "全书随机抽查");
    UpdateAutoNoteBooks(questions);

    CreateStores();
    LoadStores();
    ASSERT_EQ(gTestHistory->Count(), 1);
    const auto record = gTestHistory->GetItem(0);
    EXPECT_EQ(record->GetRightCount(), 6);
    EXPECT_EQ(record->GetWrongCount(), 1);
    EXPECT_EQ(record->GetUnansweredCount(), 1);
    EXPECT_EQ(record->GetScore(), 75);
    EXPECT_EQ(record->GetScopeText(), "全书随机抽查");
    TTextList wrong = Members(*gWordNoteBooks, 4);
    std::sort(wrong.begin(), wrong.end());
    EXPECT_EQ(wrong, Texts({7, 8}));
    EXPECT_EQ(Members(*gWordNoteBooks, 5).size(), 6u);
    EXPECT_TRUE(Members(*gWordNoteBooks, 6).empty());
    // Words 7 and 8 have no sentences: every sentence was passed.
    TTextList passed = Members(*gSentenceNoteBooks, 5);
    std::sort(passed.begin(), passed.end());
    EXPECT_EQ(passed, Texts({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(Members(*gSentenceNoteBooks, 6).empty());
}
