// Combo box geometry and the classic look: a sunken field, the drop-down
// button, and the selection field of a drop-down list.
#include <algorithm>

#include "controls/combo.h"

namespace win32::controls {
namespace {

constexpr int kEdge = 2;        // the sunken edge around the field
constexpr int kFieldExtra = 6;  // edges and margins around the field's item
constexpr int kTextIndent = 2;  // text inside the highlight of the field

int FontHeight(HWND hwnd, const ComboState& state) {
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard select(dc, PaintFont(state.font));
    height = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  return height;
}

// The drop-down kinds are only as high as their field; a new height from
// outside (MoveWindow, a dialog template) is the height with the list open.
void FitToField(HWND hwnd, ComboState& state, int previousField) {
  if (ComboType(hwnd) == CBS_SIMPLE || state.resizing) return;
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  const int height = client.bottom - client.top;
  if (height == state.fieldHeight) return;
  if (height != previousField) state.droppedHeight = window.bottom - window.top;
  const int frame = (window.bottom - window.top) - height;
  state.resizing = true;
  SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, state.fieldHeight + frame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  state.resizing = false;
}

void PlaceChildren(HWND hwnd, const ComboState& state) {
  if (state.edit) {
    RECT rc = FieldTextRect(hwnd, state);
    InflateRect(&rc, -1, -1);
    MoveWindow(state.edit, rc.left, rc.top, std::max(0L, static_cast<long>(rc.right - rc.left)),
               std::max(0L, static_cast<long>(rc.bottom - rc.top)), TRUE);
  }
  if (state.list && ComboType(hwnd) == CBS_SIMPLE) {
    RECT client{};
    GetClientRect(hwnd, &client);
    MoveWindow(state.list, 0, state.fieldHeight, client.right,
               std::max(0L, static_cast<long>(client.bottom - state.fieldHeight)), TRUE);
  }
}

void DrawOwnerField(HWND hwnd, const ComboState& state, HDC dc, const RECT& item, bool enabled) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_COMBOBOX;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(state.sel);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = ODS_COMBOBOXEDIT | (state.focused ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = item;
  if (state.sel >= 0) {
    dis.itemData = static_cast<ULONG_PTR>(SendMessage(state.list, LB_GETITEMDATA, static_cast<WPARAM>(state.sel), 0));
  }
  SendMessage(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

// The selection field of a drop-down list: the chosen item, highlighted
// with a focus rectangle while the combo has the focus.
void PaintSelectionField(HWND hwnd, const ComboState& state, HDC dc, const RECT& field, bool enabled) {
  HBRUSH brush = ControlColor(hwnd, dc, enabled ? WM_CTLCOLORLISTBOX : WM_CTLCOLORSTATIC);
  FillRect(dc, &field, brush);
  RECT item = field;
  InflateRect(&item, -1, -1);
  if (StyleOf(hwnd) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
    DrawOwnerField(hwnd, state, dc, item, enabled);
    return;
  }
  const bool highlight = state.focused && enabled;
  if (highlight) {
    FillSysColor(dc, item, COLOR_HIGHLIGHT);
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else if (!enabled) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  const std::string text = ComboText(state);
  RECT textRect = item;
  textRect.left += kTextIndent;
  {
    SelectGuard select(dc, PaintFont(state.font));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
             DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SetBkMode(dc, oldMode);
  }
  if (highlight) DrawFocusRect(dc, &item);
}

}  // namespace

void UpdateLayout(HWND hwnd, ComboState& state) {
  const int previousField = state.fieldHeight;
  const int item = state.customFieldItem > 0 ? state.customFieldItem : FontHeight(hwnd, state) + 2;
  state.fieldHeight = item + kFieldExtra;
  FitToField(hwnd, state, previousField);
  PlaceChildren(hwnd, state);
}

RECT ButtonRect(HWND hwnd, const ComboState& state) {
  if (ComboType(hwnd) == CBS_SIMPLE) return RECT{};
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  return RECT{std::max(kEdge, static_cast<int>(client.right) - kEdge - width), kEdge,
              static_cast<int>(client.right) - kEdge, state.fieldHeight - kEdge};
}

RECT FieldTextRect(HWND hwnd, const ComboState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const int right =
      ComboType(hwnd) == CBS_SIMPLE ? static_cast<int>(client.right) - kEdge : ButtonRect(hwnd, state).left;
  return RECT{kEdge, kEdge, std::max(kEdge, right), state.fieldHeight - kEdge};
}

void PaintCombo(HWND hwnd, const ComboState& state, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  RECT field{0, 0, client.right, state.fieldHeight};
  DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT);
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const RECT inner = FieldTextRect(hwnd, state);
  if (IsDropDownList(hwnd)) {
    PaintSelectionField(hwnd, state, dc, inner, enabled);
  } else {
    // The margin around the edit in the edit's own colours.
    HBRUSH brush = ControlColor(hwnd, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(dc, &inner, brush);
  }
  if (ComboType(hwnd) == CBS_SIMPLE) return;
  RECT button = ButtonRect(hwnd, state);
  DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (enabled ? 0 : DFCS_INACTIVE));
}

}  // namespace win32::controls
