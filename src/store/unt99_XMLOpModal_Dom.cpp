#include "store/unt99_XMLOpModal_Dom.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include <iconv.h>

#include "store/unt99_XMLOpModal_Codec.h"
#include "store/unt99_XMLOpModal_File.h"

namespace {

// Nothing when the encoding is unknown or any input is not valid in it.
std::optional<std::string> ConvertStrictly(std::string_view input, const std::string& from)
{
    iconv_t cd = iconv_open("UTF-8", from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string output;
    output.reserve(input.size() * 3 / 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::array<char, 8192> buffer;
    bool valid = true;
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), buffer.size() - outLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            valid = false;
            break;
        }
    }
    iconv_close(cd);
    if (!valid)
        return std::nullopt;
    return output;
}

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The encoding named by an XML declaration at the start of bytes, upper-cased;
// "" when there is no declaration or it names none.
std::string DeclaredEncoding(std::string_view bytes)
{
    if (bytes.substr(0, 5) != "<?xml")
        return {};
    const auto end = bytes.find("?>");
    if (end == std::string_view::npos)
        return {};
    const std::string_view declaration = bytes.substr(5, end - 5);
    const auto key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return {};
    std::size_t i = key + 8;
    while (i < declaration.size() && IsXmlBlank(declaration[i]))
        ++i;
    if (i >= declaration.size() || declaration[i] != '=')
        return {};
    ++i;
    while (i < declaration.size() && IsXmlBlank(declaration[i]))
        ++i;
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
        return {};
    const char quote = declaration[i++];
    const auto close = declaration.find(quote, i);
    if (close == std::string_view::npos)
        return {};
    return UpperAscii(declaration.substr(i, close - i));
}

// The iconv name to read a declared encoding with; "" for UTF-8 itself.
std::string SourceEncoding(const std::string& declared)
{
    if (declared.empty() || declared == "UTF-8" || declared == "UTF8")
        return {};
    // The declaration was readable as single bytes, so the text is not UTF-16.
    if (declared.rfind("UTF-16", 0) == 0 || declared.rfind("UCS-2", 0) == 0)
        return {};
    // GB2312 lacks characters such as 镕 that files declared so still hold.
    if (declared == "GBK" || declared == "GB2312" || declared == "CP936" || declared == "X-GBK" ||
        declared == "GB_2312-80" || declared == "EUC-CN")
        return "GB18030";
    return declared;
}

// Turns bytes in whichever encoding their mark or declaration says into UTF-8
// text, which starts at `start` (past a UTF-8 byte order mark).
bool MakeUtf8(std::string& bytes, std::size_t& start)
{
    const std::string_view view(bytes);
    const auto startsWith = [&](std::string_view prefix) { return view.substr(0, prefix.size()) == prefix; };
    const auto convert = [&](std::size_t skip, const char* from) {
        auto converted = ConvertStrictly(view.substr(skip), from);
        if (!converted)
            return false;
        bytes = std::move(*converted);
        return true;
    };
    using namespace std::string_view_literals;
    start = 0;
    if (startsWith("\xEF\xBB\xBF"sv))
        start = 3;
    else if (startsWith("\xFF\xFE\x00\x00"sv))
        return convert(4, "UTF-32LE");
    else if (startsWith("\x00\x00\xFE\xFF"sv))
        return convert(4, "UTF-32BE");
    else if (startsWith("\xFF\xFE"sv))
        return convert(2, "UTF-16LE");
    else if (startsWith("\xFE\xFF"sv))
        return convert(2, "UTF-16BE");
    else if (startsWith("<\0"sv))
        return convert(0, "UTF-16LE");
    else if (startsWith("\0<"sv))
        return convert(0, "UTF-16BE");

    const std::string source = SourceEncoding(DeclaredEncoding(view.substr(start)));
    if (source.empty())
        return true;
    const bool converted = convert(start, source.c_str());
    start = 0;
    return converted;
}

// Exactly one element at the top, the way a well-formed file has it.
bool HasOneRoot(const pugi::xml_document& doc)
{
    int elements = 0;
    for (pugi::xml_node child : doc.children())
        if (child.type() == pugi::node_element)
            ++elements;
    return elements == 1;
}

// A text split by a comment or processing instruction, which are not kept,
// becomes one text again, as it would be after a save and a load: the items
// of a list stay the same across saves.
void JoinSplitTexts(pugi::xml_node root)
{
    pugi::xml_node child = root.first_child();
    while (child) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata && next && next.type() == pugi::node_pcdata) {
            child.set_value((std::string(child.value()) + next.value()).c_str());
            root.remove_child(next);
            continue;
        }
        child = next;
    }
}

void Touch(const TXmlElement& element)
{
    if (element.Document)
        ++element.Document->Generation;
}

struct TStringWriter : pugi::xml_writer {
    std::string Text;
    void write(const void* data, std::size_t size) override
    {
        Text.append(static_cast<const char*>(data), size);
    }
};

}  // namespace

TXmlDocumentRef NewDocument()
{
    return std::make_shared<TXmlDocument>();
}

bool LoadDocument(const std::string& path, TXmlDocumentRef& document)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > cLargestDataFile)
        return false;
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return false;
    return ParseDocument(std::move(*bytes), document);
}

bool ParseDocument(std::string bytes, TXmlDocumentRef& document)
{
    std::size_t start = 0;
    if (!MakeUtf8(bytes, start))
        return false;
    return ParseUtf8Document(std::move(bytes), document, start);
}

bool ParseUtf8Document(std::string text, TXmlDocumentRef& document, std::size_t start)
{
    auto parsed = NewDocument();
    parsed->Buffer = std::move(text);
    if (start > parsed->Buffer.size())
        return false;
    // Parsed in place: the document keeps its buffer.
    const pugi::xml_parse_result result =
        parsed->Doc.load_buffer_inplace(parsed->Buffer.data() + start, parsed->Buffer.size() - start,
                                        pugi::parse_default, pugi::encoding_utf8);
    if (result.status != pugi::status_ok || !HasOneRoot(parsed->Doc))
        return false;
    JoinSplitTexts(parsed->Doc.document_element());
    document = std::move(parsed);
    return true;
}

TXmlElement DocumentElement(const TXmlDocumentRef& document)
{
    if (!document)
        return {};
    return {document, document->Doc.document_element()};
}

TXmlElement NewElement(std::string_view name, std::string_view text)
{
    auto document = NewDocument();
    pugi::xml_node element = document->Doc.append_child(UpperCaseName(name).c_str());
    if (!text.empty())
        element.append_child(pugi::node_pcdata).set_value(std::string(text).c_str());
    return {document, element};
}

TXmlElement AddChildElement(const TXmlElement& parent, std::string_view name, std::string_view text)
{
    return AppendChild(parent, NewElement(AttributeName(name), text));
}

bool FindChildElement(const TXmlElement& parent, std::string_view name, bool upperCase,
                      TXmlElement& found)
{
    if (!parent.IsElement())
        return false;
    const std::string wanted = upperCase ? UpperCaseName(name) : std::string(name);
    const pugi::xml_node child = parent.Element.child(wanted.c_str());
    if (!child)
        return false;
    found = {parent.Document, child};
    return true;
}

TXmlElement AppendChild(const TXmlElement& parent, const TXmlElement& child)
{
    if (!parent.IsElement() || !child)
        return {};
    pugi::xml_node target = parent.Element;
    const pugi::xml_node appended = parent.Document == child.Document
                                        ? target.append_move(child.Element)
                                        : target.append_copy(child.Element);
    if (!appended)
        return {};
    Touch(parent);
    return {parent.Document, appended};
}

void RemoveChild(const TXmlElement& parent, const TXmlElement& child)
{
    if (!parent.IsElement() || !child)
        return;
    pugi::xml_node target = parent.Element;
    target.remove_child(child.Element);
    Touch(parent);
}

std::string UpperCaseName(std::string_view name)
{
    return UpperAscii(name);
}

std::string AttributeName(std::string_view name)
{
    std::string normalised = UpperAscii(name);
    for (char& c : normalised)
        if (c == '{' || c == '}')
            c = '_';
    return normalised;
}

std::string GetAttributeText(const TXmlElement& element, std::string_view name)
{
    if (!element.IsElement())
        throw std::invalid_argument("not an element");
    return element.Element.attribute(AttributeName(name).c_str()).value();
}

bool HasAttribute(const TXmlElement& element, std::string_view name)
{
    return element.IsElement() && element.Element.attribute(AttributeName(name).c_str());
}

bool SetAttributeText(const TXmlElement& element, std::string_view name, std::string_view value)
{
    if (!element.IsElement())
        return false;
    const std::string key = AttributeName(name);
    pugi::xml_node target = element.Element;
    pugi::xml_attribute attribute = target.attribute(key.c_str());
    if (!attribute)
        attribute = target.append_attribute(key.c_str());
    return attribute.set_value(std::string(value).c_str());
}

bool SetAttributeText(const TXmlElement& element, std::string_view name, const char* value)
{
    return SetAttributeText(element, name, std::string_view(value));
}

bool SetAttributeText(const TXmlElement& element, std::string_view name, std::int32_t value)
{
    return SetAttributeText(element, name, std::string_view(FormatInteger(value)));
}

bool SetAttributeText(const TXmlElement& element, std::string_view name, double value)
{
    return SetAttributeText(element, name, std::string_view(FormatFloat(value)));
}

void EncodeElementText(const TXmlElement& element, std::string_view bytes)
{
    if (!element.IsElement())
        return;
    pugi::xml_node target = element.Element;
    target.remove_children();
    if (!bytes.empty()) {
        std::string text = Base64Encode(bytes);
        text += "\r\n";
        target.append_child(pugi::node_pcdata).set_value(text.c_str());
    }
    Touch(element);
}

std::string DecodeElementText(const TXmlElement& element)
{
    if (!element)
        return {};
    const pugi::xml_node only = element.Element.first_child();
    if (!only)
        return {};
    if (!only.next_sibling() && only.type() == pugi::node_pcdata)
        return Base64Decode(only.value());
    std::string text;
    // Every text below the element, in document order, without recursion.
    const pugi::xml_node top = element.Element;
    pugi::xml_node node = top.first_child();
    while (node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != top && !node.next_sibling())
            node = node.parent();
        if (!node || node == top)
            break;
        node = node.next_sibling();
    }
    return Base64Decode(text);
}

const char* ParsedElementText(const TXmlElement& element)
{
    if (!element.IsElement())
        return nullptr;
    const pugi::xml_node only = element.Element.first_child();
    if (!only || only.next_sibling() || only.type() != pugi::node_pcdata)
        return nullptr;
    const char* text = only.value();
    const std::string& buffer = element.Document->Buffer;
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const auto first = reinterpret_cast<std::uintptr_t>(buffer.data());
    if (address < first || address >= first + buffer.size())
        return nullptr;
    return text;
}

std::string SerializeElement(const TXmlElement& element)
{
    TStringWriter writer;
    if (element)
        element.Element.print(writer, "", pugi::format_raw | pugi::format_no_declaration,
                              pugi::encoding_utf8);
    return writer.Text;
}
