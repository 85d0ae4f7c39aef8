// One application object for every window test.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/u09_Declare.h"

// Under the leak checker: Qt Multimedia's sound server client context lives until the
// process ends and is never freed.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libpulse.so\n";
}

int main(int argc, char* argv[])
{
    // Window tests draw off screen unless told otherwise, also when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitConstants();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
