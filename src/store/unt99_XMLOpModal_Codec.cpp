#include "store/unt99_XMLOpModal_Codec.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>

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

bool IsAscii(std::string_view text)
{
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
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
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16 |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                    static_cast<unsigned char>(bytes[i + 2]);
        text += cBase64Alphabet[group >> 18 & 63];
        text += cBase64Alphabet[group >> 12 & 63];
        text += cBase64Alphabet[group >> 6 & 63];
        text += cBase64Alphabet[group & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        text += cBase64Alphabet[group >> 18 & 63];
        text += cBase64Alphabet[group >> 12 & 63];
        text += rest == 2 ? cBase64Alphabet[group >> 6 & 63] : '=';
        text += '=';
    }
    return text;
}

std::string Base64Decode(std::string_view text)
{
    std::string bytes(text.size() / 4 * 3 + 3, '\0');
    std::size_t used = 0;
    std::uint32_t group = 0;
    int count = 0;
    for (unsigned char c : text) {
        const int value = cBase64Values[c];
        if (value < 0)
            continue;
        group = group << 6 | static_cast<std::uint32_t>(value);
        if (++count == 4) {
            bytes[used++] = static_cast<char>(group >> 16 & 0xFF);
            bytes[used++] = static_cast<char>(group >> 8 & 0xFF);
            bytes[used++] = static_cast<char>(group & 0xFF);
            group = 0;
            count = 0;
        }
    }
    if (count == 2) {
        bytes[used++] = static_cast<char>(group >> 4 & 0xFF);
    } else if (count == 3) {
        bytes[used++] = static_cast<char>(group >> 10 & 0xFF);
        bytes[used++] = static_cast<char>(group >> 2 & 0xFF);
    }
    bytes.resize(used);
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
    std::string utf8;
    for (const std::string& text : texts) {
        utf8 += text;
        utf8 += "\r\n";
    }
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
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        texts.emplace_back(bytes.substr(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        texts.emplace_back(bytes.substr(start));
    return texts;
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
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
