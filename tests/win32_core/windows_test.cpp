// Window creation, destruction, the tree, longs and positions.
#include <algorithm>

#include "core_test_support.h"

namespace core_test {
namespace {

using WindowsTest = CoreTest;

TEST_F(WindowsTest, CreateSendsWin32OrderAndShowActivates) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(IsWindow(top));
  const std::vector<UINT> expected = {
      WM_GETMINMAXINFO, WM_NCCREATE,   WM_NCCALCSIZE,        WM_CREATE,      WM_SIZE,
      WM_MOVE,          WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_ACTIVATEAPP, WM_NCACTIVATE,
      WM_ACTIVATE,      WM_SETFOCUS,   WM_WINDOWPOSCHANGED};
  EXPECT_EQ(MessagesOf(top, {WM_GETTEXT, WM_NCPAINT, WM_ERASEBKGND}), expected);
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_EQ(GetFocus(), top);
  EXPECT_TRUE(IsWindowVisible(top));
}

TEST_F(WindowsTest, CreateFailsWhenWmCreateAnswersMinusOne) {
  SetHandler([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CREATE) return -1;
    return std::nullopt;
  });
  EXPECT_EQ(MakeTop(), nullptr);
  const auto seq = Messages();
  ASSERT_GE(seq.size(), 2u);
  EXPECT_EQ(seq[seq.size() - 2], static_cast<UINT>(WM_DESTROY));
  EXPECT_EQ(seq.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(WindowsTest, UnknownClassAndBadParentFail) {
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
  EXPECT_EQ(MakeChild(reinterpret_cast<HWND>(0x12345678), 1), nullptr);
}

TEST_F(WindowsTest, DestroyParentSendsDestroyParentFirstAndNcDestroyChildFirst) {
  HWND top = MakeTop();
  HWND a = MakeChild(top, 1);
  HWND b = MakeChild(a, 2);
  Log().clear();
  ASSERT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> got;
  for (const auto& r : Log()) {
    if (r.message == WM_DESTROY || r.message == WM_NCDESTROY) got.emplace_back(r.hwnd, r.message);
  }
  const std::vector<std::pair<HWND, UINT>> expected = {{top, WM_DESTROY}, {a, WM_DESTROY},   {b, WM_DESTROY},
                                                       {b, WM_NCDESTROY}, {a, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(got, expected);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(b));
}

TEST_F(WindowsTest, ChildCreationAndDestructionNotifyTheParent) {
  HWND top = MakeTop();
  Log().clear();
  HWND c = MakeChild(top, 7);
  ASSERT_FALSE(Log().empty());
  const auto& last = Log().back();
  EXPECT_EQ(last.hwnd, top);
  EXPECT_EQ(last.message, static_cast<UINT>(WM_PARENTNOTIFY));
  EXPECT_EQ(LOWORD(last.wParam), static_cast<WORD>(WM_CREATE));
  EXPECT_EQ(HIWORD(last.wParam), 7);
  EXPECT_EQ(reinterpret_cast<HWND>(last.lParam), c);
  Log().clear();
  DestroyWindow(c);
  EXPECT_EQ(Log().front().hwnd, top);
  EXPECT_EQ(Log().front().message, static_cast<UINT>(WM_PARENTNOTIFY));
}

TEST_F(WindowsTest, NestedDestroyDuringDestroyIsHarmless) {
  HWND top = MakeTop();
  HWND child = MakeChild(top, 1);
  int destroys = 0;
  SetHandler([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY) {
      ++destroys;
      DestroyWindow(h);
      DestroyWindow(top);
    }
    return std::nullopt;
  });
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_EQ(destroys, 2);
  EXPECT_FALSE(IsWindow(child));
}

// An in-place editor commits its text when it loses the focus, also when
// it is destroyed while it has it.
TEST_F(WindowsTest, DestroyingTheFocusedWindowTakesTheFocusAwayFirst) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND editor = MakeChild(top, 3);
  SetFocus(editor);
  ASSERT_EQ(GetFocus(), editor);
  Log().clear();
  DestroyWindow(editor);
  const std::vector<UINT> seen = MessagesOf(editor);
  const auto kill = std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_KILLFOCUS));
  ASSERT_NE(kill, seen.end());
  EXPECT_LT(kill - seen.begin(), std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_NCDESTROY)) - seen.begin());
  EXPECT_NE(GetFocus(), editor);
}

TEST_F(WindowsTest, StaleHandlesFailQuietly) {
  HWND top = MakeTop();
  HWND child = MakeChild(top, 3);
  DestroyWindow(top);
  RECT r{1, 2, 3, 4};
  char buf[8] = "x";
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(SendMessage(child, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostMessage(child, WM_USER, 0, 0));
  EXPECT_FALSE(GetWindowRect(child, &r));
  EXPECT_FALSE(GetClientRect(top, &r));
  EXPECT_FALSE(SetWindowPos(top, nullptr, 0, 0, 1, 1, 0));
  EXPECT_FALSE(ShowWindow(top, SW_SHOW));
  EXPECT_EQ(GetWindowText(top, buf, sizeof buf), 0);
  EXPECT_EQ(GetWindowLongPtr(top, GWLP_USERDATA), 0);
  EXPECT_EQ(GetParent(child), nullptr);
  EXPECT_EQ(GetDlgItem(top, 3), nullptr);
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_FALSE(DestroyWindow(top));
  EXPECT_FALSE(InvalidateRect(top, nullptr, TRUE));
  EXPECT_EQ(SetTimer(top, 1, 10, nullptr), 0u);
  EXPECT_FALSE(IsWindowEnabled(top));
  EXPECT_FALSE(EnableWindow(top, FALSE));
}

TEST_F(WindowsTest, ParentOwnerAndAncestors) {
  HWND owner = MakeTop("Owner");
  HWND popup = CreateWindowEx(0, kClass, "Popup", WS_POPUP, 0, 0, 50, 50, owner, nullptr, nullptr, nullptr);
  HWND overlapped = MakeTop("Owned", WS_OVERLAPPED, owner);
  HWND child = MakeChild(popup, 5);
  HWND grandchild = MakeChild(child, 6);
  EXPECT_EQ(GetParent(popup), owner);
  EXPECT_EQ(GetParent(overlapped), nullptr);
  EXPECT_EQ(GetWindow(overlapped, GW_OWNER), owner);
  EXPECT_EQ(GetParent(grandchild), child);
  EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), popup);
  EXPECT_EQ(GetAncestor(grandchild, GA_ROOTOWNER), owner);
  EXPECT_EQ(GetAncestor(popup, GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(IsChild(popup, grandchild));
  EXPECT_FALSE(IsChild(owner, grandchild));
  // Owned windows go first when the owner is destroyed.
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_FALSE(IsWindow(overlapped));
}

TEST_F(WindowsTest, ChildrenKeepCreationOrderAndIds) {
  HWND top = MakeTop();
  HWND a = MakeChild(top, 10), b = MakeChild(top, 11), c = MakeChild(top, 12);
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
  EXPECT_EQ(GetDlgItem(top, 11), b);
  EXPECT_EQ(GetDlgCtrlID(c), 12);
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(top, GW_CHILD), c);
  int count = 0;
  EnumChildWindows(
      top, [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p) < 2; }, reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(FindWindow(kClass, "Top"), top);
  EXPECT_EQ(FindWindowEx(top, a, kClass, nullptr), b);
}

TEST_F(WindowsTest, TextGoesThroughTheWindowProcedure) {
  HWND top = MakeTop("Caption");
  char buf[4];
  EXPECT_EQ(GetWindowTextLength(top), 7);
  EXPECT_EQ(GetWindowText(top, buf, sizeof buf), 3);
  EXPECT_STREQ(buf, "Cap");
  Log().clear();
  SetWindowText(top, "New");
  EXPECT_EQ(MessagesOf(top), std::vector<UINT>{WM_SETTEXT});
}

LRESULT CALLBACK Subclass(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER + 5) return 99;
  auto old = reinterpret_cast<WNDPROC>(GetProp(h, "old"));
  return CallWindowProc(old, h, m, w, l);
}

TEST_F(WindowsTest, SubclassingAndWindowLongs) {
  HWND top = MakeTop();
  auto old = reinterpret_cast<WNDPROC>(SetWindowLongPtr(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  SetProp(top, "old", reinterpret_cast<HANDLE>(old));
  EXPECT_EQ(SendMessage(top, WM_USER + 5, 0, 0), 99);
  Log().clear();
  SendMessage(top, WM_USER + 6, 0, 0);
  EXPECT_EQ(MessagesOf(top), std::vector<UINT>{WM_USER + 6});
  EXPECT_EQ(SetWindowLongPtr(top, GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(GetWindowLongPtr(top, GWLP_USERDATA), 1234);
  Log().clear();
  const LONG style = GetWindowLong(top, GWL_STYLE);
  SetWindowLong(top, GWL_STYLE, style & ~WS_THICKFRAME);
  EXPECT_EQ(MessagesOf(top, {WM_USER + 5}), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
  EXPECT_FALSE(GetWindowLong(top, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(GetWindowLong(top, 4000), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_EQ(RemoveProp(top, "OLD"), reinterpret_cast<HANDLE>(old));
  EXPECT_EQ(GetProp(top, "old"), nullptr);
}

TEST_F(WindowsTest, DialogExtraBytesHoldTheDialogLongs) {
  WNDCLASS wc{};
  wc.lpfnWndProc = DefWindowProc;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.lpszClassName = "ExtraClass";
  ASSERT_NE(RegisterClass(&wc), 0);
  HWND d = CreateWindowEx(0, "ExtraClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtr(d, DWLP_MSGRESULT, 5);
  SetWindowLongPtr(d, DWLP_USER, 6);
  EXPECT_EQ(GetWindowLongPtr(d, DWLP_MSGRESULT), 5);
  EXPECT_EQ(GetWindowLongPtr(d, DWLP_USER), 6);
  EXPECT_EQ(GetClassLong(d, GCL_CBWNDEXTRA), static_cast<DWORD>(DLGWINDOWEXTRA));
  EXPECT_FALSE(UnregisterClass("ExtraClass", nullptr));
  DestroyWindow(d);
  EXPECT_TRUE(UnregisterClass("ExtraClass", nullptr));
}

TEST_F(WindowsTest, SetWindowPosSendsChangingChangedMoveSize) {
  HWND top = MakeTop();
  HWND child = MakeChild(top, 1);
  Log().clear();
  SetWindowPos(child, nullptr, 20, 30, 50, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(MessagesOf(child, {WM_GETMINMAXINFO}),
            (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
  RECT r;
  GetWindowRect(child, &r);
  POINT origin{0, 0};
  ClientToScreen(top, &origin);
  EXPECT_EQ(r.left, origin.x + 20);
  EXPECT_EQ(r.top, origin.y + 30);
  EXPECT_EQ(r.right - r.left, 50);
  Log().clear();
  SetWindowPos(child, nullptr, 25, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE}));
}

TEST_F(WindowsTest, AdjustWindowRectUsesClassicMetrics) {
  RECT r{0, 0, 100, 100};
  AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
  EXPECT_EQ(r.left, -4);
  EXPECT_EQ(r.top, -23);
  EXPECT_EQ(r.right, 104);
  EXPECT_EQ(r.bottom, 104);
  RECT d{0, 0, 100, 100};
  AdjustWindowRectEx(&d, WS_POPUP | WS_CAPTION | DS_MODALFRAME, FALSE, WS_EX_DLGMODALFRAME);
  EXPECT_EQ(d.left, -3);
  EXPECT_EQ(d.top, -22);
  HWND top = MakeTop();
  RECT w, c;
  GetWindowRect(top, &w);
  GetClientRect(top, &c);
  EXPECT_EQ(c.right, (w.right - w.left) - 8);
  EXPECT_EQ(c.bottom, (w.bottom - w.top) - 27);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
}

TEST_F(WindowsTest, MinimizeMaximizeRestoreKeepPlacement) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RECT before;
  GetWindowRect(top, &before);
  ShowWindow(top, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(top));
  ShowWindow(top, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(top));
  EXPECT_FALSE(IsIconic(top));
  WINDOWPLACEMENT wp{};
  ASSERT_TRUE(GetWindowPlacement(top, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_TRUE(EqualRect(&wp.rcNormalPosition, &before));
  ShowWindow(top, SW_RESTORE);
  RECT after;
  GetWindowRect(top, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(WindowsTest, SetWindowPlacementMovesAndRestoresTheNormalRect) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  ASSERT_TRUE(GetWindowPlacement(top, &wp));
  wp.rcNormalPosition = RECT{50, 60, 250, 260};
  wp.showCmd = SW_SHOWMAXIMIZED;
  ASSERT_TRUE(SetWindowPlacement(top, &wp));
  EXPECT_TRUE(IsZoomed(top));
  ShowWindow(top, SW_RESTORE);
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_TRUE(EqualRect(&r, &wp.rcNormalPosition));
  EXPECT_FALSE(SetWindowPlacement(top, nullptr));
}

TEST_F(WindowsTest, SetParentMovesTheChildAndItsIdToTheNewParent) {
  HWND first = MakeTop("First");
  HWND second = MakeTop("Second");
  HWND child = MakeChild(first, 3, WS_CHILD | WS_VISIBLE, RECT{5, 6, 25, 26});
  EXPECT_EQ(SetParent(child, second), first);
  EXPECT_EQ(GetParent(child), second);
  EXPECT_EQ(GetDlgItem(second, 3), child);
  EXPECT_EQ(GetDlgItem(first, 3), nullptr);
  EXPECT_EQ(GetWindow(first, GW_CHILD), nullptr);
  // The position stays the same relative to the parent's client area.
  RECT r;
  GetWindowRect(child, &r);
  POINT pt{r.left, r.top};
  ScreenToClient(second, &pt);
  EXPECT_EQ(pt.x, 5);
  EXPECT_EQ(pt.y, 6);
  // Destroying the old parent leaves the moved child alone.
  DestroyWindow(first);
  EXPECT_TRUE(IsWindow(child));
  EXPECT_EQ(SetParent(child, reinterpret_cast<HWND>(0x7654321)), nullptr);
  EXPECT_EQ(GetParent(child), second);
}

TEST_F(WindowsTest, TheWindowDcCoversTheFrameSoAScreenshotHoldsIt) {
  HWND top = MakeTop("Shot", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  UpdateWindow(top);
  RECT wr;
  GetWindowRect(top, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  HDC wdc = GetWindowDC(top);
  RECT clip{};
  GetClipBox(wdc, &clip);
  EXPECT_EQ(clip.right - clip.left, w);
  EXPECT_EQ(clip.bottom - clip.top, h);
  HDC mem = CreateCompatibleDC(wdc);
  HBITMAP shot = CreateCompatibleBitmap(wdc, w, h);
  HGDIOBJ old = SelectObject(mem, shot);
  ASSERT_TRUE(BitBlt(mem, 0, 0, w, h, wdc, 0, 0, SRCCOPY));
  // The caption is in the copy, above a client area of the class brush.
  RECT client;
  GetClientRect(top, &client);
  POINT inside{client.right / 2, client.bottom / 2};
  ClientToScreen(top, &inside);
  EXPECT_EQ(GetPixel(mem, inside.x - wr.left, inside.y - wr.top), GetSysColor(COLOR_BTNFACE));
  const int captionY = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  EXPECT_NE(GetPixel(mem, w / 2, captionY), GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(GetPixel(mem, w / 2, captionY), CLR_INVALID);
  SelectObject(mem, old);
  DeleteObject(shot);
  DeleteDC(mem);
  ReleaseDC(top, wdc);
}

// A thread that ends takes its windows with it; another thread's stay.
TEST_F(WindowsTest, AnEndingThreadDestroysItsWindows) {
  HWND mine = MakeTop("Mine");
  struct Made {
    HWND top = nullptr, child = nullptr, owned = nullptr;
  } made;
  auto run = [](LPVOID param) -> DWORD {
    auto* m = static_cast<Made*>(param);
    m->top = MakeTop("Worker");
    m->child = MakeChild(m->top, 1);
    m->owned = MakeTop("Owned", WS_POPUP, m->top);
    return 7;
  };
  HANDLE thread = CreateThread(nullptr, 0, run, &made, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ASSERT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
  ASSERT_NE(made.top, nullptr);
  EXPECT_FALSE(IsWindow(made.top));
  EXPECT_FALSE(IsWindow(made.child));
  EXPECT_FALSE(IsWindow(made.owned));
  EXPECT_TRUE(IsWindow(mine));
  int destroyed = 0;
  for (const auto& r : Log()) destroyed += r.message == WM_DESTROY ? 1 : 0;
  EXPECT_EQ(destroyed, 3) << "each got WM_DESTROY on its thread";
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, 7u);
  CloseHandle(thread);
}

}  // namespace
}  // namespace core_test
