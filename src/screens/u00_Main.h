#pragma once
// The main window: the background, the main menu that opens the other screens, the frame
// buttons, and clearing the learner's history.
#include <QWidget>
#include <functional>
#include <map>

class QAction;
class TImageButton;
class TImagePanel;
class TMenuPanel;

// What a menu command opens; each screen connects its own opener at start-up.
using TScreenOpener = std::function<void()>;

inline constexpr const char* cCmdTestCenter = "TestCenter";
inline constexpr const char* cCmdTestHistory = "TestHistory";
inline constexpr const char* cCmdNoteList = "NoteList";

class Tfrm00_Main : public QWidget
{
    Q_OBJECT
public:
    explicit Tfrm00_Main(QWidget* parent = nullptr);
    ~Tfrm00_Main() override;

    void InitMainWindow();
    void LoadSkin();
    void ApplyTitle();
    void ComposeButtonImages();

    // `command` is one of "TestCenter", "TestHistory", "NoteList".
    void SetScreenOpener(const QString& command, TScreenOpener opener);

    void ctlFlashFSCommand(const QString& command, const QString& args);
    void suiImageButton1Click();
    void suiImageButton2Click();
    void suiImageButton3Click();
    void btnDelHistoryClick();
    void btnExitClick();
    void btnMinClick();
    void btnHomeClick();
    void actHelpExecute();

    TImagePanel* imgBg;
    TMenuPanel* ctlFlash;
    TImageButton* btnHome;
    TImageButton* btnHelp;
    TImageButton* btnExit;
    TImageButton* btnDelHistory;
    TImageButton* btnMin;
    TImageButton* btnClose;
    TImageButton* suiImageButton1;
    TImageButton* suiImageButton2;
    TImageButton* suiImageButton3;
    QAction* actHelp;

protected:
    // The close query: asks before the program ends, unless the exit was confirmed already.
    void closeEvent(QCloseEvent* event) override;

private:
    void OpenScreen(const QString& command);
    void UpdateDelHistoryButton();
    void LoadMenuPictures();

    std::map<QString, TScreenOpener> FOpeners;
};

extern Tfrm00_Main* frm00_Main;

// Whether the main menu can be created; when it cannot, says so in a plain message box.
bool CheckFlashPlayer();
