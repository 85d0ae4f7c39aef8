#pragma once
// The result window: the score line, the time, and a paged review of every question, ten
// rows a page, coloured by right and wrong. Opening it records the test in the history;
// closing it brings the automatic notebooks up to date. Ticked questions can be put into
// a custom notebook while it is open.
#include <QColor>
#include <array>

#include "engine/u06_TestBase.h"

class TSkinCheckBox;
class Tfrm05_SelNoteBook;

class Tfrm05_ResultBase : public Tfrm06_TestBase
{
    Q_OBJECT
public:
    static constexpr int cRowCount = 10;

    explicit Tfrm05_ResultBase(QWidget* owner = nullptr);
    ~Tfrm05_ResultBase() override;

    // The opener sets ScopeText and Questions first (the list stays the opener's).
    // Returns when the window has closed, by the learner or by the end of the program.
    void ShowResult();

    std::int32_t RowTop = 194;
    std::int32_t QuestionLeft = 0;
    std::int32_t CheckBoxLeft = 46;
    std::int32_t RowHeight = 33;
    std::int32_t AnswerLeft = 0;
    std::int32_t YourAnswerLeft = 0;
    std::int32_t QuestionWidth = 0;
    std::int32_t AnswerWidth = 0;
    std::int32_t YourAnswerWidth = 0;
    bool QuestionBold = false;
    bool AnswerBold = false;
    std::int32_t QuestionFontSize = 0;
    std::int32_t AnswerFontSize = 0;
    QString AnswerFontName;
    QString QuestionFontName;
    QColor WrongColor;
    QColor RightColor;
    QString ScopeText;
    std::array<TSkinCheckBox*, cRowCount> RowCheckBoxes{};
    std::array<TAALabel*, cRowCount> QuestionLabels{};
    std::array<TAALabel*, cRowCount> AnswerLabels{};
    std::array<TAALabel*, cRowCount> YourAnswerLabels{};
    bool ReviewReady = false;
    Tfrm05_SelNoteBook* NoteBookChooser = nullptr;
    TAALabel* lblResultCaption;
    TImagePanel* imgTypeCap;
    TAALabel* lblTestInfo;
    TAALabel* AALabel1;
    TAALabel* lblQuestion;
    TAALabel* lblAnswerReal;
    TAALabel* lblYourAnswer;
    TSkinCheckBox* chkShowError;
    TImageButton* btnAddToNote;
    TImageButton* btnSelAll;
    TImageButton* btnClear;
    TImageButton* btnUnSel;

    void ShowPage(int n) override;

    void suiCheckBox1Click(TSkinCheckBox* box);
    void Label3DblClick(TAALabel* label);
    void btnSelAllClick();
    void btnUnSelClick();
    void btnClearClick();
    void btnAddToNoteClick();
    void chkShowErrorClick();
    void NoteBookChosen(Tfrm05_SelNoteBook* chooser);

protected:
    void FormCreate() override;
    void LoadSkin() override;
    void PrepareScope() override;
    void SetupPaging() override;
    QString HelpPage() const override { return "frmTestResult.htm"; }

    // The language of the columns: fonts, positions and the background picture.
    virtual void SetupColumns();
    virtual void ApplyAlignment();
    virtual void CreateRows();
    virtual void ShowWordRow(TQuestionItem2* question, int row);
    virtual void ShowSentenceRow(TQuestionItem2* question, int row);

    // The display's logical pixels per inch, from which the font sizes are defined.
    int Ppi() const;

    void closeEvent(QCloseEvent* event) override;

private:
    void CreateResultComponents();
    void ShowScoreLine();
    void ShowRowControls(int row, bool visible);
    void PlaceRowLabel(TAALabel* label, int row) const;
    void ColourRow(int row, const TQuestionItem2& question);
    void SyncCheckBoxes();
    void UpdateButtons();
    void SetAllSelected(bool (*rule)(bool selected));
    TQuestionItem2* RowQuestion(int row) const;
};
