// Window creation and destruction, in the Win32 order of messages.
#include <algorithm>

#include "core/state.h"
#include "core/window.h"

namespace win32::core {
namespace {

constexpr int kDefaultX = 100, kDefaultY = 100, kDefaultCx = 640, kDefaultCy = 480;

// WM_PARENTNOTIFY climbs the parent chain until a window that does not
// want it.
void NotifyParents(HWND hwnd, WPARAM event, LPARAM lParam) {
  HWND child = hwnd;
  for (;;) {
    HWND parent;
    {
      Lock lk(S());
      WindowPtr w = FindWindowLocked(child);
      if (!w || !(w->style & WS_CHILD) || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
      parent = w->parent;
    }
    SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, GetDlgCtrlID(hwnd)), lParam);
    child = parent;
  }
}

DWORD AdjustStyles(DWORD style, DWORD& exStyle) {
  if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_DLGFRAME | WS_THICKFRAME))) exStyle |= WS_EX_WINDOWEDGE;
  return style;
}

void ClampToMinMax(HWND hwnd, int& cx, int& cy) {
  MINMAXINFO mmi{};
  mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  cx =
      std::clamp(cx, static_cast<int>(mmi.ptMinTrackSize.x), std::max<int>(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
  cy =
      std::clamp(cy, static_cast<int>(mmi.ptMinTrackSize.y), std::max<int>(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
}

// Removes a window from every table once WM_NCDESTROY was sent.
void FreeWindow(HWND hwnd) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return;
  State& s = S();
  UnlinkLocked(*w);
  RemoveWindowTimersLocked(hwnd);
  ForgetWindowLocked(hwnd);
  for (HWND* slot : {&s.focus, &s.active, &s.capture, &s.foreground, &s.lastMouseWindow, &s.caret.owner}) {
    if (*slot == hwnd) *slot = nullptr;
  }
  for (auto& [h, other] : s.windows) {
    if (other->owner == hwnd) other->owner = nullptr;
  }
  s.windows.erase(hwnd);
  NotifyAll();
}

void SendNcDestroy(HWND hwnd) {
  std::vector<HWND> children;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return;
    children = w->children;
  }
  for (HWND c : children) SendNcDestroy(c);
  SendMessage(hwnd, WM_NCDESTROY, 0, 0);
  FreeWindow(hwnd);
}

void SendDestroy(HWND hwnd) {
  SendMessage(hwnd, WM_DESTROY, 0, 0);
  std::vector<HWND> children;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return;
    children = w->children;
    for (HWND c : children) {
      if (WindowPtr cw = FindWindowLocked(c)) cw->destroying = true;
    }
  }
  for (HWND c : children) SendDestroy(c);
}

HWND MakeWindow(std::shared_ptr<WindowClass> cls, DWORD exStyle, DWORD style, HWND parent, HWND owner, HMENU menu,
                HINSTANCE instance, RECT rect) {
  auto w = std::make_shared<Window>();
  w->hwnd = reinterpret_cast<HWND>(NewHandleValue());
  w->cls = cls;
  w->thread = CurrentThreadId();
  w->instance = instance;
  w->style = style & ~WS_VISIBLE;
  w->exStyle = exStyle;
  w->parent = parent;
  w->owner = owner;
  w->rect = w->client = w->normalRect = rect;
  w->proc = cls->wc.lpfnWndProc;
  w->extra.assign(static_cast<size_t>(cls->wc.cbWndExtra), 0);
  // A child's id and a top-level window's menu share the slot, as in Win32.
  w->id = reinterpret_cast<UINT_PTR>(menu);
  S().windows.emplace(w->hwnd, w);
  LinkLocked(*w, (style & WS_CHILD) ? HWND_BOTTOM : HWND_TOP);
  // The thread that owns a window owns a message queue.
  CurrentQueueLocked();
  return w->hwnd;
}

}  // namespace
}  // namespace win32::core

using namespace win32::core;

HWND WINAPI CreateWindowEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                           int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
  const bool child = (dwStyle & WS_CHILD) != 0;
  HWND parent = nullptr, owner = nullptr, hwnd = nullptr;
  dwStyle = AdjustStyles(dwStyle, dwExStyle);
  {
    Lock lk(S());
    auto cls = FindClassLocked(lpClassName, hInstance);
    if (!cls) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    if (hWndParent == HWND_MESSAGE) hWndParent = nullptr;
    if (hWndParent && !FindWindowLocked(hWndParent)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if (child && !hWndParent) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if (child) {
      parent = hWndParent;
    } else if (hWndParent) {
      owner = TopLevelOfLocked(hWndParent);
    }
    if (X == CW_USEDEFAULT) X = Y = child ? 0 : kDefaultX;
    if (nWidth == CW_USEDEFAULT) {
      nWidth = child ? 0 : kDefaultCx;
      nHeight = child ? 0 : kDefaultCy;
    }
    hwnd = MakeWindow(cls, dwExStyle, dwStyle, parent, owner, hMenu, hInstance, RECT{X, Y, X + nWidth, Y + nHeight});
  }

  CREATESTRUCT cs{lpParam,     hInstance, hMenu, child ? parent : owner,     nHeight,
                  nWidth,      Y,         X,     static_cast<LONG>(dwStyle), lpWindowName,
                  lpClassName, dwExStyle};
  CBT_CREATEWND cbt{&cs, HWND_TOP};
  auto fail = [&] {
    DestroyWindow(hwnd);
    return static_cast<HWND>(nullptr);
  };
  if (CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt))) return fail();
  if (!child) {
    ClampToMinMax(hwnd, nWidth, nHeight);
    cs.cx = nWidth;
    cs.cy = nHeight;
    Lock lk(S());
    if (WindowPtr w = FindWindowLocked(hwnd)) w->rect = w->client = w->normalRect = RECT{X, Y, X + nWidth, Y + nHeight};
  }
  if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return fail();
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return nullptr;
    RECT rc = w->rect;
    lk.unlock();
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rc));
    lk.lock();
    w->client = rc;
  }
  if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) return fail();
  if (!IsWindow(hwnd)) return nullptr;
  RECT client;
  GetClientRect(hwnd, &client);
  SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return nullptr;
    POINT org{w->client.left, w->client.top};
    lk.unlock();
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(org.x, org.y));
  }
  if (dwStyle & WS_VISIBLE) {
    int cmd = SW_SHOW;
    if (dwStyle & WS_MINIMIZE) cmd = SW_SHOWMINIMIZED;
    if (dwStyle & WS_MAXIMIZE) cmd = SW_SHOWMAXIMIZED;
    ShowWindow(hwnd, cmd);
  }
  NotifyParents(hwnd, WM_CREATE, reinterpret_cast<LPARAM>(hwnd));
  return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  bool visible, child;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    if (!IsOwnThread(*w)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    // A nested call during destruction has nothing left to do.
    if (w->destroying) return TRUE;
    w->destroying = true;
    visible = (w->style & WS_VISIBLE) != 0;
    child = (w->style & WS_CHILD) != 0;
  }
  CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hWnd), 0);
  if (child) NotifyParents(hWnd, WM_DESTROY, reinterpret_cast<LPARAM>(hWnd));
  if (visible) {
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  }
  if (GetActiveWindow() == hWnd) ActivateOtherWindow(hWnd);
  std::vector<HWND> owned;
  {
    State& st = S();
    Lock lk(st);
    for (auto& [h, w] : st.windows) {
      if (w->owner == hWnd && !w->destroying) owned.push_back(h);
    }
  }
  for (HWND o : owned) DestroyWindow(o);
  HWND focus = GetFocus();
  bool focusInside = false, captureInside = false;
  HWND parentForFocus = nullptr;
  {
    State& st = S();
    Lock lk(st);
    focusInside = focus && (focus == hWnd || IsDescendantLocked(hWnd, focus));
    captureInside = st.capture && (st.capture == hWnd || IsDescendantLocked(hWnd, st.capture));
    if (WindowPtr w = FindWindowLocked(hWnd)) parentForFocus = ParentOrNull(*w);
  }
  if (focusInside) SetFocus(parentForFocus);
  if (captureInside) ReleaseCapture();
  SendDestroy(hWnd);
  SendNcDestroy(hWnd);
  if (!child) Backend().WindowChanged(hWnd);
  ReportDroppedMessages();
  return TRUE;
}

namespace win32::core {

void DestroyThreadWindows() {
  const DWORD me = CurrentThreadId();
  // Each window whose parent is not also going: destroying it takes its
  // children (and the windows it owns) with it.
  std::vector<HWND> roots;
  {
    State& st = S();
    Lock lk(st);
    for (auto& [h, w] : st.windows) {
      if (w->thread != me || w->destroying) continue;
      WindowPtr parent = w->parent ? FindWindowLocked(w->parent) : nullptr;
      if (!parent || parent->thread != me) roots.push_back(h);
    }
  }
  for (HWND h : roots) DestroyWindow(h);
}

}  // namespace win32::core
