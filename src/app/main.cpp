// The program's entry: the start sequence up to the message loop.
#include <QApplication>
#include <QMessageBox>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"
#include "platform/QtLauncher.h"
#include "platform/StartProbe.h"
#include "results/u03_ResultChinese.h"
#include "results/u03_ResultEnglish.h"
#include "screens/u00_Main.h"
#include "screens/u01_WordTest.h"
#include "screens/u04_NoteBookList.h"
#include "screens/u04_TestHistory.h"
#include "screens/u09_Object.h"
#include "widgets/HintWindow.h"

namespace {

constexpr int cStartHintHidePause = 25000;

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!CheckFlashPlayer())
        return 0;
    CheckSingleInstance(cInstanceLockName);

    TQtLauncher launcher;
    SetLauncher(&launcher);
    InitEnvironment(QCoreApplication::applicationDirPath().toStdString());
    InitConstants();
    THintWindow::Install()->SetHidePause(cStartHintHidePause);
    QCoreApplication::setApplicationName(QString::fromUtf8(cAppTitle));

    CreateStores();
    LoadStores();

    Tfrm00_Main mainWindow;
    Tfrm09_Object skinService;
    Tfrm04_TestHistory historyViewer;
    Tfrm04_NoteBookList noteBookManager;
    Tfrm03_ResultChinese resultChinese;
    frm03_ResultChinese = &resultChinese;
    Tfrm03_ResultEnglish resultEnglish;
    frm03_ResultEnglish = &resultEnglish;
    mainWindow.InitMainWindow();
    Tfrm01_WordTest testCentre;
    frm01_WordTest = &testCentre;
    mainWindow.SetScreenOpener(cCmdTestCenter, [] { frm01_WordTest->ShowModal(); });
    mainWindow.SetScreenOpener(cCmdTestHistory, [&historyViewer] { historyViewer.ShowHistory(); });
    mainWindow.SetScreenOpener(cCmdNoteList, [&noteBookManager] { noteBookManager.ShowNoteBooks(); });

    mainWindow.show();
    QuitWhenShownIfAsked();
    const int exitCode = app.exec();
    SetLauncher(nullptr);
    return exitCode;
}
