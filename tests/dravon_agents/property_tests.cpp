#include <gtest/gtest.h>

#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/XMLString.hpp>

#include <memory>

#include "AgentProperty.h"
#include "BDKAgent.h"

namespace {

AgentProperty Prop(const char* name, const char* description, const char* type,
                   std::initializer_list<const char*> values, int required, int maxValues, const char* selection) {
  CStringList list;
  for (const char* v : values) list.AddTail(v);
  return AgentProperty(name, description, type, list, required, maxValues, selection);
}

std::string TagOf(const xercesc::DOMElement* element) {
  char* text = xercesc::XMLString::transcode(element->getTagName());
  std::string out = text;
  xercesc::XMLString::release(&text);
  return out;
}

AgentPropArray Sample() {
  AgentPropArray props;
  AgentProperty& file = props.Add(Prop("Database file", "Where the data is", "10", {}, 1, 1, "1"));
  file.m_nMaxLength = 260;
  AgentProperty& mode = props.Add(Prop("Mode", "How to read <fast> & \"safe\"", "5", {"fast"}, 0, 1, "1"));
  mode.m_bIsList = 1;
  mode.m_allowedValues.AddTail("fast");
  mode.m_allowedValues.AddTail("safe");
  mode.m_strText = "kept";
  AgentProperty& password = props.Add(Prop("Password", "Log-in secret", "5", {"s3cr\xC3\xA9t"}, 1, 1, "1"));
  password.m_bSecret = 1;
  props.Add(Prop("Tables", "Tables to read", "5", {"a", "b"}, 0, 5, "N"));
  return props;
}

// Parses the text and reads every <Property> of its root into a new array.
AgentPropArray ReadBack(const char* xml) {
  CQRBDKListener listener(nullptr, 1);
  xercesc::DOMDocument* doc = listener.ParsePropData(xml);
  AgentPropArray props;
  EXPECT_NE(doc, nullptr) << xml;
  if (doc == nullptr) return props;
  EXPECT_EQ(TagOf(doc->getDocumentElement()), "AgentProperties");
  CBDKListenerDOM::Populate(doc->getDocumentElement()->getChildNodes(), &props, 1);
  return props;
}

TEST(AgentPropertyTest, CopiesAreDeepAndCompareByEveryField) {
  const AgentPropArray original = Sample();
  AgentPropArray copy = original;
  EXPECT_TRUE(copy == original);
  copy.GetAt(1)->m_allowedValues.AddTail("slow");
  EXPECT_EQ(original.GetAt(1)->m_allowedValues.GetCount(), 2) << "the copy has its own lists";
  EXPECT_FALSE(copy == original);

  const auto differs = [&](auto change) {
    AgentPropArray other = original;
    change(*other.GetAt(2));
    return other != original;
  };
  EXPECT_TRUE(differs([](AgentProperty& p) { p.SetValue("other"); }));
  EXPECT_TRUE(differs([](AgentProperty& p) { p.m_bSecret = 0; }));
  EXPECT_TRUE(differs([](AgentProperty& p) { p.m_strSelection = "N"; }));
  EXPECT_TRUE(differs([](AgentProperty& p) { p.m_defaultValues.RemoveAll(); }));
  EXPECT_TRUE(differs([](AgentProperty& p) { p.m_strText = "x"; }));

  AgentPropArray appended = original;
  appended.Add(Prop("File destination", "", "9", {}, 1, 1, "1"));
  EXPECT_EQ(appended.GetSize(), original.GetSize() + 1);
  EXPECT_NE(appended, original);
  int count = 0;
  for (const AgentProperty& p : appended) count += p.m_strName.IsEmpty() ? 0 : 1;
  EXPECT_EQ(count, 5);
  EXPECT_EQ(appended.GetAt(5), nullptr);
  EXPECT_EQ(appended.GetAt(-1), nullptr);
}

TEST(AgentPropertyTest, IncompleteListNamesRequiredPropertiesWithoutValues) {
  AgentPropArray props = Sample();
  std::unique_ptr<CStringList> missing(props.GetIncompleteProperties());
  ASSERT_NE(missing, nullptr);
  ASSERT_EQ(missing->GetCount(), 1);
  EXPECT_EQ(missing->GetHead(), "Database file");

  props.Find("Database file")->SetValue("   ");
  missing.reset(props.GetIncompleteProperties());
  ASSERT_NE(missing, nullptr) << "blanks are no value";
  props.Find("Password")->m_currentValues.RemoveAll();
  missing.reset(props.GetIncompleteProperties());
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->GetCount(), 2);

  props.Find("Database file")->SetValue("/tmp/db");
  props.Find("Password")->SetValue("x");
  EXPECT_EQ(props.GetIncompleteProperties(), nullptr);
}

TEST(AgentPropertyTest, XmlRoundTripsWithAndWithoutEncoding) {
  AgentPropArray props = Sample();
  const CString encoded = props.ToXml();
  EXPECT_EQ(encoded.Find("s3cr"), -1) << "a secret value is not written in plain text: " << encoded;
  EXPECT_NE(encoded.Find("<AgentProperties>"), -1) << encoded;
  EXPECT_NE(encoded.Find("<Property "), -1) << encoded;
  EXPECT_TRUE(ReadBack(encoded) == props);

  props.DoEncoding(0);
  const CString plain = props.ToXml();
  EXPECT_NE(plain.Find("s3cr"), -1) << plain;
  EXPECT_TRUE(ReadBack(plain) == props);
  props.DoEncoding(1);
  EXPECT_TRUE(props.IsEncoding());
}

TEST(AgentPropertyTest, PopulateReplacesKnownNamesAndAppendsNewOnes) {
  AgentPropArray source = Sample();
  source.Find("Mode")->SetValue("safe");
  CQRBDKListener listener(nullptr, 1);
  const std::string text =
      "<AgentProfile Name=\"p\">" + std::string(static_cast<const char*>(source.ToXml())) + "<Other/></AgentProfile>";
  xercesc::DOMDocument* doc = listener.ParsePropData(text.c_str());
  ASSERT_NE(doc, nullptr);
  AgentPropArray target;
  target.Add(Prop("Mode", "old", "5", {"fast"}, 0, 1, "1"));
  target.Add(Prop("Extra", "", "5", {}, 0, 1, "1"));
  xercesc::DOMElement* inner = doc->getDocumentElement()->getFirstElementChild();
  EXPECT_EQ(CBDKListenerDOM::Populate(inner->getChildNodes(), &target, 1), 4);
  EXPECT_EQ(target.GetSize(), 5);
  EXPECT_EQ(target.GetAt(0)->GetValue(), "safe");
  EXPECT_EQ(target.GetAt(1)->m_strName, "Extra") << "properties the XML does not name stay in place";
  EXPECT_EQ(CBDKListenerDOM::Populate(doc->getDocumentElement()->getChildNodes(), &target, 1), 0)
      << "only Property elements count";
  EXPECT_EQ(CBDKListenerDOM::Populate(nullptr, &target, 1), 0);
}

TEST(AgentPropertyTest, AddValuesWritesCurrentValuesIntoADocument) {
  AgentPropArray props = Sample();
  xercesc::DOMDocument* doc = props.ToDOMDocument();
  props.Find("Tables")->SetValue("orders");
  CQRBDKListener::AddValues(doc, props);
  AgentPropArray read;
  CBDKListenerDOM::Populate(doc->getDocumentElement()->getChildNodes(), &read, 1);
  doc->release();
  ASSERT_NE(read.Find("Tables"), nullptr);
  EXPECT_EQ(read.Find("Tables")->m_currentValues.GetCount(), 1);
  EXPECT_EQ(read.Find("Tables")->GetValue(), "orders");
  CQRBDKListener::AddValues(nullptr, props);
}

TEST(AgentPropertyTest, ParsingRejectsTextThatIsNotXml) {
  CQRBDKListener listener(nullptr, 1);
  EXPECT_EQ(listener.ParsePropData(nullptr), nullptr);
  EXPECT_EQ(listener.ParsePropData(""), nullptr);
  EXPECT_EQ(listener.ParsePropData("<AgentProperties><Property>"), nullptr);
  EXPECT_EQ(listener.ParsePropData("not xml at all"), nullptr);
  EXPECT_NE(listener.ParsePropData("<AgentProperties/>"), nullptr) << "the listener works after a failure";
  EXPECT_TRUE(ReadBack("<AgentProperties/>").GetSize() == 0);
}

TEST(TreeNodeTest, StartsWithTheDefaultFilter) {
  TreeNode node("Customers", "Table", true, true);
  EXPECT_STREQ(TreeNode::m_pchDefaultFilter, "*");
  EXPECT_EQ(node.m_strFilter, TreeNode::m_pchDefaultFilter);
  EXPECT_TRUE(node.m_strLastPattern.IsEmpty());
  EXPECT_EQ(node.m_nKind, TREENODE_PLAIN);
}

}  // namespace
