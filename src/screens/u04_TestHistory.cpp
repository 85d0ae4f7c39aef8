#include "screens/u04_TestHistory.h"

#include <QGuiApplication>
#include <QScreen>
#include <chrono>
#include <cmath>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"
#include "screens/u09_Object.h"
#include "widgets/AALabel.h"
#include "widgets/ImagePanel.h"
#include "widgets/SkinFont.h"
#include "widgets/TrackBar.h"

Tfrm04_TestHistory* frm04_TestHistory = nullptr;

namespace {

constexpr int cFirstRowTop = 136;
constexpr int cRowPitch = 33;
constexpr int cRowHeight = 20;
constexpr int cHeaderTop = 96;

struct TColumnSpec {
    int Left;
    int Width;
};
constexpr TColumnSpec cColumns[cHistoryColumnCount] = {
    {40, 89}, {130, 105}, {240, 46}, {288, 80}, {368, 113}, {488, 113}, {616, 113},
};

// Day counts start on 30 December 1899; the calendar covers the years 1 to 9999.
constexpr double cFirstDay = -693593;
constexpr double cLastDay = 2958465;

TAALabel* NewHeader(QWidget* parent, const QString& caption, int left)
{
    auto* label = new TAALabel(caption, parent);
    label->setFont(SkinFont("黑体", 16));
    label->SetShadow(50, 3);
    label->SetAutoSize(true);
    label->move(left, cHeaderTop);
    return label;
}

}

QString FormatTestDate(double dayCount)
{
    if (!std::isfinite(dayCount) || dayCount < cFirstDay || dayCount >= cLastDay + 1)
        return {};
    using namespace std::chrono;
    const sys_days epoch = year{1899} / December / 30;
    const year_month_day date{epoch + days{static_cast<int>(std::floor(dayCount))}};
    return QString::asprintf("%02d", static_cast<int>(date.year()) % 100) + "／"
         + QString::asprintf("%02u", static_cast<unsigned>(date.month())) + "／"
         + QString::asprintf("%02u", static_cast<unsigned>(date.day()));
}

Tfrm04_TestHistory::Tfrm04_TestHistory(QWidget* parent)
    : TListScreen(4, "考试记录", "frmHistory.htm", QPoint(747, 82), parent)
{
    setObjectName("frm04_TestHistory");
    frm04_TestHistory = this;

    AALabel1 = NewHeader(ImgBg, "考试时间", 48);
    AALabel4 = NewHeader(ImgBg, "考题类型", 152);
    AALabel6 = NewHeader(ImgBg, "成绩", 245);
    AALabel2 = NewHeader(ImgBg, "题目总数", 296);
    AALabel5 = NewHeader(ImgBg, "正确题数", 392);
    AALabel7 = NewHeader(ImgBg, "错误题数", 512);
    AALabel8 = NewHeader(ImgBg, "考察方式", 648);

    lblChineseSample = new TAALabel(ImgBg);
    lblChineseSample->setFont(SkinFont("宋体", 16));
    lblChineseSample->SetTransparent(true);
    lblChineseSample->hide();

    FormCreate();
}

Tfrm04_TestHistory::~Tfrm04_TestHistory()
{
    if (frm04_TestHistory == this)
        frm04_TestHistory = nullptr;
}

void Tfrm04_TestHistory::FormCreate()
{
    LoadSkin();
    ApplyTitle();
    CreateRowLabels();
}

void Tfrm04_TestHistory::LoadSkin()
{
    LoadCommonSkin();
    for (TAALabel* label : ImgBg->findChildren<TAALabel*>(Qt::FindDirectChildrenOnly))
        frm09_Object->SetLabelBackground(ImgBg, label);
}

void Tfrm04_TestHistory::CreateRowLabels()
{
    QFont font = lblChineseSample->font();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && std::lround(screen->logicalDotsPerInchY()) == 96)
        font = SkinFont("黑体", font.pixelSize());
    for (int column = 0; column < cHistoryColumnCount; ++column)
        for (int row = 0; row < cHistoryRowCount; ++row) {
            auto* label = new TAALabel("test", ImgBg);
            label->setFont(font);
            label->SetFontColor(lblChineseSample->FontColor());
            label->SetTransparent(lblChineseSample->Transparent());
            label->SetAlignment(Qt::AlignHCenter);
            label->setGeometry(cColumns[column].Left, cFirstRowTop + cRowPitch * row, cColumns[column].Width,
                               cRowHeight);
            label->show();
            RowLabels[column][row] = label;
        }
}

void Tfrm04_TestHistory::ShowHistory()
{
    ReadyFlag = false;
    SetRange();
    MoveBall(0);
    ShowRows(0);
    ReadyFlag = true;
    ShowModal();
}

void Tfrm04_TestHistory::SetRange()
{
    const int count = gTestHistory->Count();
    Scrollable = count > cHistoryRowCount;
    ctlTrack->SetMax(std::max(0, count - cHistoryRowCount));
    ctlTrack->SetPosition(0);
}

void Tfrm04_TestHistory::ShowRows(int first)
{
    const int count = gTestHistory->Count();
    for (int row = 0; row < cHistoryRowCount; ++row)
        FillRow(row, first + row, *gTestHistory->GetItem(count - first - row - 1));
}

void Tfrm04_TestHistory::FillRow(int row, int k, const TTestHistoryItem& record)
{
    const bool shown = k < gTestHistory->Count();
    for (int column = 0; column < cHistoryColumnCount; ++column)
        RowLabels[column][row]->setVisible(shown);
    if (!shown)
        return;
    const QString texts[cHistoryColumnCount] = {
        FormatTestDate(record.GetTestDate()),
        QString::fromStdString(TestTypeName(record.GetTestType())),
        QString::number(record.GetScore()),
        QString::number(record.GetQuestionCount()),
        QString::number(record.GetRightCount()),
        // Summed wide: a damaged file may hold counts near the integer limit.
        QString::number(static_cast<qint64>(record.GetWrongCount()) + record.GetUnansweredCount()),
        QString::fromStdString(record.GetScopeText()),
    };
    for (int column = 0; column < cHistoryColumnCount; ++column)
        RowLabels[column][row]->SetCaption(texts[column]);
}

void Tfrm04_TestHistory::ctlTrackChange()
{
    if (!ReadyFlag)
        return;
    ShowRows(ctlTrack->Position());
    ReadyFlag = false;
    BallFromPosition();
    ReadyFlag = true;
}

bool Tfrm04_TestHistory::BallSetsPosition() const
{
    return ReadyFlag && Scrollable;
}
