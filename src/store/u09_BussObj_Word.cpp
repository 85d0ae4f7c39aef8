#include "store/u09_BussObj_Word.h"

#include <unordered_set>
#include <utility>

#include "store/RandomSource.h"

TTextList SplitParts(std::string_view text, char separator)
{
    TTextList parts;
    std::string piece;
    char quote = 0;
    const auto endPiece = [&] {
        if (!piece.empty())
            parts.push_back(std::move(piece));
        piece.clear();
    };
    for (const char c : text) {
        if (quote != 0) {
            piece += c;
            if (c == quote)
                quote = 0;
        } else if (c == separator || c == '\r' || c == '\n') {
            endPiece();
        } else {
            if (c == '\'' || c == '"')
                quote = c;
            piece += c;
        }
    }
    endPiece();
    return parts;
}

TWordItem::TWordItem()
{
    Node = NewElement("ITEM");
}

std::string TWordItem::GetSoundFile() const
{
    return ReadString("TFN", "");
}

std::string TWordItem::GetChinese() const
{
    return ReadString("C", "");
}

std::string TWordItem::GetEnglish() const
{
    return ReadString("E", "");
}

std::string TWordItem::GetPhonetic() const
{
    return ReadString("P", "");
}

std::string TWordItem::GetEnglishPart(std::int32_t i)
{
    return RefreshParts("E", i);
}

std::string TWordItem::RefreshParts(std::string_view attribute, std::int32_t i)
{
    Parts = SplitParts(ReadString(attribute, ""), '/');
    if (i < 0 || static_cast<std::size_t>(i) >= Parts.size())
        return {};
    return Parts[static_cast<std::size_t>(i)];
}

TWordPackage::TWordPackage() : TWordIdxPackage("PACKAGE") {}

std::unique_ptr<TWordItem> TWordPackage::GetWord(std::int32_t index) const
{
    auto item = std::make_unique<TWordItem>();
    if (index < Count())
        if (TXmlElement element = GetNode(index))
            item->Node = std::move(element);
    return item;
}

void TWordPackage::RandomOptions(std::int32_t n, std::int32_t target, TIntArray& result) const
{
    result.clear();
    if (n < 1)
        return;
    const std::int32_t count = Count();
    if (count < n) {
        ShuffleAll(result);
        return;
    }
    const std::int32_t step = count / n;
    result.resize(static_cast<std::size_t>(n));
    for (std::int32_t band = 0; band < n; ++band)
        result[static_cast<std::size_t>(band)] = RandomInt(step) + step * band + 1;
    // A target below 1 (from a damaged notebook) has no band, and target - 1 may not exist.
    if (target >= 1 && (target - 1) / step < n)
        result[static_cast<std::size_t>((target - 1) / step)] = target;
    else
        result[n > 1 ? 1 : 0] = target;
    for (std::int32_t swap = 0; swap < n * n; ++swap)
        std::swap(result[static_cast<std::size_t>(RandomInt(n))],
                  result[static_cast<std::size_t>(RandomInt(n))]);
}

void TWordPackage::RandomSelection(std::int32_t n, TIntArray& result) const
{
    if (n < Count())
        RandomPick(n, result);
    else
        ShuffleAll(result);
}

void TWordPackage::RandomPick(std::int32_t n, TIntArray& result) const
{
    result.clear();
    const std::int32_t count = Count();
    if (n > count)
        n = count;
    if (n < 1)
        return;
    result.reserve(static_cast<std::size_t>(n));
    std::unordered_set<std::int32_t> taken;
    taken.reserve(static_cast<std::size_t>(n));
    while (static_cast<std::int32_t>(result.size()) < n) {
        const std::int32_t value = RandomInt(count);
        if (taken.insert(value).second)
            result.push_back(value + 1);
    }
}

void TWordPackage::ShuffleAll(TIntArray& result) const
{
    const std::int32_t count = Count();
    TIntArray remaining(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        remaining[static_cast<std::size_t>(i)] = i + 1;
    result.clear();
    result.reserve(remaining.size());
    // Each pick is uniform over what remains; the last number fills the gap it leaves.
    while (!remaining.empty()) {
        const auto position = static_cast<std::size_t>(RandomInt(static_cast<std::int32_t>(remaining.size())));
        result.push_back(remaining[position]);
        remaining[position] = remaining.back();
        remaining.pop_back();
    }
}
