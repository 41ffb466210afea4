// The default procedures of MDI frames and children, their keyboard and
// CreateMDIWindow.
#include <algorithm>

#include "mdi/mdi_client.h"
#include "mdi/mdi_state.h"

namespace {

using namespace win32::mdi;

// The window menu's child items activate their child; system commands
// from the menu bar (the maximised child's buttons) go to the active child.
bool FrameCommand(HWND client, WPARAM wParam) {
  const auto info = InfoOf(client);
  if (!info || HIWORD(wParam) == 1) return false;
  const UINT id = LOWORD(wParam);
  // The list's ids (0xFF00 up, as frames use) come before the system ones.
  const size_t listed = std::min<size_t>(info->children.size(), kListedChildren);
  if (id == info->idFirstChild + kListedChildren && info->children.size() > kListedChildren) {
    ChooseMoreWindows(client);
    return true;
  }
  if (id >= info->idFirstChild && id < info->idFirstChild + listed) {
    HWND child = info->children[id - info->idFirstChild];
    if (IsIconic(child)) ShowWindow(child, SW_RESTORE);
    Activate(client, child);
    return true;
  }
  if (id < SC_SIZE || id > SC_CONTEXTHELP || info->active == nullptr) return false;
  SendMessage(info->active, WM_SYSCOMMAND, id, 0);
  return true;
}

bool IsMaximizeCommand(WPARAM command) { return (command & 0xFFF0) == SC_MAXIMIZE; }

LRESULT ChildSysCommand(HWND child, HWND client, WPARAM wParam, LPARAM lParam) {
  switch (wParam & 0xFFF0) {
    case SC_NEXTWINDOW:
      ActivateNext(client, child, false);
      return 0;
    case SC_PREVWINDOW:
      ActivateNext(client, child, true);
      return 0;
    case SC_CLOSE:
      SendMessage(child, WM_CLOSE, 0, 0);
      return 0;
    default:
      break;
  }
  // Maximising an inactive child activates it first.
  if (IsMaximizeCommand(wParam)) Activate(client, child);
  return DefWindowProc(child, WM_SYSCOMMAND, wParam, lParam);
}

// A maximised child covers the client with its frame and caption outside.
LRESULT ChildPosChanging(HWND child, LPARAM lParam) {
  const LRESULT result = DefWindowProc(child, WM_WINDOWPOSCHANGING, 0, lParam);
  auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
  if (wp != nullptr && IsZoomed(child) && !(wp->flags & SWP_NOSIZE)) {
    const RECT r = MaximizedRect(child);
    wp->x = r.left;
    wp->y = r.top;
    wp->cx = r.right - r.left;
    wp->cy = r.bottom - r.top;
  }
  return result;
}

}  // namespace

LRESULT WINAPI DefFrameProc(HWND hWnd, HWND hWndMDIClient, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  const bool hasClient = InfoOf(hWndMDIClient).has_value();
  switch (uMsg) {
    case WM_COMMAND:
      if (hasClient && FrameCommand(hWndMDIClient, wParam)) return 0;
      break;
    case WM_SETTEXT:
      if (!hasClient) break;
      SetFrameTitle(hWndMDIClient, reinterpret_cast<LPCSTR>(lParam));
      return TRUE;
    case WM_SIZE:
      if (hasClient && wParam != SIZE_MINIMIZED) {
        RECT r{};
        GetClientRect(hWnd, &r);
        MoveWindow(hWndMDIClient, 0, 0, r.right, r.bottom, TRUE);
      }
      return 0;
    case WM_SETFOCUS:
      if (hasClient) SetFocus(hWndMDIClient);
      return 0;
    case WM_NCACTIVATE:
      if (const auto info = InfoOf(hWndMDIClient); info && info->active)
        SendMessage(info->active, WM_NCACTIVATE, wParam, lParam);
      break;
    default:
      break;
  }
  return DefWindowProc(hWnd, uMsg, wParam, lParam);
}

LRESULT WINAPI DefMDIChildProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  HWND client = ClientOf(hWnd);
  if (client == nullptr) return DefWindowProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_SYSCOMMAND:
      return ChildSysCommand(hWnd, client, wParam, lParam);
    case WM_CLOSE:
      SendMessage(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWnd), 0);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProc(hWnd, uMsg, wParam, lParam);
      RefreshWindowMenu(client);
      UpdateFrameTitle(client);
      return result;
    }
    case WM_MOUSEACTIVATE:
    case WM_CHILDACTIVATE:
      Activate(client, hWnd);
      return uMsg == WM_MOUSEACTIVATE ? MA_ACTIVATE : 0;
    case WM_SETFOCUS:
      if (const auto info = InfoOf(client); info && info->active != hWnd) Activate(client, hWnd);
      return 0;
    case WM_SIZE: {
      const LRESULT result = DefWindowProc(hWnd, uMsg, wParam, lParam);
      ChildSized(client, hWnd, wParam);
      return result;
    }
    case WM_WINDOWPOSCHANGING:
      return ChildPosChanging(hWnd, lParam);
    case WM_WINDOWPOSCHANGED: {
      // A child made hidden becomes the active one when it is shown.
      const LRESULT result = DefWindowProc(hWnd, uMsg, wParam, lParam);
      const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (wp != nullptr && (wp->flags & SWP_SHOWWINDOW)) Activate(client, hWnd);
      return result;
    }
    case WM_DESTROY:
      ChildGone(client, hWnd);
      return 0;
    case WM_SYSCHAR:
      // Alt+minus opens the child's own system menu.
      if (wParam == '-') {
        SendMessage(hWnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        return 0;
      }
      return DefWindowProc(hWnd, uMsg, wParam, lParam);
    default:
      return DefWindowProc(hWnd, uMsg, wParam, lParam);
  }
}

BOOL WINAPI TranslateMDISysAccel(HWND hWndClient, LPMSG lpMsg) {
  if (lpMsg == nullptr || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
  const auto info = InfoOf(hWndClient);
  if (!info || info->active == nullptr || !IsWindowEnabled(info->active)) return FALSE;
  if (!(GetKeyState(VK_CONTROL) & 0x8000)) return FALSE;
  WPARAM command = 0;
  switch (lpMsg->wParam) {
    case VK_F4:
      command = SC_CLOSE;
      break;
    case VK_F6:
    case VK_TAB:
      command = (GetKeyState(VK_SHIFT) & 0x8000) ? SC_PREVWINDOW : SC_NEXTWINDOW;
      break;
    default:
      return FALSE;
  }
  SendMessage(info->active, WM_SYSCOMMAND, command, 0);
  return TRUE;
}

HWND WINAPI CreateMDIWindow(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y, int nWidth,
                            int nHeight, HWND hWndParent, HINSTANCE hInstance, LPARAM lParam) {
  MDICREATESTRUCT mcs{lpClassName, lpWindowName, hInstance, X, Y, nWidth, nHeight, dwStyle, lParam};
  return reinterpret_cast<HWND>(SendMessage(hWndParent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}
