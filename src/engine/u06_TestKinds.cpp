#include "engine/u06_TestKinds.h"

#include "engine/u02_Type1.h"
#include "engine/u02_Type2.h"

std::unique_ptr<Tfrm06_TestBase> CreateTestWindow(int testType, QWidget* owner)
{
    switch (testType) {
    case 1:
        return std::make_unique<Tfrm02_Type1>(owner);
    case 2:
        return std::make_unique<Tfrm02_Type2>(owner);
    default:
        return nullptr;
    }
}
