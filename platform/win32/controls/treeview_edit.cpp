// In-place label editing: an edit child over the item's label, ended by
// Enter (keep), Escape (cancel), losing the focus or TVM_ENDEDITLABELNOW.
#include <algorithm>
#include <vector>

#include "controls/treeview.h"

namespace win32::controls {
namespace {

constexpr int kEditSlack = 16;  // room to type beyond the current label

// The edit keeps its own procedure in its user data; the tree learns of
// Enter and Escape through TVM_ENDEDITLABELNOW.
LRESULT CALLBACK LabelEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtr(edit, GWLP_USERDATA));
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | CallWindowProc(previous, edit, msg, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        SendMessage(GetParent(edit), TVM_ENDEDITLABELNOW, wParam == VK_ESCAPE ? TRUE : FALSE, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 0x1B) return 0;
      break;
    default:
      break;
  }
  return previous ? CallWindowProc(previous, edit, msg, wParam, lParam) : DefWindowProc(edit, msg, wParam, lParam);
}

// TVN_BEGINLABELEDIT: answers true when the parent forbids the edit.
bool NotifyBegin(HWND hwnd, TreeViewState& state, TreeItem& item) {
  NMTVDISPINFO info{};
  std::string text = ItemText(hwnd, state, item);
  info.item = DescribeItem(&item);
  info.item.pszText = text.data();
  info.item.cchTextMax = static_cast<int>(text.size() + 1);
  return SendNotify(hwnd, state, info.hdr, TVN_BEGINLABELEDIT) != 0;
}

HWND CreateLabelEdit(HWND hwnd, TreeViewState& state, TreeItem& item) {
  RECT label{};
  ItemRect(hwnd, state, &item, true, label);
  RECT client{};
  GetClientRect(hwnd, &client);
  int right = std::max(label.right + kEditSlack, std::min<int>(client.right, label.right + kEditSlack * 4));
  std::string text = ItemText(hwnd, state, item);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE));
  HWND edit =
      CreateWindowEx(0, "Edit", text.c_str(), WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_LEFT, label.left - 1,
                     label.top, right - label.left + 1, label.bottom - label.top, hwnd, nullptr, instance, nullptr);
  if (!edit) return nullptr;
  SendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(PaintFont(state.font)), FALSE);
  LONG_PTR previous = SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelEditProc));
  SetWindowLongPtr(edit, GWLP_USERDATA, previous);
  return edit;
}

}  // namespace

HWND BeginEdit(HWND hwnd, TreeViewState& state, TreeItem* item) {
  if (!item) return nullptr;
  HTREEITEM handle = item->handle;
  if (state.edit) EndEdit(hwnd, state, false);
  if (!(item = FindItem(state, handle))) return nullptr;
  if (item != state.caret) SelectItem(hwnd, state, item, TVC_UNKNOWN);
  if (!(item = FindItem(state, handle))) return nullptr;
  ExpandAncestors(hwnd, state, *item);
  if (!(item = FindItem(state, handle))) return nullptr;
  EnsureVisible(hwnd, state, *item);
  if (NotifyBegin(hwnd, state, *item) || !(item = FindItem(state, handle))) return nullptr;
  HWND edit = CreateLabelEdit(hwnd, state, *item);
  if (!edit) return nullptr;
  state.edit = edit;
  state.editItem = item;
  SendMessage(edit, EM_SETSEL, 0, -1);
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  return edit;
}

bool EndEdit(HWND hwnd, TreeViewState& state, bool cancel) {
  if (!state.edit || state.endingEdit) return false;
  state.endingEdit = true;
  HWND edit = state.edit;
  std::string text = WindowText(edit);
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  HTREEITEM handle = state.editItem ? state.editItem->handle : nullptr;
  NMTVDISPINFO info{};
  info.item = DescribeItem(state.editItem);
  info.item.hItem = handle;
  info.item.pszText = cancel ? nullptr : buffer.data();
  info.item.cchTextMax = cancel ? 0 : static_cast<int>(buffer.size());
  // A label changes only when the parent accepts the new text.
  bool accepted = SendNotify(hwnd, state, info.hdr, TVN_ENDLABELEDIT) != 0;
  TreeItem* item = FindItem(state, handle);
  if (!cancel && accepted && item) {
    const int oldWidth = RowWidth(hwnd, state, *item);
    item->text = buffer.data();
    item->textCallback = false;
    item->labelWidth = -1;
    NoteRelabelled(hwnd, state, *item, oldWidth);
  }
  state.edit = nullptr;
  state.editItem = nullptr;
  if (IsWindow(edit)) {
    if (GetFocus() == edit) SetFocus(hwnd);
    DestroyWindow(edit);
  }
  state.endingEdit = false;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
  return true;
}

}  // namespace win32::controls
