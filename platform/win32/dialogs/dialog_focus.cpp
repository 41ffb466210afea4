#include "dialogs/dialog_focus.h"

#include <algorithm>

#include "dialogs/dialog_info.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/winuser.h"

namespace win32::dlg {
namespace {

DWORD StyleOf(HWND wnd) { return static_cast<DWORD>(GetWindowLong(wnd, GWL_STYLE)); }
DWORD ExStyleOf(HWND wnd) { return static_cast<DWORD>(GetWindowLong(wnd, GWL_EXSTYLE)); }

void AppendNavigable(HWND container, std::vector<HWND>& out) {
  for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ExStyleOf(child) & WS_EX_CONTROLPARENT) {
      if (IsLiveControl(child)) AppendNavigable(child, out);
    } else {
      out.push_back(child);
    }
  }
}

bool IsNavigationContainer(HWND dlg, HWND wnd) {
  return wnd == dlg || ((ExStyleOf(wnd) & WS_EX_CONTROLPARENT) && IsChild(dlg, wnd));
}

}  // namespace

UINT DialogCode(HWND control, const MSG* msg) {
  WPARAM key = msg ? msg->wParam : 0;
  return static_cast<UINT>(SendMessage(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg)));
}

bool IsPushButtonCode(UINT code) { return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0; }

bool IsLiveControl(HWND control) {
  DWORD style = StyleOf(control);
  return IsWindow(control) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

std::vector<HWND> NavigationOrder(HWND dlg) {
  std::vector<HWND> out;
  if (IsWindow(dlg)) AppendNavigable(dlg, out);
  return out;
}

HWND NavigableControlOf(HWND dlg, HWND wnd) {
  if (!wnd || !IsChild(dlg, wnd)) return nullptr;
  for (HWND w = wnd; w && w != dlg; w = GetParent(w)) {
    HWND parent = GetParent(w);
    if (IsNavigationContainer(dlg, parent)) return w;
  }
  return nullptr;
}

HWND DefaultIdButton(HWND dlg) {
  auto answer = static_cast<DWORD>(SendMessage(dlg, DM_GETDEFID, 0, 0));
  if (HIWORD(answer) != DC_HASDEFID) return nullptr;
  return GetDlgItem(dlg, LOWORD(answer));
}

void SetPushButtonType(HWND button, DWORD type) {
  DWORD style = StyleOf(button) & 0xFFF0u;
  SendMessage(button, BM_SETSTYLE, style | type, TRUE);
}

HWND FindVisualDefault(HWND dlg, HWND except) {
  for (HWND control : NavigationOrder(dlg)) {
    if (control != except && (DialogCode(control) & DLGC_DEFPUSHBUTTON)) return control;
  }
  return nullptr;
}

void UpdateDefaultButton(HWND dlg, HWND focus) {
  UINT code = focus ? DialogCode(focus) : 0;
  HWND keep = IsPushButtonCode(code) ? focus : DefaultIdButton(dlg);
  if (HWND current = FindVisualDefault(dlg, keep)) SetPushButtonType(current, BS_PUSHBUTTON);
  if (keep && (DialogCode(keep) & DLGC_UNDEFPUSHBUTTON)) SetPushButtonType(keep, BS_DEFPUSHBUTTON);
}

void SetDialogFocus(HWND dlg, HWND control, bool selectAll) {
  if (!control || !IsWindow(control)) return;
  if (selectAll && (DialogCode(control) & DLGC_HASSETSEL)) SendMessage(control, EM_SETSEL, 0, -1);
  SetFocus(control);
  UpdateDefaultButton(dlg, control);
  if (auto info = FindDialogInfo(dlg)) {
    info->lastFocus = control;
    info->keepNoFocus = false;
  }
}

void SaveDialogFocus(HWND dlg) {
  HWND focus = GetFocus();
  auto info = FindDialogInfo(dlg);
  if (info && focus && IsChild(dlg, focus)) info->lastFocus = focus;
}

bool RestoreDialogFocus(HWND dlg) {
  auto info = FindDialogInfo(dlg);
  if (!info) return false;
  HWND target = info->lastFocus;
  if (target && (!IsChild(dlg, target) || !IsLiveControl(target))) target = nullptr;
  if (!target && info->keepNoFocus) return false;
  if (!target) target = GetNextDlgTabItem(dlg, nullptr, FALSE);
  if (target && target != GetFocus()) SetDialogFocus(dlg, target, false);
  return target != nullptr;
}

}  // namespace win32::dlg

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  using namespace win32::dlg;
  auto order = NavigationOrder(hDlg);
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  if (count == 0) return nullptr;
  HWND start = NavigableControlOf(hDlg, hCtl);
  auto found = std::find(order.begin(), order.end(), start);
  // No starting control: begin after the last (forward) or before the first.
  std::ptrdiff_t at = found != order.end() ? found - order.begin() : (bPrevious ? 0 : count - 1);
  const std::ptrdiff_t step = bPrevious ? -1 : 1;
  for (std::ptrdiff_t i = 1; i <= count; ++i) {
    HWND candidate = order[static_cast<size_t>(((at + i * step) % count + count) % count)];
    if ((GetWindowLong(candidate, GWL_STYLE) & WS_TABSTOP) && IsLiveControl(candidate)) return candidate;
  }
  return hCtl;
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  using namespace win32::dlg;
  auto order = NavigationOrder(hDlg);
  if (order.empty()) return nullptr;
  HWND start = NavigableControlOf(hDlg, hCtl);
  auto found = std::find(order.begin(), order.end(), start);
  if (found == order.end()) return GetNextDlgTabItem(hDlg, nullptr, bPrevious);
  const auto at = found - order.begin();
  auto opensGroup = [&](std::ptrdiff_t i) {
    return (GetWindowLong(order[static_cast<size_t>(i)], GWL_STYLE) & WS_GROUP) ||
           GetParent(order[static_cast<size_t>(i)]) != GetParent(start);
  };
  std::ptrdiff_t first = at;
  while (first > 0 && !(GetWindowLong(order[static_cast<size_t>(first)], GWL_STYLE) & WS_GROUP) &&
         GetParent(order[static_cast<size_t>(first - 1)]) == GetParent(start)) {
    --first;
  }
  std::ptrdiff_t end = at + 1;
  while (end < static_cast<std::ptrdiff_t>(order.size()) && !opensGroup(end)) ++end;
  const std::ptrdiff_t size = end - first;
  const std::ptrdiff_t step = bPrevious ? -1 : 1;
  for (std::ptrdiff_t i = 1; i < size; ++i) {
    HWND candidate = order[static_cast<size_t>(first + (((at - first) + i * step) % size + size) % size)];
    if (IsLiveControl(candidate)) return candidate;
  }
  return hCtl;
}
