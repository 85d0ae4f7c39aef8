#include "engine/u02_ChoiceTest.h"

#include "app/u07_PubObject.h"
#include "results/u05_ResultBase.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinCheck.h"
#include "widgets/SkinColor.h"
#include "widgets/SkinFont.h"

namespace {

constexpr int cQuestionsPerPage = 4;
const QSize cPanelSize(340, 190);
const std::array<QPoint, Tfrm02_ChoiceTest::cPanelCount> cPanelAt = {
    QPoint(40, 124), QPoint(420, 124), QPoint(40, 324), QPoint(420, 324)};
constexpr int cChoiceTop = 54;
constexpr int cChoicePitch = 33;

// The names the panels and their choices are known by, top to bottom.
const char* const cPanelNames[] = {"oleQuestion1", "OleQuestion2", "OleQuestion3", "OleQuestion4"};
const char* const cChoiceNames[4][4] = {
    {"rdoAnswer1_1", "rdoAnswer2_1", "rdoAnswer3_1", "rdoAnswer4_1"},
    {"rdoAnswer1_2", "suiRadioButton5", "suiRadioButton7", "suiRadioButton6"},
    {"rdoAnswer1_3", "suiRadioButton9", "suiRadioButton11", "suiRadioButton10"},
    {"rdoAnswer1_4", "suiRadioButton13", "suiRadioButton15", "suiRadioButton14"},
};

}  // namespace

Tfrm02_ChoiceTest::Tfrm02_ChoiceTest(QWidget* owner) : Tfrm06_TestBase(owner)
{
    CreateQuestionPanels();
}

void Tfrm02_ChoiceTest::CreateQuestionPanels()
{
    for (int p = 0; p < cPanelCount; ++p) {
        auto* panel = new TImagePanel(imgBg);
        panel->setObjectName(cPanelNames[p]);
        panel->setGeometry(QRect(cPanelAt[p], cPanelSize));
        panel->hide();
        QuestionPanels[p] = panel;

        NumberLabels[p] = new TAALabel(panel);
        NumberLabels[p]->SetTag(0);
        NumberLabels[p]->setFont(SkinFont("Arial", 16, true));
        NumberLabels[p]->setGeometry(12, 12, 34, 26);

        QuestionLabels[p] = new TAALabel(panel);
        QuestionLabels[p]->SetTag(1);
        QuestionLabels[p]->setFont(SkinFont("Arial", 18, true));
        QuestionLabels[p]->SetFontColor(ToQColor(clCaptionFont));
        QuestionLabels[p]->setGeometry(50, 8, 280, 30);

        for (int c = 0; c < cChoiceCount; ++c) {
            auto* button = new TSkinRadioButton(panel);
            button->setObjectName(cChoiceNames[p][c]);
            button->SetTag(c + 1);
            button->setFont(SkinFont("宋体", 15));
            button->setGeometry(20, cChoiceTop + c * cChoicePitch, 310, 28);
            connect(button, &QAbstractButton::toggled, this, [this, button](bool checked) {
                if (checked)
                    rdoAnswerClick(button);
            });
            ChoiceButtons[p][c] = button;
        }
    }
}

void Tfrm02_ChoiceTest::LoadSkin()
{
    Tfrm06_TestBase::LoadSkin();
    imgBg->SetPicture(frm09_Object->LoadPicture("img", BackgroundName(), ".jpg"));
    for (TImagePanel* panel : QuestionPanels)
        frm09_Object->SetPanelBackground(imgBg, panel);
    frm09_Object->LoadButtonImages("btnhelp3", btnHelp, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnexit3", btnExit, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnMin3", btnMin, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnClose3", btnClose, true, true, true, false, ".bmp");
    imgTypeCaption->SetPicture(frm09_Object->LoadPicture("img", TypeCaptionName(), ".gif"));
    for (const auto& buttons : ChoiceButtons)
        for (TSkinRadioButton* button : buttons)
            button->SetTheme(frm09_Object->suiFileTheme1);
}

void Tfrm02_ChoiceTest::SetupPaging()
{
    QuestionsPerPage = cQuestionsPerPage;
    Tfrm06_TestBase::SetupPaging();
}

void Tfrm02_ChoiceTest::ShowPage(int n)
{
    Tfrm06_TestBase::ShowPage(n);
    if (n > PageCount)
        return;
    PageFilling = false;
    for (int p = 0; p < cPanelCount; ++p) {
        QuestionPanels[p]->hide();
        const int q = (CurrentPage - 1) * cQuestionsPerPage + p;
        if (q < Questions->Count())
            FillPanel(p, q);
    }
    PageFilling = true;
}

void Tfrm02_ChoiceTest::FillPanel(int position, int q)
{
    TQuestionItem2* item = Questions->Item(q);
    if (!item->Prepared) {
        TIntArray options;
        gWordPackage->RandomOptions(cChoiceCount, item->ItemId, options);
        item->SetOptions(options);
    }
    NumberLabels[position]->SetCaption(QString::number(q + 1) + ".");
    const auto word = gWordPackage->GetWord(item->ItemId - 1);
    const QString question = QuestionText(*word);
    QuestionLabels[position]->SetCaption(question);
    // A long meaning runs past the card; the hint shows it whole.
    QuestionLabels[position]->SetHint(question);
    for (int c = 0; c < cChoiceCount; ++c) {
        TSkinRadioButton* button = ChoiceButtons[position][c];
        const std::int32_t option = c < static_cast<int>(item->Options.size()) ? item->Options[c] : 0;
        QString text;
        if (option > 0)
            text = ChoiceText(*gWordPackage->GetWord(option - 1));
        button->setText(text);
        if (ChoiceHasHint())
            button->SetHint(text);
        button->setChecked(option != 0 && option == item->ChosenId);
    }
    QuestionPanels[position]->SetTag(q);
    QuestionPanels[position]->setVisible(q < QuestionCount);
}

void Tfrm02_ChoiceTest::rdoAnswerClick(TSkinRadioButton* button)
{
    if (!PageFilling)
        return;
    const auto* panel = static_cast<TImagePanel*>(button->parentWidget());
    TQuestionItem2* item = Questions->Item(panel->Tag());
    const int choice = button->Tag() - 1;
    if (item && choice >= 0 && choice < static_cast<int>(item->Options.size()))
        item->ChooseOption(item->Options[choice]);
}

void Tfrm02_ChoiceTest::ResetTest()
{
    Tfrm06_TestBase::ResetTest();
    for (TImagePanel* panel : QuestionPanels)
        panel->hide();
}

void Tfrm02_ChoiceTest::FinishTest()
{
    Tfrm06_TestBase::FinishTest();
    hide();
    Tfrm05_ResultBase* result = ResultWindow();
    result->ScopeText = DescribeTest();
    result->Questions = Questions;
    result->ShowResult();
    ReturnFromResult();
}
