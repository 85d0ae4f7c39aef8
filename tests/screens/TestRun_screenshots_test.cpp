// Renders the test centre, both choice tests while they run and both result windows with the
// sample content into the screenshot folder, for people to look at.
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

#include "TestRunSupport.h"
#include "engine/u02_Type1.h"
#include "engine/u02_Type2.h"
#include "screens/u01_WordTest.h"
#include "widgets/ImageButton.h"
#include "widgets/SkinCheck.h"

using namespace testrun;

namespace {

const fs::path cAppDir = VELLORA_APP_DIR;

class TestRunScreenshots : public ::testing::Test {
protected:
    TestRunScreenshots()
    {
        frm03_ResultChinese = &ResultChinese;
        frm03_ResultEnglish = &ResultEnglish;
    }
    ~TestRunScreenshots() override
    {
        frm03_ResultChinese = nullptr;
        frm03_ResultEnglish = nullptr;
    }

    // Word List 1: picks on the first page (the first right, the others wrong), the third
    // question left open; shot while running, then handed in and the review shot.
    void TakeTest(Tfrm02_ChoiceTest& test, int kind, Tfrm05_ResultBase& result, const QString& name)
    {
        test.WordListIndex = 1;
        WhileRunning(test, smWordList, kind, [&] {
            QTest::mouseClick(test.btnTestStart, Qt::LeftButton);
            for (int q = 0; q < 4; ++q) {
                if (q == 2)
                    continue;
                const TQuestionItem2* item = test.Questions->Item(q);
                const auto right = std::find(item->Options.begin(), item->Options.end(), item->ItemId)
                                 - item->Options.begin();
                const int choice = static_cast<int>(right + (q == 0 ? 0 : 1)) % 4;
                QTest::mouseClick(test.ChoiceButtons[q][choice], Qt::LeftButton, {}, QPoint(6, 10));
            }
            test.Seconds = 83;
            test.ctlTimeTimer();
            guitest::SaveScreenshot(test, name + "_running.png");
            TScript review;
            review.When([&] { return Showing(&result); }, [&] {
                QTest::mouseClick(result.RowCheckBoxes[1], Qt::LeftButton, {}, QPoint(5, 5));
                guitest::SaveScreenshot(result, name + "_result.png");
                result.close();
            });
            QTest::mouseClick(test.btnTestFinished, Qt::LeftButton);
        });
    }

    guitest::TProgramFolder Folder{cAppDir / "data", cAppDir / "Pic"};
    Tfrm03_ResultChinese ResultChinese;
    Tfrm03_ResultEnglish ResultEnglish;
};

TEST_F(TestRunScreenshots, TestCentre)
{
    Tfrm01_WordTest centre;
    centre.show();
    guitest::SaveScreenshot(centre, "testcentre.png");
    QTest::mouseClick(centre.btnMode[1], Qt::LeftButton);
    centre.btnType1MouseMove(2);
    guitest::SaveScreenshot(centre, "testcentre_wordlist.png");
}

TEST_F(TestRunScreenshots, ChoiceTestsAndTheirReviews)
{
    Tfrm02_Type1 type1;
    TakeTest(type1, 1, ResultChinese, "type1");
    Tfrm02_Type2 type2;
    TakeTest(type2, 2, ResultEnglish, "type2");
}

}  // namespace
