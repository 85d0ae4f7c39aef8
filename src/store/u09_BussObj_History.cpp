#include "store/u09_BussObj_History.h"

#include "store/DayClock.h"

TTestHistoryItem::TTestHistoryItem()
{
    Node = NewElement("ITEM");
}

std::int32_t TTestHistoryItem::GetTestType() const { return ReadInteger("TT", 0); }
std::int32_t TTestHistoryItem::GetQuestionCount() const { return ReadInteger("SC", 0); }
std::int32_t TTestHistoryItem::GetWrongCount() const { return ReadInteger("EC", 0); }
std::int32_t TTestHistoryItem::GetUnansweredCount() const { return ReadInteger("UC", 0); }
std::int32_t TTestHistoryItem::GetRightCount() const { return ReadInteger("OC", 0); }
std::int32_t TTestHistoryItem::GetScore() const { return ReadInteger("TG", 0); }

double TTestHistoryItem::GetTestDate() const
{
    return ReadFloat("TD", NowDayCount());
}

std::string TTestHistoryItem::GetScopeText() const
{
    return ReadString("TMSTR", "");
}

void TTestHistoryItem::SetTestType(std::int32_t value) { WriteInteger("TT", value); }
void TTestHistoryItem::SetScope(std::int32_t value) { WriteInteger("TM", value); }
void TTestHistoryItem::SetQuestionCount(std::int32_t value) { WriteInteger("SC", value); }
void TTestHistoryItem::SetWrongCount(std::int32_t value) { WriteInteger("EC", value); }
void TTestHistoryItem::SetUnansweredCount(std::int32_t value) { WriteInteger("UC", value); }
void TTestHistoryItem::SetRightCount(std::int32_t value) { WriteInteger("OC", value); }
void TTestHistoryItem::SetScore(std::int32_t value) { WriteInteger("TG", value); }
void TTestHistoryItem::SetTestDate(double value) { WriteFloat("TD", value); }
void TTestHistoryItem::SetScopeText(std::string_view value) { WriteString("TMSTR", value); }

TTestHistoryPackage::TTestHistoryPackage() : TNodeList("PACKAGE") {}

std::unique_ptr<TTestHistoryItem> TTestHistoryPackage::GetItem(std::int32_t index) const
{
    auto item = std::make_unique<TTestHistoryItem>();
    if (index < Count())
        if (TXmlElement element = GetNode(index))
            item->Node = std::move(element);
    return item;
}
