#pragma once
// The window every test kind runs in: scope inputs, start, paging, clock, sounds and the
// hand-in. A test kind fills one page and hands the finished list to its result window.
//
// A concrete window builds its own controls in its constructor and calls FormCreate()
// last, so that the overridden LoadSkin and the other steps run on a complete window.
#include <QString>
#include <QWidget>
#include <memory>

#include "engine/u08_BussObj_Questions.h"
#include "screens/ModalRun.h"

class QAction;
class QLineEdit;
class QTimer;
class IMediaPlayer;
class TAALabel;
class TImageButton;
class TImagePanel;
class TSentenceItem;
class TWordListItem;

// The notice shown when starting or handing in a test fails.
inline constexpr const char* cTestErrorText = "程序出现非正常错误，请重新启动本软件，并请通知澜橙科技.";
// The question after the last page.
inline constexpr const char* cHandInQuestion = "题目已做完，现在交卷吗？";

class Tfrm06_TestBase : public QWidget
{
    Q_OBJECT
public:
    explicit Tfrm06_TestBase(QWidget* owner = nullptr);
    ~Tfrm06_TestBase() override;

    // The caller sets QuestionCount, WordListIndex or NoteBookIndex by scope first.
    // Shows the window modally; returns when the learner leaves it.
    void RunTest(int scope, int testType);

    // "0 0  :  0 0" for zero: every minute digit followed by a blank, then the seconds.
    static QString FormatTime(int seconds);
    QString DescribeTest() const;
    void SetCaptionText(const QString& text);

    void PlayWordSound(const TQuestionItem2& question);
    void PlaySentenceSound(const TSentenceItem& sentence);
    void PlayRightSound();
    void PlayWrongSound();
    void StopSound();
    void CloseSound();
    bool ConfirmHandIn();
    void UpdateOrderButton();

    // Scope inputs and run state.
    std::int32_t QuestionCount = 0;
    std::int32_t QuestionsPerPage = 0;
    std::int32_t CurrentPage = 0;
    std::int32_t PageCount = 0;
    TWordListItem* WordListItem = nullptr;
    std::int32_t WordListIndex = 0;
    std::int32_t NoteBookIndex = 0;
    // The run's questions: made by RunTest and owned by the window; a result window
    // borrows the test window's list instead.
    TQuestionList2* Questions = nullptr;
    std::int32_t Seconds = 0;
    bool RandomOrder = false;
    bool FormActive = false;
    std::int32_t GroupCount = 0;

    // Components.
    TImagePanel* imgBg;
    TAALabel* lblCaption;
    TImagePanel* imgTypeCaption;
    TAALabel* labTime;
    TImageButton* btnTestStart;
    TImageButton* btnTestFinished;
    TImageButton* btnPrevPage;
    TImageButton* btnNextPage;
    TImageButton* btnUnOrder;
    TImagePanel* OleWordList;
    TAALabel* AALabel3;
    QLineEdit* edtWordListIdx1;
    TImagePanel* OleGrpIdx;
    TAALabel* labGroupCap;
    QLineEdit* edtGrpIdx1;
    TImagePanel* OleGrpCount;
    TAALabel* labGrpCap1;
    TAALabel* labGrpCount;
    TImagePanel* OleItemCount;
    TAALabel* labSubCap;
    TAALabel* labSubjectCount;
    QLineEdit* edtWordListIdx;
    QLineEdit* edtGrpIdx;
    QTimer* ctlTime;
    std::unique_ptr<IMediaPlayer> ctlAudioPlay;
    TImageButton* btnHelp;
    TImageButton* btnExit;
    TImageButton* btnMin;
    TImageButton* btnClose;
    QAction* actHelp;

    // Handlers, public so that screens and tests drive the window as the learner does.
    void btnTestStartClick();
    void btnTestFinishedClick();
    void btnUnOrderClick();
    void ctlTimeTimer();
    void edtWordListIdxChange();
    void edtGrpIdxChange();

    virtual void NextPage();
    virtual void PrevPage();
    virtual void ShowPage(int n);

protected:
    // Runs LoadSkin and ApplyTitle; a concrete window calls it last in its constructor.
    virtual void FormCreate();

    virtual void ComposeButtonImages();
    virtual void LoadSkin();
    virtual void ApplyTitle();
    virtual void PrepareScope();
    virtual void SetupPaging();
    virtual void StartTest();
    virtual void FinishTest();
    virtual void ResetTest();
    virtual void BuildQuestions();
    // The help page of the window ("frmTestType1.htm").
    virtual QString HelpPage() const = 0;

    // Shows the window modally until it is closed; hiding it does not end the wait.
    void ShowModal();
    // Shows the window again after a result window, unless the program is ending.
    void ReturnFromResult();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateComponents();
    void CreateScopePanels();
    void CreateFrameButtons();
    void ConnectHandlers();
    void RunGuarded(void (Tfrm06_TestBase::*step)());
    void FocusFirstChoice();
    void PlayFile(const std::string& fileName);
    void PlayAnswerSound(const char* fileName);
    void FillEmptyEntryWithOne(QLineEdit* entry);
    int ScopeValue() const;

    TModalRun FModal;
    std::unique_ptr<TQuestionList2> FOwnQuestions;
};

// The group count of n items: groups of gGroupSize, the last one holding the remainder.
std::int32_t GroupCountOf(std::int64_t itemCount);
