#pragma once
// The window of each test kind, for the screens that start tests (the test centre and the
// notebook manager).
#include <memory>

class QWidget;
class Tfrm06_TestBase;

// A new window of test kind 1 to 5, owned by `owner` for one run; nullptr for other kinds.
std::unique_ptr<Tfrm06_TestBase> CreateTestWindow(int testType, QWidget* owner);
