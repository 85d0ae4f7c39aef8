// Takes the first word of a spelling test on the program folder given as the argument, with
// the real sound player, and stays on the page long enough for its sound to be heard.
// Exits 0 when the page was ready for an answer.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"
#include "engine/u02_Type4.h"
#include "results/u03_ResultEnglish.h"
#include "screens/u09_Object.h"

namespace {

constexpr int cListenMilliseconds = 2500;

}

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    InitEnvironment(argv[1]);
    InitConstants();
    CreateStores();
    LoadStores();
    Tfrm09_Object skinService;
    Tfrm03_ResultEnglish resultEnglish;
    frm03_ResultEnglish = &resultEnglish;

    Tfrm02_Type4 window;
    bool pageReady = false;
    QTimer::singleShot(0, &window, [&] {
        window.btnTestStartClick();
        pageReady = window.PageReady && window.CurrentPage == 1;
        QTimer::singleShot(cListenMilliseconds, &window, &QWidget::close);
    });
    window.WordListIndex = 1;
    window.RunTest(smWordList, 4);
    std::printf("page ready: %s\n", pageReady ? "yes" : "no");
    return pageReady ? 0 : 1;
}
