#include "screens/u04_NoteBookList.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <algorithm>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "engine/u06_TestBase.h"
#include "engine/u06_TestKinds.h"
#include "screens/KeyboardReach.h"
#include "screens/u05_SelType.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImageButton.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinColor.h"
#include "widgets/SkinFont.h"
#include "widgets/TrackBar.h"

Tfrm04_NoteBookList* frm04_NoteBookList = nullptr;

namespace {

constexpr int cRowPitch = 58;
constexpr int cNoteBookScope = 3;
constexpr int cSentenceTest = 5;
// The chooser's left edge stands this far inside the start button's right edge.
constexpr int cChooserInset = 20;
const QColor cPhoneticColor(108, 108, 108);

struct TNoteButtonSpec {
    TImageButton* Tfrm04_NoteBookList::*Button;
    QPoint Position;
    const char* Picture;
    int Tag;
};
const TNoteButtonSpec cNoteButtons[] = {
    {&Tfrm04_NoteBookList::btnNote1, {36, 116}, "cusnote1", 1},
    {&Tfrm04_NoteBookList::btnNote2, {36, 168}, "cusnote2", 2},
    {&Tfrm04_NoteBookList::btnNote3, {36, 221}, "cusnote3", 3},
    {&Tfrm04_NoteBookList::btnNote4, {36, 273}, "cusnote4", 4},
    {&Tfrm04_NoteBookList::btnTestErr, {36, 326}, "errnote", 5},
    {&Tfrm04_NoteBookList::btnTestOk, {36, 378}, "testoknote", 6},
    {&Tfrm04_NoteBookList::btnUnTest, {36, 431}, "untestnote", 7},
};

bool IsEmpty(const TNoteBook2* noteBook)
{
    return !noteBook || noteBook->Count() == 0;
}

}

Tfrm04_NoteBookList::Tfrm04_NoteBookList(QWidget* parent)
    : TListScreen(5, "笔记本", "frmNoteBook.htm", QPoint(743, 62), parent)
{
    setObjectName("frm04_NoteBookList");
    frm04_NoteBookList = this;

    for (const TNoteButtonSpec& spec : cNoteButtons) {
        auto* button = new TImageButton(ImgBg);
        button->move(spec.Position);
        button->SetTag(spec.Tag);
        connect(button, &QAbstractButton::clicked, this, [this, button] { btnNote1Click(button); });
        MakeKeyboardReachable(button);
        this->*spec.Button = button;
    }
    btnStartTest = new TImageButton(ImgBg);
    btnStartTest->setGeometry(38, 489, 81, 32);
    MakeKeyboardReachable(btnStartTest);
    connect(btnStartTest, &QAbstractButton::clicked, this, &Tfrm04_NoteBookList::btnStartTestClick);
    // Tab walks the notebooks and the start button before the frame buttons.
    QWidget* previous = nullptr;
    for (QWidget* control : std::initializer_list<QWidget*>{btnNote1, btnNote2, btnNote3, btnNote4, btnTestErr,
                                                            btnTestOk, btnUnTest, btnStartTest, btnHelp, btnExit,
                                                            btnMin, btnClose}) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }

    lblNoteBookInfo = new TAALabel(ImgBg);
    lblNoteBookInfo->setGeometry(176, 544, 533, 16);
    lblNoteBookInfo->setFont(SkinFont("宋体", 13));

    lblEnglishSample = new TAALabel(ImgBg);
    lblEnglishSample->setGeometry(188, 60, 210, 20);
    lblEnglishSample->setFont(SkinFont("Arial Unicode MS", 16, true));
    lblEnglishSample->hide();
    lblChineseSample = new TAALabel(ImgBg);
    lblChineseSample->setGeometry(187, 86, 533, 20);
    lblChineseSample->setFont(SkinFont("宋体", 16));
    lblChineseSample->hide();
    lblPSample = new TUnicodeLabel(ImgBg);
    // Its right edge stops short of the track's groove, which an opaque label would cut.
    lblPSample->setGeometry(400, 60, 340, 27);
    lblPSample->setFont(SkinFont("Arial Unicode MS", 19));
    lblPSample->SetFontColor(cPhoneticColor);
    lblPSample->hide();

    FormCreate();
}

Tfrm04_NoteBookList::~Tfrm04_NoteBookList()
{
    if (frm04_NoteBookList == this)
        frm04_NoteBookList = nullptr;
}

void Tfrm04_NoteBookList::FormCreate()
{
    TypeChooser = new Tfrm05_SelType(this);
    TypeChooser->OnTypeChosen = [this](Tfrm05_SelType* chooser) { StartNoteBookTest(chooser); };
    lblEnglishSample->SetFontColor(ToQColor(clSampleFont));
    LoadSkin();
    ApplyTitle();
    CreateRowLabels();
}

void Tfrm04_NoteBookList::LoadSkin()
{
    LoadCommonSkin();
    for (const TNoteButtonSpec& spec : cNoteButtons) {
        TImageButton* button = this->*spec.Button;
        const QString name = spec.Picture;
        button->SetPicture(TButtonState::Normal, frm09_Object->LoadPicture("nor", name, ".gif"));
        button->SetPicture(TButtonState::MouseOver, frm09_Object->LoadPicture("down", name, ".gif"));
        button->SetPicture(TButtonState::Pressed, frm09_Object->LoadPicture("down", name, ".gif"));
        // The disabled look marks the selected notebook.
        button->SetPicture(TButtonState::Disabled, frm09_Object->LoadPicture("on", name, ".gif"));
        button->SetAutoSize(true);
    }
    frm09_Object->LoadButtonImages("gottest", btnStartTest, true, true, true, false, ".gif");
}

void Tfrm04_NoteBookList::CreateRowLabels()
{
    for (int row = 0; row < cNoteBookRowCount; ++row) {
        const int shift = cRowPitch * row;

        auto* english = new TAALabel("english", ImgBg);
        english->setFont(lblEnglishSample->font());
        english->SetFontColor(lblEnglishSample->FontColor());
        english->SetTransparent(lblEnglishSample->Transparent());
        english->setGeometry(lblEnglishSample->geometry().translated(0, shift));
        english->hide();
        EnglishLabels[row] = english;

        auto* chinese = new TAALabel("中文含义", ImgBg);
        chinese->setFont(lblChineseSample->font());
        chinese->SetFontColor(lblChineseSample->FontColor());
        chinese->SetTransparent(lblChineseSample->Transparent());
        chinese->setGeometry(lblChineseSample->geometry().translated(0, shift));
        chinese->hide();
        ChineseLabels[row] = chinese;

        auto* phonetic = new TUnicodeLabel(ImgBg);
        phonetic->SetCaption("sound");
        phonetic->setFont(lblPSample->font());
        phonetic->SetFontColor(lblPSample->FontColor());
        phonetic->SetBackColor(ToQColor(clNoteLabelBack));
        phonetic->setGeometry(lblPSample->geometry().translated(0, shift));
        phonetic->hide();
        PhoneticLabels[row] = phonetic;
    }
}

std::array<TImageButton*, 7> Tfrm04_NoteBookList::NoteBookButtons() const
{
    return {btnNote1, btnNote2, btnNote3, btnNote4, btnTestErr, btnTestOk, btnUnTest};
}

TNoteBook2* Tfrm04_NoteBookList::SelectedWordNoteBook() const
{
    if (SelectedNoteBook == 0)
        return nullptr;
    return gWordNoteBooks->GetNoteBook(SelectedNoteBook - 1);
}

void Tfrm04_NoteBookList::ShowNoteBooks()
{
    MoveBall(0);
    ShowRows(0);
    ShowModal();
}

void Tfrm04_NoteBookList::showEvent(QShowEvent* event)
{
    // Coming back from a minimised state is no new showing.
    if (!event->spontaneous())
        btnNote1Click(btnUnTest);
    TListScreen::showEvent(event);
}

void Tfrm04_NoteBookList::closeEvent(QCloseEvent* event)
{
    TypeChooser->close();
    TListScreen::closeEvent(event);
}

void Tfrm04_NoteBookList::btnNote1Click(TImageButton* sender)
{
    for (TImageButton* button : NoteBookButtons())
        button->setEnabled(true);
    sender->setEnabled(false);
    SelectedNoteBook = sender->Tag();
    const TNoteBook2* noteBook = SelectedWordNoteBook();
    Scrollable = noteBook && noteBook->Count() > cNoteBookRowCount;
    MoveBall(0);
    ShowRows(0);
}

void Tfrm04_NoteBookList::ShowRows(int first)
{
    ReadyFlag = false;
    if (SelectedNoteBook != 0) {
        const TNoteBook2* noteBook = SelectedWordNoteBook();
        const int count = noteBook ? noteBook->Count() : 0;
        Scrollable = count > cNoteBookRowCount;
        BallFromPosition();
        lblNoteBookInfo->SetCaption(
            QString("%1   共 %2 个单词").arg(QString::fromStdString(noteBook ? noteBook->Name : ""), QString::number(count)));
        ctlTrack->SetMax(std::max(0, count - cNoteBookRowCount));
        ctlTrack->SetPosition(first);
        for (int row = 0; row < cNoteBookRowCount; ++row) {
            // Past the end the number is 0: no word, a blank row.
            const int number = noteBook ? noteBook->GetNumber(first + row) : 0;
            FillRow(row, *gWordPackage->GetWord(number - 1));
        }
    }
    ReadyFlag = true;
}

void Tfrm04_NoteBookList::FillRow(int row, const TWordItem& word)
{
    const QString chinese = QString::fromStdString(word.GetChinese());
    ChineseLabels[row]->SetCaption(chinese);
    ChineseLabels[row]->SetHint(chinese);
    EnglishLabels[row]->SetCaption(QString::fromStdString(word.GetEnglish()));
    PhoneticLabels[row]->SetCaption(QString::fromStdString(word.GetPhonetic()));
    EnglishLabels[row]->show();
    ChineseLabels[row]->show();
    PhoneticLabels[row]->show();
}

void Tfrm04_NoteBookList::ctlTrackChange()
{
    if (ReadyFlag)
        ShowRows(ctlTrack->Position());
}

bool Tfrm04_NoteBookList::BallSetsPosition() const
{
    return Scrollable;
}

void Tfrm04_NoteBookList::btnStartTestClick()
{
    if (SelectedNoteBook == 0)
        return;
    // Refused before a kind is chosen, whatever kind the learner is about to choose.
    if (IsEmpty(SelectedWordNoteBook())) {
        frm09_Object->Inform("提示", "该笔记本没有单词！");
        return;
    }
    const QPoint window = mapToGlobal(QPoint(0, 0));
    TypeChooser->move(btnStartTest->x() + window.x() + btnStartTest->width() - cChooserInset,
                      btnStartTest->y() + window.y() + btnStartTest->height() - TypeChooser->height());
    TypeChooser->Popup();
}

void Tfrm04_NoteBookList::StartNoteBookTest(Tfrm05_SelType* chooser)
{
    if (SelectedNoteBook == 0)
        return;
    const int testType = chooser->ChosenType;
    if (testType != cSentenceTest && IsEmpty(SelectedWordNoteBook())) {
        frm09_Object->Inform("提示", "该笔记本没有单词！");
        return;
    }
    if (testType == cSentenceTest && IsEmpty(gSentenceNoteBooks->GetNoteBook(SelectedNoteBook - 1))) {
        frm09_Object->Inform("提示", "该笔记本没有例句！");
        return;
    }
    std::unique_ptr<Tfrm06_TestBase> test = CreateTestWindow(testType, this);
    if (!test)
        return;
    hide();
    test->NoteBookIndex = SelectedNoteBook - 1;
    test->RunTest(cNoteBookScope, testType);
    test.reset();
    // The learner may have quit the program from inside the test.
    if (gExitConfirmed) {
        close();
        return;
    }
    show();
    MoveBall(0);
    ShowRows(0);
}
