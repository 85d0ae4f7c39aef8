// Pictures of the two list screens with a full and an empty list, for people to look at.
#include <QDir>
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "screens/u04_NoteBookList.h"
#include "screens/u04_TestHistory.h"
#include "widgets/ImageButton.h"

using namespace guitest;

namespace {

struct TSampleWord {
    const char* English;
    const char* Phonetic;
    const char* Chinese;
};
const TSampleWord cSampleWords[] = {
    {"abandon", "/əˈbændən/", "vt. 放弃，抛弃；离弃，丢弃；使屈从；沉溺于 n. 放任，狂热"},
    {"ability", "/əˈbɪləti/", "n. 能力，本领；才能，才干"},
    {"abroad", "/əˈbrɔːd/", "adv. 到国外，在国外；广泛地，到处"},
    {"absence", "/ˈæbsəns/", "n. 缺席，不在场；缺乏，没有"},
    {"absolute", "/ˈæbsəluːt/", "adj. 绝对的，完全的；确实的"},
    {"absorb", "/əbˈzɔːb/", "vt. 吸收；吸引…的注意"},
    {"abstract", "/ˈæbstrækt/", "adj. 抽象的 n. 摘要"},
    {"academic", "/ˌækəˈdemɪk/", "adj. 学院的，学术的"},
    {"accent", "/ˈæksent/", "n. 口音，腔调；重音"},
    {"accept", "/əkˈsept/", "vt. 接受，认可"},
    {"access", "/ˈækses/", "n. 接近，进入；通道"},
    {"accident", "/ˈæksɪdənt/", "n. 意外事件，事故"},
};

class ListScreenPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        gDataPath = Folder.Data().string() + "/";
        for (const TSampleWord& sample : cSampleWords) {
            TWordItem word;
            word.WriteString("E", sample.English);
            word.WriteString("P", sample.Phonetic);
            word.WriteString("C", sample.Chinese);
            gWordPackage->AddItem(word);
        }
        gWordNoteBooks->ResetDefaults(*gWordPackage);
        gSentenceNoteBooks->ResetDefaults(*gSentenceList);
        QDir().mkpath(VELLORA_SCREENSHOT_DIR);
    }

    static void Save(QWidget& screen, const char* name)
    {
        const QString path = QString(VELLORA_SCREENSHOT_DIR) + "/" + name + ".png";
        EXPECT_TRUE(screen.grab().save(path)) << path.toStdString();
    }

    TProgramFolder Folder{{}, VELLORA_APP_DIR "/Pic"};
};

TEST_F(ListScreenPictures, NoteBookManager)
{
    Tfrm04_NoteBookList screen;
    screen.show();
    Save(screen, "notebooks_full");
    screen.btnNote1->click();
    Save(screen, "notebooks_empty");
}

TEST_F(ListScreenPictures, TestHistory)
{
    const struct {
        int Type;
        int Questions;
        int Wrong;
        int Unanswered;
        const char* Scope;
    } tests[] = {
        {1, 40, 3, 0, "WL1 第1组"}, {2, 40, 8, 2, "WL1 第2组"}, {3, 20, 5, 5, "全书随机抽查"},
        {4, 40, 12, 0, "错词本 第1组"}, {5, 9, 2, 1, "笔记本2 第1组"}, {1, 100, 20, 10, "全书随机抽查"},
    };
    double day = 40156;
    for (int round = 0; round < 3; ++round)
        for (const auto& test : tests) {
            TTestHistoryItem record;
            record.SetTestType(test.Type);
            record.SetQuestionCount(test.Questions);
            record.SetWrongCount(test.Wrong);
            record.SetUnansweredCount(test.Unanswered);
            const int right = test.Questions - test.Wrong - test.Unanswered;
            record.SetRightCount(right);
            record.SetTestDate(day += 1.3);
            record.SetScopeText(test.Scope);
            record.SetScore(right * 100 / test.Questions);
            gTestHistory->AddItem(record);
        }
    Tfrm04_TestHistory screen;
    for (const char* name : {"history_full", "history_empty"}) {
        WhenModalOpens([&](QWidget*) {
            Save(screen, name);
            screen.btnExit->click();
        });
        screen.ShowHistory();
        CreateStores();
    }
}

}  // namespace
