// The compiler's preprocessor, encodings and error reports.
#include <gtest/gtest.h>

#include "rc_runner.h"
#include "commctrl.h"
#include "windows.h"

namespace {

TEST(Preprocessor, DefinesConditionsAndExpressions) {
  CompileResult r = Compile(R"(
#define BASE 0x10
#define SHIFTED (1 << 3)
#define COMBINED (BASE | SHIFTED) + 2  /* 26 */
#define TWICE(x) ((x) * 2)
#define LONG_ONE \
    100
#if defined(BASE) && BASE > 15 && !defined(MISSING)
#define PICK 1
#elif 1
#define PICK 2
#else
#define PICK 3
#endif
#ifndef MISSING
#define NEG -(5 - 7)
#endif
STRINGTABLE
BEGIN
    COMBINED, "combined"   // 26
    PICK "pick"
    NEG "neg"
    TWICE(LONG_ONE) "twice"
    FROM_COMMAND_LINE "cli"
    ~0xFFF0 & 0xFF "not"
END
#ifdef BASE
#undef BASE
#endif
#if defined BASE || MISSING
#error "must not be reached"
#endif
)",
                            {}, "-D FROM_COMMAND_LINE=300");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  auto strings = r.Strings();
  EXPECT_EQ(strings[26], "combined");
  EXPECT_EQ(strings[1], "pick");
  EXPECT_EQ(strings[2], "neg");
  EXPECT_EQ(strings[200], "twice");
  EXPECT_EQ(strings[300], "cli");
  EXPECT_EQ(strings[15], "not");
  EXPECT_EQ(strings.size(), 6u);
}

TEST(Preprocessor, NestedHeadersAndDependencies) {
  CompileResult r = Compile("#include \"inc\\\\outer.h\"\nSTRINGTABLE BEGIN INNER_ID \"inner\" END\n",
                            {{"inc/outer.h", "#include \"Inner.H\"\n"}, {"inc/inner.h", "#define INNER_ID 7\n"}});
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  EXPECT_EQ(r.Strings()[7], "inner");
  // Includes are found relative to the including file, ignoring case.
  EXPECT_NE(r.depfile.find("inc/outer.h"), std::string::npos);
  EXPECT_NE(r.depfile.find("inc/inner.h"), std::string::npos);
}

TEST(Preprocessor, SystemHeadersComeFromTheBuiltInTable) {
  CompileResult r = Compile(R"(#include <afxres.h>
#include "windows.h"
#include "afxres.rc"
STRINGTABLE
BEGIN
    ID_FILE_NEW "new"
    ID_APP_EXIT "exit"
    ID_INDICATOR_CAPS "caps"
    AFX_IDS_IDLEMESSAGE "ready"
    ID_VIEW_STATUS_BAR "bar"
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  auto strings = r.Strings();
  EXPECT_EQ(strings[0xE100], "new");
  EXPECT_EQ(strings[0xE141], "exit");
  EXPECT_EQ(strings[0xE701], "caps");
  EXPECT_EQ(strings[0xE001], "ready");
  EXPECT_EQ(strings[0xE801], "bar");
}

// The header constants the compiler knows are the window system's own:
// each string's id is the value the script computed, its text the name.
TEST(Preprocessor, HeaderConstantsHaveTheValuesOfTheWindowSystemsHeaders) {
  CompileResult r = Compile(R"(#include <windows.h>
#include <commctrl.h>
STRINGTABLE
BEGIN
    WS_OVERLAPPEDWINDOW >> 16 "overlapped"
    TVS_HASLINES | TVS_LINESATROOT "tree"
    LVS_REPORT | LVS_SINGLESEL "list"
    VK_F13 "f13"
    SC_MOVE - 0xF000 "move"
    IDCANCEL "cancel"
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  auto strings = r.Strings();
  EXPECT_EQ(strings[WS_OVERLAPPEDWINDOW >> 16], "overlapped");
  EXPECT_EQ(strings[TVS_HASLINES | TVS_LINESATROOT], "tree");
  EXPECT_EQ(strings[LVS_REPORT | LVS_SINGLESEL], "list");
  EXPECT_EQ(strings[VK_F13], "f13");
  EXPECT_EQ(strings[SC_MOVE - 0xF000], "move");
  EXPECT_EQ(strings[IDCANCEL], "cancel");
  EXPECT_EQ(strings.size(), 6u) << "no two constants share a value";
}

TEST(Preprocessor, Windows1252ScriptsBecomeUnicode) {
  // \xE9 and \x80 are not UTF-8: the script is read as Windows-1252.
  CompileResult r = Compile("STRINGTABLE BEGIN 1 \"caf\xE9 \x80\" END\n");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  EXPECT_EQ(r.Strings()[1], "caf\xC3\xA9 \xE2\x82\xAC");
  CompileResult utf8 = Compile("STRINGTABLE BEGIN 1 \"caf\xC3\xA9\" END\n");
  EXPECT_EQ(utf8.Strings()[1], "caf\xC3\xA9");
}

struct ErrorCase {
  const char* script;
  const char* where;
  const char* message;
};

TEST(Errors, ReportFileAndLine) {
  const ErrorCase cases[] = {
      {"STRINGTABLE\nBEGIN\n  UNDEFINED_ID \"x\"\nEND\n", "script.rc(3): error:", "undefined symbol 'UNDEFINED_ID'"},
      {"#include \"nothere.h\"\n", "script.rc(1): error:", "cannot open include file"},
      {"\n#if 1\n", "script.rc", "#if without #endif"},
      {"#endif\n", "script.rc(1): error:", "#endif without #if"},
      {"STRINGTABLE BEGIN\n1 \"a\"\n1 \"b\"\nEND\n", "script.rc(3): error:", "duplicate string id 1"},
      {"1 MENU BEGIN MENUITEM \"a\", 1 END\n\n1 MENU BEGIN MENUITEM \"b\", 2 END\n",
       "script.rc(3): error:", "duplicate resource 1"},
      {"1 BITMAP \"missing.bmp\"\n", "script.rc(1): error:", "cannot find file"},
      {"\n\n1 DIALOG 0, 0, 10, 10\nBEGIN\n  WIDGET 1, 2\nEND\n", "script.rc(5): error:", "unknown control 'WIDGET'"},
      {"STRINGTABLE BEGIN 1 \"open\nEND\n", "script.rc(1): error:", "newline in string"},
      {"#error stop here\n", "script.rc(1): error:", "stop here"},
      {"1 MENU BEGIN POPUP \"x\" BEGIN END END\n", "script.rc(1): error:", "empty POPUP"},
      {"\n1 RCDATA \"\"\n", "script.rc(2): error:", "empty file name"},
      {"#include \"\"\n", "script.rc(1): error:", "empty file name"},
      {"1 RCDATA { 18446744073709551616 }\n", "script.rc(1): error:", "number '18446744073709551616' does not fit"},
      {"\n\n1 RCDATA { 0x100000000 }\n", "script.rc(3): error:", "number '0x100000000' does not fit in 32 bits"},
      {"#if 9223372036854775808\n#endif\n", "script.rc(1): error:", "does not fit in 32 bits"},
      {"1 RCDATA { 0x }\n", "script.rc(1): error:", "malformed number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    CompileResult r = Compile(c.script);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.errors.find(c.where), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
  }
}

TEST(Errors, AFolderGivenAsAFileIsNamed) {
  CompileResult r = Compile("\n1 RCDATA \"data\"\n", {{"data/inside.txt", "x"}});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.errors.find("script.rc(2): error: '"), std::string::npos) << r.errors;
  EXPECT_NE(r.errors.find("data' is a folder, not a file"), std::string::npos) << r.errors;
  r = Compile("#include \"data\"\n", {{"data/inside.txt", "x"}});
  EXPECT_NE(r.errors.find("script.rc(1): error: '"), std::string::npos) << r.errors;
  EXPECT_NE(r.errors.find("data' is a folder, not a file"), std::string::npos) << r.errors;
  r = Compile("1 RCDATA { 0xFFFFFFFF, 4294967295L }\n");
  EXPECT_EQ(r.exitCode, 0) << r.errors;
}

TEST(Errors, LinesInsideIncludedHeaders) {
  CompileResult r = Compile("#include \"bad.h\"\n", {{"bad.h", "#define OK 1\n#frobnicate\n"}});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.errors.find("bad.h(2): error: unknown directive '#frobnicate'"), std::string::npos) << r.errors;
}

}  // namespace
