// Combo box messages: items, selection, texts and geometry, without input.
#include "combo_fixture.h"

namespace combo_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ComboMessages = ComboTest;

std::string ItemText(HWND combo, int index) {
  char buffer[64] = {};
  SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

TEST_F(ComboMessages, SortedItemsAndCaseInsensitiveSearches) {
  HWND combo = Combo(CBS_DROPDOWNLIST | CBS_SORT, 100, {"pear", "Apple", "banana", "apricot"});
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(ItemText(combo, 0), "Apple");
  EXPECT_EQ(ItemText(combo, 3), "pear");
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 2, 0), 6);
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 9, 0), CB_ERR);
  // Prefix search after the start index, wrapping round.
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), Str("AP")), 0);
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, 0, Str("ap")), 1);
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, 1, Str("ap")), 0);
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Str("BANANA")), 2);
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Str("ban")), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, 9, Str("x")), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, 0, Str("zulu")), 0);
  EXPECT_NE(SendMessage(combo, CB_SETITEMDATA, 1, 42), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_GETITEMDATA, 1, 0), 42);
}

TEST_F(ComboMessages, SetCurSelIsSilentAndUpdatesTheField) {
  HWND combo = Combo(CBS_DROPDOWN, 101, {"one", "two", "three"});
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(combo), "two");
  // -1 clears the selection and the edit's text, answering CB_ERR.
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(Text(combo), "");
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 7, 0), CB_ERR);
  EXPECT_THAT(Codes(101), IsEmpty());
}

TEST_F(ComboMessages, SelectStringTakesPrefixesAndEmptyMatchesFirst) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 102, {"alpha", "beta", "Bravo"});
  EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), Str("br")), 2);
  EXPECT_EQ(Text(combo), "Bravo");
  // Searches start after the index and wrap.
  EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, 2, Str("B")), 1);
  // No match leaves the selection alone.
  EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), Str("gamma")), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  // An empty string starts every item: the first after the start index.
  EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), Str("")), 0);
  EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, 0, Str("")), 1);
  EXPECT_THAT(Codes(102), IsEmpty());
}

TEST_F(ComboMessages, DropDownListTextIsTheSelectedItem) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 103, {"red", "green", "blue"});
  EXPECT_EQ(GetWindowTextLength(combo), 0);
  EXPECT_TRUE(SetWindowText(combo, "GREEN"));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(combo), "green");
  EXPECT_EQ(GetWindowTextLength(combo), 5);
  EXPECT_EQ(SendMessage(combo, WM_SETTEXT, 0, Str("purple")), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  // A drop-down list has no edit to select in or limit.
  EXPECT_EQ(SendMessage(combo, CB_LIMITTEXT, 3, 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, 2)), CB_ERR);
}

TEST_F(ComboMessages, EditableTextSelectsTheFirstItemItStarts) {
  HWND combo = Combo(CBS_DROPDOWN, 104, {"north", "south", "southeast"});
  SetWindowText(combo, "sou");
  EXPECT_EQ(Text(combo), "sou");
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  SetWindowText(combo, "west");
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  // Programmatic text changes are not the user's edits.
  EXPECT_THAT(Codes(104), IsEmpty());
}

TEST_F(ComboMessages, DeletingShiftsTheSelectionAndResetClearsTheEdit) {
  HWND combo = Combo(CBS_DROPDOWN, 105, {"a", "b", "c"});
  SendMessage(combo, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(SendMessage(combo, CB_DELETESTRING, 0, 0), 2);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessage(combo, CB_DELETESTRING, 5, 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_RESETCONTENT, 0, 0), CB_OKAY);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(Text(combo), "");
}

TEST_F(ComboMessages, EditSelectionAndLimit) {
  HWND combo = Combo(CBS_DROPDOWN | CBS_AUTOHSCROLL, 106, {});
  SetWindowText(combo, "abcdef");
  EXPECT_TRUE(SendMessage(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 4)));
  DWORD start = 0;
  DWORD end = 0;
  EXPECT_EQ(SendMessage(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
            MAKELRESULT(1, 4));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 4u);
  // (0, -1) selects everything.
  SendMessage(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  SendMessage(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 6u);
  EXPECT_TRUE(SendMessage(combo, CB_LIMITTEXT, 7, 0));
  HWND edit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(SendMessage(edit, EM_GETLIMITTEXT, 0, 0), 7);
}

TEST_F(ComboMessages, DropDownKindsAreAsHighAsTheirField) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 107, {"x"}, 10, 150);
  RECT rc{};
  GetWindowRect(combo, &rc);
  const LRESULT fieldItem = SendMessage(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  EXPECT_GT(fieldItem, 0);
  EXPECT_EQ(rc.bottom - rc.top, fieldItem + 6);
  RECT dropped{};
  SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.top, rc.top);
  EXPECT_EQ(dropped.bottom - dropped.top, 150);
  // A new height from outside is the new dropped height.
  MoveWindow(combo, 10, 10, 150, 200, TRUE);
  GetWindowRect(combo, &rc);
  EXPECT_EQ(rc.bottom - rc.top, fieldItem + 6);
  SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.bottom - dropped.top, 200);
  // The simple kind keeps its whole height for the list.
  HWND simple = Combo(CBS_SIMPLE, 108, {}, 60, 120);
  GetWindowRect(simple, &rc);
  EXPECT_EQ(rc.bottom - rc.top, 120);
}

TEST_F(ComboMessages, DroppedWidthAndItemHeights) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 109, {"x"});
  EXPECT_EQ(SendMessage(combo, CB_GETDROPPEDWIDTH, 0, 0), 150);
  EXPECT_EQ(SendMessage(combo, CB_SETDROPPEDWIDTH, 220, 0), 220);
  EXPECT_EQ(SendMessage(combo, CB_GETDROPPEDWIDTH, 0, 0), 220);
  EXPECT_EQ(SendMessage(combo, CB_SETDROPPEDWIDTH, 40, 0), 150);
  EXPECT_EQ(SendMessage(combo, CB_SETITEMHEIGHT, 0, 20), CB_OKAY);
  EXPECT_EQ(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0), 20);
  EXPECT_EQ(SendMessage(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 18), CB_OKAY);
  EXPECT_EQ(SendMessage(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 18);
  RECT rc{};
  GetWindowRect(combo, &rc);
  EXPECT_EQ(rc.bottom - rc.top, 24);
  EXPECT_EQ(SendMessage(combo, CB_SETITEMHEIGHT, 0, 0), CB_ERR);
}

TEST_F(ComboMessages, DestroyedComboAnswersNothingAndTakesItsList) {
  HWND combo = Combo(CBS_DROPDOWN, 110, {"a"});
  HWND list = DropList(combo);
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(IsWindowVisible(list));
  DestroyWindow(combo);
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0), 0);
}

TEST_F(ComboMessages, ShowDropDownNotifiesAroundTheList) {
  HWND combo = Combo(CBS_DROPDOWNLIST, 111, {"a", "b"});
  Log().watchedList = DropList(combo);
  EXPECT_TRUE(SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0));
  EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_TRUE(IsWindowVisible(Log().watchedList));
  SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_FALSE(IsWindowVisible(Log().watchedList));
  EXPECT_THAT(Codes(111), ElementsAre(static_cast<UINT>(CBN_DROPDOWN), static_cast<UINT>(CBN_CLOSEUP),
                                      static_cast<UINT>(CBN_SELENDCANCEL)));
  // The list was hidden when CBN_DROPDOWN came and gone by CBN_CLOSEUP.
  EXPECT_FALSE(Log().notices[0].listVisible);
  EXPECT_FALSE(Log().notices[1].listVisible);
}

}  // namespace
}  // namespace combo_test
