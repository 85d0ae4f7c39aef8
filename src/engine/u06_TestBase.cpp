#include "engine/u06_TestBase.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <exception>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "platform/MediaPlayer.h"
#include "screens/KeyboardReach.h"
#include "screens/u09_Object.h"
#include "store/u09_BussObj_Sentence.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinColor.h"
#include "widgets/SkinFont.h"

namespace {

constexpr int cClockInterval = 1000;

// Where the common controls sit on the 800 by 600 background.
const QRect cCaption(40, 82, 270, 26);
const QRect cTime(76, 533, 128, 28);
const QPoint cUnOrderAt(554, 36);
const QPoint cWordListAt(320, 81);
const QPoint cGroupAt(430, 81);
const QPoint cGroupCountAt(540, 81);
const QPoint cItemCountAt(650, 81);
const QPoint cTestStartAt(236, 529);
const QPoint cTestFinishedAt(352, 529);
const QPoint cPrevPageAt(522, 529);
const QPoint cNextPageAt(590, 529);
const QPoint cHelpAt(691, 548);
const QPoint cExitAt(739, 548);
const QPoint cMinAt(759, 3);
const QPoint cCloseAt(777, 3);
const QSize cScopePanelSize(100, 28);

// The entries take digits and Backspace from the keyboard; Tab still moves the focus.
class TDigitKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Backspace)
            return false;
        const QString text = key->text();
        return !(text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128);
    }
};

QLineEdit* NewDigitEntry(QWidget* parent)
{
    auto* entry = new QLineEdit(parent);
    entry->setAlignment(Qt::AlignCenter);
    entry->setFrame(false);
    // Pasted text is held to digits too.
    entry->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,6}"), entry));
    entry->installEventFilter(new TDigitKeys(entry));
    entry->setFont(SkinFont("Arial", 16, true));
    entry->setStyleSheet("QLineEdit { background: transparent; color: #00520A; }"
                         "QLineEdit:disabled { color: #6b7f66; }");
    return entry;
}

TAALabel* NewLabel(const QString& caption, QWidget* parent, int pixelSize = 14)
{
    auto* label = new TAALabel(caption, parent);
    label->setFont(SkinFont("宋体", pixelSize));
    return label;
}

// The number in an entry; entries hold digits only, so a failed read is an empty entry.
qint64 EntryNumber(const QLineEdit* entry)
{
    return entry->text().toLongLong();
}

}  // namespace

std::int32_t GroupCountOf(std::int64_t itemCount)
{
    if (itemCount <= 0)
        return 0;
    return static_cast<std::int32_t>((itemCount + gGroupSize - 1) / gGroupSize);
}

Tfrm06_TestBase::Tfrm06_TestBase(QWidget* owner) : QWidget(owner)
{
    PrepareScreenWindow(this);
    CreateComponents();
    ConnectHandlers();
}

Tfrm06_TestBase::~Tfrm06_TestBase() = default;

void Tfrm06_TestBase::CreateComponents()
{
    imgBg = new TImagePanel(this);
    imgBg->setGeometry(0, 0, cScreenWidth, cScreenHeight);

    imgTypeCaption = new TImagePanel(imgBg);
    imgTypeCaption->SetAutoSize(true);

    lblCaption = NewLabel(QString(), imgBg, 18);
    lblCaption->setFont(SkinFont("黑体", 18, true));
    lblCaption->setGeometry(cCaption);

    labTime = NewLabel("0 0  :  0 0", imgBg, 18);
    labTime->setFont(SkinFont("Arial", 18, true));
    labTime->setGeometry(cTime);
    labTime->SetAlignment(Qt::AlignHCenter);

    btnTestStart = NewReachableButton(imgBg, cTestStartAt, "开始考试");
    btnTestFinished = NewReachableButton(imgBg, cTestFinishedAt, "交卷");
    btnTestFinished->setEnabled(false);
    btnPrevPage = NewReachableButton(imgBg, cPrevPageAt, "上一页");
    btnPrevPage->setEnabled(false);
    btnNextPage = NewReachableButton(imgBg, cNextPageAt, "下一页");
    btnNextPage->setEnabled(false);
    btnUnOrder = NewReachableButton(imgBg, cUnOrderAt, "题目顺序");

    CreateScopePanels();
    CreateFrameButtons();

    ctlTime = new QTimer(this);
    ctlTime->setInterval(cClockInterval);
    ctlAudioPlay = CreateMediaPlayer();
}

void Tfrm06_TestBase::CreateScopePanels()
{
    auto newPanel = [this](const QPoint& at) {
        auto* panel = new TImagePanel(imgBg);
        panel->setGeometry(QRect(at, cScopePanelSize));
        return panel;
    };
    auto fill = [](TAALabel* label, const QWidget* panel) {
        label->setGeometry(panel->rect());
        label->SetAlignment(Qt::AlignHCenter);
        label->move(0, 4);
    };
    auto newCount = [](QWidget* panel, const QRect& geometry) {
        TAALabel* count = NewLabel(QString(), panel, 16);
        count->setFont(SkinFont("Arial", 16, true));
        count->setGeometry(geometry);
        count->SetAlignment(Qt::AlignHCenter);
        return count;
    };

    OleWordList = newPanel(cWordListAt);
    AALabel3 = NewLabel("Word List", OleWordList);
    AALabel3->setFont(SkinFont("Arial", 12, true));
    AALabel3->setGeometry(5, 6, 64, 18);
    edtWordListIdx1 = NewDigitEntry(OleWordList);
    edtWordListIdx1->setGeometry(68, 3, 28, 22);

    OleGrpIdx = newPanel(cGroupAt);
    labGroupCap = NewLabel("第　 　组", OleGrpIdx, 16);
    fill(labGroupCap, OleGrpIdx);
    edtGrpIdx1 = NewDigitEntry(OleGrpIdx);
    edtGrpIdx1->setGeometry(34, 3, 32, 22);

    OleGrpCount = newPanel(cGroupCountAt);
    labGrpCap1 = NewLabel("共　 　组", OleGrpCount, 16);
    fill(labGrpCap1, OleGrpCount);
    labGrpCount = newCount(OleGrpCount, QRect(30, 4, 40, 20));

    OleItemCount = newPanel(cItemCountAt);
    labSubCap = NewLabel("共　 　题", OleItemCount, 16);
    fill(labSubCap, OleItemCount);
    labSubjectCount = newCount(OleItemCount, QRect(28, 4, 44, 20));

    for (TAALabel* caption : {labGroupCap, labGrpCap1, labSubCap, AALabel3, labGrpCount, labSubjectCount})
        caption->SetFontColor(ToQColor(clCaptionFont));

    // Twins kept from the form: never shown, they share the handlers of the entries.
    edtWordListIdx = NewDigitEntry(this);
    edtWordListIdx->hide();
    edtGrpIdx = NewDigitEntry(this);
    edtGrpIdx->hide();
}

void Tfrm06_TestBase::CreateFrameButtons()
{
    btnHelp = NewReachableButton(imgBg, cHelpAt, "帮助");
    btnExit = NewReachableButton(imgBg, cExitAt, "退出");
    btnMin = NewReachableButton(imgBg, cMinAt, "最小化");
    btnClose = NewReachableButton(imgBg, cCloseAt, "退出程序");
    actHelp = new QAction(this);
    actHelp->setShortcut(Qt::Key_F1);
    actHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(actHelp);
}

void Tfrm06_TestBase::ConnectHandlers()
{
    connect(btnTestStart, &QAbstractButton::clicked, this, &Tfrm06_TestBase::btnTestStartClick);
    connect(btnTestFinished, &QAbstractButton::clicked, this, &Tfrm06_TestBase::btnTestFinishedClick);
    connect(btnNextPage, &QAbstractButton::clicked, this, [this] { NextPage(); });
    connect(btnPrevPage, &QAbstractButton::clicked, this, [this] { PrevPage(); });
    connect(btnUnOrder, &QAbstractButton::clicked, this, &Tfrm06_TestBase::btnUnOrderClick);
    connect(ctlTime, &QTimer::timeout, this, &Tfrm06_TestBase::ctlTimeTimer);
    connect(btnExit, &QAbstractButton::clicked, this, &QWidget::close);
    connect(btnMin, &QAbstractButton::clicked, this, [] { MinimizeApplication(); });
    connect(btnClose, &QAbstractButton::clicked, this, [] { frm09_Object->ConfirmExit(); });
    connect(btnHelp, &QAbstractButton::clicked, actHelp, &QAction::trigger);
    connect(actHelp, &QAction::triggered, this, [this] { OpenHelpPage(HelpPage()); });

    for (QLineEdit* entry : {edtWordListIdx1, edtWordListIdx})
        connect(entry, &QLineEdit::textChanged, this, &Tfrm06_TestBase::edtWordListIdxChange);
    for (QLineEdit* entry : {edtGrpIdx1, edtGrpIdx})
        connect(entry, &QLineEdit::textChanged, this, &Tfrm06_TestBase::edtGrpIdxChange);
    for (QLineEdit* entry : {edtWordListIdx1, edtWordListIdx, edtGrpIdx})
        connect(entry, &QLineEdit::editingFinished, this, [this] { FillEmptyEntryWithOne(edtWordListIdx1); });
    connect(edtGrpIdx1, &QLineEdit::editingFinished, this, [this] { FillEmptyEntryWithOne(edtGrpIdx1); });
    // Entering an entry selects its text, so that typing replaces it.
    for (QLineEdit* entry : {edtWordListIdx1, edtGrpIdx1})
        entry->installEventFilter(this);
}

void Tfrm06_TestBase::FormCreate()
{
    LoadSkin();
    ApplyTitle();
}

void Tfrm06_TestBase::ComposeButtonImages() {}

void Tfrm06_TestBase::LoadSkin()
{
    if (gCreateMode)
        ComposeButtonImages();
    frm09_Object->LoadButtonImages("TestStart", btnTestStart, true, true, true, true, ".gif");
    frm09_Object->LoadButtonImages("TestFinished", btnTestFinished, true, true, true, true, ".gif");
    frm09_Object->LoadButtonImages("prevpage", btnPrevPage, true, true, true, true, ".bmp");
    frm09_Object->LoadButtonImages("nextPage", btnNextPage, true, true, true, true, ".bmp");
    frm09_Object->LoadButtonImages("testonorder", btnUnOrder, true, true, false, true, ".bmp");
    const QImage slot = frm09_Object->LoadPicture("nor", "groupldx", ".gif");
    for (TImagePanel* panel : {OleWordList, OleItemCount, OleGrpIdx, OleGrpCount})
        panel->SetPicture(slot);
    OleItemCount->SetAutoSize(true);
    OleGrpIdx->SetAutoSize(true);
    lblCaption->SetFontColor(ToQColor(clCaptionFont));
}

void Tfrm06_TestBase::ApplyTitle()
{
    setWindowTitle(QString::fromUtf8(cAppTitle));
}

void Tfrm06_TestBase::RunTest(int scope, int testType)
{
    FormActive = false;
    RandomOrder = false;
    FOwnQuestions = std::make_unique<TQuestionList2>();
    Questions = FOwnQuestions.get();
    Questions->SetScope(static_cast<std::uint8_t>(scope));
    Questions->SetTestType(testType);
    PrepareScope();
    ResetTest();
    UpdateOrderButton();
    FormActive = true;
    ShowModal();
}

void Tfrm06_TestBase::ShowModal()
{
    FModal.Exec(this);
}

void Tfrm06_TestBase::ReturnFromResult()
{
    if (gExitConfirmed) {
        close();
        return;
    }
    show();
    PrepareScope();
}

int Tfrm06_TestBase::ScopeValue() const
{
    return Questions ? Questions->Scope : 0;
}

void Tfrm06_TestBase::SetCaptionText(const QString& text)
{
    if (!text.isEmpty())
        lblCaption->SetCaption(text);
}

void Tfrm06_TestBase::PrepareScope()
{
    btnTestStart->setEnabled(true);
    btnTestFinished->setEnabled(false);
    labSubjectCount->SetCaption(QString());
    switch (ScopeValue()) {
    case smWholeBook:
        if (QuestionCount == 0)
            QuestionCount = 40;
        SetCaptionText("全书单词随机抽查");
        OleWordList->hide();
        OleGrpIdx->hide();
        OleGrpCount->hide();
        edtGrpIdx1->setEnabled(false);
        edtGrpIdx1->clear();
        RandomOrder = false;
        btnUnOrder->setEnabled(false);
        break;
    case smWordList:
        SetCaptionText("按Word List考察");
        OleWordList->show();
        OleGrpIdx->show();
        OleGrpCount->show();
        edtGrpIdx1->setEnabled(true);
        edtWordListIdx1->setEnabled(true);
        edtWordListIdx1->setText(QString::number(WordListIndex));
        FillEmptyEntryWithOne(edtGrpIdx1);
        edtWordListIdxChange();
        break;
    case smNoteBook: {
        const auto& books = Questions->IsSentence ? gSentenceNoteBooks : gWordNoteBooks;
        const TNoteBook2* book = books->GetNoteBook(NoteBookIndex);
        GroupCount = GroupCountOf(book ? book->Count() : 0);
        SetCaptionText(book ? QString::fromStdString(book->Name) : QString());
        OleWordList->hide();
        OleGrpIdx->show();
        OleGrpCount->show();
        edtGrpIdx1->setEnabled(true);
        FillEmptyEntryWithOne(edtGrpIdx1);
        edtGrpIdxChange();
        break;
    }
    default:
        break;
    }
    labGrpCount->SetCaption(QString::number(GroupCount));
}

void Tfrm06_TestBase::FillEmptyEntryWithOne(QLineEdit* entry)
{
    if (entry->text().isEmpty())
        entry->setText("1");
}

void Tfrm06_TestBase::edtWordListIdxChange()
{
    const QString text = edtWordListIdx1->text();
    if (text.isEmpty() || !Questions)
        return;
    auto& lists = Questions->IsSentence ? gWordListSen : gWordList;
    const qint64 listCount = lists->Count();
    const qint64 number = EntryNumber(edtWordListIdx1);
    // Setting the text runs this change again on the corrected number.
    if (number == 0) {
        edtWordListIdx1->setText("1");
        return;
    }
    if (number > listCount && listCount > 0) {
        edtWordListIdx1->setText(QString::number(listCount));
        return;
    }
    WordListIndex = static_cast<std::int32_t>(number);
    if (number > listCount) {
        // No Word List to test: nothing to group.
        WordListItem = nullptr;
        GroupCount = 0;
    } else {
        WordListItem = &lists->GetItem(WordListIndex - 1);
        // A damaged Word List may span more numbers than 32 bits hold.
        GroupCount = GroupCountOf(std::int64_t{WordListItem->GetEnd()} - WordListItem->GetBegin() + 1);
    }
    labGrpCount->SetCaption(QString::number(GroupCount));
    edtGrpIdx1->setText("1");
    edtGrpIdxChange();
}

void Tfrm06_TestBase::edtGrpIdxChange()
{
    if (!FormActive)
        return;
    const QString text = edtGrpIdx1->text();
    if (text.isEmpty())
        return;
    const qint64 number = EntryNumber(edtGrpIdx1);
    // Group 1 stays allowed when there is no group, so the correction settles.
    const qint64 lastGroup = std::max<qint64>(GroupCount, 1);
    if (number == 0)
        edtGrpIdx1->setText("1");
    else if (number > lastGroup)
        edtGrpIdx1->setText(QString::number(lastGroup));
}

void Tfrm06_TestBase::ResetTest()
{
    btnPrevPage->setEnabled(false);
    btnNextPage->setEnabled(false);
    labTime->SetCaption(FormatTime(0));
    btnUnOrder->setEnabled(true);
    RandomOrder = false;
    UpdateOrderButton();
    btnUnOrder->setEnabled(ScopeValue() != smWholeBook);
}

void Tfrm06_TestBase::UpdateOrderButton()
{
    const QString name = RandomOrder ? "testunorder" : "testonorder";
    frm09_Object->LoadButtonImages(name, btnUnOrder, true, true, false, true, ".bmp");
    btnUnOrder->update();
}

void Tfrm06_TestBase::btnUnOrderClick()
{
    RandomOrder = !RandomOrder;
    UpdateOrderButton();
}

void Tfrm06_TestBase::BuildQuestions()
{
    TQuestionSource source;
    source.QuestionCount = QuestionCount;
    if (ScopeValue() == smWholeBook)
        source.GroupNumber = 0;
    else
        source.GroupNumber = static_cast<std::int32_t>(std::max<qint64>(EntryNumber(edtGrpIdx1), 1));
    source.WordListIndex = WordListIndex;
    source.NoteBookIndex = NoteBookIndex;
    source.RandomOrder = RandomOrder;
    BuildQuestionNumbers(*Questions, source);
    QuestionCount = Questions->Count();
}

void Tfrm06_TestBase::SetupPaging()
{
    CurrentPage = 1;
    if (QuestionsPerPage == 0)
        QuestionsPerPage = 1;
    PageCount = QuestionCount / QuestionsPerPage + (QuestionCount % QuestionsPerPage ? 1 : 0);
    labSubjectCount->SetCaption(QString::number(QuestionCount));
}

void Tfrm06_TestBase::StartTest()
{
    BuildQuestions();
    SetupPaging();
    Seconds = 0;
    ctlTime->start();
    btnTestStart->setEnabled(false);
    btnTestFinished->setEnabled(true);
    edtWordListIdx1->setEnabled(false);
    edtGrpIdx1->setEnabled(false);
    btnUnOrder->setEnabled(false);
    ShowPage(1);
}

void Tfrm06_TestBase::ShowPage(int n)
{
    if (n == PageCount + 1) {
        if (ConfirmHandIn())
            btnTestFinishedClick();
        return;
    }
    CurrentPage = n;
    if (n == 1)
        btnPrevPage->setEnabled(false);
    if (CurrentPage > PageCount)
        btnNextPage->setEnabled(false);
    if (CurrentPage > 1)
        btnPrevPage->setEnabled(true);
    if (CurrentPage <= PageCount)
        btnNextPage->setEnabled(true);
}

void Tfrm06_TestBase::NextPage()
{
    ShowPage(CurrentPage + 1);
}

void Tfrm06_TestBase::PrevPage()
{
    ShowPage(CurrentPage - 1);
}

void Tfrm06_TestBase::FinishTest()
{
    // A tick already queued still counts; the learner's own input waits.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ctlTime->stop();
    Questions->ElapsedSeconds = Seconds;
    ResetTest();
}

bool Tfrm06_TestBase::ConfirmHandIn()
{
    return frm09_Object->Ask("请选择", cHandInQuestion);
}

void Tfrm06_TestBase::btnTestStartClick()
{
    RunGuarded(&Tfrm06_TestBase::StartTest);
    FocusFirstChoice();
}

void Tfrm06_TestBase::FocusFirstChoice()
{
    // The start button is disabled once the test runs, which hands the keyboard to whatever
    // follows it; in a choice test it belongs on the first choice. Typed tests focus their
    // input themselves.
    if (qobject_cast<QLineEdit*>(focusWidget()))
        return;
    for (TSkinRadioButton* choice : findChildren<TSkinRadioButton*>())
        if (choice->isEnabled() && choice->isVisibleTo(this)) {
            choice->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void Tfrm06_TestBase::btnTestFinishedClick()
{
    // A second click while the result is open would hand the same test in twice.
    btnTestFinished->setEnabled(false);
    RunGuarded(&Tfrm06_TestBase::FinishTest);
}

void Tfrm06_TestBase::RunGuarded(void (Tfrm06_TestBase::*step)())
{
    try {
        (this->*step)();
    } catch (const std::exception&) {
        frm09_Object->Inform("提示", cTestErrorText);
    } catch (...) {
        frm09_Object->Inform("提示", cTestErrorText);
    }
}

void Tfrm06_TestBase::ctlTimeTimer()
{
    ++Seconds;
    labTime->SetCaption(FormatTime(Seconds));
}

QString Tfrm06_TestBase::FormatTime(int seconds)
{
    QString minutes = QString::number(seconds / 60);
    if (minutes.size() < 2)
        minutes.prepend('0');
    QString spacedMinutes;
    for (const QChar digit : minutes)
        spacedMinutes += QString(digit) + ' ';
    const int rest = seconds % 60;
    return QString("%1 :  %2 %3").arg(spacedMinutes).arg(rest / 10).arg(rest % 10);
}

QString Tfrm06_TestBase::DescribeTest() const
{
    switch (ScopeValue()) {
    case smWholeBook:
        return "全书随机抽查";
    case smWordList:
        return QString("WL%1 第%2组").arg(WordListIndex).arg(Questions->GroupIndex);
    case smNoteBook: {
        const auto& books = Questions->IsSentence ? gSentenceNoteBooks : gWordNoteBooks;
        const TNoteBook2* book = books->GetNoteBook(NoteBookIndex);
        const QString shortName = book ? QString::fromStdString(book->ShortName) : QString();
        return QString("%1 第%2组").arg(shortName).arg(Questions->GroupIndex);
    }
    default:
        return QString();
    }
}

void Tfrm06_TestBase::PlayFile(const std::string& fileName)
{
    // A sound that cannot be opened plays nothing; the page goes on without it.
    ctlAudioPlay->SetFileName(fileName);
    if (ctlAudioPlay->Open())
        ctlAudioPlay->Play();
}

void Tfrm06_TestBase::PlayWordSound(const TQuestionItem2& question)
{
    const auto word = gWordPackage->GetWord(question.ItemId - 1);
    PlayFile(ResolveInside(gSoundPath + "word/", word->GetSoundFile()));
}

void Tfrm06_TestBase::PlaySentenceSound(const TSentenceItem& sentence)
{
    PlayFile(ResolveInside(gSoundPath + "sentence/", sentence.GetSoundFile()));
}

void Tfrm06_TestBase::PlayAnswerSound(const char* fileName)
{
    PlayFile(gSoundPath + fileName);
}

void Tfrm06_TestBase::PlayRightSound()
{
    PlayAnswerSound("AnswerOK.mp3");
}

void Tfrm06_TestBase::PlayWrongSound()
{
    PlayAnswerSound("AnswerErr.mp3");
}

void Tfrm06_TestBase::StopSound()
{
    ctlAudioPlay->Stop();
}

void Tfrm06_TestBase::CloseSound()
{
    ctlAudioPlay->Close();
}

void Tfrm06_TestBase::showEvent(QShowEvent* event)
{
    FormActive = true;
    QWidget::showEvent(event);
}

void Tfrm06_TestBase::hideEvent(QHideEvent* event)
{
    FormActive = false;
    QWidget::hideEvent(event);
}

void Tfrm06_TestBase::closeEvent(QCloseEvent* event)
{
    FormActive = false;
    ctlTime->stop();
    event->accept();
    FModal.Quit();
}

bool Tfrm06_TestBase::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        auto* entry = static_cast<QLineEdit*>(watched);
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, entry, &QLineEdit::selectAll);
    }
    return QWidget::eventFilter(watched, event);
}
