#pragma once
// What the spelling and the sentence test share: one question a page, an answer typed and
// judged with Enter, a second Enter moving on, helpers that show the meaning, the phonetic
// transcription and the first letter, and a right or wrong mark after every answer.
#include "engine/u06_TestBase.h"

class QFrame;
class TSkinCheckBox;
class TUnicodeLabel;

class Tfrm02_TypedTest : public Tfrm06_TestBase
{
    Q_OBJECT
public:
    explicit Tfrm02_TypedTest(QWidget* owner = nullptr);
    ~Tfrm02_TypedTest() override;

    void ShowPage(int n) override;

    // The key reaches the input only when this returns false.
    bool edtInputKeyDown(int key);
    void btnSoundClick();
    void chkViewClick();
    void chkShowOnErrorClick();
    void chkFirstClick();

    // False while a page is being filled.
    bool PageReady = false;
    // True from showing a page until its answer is judged; the input takes no key after that.
    bool AwaitingAnswer = false;

    TImagePanel* OleQuestion;
    TImageButton* btnSound;
    TAALabel* lblIdx;
    TAALabel* lblChinese;
    TUnicodeLabel* lblPhonetic;
    TSkinCheckBox* chkChinese;
    TSkinCheckBox* chkShowPhonetic;
    TSkinCheckBox* chkFirst;
    TSkinCheckBox* chkShowOnError;
    QLineEdit* edtInput;
    TAALabel* AALabel1;
    TAALabel* lblTrueAnswer;
    TImagePanel* imgOK;
    TImagePanel* ImgError;
    QFrame* Shape1;

protected:
    // Places a control given in window pixels on the question area.
    static QRect InArea(const QRect& windowRect);

    // The four boxes on one line from the left of the answer, in the order the learner uses them.
    void PlaceCheckBoxes(int top);
    // The pictures of a kind: its background, its marks (AnsOK<n>, AnsErr<n>) and its title.
    void LoadTypedSkin(const QString& background, int markNumber, int testType);
    void SetupPaging() override;
    void ResetTest() override;
    void FinishTest() override;

    // Fills what the kind shows of the question (and its answer text the first time).
    virtual void FillQuestion(TQuestionItem2& item) = 0;
    virtual void PlayQuestionSound(const TQuestionItem2& item) = 0;
    // Opens the kind's result window on the questions; returns when it has closed.
    virtual void ShowResultWindow() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateQuestionArea();
    void Judge();
    void SetInputColor(const QColor& color);
    TQuestionItem2* CurrentQuestion() const;
};

// The first character of the first accepted answer: what "首字母" puts into the input.
QString FirstLetterOf(const TQuestionItem2& item);
