// Dialog templates, dialog-init data and toolbar resources, as compiled from
// the test script and parsed back.
#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

#include "internal/res_store.h"
#include "internal/res_templates.h"
#include "resource.h"

namespace {

using win32::internal::DialogItem;
using win32::internal::DialogTemplate;

std::vector<BYTE> Bytes(LPCSTR type, LPCSTR name) {
  const BYTE* data = nullptr;
  size_t size = 0;
  if (!win32::internal::FindResourceBytes(nullptr, type, name, data, size)) return {};
  return std::vector<BYTE>(data, data + size);
}

DialogTemplate Parse(UINT id) {
  std::vector<BYTE> bytes = Bytes(RT_DIALOG, MAKEINTRESOURCE(id));
  DialogTemplate dialog;
  EXPECT_TRUE(win32::internal::ParseDialogTemplate(bytes.data(), bytes.size(), dialog));
  return dialog;
}

struct Expected {
  const char* className;
  DWORD id;
  DWORD style;
  const char* title;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST(DialogTemplate, ClassicDialogEveryItem) {
  DialogTemplate d = Parse(IDD_OPTIONS);
  EXPECT_FALSE(d.isEx);
  EXPECT_EQ(d.style, DWORD(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(d.caption, "Options");
  EXPECT_EQ(d.pointSize, 8);
  EXPECT_EQ(d.typeface, "MS Sans Serif");
  EXPECT_EQ(d.cx, 220);
  EXPECT_EQ(d.cy, 150);
  EXPECT_TRUE(d.menu.empty());
  EXPECT_TRUE(d.windowClass.empty());

  const Expected expected[] = {
      {"Static", 0xFFFF, kChild | SS_LEFT | WS_GROUP, "&Name:"},
      {"Edit", IDC_NAME, kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, ""},
      {"Edit", IDC_NOTES, kChild | ES_LEFT | WS_TABSTOP | ES_MULTILINE, ""},  // NOT WS_BORDER
      {"Button", IDC_VERBOSE, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, "&Verbose"},
      {"Button", IDC_QUIET, kChild | BS_CHECKBOX | WS_TABSTOP, "&Quiet"},
      {"Button", IDC_RED, kChild | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, "&Red"},
      {"Button", IDC_GREEN, kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, "&Green"},
      {"Button", IDC_BLUE, kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, "&Blue"},
      {"ComboBox", IDC_KIND, kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, ""},
      {"ListBox", IDC_ITEMS, kChild | LBS_NOTIFY | WS_BORDER | LBS_SORT | WS_VSCROLL, ""},
      {"Button", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, "OK"},
      {"Button", IDCANCEL, kChild | BS_PUSHBUTTON | WS_TABSTOP, "Cancel"},
  };
  ASSERT_EQ(d.items.size(), std::size(expected));
  for (size_t i = 0; i < d.items.size(); ++i) {
    SCOPED_TRACE(i);
    const DialogItem& item = d.items[i];
    EXPECT_EQ(item.className, expected[i].className);
    EXPECT_EQ(item.id, expected[i].id);
    EXPECT_EQ(item.style, expected[i].style);
    EXPECT_FALSE(item.title.isOrdinal);
    EXPECT_EQ(item.title.text, expected[i].title);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_TRUE(item.creationData.empty());
  }
  EXPECT_EQ(d.items[1].x, 50);
  EXPECT_EQ(d.items[1].y, 7);
  EXPECT_EQ(d.items[1].cx, 120);
  EXPECT_EQ(d.items[1].cy, 14);
  EXPECT_EQ(d.items[9].classOrdinal, 0x0083);
}

TEST(DialogTemplate, ExtendedDialogWithCustomClassIconAndUtf8) {
  DialogTemplate d = Parse(IDD_GRID);
  EXPECT_TRUE(d.isEx);
  EXPECT_EQ(d.style, DWORD(DS_SETFONT | WS_CHILD));  // STYLE replaces the default popup style
  EXPECT_EQ(d.exStyle, DWORD(WS_EX_CONTROLPARENT));
  EXPECT_EQ(d.helpId, 77u);
  EXPECT_EQ(d.x, 10);
  EXPECT_EQ(d.y, 20);
  EXPECT_EQ(d.weight, 700);
  EXPECT_EQ(d.italic, 1);
  EXPECT_EQ(d.charset, 0);
  ASSERT_TRUE(d.menu.isOrdinal);
  EXPECT_EQ(d.menu.ordinal, IDR_MAINMENU);
  EXPECT_EQ(d.caption, "");

  ASSERT_EQ(d.items.size(), 3u);
  const DialogItem& grid = d.items[0];
  EXPECT_EQ(grid.className, "GXWND");
  EXPECT_EQ(grid.classOrdinal, 0);
  EXPECT_EQ(grid.id, DWORD(IDC_GRIDCTRL));
  EXPECT_EQ(grid.style, kChild | WS_TABSTOP | WS_BORDER);
  EXPECT_EQ(grid.exStyle, DWORD(WS_EX_CLIENTEDGE));
  EXPECT_EQ(grid.helpId, 5u);

  const DialogItem& icon = d.items[1];
  EXPECT_EQ(icon.className, "Static");
  EXPECT_EQ(icon.style, kChild | SS_ICON);
  EXPECT_EQ(icon.id, 0xFFFFFFFFu);  // IDC_STATIC as a DWORD
  ASSERT_TRUE(icon.title.isOrdinal);
  EXPECT_EQ(icon.title.ordinal, IDI_APP);

  EXPECT_EQ(d.items[2].title.text, "Größe");
  EXPECT_EQ(d.items[2].style, kChild | SS_CENTER);
}

TEST(DialogTemplate, EveryTruncationFailsCleanly) {
  for (UINT id : {IDD_OPTIONS, IDD_GRID}) {
    std::vector<BYTE> bytes = Bytes(RT_DIALOG, MAKEINTRESOURCE(id));
    ASSERT_FALSE(bytes.empty());
    for (size_t size = 0; size + 1 < bytes.size(); ++size) {
      // A copy of exactly `size` bytes, so that a read past it is caught.
      std::vector<BYTE> prefix(bytes.begin(), bytes.begin() + ptrdiff_t(size));
      DialogTemplate d;
      EXPECT_FALSE(win32::internal::ParseDialogTemplate(prefix.data(), prefix.size(), d)) << size;
    }
  }
  DialogTemplate d;
  EXPECT_FALSE(win32::internal::ParseDialogTemplate(nullptr, 10, d));
}

TEST(DialogTemplate, UnknownClassOrdinalOrOversizedDataIsRejected) {
  std::vector<BYTE> bytes = Bytes(RT_DIALOG, MAKEINTRESOURCE(IDD_OPTIONS));
  DialogTemplate d;
  ASSERT_TRUE(win32::internal::ParseDialogTemplate(bytes.data(), bytes.size(), d));
  // The count of items says one more than there is.
  bytes[8] = BYTE(bytes[8] + 1);
  EXPECT_FALSE(win32::internal::ParseDialogTemplate(bytes.data(), bytes.size(), d));
}

TEST(DialogInit, ComboAndListStrings) {
  std::vector<BYTE> bytes = Bytes(RT_DLGINIT, MAKEINTRESOURCE(IDD_OPTIONS));
  std::vector<win32::internal::DlgInitEntry> entries;
  ASSERT_TRUE(win32::internal::ParseDlgInit(bytes.data(), bytes.size(), entries));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].controlId, IDC_KIND);
  EXPECT_EQ(entries[0].message, 0x0143);  // CB_ADDSTRING
  EXPECT_EQ(entries[0].text(), "Plain");
  EXPECT_EQ(entries[1].controlId, IDC_ITEMS);
  EXPECT_EQ(entries[1].message, 0x0180);  // LB_ADDSTRING
  EXPECT_EQ(entries[1].text(), "On");
  // Without the terminating 0 the data are malformed.
  bytes.resize(bytes.size() - 2);
  EXPECT_FALSE(win32::internal::ParseDlgInit(bytes.data(), bytes.size(), entries));
}

TEST(Toolbar, ButtonsAndSeparators) {
  std::vector<BYTE> bytes = Bytes(RT_TOOLBAR, MAKEINTRESOURCE(IDR_MAINFRAME));
  win32::internal::ToolbarResource toolbar;
  ASSERT_TRUE(win32::internal::ParseToolbarResource(bytes.data(), bytes.size(), toolbar));
  EXPECT_EQ(toolbar.version, 1);
  EXPECT_EQ(toolbar.width, 16);
  EXPECT_EQ(toolbar.height, 15);
  EXPECT_EQ(toolbar.ids, (std::vector<WORD>{0xE100, 0xE101, 0, 0xE140}));
  EXPECT_FALSE(win32::internal::ParseToolbarResource(bytes.data(), bytes.size() - 1, toolbar));
}

}  // namespace
