// CMenu: building menus, their states, loading from resources and the
// wrappers' ownership.
#include <gtest/gtest.h>

#include "mfc/handlemap.h"
#include "mfc/menu.h"
#include "resource.h"

namespace {

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override { win32::ResetWindowSystem(); }
  void TearDown() override {
    AfxUnlockTempMaps();
    win32::ResetWindowSystem();
  }
};

TEST_F(MenuTest, BuildsItemsAndReadsThemBack) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  EXPECT_TRUE(menu.AppendMenu(MF_STRING, 100, "&Open"));
  EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR));
  EXPECT_TRUE(menu.AppendMenu(MF_STRING, 102, "E&xit"));
  EXPECT_TRUE(menu.InsertMenu(1, MF_BYPOSITION | MF_STRING, 101, "&Save"));
  ASSERT_EQ(menu.GetMenuItemCount(), 4u);
  EXPECT_EQ(menu.GetMenuItemID(0), 100u);
  EXPECT_EQ(menu.GetMenuItemID(1), 101u);
  EXPECT_EQ(menu.GetMenuItemID(2), 0u);  // separator
  CString text;
  EXPECT_EQ(menu.GetMenuString(101, text, MF_BYCOMMAND), 5);
  EXPECT_STREQ(text, "&Save");
  char buffer[4];
  EXPECT_EQ(menu.GetMenuString(3, buffer, sizeof(buffer), MF_BYPOSITION), 3);
  EXPECT_STREQ(buffer, "E&x");  // cut to the buffer

  EXPECT_TRUE(menu.ModifyMenu(101, MF_BYCOMMAND | MF_STRING, 111, "Save &As"));
  EXPECT_EQ(menu.GetMenuItemID(1), 111u);
  EXPECT_TRUE(menu.DeleteMenu(111, MF_BYCOMMAND));
  EXPECT_EQ(menu.GetMenuItemCount(), 3u);
  EXPECT_FALSE(menu.DeleteMenu(999, MF_BYCOMMAND));
  EXPECT_EQ(menu.GetMenuString(999, text, MF_BYCOMMAND), 0);
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(MenuTest, EnablesChecksAndRadioGroups) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  for (UINT id = 200; id < 204; ++id) menu.AppendMenu(MF_STRING, id, "Item");
  EXPECT_EQ(menu.EnableMenuItem(200, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(MF_ENABLED));
  EXPECT_EQ(menu.GetMenuState(200, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(menu.EnableMenuItem(0, MF_BYPOSITION | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(menu.EnableMenuItem(999, MF_BYCOMMAND | MF_GRAYED), 0xFFFFFFFFu);

  EXPECT_EQ(menu.CheckMenuItem(201, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(MF_UNCHECKED));
  EXPECT_EQ(menu.GetMenuState(201, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(menu.CheckMenuItem(201, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));

  EXPECT_TRUE(menu.CheckMenuRadioItem(201, 203, 202, MF_BYCOMMAND));
  EXPECT_EQ(menu.GetMenuState(202, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(menu.GetMenuState(203, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(menu.GetMenuState(999, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST_F(MenuTest, SubMenusComeBackAsWrappersOfThePopup) {
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 300, "&New");
  const HMENU popupHandle = popup.GetSafeHmenu();
  // The bar owns the popup from now on.
  ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), "&File"));
  bar.AppendMenu(MF_STRING, 301, "&Help");

  CMenu* sub = bar.GetSubMenu(0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->m_hMenu, popupHandle);
  EXPECT_EQ(sub->GetMenuItemID(0), 300u);
  EXPECT_EQ(bar.GetSubMenu(1), nullptr);
  EXPECT_EQ(bar.GetMenuItemID(0), 0xFFFFFFFFu);  // a popup has no id
  // The temporary wrapper goes at idle without destroying the popup.
  AfxUnlockTempMaps();
  EXPECT_TRUE(::IsMenu(popupHandle));
  // RemoveMenu gives the popup back to the caller; DeleteMenu would destroy it.
  EXPECT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
  EXPECT_TRUE(::IsMenu(popupHandle));
  CMenu regained;
  ASSERT_TRUE(regained.Attach(popupHandle));
}

TEST_F(MenuTest, DestroysWhatItOwns) {
  HMENU handle = nullptr;
  {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    handle = menu;
    EXPECT_FALSE(menu.CreatePopupMenu());  // holds one already
    EXPECT_EQ(menu.GetSafeHmenu(), handle);
  }
  EXPECT_FALSE(::IsMenu(handle));

  CMenu empty;
  EXPECT_FALSE(empty.DestroyMenu());
  EXPECT_FALSE(empty.AppendMenu(MF_STRING, 1, "x"));
  EXPECT_EQ(empty.GetMenuItemCount(), 0xFFFFFFFFu);
  EXPECT_EQ(empty.GetSubMenu(0), nullptr);
  EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);
}

TEST_F(MenuTest, LoadsFromTheResourceModule) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  ASSERT_EQ(menu.GetMenuItemCount(), 2u);
  CMenu* file = menu.GetSubMenu(0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->GetMenuItemID(0), static_cast<UINT>(ID_TEST_OPEN));
  CString text;
  file->GetMenuString(ID_TEST_OPEN, text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Open...\tCtrl+O");
  EXPECT_EQ(file->GetMenuState(ID_TEST_GREY, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));

  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(9999));
  EXPECT_EQ(missing.GetSafeHmenu(), nullptr);
}

}  // namespace
