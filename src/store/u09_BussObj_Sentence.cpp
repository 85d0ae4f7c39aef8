#include "store/u09_BussObj_Sentence.h"

#include <algorithm>

// A number below 0 names no item: 0, as callers reach an item by number - 1.
std::int32_t TSentenceItem::GetWordNo() const
{
    return std::max(ReadInteger("WID", 0), 0);
}

std::int32_t TSentenceItem::GetSentenceNo() const
{
    return std::max(ReadInteger("MIDX", 0), 0);
}

std::string TSentenceItem::GetEnglishSentence() const
{
    return ReadString("ESEN", "");
}

std::string TSentenceItem::GetChineseSentence() const
{
    return ReadString("CSEN", "");
}

std::string TSentenceItem::GetTarget() const
{
    return ReadString("TE", "");
}

std::string TSentenceItem::GetTargetPart(std::int32_t i)
{
    return RefreshParts("TE", i);
}

std::string TSentenceItem::GetBlankedSentence() const
{
    std::string sentence = GetEnglishSentence();
    const std::string target = GetTarget();
    if (target.empty())
        return sentence;
    if (const auto position = sentence.find(target); position != std::string::npos)
        sentence.replace(position, target.size(), "_____");
    return sentence;
}

TSentenceItem& TSentenceList::GetSentence(std::int32_t index)
{
    if (index < Count())
        if (TXmlElement element = GetNode(index))
            Item.Node = std::move(element);
    return Item;
}
