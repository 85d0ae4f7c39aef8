// The main menu opens the test centre, and the test centre starts a test of every kind.
#include <QTest>
#include <gtest/gtest.h>

#include <typeinfo>

#include "TestRunSupport.h"
#include "engine/u02_Type1.h"
#include "engine/u02_Type2.h"
#include "engine/u02_Type3.h"
#include "engine/u02_Type4.h"
#include "engine/u02_Type5.h"
#include "screens/u00_Main.h"
#include "screens/u01_WordTest.h"
#include "widgets/ImageButton.h"

using namespace testrun;

namespace {

Tfrm06_TestBase* VisibleTestWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* test = dynamic_cast<Tfrm06_TestBase*>(window);
            test && test->isVisible() && !dynamic_cast<Tfrm05_ResultBase*>(window))
            return test;
    return nullptr;
}

TEST(KindsFromMenu, TheTestCentreStartsEveryKindFromTheMainMenu)
{
    TTestRunFolder run;
    Tfrm01_WordTest centre;
    frm01_WordTest = &centre;
    Tfrm00_Main main;
    main.SetScreenOpener(cCmdTestCenter, [] { frm01_WordTest->ShowModal(); });
    main.InitMainWindow();
    main.show();

    const std::type_info* windowOfKind[] = {&typeid(Tfrm02_Type1), &typeid(Tfrm02_Type2), &typeid(Tfrm02_Type3),
                                            &typeid(Tfrm02_Type4), &typeid(Tfrm02_Type5)};
    std::vector<int> started;
    TScript script;
    for (int kind = 1; kind <= 5; ++kind) {
        script.When([&] { return Showing(&centre); }, [&centre, kind] {
            QTest::mouseClick(centre.btnType[kind - 1], Qt::LeftButton);
            QTest::mouseClick(centre.btnEnter, Qt::LeftButton);
        });
        script.When([] { return VisibleTestWindow() != nullptr; }, [&, kind] {
            Tfrm06_TestBase* test = VisibleTestWindow();
            EXPECT_EQ(typeid(*test), *windowOfKind[kind - 1]) << "kind " << kind;
            test->btnTestStartClick();
            EXPECT_EQ(test->Questions->TestType, kind);
            EXPECT_GT(test->Questions->Count(), 0) << "kind " << kind;
            EXPECT_EQ(test->Questions->IsSentence, kind == 5);
            EXPECT_TRUE(Tfrm09_Object::AnsweredBoxes().isEmpty()) << "kind " << kind;
            started.push_back(kind);
            QTest::mouseClick(test->btnExit, Qt::LeftButton);
        });
    }
    script.When([&] { return Showing(&centre); }, [&] { QTest::mouseClick(centre.btnExit, Qt::LeftButton); });
    main.ctlFlashFSCommand("FSCommand", cCmdTestCenter);

    EXPECT_TRUE(script.Done());
    EXPECT_EQ(started, (std::vector<int>{1, 2, 3, 4, 5}));
    frm01_WordTest = nullptr;
}

}  // namespace
