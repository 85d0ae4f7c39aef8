// Renders the listening, spelling and sentence tests with the sample content, each with an
// answer judged right and one judged wrong, and their result windows, into the screenshot
// folder for people to look at.
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "KindsTestSupport.h"
#include "engine/u02_Type3.h"
#include "engine/u02_Type4.h"
#include "engine/u02_Type5.h"
#include "widgets/SkinCheck.h"

using namespace kindstest;

namespace {

const fs::path cAppDir = VELLORA_APP_DIR;

class KindScreenshots : public ::testing::Test {
protected:
    KindScreenshots()
    {
        SetMediaPlayerFactory([] { return std::make_unique<TRecordingPlayer>(); });
        frm03_ResultChinese = &ResultChinese;
        frm03_ResultEnglish = &ResultEnglish;
    }
    ~KindScreenshots() override
    {
        frm03_ResultChinese = nullptr;
        frm03_ResultEnglish = nullptr;
        SetMediaPlayerFactory({});
    }
    void SetUp() override
    {
        if (gWordPackage->Count() < 4 || gSentenceList->Count() == 0)
            GTEST_SKIP() << "the sample content is not in " << cAppDir << " (build vellora_app_folder)";
    }

    // Word List 1 with every helper shown: the first answer right, the second wrong, then
    // handed in and the review shot.
    template <typename TWindow, typename TAnswer>
    void TakeTest(TWindow& test, int kind, const QString& name, std::vector<TSkinCheckBox*> helpers,
                  TAnswer answer)
    {
        test.WordListIndex = 1;
        TResultCloser results([&](Tfrm05_ResultBase* result) { guitest::SaveScreenshot(*result, name + "_result.png"); });
        RunInside(test, smWordList, kind, [&] {
            test.btnTestStartClick();
            for (TSkinCheckBox* box : helpers)
                ClickMark(box);
            test.Seconds = 47;
            test.ctlTimeTimer();
            answer(true);
            guitest::SaveScreenshot(test, name + "_right.png");
            test.NextPage();
            answer(false);
            guitest::SaveScreenshot(test, name + "_wrong.png");
            Tfrm09_Object::QueueAnswer(1);
            test.btnTestFinishedClick();
        });
        EXPECT_EQ(results.Shown.size(), 1u);
    }

    // The right answer of the current page, or a wrong one made from it.
    static QString Typed(const Tfrm06_TestBase& test, bool right)
    {
        const TQuestionItem2& item = *test.Questions->Item(test.CurrentPage - 1);
        const QString answer = QString::fromStdString(TQuestionItem2::AnswerAlternative(item.AnswerText, 0));
        return right ? answer : answer.left(answer.size() - 1) + "x";
    }

    guitest::TProgramFolder Folder{cAppDir / "data", cAppDir / "Pic"};
    Tfrm03_ResultChinese ResultChinese;
    Tfrm03_ResultEnglish ResultEnglish;
};

TEST_F(KindScreenshots, Listening)
{
    Tfrm02_Type3 test;
    TakeTest(test, 3, "type3", {test.chkShowPhonetic, test.chkShowOnError}, [&](bool right) {
        const TQuestionItem2& item = *test.Questions->Item(test.CurrentPage - 1);
        TSkinRadioButton* choices[] = {test.rdoAnswer1_1, test.rdoAnswer2_1, test.rdoAnswer3_1, test.rdoAnswer4_1};
        for (int i = 0; i < 4; ++i)
            if ((item.Options[i] == item.ItemId) == right) {
                ClickMark(choices[i]);
                return;
            }
    });
}

TEST_F(KindScreenshots, Spelling)
{
    Tfrm02_Type4 test;
    TakeTest(test, 4, "type4", {test.chkChinese, test.chkShowPhonetic, test.chkShowOnError}, [&](bool right) {
        QTest::keyClicks(test.edtInput, Typed(test, right));
        QTest::keyClick(test.edtInput, Qt::Key_Return);
    });
}

TEST_F(KindScreenshots, Sentence)
{
    Tfrm02_Type5 test;
    TakeTest(test, 5, "type5", {test.chkChinese, test.chkShowPhonetic, test.chkShowOnError}, [&](bool right) {
        QTest::keyClicks(test.edtInput, Typed(test, right));
        QTest::keyClick(test.edtInput, Qt::Key_Return);
    });
}

}  // namespace
