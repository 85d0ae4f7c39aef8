// The program's entry: the start sequence up to the message loop.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"
#include "platform/QtLauncher.h"
#include "platform/StartProbe.h"
#include "screens/u00_Main.h"
#include "screens/u01_WordTest.h"
#include "screens/u04_NoteBookList.h"
#include "screens/u04_TestHistory.h"
#include "screens/PictureCache.h"
#include "screens/u09_Object.h"
#include "widgets/HintWindow.h"

namespace {

constexpr int cStartHintHidePause = 25000;

// The window in `window`, made the first time it is wanted.
template <class TWindow>
TWindow& MadeOnce(std::unique_ptr<TWindow>& window)
{
    if (!window)
        window = std::make_unique<TWindow>();
    return *window;
}

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

    TPictureCache pictureCache(PictureCacheFileFor(gAppPath));
    SetPictureCache(&pictureCache);

    CreateStores();
    LoadStores();

    Tfrm00_Main mainWindow;
    Tfrm09_Object skinService;
    mainWindow.InitMainWindow();
    // Most starts open few screens: each is made the first time it is opened, which keeps
    // their pictures and fonts out of the start.
    std::unique_ptr<Tfrm01_WordTest> testCentre;
    std::unique_ptr<Tfrm04_TestHistory> historyViewer;
    std::unique_ptr<Tfrm04_NoteBookList> noteBookManager;
    mainWindow.SetScreenOpener(cCmdTestCenter, [&testCentre] {
        frm01_WordTest = &MadeOnce(testCentre);
        frm01_WordTest->ShowModal();
    });
    mainWindow.SetScreenOpener(cCmdTestHistory, [&historyViewer] { MadeOnce(historyViewer).ShowHistory(); });
    mainWindow.SetScreenOpener(cCmdNoteList, [&noteBookManager] { MadeOnce(noteBookManager).ShowNoteBooks(); });

    mainWindow.show();
    // Only the start's pictures are kept: later screens decode theirs when they open.
    QTimer::singleShot(0, [&pictureCache] {
        SetPictureCache(nullptr);
        pictureCache.SaveIfChanged();
    });
    QuitWhenShownIfAsked();
    const int exitCode = app.exec();
    SetLauncher(nullptr);
    return exitCode;
}
