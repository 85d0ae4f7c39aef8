#pragma once
// Counted references to pugixml documents and elements, and the element-level
// functions every store is built on.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

// A document shared by every reference to one of its elements. Generation
// counts changes to the child lists made through this layer, so that lists
// can cache their children.
struct TXmlDocument {
    // The text the document was parsed from, in place.
    std::string Buffer;
    pugi::xml_document Doc;
    std::uint64_t Generation = 0;
};
using TXmlDocumentRef = std::shared_ptr<TXmlDocument>;

// A counted reference to one node: it keeps the node's document alive.
struct TXmlElement {
    TXmlDocumentRef Document;
    pugi::xml_node Element;

    explicit operator bool() const { return Document && Element; }
    bool IsElement() const { return Document && Element.type() == pugi::node_element; }
};

TXmlDocumentRef NewDocument();

// Three times the sentences of a 20,000-word book. Every item of a file becomes DOM nodes and
// notebook entries, so a bigger file would cost memory out of all proportion: it is not read.
inline constexpr std::uintmax_t cLargestDataFile = 32u << 20;

// Loads a file into a new document. A file without declaration is UTF-8;
// a declared encoding (GBK and GB2312 read as GB18030, UTF-16, any other
// iconv knows) is converted to UTF-8 first. Whitespace-only text between
// elements is dropped. False when the file is missing, unreadable, larger
// than cLargestDataFile, not well-formed or in an unknown encoding.
bool LoadDocument(const std::string& path, TXmlDocumentRef& document);
// The same on bytes already in memory.
bool ParseDocument(std::string bytes, TXmlDocumentRef& document);
// Parses UTF-8 text from start on; a declaration in it is not looked at.
bool ParseUtf8Document(std::string text, TXmlDocumentRef& document, std::size_t start = 0);

// The document's root element, or an empty reference.
TXmlElement DocumentElement(const TXmlDocumentRef& document);

// A new element with the upper-cased name, alone in a new document of its
// own; its text is set when not empty.
TXmlElement NewElement(std::string_view name, std::string_view text = {});
// Names the element as an attribute name and appends it to parent.
TXmlElement AddChildElement(const TXmlElement& parent, std::string_view name,
                            std::string_view text = {});
// The first child element of that name (upper-cased when upperCase is set).
bool FindChildElement(const TXmlElement& parent, std::string_view name, bool upperCase,
                      TXmlElement& found);

// Appends child as the last child of parent. An element of another document is
// copied into parent's document; the result refers to the element now in parent.
TXmlElement AppendChild(const TXmlElement& parent, const TXmlElement& child);
void RemoveChild(const TXmlElement& parent, const TXmlElement& child);

// Upper case (ASCII letters), then every "{" and "}" becomes "_".
std::string AttributeName(std::string_view name);
std::string UpperCaseName(std::string_view name);

// The attribute's value, or "" when the element has none. Throws
// std::invalid_argument when the reference is empty or not an element.
std::string GetAttributeText(const TXmlElement& element, std::string_view name);
bool HasAttribute(const TXmlElement& element, std::string_view name);
// Creates or replaces the attribute; false when there is no element.
bool SetAttributeText(const TXmlElement& element, std::string_view name, std::string_view value);
bool SetAttributeText(const TXmlElement& element, std::string_view name, const char* value);
bool SetAttributeText(const TXmlElement& element, std::string_view name, std::int32_t value);
bool SetAttributeText(const TXmlElement& element, std::string_view name, double value);

// The element's text becomes the Base64 line of the bytes followed by CR LF;
// no bytes leave the element empty.
void EncodeElementText(const TXmlElement& element, std::string_view bytes);
// The decoded bytes of the element's text.
std::string DecodeElementText(const TXmlElement& element);
// The element's one text node where it still lies in the text its document was
// parsed from; nullptr when the element holds anything else or the text was set
// later. The bytes stay while the document lives: this layer never writes over
// them, it only leaves them behind when it replaces the node.
const char* ParsedElementText(const TXmlElement& element);

// The element and its content as UTF-8 XML, no declaration, no indentation.
std::string SerializeElement(const TXmlElement& element);
