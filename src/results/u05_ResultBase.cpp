#include "results/u05_ResultBase.h"

#include <QCloseEvent>
#include <QFontMetrics>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "results/ResultBookkeeping.h"
#include "screens/KeyboardReach.h"
#include "screens/u05_SelNoteBook.h"
#include "screens/u09_Object.h"
#include "store/u09_BussObj_Sentence.h"
#include "store/u09_BussObj_Word.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinColor.h"
#include "widgets/SkinFont.h"

namespace {

constexpr int cReviewPerPage = Tfrm05_ResultBase::cRowCount;
// Where the text of a row stands, below the top of its check box.
constexpr int cRowBaseline = 14;
constexpr int cHeaderTop = 156;
const QString cUnanswered = "此题未做";

// The review fonts, named as the columns name them, in points; where a named family is
// absent a look-alike stands in (Arial's metrics, a Simplified Chinese face).
QFont ReviewFont(const QString& name, int points, bool bold)
{
    QFont font = SkinFont(name, 12, bold);
    if (name.compare("Arial", Qt::CaseInsensitive) == 0)
        font.setFamilies({"Arial", "Liberation Sans", cChineseFontFamily});
    else
        font.setFamilies({name, cChineseFontFamily});
    font.setPointSize(std::max(points, 1));
    return font;
}

}  // namespace

Tfrm05_ResultBase::Tfrm05_ResultBase(QWidget* owner) : Tfrm06_TestBase(owner)
{
    CreateResultComponents();
}

Tfrm05_ResultBase::~Tfrm05_ResultBase() = default;

void Tfrm05_ResultBase::CreateResultComponents()
{
    for (QWidget* testControl : std::initializer_list<QWidget*>{
             btnTestStart, btnTestFinished, OleWordList, OleGrpIdx, OleGrpCount, OleItemCount, btnUnOrder,
             lblCaption, imgTypeCaption})
        testControl->hide();

    lblResultCaption = new TAALabel("考试结果", imgBg);
    lblResultCaption->setFont(SkinFont("黑体", 26, true));
    lblResultCaption->SetAlignment(Qt::AlignHCenter);
    lblResultCaption->setGeometry(480, 16, 240, 36);

    imgTypeCap = new TImagePanel(imgBg);
    imgTypeCap->SetAutoSize(true);
    imgTypeCap->move(0, 0);

    lblTestInfo = new TAALabel(imgBg);
    lblTestInfo->setFont(SkinFont("宋体", 14, true));
    lblTestInfo->setGeometry(40, 92, 409, 22);
    AALabel1 = new TAALabel("考试时间", imgBg);
    AALabel1->setFont(SkinFont("宋体", 14, true));
    AALabel1->setGeometry(464, 92, 80, 22);
    lblTestInfo->SetCaption(AALabel1->Caption());
    labTime->move(546, 90);

    lblQuestion = new TAALabel("题   目", imgBg);
    lblAnswerReal = new TAALabel("正确答案", imgBg);
    lblYourAnswer = new TAALabel("您的答案", imgBg);
    for (TAALabel* header : {lblQuestion, lblAnswerReal, lblYourAnswer}) {
        header->setFont(SkinFont("宋体", 14, true));
        header->SetTransparent(false);
        header->SetAutoSize(true);
        header->move(0, cHeaderTop);
    }

    chkShowError = new TSkinCheckBox("只显示错误的题", imgBg);
    chkShowError->move(522, 120);
    chkShowError->adjustSize();

    btnAddToNote = NewReachableButton(imgBg, {679, 122}, "加入笔记本");
    btnAddToNote->setEnabled(false);
    btnSelAll = NewReachableButton(imgBg, {679, 230}, "全选");
    btnClear = NewReachableButton(imgBg, {679, 326}, "清除");
    btnUnSel = NewReachableButton(imgBg, {679, 420}, "反选");

    connect(btnSelAll, &QAbstractButton::clicked, this, &Tfrm05_ResultBase::btnSelAllClick);
    connect(btnUnSel, &QAbstractButton::clicked, this, &Tfrm05_ResultBase::btnUnSelClick);
    connect(btnClear, &QAbstractButton::clicked, this, &Tfrm05_ResultBase::btnClearClick);
    connect(btnAddToNote, &QAbstractButton::clicked, this, &Tfrm05_ResultBase::btnAddToNoteClick);
    connect(chkShowError, &QAbstractButton::toggled, this, &Tfrm05_ResultBase::chkShowErrorClick);
}

void Tfrm05_ResultBase::FormCreate()
{
    Tfrm06_TestBase::FormCreate();
    NoteBookChooser = new Tfrm05_SelNoteBook(this);
    NoteBookChooser->OnNoteBookChosen = [this](Tfrm05_SelNoteBook* chooser) { NoteBookChosen(chooser); };
    for (TImageButton* button : {NoteBookChooser->btnNote1, NoteBookChooser->btnNote2, NoteBookChooser->btnNote3,
                                 NoteBookChooser->btnNote4})
        MakeKeyboardReachable(button);
    SetupColumns();
    CreateRows();
    btnSelAll->move(btnSelAll->x(), btnSelAll->y() + cSelButtonShift);
    btnUnSel->move(btnUnSel->x(), btnUnSel->y() + cSelButtonShift);
}

void Tfrm05_ResultBase::LoadSkin()
{
    Tfrm06_TestBase::LoadSkin();
    frm09_Object->LoadButtonImages("savetonote", btnAddToNote, true, true, true, true, ".gif");
    frm09_Object->LoadButtonImages("resunselall", btnUnSel, true, true, true, true, ".gif");
    frm09_Object->LoadButtonImages("resselall", btnSelAll, true, true, true, true, ".gif");
    frm09_Object->LoadButtonImages("clean", btnClear, true, true, true, true, ".gif");
    frm09_Object->LoadButtonImages("btnhelp3", btnHelp, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnexit3", btnExit, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnMin3", btnMin, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnClose3", btnClose, true, true, true, false, ".bmp");
    for (TAALabel* header : {lblQuestion, lblAnswerReal, lblYourAnswer})
        header->SetBackColor(ToQColor(clHeaderBack));
    lblResultCaption->SetFontColor(ToQColor(clCaptionFont));
    chkShowError->SetTheme(frm09_Object->suiFileTheme1);
}

int Tfrm05_ResultBase::Ppi() const
{
    return std::max(logicalDpiY(), 1);
}

void Tfrm05_ResultBase::SetupColumns()
{
    RightColor = QColor(0, 0, 0);
    WrongColor = QColor(255, 0, 0);
}

void Tfrm05_ResultBase::CreateRows()
{
    RowTop = 194;
    RowHeight = 33;
    CheckBoxLeft = 46;
    const QFont questionFont = ReviewFont(QuestionFontName, QuestionFontSize, QuestionBold);
    const QFont answerFont = ReviewFont(AnswerFontName, AnswerFontSize, AnswerBold);
    const QColor back = ToQColor(clAnswerBack);
    auto newRowLabel = [&](int row, const QString& caption, int left, int width, const QFont& font) {
        auto* label = new TAALabel(caption, imgBg);
        label->setFont(font);
        label->setGeometry(left, 0, width, 0);
        PlaceRowLabel(label, row);
        label->SetTransparent(false);
        label->SetBackColor(back);
        label->SetTag(row);
        connect(label, &TAALabel::Clicked, this, [this, label] { Label3DblClick(label); });
        return label;
    };
    for (int row = 0; row < cRowCount; ++row) {
        auto* box = new TSkinCheckBox(imgBg);
        box->move(CheckBoxLeft, RowTop + row * RowHeight);
        box->SetTheme(frm09_Object->suiFileTheme1);
        box->SetBackColor(back);
        box->SetTag(row);
        box->adjustSize();
        connect(box, &QAbstractButton::toggled, this, [this, box] { suiCheckBox1Click(box); });
        RowCheckBoxes[row] = box;
        QuestionLabels[row] = newRowLabel(row, "问题", QuestionLeft, QuestionWidth, questionFont);
        QuestionLabels[row]->hide();
        AnswerLabels[row] = newRowLabel(row, "answer1", AnswerLeft, AnswerWidth, answerFont);
        YourAnswerLabels[row] = newRowLabel(row, "answer2", YourAnswerLeft, YourAnswerWidth, answerFont);
    }
}

void Tfrm05_ResultBase::PlaceRowLabel(TAALabel* label, int row) const
{
    // Columns of different faces share one baseline; the faces that stand in for the named
    // ones are taller than the rows' 17 pixels of old, so the height follows the face.
    const QFontMetrics metrics(label->font());
    const int top = RowTop + row * RowHeight + cRowBaseline - metrics.ascent();
    label->setGeometry(label->x(), top, label->width(), metrics.height() + 1);
}

void Tfrm05_ResultBase::ShowResult()
{
    ReviewReady = false;
    PrepareScope();
    ShowScoreLine();
    SetupPaging();
    SetupColumns();
    ApplyAlignment();
    ShowPage(1);
    ReviewReady = true;
    WriteHistoryRecord(*Questions, ScopeText.toStdString());
    UpdateButtons();
    ShowModal();
    UpdateAutoNoteBooks(*Questions);
}

void Tfrm05_ResultBase::PrepareScope()
{
    labTime->SetCaption(FormatTime(Questions->ElapsedSeconds));
    imgTypeCap->SetPicture(frm09_Object->LoadPicture("img", "type" + QString::number(Questions->TestType), ".gif"));
    const bool wasReady = ReviewReady;
    ReviewReady = false;
    chkShowError->setChecked(false);
    ReviewReady = wasReady;
}

void Tfrm05_ResultBase::ShowScoreLine()
{
    Questions->BuildFullView();
    const std::int32_t total = Questions->Count();
    if (total <= 0)
        return;
    const std::int32_t right = total - Questions->WrongCount - Questions->UnansweredCount;
    const std::int32_t wrong = Questions->WrongCount + Questions->UnansweredCount;
    lblTestInfo->SetCaption(QString("%1 共%2题 答对%3题 答错%4题 成绩%5")
                                .arg(ScopeText)
                                .arg(total)
                                .arg(right)
                                .arg(wrong)
                                .arg(right * 100 / total));
}

void Tfrm05_ResultBase::SetupPaging()
{
    QuestionCount = static_cast<std::int32_t>(Questions->View.size());
    QuestionsPerPage = cReviewPerPage;
    Tfrm06_TestBase::SetupPaging();
}

void Tfrm05_ResultBase::ApplyAlignment()
{
    for (int row = 0; row < cRowCount; ++row) {
        if (!Questions->AnswerIsEnglish)
            QuestionLabels[row]->SetAlignment(Qt::AlignHCenter);
        if (Questions->TestType == 5) {
            QuestionLabels[row]->setFont(ReviewFont("Arial", 10, true));
            PlaceRowLabel(QuestionLabels[row], row);
        }
        if (Questions->AnswerIsEnglish) {
            AnswerLabels[row]->SetAlignment(Qt::AlignHCenter);
            YourAnswerLabels[row]->SetAlignment(Qt::AlignHCenter);
        }
    }
}

void Tfrm05_ResultBase::ShowPage(int n)
{
    CurrentPage = n;
    if (n == 1)
        btnPrevPage->setEnabled(false);
    // An empty view has no page to go on to either.
    if (n >= PageCount)
        btnNextPage->setEnabled(false);
    if (n > 1)
        btnPrevPage->setEnabled(true);
    if (n < PageCount)
        btnNextPage->setEnabled(true);
    for (int row = 0; row < cRowCount; ++row) {
        TQuestionItem2* question = RowQuestion(row);
        if (Questions->TestType == 5)
            ShowSentenceRow(question, row);
        else
            ShowWordRow(question, row);
    }
    SyncCheckBoxes();
}

TQuestionItem2* Tfrm05_ResultBase::RowQuestion(int row) const
{
    return Questions->ViewItem((CurrentPage - 1) * cReviewPerPage + row);
}

void Tfrm05_ResultBase::ShowRowControls(int row, bool visible)
{
    RowCheckBoxes[row]->setVisible(visible);
    QuestionLabels[row]->setVisible(visible);
    AnswerLabels[row]->setVisible(visible);
    YourAnswerLabels[row]->setVisible(visible);
}

void Tfrm05_ResultBase::ShowWordRow(TQuestionItem2* question, int row)
{
    ShowRowControls(row, (CurrentPage - 1) * cReviewPerPage + row < QuestionCount);
    if (!question)
        return;
    const auto word = gWordPackage->GetWord(question->ItemId - 1);
    const auto chosen = gWordPackage->GetWord(question->ChosenId - 1);
    const bool unanswered = question->Status == qsUnanswered;
    TAALabel* questionLabel = QuestionLabels[row];
    TAALabel* answer = AnswerLabels[row];
    TAALabel* yourAnswer = YourAnswerLabels[row];
    if (Questions->AnswerIsEnglish) {
        const QString chinese = QString::fromStdString(word->GetChinese());
        questionLabel->SetCaption(chinese);
        questionLabel->SetHint(chinese);
        answer->SetCaption(QString::fromStdString(word->GetEnglishPart(0)));
        if (unanswered)
            yourAnswer->SetCaption(cUnanswered);
        else if (Questions->IsTyped)
            yourAnswer->SetCaption(QString::fromStdString(question->UserAnswer));
        else
            yourAnswer->SetCaption(QString::fromStdString(chosen->GetEnglishPart(0)));
    } else {
        questionLabel->SetCaption(QString::fromStdString(word->GetEnglish()));
        const QString meaning = QString::fromStdString(word->GetChinese());
        answer->SetCaption(meaning);
        answer->SetHint(meaning);
        if (unanswered) {
            yourAnswer->SetCaption(cUnanswered);
            yourAnswer->SetAlignment(Qt::AlignHCenter);
        } else {
            const QString chosenMeaning = QString::fromStdString(chosen->GetChinese());
            yourAnswer->SetCaption(chosenMeaning);
            yourAnswer->SetHint(chosenMeaning);
            yourAnswer->SetAlignment(Qt::AlignLeft);
        }
    }
    ColourRow(row, *question);
}

void Tfrm05_ResultBase::ShowSentenceRow(TQuestionItem2* question, int row)
{
    ShowRowControls(row, (CurrentPage - 1) * cReviewPerPage + row < QuestionCount);
    if (!question)
        return;
    TSentenceItem& sentence = gSentenceList->GetSentence(question->ItemId - 1);
    const QString blanked = QString::fromStdString(sentence.GetBlankedSentence());
    QuestionLabels[row]->SetHint(blanked + "\r\r" + QString::fromStdString(sentence.GetChineseSentence()));
    QuestionLabels[row]->SetCaption(blanked);
    AnswerLabels[row]->SetCaption(QString::fromStdString(sentence.GetTargetPart(0)));
    YourAnswerLabels[row]->SetCaption(question->Status == qsUnanswered
                                          ? cUnanswered
                                          : QString::fromStdString(question->UserAnswer));
    ColourRow(row, *question);
}

void Tfrm05_ResultBase::ColourRow(int row, const TQuestionItem2& question)
{
    // A right answer shows as given, so a typed one keeps the learner's spelling.
    if (question.Status == qsCorrect)
        AnswerLabels[row]->SetCaption(YourAnswerLabels[row]->Caption());
    const QColor colour = question.Status == qsCorrect ? RightColor : WrongColor;
    for (TAALabel* label : {QuestionLabels[row], AnswerLabels[row], YourAnswerLabels[row]})
        label->SetFontColor(colour);
}

void Tfrm05_ResultBase::SyncCheckBoxes()
{
    const bool wasReady = ReviewReady;
    ReviewReady = false;
    for (int row = 0; row < cRowCount; ++row) {
        const TQuestionItem2* question = RowQuestion(row);
        RowCheckBoxes[row]->setChecked(question && question->Selected);
    }
    ReviewReady = wasReady;
}

void Tfrm05_ResultBase::suiCheckBox1Click(TSkinCheckBox* box)
{
    if (!FormActive)
        return;
    if (TQuestionItem2* question = RowQuestion(box->Tag()))
        question->Selected = box->isChecked();
    btnUnSel->setFocus();
    if (ReviewReady)
        UpdateButtons();
}

void Tfrm05_ResultBase::Label3DblClick(TAALabel* label)
{
    TSkinCheckBox* box = RowCheckBoxes[label->Tag()];
    box->setChecked(!box->isChecked());
}

void Tfrm05_ResultBase::SetAllSelected(bool (*rule)(bool selected))
{
    ReviewReady = false;
    for (std::size_t v = 0; v < Questions->View.size(); ++v)
        if (TQuestionItem2* question = Questions->ViewItem(static_cast<std::int32_t>(v)))
            question->Selected = rule(question->Selected);
    UpdateButtons();
    SyncCheckBoxes();
    ReviewReady = true;
}

void Tfrm05_ResultBase::btnSelAllClick()
{
    SetAllSelected([](bool) { return true; });
}

void Tfrm05_ResultBase::btnUnSelClick()
{
    SetAllSelected([](bool selected) { return !selected; });
}

void Tfrm05_ResultBase::btnClearClick()
{
    SetAllSelected([](bool) { return false; });
}

void Tfrm05_ResultBase::UpdateButtons()
{
    bool anySelected = false;
    bool anyUnselected = false;
    for (std::size_t v = 0; v < Questions->View.size(); ++v)
        if (const TQuestionItem2* question = Questions->ViewItem(static_cast<std::int32_t>(v)))
            (question->Selected ? anySelected : anyUnselected) = true;
    btnAddToNote->setEnabled(anySelected);
    btnClear->setEnabled(anySelected);
    btnSelAll->setEnabled(anyUnselected);
}

void Tfrm05_ResultBase::chkShowErrorClick()
{
    if (!ReviewReady)
        return;
    if (chkShowError->isChecked())
        Questions->BuildWrongView();
    else
        Questions->BuildFullView();
    SetupPaging();
    ShowPage(1);
}

void Tfrm05_ResultBase::btnAddToNoteClick()
{
    NoteBookChooser->Popup();
    NoteBookChooser->btnNote1->setFocus();
}

void Tfrm05_ResultBase::NoteBookChosen(Tfrm05_SelNoteBook* chooser)
{
    if (chooser->ChosenNoteBook <= 0)
        return;
    AddSelectedToNoteBook(*Questions, chooser->ChosenNoteBook - 1);
    SaveNoteBooks();
}

void Tfrm05_ResultBase::closeEvent(QCloseEvent* event)
{
    ReviewReady = false;
    NoteBookChooser->close();
    Tfrm06_TestBase::closeEvent(event);
}
