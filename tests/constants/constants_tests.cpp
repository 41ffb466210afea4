// The shared constants: type names by code, the two message tables and the
// name lookup that ignores case.
#include <Constants.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const CString& text) { return static_cast<LPCTSTR>(text); }

TEST(ConstantsTest, TypeCodesOutsideTheTableShowInvalidType) {
  EXPECT_EQ(Text(GetTypeName(0)), "Object");
  EXPECT_EQ(Text(GetTypeName(5)), "String");
  EXPECT_EQ(Text(GetTypeName(10)), "File");
  for (int code : {11, 12, 1000, -1, -50}) EXPECT_EQ(Text(GetTypeName(code)), "Invalid type") << code;
  EXPECT_EQ(Text(g_strTransLevels[HV_TRANS_LEVEL_COUNT - 1]), "Stringent");
  EXPECT_EQ(Text(g_strClipboardFormat), "CF_QROBJ");
  EXPECT_TRUE(g_strBOSchemaNamespace.Right(15) == "/2002/BOSchema/");
}

TEST(ConstantsTest, LookupsOfCodesWithoutTextAnswerUnknownError) {
  for (DWORD code : {0u, 12u, 24u, 26u, 0xFFFFFFFFu}) {
    EXPECT_EQ(Text(g_impExpErrors.GetMessage(code)), "Unknown error.") << code;
  }
  EXPECT_EQ(Text(g_agentErrors.GetMessage(0)), "Unknown error.");
  EXPECT_EQ(Text(g_agentErrors.GetMessage(11)), "Unknown error.");
  EXPECT_EQ(Text(g_impExpErrors.GetMessage(25)), "A business object with this name already exists");
  EXPECT_EQ(Text(g_impExpErrors.GetMessage(2)), "Line %d: No repository copy version available");
  EXPECT_EQ(Text(g_agentErrors.GetMessage(0x0FFFFFFE)), "Unexpected error");
  // Code 10 comes before 9 in the table; each finds its own text.
  EXPECT_EQ(Text(g_agentErrors.GetMessage(9)).rfind("The ZTA wizard failed to request", 0), 0u);
  EXPECT_EQ(Text(g_agentErrors.GetMessage(10)), "The ZTA wizard failed to retrieved the %s content");
}

TEST(ConstantsTest, TheFirstEntryOfACodeWins) {
  CErrorMessageTable table;
  table.Add(3, "first");
  table.Add(3, "second");
  EXPECT_EQ(Text(table.GetMessage(3)), "first");
}

TEST(ConstantsTest, FindNoCaseFoldsAsciiOnlyAndHonoursTheStart) {
  CStringList names;
  names.AddTail("Customer");
  names.AddTail("order");
  names.AddTail("Ärger");
  names.AddTail("ORDER");
  POSITION first = FindNoCase(names, "ORDER");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Text(names.GetAt(first)), "order");
  // From a position on: that element counts, earlier ones do not.
  EXPECT_EQ(FindNoCase(names, "order", first), first);
  POSITION after = first;
  names.GetNext(after);
  POSITION second = FindNoCase(names, "Order", after);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Text(names.GetAt(second)), "ORDER");
  EXPECT_EQ(FindNoCase(names, "customer"), names.GetHeadPosition());
  // UTF-8 bytes are compared as they are: no fold of non-ASCII letters.
  EXPECT_NE(FindNoCase(names, "Ärger"), nullptr);
  EXPECT_EQ(FindNoCase(names, "äRGER"), nullptr);
  EXPECT_EQ(FindNoCase(names, "Order "), nullptr);
  EXPECT_EQ(FindNoCase(names, nullptr), nullptr);
  EXPECT_EQ(FindNoCase(CStringList(), "x"), nullptr);
}

}  // namespace
