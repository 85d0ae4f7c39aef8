#include "store/unt99_XMLOpModal.h"

#include <chrono>

#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StoreTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TXmlElement ParsedRoot(const std::string& xml)
{
    TXmlDocumentRef document;
    EXPECT_TRUE(ParseUtf8Document(xml, document)) << xml;
    return DocumentElement(document);
}

}  // namespace

TEST(NodeNames, ElementAndAttributeNamesAreNormalised)
{
    TNodeList list("package");
    TNodeObj record;
    record.Node = NewElement("item");
    record.WriteString("a{b}", "x");
    record.WriteString("tfn", "y");
    list.AddItem(record);
    EXPECT_EQ(SerializeElement(list.Node), R"(<PACKAGE><ITEM A_B_="x" TFN="y"/></PACKAGE>)");
    EXPECT_EQ(record.ReadString("TFN", "d"), "y");
    EXPECT_EQ(record.ReadString("A{B}", "d"), "x");
}

TEST(NodeFields, ReadIntegerDistinguishesMissingFromMalformed)
{
    struct Case {
        const char* Xml;
        std::int32_t Expected;
    };
    const Case cases[] = {
        {R"(<ITEM/>)", 0},
        {R"(<ITEM N=""/>)", 0},
        {R"(<ITEM N="12x"/>)", 7},
        {R"(<ITEM N="-40"/>)", -40},
        {R"(<ITEM N=" 42 "/>)", 42},
        {R"(<ITEM N="2147483648"/>)", 7},
        {R"(<ITEM N="2147483647"/>)", 2147483647},
        {R"(<ITEM N="999999999"/>)", 999999999},
        {R"(<ITEM N="007"/>)", 7},
        {R"(<ITEM N="+8"/>)", 8},
        {R"(<ITEM N="1.5"/>)", 7},
    };
    for (const Case& c : cases) {
        TNodeObj record;
        record.Node = ParsedRoot(c.Xml);
        EXPECT_EQ(record.ReadInteger("n", 7), c.Expected) << c.Xml;
    }
    TNodeObj detached;
    EXPECT_EQ(detached.ReadInteger("N", 7), 7);
}

TEST(NodeFields, ReadFloatAcceptsEitherSeparatorAndDefaultsOtherwise)
{
    struct Case {
        const char* Xml;
        double Expected;
    };
    const Case cases[] = {
        {R"(<ITEM/>)", -1},
        {R"(<ITEM F=""/>)", -1},
        {R"(<ITEM F="45678.25"/>)", 45678.25},
        {R"(<ITEM F="45678,25"/>)", 45678.25},
        {R"(<ITEM F="1e3"/>)", 1000},
        {R"(<ITEM F="abc"/>)", -1},
        {R"(<ITEM F="inf"/>)", -1},
        {R"(<ITEM F="1,5,5"/>)", -1},
    };
    for (const Case& c : cases) {
        TNodeObj record;
        record.Node = ParsedRoot(c.Xml);
        EXPECT_EQ(record.ReadFloat("F", -1), c.Expected) << c.Xml;
    }
}

TEST(NodeFields, NumbersAreWrittenInTheirFileForm)
{
    TNodeObj record;
    record.Node = NewElement("ITEM");
    record.WriteInteger("I", -12);
    record.WriteFloat("D", 45678.75);
    record.WriteFloat("W", 3.0);
    record.WriteFloat("P", 0.1 + 0.2);
    EXPECT_EQ(SerializeElement(record.Node), R"(<ITEM I="-12" D="45678.75" W="3" P="0.3"/>)");
}

TEST(NodeFields, ReadStringGivesEmptyForMissingAndDefaultWithoutElement)
{
    TNodeObj record;
    EXPECT_EQ(record.ReadString("E", "dflt"), "dflt");
    record.WriteString("E", "ignored");  // no element: nothing happens
    record.Node = NewElement("ITEM");
    EXPECT_EQ(record.ReadString("E", "dflt"), "");
    EXPECT_THROW(GetAttributeText(TXmlElement{}, "E"), std::invalid_argument);
}

TEST(NodeStreams, EmptyStreamRoundTripsAsEmptyElement)
{
    TNodeObj record;
    record.Node = NewElement("ITEM");
    ASSERT_TRUE(record.WriteStream(record.Node, "list", ""));
    EXPECT_EQ(SerializeElement(record.Node), "<ITEM><LIST/></ITEM>");
    std::string stream = "previous";
    ASSERT_TRUE(record.ReadStream(record.Node, "list", stream));
    EXPECT_EQ(stream, "");
}

TEST(NodeStreams, MissingChildLeavesStreamAndWriteReplacesContent)
{
    TNodeObj record;
    record.Node = NewElement("ITEM");
    std::string stream = "kept";
    EXPECT_TRUE(record.ReadStream(record.Node, "NONE", stream));
    EXPECT_EQ(stream, "kept");
    record.WriteStream(record.Node, "DATA", "first");
    record.WriteStream(record.Node, "data", std::string("\0\xff second", 9));
    EXPECT_EQ(SerializeElement(record.Node), "<ITEM><DATA>AP8gc2Vjb25k\r\n</DATA></ITEM>");
    record.ReadStream(record.Node, "DATA", stream);
    EXPECT_EQ(stream, std::string("\0\xff second", 9));
    EXPECT_FALSE(record.ReadStream(TXmlElement{}, "DATA", stream));
}

TEST(Base64, DecodingSkipsEveryCharacterOutsideTheAlphabet)
{
    struct Case {
        const char* Text;
        const char* Bytes;
    };
    const Case cases[] = {
        {"", ""},
        {"TWFu", "Man"},
        {"TWE=", "Ma"},
        {"TQ==", "M"},
        {"TWE", "Ma"},
        {"TQ", "M"},
        {"T", ""},
        {"TW\r\nFu\r\n", "Man"},
        {" T W F u ", "Man"},
        {"TW=Fu", "Man"},
        {"MSwy\r\nLDM=\r\n", "1,2,3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Base64Decode(c.Text), c.Bytes) << c.Text;
    EXPECT_EQ(Base64Encode("Man"), "TWFu");
    EXPECT_EQ(Base64Encode("Ma"), "TWE=");
    EXPECT_EQ(Base64Encode("M"), "TQ==");
    std::string every;
    for (int c = 0; c < 256; ++c)
        every += static_cast<char>(c);
    EXPECT_EQ(Base64Decode(Base64Encode(every)), every);
    EXPECT_EQ(Base64Decode("TWFuTW\r\nFuTWFu\r\nTWE="), "ManManManMa");
}

TEST(TextListBlob, SplitsAtEveryKindOfLineBreakWithoutTrimming)
{
    struct Case {
        std::string Bytes;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"", {}},
        {"1\r\n2\r\n", {"1", "2"}},
        {"1\r2\n3", {"1", "2", "3"}},
        {"1\r\n\r\n2", {"1", "", "2"}},
        {" 7 \r\n", {" 7 "}},
        {"\n", {""}},
        {"12345678\r\n9\n10\r\n\n\n\n\n\n\n\n11", {"12345678", "9", "10", "", "", "", "", "", "", "", "11"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeTextList(c.Bytes), c.Lines) << c.Bytes;
    EXPECT_EQ(EncodeTextList({"1", "2"}), "1\r\n2\r\n");
}

TEST(TextListBlob, HoldsChineseInCodePage936)
{
    const std::string bytes = EncodeTextList({"苹果", "镕"});
    EXPECT_EQ(bytes, "\xC6\xBB\xB9\xFB\r\n\xE9" "F\r\n");
    EXPECT_THAT(DecodeTextList(bytes), ElementsAre("苹果", "镕"));
    EXPECT_THAT(DecodeTextList("0123456789\r\n" + bytes), ElementsAre("0123456789", "苹果", "镕"));
    // Characters without a code page 936 form, and bytes that are not code page 936.
    EXPECT_EQ(Utf8ToCp936("a😀b"), "a?b");
    EXPECT_EQ(Cp936ToUtf8("a\xFF"), "a\xEF\xBF\xBD");
}

TEST(NodeList, GetNodeOutsideTheListGivesNothing)
{
    TNodeList list("PACKAGE");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.GetNode(0));
    TNodeObj record;
    record.Node = NewElement("ITEM");
    EXPECT_EQ(list.AddItem(record), 0);
    TNodeObj second;
    second.Node = NewElement("ITEM");
    EXPECT_EQ(list.AddItem(second), 1);
    EXPECT_TRUE(list.GetNode(1));
    EXPECT_FALSE(list.GetNode(2));
    EXPECT_FALSE(list.GetNode(-1));
    EXPECT_EQ(TNodeList().Count(), 0);
}

TEST(NodeList, AddedRecordIsAViewOfTheListElement)
{
    TNodeList list("PACKAGE");
    TNodeObj record;
    record.Node = NewElement("ITEM");
    list.AddItem(record);
    record.WriteInteger("N", 5);
    EXPECT_EQ(SerializeElement(list.Node), R"(<PACKAGE><ITEM N="5"/></PACKAGE>)");
    TNodeObj view;
    view.Node = list.GetNode(0);
    view.WriteString("S", "v");
    EXPECT_EQ(record.ReadString("S", ""), "v");
}

TEST(NodeList, EveryChildNodeCountsAsAnItem)
{
    TNodeList list;
    ASSERT_TRUE(list.LoadFromXml("<PACKAGE>\n  <A/>\n  text<B/>\n</PACKAGE>"));
    EXPECT_EQ(list.Count(), 3);
    TNodeObj textRecord;
    textRecord.Node = list.GetNode(1);
    EXPECT_EQ(textRecord.ReadInteger("N", 9), 9);
}

TEST(NodeList, TextSplitByACommentStaysOneItemAcrossSaves)
{
    TTempFolder folder;
    WriteBytes(folder.File("in.dat"), "<PACKAGE><A/>x<!--c-->y<?pi?>z<B/></PACKAGE>");
    TNodeList list;
    ASSERT_TRUE(list.LoadFromFile(folder.File("in.dat")));
    EXPECT_EQ(list.Count(), 3);
    ASSERT_TRUE(list.SaveToFile(folder.File("out.dat")));
    TNodeList again;
    ASSERT_TRUE(again.LoadFromFile(folder.File("out.dat")));
    EXPECT_EQ(again.Count(), 3);
}

TEST(NodeFiles, LoadingKeepsTheRootWhateverItsNameAndSavesWithoutDeclaration)
{
    TTempFolder folder;
    WriteBytes(folder.File("in.dat"), R"(<?xml version="1.0"?><books><ITEM E="a"/></books>)");
    TNodeList list("PACKAGE");
    ASSERT_TRUE(list.LoadFromFile(folder.File("in.dat")));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.FileName, folder.File("in.dat"));
    ASSERT_TRUE(list.SaveToFile(folder.File("out.dat")));
    EXPECT_EQ(ReadBytes(folder.File("out.dat")), R"(<books><ITEM E="a"/></books>)");
    EXPECT_EQ(list.FileName, folder.File("out.dat"));
    EXPECT_EQ(folder.EntryCount(), 2u);
}

TEST(NodeFiles, FailedLoadLeavesTheObjectAsItWas)
{
    TTempFolder folder;
    WriteBytes(folder.File("good.dat"), "<PACKAGE><ITEM/><ITEM/></PACKAGE>");
    WriteBytes(folder.File("empty.dat"), "");
    WriteBytes(folder.File("text.dat"), "just some words");
    WriteBytes(folder.File("tworoots.dat"), "<A/><B/>");
    TNodeList list("PACKAGE");
    ASSERT_TRUE(list.LoadFromFile(folder.File("good.dat")));
    const std::string bad[] = {folder.File("missing.dat"), folder.File("empty.dat"), folder.File("text.dat"),
                               folder.File("tworoots.dat"), folder.Path.string(),
                               Fixture("truncated_words.dat"), Fixture("unknown_encoding_words.dat")};
    for (const std::string& path : bad) {
        EXPECT_FALSE(list.LoadFromFile(path)) << path;
        EXPECT_EQ(list.Count(), 2) << path;
        EXPECT_EQ(list.FileName, folder.File("good.dat")) << path;
    }
}

TEST(NodeFiles, FailedSaveKeepsTheOldFileAndFileName)
{
    TTempFolder folder;
    TNodeList list("PACKAGE");
    ASSERT_TRUE(list.SaveToFile(folder.File("list.dat")));
    TNodeObj record;
    record.Node = NewElement("ITEM");
    list.AddItem(record);
    EXPECT_FALSE(list.SaveToFile(folder.File("no-such-folder/list.dat")));
    EXPECT_EQ(list.FileName, folder.File("list.dat"));
    std::filesystem::create_directory(folder.File("folder.dat"));
    EXPECT_FALSE(list.SaveToFile(folder.File("folder.dat")));
    EXPECT_EQ(ReadBytes(folder.File("list.dat")), "<PACKAGE/>");
    EXPECT_EQ(folder.EntryCount(), 2u) << "no temporary file is left behind";
    EXPECT_TRUE(list.Save());
    EXPECT_EQ(ReadBytes(folder.File("list.dat")), "<PACKAGE><ITEM/></PACKAGE>");
    EXPECT_FALSE(TNodeList("PACKAGE").Save());
    EXPECT_FALSE(TNodeList().SaveToFile(folder.File("rootless.dat")));
}

TEST(NodeFiles, ReadOnlyFolderRefusesTheSave)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    TTempFolder folder;
    TNodeList list("PACKAGE");
    ASSERT_TRUE(list.SaveToFile(folder.File("list.dat")));
    std::filesystem::permissions(folder.Path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(list.SaveToFile(folder.File("list.dat")));
    std::filesystem::permissions(folder.Path, std::filesystem::perms::owner_all);
}

TEST(NodeFiles, DeclaredEncodingsAreReadAsUnicode)
{
    TNodeList gbk;
    ASSERT_TRUE(gbk.LoadFromFile(Fixture("gbk_declared_words.dat")));
    ASSERT_EQ(gbk.Count(), 2);
    TNodeObj word;
    word.Node = gbk.GetNode(1);
    EXPECT_EQ(word.ReadString("C", ""), "v. 镕（熔化）");

    TTempFolder folder;
    ASSERT_TRUE(gbk.SaveToFile(folder.File("word.dat")));
    const std::string saved = ReadBytes(folder.File("word.dat"));
    EXPECT_EQ(saved.rfind("<PACKAGE>", 0), 0u) << "no declaration";
    EXPECT_NE(saved.find("苹果；苹果树"), std::string::npos) << "UTF-8";

    TNodeList utf16;
    ASSERT_TRUE(utf16.LoadFromFile(Fixture("utf16_comma_date_history.dat")));
    TNodeObj record;
    record.Node = utf16.GetNode(0);
    EXPECT_EQ(record.ReadString("TMSTR", ""), "WL3 第1组");
    EXPECT_EQ(record.ReadFloat("TD", 0), 45678.75);
}

TEST(NodeFiles, FileOfAnotherProgramWithLineBreaksAndIndentation)
{
    TNodeList list;
    ASSERT_TRUE(list.LoadFromFile(Fixture("crlf_indented_words.dat")));
    ASSERT_EQ(list.Count(), 3);
    TNodeObj word;
    word.Node = list.GetNode(2);
    EXPECT_EQ(word.ReadString("e", ""), "run");
}

TEST(NodeFiles, NestedEntityDefinitionsAreNeverExpanded)
{
    const auto start = std::chrono::steady_clock::now();
    TNodeList list;
    ASSERT_TRUE(list.LoadFromFile(Fixture("billion_laughs_words.dat")));
    TNodeObj word;
    word.Node = list.GetNode(0);
    EXPECT_EQ(word.ReadString("E", ""), "&lol9;");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(NodeFiles, AnyUnicodeSurvivesLoadAndSave)
{
    const std::string texts[] = {
        "ˈkʌlə ðə θɪŋ ʒ ŋ",
        "n. 苹果；镕 𠀀 (U+20000)",
        "emoji 😀 and é, ß, Ω",
        "quotes \" ' & < > and a tab\there",
        "line\nbreak",
        "",
    };
    TTempFolder folder;
    TNodeList list("PACKAGE");
    for (const std::string& text : texts) {
        TNodeObj record;
        record.Node = NewElement("ITEM");
        record.WriteString("E", text);
        record.WriteString("ESEN", text);
        list.AddItem(record);
    }
    ASSERT_TRUE(list.SaveToFile(folder.File("a.dat")));
    TNodeList loaded;
    ASSERT_TRUE(loaded.LoadFromFile(folder.File("a.dat")));
    for (std::int32_t i = 0; i < loaded.Count(); ++i) {
        TNodeObj record;
        record.Node = loaded.GetNode(i);
        EXPECT_EQ(record.ReadString("E", "?"), texts[i]);
        EXPECT_EQ(record.ReadString("ESEN", "?"), texts[i]);
    }
    ASSERT_TRUE(loaded.SaveToFile(folder.File("b.dat")));
    EXPECT_EQ(ReadBytes(folder.File("a.dat")), ReadBytes(folder.File("b.dat")));
}

namespace {

class TCountingNode : public TNodeObj {
public:
    void BeforeSave() override { ++Flushes; }
    void AfterLoad() override { ++Loads; }
    int Flushes = 0;
    int Loads = 0;
};

}  // namespace

TEST(NodeAssign, CopiesDeeplyAndRunsTheHooks)
{
    TCountingNode source;
    source.Node = ParsedRoot(R"(<PACKAGE><ITEM N="1"/></PACKAGE>)");
    TCountingNode copy;
    copy.Assign(source, true);
    EXPECT_EQ(source.Flushes, 1);
    EXPECT_EQ(copy.Loads, 1);
    TNodeObj item;
    item.Node = TXmlElement{copy.Node.Document, copy.Node.Element.first_child()};
    item.WriteInteger("N", 2);
    EXPECT_EQ(SerializeElement(source.Node), R"(<PACKAGE><ITEM N="1"/></PACKAGE>)");

    auto owned = std::make_unique<TCountingNode>();
    owned->Node = NewElement("X");
    copy.Assign(std::move(owned), false);
    EXPECT_EQ(SerializeElement(copy.Node), "<X/>");
    EXPECT_EQ(copy.Loads, 2);
}

TEST(NodeAssign, LoadFromXmlReplacesTheNodeOnlyWhenWellFormed)
{
    TCountingNode node;
    EXPECT_TRUE(node.LoadFromXml("<A B=\"1\"/>"));
    EXPECT_FALSE(node.LoadFromXml("<A"));
    EXPECT_EQ(SerializeElement(node.Node), R"(<A B="1"/>)");
    EXPECT_EQ(node.Loads, 0);
    EXPECT_EQ(node.FileName, "");
}

TEST(AtomicWrite, ReplacesTheWholeFile)
{
    TTempFolder folder;
    ASSERT_TRUE(WriteFileAtomically(folder.File("f"), "a much longer first content"));
    ASSERT_TRUE(WriteFileAtomically(folder.File("f"), "short"));
    EXPECT_EQ(ReadBytes(folder.File("f")), "short");
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_EQ(folder.EntryCount(), 1u);
}
