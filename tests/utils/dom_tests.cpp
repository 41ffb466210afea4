// The DOM wrappers: creating, parsing with error reports, navigating,
// attributes, serialising and the map documents.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "HLDOMDoc.h"

namespace {

const char kProfiles[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<AgentProfiles>\n"
    "  <AgentProfile Name=\"Caf\xC3\xA9\">\n"
    "    <Property Name=\"Host\">db &amp; more</Property>\n"
    "  </AgentProfile>\n"
    "  <Other/>\n"
    "  <AgentProfile Name=\"Second\"/>\n"
    "</AgentProfiles>\n";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DomDocument, ParsesFromMemoryAndNavigatesByName) {
  HLDOMDocBase doc;
  ASSERT_TRUE(doc.LoadFromString(kProfiles)) << doc.GetLastParseError().message.GetString();
  xercesc::DOMElement* root = doc.GetRootElement();
  EXPECT_EQ(CString("AgentProfiles"), HLDOMDocBase::GetNodeName(root));
  xercesc::DOMElement* first = HLDOMDocBase::FirstChildElement(root, "AgentProfile");
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(CString("Caf\xC3\xA9"), HLDOMDocBase::GetAttribString(first, "Name"));
  EXPECT_EQ(CString("db & more"), HLDOMDocBase::GetNodeText(HLDOMDocBase::FirstChildElement(first)));
  xercesc::DOMElement* other = HLDOMDocBase::NextSiblingElement(first);
  EXPECT_EQ(CString("Other"), HLDOMDocBase::GetNodeName(other));
  xercesc::DOMElement* second = HLDOMDocBase::NextSiblingElement(first, "AgentProfile");
  EXPECT_EQ(CString("Second"), HLDOMDocBase::GetAttribString(second, "Name"));
  EXPECT_EQ(nullptr, HLDOMDocBase::NextSiblingElement(second));
  EXPECT_EQ(CString(""), HLDOMDocBase::GetAttribString(second, "Missing"));
  EXPECT_FALSE(doc.IsModified());
}

TEST(DomDocument, NullNodesGiveEmptyAnswers) {
  EXPECT_EQ(nullptr, HLDOMDocBase::FirstChildElement(nullptr));
  EXPECT_EQ(nullptr, HLDOMDocBase::NextSiblingElement(nullptr));
  EXPECT_EQ(CString(""), HLDOMDocBase::GetAttribString(nullptr, "Name"));
  EXPECT_FALSE(HLDOMDocBase::SetAttribString(nullptr, "Name", "x"));
  EXPECT_EQ(CString(""), HLDOMDocBase::DOMToCString(static_cast<const xercesc::DOMNode*>(nullptr)));
  HLDOMDocBase empty;
  EXPECT_EQ(nullptr, empty.GetRootElement());
  EXPECT_EQ(CString(""), empty.ToString());
  EXPECT_EQ(nullptr, empty.AddElement(nullptr, "X"));
}

TEST(DomDocument, ParseErrorsTellLineColumnAndMessageAndKeepTheOldDocument) {
  HLDOMDocBase doc;
  ASSERT_TRUE(doc.LoadFromString("<Keep/>"));
  EXPECT_FALSE(doc.LoadFromString("<a>\n  <b>\n</a>"));
  const XmlParseError& error = doc.GetLastParseError();
  EXPECT_EQ(3, error.line);
  EXPECT_GT(error.column, 0);
  EXPECT_FALSE(error.message.IsEmpty());
  EXPECT_EQ(CString("Keep"), HLDOMDocBase::GetNodeName(doc.GetRootElement()));

  EXPECT_FALSE(doc.LoadFromString(""));
  EXPECT_FALSE(doc.GetLastParseError().message.IsEmpty());
  EXPECT_FALSE(doc.LoadFromMemory(nullptr, 0));
  EXPECT_FALSE(doc.LoadFromString("<a></a><b/>"));
  EXPECT_EQ(1, doc.GetLastParseError().line);
  EXPECT_TRUE(doc.LoadFromString("<a/>"));
  EXPECT_TRUE(doc.GetLastParseError().message.IsEmpty());
}

TEST(DomDocument, ExternalEntitiesAreNotFetched) {
  HLDOMDocBase doc;
  EXPECT_FALSE(doc.LoadFromString("<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>&x;</a>"));
  EXPECT_EQ(std::string::npos, doc.ToString().str().find("root:"));
}

TEST(DomDocument, CreatesAndSerialisesPrettyPrintedUtf8) {
  HLDOMDocBase doc;
  ASSERT_TRUE(doc.Create("AgentProperties"));
  xercesc::DOMElement* property = doc.AddElement(nullptr, "Property", "a < b");
  ASSERT_NE(nullptr, property);
  EXPECT_TRUE(HLDOMDocBase::SetAttribString(property, "Name", "\xC3\xA9t\xC3\xA9"));
  EXPECT_TRUE(doc.IsModified());
  CString text = doc.ToString();
  EXPECT_EQ(0, text.Find("<?xml version=\"1.0\" encoding=\"UTF-8\""));
  EXPECT_NE(-1, text.Find("\n<AgentProperties>\n  <Property Name=\"\xC3\xA9t\xC3\xA9\">a &lt; b</Property>\n"
                          "</AgentProperties>"));
  EXPECT_EQ(-1, text.Find("\r"));
  CString flat = doc.ToString(FALSE);
  EXPECT_NE(-1, flat.Find("<AgentProperties><Property"));
  CString element = HLDOMDocBase::DOMToCString(property, FALSE);
  EXPECT_EQ(CString("<Property Name=\"\xC3\xA9t\xC3\xA9\">a &lt; b</Property>"), element);
}

TEST(DomDocument, BadNamesAreRefused) {
  HLDOMDocBase doc;
  EXPECT_FALSE(doc.Create("1bad"));
  EXPECT_FALSE(doc.Create(""));
  ASSERT_TRUE(doc.Create("Root"));
  EXPECT_EQ(nullptr, doc.AddElement(nullptr, "a b"));
  EXPECT_FALSE(HLDOMDocBase::SetAttribString(doc.GetRootElement(), "a b", "x"));
}

TEST(DomDocument, SavedFilesLoadBackToTheSameTreeWithCrLfLines) {
  auto path = std::filesystem::temp_directory_path() / ("utils-dom-" + std::to_string(::getpid()) + ".xml");
  HLDOMDocBase doc;
  ASSERT_TRUE(doc.LoadFromString(kProfiles));
  doc.SetModified();
  ASSERT_TRUE(doc.SaveToFile(path.c_str()));
  EXPECT_FALSE(doc.IsModified());
  std::string bytes = ReadFile(path);
  EXPECT_NE(std::string::npos, bytes.find("<AgentProfiles>\r\n  <AgentProfile Name=\"Caf\xC3\xA9\">\r\n"));
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));

  HLDOMDocBase again;
  ASSERT_TRUE(again.LoadFromFile(path.c_str())) << again.GetLastParseError().message.GetString();
  EXPECT_EQ(doc.ToString(), again.ToString());
  std::filesystem::remove(path);
}

TEST(DomDocument, AFileThatCannotBeReadIsAClearFailure) {
  HLDOMDocBase doc;
  EXPECT_FALSE(doc.LoadFromFile("/nonexistent/folder/file.xml"));
  EXPECT_EQ(0, doc.GetLastParseError().line);
  EXPECT_NE(-1, doc.GetLastParseError().message.Find("/nonexistent/folder/file.xml"));
  EXPECT_FALSE(doc.LoadFromFile(nullptr));
  ASSERT_TRUE(doc.Create("R"));
  EXPECT_FALSE(doc.SaveToFile("/nonexistent/folder/file.xml"));
}

TEST(DomDocument, OwnershipMovesWithSetAndDetach) {
  HLDOMDocBase source, target;
  ASSERT_TRUE(source.Create("Moved"));
  xercesc::DOMDocument* raw = source.DetachDOMDocument();
  EXPECT_EQ(nullptr, source.GetDOMDocument());
  target.SetDOMDocument(raw);
  EXPECT_EQ(CString("Moved"), HLDOMDocBase::GetNodeName(target.GetRootElement()));
  target.SetDOMDocument(nullptr);
  EXPECT_EQ(nullptr, target.GetRootElement());
}

TEST(DomText, ConversionsRoundTripMultiByteText) {
  const char* text = "Caf\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80";
  DOMString wide = HLDOMDocBase::CStringToDOMString(text);
  EXPECT_EQ(9u, wide.size());  // the emoji takes two UTF-16 units
  EXPECT_EQ(CString(text), HLDOMDocBase::DOMToCString(wide.c_str()));
  EXPECT_TRUE(HLDOMDocBase::CStringToDOMString(nullptr).empty());
  EXPECT_EQ(CString(""), HLDOMDocBase::DOMToCString(static_cast<const XMLCh*>(nullptr)));
}

TEST(MapDom, EntriesAddReplaceRemoveAndKeepTheirOrder) {
  CHLMapDOM map("Settings");
  EXPECT_FALSE(map.IsModified());
  EXPECT_TRUE(map.SetValue("b", "2"));
  EXPECT_TRUE(map.SetValue("a", "1"));
  EXPECT_TRUE(map.SetValue("b", "two"));
  EXPECT_TRUE(map.IsModified());
  CString value;
  EXPECT_TRUE(map.GetValue("b", value));
  EXPECT_EQ(CString("two"), value);
  EXPECT_FALSE(map.GetValue("c", value));
  CStringArray names;
  map.GetNames(names);
  ASSERT_EQ(2, names.GetSize());
  EXPECT_EQ(CString("b"), names[0]);
  EXPECT_EQ(CString("a"), names[1]);
  EXPECT_TRUE(map.RemoveValue("b"));
  EXPECT_FALSE(map.RemoveValue("b"));
  EXPECT_FALSE(map.SetValue("", "x"));

  CHLMapDOM loaded;
  ASSERT_TRUE(loaded.LoadFromString(map.ToString()));
  EXPECT_TRUE(loaded.GetValue("a", value));
  EXPECT_EQ(CString("1"), value);
  EXPECT_EQ(CString("Settings"), HLDOMDocBase::GetNodeName(loaded.GetRootElement()));
}

}  // namespace
