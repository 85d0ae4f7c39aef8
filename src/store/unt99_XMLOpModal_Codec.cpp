#include "store/unt99_XMLOpModal_Codec.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include <iconv.h>

namespace {

constexpr std::string_view cBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::int8_t, 256> MakeBase64Values()
{
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (std::size_t i = 0; i < cBase64Alphabet.size(); ++i)
        values[static_cast<unsigned char>(cBase64Alphabet[i])] = static_cast<std::int8_t>(i);
    return values;
}
constexpr auto cBase64Values = MakeBase64Values();

// A character's six bits already in place within a group of four; any
// character outside the alphabet sets the top byte instead.
constexpr std::array<std::uint32_t, 256> MakeBase64Bits(int shift)
{
    std::array<std::uint32_t, 256> bits{};
    for (std::size_t c = 0; c < 256; ++c)
        bits[c] = cBase64Values[c] < 0 ? 0xFF000000u : static_cast<std::uint32_t>(cBase64Values[c]) << shift;
    return bits;
}
constexpr auto cBase64Bits0 = MakeBase64Bits(18);
constexpr auto cBase64Bits1 = MakeBase64Bits(12);
constexpr auto cBase64Bits2 = MakeBase64Bits(6);
constexpr auto cBase64Bits3 = MakeBase64Bits(0);

// The two characters of every 12-bit half of a group.
constexpr std::array<char, 2 * 4096> MakeBase64Pairs()
{
    std::array<char, 2 * 4096> pairs{};
    for (std::size_t i = 0; i < 4096; ++i) {
        pairs[2 * i] = cBase64Alphabet[i >> 6];
        pairs[2 * i + 1] = cBase64Alphabet[i & 63];
    }
    return pairs;
}
constexpr auto cBase64Pairs = MakeBase64Pairs();

constexpr std::uint64_t cEveryByte(std::uint8_t value)
{
    return 0x0101010101010101ULL * value;
}

// Eight bytes at a time: the blobs run to hundreds of kilobytes.
bool IsAscii(std::string_view text)
{
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & cEveryByte(0x80))
            return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

std::size_t CountLineFeeds(std::string_view text)
{
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t other = word ^ cEveryByte('\n');
        // The high bit of exactly each byte of other that is zero, then their sum.
        const std::uint64_t zero = ~(((other & cEveryByte(0x7F)) + cEveryByte(0x7F)) | other | cEveryByte(0x7F));
        count += static_cast<std::size_t>(((zero >> 7) * cEveryByte(1)) >> 56);
    }
    for (; i < text.size(); ++i)
        count += text[i] == '\n';
    return count;
}

// Converts with iconv; an input sequence that cannot be converted is replaced
// by `replacement` and skipped byte by byte.
std::string Convert(std::string_view input, const char* to, const char* from,
                    std::string_view replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(input);
    std::string output;
    output.reserve(input.size() * 3 / 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::array<char, 4096> buffer;
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), buffer.size() - outLeft);
        if (result != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ, or EINVAL at a truncated end: replace one byte and go on.
        output.append(replacement);
        ++in;
        --inLeft;
        if (std::string_view(from) == "UTF-8")
            while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                ++in;
                --inLeft;
            }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return output;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string Base64Encode(std::string_view bytes)
{
    std::string text((bytes.size() + 2) / 3 * 4, '\0');
    char* out = text.data();
    const auto byteAt = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])); };
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group = byteAt(i) << 16 | byteAt(i + 1) << 8 | byteAt(i + 2);
        std::memcpy(out, &cBase64Pairs[2 * (group >> 12)], 2);
        std::memcpy(out + 2, &cBase64Pairs[2 * (group & 0xFFF)], 2);
        out += 4;
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t group = byteAt(i) << 16;
        if (rest == 2)
            group |= byteAt(i + 1) << 8;
        out[0] = cBase64Alphabet[group >> 18 & 63];
        out[1] = cBase64Alphabet[group >> 12 & 63];
        out[2] = rest == 2 ? cBase64Alphabet[group >> 6 & 63] : '=';
        out[3] = '=';
    }
    return text;
}

std::string Base64Decode(std::string_view text)
{
    std::string bytes(text.size() / 4 * 3 + 3, '\0');
    char* out = bytes.data();
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::uint32_t group = 0;
    int count = 0;
    std::size_t i = 0;
    while (i < size) {
        // Whole groups of four alphabet characters, the bulk of any blob, one step each.
        if (count == 0) {
            for (; i + 4 <= size; i += 4) {
                const std::uint32_t whole = cBase64Bits0[in[i]] | cBase64Bits1[in[i + 1]] |
                                            cBase64Bits2[in[i + 2]] | cBase64Bits3[in[i + 3]];
                if (whole >> 24)
                    break;
                out[0] = static_cast<char>(whole >> 16 & 0xFF);
                out[1] = static_cast<char>(whole >> 8 & 0xFF);
                out[2] = static_cast<char>(whole & 0xFF);
                out += 3;
            }
            if (i == size)
                break;
        }
        const int value = cBase64Values[in[i++]];
        if (value < 0)
            continue;
        group = group << 6 | static_cast<std::uint32_t>(value);
        if (++count == 4) {
            out[0] = static_cast<char>(group >> 16 & 0xFF);
            out[1] = static_cast<char>(group >> 8 & 0xFF);
            out[2] = static_cast<char>(group & 0xFF);
            out += 3;
            group = 0;
            count = 0;
        }
    }
    if (count == 2) {
        *out++ = static_cast<char>(group >> 4 & 0xFF);
    } else if (count == 3) {
        *out++ = static_cast<char>(group >> 10 & 0xFF);
        *out++ = static_cast<char>(group >> 2 & 0xFF);
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

std::string Utf8ToCp936(std::string_view text)
{
    if (IsAscii(text))
        return std::string(text);
    return Convert(text, "CP936", "UTF-8", "?");
}

std::string Cp936ToUtf8(std::string_view bytes)
{
    if (IsAscii(bytes))
        return std::string(bytes);
    return Convert(bytes, "UTF-8", "CP936", "\xEF\xBF\xBD");
}

std::string EncodeTextList(const TTextList& texts)
{
    std::size_t size = 0;
    for (const std::string& text : texts)
        size += text.size() + 2;
    std::string utf8;
    utf8.reserve(size);
    for (const std::string& text : texts) {
        utf8 += text;
        utf8 += "\r\n";
    }
    if (IsAscii(utf8))
        return utf8;
    return Utf8ToCp936(utf8);
}

TTextList DecodeTextList(std::string_view bytes)
{
    std::string converted;
    if (!IsAscii(bytes)) {
        converted = Cp936ToUtf8(bytes);
        bytes = converted;
    }
    TTextList texts;
    texts.reserve(CountLineFeeds(bytes) + 1);
    const char* const first = bytes.data();
    const char* const last = first + bytes.size();
    const char* start = first;
    const char* p = first;
    while (p < last) {
        // Below CR the only line break is LF: one comparison skips most bytes.
        const auto c = static_cast<unsigned char>(*p);
        if (c > '\r' || (c != '\r' && c != '\n')) {
            ++p;
            continue;
        }
        texts.emplace_back(start, static_cast<std::size_t>(p - start));
        p += (c == '\r' && p + 1 < last && p[1] == '\n') ? 2 : 1;
        start = p;
    }
    if (start < last)
        texts.emplace_back(start, static_cast<std::size_t>(last - start));
    return texts;
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    // Plain digits, as the files hold them: nine of them cannot overflow.
    if (!text.empty() && text.size() <= 9) {
        std::int32_t value = 0;
        bool digitsOnly = true;
        for (const char c : text) {
            digitsOnly = digitsOnly && c >= '0' && c <= '9';
            value = value * 10 + (c - '0');
        }
        if (digitsOnly)
            return value;
    }
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<double> ParseFloat(std::string_view text)
{
    std::string normalised(TrimBlanks(text));
    if (!normalised.empty() && normalised.front() == '+')
        normalised.erase(0, 1);
    if (const auto comma = normalised.find(','); comma != std::string::npos)
        normalised[comma] = '.';
    double value = 0;
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || normalised.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string FormatInteger(std::int32_t value)
{
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatFloat(double value)
{
    std::array<char, 64> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}
