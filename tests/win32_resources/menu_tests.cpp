// The menu data model and menus loaded from templates.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "command_ids.h"
#include "resource.h"

namespace {

std::string Text(HMENU menu, UINT item, UINT flags) {
  char buffer[64];
  GetMenuString(menu, item, buffer, sizeof buffer, flags);
  return buffer;
}

class Menus : public ::testing::Test {
 protected:
  void SetUp() override { win32::ResetWindowSystem(); }
};

TEST_F(Menus, LoadedMenuHasTheScriptStructure) {
  HMENU bar = LoadMenu(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_MAINMENU));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(Text(bar, 0, MF_BYPOSITION), "&File");
  EXPECT_EQ(GetMenuItemID(bar, 0), UINT(-1));  // a popup has no command
  EXPECT_EQ(GetMenuItemID(bar, 2), UINT(kIdHelp));
  EXPECT_EQ(GetMenuState(bar, 2, MF_BYPOSITION) & MF_HELP, UINT(MF_HELP));

  HMENU file = GetSubMenu(bar, 0);
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(GetMenuItemCount(file), 4);
  EXPECT_EQ(Text(file, kIdFileNew, MF_BYCOMMAND), "&New\tCtrl+N");
  EXPECT_EQ(GetMenuState(file, kIdFileOpen, MF_BYCOMMAND), UINT(MF_GRAYED));
  EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), UINT(MF_SEPARATOR));
  EXPECT_EQ(GetMenuItemID(file, 3), UINT(kIdAppExit));
  // A popup's state has MF_POPUP and its item count in the high byte.
  EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION), UINT(MF_POPUP | (4 << 8)));

  HMENU tools = GetSubMenu(bar, 1);
  EXPECT_EQ(GetMenuState(tools, ID_TOOLS_RUN, MF_BYCOMMAND), UINT(MF_CHECKED));
  HMENU more = GetSubMenu(tools, 1);
  ASSERT_NE(more, nullptr);
  // By command, the search reaches into nested popups.
  EXPECT_EQ(GetMenuState(bar, ID_TOOLS_STOP, MF_BYCOMMAND), UINT(MF_DISABLED));
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(IsMenu(file));
  EXPECT_FALSE(IsMenu(more));
}

TEST_F(Menus, LoadMenuMissFails) {
  SetLastError(0);
  EXPECT_EQ(LoadMenu(GetModuleHandle(nullptr), MAKEINTRESOURCE(9999)), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST_F(Menus, EnableAndCheckAnswerThePreviousStateOrMinusOne) {
  HMENU popup = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  AppendMenu(sub, MF_STRING, 20, "Deep");
  AppendMenu(popup, MF_STRING, 10, "One");
  AppendMenu(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub");

  EXPECT_EQ(EnableMenuItem(popup, 20, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(EnableMenuItem(popup, 20, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(EnableMenuItem(popup, 0, MF_BYPOSITION | MF_GRAYED | MF_DISABLED), MF_ENABLED);
  EXPECT_EQ(GetMenuState(popup, 0, MF_BYPOSITION), UINT(MF_GRAYED | MF_DISABLED));
  EXPECT_EQ(EnableMenuItem(popup, 99, MF_BYCOMMAND | MF_GRAYED), -1);
  EXPECT_EQ(EnableMenuItem(popup, 7, MF_BYPOSITION | MF_GRAYED), -1);

  EXPECT_EQ(CheckMenuItem(popup, 10, MF_BYCOMMAND | MF_CHECKED), DWORD(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(popup, 10, MF_BYCOMMAND | MF_UNCHECKED), DWORD(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(popup, 99, MF_BYCOMMAND | MF_CHECKED), DWORD(-1));
  DestroyMenu(popup);
}

TEST_F(Menus, InsertModifyRemoveAndDelete) {
  HMENU menu = CreateMenu();
  AppendMenu(menu, MF_STRING, 1, "A");
  AppendMenu(menu, MF_STRING, 3, "C");
  InsertMenu(menu, 3, MF_BYCOMMAND | MF_STRING, 2, "B");                 // before the item with id 3
  InsertMenu(menu, UINT(-1), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);  // appends
  ASSERT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(Text(menu, 1, MF_BYPOSITION), "B");
  EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION), UINT(MF_SEPARATOR));
  EXPECT_FALSE(InsertMenu(menu, 77, MF_BYCOMMAND, 5, "X"));

  EXPECT_TRUE(ModifyMenu(menu, 2, MF_BYCOMMAND | MF_STRING | MF_GRAYED, 22, "Bee"));
  EXPECT_EQ(Text(menu, 22, MF_BYCOMMAND), "Bee");
  EXPECT_EQ(GetMenuState(menu, 22, MF_BYCOMMAND), UINT(MF_GRAYED));

  HMENU kept = CreatePopupMenu();
  HMENU dropped = CreatePopupMenu();
  AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "Kept");
  AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(dropped), "Dropped");
  EXPECT_TRUE(RemoveMenu(menu, 4, MF_BYPOSITION));  // leaves the submenu alive
  EXPECT_TRUE(IsMenu(kept));
  EXPECT_TRUE(DeleteMenu(menu, 4, MF_BYPOSITION));  // destroys it
  EXPECT_FALSE(IsMenu(dropped));
  EXPECT_FALSE(DeleteMenu(menu, 4, MF_BYPOSITION));
  EXPECT_EQ(GetMenuItemCount(menu), 4);
  DestroyMenu(kept);
  DestroyMenu(menu);
}

TEST_F(Menus, ItemInfoRoundTripAndStringLengths) {
  HMENU menu = CreatePopupMenu();
  MENUITEMINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_FTYPE;
  info.fType = MFT_RADIOCHECK;
  info.fState = MFS_CHECKED | MFS_DEFAULT;
  info.wID = 42;
  info.dwItemData = 0xABCD;
  char text[] = "Answer";
  info.dwTypeData = text;
  ASSERT_TRUE(InsertMenuItem(menu, 0, TRUE, &info));

  MENUITEMINFO out{};
  out.cbSize = sizeof out;
  out.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfo(menu, 42, FALSE, &out));
  EXPECT_EQ(out.cch, 6u);  // no buffer: the length
  EXPECT_EQ(out.wID, 42u);
  EXPECT_EQ(out.fType, UINT(MFT_RADIOCHECK));
  EXPECT_EQ(out.fState, UINT(MFS_CHECKED | MFS_DEFAULT));
  EXPECT_EQ(out.dwItemData, 0xABCDu);
  char small[4];
  out.dwTypeData = small;
  out.cch = sizeof small;
  ASSERT_TRUE(GetMenuItemInfo(menu, 0, TRUE, &out));
  EXPECT_STREQ(small, "Ans");
  EXPECT_EQ(out.cch, 3u);

  EXPECT_EQ(GetMenuString(menu, 42, nullptr, 0, MF_BYCOMMAND), 6);
  EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), 42u);
  EXPECT_TRUE(SetMenuDefaultItem(menu, UINT(-1), FALSE));
  EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), UINT(-1));
  out.cbSize = 0;
  EXPECT_FALSE(GetMenuItemInfo(menu, 0, TRUE, &out));
  DestroyMenu(menu);
}

TEST_F(Menus, RadioItemsInARange) {
  HMENU menu = CreatePopupMenu();
  for (UINT id = 100; id < 104; ++id) AppendMenu(menu, MF_STRING, id, "r");
  CheckMenuItem(menu, 100, MF_CHECKED);
  EXPECT_TRUE(CheckMenuRadioItem(menu, 100, 102, 101, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuState(menu, 100, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(GetMenuState(menu, 101, MF_BYCOMMAND), UINT(MF_CHECKED | MFT_RADIOCHECK));
  EXPECT_TRUE(CheckMenuRadioItem(menu, 0, 3, 3, MF_BYPOSITION));
  EXPECT_EQ(GetMenuState(menu, 101, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_FALSE(CheckMenuRadioItem(menu, 100, 102, 103, MF_BYCOMMAND));
  DestroyMenu(menu);
}

TEST_F(Menus, StaleAndInvalidHandlesFailQuietly) {
  HMENU menu = CreateMenu();
  AppendMenu(menu, MF_STRING, 1, "x");
  ASSERT_TRUE(DestroyMenu(menu));
  EXPECT_FALSE(DestroyMenu(menu));
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_FALSE(AppendMenu(menu, MF_STRING, 2, "y"));
  EXPECT_EQ(GetMenuItemCount(menu), -1);
  EXPECT_EQ(GetMenuItemID(menu, 0), UINT(-1));
  EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION), UINT(-1));
  EXPECT_EQ(EnableMenuItem(menu, 1, MF_GRAYED), -1);
  EXPECT_EQ(GetMenuString(menu, 1, nullptr, 0, MF_BYCOMMAND), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_MENU_HANDLE));
  EXPECT_FALSE(IsMenu(nullptr));
  // A new menu never takes the old handle's value.
  EXPECT_NE(CreateMenu(), menu);
}

TEST_F(Menus, ExtendedTemplateThroughLoadMenuIndirect) {
  // MENUEX: header (version 1, offset 4, help id), then one popup with one item.
  alignas(4) const WORD words[] = {
      1, 4, 0, 0,                           // header
      0, 0, 0, 0, 7, 0, 0x81, 'P', 0,   0,  // popup (and last): type, state, id 7, flags, "P"; pad
      0, 0,                                 // popup help id
      0, 0, 8, 0, 9, 0, 0x80, 'I', 't', 0,  // item: state MFS_CHECKED, id 9, last, "It"
  };
  HMENU menu = LoadMenuIndirect(words);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  HMENU popup = GetSubMenu(menu, 0);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(Text(popup, 9, MF_BYCOMMAND), "It");
  EXPECT_EQ(GetMenuState(popup, 9, MF_BYCOMMAND), UINT(MF_CHECKED));
  DestroyMenu(menu);
}

}  // namespace
