#pragma once
// The notebook manager: seven buttons select a word notebook, whose words are listed eight
// at a time with the scroll track on the right; the start button runs a test of a chosen
// kind on the selected notebook.
#include <array>

#include "screens/u04_ListScreen.h"

class TAALabel;
class TNoteBook2;
class TUnicodeLabel;
class TWordItem;
class Tfrm05_SelType;

inline constexpr int cNoteBookRowCount = 8;

class Tfrm04_NoteBookList : public TListScreen
{
    Q_OBJECT
public:
    explicit Tfrm04_NoteBookList(QWidget* parent = nullptr);
    ~Tfrm04_NoteBookList() override;

    // Opens the window on the untested notebook; returns when the window closes.
    void ShowNoteBooks();

    virtual void LoadSkin();
    virtual void CreateRowLabels();

    void ShowRows(int first);
    void FillRow(int row, const TWordItem& word);
    // The chooser's notification: runs the chosen kind of test on the selected notebook.
    void StartNoteBookTest(Tfrm05_SelType* chooser);

    void FormCreate();
    void btnNote1Click(TImageButton* sender);
    void btnStartTestClick();

    TImageButton* btnNote1;
    TImageButton* btnNote2;
    TImageButton* btnNote3;
    TImageButton* btnNote4;
    TImageButton* btnTestErr;
    TImageButton* btnTestOk;
    TImageButton* btnUnTest;
    TImageButton* btnStartTest;
    TAALabel* lblNoteBookInfo;
    TAALabel* lblEnglishSample;
    TAALabel* lblChineseSample;
    TUnicodeLabel* lblPSample;

    // The tag of the selected notebook button, 1 to 7; 0 before the first selection.
    int SelectedNoteBook = 0;
    Tfrm05_SelType* TypeChooser;
    std::array<TAALabel*, cNoteBookRowCount> EnglishLabels{};
    std::array<TAALabel*, cNoteBookRowCount> ChineseLabels{};
    std::array<TUnicodeLabel*, cNoteBookRowCount> PhoneticLabels{};

protected:
    void ctlTrackChange() override;
    bool BallSetsPosition() const override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<TImageButton*, 7> NoteBookButtons() const;
    // The selected word notebook; nullptr when none is selected or the store lacks it.
    TNoteBook2* SelectedWordNoteBook() const;
};

extern Tfrm04_NoteBookList* frm04_NoteBookList;
