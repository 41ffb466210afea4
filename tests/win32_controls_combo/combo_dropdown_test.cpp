// Combo boxes driven with the mouse and the keyboard: dropping the list,
// choosing, cancelling, the closed combo's keys, and the editable kinds.
#include "combo_fixture.h"

namespace combo_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ComboInput = ComboTest;

constexpr UINT kSelChange = CBN_SELCHANGE;
constexpr UINT kDropDown = CBN_DROPDOWN;
constexpr UINT kCloseUp = CBN_CLOSEUP;
constexpr UINT kSelEndOk = CBN_SELENDOK;
constexpr UINT kSelEndCancel = CBN_SELENDCANCEL;

TEST_F(ComboInput, MouseDropsTheListAndAClickOnAnItemChoosesIt) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 200, {"one", "two", "three"});
  HWND list = DropList(combo);
  ASSERT_NE(list, nullptr);
  Log().watchedList = list;
  SendMessage(combo, CB_SETCURSEL, 0, 0);
  Click(ButtonPoint(combo));
  ASSERT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetFocus(), combo);
  EXPECT_NE(GetActiveWindow(), list);
  // The list opens below the combo, at least as wide.
  RECT comboRect{};
  RECT listRect{};
  GetWindowRect(combo, &comboRect);
  GetWindowRect(list, &listRect);
  EXPECT_EQ(listRect.top, comboRect.bottom);
  EXPECT_EQ(listRect.left, comboRect.left);
  EXPECT_EQ(listRect.right - listRect.left, comboRect.right - comboRect.left);
  Click(ItemPoint(list, 2));
  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(combo), "three");
  EXPECT_THAT(Codes(200), ElementsAre(static_cast<UINT>(CBN_SETFOCUS), kDropDown, kSelChange, kCloseUp, kSelEndOk));
  // CBN_DROPDOWN comes before the list shows; CBN_SELCHANGE while it still does.
  EXPECT_FALSE(Log().notices[1].listVisible);
  EXPECT_TRUE(Log().notices[2].listVisible);
  EXPECT_FALSE(Log().notices[3].listVisible);
}

TEST_F(ComboInput, PressDragAndReleaseChoosesInOneGesture) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 201, {"one", "two", "three"});
  HWND list = DropList(combo);
  Press(ButtonPoint(combo));
  ASSERT_TRUE(IsWindowVisible(list));
  // Hovering only highlights: the field keeps its selection until release.
  win32::input::MouseMove(ItemPoint(list, 0));
  win32::input::MouseMove(ItemPoint(list, 1));
  Pump();
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  Release(ItemPoint(list, 1));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(ComboInput, ClickOutsideCancelsAndKeepsTheSelection) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 202, {"one", "two"});
  HWND list = DropList(combo);
  SendMessage(combo, CB_SETCURSEL, 1, 0);
  Click(ButtonPoint(combo));
  ASSERT_TRUE(IsWindowVisible(list));
  win32::input::MouseMove(ItemPoint(list, 0));
  Pump();
  ClearLog();
  Click(ScreenPoint(parent_, 300, 200));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_THAT(Codes(202), ElementsAre(kCloseUp, kSelEndCancel));
  // A press on the combo's own button while open closes it too.
  Click(ButtonPoint(combo));
  ASSERT_TRUE(IsWindowVisible(list));
  Click(ButtonPoint(combo));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboInput, F4DropsAndKeysChooseWithEnter) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 203, {"one", "two", "three"});
  HWND list = DropList(combo);
  SetFocus(combo);
  SendMessage(combo, CB_SETCURSEL, 0, 0);
  ClearLog();
  Key(VK_F4);
  ASSERT_TRUE(IsWindowVisible(list));
  Key(VK_DOWN);
  // Keys in the open list select at once.
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(Text(combo), "three");
  EXPECT_THAT(Codes(203), ElementsAre(kDropDown, kSelChange, kSelChange, kCloseUp, kSelEndOk));
}

TEST_F(ComboInput, EscapeAndAltArrowsCloseTheList) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 204, {"one", "two"});
  HWND list = DropList(combo);
  SetFocus(combo);
  AltKey(VK_DOWN);
  ASSERT_TRUE(IsWindowVisible(list));
  ClearLog();
  Key(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_THAT(Codes(204), ElementsAre(kCloseUp, kSelEndCancel));
  AltKey(VK_DOWN);
  ASSERT_TRUE(IsWindowVisible(list));
  ClearLog();
  AltKey(VK_UP);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_THAT(Codes(204), ElementsAre(kCloseUp, kSelEndOk));
}

TEST_F(ComboInput, ArrowsInTheClosedComboStepTheSelection) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 205, {"one", "two", "three"});
  SetFocus(combo);
  ClearLog();
  Key(VK_DOWN);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 0);
  Key(VK_DOWN);
  Key(VK_END);
  Key(VK_DOWN);  // at the end already: nothing changes
  Key(VK_UP);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_THAT(Codes(205), ElementsAre(kSelChange, kSelChange, kSelChange, kSelChange));
  EXPECT_FALSE(IsWindowVisible(DropList(combo)));
}

TEST_F(ComboInput, TypingInADropDownListSelectsByFirstLetter) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 206, {"apple", "banana", "blueberry", "cherry"});
  SetFocus(combo);
  ClearLog();
  win32::input::Char('b');
  Pump();
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  win32::input::Char('b');
  Pump();
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
  win32::input::Char('z');
  Pump();
  EXPECT_EQ(Text(combo), "blueberry");
  EXPECT_THAT(Codes(206), ElementsAre(kSelChange, kSelChange));
}

TEST_F(ComboInput, ExtendedUiDropsWithDownAndIgnoresF4) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 207, {"one", "two"});
  SendMessage(combo, CB_SETEXTENDEDUI, TRUE, 0);
  EXPECT_TRUE(SendMessage(combo, CB_GETEXTENDEDUI, 0, 0));
  SetFocus(combo);
  Key(VK_F4);
  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  Key(VK_DOWN);
  EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ComboInput, OpenListClaimsEnterAndEscapeFromTheDialog) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 208, {"one"});
  MSG enter{combo, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  const auto code = [&] { return SendMessage(combo, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)); };
  EXPECT_EQ(code() & DLGC_WANTMESSAGE, 0);
  EXPECT_NE(code() & DLGC_WANTARROWS, 0);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  EXPECT_NE(code() & DLGC_WANTMESSAGE, 0);
}

TEST_F(ComboInput, LosingTheFocusClosesTheList) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 209, {"one"});
  HWND other = Combo(CBS_DROPDOWNLIST, 210, {}, 60);
  SetFocus(combo);
  Key(VK_F4);
  ClearLog();
  SetFocus(other);
  EXPECT_FALSE(IsWindowVisible(DropList(combo)));
  EXPECT_THAT(Codes(209), ElementsAre(kCloseUp, kSelEndCancel, static_cast<UINT>(CBN_KILLFOCUS)));
}

TEST_F(ComboInput, ListOpensAboveWhenTheScreenEndsBelow) {
  const int screen = GetSystemMetrics(SM_CYSCREEN);
  MoveWindow(parent_, 20, screen - 120, 400, 110, TRUE);
  HWND combo = Combo(CBS_DROPDOWNLIST, 211, {"a", "b", "c", "d", "e", "f"}, 10, 150);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  RECT comboRect{};
  RECT listRect{};
  GetWindowRect(combo, &comboRect);
  GetWindowRect(DropList(combo), &listRect);
  EXPECT_EQ(listRect.bottom, comboRect.top);
  EXPECT_GT(listRect.bottom - listRect.top, 0);
}

TEST_F(ComboInput, TypingInTheEditNotifiesAndFollowsTheList) {
  HWND combo = Combo(CBS_DROPDOWN, 212, {"north", "south"});
  SetFocus(combo);
  HWND edit = GetWindow(combo, GW_CHILD);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_THAT(Codes(212), ElementsAre(static_cast<UINT>(CBN_SETFOCUS)));
  ClearLog();
  win32::input::TypeText("so");
  Pump();
  EXPECT_EQ(Text(combo), "so");
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_THAT(Codes(212), ElementsAre(static_cast<UINT>(CBN_EDITUPDATE), static_cast<UINT>(CBN_EDITCHANGE),
                                      static_cast<UINT>(CBN_EDITUPDATE), static_cast<UINT>(CBN_EDITCHANGE)));
}

TEST_F(ComboInput, EditableComboDropsFromItsButtonAndFillsTheEdit) {
  HWND combo = Combo(CBS_DROPDOWN, 213, {"north", "south"});
  HWND list = DropList(combo);
  // A click in the edit part only focuses.
  Click(ScreenPoint(combo, 10, 5));
  EXPECT_FALSE(IsWindowVisible(list));
  Key(VK_F4);
  ASSERT_TRUE(IsWindowVisible(list));
  Key(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(list));
  Click(ButtonPoint(combo));
  ASSERT_TRUE(IsWindowVisible(list));
  ClearLog();
  Click(ItemPoint(list, 1));
  EXPECT_EQ(Text(combo), "south");
  DWORD start = 9;
  DWORD end = 0;
  SendMessage(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  EXPECT_THAT(Codes(213), ElementsAre(kSelChange, kCloseUp, kSelEndOk));
  // Down in the closed edit steps the selection too.
  ClearLog();
  Key(VK_UP);
  EXPECT_EQ(Text(combo), "north");
  EXPECT_THAT(Codes(213), ElementsAre(kSelChange));
}

TEST_F(ComboInput, SimpleComboListIsAlwaysThereAndReportsDoubleClicks) {
  HWND combo = Combo(CBS_SIMPLE, 214, {"one", "two", "three"});
  HWND list = nullptr;
  for (HWND child = GetWindow(combo, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassName(child, name, sizeof(name));
    if (std::string(name) == "ComboLBox") list = child;
  }
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(IsWindowVisible(list));
  Click(ItemPoint(list, 1));
  EXPECT_EQ(Text(combo), "two");
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  ClearLog();
  const POINT pt = ItemPoint(list, 2);
  Click(pt);
  Click(pt);
  EXPECT_EQ(Text(combo), "three");
  EXPECT_THAT(Codes(214), ElementsAre(kSelChange, static_cast<UINT>(CBN_DBLCLK)));
  // A simple combo has no list to drop.
  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
}

}  // namespace
}  // namespace combo_test
