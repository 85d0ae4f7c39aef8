#pragma once
// A fixture book for the test windows, and a script of steps that runs while a window is
// shown modally (the step waits until its window is there, acts, and the next one waits).
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <set>

#include "GuiTestSupport.h"
#include "engine/u06_TestBase.h"
#include "results/u03_ResultChinese.h"
#include "results/u03_ResultEnglish.h"

namespace testrun {

namespace fs = std::filesystem;

// 50 words "w1" … "w50" (meaning "释义w<n>"); Word Lists 1-45 (two groups), 46-50, 5-8 (four
// words) and 10-18 (nine words); sentences for words 5, 6, 7, 8 and 5 again.
inline void WriteFixtureBook(const fs::path& folder)
{
    fs::create_directories(folder);
    TWordPackage words;
    testbook::AddWords(words, 50);
    ASSERT_TRUE(words.SaveToFile((folder / "word.dat").string()));
    TWordList lists;
    for (const auto& [first, last] : {std::pair{1, 45}, {46, 50}, {5, 8}, {10, 18}})
        testbook::AddWordList(lists, first, last);
    ASSERT_TRUE(lists.SaveToFile((folder / "word.lst").string()));
    TSentenceList sentences;
    testbook::AddSentences(sentences, {5, 6, 7, 8, 5});
    ASSERT_TRUE(sentences.SaveToFile((folder / "sens.dat").string()));
}

// The pictures of the built program folder, when they are there.
inline fs::path BuiltPictures()
{
    return fs::path(VELLORA_APP_DIR) / "Pic";
}

// A program folder on the fixture book with the two shared result windows.
class TTestRunFolder {
public:
    TTestRunFolder()
    {
        WriteFixtureBook(Book.Path);
        Folder = std::make_unique<guitest::TProgramFolder>(Book.Path, BuiltPictures());
        ResultChinese = std::make_unique<Tfrm03_ResultChinese>();
        ResultEnglish = std::make_unique<Tfrm03_ResultEnglish>();
        frm03_ResultChinese = ResultChinese.get();
        frm03_ResultEnglish = ResultEnglish.get();
    }
    ~TTestRunFolder()
    {
        frm03_ResultChinese = nullptr;
        frm03_ResultEnglish = nullptr;
        gExitConfirmed = false;
    }

    testbook::TTempFolder Book;
    std::unique_ptr<guitest::TProgramFolder> Folder;
    std::unique_ptr<Tfrm03_ResultChinese> ResultChinese;
    std::unique_ptr<Tfrm03_ResultEnglish> ResultEnglish;
};

// Steps run one after another from the event loop; a step that opens a modal window runs
// the following steps inside it.
class TScript {
public:
    using TCondition = std::function<bool()>;
    using TAction = std::function<void()>;

    TScript()
    {
        FTimer.setInterval(5);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Tick(); });
    }

    TScript& When(TCondition ready, TAction action)
    {
        FSteps.push_back({std::move(ready), std::move(action)});
        FTimer.start();
        return *this;
    }
    TScript& Then(TAction action)
    {
        return When([] { return true; }, std::move(action));
    }
    bool Done() const { return FSteps.empty(); }

private:
    void Tick()
    {
        if (FSteps.empty()) {
            FTimer.stop();
            return;
        }
        if (!FSteps.front().first())
            return;
        // Run apart from this timer: a timer is not fired again while its own slot runs,
        // and an action may open a modal window in which the next steps must run.
        QTimer::singleShot(0, std::move(FSteps.front().second));
        FSteps.pop_front();
    }

    std::deque<std::pair<TCondition, TAction>> FSteps;
    QTimer FTimer;
};

inline bool Showing(const QWidget* window)
{
    return window && window->isVisible();
}

// Runs `body` while the test window runs its test, then leaves the window.
inline void WhileRunning(Tfrm06_TestBase& window, int scope, int testType, const std::function<void()>& body)
{
    TScript script;
    script.When([&] { return window.isVisible(); }, [&] {
        body();
        window.close();
    });
    window.RunTest(scope, testType);
}

// The controls that Tab gives the focus to, walking the window's whole focus chain.
inline std::set<QWidget*> TabWalk(QWidget* window, int presses = 80)
{
    std::set<QWidget*> reached;
    for (int i = 0; i < presses; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused && focused->window() == window ? focused : window, Qt::Key_Tab);
        if (QWidget* now = QApplication::focusWidget())
            reached.insert(now);
    }
    return reached;
}

// An ended program's request to quit would end every later event loop of the test binary.
inline void ForgetQuitRequest()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

}  // namespace testrun
