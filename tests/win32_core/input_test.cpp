// Mouse input: hit testing, activation, double clicks, capture.
#include <algorithm>

#include "core_test_support.h"

namespace core_test {
namespace {

using InputTest = CoreTest;

POINT ClientPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

void Click(POINT p) {
  win32::input::MouseButton(0, true, p);
  win32::input::MouseButton(0, false, p);
}

TEST_F(InputTest, ClickActivatesAndReachesTheChild) {
  HWND one = MakeTop("One", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND two = CreateWindowEx(0, kClass, "Two", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 200, 200, nullptr, nullptr,
                            nullptr, nullptr);
  HWND child = MakeChild(one, 1);
  Pump();
  ASSERT_EQ(GetActiveWindow(), two);
  Log().clear();
  win32::input::MouseButton(0, true, ClientPoint(child, 5, 6));
  Pump();
  const auto seq = MessagesOf(child, {WM_NCHITTEST});
  ASSERT_GE(seq.size(), 3u);
  EXPECT_EQ(seq[0], static_cast<UINT>(WM_MOUSEACTIVATE));
  EXPECT_EQ(seq[1], static_cast<UINT>(WM_SETCURSOR));
  EXPECT_EQ(seq[2], static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(GetActiveWindow(), one);
  auto it = std::find_if(Log().begin(), Log().end(), [](const Recorded& r) { return r.message == WM_LBUTTONDOWN; });
  ASSERT_NE(it, Log().end());
  const Recorded down = *it;
  EXPECT_EQ(down.hwnd, child);
  EXPECT_EQ(GET_X_LPARAM(down.lParam), 5);
  EXPECT_EQ(GET_Y_LPARAM(down.lParam), 6);
  EXPECT_EQ(down.wParam & MK_LBUTTON, static_cast<WPARAM>(MK_LBUTTON));
}

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProc(h, m, w, l); }

TEST_F(InputTest, TheMouseShowsTheClassCursorAndItsPositionIsKnown) {
  WNDCLASS wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hCursor = LoadCursor(nullptr, IDC_WAIT);
  wc.lpszClassName = "InputTestWaitCursor";
  ASSERT_TRUE(RegisterClass(&wc));
  HWND busy = CreateWindowEx(0, wc.lpszClassName, "Busy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 150, nullptr,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(busy, nullptr);
  SetCursor(nullptr);
  const POINT over = ClientPoint(busy, 20, 30);
  win32::input::MouseMove(over);
  Pump();
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  POINT at{};
  ASSERT_TRUE(GetCursorPos(&at));
  EXPECT_EQ(at.x, over.x);
  EXPECT_EQ(at.y, over.y);
  // A program's own choice lasts until the mouse moves again.
  EXPECT_EQ(SetCursor(LoadCursor(nullptr, IDC_ARROW)), LoadCursor(nullptr, IDC_WAIT));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
  win32::input::MouseMove(ClientPoint(busy, 21, 30));
  Pump();
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
}

TEST_F(InputTest, DoubleClickNeedsTheClassStyleAndTheTime) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  Log().clear();
  const POINT p = ClientPoint(top, 20, 20);
  Click(p);
  Click(p);
  Pump();
  const std::vector<UINT> noise = {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE,
                                   WM_PAINT,     WM_NCPAINT,   WM_ERASEBKGND};
  auto seq = MessagesOf(top, noise);
  EXPECT_EQ(seq, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
  Log().clear();
  Click(p);
  win32::AdvanceClock(600);
  Click(p);
  Pump();
  seq = MessagesOf(top, noise);
  EXPECT_EQ(seq, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(InputTest, CaptureGetsTheMouseOutsideTheWindow) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = MakeChild(top, 1);
  Pump();
  SetCapture(child);
  Log().clear();
  win32::input::MouseMove(POINT{900, 700});
  Pump();
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().back().hwnd, child);
  EXPECT_EQ(Log().back().message, static_cast<UINT>(WM_MOUSEMOVE));
  POINT p{900, 700};
  ScreenToClient(child, &p);
  EXPECT_EQ(GET_X_LPARAM(Log().back().lParam), p.x);
}

TEST_F(InputTest, CaptionClicksAreNonClientMessages) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  RECT r;
  GetWindowRect(top, &r);
  Log().clear();
  win32::input::MouseButton(0, true, POINT{r.left + 60, r.top + 10});
  // The press starts the move loop, which takes the release.
  win32::input::MouseButton(0, false, POINT{r.left + 60, r.top + 10});
  Pump();
  auto down = std::find_if(Log().begin(), Log().end(), [](const auto& m) { return m.message == WM_NCLBUTTONDOWN; });
  ASSERT_NE(down, Log().end());
  EXPECT_EQ(down->wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(MessagesOf(top).back(), static_cast<UINT>(WM_EXITSIZEMOVE));
}

TEST_F(InputTest, DisabledWindowsEatClicks) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  EnableWindow(top, FALSE);
  Log().clear();
  Click(ClientPoint(top, 10, 10));
  Pump();
  EXPECT_TRUE(MessagesOf(top, {WM_NCHITTEST}).empty());
}

// A window that answers HTTRANSPARENT (a group box) passes the point to the
// sibling beneath it, and only when none is there to its parent.
TEST_F(InputTest, TransparentWindowsPassTheClickToTheSiblingBeneath) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND cover = MakeChild(top, 1);  // created first: above the next one
  HWND under = MakeChild(top, 2);
  Pump();
  std::vector<HWND> transparent{cover};
  SetHandler([&transparent](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_NCHITTEST && std::find(transparent.begin(), transparent.end(), hwnd) != transparent.end())
      return HTTRANSPARENT;
    return std::nullopt;
  });
  const auto downs = [] {
    std::vector<HWND> out;
    for (const Recorded& r : Log()) {
      if (r.message == WM_LBUTTONDOWN) out.push_back(r.hwnd);
    }
    return out;
  };
  Log().clear();
  Click(ClientPoint(top, 20, 20));
  Pump();
  EXPECT_EQ(downs(), std::vector<HWND>{under});
  transparent.push_back(under);
  Log().clear();
  Click(ClientPoint(top, 20, 20));
  Pump();
  EXPECT_EQ(downs(), std::vector<HWND>{top});
}

TEST_F(InputTest, KeyboardStateFollowsKeys) {
  MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  win32::input::KeyDown(VK_CAPITAL);
  win32::input::KeyUp(VK_CAPITAL);
  win32::input::KeyDown(VK_CONTROL);
  EXPECT_TRUE(GetAsyncKeyState(VK_CONTROL) & 0x8000);
  Pump();
  EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  win32::input::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000);
}

TEST_F(InputTest, CursorPositionFollowsTheMouseAndSetCursorPos) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  const POINT p = ClientPoint(top, 20, 30);
  win32::input::MouseMove(p);
  Pump();
  POINT now{};
  ASSERT_TRUE(GetCursorPos(&now));
  EXPECT_EQ(now.x, p.x);
  EXPECT_EQ(now.y, p.y);
  ASSERT_TRUE(SetCursorPos(7, 9));
  GetCursorPos(&now);
  EXPECT_EQ(now.x, 7);
  EXPECT_EQ(now.y, 9);
  EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST_F(InputTest, ShiftF11AndTheirToggles) {
  MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  win32::input::KeyDown(VK_SHIFT);
  win32::input::KeyDown(VK_F11);
  Pump();
  EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
  EXPECT_TRUE(GetKeyState(VK_F11) & 0x8000);
  win32::input::KeyUp(VK_F11);
  win32::input::KeyUp(VK_SHIFT);
  Pump();
  EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
  EXPECT_FALSE(GetKeyState(VK_F11) & 0x8000);
  EXPECT_EQ(GetKeyState(VK_F11) & 1, 1);  // every key toggles, as on Win32
}

TEST_F(InputTest, RightButtonUpAsksForAContextMenuUpTheParents) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = MakeChild(top, 1);
  Pump();
  Log().clear();
  const POINT p = ClientPoint(child, 3, 3);
  win32::input::MouseButton(1, true, p);
  win32::input::MouseButton(1, false, p);
  Pump();
  const auto parent = MessagesOf(top, {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE});
  ASSERT_FALSE(parent.empty());
  EXPECT_EQ(parent.back(), static_cast<UINT>(WM_CONTEXTMENU));
  EXPECT_EQ(reinterpret_cast<HWND>(Log().back().wParam), child);
}

TEST_F(InputTest, BeepsAreRecorded) {
  MessageBeep(MB_ICONHAND);
  Beep(600, 40);
  const auto beeps = win32::GetRecordedBeeps();
  ASSERT_EQ(beeps.size(), 2u);
  EXPECT_TRUE(beeps[0].messageBeep);
  EXPECT_EQ(beeps[1].frequency, 600u);
}

}  // namespace
}  // namespace core_test
