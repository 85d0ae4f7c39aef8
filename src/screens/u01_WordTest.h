#pragma once
// The test centre: the learner chooses the test kind, the scope (the whole book with a
// number of questions, a Word List, or a notebook) and starts the test. It hides itself
// while the test window runs and comes back with the same choices.
#include <QWidget>
#include <array>

#include "screens/ModalRun.h"

class QAction;
class QLineEdit;
class TAALabel;
class TImageButton;
class TImagePanel;
class TSkinRadioButton;

class Tfrm01_WordTest : public QWidget
{
    Q_OBJECT
public:
    static constexpr int cKindCount = 5;
    static constexpr int cScopeCount = 3;
    static constexpr int cCountChoices = 9;
    static constexpr int cNoteBookCount = 7;

    explicit Tfrm01_WordTest(QWidget* parent = nullptr);

    // Shown modally by the main window; returns when the learner leaves it.
    void ShowModal();

    int SelectedType = 1;
    int SelectedScope = 1;
    int SelectedWordList = 1;

    TImagePanel* imgBg;
    TImagePanel* imgTypeShow;
    TImagePanel* imgModeShow;
    std::array<TSkinRadioButton*, cKindCount> rdoType{};
    std::array<TImageButton*, cKindCount> btnType{};
    std::array<TSkinRadioButton*, cScopeCount> rdoMode{};
    std::array<TImageButton*, cScopeCount> btnMode{};
    TImagePanel* imgComboBox;
    TAALabel* labSelCount;
    TImagePanel* ctlComboDown;
    // "20" … "200", then "考察全书" (lblFullBook).
    std::array<TAALabel*, cCountChoices> CountLabels{};
    TAALabel* lblFullBook;
    TImagePanel* ctlWordListIdx;
    QLineEdit* edtWordListIdx;
    TImagePanel* OleNoteBookSel;
    TAALabel* labSelNote;
    TImagePanel* OleNoteBook;
    TAALabel* AALabel8;
    // "笔记本1" … "未考词汇本", tags 1 to 7.
    std::array<TAALabel*, cNoteBookCount> NoteBookLabels{};
    TImagePanel* OleGif;
    TImagePanel* ctlGif;
    TImageButton* btnEnter;
    TImageButton* btnHelp;
    TImageButton* btnExit;
    TImageButton* btnMin;
    TImageButton* btnClose;
    QAction* actHelp;

    void btnType1Click(TImageButton* button);
    void rdoType1Click(TSkinRadioButton* radio);
    void btnMode1Click(TImageButton* button);
    void rdoMode1Click(TSkinRadioButton* radio);
    void btnEnterClick();
    void imgComboBoxClick();
    void Label1Click(TAALabel* label);
    void Label1MouseMove(TAALabel* label);
    void OleNoteBookSelClick();
    void AALabel1Click(TAALabel* label);
    void AALabel1MouseMove(TAALabel* label);
    void edtWordListIdxChange();
    void edtWordListIdxExit();
    void btnType1MouseMove(int tag);
    void btnMode1MouseMove(int tag);
    void HideDropDowns();

protected:
    void LoadSkin();
    void ComposeButtonImages();
    void InitChoices();
    void ShowTypePicture();
    void ShowScopePicture();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateComponents();
    void CreateKindAndScopeControls();
    void CreateScopeBoxes();
    void CreateFrameButtons();
    void ConnectHandlers();
    void ShowHoverMark(const TSkinRadioButton* radio);
    bool NoteBookIsEmpty() const;

    TModalRun FModal;
};

// Made last at start-up; the main window's "TestCenter" command shows it.
extern Tfrm01_WordTest* frm01_WordTest;
