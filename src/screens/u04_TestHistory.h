#pragma once
// The test history viewer: the records of the test history as twelve rows of seven columns,
// newest test first, with the scroll track on the right.
#include <QString>
#include <array>

#include "screens/u04_ListScreen.h"

class TAALabel;
class TTestHistoryItem;

inline constexpr int cHistoryRowCount = 12;
inline constexpr int cHistoryColumnCount = 7;

// A history date (a day count) as "YY／MM／DD" with the full-width solidus; empty for a
// day count that names no calendar day.
QString FormatTestDate(double dayCount);

class Tfrm04_TestHistory : public TListScreen
{
    Q_OBJECT
public:
    explicit Tfrm04_TestHistory(QWidget* parent = nullptr);
    ~Tfrm04_TestHistory() override;

    // Opens at the newest record with the range taken from the history as it is now;
    // returns when the window closes.
    void ShowHistory();

    virtual void LoadSkin();
    virtual void CreateRowLabels();

    void SetRange();
    void ShowRows(int first);
    // Row `row` shows the record, which is the k-th newest; hidden when there is no such record.
    void FillRow(int row, int k, const TTestHistoryItem& record);

    void FormCreate();

    TAALabel* AALabel1;
    TAALabel* AALabel2;
    TAALabel* AALabel4;
    TAALabel* AALabel5;
    TAALabel* AALabel6;
    TAALabel* AALabel7;
    TAALabel* AALabel8;
    TAALabel* lblChineseSample;
    // RowLabels[column][row].
    std::array<std::array<TAALabel*, cHistoryRowCount>, cHistoryColumnCount> RowLabels{};

protected:
    void ctlTrackChange() override;
    bool BallSetsPosition() const override;
};

extern Tfrm04_TestHistory* frm04_TestHistory;
