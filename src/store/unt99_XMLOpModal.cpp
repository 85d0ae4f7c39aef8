#include "store/unt99_XMLOpModal.h"

namespace {

// A deep copy of element alone in a new document.
TXmlElement CopyToNewDocument(const TXmlElement& element)
{
    if (!element)
        return {};
    auto document = NewDocument();
    return {document, document->Doc.append_copy(element.Element)};
}

}  // namespace

bool TNodeObj::SaveToFile(const std::string& path)
{
    if (!Node)
        return false;
    if (!WriteFileAtomically(path, SerializeElement(Node)))
        return false;
    FileName = path;
    return true;
}

bool TNodeObj::LoadFromFile(const std::string& path)
{
    TXmlDocumentRef document;
    if (!LoadDocument(path, document))
        return false;
    Node = DocumentElement(document);
    FileName = path;
    AfterLoad();
    return true;
}

bool TNodeObj::Save()
{
    if (FileName.empty())
        return false;
    return SaveToFile(FileName);
}

bool TNodeObj::LoadFromXml(const std::string& text)
{
    TXmlDocumentRef document;
    if (!ParseUtf8Document(text, document))
        return false;
    Node = DocumentElement(document);
    return true;
}

void TNodeObj::BeforeSave() {}

void TNodeObj::AfterLoad() {}

void TNodeObj::Assign(TNodeObj& source, bool flushSource)
{
    if (flushSource)
        source.BeforeSave();
    Node = CopyToNewDocument(source.Node);
    AfterLoad();
}

void TNodeObj::Assign(std::unique_ptr<TNodeObj> source, bool flushSource)
{
    if (flushSource)
        source->BeforeSave();
    Node = CopyToNewDocument(source->Node);
    source.reset();
    AfterLoad();
}

std::string TNodeObj::ReadString(std::string_view name, std::string_view defaultValue) const
{
    return TNodeOp::ReadString(Node, name, defaultValue);
}

std::int32_t TNodeObj::ReadInteger(std::string_view name, std::int32_t defaultValue) const
{
    if (!Node.IsElement())
        return defaultValue;
    const std::string_view text = Node.Element.attribute(AttributeName(name).c_str()).value();
    if (text.empty())
        return 0;
    return ParseInteger(text).value_or(defaultValue);
}

double TNodeObj::ReadFloat(std::string_view name, double defaultValue) const
{
    if (!Node.IsElement())
        return defaultValue;
    return ParseFloat(GetAttributeText(Node, name)).value_or(defaultValue);
}

void TNodeObj::WriteString(std::string_view name, std::string_view value)
{
    SetAttributeText(Node, name, value);
}

void TNodeObj::WriteInteger(std::string_view name, std::int32_t value)
{
    SetAttributeText(Node, name, value);
}

void TNodeObj::WriteFloat(std::string_view name, double value)
{
    SetAttributeText(Node, name, value);
}

bool TNodeObj::ReadStream(const TXmlElement& element, std::string_view name, std::string& stream) const
{
    return TNodeOp::ReadStream(element, name, stream);
}

bool TNodeObj::WriteStream(const TXmlElement& element, std::string_view name, std::string_view stream)
{
    return TNodeOp::WriteStream(element, name, stream);
}

TNodeList::TNodeList(std::string_view rootName) : TNodeObj()
{
    Node = NewElement(rootName);
}

const std::vector<pugi::xml_node>& TNodeList::Children() const
{
    const TXmlDocument* document = Node.Document.get();
    if (CacheDocument != document || CacheRoot != Node.Element ||
        (document && CacheGeneration != document->Generation)) {
        ChildCache.clear();
        for (pugi::xml_node child : Node.Element.children())
            ChildCache.push_back(child);
        CacheDocument = document;
        CacheRoot = Node.Element;
        CacheGeneration = document ? document->Generation : 0;
    }
    return ChildCache;
}

std::int32_t TNodeList::Count() const
{
    if (!Node)
        return 0;
    return static_cast<std::int32_t>(Children().size());
}

TXmlElement TNodeList::GetNode(std::int32_t index) const
{
    if (!Node || index < 0)
        return {};
    const auto& children = Children();
    if (static_cast<std::size_t>(index) >= children.size())
        return {};
    return {Node.Document, children[static_cast<std::size_t>(index)]};
}

std::int32_t TNodeList::AddItem(TNodeObj& record)
{
    const bool moveWithin = record.Node.Document == Node.Document;
    Children();
    const TXmlElement appended = AppendChild(Node, record.Node);
    if (!appended)
        return -1;
    record.Node = appended;
    if (moveWithin)
        return Count() - 1;
    // A new element only adds to the end: keep the cache instead of listing every child again.
    ChildCache.push_back(appended.Element);
    CacheGeneration = Node.Document->Generation;
    return static_cast<std::int32_t>(ChildCache.size()) - 1;
}

std::string TNodeOp::ReadString(const TXmlElement& element, std::string_view name,
                                std::string_view defaultValue)
{
    if (!element.IsElement())
        return std::string(defaultValue);
    return GetAttributeText(element, name);
}

bool TNodeOp::ReadStream(const TXmlElement& element, std::string_view name, std::string& stream)
{
    if (!element.IsElement())
        return false;
    TXmlElement child;
    if (FindChildElement(element, name, true, child))
        stream = DecodeElementText(child);
    return true;
}

void TNodeOp::WriteString(const TXmlElement& element, std::string_view name, std::string_view value)
{
    SetAttributeText(element, name, value);
}

bool TNodeOp::WriteStream(const TXmlElement& element, std::string_view name, std::string_view stream)
{
    if (!element.IsElement())
        return false;
    TXmlElement child;
    if (!FindChildElement(element, name, true, child))
        child = AddChildElement(element, name);
    if (!child)
        return false;
    EncodeElementText(child, stream);
    return true;
}
