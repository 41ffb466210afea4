// Statements: dialogs and their default styles, menus, strings,
// accelerators, files.
#include <gtest/gtest.h>

#include "internal/res_templates.h"
#include "rc_runner.h"

namespace {

using win32::internal::DialogTemplate;

constexpr DWORD kChild = 0x40000000 | 0x10000000;  // WS_CHILD | WS_VISIBLE
constexpr DWORD kTabStop = 0x00010000, kGroup = 0x00020000, kBorder = 0x00800000;

DialogTemplate ParseDialog(const CompileResult& r, const std::string& name) {
  const auto& bytes = r.Get("#5", name);
  DialogTemplate d;
  EXPECT_TRUE(win32::internal::ParseDialogTemplate(bytes.data(), bytes.size(), d));
  return d;
}

TEST(Dialogs, DefaultStylesOfEveryControlStatement) {
  CompileResult r = Compile(R"(#include <windows.h>
1 DIALOG 0, 0, 100, 100
BEGIN
    LTEXT "l", 1, 0, 0, 1, 1
    RTEXT "r", 2, 0, 0, 1, 1
    CTEXT "c", 3, 0, 0, 1, 1
    EDITTEXT 4, 0, 0, 1, 1
    PUSHBUTTON "p", 5, 0, 0, 1, 1
    DEFPUSHBUTTON "d", 6, 0, 0, 1, 1
    CHECKBOX "c", 7, 0, 0, 1, 1
    AUTOCHECKBOX "a", 8, 0, 0, 1, 1
    STATE3 "s", 9, 0, 0, 1, 1
    AUTO3STATE "a3", 10, 0, 0, 1, 1
    RADIOBUTTON "r", 11, 0, 0, 1, 1
    AUTORADIOBUTTON "ar", 12, 0, 0, 1, 1
    GROUPBOX "g", 13, 0, 0, 1, 1
    LISTBOX 14, 0, 0, 1, 1
    COMBOBOX 15, 0, 0, 1, 1
    SCROLLBAR 16, 0, 0, 1, 1
    ICON 128, 17, 0, 0
    CONTROL "x", 18, "button", BS_AUTOCHECKBOX, 0, 0, 1, 1
    PUSHBUTTON "n", 19, 0, 0, 1, 1, NOT WS_TABSTOP | WS_GROUP
    EDITTEXT 20, 0, 0, 1, 1, ES_MULTILINE | NOT WS_BORDER | NOT WS_VISIBLE
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  DialogTemplate d = ParseDialog(r, "#1");
  EXPECT_EQ(d.style, 0x80000000u | kBorder | 0x00080000u);  // WS_POPUP | WS_BORDER | WS_SYSMENU
  const DWORD expected[] = {
      kChild | 0x0 | kGroup,
      kChild | 0x2 | kGroup,
      kChild | 0x1 | kGroup,
      kChild | kBorder | kTabStop,
      kChild | 0x0 | kTabStop,
      kChild | 0x1 | kTabStop,
      kChild | 0x2 | kTabStop,
      kChild | 0x3 | kTabStop,
      kChild | 0x5 | kTabStop,
      kChild | 0x6 | kTabStop,
      kChild | 0x4 | kTabStop,
      kChild | 0x9 | kTabStop,
      kChild | 0x7,
      kChild | 0x1 | kBorder,
      kChild | 0x1 | kTabStop,
      kChild | 0x0,
      kChild | 0x3,
      kChild | 0x3,
      kChild | kGroup,
      0x40000000 | kTabStop | 0x4,
  };
  const char* classes[] = {"Static",   "Static",    "Static", "Edit",   "Button", "Button", "Button",
                           "Button",   "Button",    "Button", "Button", "Button", "Button", "ListBox",
                           "ComboBox", "ScrollBar", "Static", "Button", "Button", "Edit"};
  ASSERT_EQ(d.items.size(), std::size(expected));
  for (size_t i = 0; i < d.items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(d.items[i].style, expected[i]);
    EXPECT_EQ(d.items[i].className, classes[i]);
    EXPECT_EQ(d.items[i].id, i + 1);
  }
  EXPECT_TRUE(d.items[16].title.isOrdinal);
  EXPECT_EQ(d.items[16].title.ordinal, 128);
}

TEST(Dialogs, AComboBoxsKindIsChosenNotAddedToTheDefault) {
  CompileResult r = Compile(R"(#include <windows.h>
1 DIALOG 0, 0, 10, 10
BEGIN
    COMBOBOX 1, 0, 0, 1, 1, CBS_DROPDOWN | WS_VSCROLL
    COMBOBOX 2, 0, 0, 1, 1, CBS_DROPDOWNLIST
    COMBOBOX 3, 0, 0, 1, 1, WS_VSCROLL
    COMBOBOX 4, 0, 0, 1, 1, CBS_SIMPLE | CBS_SORT
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  DialogTemplate d = ParseDialog(r, "#1");
  ASSERT_EQ(d.items.size(), 4u);
  const DWORD vscroll = 0x00200000;
  EXPECT_EQ(d.items[0].style, kChild | kTabStop | vscroll | 0x2);
  EXPECT_EQ(d.items[1].style, kChild | kTabStop | 0x3);
  EXPECT_EQ(d.items[2].style, kChild | kTabStop | vscroll | 0x1) << "no kind named: the default simple box";
  EXPECT_EQ(d.items[3].style, kChild | kTabStop | 0x100 | 0x1);
}

TEST(Dialogs, CaptionAndFontAddTheirStyles) {
  CompileResult r = Compile(R"(#include <windows.h>
IDD_NAMED DIALOGEX 1, 2, 3, 4
CAPTION "Hi"
FONT 9, "Tahoma"
CLASS "MyDialogClass"
BEGIN
END
2 DIALOG 0, 0, 1, 1
STYLE WS_CHILD | DS_CONTROL
BEGIN
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  DialogTemplate named = ParseDialog(r, "IDD_NAMED");  // an undefined name is a string name
  EXPECT_EQ(named.style, 0x80000000u | kBorder | 0x00080000u | 0x00C00000u | 0x40u);
  EXPECT_EQ(named.caption, "Hi");
  EXPECT_EQ(named.pointSize, 9);
  EXPECT_EQ(named.charset, 1);  // DEFAULT_CHARSET when not given
  EXPECT_EQ(named.windowClass.text, "MyDialogClass");
  EXPECT_TRUE(named.isEx);
  EXPECT_EQ(ParseDialog(r, "#2").style, 0x40000000u | 0x0400u);
}

TEST(Strings, EscapesAndBlocks) {
  CompileResult r = Compile(R"(STRINGTABLE
BEGIN
    1 "a\tb\nc"
    2 "say ""hi"" \"there\""
    3 "back\\slash \x41\101 end"
    40 "block three"
END
STRINGTABLE
BEGIN
    4 "merged into the first block"
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  auto strings = r.Strings();
  EXPECT_EQ(strings[1], "a\tb\nc");
  EXPECT_EQ(strings[2], "say \"hi\" \"there\"");
  EXPECT_EQ(strings[3], "back\\slash AA end");
  EXPECT_EQ(strings[4], "merged into the first block");
  EXPECT_EQ(strings[40], "block three");
  // Block ids are id / 16 + 1; every block holds 16 entries.
  EXPECT_EQ(r.Get("#6", "#1").size(), 2u * 16 + 2u * (5 + 16 + 17 + 27));
  EXPECT_FALSE(r.Get("#6", "#3").empty());
}

TEST(Menus, ClassicTemplateBytes) {
  CompileResult r = Compile(R"(1 MENU
BEGIN
    POPUP "F"
    BEGIN
        MENUITEM "A", 10, GRAYED
        MENUITEM SEPARATOR
    END
    MENUITEM "B", 11, CHECKED, MENUBREAK
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  const std::vector<uint8_t> expected = {
      0,    0, 0,   0,                // header
      0x10, 0, 'F', 0, 0,   0,        // MF_POPUP "F"
      0x01, 0, 10,  0, 'A', 0, 0, 0,  // MF_GRAYED, id 10, "A"
      0x80, 0, 0,   0, 0,   0,        // separator: MF_END, id 0, ""
      0xC8, 0, 11,  0, 'B', 0, 0, 0,  // MF_END | MF_MENUBREAK | MF_CHECKED, id 11, "B"
  };
  EXPECT_EQ(r.Get("#4", "#1"), expected);
}

TEST(Accelerators, EntryBytes) {
  CompileResult r = Compile(R"(#include <windows.h>
1 ACCELERATORS
BEGIN
    "^C", 100
    "x", 101, VIRTKEY, ALT, SHIFT
    VK_F5, 102, VIRTKEY, CONTROL, NOINVERT
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  const std::vector<uint8_t> expected = {
      0x00, 0, 3,    0, 100, 0, 0, 0,  // ASCII control-C
      0x15, 0, 'X',  0, 101, 0, 0, 0,  // VIRTKEY | SHIFT | ALT, the capital letter
      0x8B, 0, 0x74, 0, 102, 0, 0, 0,  // last | VIRTKEY | NOINVERT | CONTROL
  };
  EXPECT_EQ(r.Get("#9", "#1"), expected);
}

TEST(Files, BitmapsAndCustomTypesResolvePathsWithoutCase) {
  std::string bmp = "BM" + std::string(12, '\0') + "DIBDATA";
  CompileResult r =
      Compile("1 BITMAP \"Res\\\\PIC.bmp\"\n174 AVI \"res/clip.avi\"\n2 RCDATA BEGIN 1, 2L, \"ab\", L\"c\" END\n",
              {{"res/pic.bmp", bmp}, {"res/clip.avi", "RIFF"}});
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  EXPECT_EQ(r.Get("#2", "#1"), (std::vector<uint8_t>{'D', 'I', 'B', 'D', 'A', 'T', 'A'}));
  EXPECT_EQ(r.Get("AVI", "#174"), (std::vector<uint8_t>{'R', 'I', 'F', 'F'}));
  EXPECT_EQ(r.Get("#10", "#2"), (std::vector<uint8_t>{1, 0, 2, 0, 0, 0, 'a', 'b', 'c', 0}));
  EXPECT_NE(r.depfile.find("pic.bmp"), std::string::npos);
  EXPECT_NE(r.depfile.find("clip.avi"), std::string::npos);
}

TEST(Files, SkippedEditorBlocksAndToolbars) {
  CompileResult r = Compile(R"(1 TEXTINCLUDE
BEGIN
    "resource.h\0"
END
GUIDELINES DESIGNINFO
BEGIN
    1, DIALOG
    BEGIN
        LEFTMARGIN, 7
    END
END
5 TOOLBAR 16, 15
BEGIN
    BUTTON 100
    SEPARATOR
END
)");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_EQ(r.resources.size(), 1u);
  EXPECT_EQ(r.Get("#241", "#5"), (std::vector<uint8_t>{1, 0, 16, 0, 15, 0, 2, 0, 100, 0, 0, 0}));
}

}  // namespace
