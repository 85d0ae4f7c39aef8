#include "store/u09_BussObj_WordList.h"

#include <algorithm>

TWordListItem::TWordListItem()
{
    Node = NewElement("ITEM");
}

std::int32_t TWordListItem::GetBegin() const
{
    return ReadInteger("BIDX", 0);
}

std::int32_t TWordListItem::GetEnd() const
{
    return ReadInteger("EIDX", 0);
}

void TWordListItem::SetBegin(std::int32_t value)
{
    WriteInteger("BIDX", value);
}

void TWordListItem::SetEnd(std::int32_t value)
{
    WriteInteger("EIDX", value);
}

void TWordListItem::GetGroup(std::int32_t offset, std::int32_t size, TIntArray& result) const
{
    result.clear();
    const std::int64_t begin = GetBegin();
    const std::int64_t end = GetEnd();
    if (begin < 1 || size < 1)
        return;
    const std::int64_t first = begin + offset;
    const std::int64_t last = std::min<std::int64_t>(first + size - 1, end);
    if (first < begin || first > last)
        return;
    result.reserve(static_cast<std::size_t>(last - first + 1));
    for (std::int64_t number = first; number <= last; ++number)
        result.push_back(static_cast<std::int32_t>(number));
}

TWordList::TWordList() : TNodeList("PACKAGE") {}

TWordListItem& TWordList::GetItem(std::int32_t index)
{
    if (index < Count())
        if (TXmlElement element = GetNode(index))
            Item.Node = std::move(element);
    return Item;
}
