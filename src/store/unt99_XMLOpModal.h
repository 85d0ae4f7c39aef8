#pragma once
// The XML node layer: records as elements, lists as the children of a root
// element, typed attribute fields, Base64 byte fields and whole-file load/save.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/unt99_XMLOpModal_Codec.h"
#include "store/unt99_XMLOpModal_Dom.h"
#include "store/unt99_XMLOpModal_File.h"

class TNodeObj {
public:
    TXmlElement Node;
    std::string FileName;

    TNodeObj() = default;
    TNodeObj(const TNodeObj&) = delete;
    TNodeObj& operator=(const TNodeObj&) = delete;
    virtual ~TNodeObj() = default;

    // Writes Node atomically to path; on success FileName := path.
    virtual bool SaveToFile(const std::string& path);
    // On success Node := the file's root, FileName := path, then AfterLoad.
    // On failure the object is unchanged.
    virtual bool LoadFromFile(const std::string& path);
    // SaveToFile(FileName) when FileName is set; false otherwise.
    virtual bool Save();
    // Node := a copy of the parsed root; FileName and AfterLoad untouched.
    virtual bool LoadFromXml(const std::string& text);
    virtual void BeforeSave();
    virtual void AfterLoad();
    // Node := a deep copy of source's Node (after source's BeforeSave when
    // flushSource), then AfterLoad.
    virtual void Assign(TNodeObj& source, bool flushSource);
    // The same, destroying the source once copied.
    void Assign(std::unique_ptr<TNodeObj> source, bool flushSource);

    // Missing attribute: ""; no element: defaultValue.
    std::string ReadString(std::string_view name, std::string_view defaultValue) const;
    // Missing or empty attribute: 0; not an integer or no element: defaultValue.
    std::int32_t ReadInteger(std::string_view name, std::int32_t defaultValue) const;
    // Missing, empty, not a number or no element: defaultValue.
    double ReadFloat(std::string_view name, double defaultValue) const;
    // Writes do nothing when there is no element.
    void WriteString(std::string_view name, std::string_view value);
    void WriteInteger(std::string_view name, std::int32_t value);
    void WriteFloat(std::string_view name, double value);

    // The decoded bytes of element's child of that name; stream unchanged when
    // there is no such child. False only when element is not an element.
    bool ReadStream(const TXmlElement& element, std::string_view name, std::string& stream) const;
    // Creates the child when missing and stores the bytes in it.
    bool WriteStream(const TXmlElement& element, std::string_view name, std::string_view stream);
};

class TNodeList : public TNodeObj {
public:
    // No root: subclasses that use this make their own.
    TNodeList() = default;
    // Root := a new element of that name (upper-cased).
    explicit TNodeList(std::string_view rootName);

    // Every child node of the root counts; 0 without a root.
    std::int32_t Count() const;
    // The child at a 0-based index, or an empty reference outside 0 .. Count - 1.
    TXmlElement GetNode(std::int32_t index) const;
    // Appends the record's element as the last child and re-binds the record
    // to it; returns its index.
    std::int32_t AddItem(TNodeObj& record);

private:
    const std::vector<pugi::xml_node>& Children() const;

    mutable std::vector<pugi::xml_node> ChildCache;
    mutable const TXmlDocument* CacheDocument = nullptr;
    mutable pugi::xml_node CacheRoot;
    mutable std::uint64_t CacheGeneration = 0;
};

// The field operations on any element.
class TNodeOp {
public:
    static std::string ReadString(const TXmlElement& element, std::string_view name,
                                  std::string_view defaultValue);
    static bool ReadStream(const TXmlElement& element, std::string_view name, std::string& stream);
    static void WriteString(const TXmlElement& element, std::string_view name, std::string_view value);
    static bool WriteStream(const TXmlElement& element, std::string_view name, std::string_view stream);
};
