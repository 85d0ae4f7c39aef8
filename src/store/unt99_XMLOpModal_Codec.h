#pragma once
// Byte and text codecs of the data files: Base64 child elements, text list
// blobs in code page 936, and the number forms of attributes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A list of texts (UTF-8), e.g. the members of a notebook.
using TTextList = std::vector<std::string>;

// Standard alphabet with "=" padding, as one line without a line break.
std::string Base64Encode(std::string_view bytes);
// Skips every character outside the alphabet; a final group of two or three
// characters yields one or two bytes.
std::string Base64Decode(std::string_view text);

// UTF-8 to code page 936; a character without a form there becomes "?".
std::string Utf8ToCp936(std::string_view text);
// Code page 936 to UTF-8; a byte sequence that is not valid becomes U+FFFD.
std::string Cp936ToUtf8(std::string_view bytes);

// Each entry in code page 936 followed by CR LF.
std::string EncodeTextList(const TTextList& texts);
// Splits at CR LF, lone CR and lone LF; a last entry without a line break
// counts; entries are not trimmed.
TTextList DecodeTextList(std::string_view bytes);

// Decimal, optional sign, within 32 bits; surrounding blanks are allowed.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// Accepts "." or "," as the decimal separator; only finite values.
std::optional<double> ParseFloat(std::string_view text);
std::string FormatInteger(std::int32_t value);
// Shortest general form with at most 15 significant digits, always with ".".
std::string FormatFloat(double value);
