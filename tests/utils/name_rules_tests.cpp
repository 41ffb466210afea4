// The name rules of objects, attributes and connector properties, and the
// text classifiers.
#include <gtest/gtest.h>

#include <string>

#include "UtilFunc.h"

namespace {

BOOL ObjectName(const std::string& name, CString* msg = nullptr) {
  return CUtilFunc::ValidateName(HvObjBusObj, name.c_str(), FALSE, msg);
}

TEST(NameRules, ObjectNamesOfLettersDigitsUnderscoresAndHyphensPass) {
  for (const char* name : {"Customer", "_Order", "SAP_Order-2", "a", "Z9", "Order_Line-Item"}) {
    EXPECT_TRUE(ObjectName(name)) << name;
    EXPECT_TRUE(CUtilFunc::ValidateName(HvObjConnector, name, FALSE, nullptr)) << name;
  }
}

TEST(NameRules, ObjectNamesRefusedNameTheFault) {
  struct Case {
    const char* name;
    const char* fault;
  };
  for (const Case& c : {Case{"9Lives", "must begin with a letter"}, Case{"-dash", "must begin with a letter"},
                        Case{"Sales Order", "\" \""}, Case{"Order.Line", "\".\""}, Case{"A/B", "\"/\""},
                        Case{"Caf\xC3\xA9", "\"\xC3\xA9\""}, Case{"\xC3\xA9t\xC3\xA9", "must begin"}}) {
    CString msg;
    EXPECT_FALSE(ObjectName(c.name, &msg)) << c.name;
    EXPECT_NE(-1, msg.Find(c.fault)) << c.name << ": " << msg.GetString();
  }
}

TEST(NameRules, ThePlainTypeNumbersCallersPassAreTheTypes) {
  CString msg;
  EXPECT_FALSE(CUtilFunc::ValidateName(17, "Sales Order", FALSE, &msg));
  EXPECT_NE(-1, msg.Find("\" \""));
  EXPECT_TRUE(CUtilFunc::ValidateName(20, "SAP_Connector", FALSE, nullptr));
}

TEST(NameRules, EmptyNamesPassForCallersToReportThemselves) {
  EXPECT_TRUE(ObjectName(""));
  EXPECT_TRUE(CUtilFunc::ValidateName(HvObjConnector, nullptr, FALSE, nullptr));
  EXPECT_TRUE(CUtilFunc::ValidateBOAttribute(""));
}

TEST(NameRules, LengthLimitIs255BytesCountingMultiByteCharactersAsBytes) {
  EXPECT_TRUE(ObjectName(std::string(255, 'a')));
  CString msg;
  EXPECT_FALSE(ObjectName(std::string(256, 'a'), &msg));
  EXPECT_NE(-1, msg.Find("255"));
  // 81 characters are fine here: the dialogs and the validator keep their
  // own 80-character limit with their own messages.
  EXPECT_TRUE(ObjectName(std::string(81, 'b')));
  EXPECT_FALSE(CUtilFunc::ValidateConnectorPropertyName(std::string(256, 'p').c_str()));
}

TEST(NameRules, AMessageGoesToTheOutputAndLeavesItUntouchedOnSuccess) {
  CString msg = "before";
  EXPECT_TRUE(ObjectName("Good", &msg));
  EXPECT_EQ(CString("before"), msg);
  EXPECT_FALSE(ObjectName("Bad Name", &msg));
  EXPECT_NE(CString("before"), msg);
}

TEST(NameRules, AttributesFollowTheObjectRule) {
  EXPECT_TRUE(CUtilFunc::ValidateBOAttribute("ObjectEventId"));
  EXPECT_TRUE(CUtilFunc::ValidateBOAttribute("first-name_2"));
  CString msg;
  EXPECT_FALSE(CUtilFunc::ValidateBOAttribute("first name", FALSE, &msg));
  EXPECT_NE(-1, msg.Find("attribute name"));
  EXPECT_FALSE(CUtilFunc::ValidateBOAttribute("1st"));
}

TEST(NameRules, PropertyNamesAllowDotsAndSingleInnerBlanks) {
  for (const char* name : {"ApplicationName", "Use Default Properties", "jms.factory", "A-B_C"}) {
    EXPECT_TRUE(CUtilFunc::ValidateConnectorPropertyName(name, 0, nullptr)) << name;
  }
  for (const char* name : {"Key=Value", "Trailing ", "Two  Blanks", " Leading", "[Section]", ".dot", "Caf\xC3\xA9"}) {
    EXPECT_FALSE(CUtilFunc::ValidateConnectorPropertyName(name, 0, nullptr)) << name;
  }
}

TEST(NameRules, EveryValidObjectNameIsAlsoAValidXmlName) {
  for (const char* name : {"Customer", "_Order", "SAP_Order-2"}) {
    ASSERT_TRUE(ObjectName(name));
    EXPECT_FALSE(CUtilFunc::IsValidXmlName(name)) << name;
  }
}

TEST(XmlNames, NonZeroMeansNotAValidElementName) {
  for (const char* name : {"Customer", "_a", "a.b-c", "\xC3\xA9l\xC3\xA9ment", "x\xC2\xB7y", "\xE4\xB8\xAD"}) {
    EXPECT_FALSE(CUtilFunc::IsValidXmlName(name)) << name;
  }
  for (const char* name : {"", "1a", "-a", ".a", "a b", "ns:a", "a<b", "\xC3\x28", "\xC0\xAF", "a\xC2\xB7\xFF"}) {
    EXPECT_TRUE(CUtilFunc::IsValidXmlName(name)) << name;
  }
  EXPECT_TRUE(CUtilFunc::IsValidXmlName(nullptr));
}

TEST(Classifiers, AlphanumericAcceptsLettersDigitsAndUnderscore) {
  EXPECT_TRUE(CUtilFunc::IsAlphanumeric("Order_2"));
  EXPECT_TRUE(CUtilFunc::IsAlphanumeric("9"));
  EXPECT_FALSE(CUtilFunc::IsAlphanumeric(""));
  EXPECT_FALSE(CUtilFunc::IsAlphanumeric(nullptr));
  EXPECT_FALSE(CUtilFunc::IsAlphanumeric("a-b"));
  EXPECT_FALSE(CUtilFunc::IsAlphanumeric("a b"));
  EXPECT_FALSE(CUtilFunc::IsAlphanumeric("\xC3\xA9"));
}

TEST(Classifiers, NameAlphanumericIsLettersAndDigitsOnly) {
  EXPECT_TRUE(CUtilFunc::is_name_alphanumeric("Set42"));
  EXPECT_FALSE(CUtilFunc::is_name_alphanumeric("Set_42"));
  EXPECT_FALSE(CUtilFunc::is_name_alphanumeric(""));
  EXPECT_FALSE(CUtilFunc::is_name_alphanumeric(" Set"));
}

TEST(Classifiers, AllDigitsRefusesSignsBlanksAndTheEmptyText) {
  EXPECT_TRUE(CUtilFunc::is_all_digits("0"));
  EXPECT_TRUE(CUtilFunc::is_all_digits("2147483648"));
  for (const char* text : {"", "-1", "+1", "1 ", "1.5", "\xD9\xA1"}) {
    EXPECT_FALSE(CUtilFunc::is_all_digits(text)) << text;
  }
}

TEST(Classifiers, TransactionLevelNamesGiveCodesTwoToFive) {
  EXPECT_EQ(2, CUtilFunc::isolation_str2int("None"));
  EXPECT_EQ(3, CUtilFunc::isolation_str2int("Minimal Effort"));
  EXPECT_EQ(4, CUtilFunc::isolation_str2int(" best effort "));
  EXPECT_EQ(5, CUtilFunc::isolation_str2int("STRINGENT"));
  EXPECT_EQ(2, CUtilFunc::isolation_str2int("Bestish"));
  EXPECT_EQ(2, CUtilFunc::isolation_str2int(""));
  EXPECT_EQ(2, CUtilFunc::isolation_str2int(nullptr));
}

}  // namespace
