#include "engine/u06_TestKinds.h"

#include "engine/u02_Type1.h"
#include "engine/u02_Type2.h"
#include "engine/u02_Type3.h"
#include "engine/u02_Type4.h"
#include "engine/u02_Type5.h"

std::unique_ptr<Tfrm06_TestBase> CreateTestWindow(int testType, QWidget* owner)
{
    switch (testType) {
    case 1:
        return std::make_unique<Tfrm02_Type1>(owner);
    case 2:
        return std::make_unique<Tfrm02_Type2>(owner);
    case 3:
        return std::make_unique<Tfrm02_Type3>(owner);
    case 4:
        return std::make_unique<Tfrm02_Type4>(owner);
    case 5:
        return std::make_unique<Tfrm02_Type5>(owner);
    default:
        return nullptr;
    }
}
