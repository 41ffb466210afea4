// Editing item labels in place: an edit control over the label, closed by
// Enter (keep), Escape (drop) or the loss of the focus (keep).
#include <algorithm>

#include "controls/listview.h"

namespace win32::controls {
namespace {

// Messages of the editor to its list, in the list's private range.
constexpr UINT kCommitEdit = LVM_FIRST + 0xF0;
constexpr UINT kCancelEdit = LVM_FIRST + 0xF1;
constexpr UINT_PTR kEditTimer = 0x4C56;
constexpr char kEditorProcProp[] = "ListViewEditorProc";
constexpr int kEditorSlack = 16;  // room beyond the text for typing

LRESULT CALLBACK EditorProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetProp(edit, kEditorProcProp));
  if (!original) return DefWindowProc(edit, msg, wParam, lParam);
  HWND list = GetParent(edit);
  switch (msg) {
    case WM_GETDLGCODE:
      return CallWindowProc(original, edit, msg, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        PostMessage(list, wParam == VK_RETURN ? kCommitEdit : kCancelEdit, 0, reinterpret_cast<LPARAM>(edit));
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 0x1B) return 0;
      break;
    case WM_KILLFOCUS: {
      LRESULT result = CallWindowProc(original, edit, msg, wParam, lParam);
      PostMessage(list, kCommitEdit, 0, reinterpret_cast<LPARAM>(edit));
      return result;
    }
    case WM_NCDESTROY:
      SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemoveProp(edit, kEditorProcProp);
      return CallWindowProc(original, edit, msg, wParam, lParam);
    default:
      break;
  }
  return CallWindowProc(original, edit, msg, wParam, lParam);
}

NMLVDISPINFO LabelInfo(HWND hwnd, const ListViewState& state, UINT code, int index, LPSTR text) {
  NMLVDISPINFO info{};
  info.hdr = NMHDR{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
  info.item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
  info.item.iItem = index;
  info.item.pszText = text;
  info.item.cchTextMax = text ? static_cast<int>(std::char_traits<char>::length(text)) + 1 : 0;
  if (ValidItem(state, index)) {
    info.item.lParam = state.items[static_cast<size_t>(index)].lParam;
    info.item.state = state.items[static_cast<size_t>(index)].state;
  }
  return info;
}

HWND CreateEditor(HWND hwnd, const ListViewState& state, int index, const std::string& text) {
  RECT label = ItemRect(hwnd, state, index, LVIR_LABEL);
  RECT client{};
  GetClientRect(hwnd, &client);
  int width = std::max(LabelTextWidth(hwnd, state, text) + kEditorSlack, static_cast<int>(label.right - label.left));
  HWND edit = CreateWindowEx(0, "Edit", text.c_str(), WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, label.left, label.top,
                             std::min(width, static_cast<int>(client.right - label.left)), label.bottom - label.top,
                             hwnd, nullptr, nullptr, nullptr);
  if (!edit) return nullptr;
  SendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(PaintFont(state.font)), FALSE);
  SetProp(edit, kEditorProcProp, reinterpret_cast<HANDLE>(GetWindowLongPtr(edit, GWLP_WNDPROC)));
  SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProc));
  SendMessage(edit, EM_SETSEL, 0, -1);
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  return edit;
}

}  // namespace

HWND BeginLabelEdit(HWND hwnd, ListViewState& state, int index) {
  if (state.editor) EndLabelEdit(hwnd, state, true);
  KillTimer(hwnd, kEditTimer);
  if (!ValidItem(state, index)) return nullptr;
  EnsureVisible(hwnd, state, index);
  std::string text = CellText(hwnd, state, index, 0);
  NMLVDISPINFO info = LabelInfo(hwnd, state, LVN_BEGINLABELEDIT, index, text.data());
  if (SendNotify(state, info.hdr) || !IsWindow(hwnd) || !ValidItem(state, index)) return nullptr;
  state.editItem = index;
  state.editor = CreateEditor(hwnd, state, index, text);
  if (!state.editor) state.editItem = -1;
  return state.editor;
}

void EndLabelEdit(HWND hwnd, ListViewState& state, bool commit) {
  HWND edit = state.editor;
  if (!edit) return;
  int index = state.editItem;
  state.editor = nullptr;
  state.editItem = -1;
  std::string text = WindowText(edit);
  NMLVDISPINFO info = LabelInfo(hwnd, state, LVN_ENDLABELEDIT, index, commit ? text.data() : nullptr);
  bool keep = SendNotify(state, info.hdr) != 0;
  if (IsWindow(edit)) DestroyWindow(edit);
  if (!IsWindow(hwnd)) return;
  if (commit && keep && ValidItem(state, index)) {
    LVITEM change{};
    change.iSubItem = 0;
    change.pszText = text.data();
    SendMessage(hwnd, LVM_SETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
  }
  if (GetFocus() == nullptr || !IsWindow(GetFocus())) SetFocus(hwnd);
  Redraw(hwnd);
}

void ScheduleLabelEdit(HWND hwnd) { SetTimer(hwnd, kEditTimer, GetDoubleClickTime(), nullptr); }

bool HandleLabelEditMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case LVM_EDITLABEL:
      result = reinterpret_cast<LRESULT>(BeginLabelEdit(hwnd, state, static_cast<int>(static_cast<INT_PTR>(wParam))));
      return true;
    case LVM_GETEDITCONTROL:
      result = reinterpret_cast<LRESULT>(state.editor);
      return true;
    case LVM_CANCELEDITLABEL:
      EndLabelEdit(hwnd, state, false);
      return true;
    case kCommitEdit:
    case kCancelEdit:
      // Only the editor still open may close itself.
      if (state.editor && reinterpret_cast<HWND>(lParam) == state.editor) EndLabelEdit(hwnd, state, msg == kCommitEdit);
      return true;
    case WM_TIMER:
      if (wParam != kEditTimer) return false;
      KillTimer(hwnd, kEditTimer);
      if (GetFocus() == hwnd) BeginLabelEdit(hwnd, state, FocusedItem(state));
      return true;
    case WM_LBUTTONDBLCLK:
      KillTimer(hwnd, kEditTimer);
      return false;
    default:
      return false;
  }
}

}  // namespace win32::controls
