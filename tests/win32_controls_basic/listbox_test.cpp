#include <algorithm>
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace controls_test {
namespace {

using ListBoxes = ControlsTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string TextAt(HWND list, int index) {
  char buffer[64] = {};
  SendMessage(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

LPARAM Str(const char* s) { return reinterpret_cast<LPARAM>(s); }

// The screen point in the middle of item `index`.
POINT ItemPoint(HWND list, int index) {
  RECT rc{};
  SendMessage(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
  return ScreenPoint(list, 10, (rc.top + rc.bottom) / 2);
}

class Keys {
 public:
  explicit Keys(UINT vk) : vk_(vk) { win32::input::KeyDown(vk); }
  ~Keys() { win32::input::KeyUp(vk_); }

 private:
  UINT vk_;
};

TEST_F(ListBoxes, SortedInsertAndCaseInsensitiveSearch) {
  HWND list = Child("ListBox", "", LBS_STANDARD, 100, {10, 10, 150, 120});
  for (const char* s : {"pear", "Apple", "banana", "apricot"}) SendMessage(list, LB_ADDSTRING, 0, Str(s));
  EXPECT_EQ(TextAt(list, 0), "Apple");
  EXPECT_EQ(TextAt(list, 1), "apricot");
  EXPECT_EQ(TextAt(list, 2), "banana");
  EXPECT_EQ(TextAt(list, 3), "pear");
  EXPECT_EQ(SendMessage(list, LB_FINDSTRING, -1, Str("B")), 2);
  // The search starts after the start index and wraps around.
  EXPECT_EQ(SendMessage(list, LB_FINDSTRING, 0, Str("ap")), 1);
  EXPECT_EQ(SendMessage(list, LB_FINDSTRING, 1, Str("ap")), 0);
  EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, -1, Str("PEAR")), 3);
  EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, -1, Str("pea")), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 9, Str("x")), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 0, Str("zulu")), 0);
  EXPECT_EQ(SendMessage(list, LB_GETTEXTLEN, 0, 0), 4);
}

TEST_F(ListBoxes, ALargeSortedFillKeepsOrderDataAndSelectionThroughInsertsAndDeletes) {
  HWND list = Child("ListBox", "", LBS_STANDARD, 102, {10, 10, 150, 120});
  EXPECT_EQ(SendMessage(list, LB_INITSTORAGE, 5000, 0), 5000);
  // Enough items to fill several storage blocks, in a scrambled order.
  constexpr int kCount = 3000;
  std::vector<std::string> texts;
  for (int i = 0; i < kCount; ++i) texts.push_back("item " + std::to_string((i * 7919) % kCount + 100000));
  for (const std::string& text : texts) {
    const LRESULT at = SendMessage(list, LB_ADDSTRING, 0, Str(text.c_str()));
    ASSERT_GE(at, 0);
    SendMessage(list, LB_SETITEMDATA, at, std::stoi(text.substr(5)));
  }
  std::vector<std::string> sorted = texts;
  std::sort(sorted.begin(), sorted.end());
  ASSERT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), kCount);
  for (int i = 0; i < kCount; i += 97) {
    EXPECT_EQ(TextAt(list, i), sorted[static_cast<size_t>(i)]);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, i, 0), std::stoi(sorted[static_cast<size_t>(i)].substr(5)));
  }
  SendMessage(list, LB_SETCURSEL, kCount - 1, 0);
  for (int i = kCount - 3; i >= 0; i -= 3) SendMessage(list, LB_DELETESTRING, i, 0);
  ASSERT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), kCount - kCount / 3);
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), kCount - kCount / 3 - 1) << "the selection moved with its item";
  EXPECT_EQ(TextAt(list, 0), sorted[1]);
  EXPECT_EQ(TextAt(list, 1), sorted[2]);
  EXPECT_EQ(TextAt(list, 2), sorted[4]);
  EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, -1, Str(sorted[kCount - 1].c_str())), kCount - kCount / 3 - 1);
  SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &info)) << "the range is set with every item, painted later";
  EXPECT_EQ(info.nMax, kCount - kCount / 3 - 1);
}

TEST_F(ListBoxes, DeletingShiftsSelectionAndItemData) {
  HWND list = Child("ListBox", "", WS_BORDER, 101, {10, 10, 150, 120});
  for (const char* s : {"a", "b", "c"}) SendMessage(list, LB_ADDSTRING, 0, Str(s));
  SendMessage(list, LB_SETITEMDATA, 2, 77);
  SendMessage(list, LB_SETCURSEL, 2, 0);
  EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 0, 0), 2);
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 1, 0), 77);
  SendMessage(list, LB_DELETESTRING, 1, 0);
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 5, 0), LB_ERR);
}

TEST_F(ListBoxes, SelChangeOnlyForUserActions) {
  HWND list = Child("ListBox", "", LBS_NOTIFY | WS_BORDER, 102, {10, 10, 150, 120});
  for (const char* s : {"one", "two", "three"}) SendMessage(list, LB_ADDSTRING, 0, Str(s));
  SendMessage(list, LB_SETCURSEL, 0, 0);
  SendMessage(list, LB_SELECTSTRING, -1, Str("tw"));
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_THAT(CommandCodes(102), IsEmpty());
  SetFocus(list);
  Received().clear();
  Key(VK_DOWN);
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
  Key(VK_DOWN);  // already at the end: nothing changes
  EXPECT_THAT(CommandCodes(102), ElementsAre(static_cast<UINT>(LBN_SELCHANGE)));
  Key(VK_HOME);
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 0);
  win32::input::Char('t');
  Pump();
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(ListBoxes, ClickSelectsAndNotifies) {
  HWND list = Child("ListBox", "", LBS_NOTIFY | WS_BORDER, 103, {10, 10, 150, 120});
  for (const char* s : {"one", "two", "three"}) SendMessage(list, LB_ADDSTRING, 0, Str(s));
  Click(ItemPoint(list, 1));
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_THAT(CommandCodes(103), ElementsAre(static_cast<UINT>(LBN_SETFOCUS), static_cast<UINT>(LBN_SELCHANGE)));
}

TEST_F(ListBoxes, ExtendedSelectionWithShiftAndCtrl) {
  HWND list = Child("ListBox", "", LBS_EXTENDEDSEL | WS_BORDER, 104, {10, 10, 150, 150});
  for (const char* s : {"a", "b", "c", "d", "e"}) SendMessage(list, LB_ADDSTRING, 0, Str(s));
  Click(ItemPoint(list, 1));
  {
    Keys shift(VK_SHIFT);
    Click(ItemPoint(list, 3));
  }
  EXPECT_EQ(SendMessage(list, LB_GETSELCOUNT, 0, 0), 3);
  {
    Keys ctrl(VK_CONTROL);
    Click(ItemPoint(list, 2));
  }
  int items[8] = {};
  ASSERT_EQ(SendMessage(list, LB_GETSELITEMS, 8, reinterpret_cast<LPARAM>(items)), 2);
  EXPECT_EQ(items[0], 1);
  EXPECT_EQ(items[1], 3);
  EXPECT_EQ(SendMessage(list, LB_GETANCHORINDEX, 0, 0), 2);
  Click(ItemPoint(list, 4));
  EXPECT_EQ(SendMessage(list, LB_GETSELCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessage(list, LB_SETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxes, MultipleSelectionTogglesAndRanges) {
  HWND list = Child("ListBox", "", LBS_MULTIPLESEL | WS_BORDER, 105, {10, 10, 150, 150});
  for (const char* s : {"a", "b", "c", "d"}) SendMessage(list, LB_ADDSTRING, 0, Str(s));
  Click(ItemPoint(list, 0));
  Click(ItemPoint(list, 2));
  Click(ItemPoint(list, 0));
  EXPECT_EQ(SendMessage(list, LB_GETSEL, 0, 0), 0);
  EXPECT_EQ(SendMessage(list, LB_GETSEL, 2, 0), 1);
  SendMessage(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1));
  EXPECT_EQ(SendMessage(list, LB_GETSELCOUNT, 0, 0), 3);
  SendMessage(list, LB_SETSEL, FALSE, -1);
  EXPECT_EQ(SendMessage(list, LB_GETSELCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessage(list, LB_GETSEL, 9, 0), LB_ERR);
}

TEST_F(ListBoxes, TopIndexIsClampedAndScrollBarFollows) {
  HWND list = Child("ListBox", "", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 106, {10, 10, 150, 100});
  EXPECT_FALSE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
  for (int i = 0; i < 30; ++i) SendMessage(list, LB_ADDSTRING, 0, Str(("item " + std::to_string(i)).c_str()));
  EXPECT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
  int perPage = 0;
  {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 29);
    perPage = static_cast<int>(info.nPage);
    EXPECT_GT(perPage, 0);
  }
  SendMessage(list, LB_SETTOPINDEX, 29, 0);
  EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 30 - perPage);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 30 - perPage);
  SendMessage(list, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 0);
  SendMessage(list, LB_SETCURSEL, 20, 0);
  EXPECT_LE(SendMessage(list, LB_GETTOPINDEX, 0, 0), 20);
  EXPECT_GT(SendMessage(list, LB_GETTOPINDEX, 0, 0) + perPage, 20);
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  EXPECT_FALSE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
}  // namespace controls_test
