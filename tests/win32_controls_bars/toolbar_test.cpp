#include <cstring>

#include "bars_fixture.h"
#include "internal/res_store.h"

namespace bars_test {
namespace {

using Toolbar = BarsTest;

constexpr int kNew = 100;
constexpr int kOpen = 101;
constexpr int kSave = 102;
constexpr int kBold = 103;
constexpr int kLeft = 104;
constexpr int kRight = 105;

TBBUTTON Button(int image, int command, BYTE style = TBSTYLE_BUTTON, BYTE state = TBSTATE_ENABLED) {
  TBBUTTON b{};
  b.iBitmap = image;
  b.idCommand = command;
  b.fsState = state;
  b.fsStyle = style;
  return b;
}

TBBUTTON Separator() { return Button(0, 0, TBSTYLE_SEP); }

// A toolbar with the standard images: New, Open, Save, a separator, a
// check button and a group of two.
HWND MakeToolbar(HWND parent, DWORD style = 0) {
  TBBUTTON buttons[] = {Button(STD_FILENEW, kNew),
                        Button(STD_FILEOPEN, kOpen),
                        Button(STD_FILESAVE, kSave),
                        Separator(),
                        Button(STD_PROPERTIES, kBold, TBSTYLE_CHECK),
                        Button(STD_UNDO, kLeft, TBSTYLE_CHECKGROUP, TBSTATE_ENABLED | TBSTATE_CHECKED),
                        Button(STD_REDOW, kRight, TBSTYLE_CHECKGROUP)};
  HWND toolbar = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE | style, 50, 15, HINST_COMMCTRL, IDB_STD_SMALL_COLOR,
                                 buttons, 7, 0, 0, 16, 15, sizeof(TBBUTTON));
  EXPECT_NE(toolbar, nullptr);
  return toolbar;
}

POINT ButtonCenter(HWND toolbar, int command) {
  int index = static_cast<int>(SendMessage(toolbar, TB_COMMANDTOINDEX, command, 0));
  RECT rc{};
  SendMessage(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), Ptr(&rc));
  return ScreenPoint(toolbar, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

std::vector<int> Commands(const RecordingWindow& window) {
  std::vector<int> ids;
  for (const auto& c : window.commands()) ids.push_back(c.id);
  return ids;
}

TEST_F(Toolbar, ButtonsAreLaidOutInARowAtTheTop) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  EXPECT_EQ(SendMessage(toolbar, TB_BUTTONCOUNT, 0, 0), 7);
  EXPECT_EQ(SendMessage(toolbar, TB_GETBUTTONSIZE, 0, 0), MAKELRESULT(24, 22));
  RECT r = RectInParent(toolbar);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, ClientRectOf(parent.hwnd()).right);
  RECT first{}, second{}, separator{}, after{};
  SendMessage(toolbar, TB_GETITEMRECT, 0, Ptr(&first));
  SendMessage(toolbar, TB_GETITEMRECT, 1, Ptr(&second));
  SendMessage(toolbar, TB_GETITEMRECT, 3, Ptr(&separator));
  SendMessage(toolbar, TB_GETITEMRECT, 4, Ptr(&after));
  EXPECT_EQ(first.right - first.left, 24);
  EXPECT_EQ(first.bottom - first.top, 22);
  EXPECT_EQ(second.left, first.right);
  EXPECT_EQ(separator.right - separator.left, 8);
  EXPECT_EQ(after.left, separator.right);
  EXPECT_GE(r.bottom - r.top, first.bottom);
  EXPECT_EQ(SendMessage(toolbar, TB_GETROWS, 0, 0), 1);
  // Hidden buttons give up their place.
  EXPECT_TRUE(SendMessage(toolbar, TB_HIDEBUTTON, kNew, TRUE));
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONHIDDEN, kNew, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_GETITEMRECT, 0, Ptr(&first)));
  SendMessage(toolbar, TB_GETITEMRECT, 1, Ptr(&second));
  EXPECT_EQ(second.left, 0);
  // The parent's WM_SIZE, passed on, keeps it across the top.
  SetWindowPos(parent.hwnd(), nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  SendMessage(toolbar, WM_SIZE, 0, 0);
  EXPECT_EQ(RectInParent(toolbar).right, ClientRectOf(parent.hwnd()).right);
}

TEST_F(Toolbar, ClickSendsTheCommandAfterPressAndRelease) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  POINT open = ButtonCenter(toolbar, kOpen);
  Press(open);
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONPRESSED, kOpen, 0));
  EXPECT_TRUE(Commands(parent).empty());
  Release(open);
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONPRESSED, kOpen, 0));
  ASSERT_EQ(parent.commands().size(), 1u);
  EXPECT_EQ(parent.commands()[0].id, kOpen);
  EXPECT_EQ(parent.commands()[0].code, BN_CLICKED);
  // Pressing, dragging off and releasing cancels; back over it still counts.
  parent.clear();
  Press(open);
  win32::input::MouseMove(ScreenPoint(toolbar, 300, 10));
  Pump();
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONPRESSED, kOpen, 0));
  Release(ScreenPoint(toolbar, 300, 10));
  EXPECT_TRUE(Commands(parent).empty());
  Press(open);
  win32::input::MouseMove(ScreenPoint(toolbar, 300, 10));
  Pump();
  Release(open);
  EXPECT_THAT(Commands(parent), ::testing::ElementsAre(kOpen));
  // Releasing over another button does not click either.
  parent.clear();
  Press(open);
  Release(ButtonCenter(toolbar, kSave));
  EXPECT_TRUE(Commands(parent).empty());
}

TEST_F(Toolbar, DisabledButtonsAndSeparatorsDoNotClick) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  EXPECT_TRUE(SendMessage(toolbar, TB_ENABLEBUTTON, kSave, FALSE));
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONENABLED, kSave, 0));
  Click(ButtonCenter(toolbar, kSave));
  RECT separator{};
  SendMessage(toolbar, TB_GETITEMRECT, 3, Ptr(&separator));
  Click(ScreenPoint(toolbar, separator.left + 4, separator.top + 5));
  EXPECT_TRUE(Commands(parent).empty());
  SendMessage(toolbar, TB_ENABLEBUTTON, kSave, TRUE);
  Click(ButtonCenter(toolbar, kSave));
  EXPECT_THAT(Commands(parent), ::testing::ElementsAre(kSave));
}

TEST_F(Toolbar, CheckButtonsToggleAndGroupsKeepOneChecked) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  Click(ButtonCenter(toolbar, kBold));
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kBold, 0));
  Click(ButtonCenter(toolbar, kBold));
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kBold, 0));
  Click(ButtonCenter(toolbar, kRight));
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kRight, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kLeft, 0));
  Click(ButtonCenter(toolbar, kRight));
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kRight, 0));
  SendMessage(toolbar, TB_CHECKBUTTON, kLeft, TRUE);
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kRight, 0));
  EXPECT_THAT(Commands(parent), ::testing::ElementsAre(kBold, kBold, kRight, kRight));
  // The check button outside the group is not touched by it.
  SendMessage(toolbar, TB_CHECKBUTTON, kBold, TRUE);
  SendMessage(toolbar, TB_CHECKBUTTON, kRight, TRUE);
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONCHECKED, kBold, 0));
}

TEST_F(Toolbar, FlatButtonsRiseUnderTheMouse) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd(), TBSTYLE_FLAT);
  RECT rc{};
  SendMessage(toolbar, TB_GETITEMRECT, 1, Ptr(&rc));
  auto corner = [&] {
    UpdateWindow(parent.hwnd());
    HDC dc = GetDC(toolbar);
    COLORREF c = GetPixel(dc, rc.left, rc.top + 5);
    ReleaseDC(toolbar, dc);
    return c;
  };
  EXPECT_EQ(corner(), GetSysColor(COLOR_BTNFACE));
  win32::input::MouseMove(ButtonCenter(toolbar, kOpen));
  Pump();
  EXPECT_EQ(corner(), GetSysColor(COLOR_BTNHIGHLIGHT));
  win32::input::MouseMove(ScreenPoint(parent.hwnd(), 200, 200));
  Pump();
  EXPECT_EQ(corner(), GetSysColor(COLOR_BTNFACE));
}

TEST_F(Toolbar, StatesButtonsAndIndexesCanBeReadAndChanged) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  EXPECT_EQ(SendMessage(toolbar, TB_GETSTATE, kLeft, 0), TBSTATE_ENABLED | TBSTATE_CHECKED);
  EXPECT_EQ(SendMessage(toolbar, TB_GETSTATE, 999, 0), -1);
  EXPECT_TRUE(SendMessage(toolbar, TB_SETSTATE, kNew, MAKELPARAM(TBSTATE_ENABLED | TBSTATE_PRESSED, 0)));
  EXPECT_TRUE(SendMessage(toolbar, TB_ISBUTTONPRESSED, kNew, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_SETSTATE, 999, 0));
  EXPECT_EQ(SendMessage(toolbar, TB_COMMANDTOINDEX, kSave, 0), 2);
  EXPECT_EQ(SendMessage(toolbar, TB_COMMANDTOINDEX, 999, 0), -1);
  TBBUTTON got{};
  EXPECT_TRUE(SendMessage(toolbar, TB_GETBUTTON, 4, Ptr(&got)));
  EXPECT_EQ(got.idCommand, kBold);
  EXPECT_EQ(got.fsStyle, TBSTYLE_CHECK);
  EXPECT_EQ(got.iBitmap, STD_PROPERTIES);
  TBBUTTON extra = Button(STD_PRINT, 200);
  EXPECT_TRUE(SendMessage(toolbar, TB_INSERTBUTTON, 1, Ptr(&extra)));
  EXPECT_EQ(SendMessage(toolbar, TB_COMMANDTOINDEX, 200, 0), 1);
  EXPECT_EQ(SendMessage(toolbar, TB_COMMANDTOINDEX, kSave, 0), 3);
  EXPECT_TRUE(SendMessage(toolbar, TB_DELETEBUTTON, 0, 0));
  EXPECT_EQ(SendMessage(toolbar, TB_COMMANDTOINDEX, 200, 0), 0);
  EXPECT_FALSE(SendMessage(toolbar, TB_DELETEBUTTON, 50, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_GETBUTTON, 50, Ptr(&got)));
  EXPECT_EQ(SendMessage(toolbar, TB_GETBITMAP, kSave, 0), STD_FILESAVE);
  EXPECT_TRUE(SendMessage(toolbar, TB_SETCMDID, 0, 300));
  EXPECT_EQ(SendMessage(toolbar, TB_COMMANDTOINDEX, 300, 0), 0);
}

TEST_F(Toolbar, SizesAndRows) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  int oneRow = RectInParent(toolbar).bottom;
  EXPECT_TRUE(SendMessage(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(24, 24)));
  EXPECT_EQ(SendMessage(toolbar, TB_GETBUTTONSIZE, 0, 0), MAKELRESULT(32, 31));
  EXPECT_TRUE(SendMessage(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(30, 28)));
  RECT rc{};
  SendMessage(toolbar, TB_GETITEMRECT, 0, Ptr(&rc));
  EXPECT_EQ(rc.right - rc.left, 30);
  EXPECT_EQ(rc.bottom - rc.top, 28);
  EXPECT_FALSE(SendMessage(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(0, 10)));
  RECT bounds{};
  SendMessage(toolbar, TB_SETROWS, MAKEWPARAM(2, TRUE), Ptr(&bounds));
  EXPECT_EQ(SendMessage(toolbar, TB_GETROWS, 0, 0), 2);
  EXPECT_EQ(bounds.bottom - bounds.top, 2 * 28);
  EXPECT_GT(RectInParent(toolbar).bottom, oneRow);
  RECT last{};
  SendMessage(toolbar, TB_GETITEMRECT, 6, Ptr(&last));
  EXPECT_EQ(last.top, rc.top + 28);
}

TEST_F(Toolbar, BitmapsFromHandlesAndResources) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = Child(parent.hwnd(), TOOLBARCLASSNAME, "", 0, 1, {});
  HDC screen = GetDC(nullptr);
  HBITMAP strip = CreateCompatibleBitmap(screen, 16 * 3, 15);
  ReleaseDC(nullptr, screen);
  TBADDBITMAP fromHandle{nullptr, reinterpret_cast<UINT_PTR>(strip)};
  EXPECT_EQ(SendMessage(toolbar, TB_ADDBITMAP, 0, Ptr(&fromHandle)), 0);
  TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  EXPECT_EQ(SendMessage(toolbar, TB_ADDBITMAP, 15, Ptr(&standard)), 3);
  EXPECT_EQ(SendMessage(toolbar, TB_ADDBITMAP, 15, Ptr(&standard)), 18);
  // A 24-bit DIB of two images as a BITMAP resource of the module.
  static const std::vector<BYTE> dib = [] {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = 32;
    header.biHeight = 15;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::vector<BYTE> bytes(sizeof(header) + 32 * 3 * 15, 0x80);
    std::memcpy(bytes.data(), &header, sizeof(header));
    return bytes;
  }();
  win32::internal::AddResource(GetModuleHandle(nullptr), RT_BITMAP, MAKEINTRESOURCE(4141), dib.data(), dib.size());
  TBADDBITMAP fromResource{GetModuleHandle(nullptr), 4141};
  EXPECT_EQ(SendMessage(toolbar, TB_ADDBITMAP, 0, Ptr(&fromResource)), 33);
  TBBUTTON last = Button(34, 1);
  SendMessage(toolbar, TB_ADDBUTTONS, 1, Ptr(&last));
  UpdateWindow(parent.hwnd());
  RECT rc{};
  SendMessage(toolbar, TB_GETITEMRECT, 0, Ptr(&rc));
  HDC dc = GetDC(toolbar);
  EXPECT_EQ(GetPixel(dc, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2), RGB(0x80, 0x80, 0x80));
  ReleaseDC(toolbar, dc);
  TBADDBITMAP missing{GetModuleHandle(nullptr), 4242};
  EXPECT_EQ(SendMessage(toolbar, TB_ADDBITMAP, 1, Ptr(&missing)), -1);
  EXPECT_EQ(SendMessage(toolbar, TB_ADDBITMAP, 1, 0), -1);
  DestroyWindow(toolbar);
  // The caller's bitmap stays the caller's.
  BITMAP bm{};
  EXPECT_TRUE(GetObject(strip, sizeof(bm), &bm));
  DeleteObject(strip);
}

TEST_F(Toolbar, TextsStandUnderTheImagesAndTheButtonsGrowForThem) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  RECT before{};
  SendMessage(toolbar, TB_GETITEMRECT, 0, Ptr(&before));
  EXPECT_EQ(SendMessage(toolbar, TB_ADDSTRING, 0, Ptr("New\0Open a file\0")), 0);
  EXPECT_EQ(SendMessage(toolbar, TB_ADDSTRING, 0, Ptr("Save\0")), 2);
  EXPECT_EQ(SendMessage(toolbar, TB_ADDSTRING, 0, Ptr("")), -1);
  // Buttons made with zeroed structures name string 0; -1 is none.
  TBBUTTON none = Button(STD_FIND, 106);
  none.iString = -1;
  SendMessage(toolbar, TB_ADDBUTTONS, 1, Ptr(&none));
  TBBUTTON open{};
  const int openIndex = static_cast<int>(SendMessage(toolbar, TB_COMMANDTOINDEX, kOpen, 0));
  SendMessage(toolbar, TB_GETBUTTON, static_cast<WPARAM>(openIndex), Ptr(&open));
  SendMessage(toolbar, TB_DELETEBUTTON, static_cast<WPARAM>(openIndex), 0);
  open.iString = 1;
  SendMessage(toolbar, TB_INSERTBUTTON, static_cast<WPARAM>(openIndex), Ptr(&open));

  char text[64] = {};
  EXPECT_EQ(SendMessage(toolbar, TB_GETBUTTONTEXT, kOpen, Ptr(text)), 11);
  EXPECT_STREQ(text, "Open a file");
  EXPECT_EQ(SendMessage(toolbar, TB_GETBUTTONTEXT, kNew, 0), 3);
  EXPECT_EQ(SendMessage(toolbar, TB_GETBUTTONTEXT, 106, Ptr(text)), -1);

  RECT after{};
  SendMessage(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(openIndex), Ptr(&after));
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top) << "room for a line under the image";
  EXPECT_GT(after.right - after.left, before.right - before.left) << "as wide as the widest text";
  UpdateWindow(parent.hwnd());
  // Dark text pixels in the lower part of the button.
  HDC dc = GetDC(toolbar);
  int dark = 0;
  for (int y = after.bottom - 14; y < after.bottom - 2; ++y) {
    for (int x = after.left + 2; x < after.right - 2; ++x) dark += GetPixel(dc, x, y) == RGB(0, 0, 0) ? 1 : 0;
  }
  ReleaseDC(toolbar, dc);
  EXPECT_GT(dark, 10);
  DestroyWindow(toolbar);
}

// A string table block holding `text` for string id `id`.
std::vector<BYTE> StringBlock(UINT id, const std::string& text) {
  std::vector<BYTE> block;
  for (UINT i = 0; i < 16; ++i) {
    std::string entry = i == id % 16 ? text : std::string();
    block.push_back(static_cast<BYTE>(entry.size()));
    block.push_back(0);
    for (char c : entry) {
      block.push_back(static_cast<BYTE>(c));
      block.push_back(0);
    }
  }
  return block;
}

TEST_F(Toolbar, TooltipsTakeTheOwnersTextOrTheStringResource) {
  static const std::vector<BYTE> block = StringBlock(kSave, "Save the document\nSave");
  win32::internal::AddResource(GetModuleHandle(nullptr), RT_STRING, MAKEINTRESOURCE(kSave / 16 + 1), block.data(),
                               block.size());
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  NotifyLog notices(parent);
  notices.reply = [](const NMHDR& header) -> LRESULT {
    if (header.code == TTN_NEEDTEXT && header.idFrom == kOpen) {
      auto& info = const_cast<NMTTDISPINFO&>(reinterpret_cast<const NMTTDISPINFO&>(header));
      lstrcpyn(info.szText, "Open a file", sizeof(info.szText));
    }
    return 0;
  };
  HWND toolbar = MakeToolbar(parent.hwnd(), TBSTYLE_TOOLTIPS);
  HWND tip = reinterpret_cast<HWND>(SendMessage(toolbar, TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 6);
  auto restOn = [&](int command) {
    win32::input::MouseMove(ButtonCenter(toolbar, command));
    Pump();
    robot.advance(GetDoubleClickTime());
  };
  restOn(kOpen);
  ASSERT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(TextOf(tip), "Open a file");
  win32::input::MouseMove(ScreenPoint(parent.hwnd(), 200, 200));
  Pump();
  EXPECT_FALSE(IsWindowVisible(tip));
  restOn(kSave);
  ASSERT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(TextOf(tip), "Save");
  // A click hides the tip and runs the command.
  Click(ButtonCenter(toolbar, kSave));
  EXPECT_FALSE(IsWindowVisible(tip));
  EXPECT_THAT(Commands(parent), ::testing::ElementsAre(kSave));
  // Buttons without a text show no tip.
  win32::input::MouseMove(ScreenPoint(parent.hwnd(), 200, 200));
  Pump();
  restOn(kNew);
  EXPECT_FALSE(IsWindowVisible(tip));
  // The toolbar's own tooltip goes with it.
  DestroyWindow(toolbar);
  EXPECT_FALSE(IsWindow(tip));
}

TEST_F(Toolbar, AGivenTooltipGetsTheButtonsAddedAfterIt) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  EXPECT_EQ(SendMessage(toolbar, TB_GETTOOLTIPS, 0, 0), 0);
  HWND tip = CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP, 0, 0, 0, 0, parent.hwnd(), nullptr, nullptr, nullptr);
  SendMessage(toolbar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tip), 0);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessage(toolbar, TB_GETTOOLTIPS, 0, 0)), tip);
  TBBUTTON more[] = {Button(STD_PRINT, 300), Separator()};
  SendMessage(toolbar, TB_ADDBUTTONS, 2, Ptr(more));
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  SendMessage(toolbar, TB_DELETEBUTTON, static_cast<WPARAM>(SendMessage(toolbar, TB_COMMANDTOINDEX, 300, 0)), 0);
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
  // The tooltip stays its creator's.
  DestroyWindow(toolbar);
  EXPECT_TRUE(IsWindow(tip));
}

TEST_F(Toolbar, BadInputAndDestroyedToolbarsFail) {
  RecordingWindow parent("Toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND toolbar = MakeToolbar(parent.hwnd());
  EXPECT_FALSE(SendMessage(toolbar, TB_ADDBUTTONS, 2, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_GETITEMRECT, 0, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_ENABLEBUTTON, 999, TRUE));
  EXPECT_FALSE(SendMessage(toolbar, TB_ISBUTTONCHECKED, 999, 0));
  EXPECT_FALSE(SendMessage(toolbar, TB_SETCMDID, 99, 1));
  // Deleting the held button ends the press without a command.
  Press(ButtonCenter(toolbar, kNew));
  SendMessage(toolbar, TB_DELETEBUTTON, 0, 0);
  Release(ButtonCenter(toolbar, kOpen));
  EXPECT_TRUE(Commands(parent).empty());
  DestroyWindow(toolbar);
  EXPECT_EQ(SendMessage(toolbar, TB_BUTTONCOUNT, 0, 0), 0);
  EXPECT_EQ(CreateToolbarEx(reinterpret_cast<HWND>(0x7777), WS_CHILD, 1, 0, nullptr, 0, nullptr, 0, 0, 0, 0, 0,
                            sizeof(TBBUTTON)),
            nullptr);
}

}  // namespace
}  // namespace bars_test
