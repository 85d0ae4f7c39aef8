// Takes the first word of a spelling test on the program folder given as the argument, with
// the real sound player. Says "page ready: yes" once the page waits for an answer, and stays
// on it until its input closes, so the sound can be heard however slowly it starts.
// Exits 0 when the page was ready for an answer.
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"
#include "engine/u02_Type4.h"
#include "results/u03_ResultEnglish.h"
#include "screens/u09_Object.h"

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
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        char ignored[64];
        if (read(STDIN_FILENO, ignored, sizeof ignored) <= 0) {
            input.setEnabled(false);
            window.close();
        }
    });
    QTimer::singleShot(0, &window, [&] {
        window.btnTestStartClick();
        pageReady = window.PageReady && window.CurrentPage == 1;
        std::printf("page ready: %s\n", pageReady ? "yes" : "no");
        std::fflush(stdout);
    });
    window.WordListIndex = 1;
    window.RunTest(smWordList, 4);
    return pageReady ? 0 : 1;
}
