// The "MDICLIENT" window: children made and destroyed through it, their
// activation, and the client's messages.
#include "mdi/mdi_client.h"

#include <algorithm>

#include "internal/core_classes.h"
#include "mdi/mdi_state.h"

namespace win32::mdi {
namespace {

// Children's ids follow their place in the window menu.
void Renumber(HWND client) {
  const auto info = InfoOf(client);
  if (!info) return;
  for (size_t i = 0; i < info->children.size(); ++i)
    SetWindowLongPtr(info->children[i], GWLP_ID, LONG_PTR(info->idFirstChild + i));
}

// The next cascade position for a child made with CW_USEDEFAULT.
POINT DefaultPosition(HWND client, size_t index) {
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  RECT area{};
  GetClientRect(client, &area);
  const int slots = std::max(1, (area.bottom - area.top) / (2 * step));
  const int i = int(index % size_t(slots));
  return POINT{i * step, i * step};
}

SIZE DefaultSize(HWND client) {
  RECT area{};
  GetClientRect(client, &area);
  return SIZE{std::max(100, (area.right * 3) / 4), std::max(60, (area.bottom * 3) / 4)};
}

HWND CreateChild(HWND client, const MDICREATESTRUCT& mcs) {
  const auto info = InfoOf(client);
  if (!info || mcs.szClass == nullptr) return nullptr;
  DWORD style = mcs.style | WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION;
  if (!(GetWindowLong(client, GWL_STYLE) & MDIS_ALLCHILDSTYLES))
    style |= WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const bool visible = (style & WS_VISIBLE) != 0;
  const bool maximize = info->maximized != nullptr || (style & WS_MAXIMIZE);
  style &= ~(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE);
  const POINT at = mcs.x == CW_USEDEFAULT ? DefaultPosition(client, info->children.size()) : POINT{mcs.x, mcs.y};
  const SIZE size = mcs.cx == CW_USEDEFAULT ? DefaultSize(client) : SIZE{mcs.cx, mcs.cy};
  const UINT id = info->idFirstChild + UINT(info->children.size());
  HWND child = CreateWindowEx(WS_EX_MDICHILD | WS_EX_WINDOWEDGE, mcs.szClass, mcs.szTitle, style, at.x, at.y, size.cx,
                              size.cy, client, reinterpret_cast<HMENU>(UINT_PTR(id)),
                              reinterpret_cast<HINSTANCE>(mcs.hOwner), const_cast<MDICREATESTRUCT*>(&mcs));
  if (child == nullptr) return nullptr;
  Update(client, [&](ClientInfo& c) { c.children.push_back(child); });
  if (visible || maximize) ShowWindow(child, maximize ? SW_SHOWMAXIMIZED : SW_SHOW);
  if (IsWindowVisible(child)) Activate(client, child);
  RefreshWindowMenu(client);
  return child;
}

LRESULT OnCreate(HWND client, const CREATESTRUCT* cs) {
  const auto* ccs = cs != nullptr ? static_cast<const CLIENTCREATESTRUCT*>(cs->lpCreateParams) : nullptr;
  ClientInfo info;
  info.frame = GetParent(client);
  if (ccs != nullptr) {
    info.windowMenu = reinterpret_cast<HMENU>(ccs->hWindowMenu);
    info.idFirstChild = ccs->idFirstChild;
  }
  char title[256] = {};
  GetWindowText(info.frame, title, sizeof(title));
  info.frameTitle = title;
  std::lock_guard lock(Clients().mutex);
  Clients().clients[client] = std::move(info);
  return 0;
}

LRESULT GetActive(HWND client, LPARAM maximizedFlag) {
  const auto info = InfoOf(client);
  if (!info) return 0;
  if (maximizedFlag != 0) *reinterpret_cast<BOOL*>(maximizedFlag) = info->maximized != nullptr;
  return reinterpret_cast<LRESULT>(info->active);
}

bool IsChildOf(HWND client, HWND child) {
  const auto info = InfoOf(client);
  return info && std::find(info->children.begin(), info->children.end(), child) != info->children.end();
}

void OnSize(HWND client) {
  const auto info = InfoOf(client);
  if (!info || info->maximized == nullptr) return;
  const RECT r = MaximizedRect(info->maximized);
  SetWindowPos(info->maximized, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK ClientProc(HWND client, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(client, reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_MDICREATE:
      if (lParam == 0) return 0;
      return reinterpret_cast<LRESULT>(CreateChild(client, *reinterpret_cast<const MDICREATESTRUCT*>(lParam)));
    case WM_MDIDESTROY:
      if (IsChildOf(client, reinterpret_cast<HWND>(wParam))) DestroyWindow(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_MDIACTIVATE:
      if (IsChildOf(client, reinterpret_cast<HWND>(wParam))) Activate(client, reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_MDIGETACTIVE:
      return GetActive(client, lParam);
    case WM_MDINEXT:
      ActivateNext(client, reinterpret_cast<HWND>(wParam), lParam != 0);
      return 0;
    case WM_MDIMAXIMIZE:
      if (IsChildOf(client, reinterpret_cast<HWND>(wParam))) ShowWindow(reinterpret_cast<HWND>(wParam), SW_MAXIMIZE);
      return 0;
    case WM_MDIRESTORE:
      if (IsChildOf(client, reinterpret_cast<HWND>(wParam))) ShowWindow(reinterpret_cast<HWND>(wParam), SW_RESTORE);
      return 0;
    case WM_MDITILE:
      Tile(client, UINT(wParam));
      return TRUE;
    case WM_MDICASCADE:
      Cascade(client, UINT(wParam));
      return TRUE;
    case WM_MDIICONARRANGE:
      ArrangeIcons(client);
      return 0;
    case WM_MDISETMENU:
      return reinterpret_cast<LRESULT>(
          SetFrameMenus(client, reinterpret_cast<HMENU>(wParam), reinterpret_cast<HMENU>(lParam)));
    case WM_MDIREFRESHMENU: {
      RefreshWindowMenu(client);
      const auto info = InfoOf(client);
      return info ? reinterpret_cast<LRESULT>(GetMenu(info->frame)) : 0;
    }
    case WM_PARENTNOTIFY:
      if (LOWORD(wParam) == WM_DESTROY) ChildGone(client, reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_SIZE:
      OnSize(client);
      return 0;
    case WM_SETFOCUS:
      if (const auto info = InfoOf(client); info && info->active && !IsIconic(info->active)) SetFocus(info->active);
      return 0;
    case WM_NCDESTROY: {
      std::lock_guard lock(Clients().mutex);
      Clients().clients.erase(client);
      return DefWindowProc(client, msg, wParam, lParam);
    }
    default:
      return DefWindowProc(client, msg, wParam, lParam);
  }
}

void RegisterClientClass() {
  WNDCLASSEX wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &ClientProc;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = "MDICLIENT";
  internal::RegisterSystemClass(wc);
}

const struct Registrar {
  Registrar() { internal::AddSystemClassInitializer(&RegisterClientClass); }
} registrar;

void SendActivation(HWND target, HWND losing, HWND gaining) {
  if (IsWindow(target))
    SendMessage(target, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(losing), reinterpret_cast<LPARAM>(gaining));
}

}  // namespace

std::vector<HWND> ZOrder(HWND client) {
  std::vector<HWND> order;
  const auto info = InfoOf(client);
  if (!info) return order;
  for (HWND h = GetWindow(client, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    if (IsWindowVisible(h) && std::find(info->children.begin(), info->children.end(), h) != info->children.end())
      order.push_back(h);
  }
  return order;
}

RECT MaximizedRect(HWND child) {
  RECT area{};
  GetClientRect(GetParent(child), &area);
  AdjustWindowRectEx(&area, DWORD(GetWindowLong(child, GWL_STYLE)), FALSE, DWORD(GetWindowLong(child, GWL_EXSTYLE)));
  return area;
}

void Activate(HWND client, HWND child) {
  const auto info = InfoOf(client);
  if (!info || info->active == child) return;
  const HWND old = info->active;
  const bool moveMaximized = old != nullptr && old == info->maximized && child != nullptr;
  Update(client, [&](ClientInfo& c) { c.active = child; });
  if (old != nullptr) {
    SendMessage(old, WM_NCACTIVATE, FALSE, 0);
    SendActivation(old, old, child);
  }
  if (child != nullptr) {
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The maximised state goes with the activation.
    if (moveMaximized) ShowWindow(child, SW_SHOWMAXIMIZED);
    SendMessage(child, WM_NCACTIVATE, TRUE, 0);
    SendActivation(child, old, child);
    if (GetActiveWindow() == info->frame && IsWindow(child)) SetFocus(child);
  }
  RefreshWindowMenu(client);
  UpdateFrameTitle(client);
}

void ActivateNext(HWND client, HWND from, bool previous) {
  const auto order = ZOrder(client);
  if (order.size() < 2) return;
  const auto info = InfoOf(client);
  if (from == nullptr && info) from = info->active;
  if (from != order.front()) return;
  Activate(client, previous ? order.back() : order[1]);
  if (!previous) SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ChildGone(HWND client, HWND child) {
  const auto info = InfoOf(client);
  if (!info || std::find(info->children.begin(), info->children.end(), child) == info->children.end()) return;
  const bool wasActive = info->active == child, wasMaximized = info->maximized == child;
  HWND next = nullptr;
  if (wasActive) {
    for (HWND h : ZOrder(client))
      if (h != child) {
        next = h;
        break;
      }
  }
  if (wasMaximized) SetMaximizedChild(client, nullptr);
  Update(client, [&](ClientInfo& c) {
    c.children.erase(std::find(c.children.begin(), c.children.end(), child));
    if (wasActive) c.active = nullptr;
  });
  Renumber(client);
  if (wasActive) {
    SendActivation(child, child, next);
    if (next != nullptr && wasMaximized) ShowWindow(next, SW_SHOWMAXIMIZED);
    Activate(client, next);
  }
  RefreshWindowMenu(client);
  UpdateFrameTitle(client);
}

void ChildSized(HWND client, HWND child, WPARAM sizeType) {
  const auto info = InfoOf(client);
  if (!info) return;
  if (sizeType == SIZE_MAXIMIZED) {
    // One child is maximised at a time: the one before is restored.
    const HWND before = info->maximized;
    if (before != child) SetMaximizedChild(client, child);
    if (before != nullptr && before != child && IsZoomed(before)) ShowWindow(before, SW_RESTORE);
  } else if (info->maximized == child) {
    SetMaximizedChild(client, nullptr);
  }
  if (sizeType == SIZE_MINIMIZED) ArrangeIcons(client);
  UpdateFrameTitle(client);
}

}  // namespace win32::mdi
