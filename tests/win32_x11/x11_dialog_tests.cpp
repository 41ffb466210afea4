// A dialog on a real X display, driven by real X input (XTEST): what the
// dialog sees must be what the same clicks and keys do headless, and what
// the screen shows must be what the window painted.
// gtest first: the X headers define None and friends as macros.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "internal/core_backend.h"
#include "internal/dlg_template_builder.h"
#include "win32/display.h"
#include "windows.h"
#include "xvfb_server.h"

namespace {

constexpr WORD kEdit = 101;
constexpr WORD kCheck = 102;
constexpr WORD kCombo = 103;

struct DialogRecord {
  int okCount = 0;
  int cancelCount = 0;
  std::string textAtOk;
  LRESULT checkAtOk = -1;
  LRESULT comboAtOk = -1;
};
DialogRecord* g_record = nullptr;

INT_PTR CALLBACK RecordingDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    for (const char* item : {"Alpha", "Beta", "Gamma"})
      SendDlgItemMessage(dlg, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return TRUE;
  }
  if (msg != WM_COMMAND || !g_record) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    char text[64] = {};
    GetDlgItemText(dlg, kEdit, text, sizeof text);
    g_record->okCount++;
    g_record->textAtOk = text;
    g_record->checkAtOk = SendDlgItemMessage(dlg, kCheck, BM_GETCHECK, 0, 0);
    g_record->comboAtOk = SendDlgItemMessage(dlg, kCombo, CB_GETCURSEL, 0, 0);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    g_record->cancelCount++;
    return TRUE;
  }
  return FALSE;
}

POINT CenterOf(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

class X11DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    XvfbServer* server = XvfbServer::Get();
    if (!server) GTEST_SKIP() << XvfbServer::why();
    win32::ResetWindowSystem();
    std::string error;
    ASSERT_TRUE(win32::UseX11Display(server->display().c_str(), error)) << error;
    xtest_ = XOpenDisplay(server->display().c_str());
    ASSERT_NE(xtest_, nullptr);
    g_record = &record_;
  }
  void TearDown() override {
    if (dialog_) DestroyWindow(dialog_);
    g_record = nullptr;
    win32::UseHeadlessDisplay();
    win32::ResetWindowSystem();
    if (xtest_) XCloseDisplay(xtest_);
  }

  void OpenDialog() {
    win32::internal::DialogTemplateBuilder tpl(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
                                               RECT{0, 0, 180, 100}, "Real input", {8, "MS Sans Serif"});
    tpl.Item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, RECT{10, 10, 110, 24}, kEdit, "Edit",
             "")
        .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, RECT{10, 30, 110, 40}, kCheck, "Button",
              "&Remember")
        .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, RECT{10, 46, 110, 106}, kCombo,
              "ComboBox", "")
        .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{120, 10, 170, 24}, IDOK, "Button", "OK")
        .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, RECT{120, 28, 170, 42}, IDCANCEL, "Button",
              "Cancel");
    dialog_ = CreateDialogIndirectParam(nullptr, tpl.Get(), nullptr, RecordingDialogProc, 0);
    ASSERT_NE(dialog_, nullptr);
    SetWindowPos(dialog_, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(dialog_, SW_SHOW);
    Settle();
  }

  // Lets the dialog paint, the display show it, and every event the
  // display has sent reach the dialog.
  void Settle() {
    for (int round = 0; round < 3; ++round) {
      Pump();
      XSync(xtest_, False);
      ASSERT_TRUE(win32::SyncDisplay());
      Pump();
    }
  }
  void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (dialog_ && IsDialogMessage(dialog_, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }

  void ClickAt(POINT at) {
    XTestFakeMotionEvent(xtest_, -1, at.x, at.y, CurrentTime);
    XTestFakeButtonEvent(xtest_, 1, True, CurrentTime);
    XTestFakeButtonEvent(xtest_, 1, False, CurrentTime);
    Settle();
  }
  void Key(KeySym sym) {
    const KeyCode code = XKeysymToKeycode(xtest_, sym);
    XTestFakeKeyEvent(xtest_, code, True, CurrentTime);
    XTestFakeKeyEvent(xtest_, code, False, CurrentTime);
  }
  void Type(const std::string& text) {
    for (char ch : text) Key(static_cast<KeySym>(ch));
    Settle();
  }

  HWND Item(WORD id) const { return GetDlgItem(dialog_, id); }

  // What the window manager sends when its close button is clicked.
  void AskToClose(Window xid) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = xid;
    ev.xclient.message_type = XInternAtom(xtest_, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(xtest_, "WM_DELETE_WINDOW", False));
    XSendEvent(xtest_, xid, False, NoEventMask, &ev);
    Settle();
  }

  // The top-level X window whose name is `title`, or 0.
  Window XWindowNamed(const std::string& title) {
    Window found = 0, rootReturn, parent;
    Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(xtest_, DefaultRootWindow(xtest_), &rootReturn, &parent, &children, &count);
    for (unsigned i = 0; i < count && !found; ++i) {
      char* name = nullptr;
      if (XFetchName(xtest_, children[i], &name) && name) {
        if (title == name) found = children[i];
        XFree(name);
      }
    }
    if (children) XFree(children);
    return found;
  }

  Display* xtest_ = nullptr;
  HWND dialog_ = nullptr;
  DialogRecord record_;
};

TEST_F(X11DialogTest, RealKeysAndClicksReachTheControls) {
  OpenDialog();
  ClickAt(CenterOf(Item(kEdit)));
  EXPECT_EQ(GetFocus(), Item(kEdit));
  Type("hello");
  char text[32] = {};
  GetWindowText(Item(kEdit), text, sizeof text);
  EXPECT_STREQ(text, "hello");

  ClickAt(CenterOf(Item(kCheck)));
  EXPECT_EQ(SendMessage(Item(kCheck), BM_GETCHECK, 0, 0), BST_CHECKED);

  ClickAt(CenterOf(Item(kCombo)));
  ASSERT_TRUE(SendMessage(Item(kCombo), CB_GETDROPPEDSTATE, 0, 0));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(Item(kCombo), &info));
  RECT itemRect{};
  ASSERT_NE(SendMessage(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&itemRect)), LB_ERR);
  POINT gamma{(itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2};
  ClientToScreen(info.hwndList, &gamma);
  ClickAt(gamma);
  EXPECT_FALSE(SendMessage(Item(kCombo), CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(SendMessage(Item(kCombo), CB_GETCURSEL, 0, 0), 2);

  Key(XK_Escape);
  Settle();
  EXPECT_EQ(record_.cancelCount, 1);

  ClickAt(CenterOf(Item(IDOK)));
  EXPECT_EQ(record_.okCount, 1);
  EXPECT_EQ(record_.textAtOk, "hello");
  EXPECT_EQ(record_.checkAtOk, BST_CHECKED);
  EXPECT_EQ(record_.comboAtOk, 2);
}

TEST_F(X11DialogTest, AccentedLettersOfTheLayoutAreTypedAsUtf8) {
  // Give a key with no symbol the letter e-acute, as a French layout has.
  int minCode = 0, maxCode = 0;
  XDisplayKeycodes(xtest_, &minCode, &maxCode);
  int perCode = 0;
  KeySym* map = XGetKeyboardMapping(xtest_, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
  ASSERT_NE(map, nullptr);
  KeyCode spare = 0;
  for (int code = maxCode; code >= minCode && !spare; --code) {
    if (map[(code - minCode) * perCode] == NoSymbol) spare = static_cast<KeyCode>(code);
  }
  XFree(map);
  ASSERT_NE(spare, 0);
  KeySym eacute = XK_eacute;
  XChangeKeyboardMapping(xtest_, spare, 1, &eacute, 1);
  XSync(xtest_, False);
  OpenDialog();
  ClickAt(CenterOf(Item(kEdit)));
  Key(XK_c);
  XTestFakeKeyEvent(xtest_, spare, True, CurrentTime);
  XTestFakeKeyEvent(xtest_, spare, False, CurrentTime);
  Type("t");
  char text[32] = {};
  GetWindowText(Item(kEdit), text, sizeof text);
  EXPECT_STREQ(text, "c\xC3\xA9t");
  KeySym none = NoSymbol;
  XChangeKeyboardMapping(xtest_, spare, 1, &none, 1);
  XSync(xtest_, False);
}

// The X windows on the root, bottom first.
std::vector<Window> Stacking(Display* display) {
  Window rootReturn, parent;
  Window* children = nullptr;
  unsigned count = 0;
  XQueryTree(display, DefaultRootWindow(display), &rootReturn, &parent, &children, &count);
  std::vector<Window> order(children, children + count);
  if (children) XFree(children);
  return order;
}

TEST_F(X11DialogTest, ATopmostWindowStaysAboveWindowsShownOrActivatedAfterIt) {
  HWND topmost = CreateWindowEx(WS_EX_TOPMOST, "STATIC", "Topmost", WS_POPUP | WS_VISIBLE, 40, 40, 120, 80, nullptr,
                                nullptr, nullptr, nullptr);
  Settle();
  HWND later =
      CreateWindowEx(0, "STATIC", "Later", WS_OVERLAPPEDWINDOW, 20, 20, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(later, SW_SHOW);
  SetActiveWindow(later);
  Settle();
  const Window topX = XWindowNamed("Topmost");
  const Window laterX = XWindowNamed("Later");
  ASSERT_TRUE(topX && laterX);
  const std::vector<Window> order = Stacking(xtest_);
  const auto at = [&](Window xid) { return std::find(order.begin(), order.end(), xid) - order.begin(); };
  EXPECT_GT(at(topX), at(laterX)) << "the topmost window is still above";
  DestroyWindow(later);
  DestroyWindow(topmost);
}

TEST_F(X11DialogTest, TheWindowManagersCloseAsksTheDialogToCancel) {
  OpenDialog();
  const Window xid = XWindowNamed("Real input");
  ASSERT_NE(xid, 0u);
  AskToClose(xid);
  EXPECT_EQ(record_.cancelCount, 1);
  EnableMenuItem(GetSystemMenu(dialog_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  AskToClose(xid);
  EXPECT_EQ(record_.cancelCount, 1) << "a greyed Close keeps the window";
}

TEST_F(X11DialogTest, TheWindowsIconIsShownToTheWindowManager) {
  OpenDialog();
  SendMessage(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIcon(nullptr, IDI_APPLICATION)));
  RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Settle();
  const Window xid = XWindowNamed("Real input");
  ASSERT_NE(xid, 0u);
  Atom type;
  int format;
  unsigned long count = 0, remaining;
  unsigned char* data = nullptr;
  ASSERT_EQ(XGetWindowProperty(xtest_, xid, XInternAtom(xtest_, "_NET_WM_ICON", False), 0, 1 << 16, False,
                               AnyPropertyType, &type, &format, &count, &remaining, &data),
            Success);
  ASSERT_NE(data, nullptr);
  const auto* words = reinterpret_cast<const unsigned long*>(data);
  ASSERT_GE(count, 2u);
  EXPECT_EQ(words[0], 32u);
  EXPECT_EQ(words[1], 32u);
  EXPECT_EQ(count, 2 + words[0] * words[1]);
  long opaque = 0;
  // Xlib hands format-32 items back sign-extended in longs.
  for (unsigned long i = 2; i < count; ++i) opaque += ((words[i] & 0xFFFFFFFFUL) >> 24) == 0xFF;
  EXPECT_GT(opaque, 0);
  XFree(data);
}

TEST_F(X11DialogTest, TheScreenShowsWhatTheWindowPainted) {
  OpenDialog();
  ClickAt(CenterOf(Item(kCheck)));
  RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();

  RECT rc{};
  GetWindowRect(dialog_, &rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  cairo_surface_t* painted = win32::internal::GetWindowSurface(dialog_);
  ASSERT_NE(painted, nullptr);
  cairo_surface_flush(painted);
  ASSERT_EQ(cairo_image_surface_get_width(painted), width);
  ASSERT_EQ(cairo_image_surface_get_height(painted), height);
  XImage* shot = XGetImage(xtest_, DefaultRootWindow(xtest_), rc.left, rc.top, static_cast<unsigned>(width),
                           static_cast<unsigned>(height), AllPlanes, ZPixmap);
  ASSERT_NE(shot, nullptr);
  const unsigned char* data = cairo_image_surface_get_data(painted);
  const int stride = cairo_image_surface_get_stride(painted);
  long differing = 0;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      if ((XGetPixel(shot, x, y) & 0xFFFFFF) != (row[x] & 0xFFFFFF)) ++differing;
    }
  }
  XDestroyImage(shot);
  // Only a blinking caret may differ between the two pictures.
  EXPECT_LT(differing, width * height / 200) << differing << " of " << width * height << " pixels differ";
}

}  // namespace
