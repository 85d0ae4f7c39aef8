#pragma once
// The skin and dialog service every screen uses: the question and notice boxes, the exit
// confirmation, pictures from the picture folder, the crops that make labels and panels look
// transparent, the composing of button pictures, the skin themes and the home page.
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include "platform/NoticeSink.h"
#include "widgets/SkinMessageBox.h"
#include "widgets/SkinTheme.h"

class TAALabel;
class TImageButton;
class TImagePanel;

inline constexpr int cScreenWidth = 800;
inline constexpr int cScreenHeight = 600;

// The maker's home page.
inline constexpr const char* cHomePageAddress = "https://corvane.example/vellora/";

class Tfrm09_Object : public QWidget
{
    Q_OBJECT
public:
    explicit Tfrm09_Object(QWidget* parent = nullptr);
    ~Tfrm09_Object() override;

    // The question box: true exactly when the learner answered "确定".
    bool Ask(const QString& title, const QString& text);
    // The notice box with one "确定".
    void Inform(const QString& title, const QString& text);
    // Asks whether to quit; on "确定" sets gExitConfirmed and ends the program.
    void ConfirmExit();
    void OpenHomePage();

    // Pic/<folder>/<name><ext>, letter case folded; an opaque picture, or an empty one
    // (0 by 0) when there is no such file.
    QImage LoadPicture(const QString& folder, const QString& name, const QString& ext);
    // The state pictures from nor/, on/, down/ and dis/ for the states asked for; the other
    // states keep theirs. The button then sizes itself to its picture.
    void LoadButtonImages(const QString& name, TImageButton* button, bool withNormal,
                          bool withMouseOver, bool withPressed, bool withDisabled, const QString& ext);
    static QImage CropPicture(const QImage& source, int left, int top, int width, int height);
    // The part of the panel's picture under the child; empty when the panel has none.
    static QImage PictureUnder(const TImagePanel* panel, const QWidget* child);
    // The label (a child of the panel) gets the panel's picture under it as its background.
    void SetLabelBackground(TImagePanel* panel, TAALabel* label);
    void SetPanelBackground(TImagePanel* panel, TImagePanel* childPanel);
    // Draws the PNG over the background at (left, top) and writes that rectangle as a BMP;
    // writes nothing when either source is missing.
    void ComposeButtonBitmap(const QString& pngFile, const QString& backgroundFile,
                             const QString& outFile, int left, int top);

    // The skins: of the message box, of the test centre's controls, and the built-in one of
    // the test and result windows.
    TSkinTheme ctlThemeMsg;
    TSkinTheme ctlThemeTestCenter;
    TSkinTheme suiFileTheme1;

    // The question and notice box (ctlDlg), made at its first use.
    TSkinMessageBox* Dialog();
    // Sets up the box as Ask or Inform would, without showing it.
    void PrepareAsk(const QString& title, const QString& text);
    void PrepareInform(const QString& title, const QString& text);

    // For tests: the next Ask or Inform ends with this result (1 "确定", 2 "取消", 0 closed)
    // without showing the box, and is recorded.
    struct TAnsweredBox {
        QString Caption;
        QString Text;
        TMsgIcon Icon;
        int ButtonCount;
        int Result;
    };
    static void QueueAnswer(int result);
    static QList<TAnsweredBox> AnsweredBoxes();
    static void ClearAnswers();

private:
    class TNoticeAdapter : public INoticeSink
    {
    public:
        explicit TNoticeAdapter(Tfrm09_Object& owner) : FOwner(owner) {}
        void Inform(const std::string& title, const std::string& text) override;

    private:
        Tfrm09_Object& FOwner;
    };

    void PrepareBox(const QString& title, const QString& text, int buttonCount, TMsgIcon icon);
    int ShowBox();
    void LoadThemes();

    TNoticeAdapter FNoticeAdapter{*this};
    TSkinMessageBox* ctlDlg = nullptr;
};

extern Tfrm09_Object* frm09_Object;

// What every screen's minimise button does: minimises all the program's windows.
void MinimizeApplication();
// What every screen's help button and F1 do: opens the page ("frmMain.htm") in the help window.
void OpenHelpPage(const QString& page);
// A screen window as every full-window screen is: borderless, 800 by 600, centred on the screen.
void PrepareScreenWindow(QWidget* window);
