// Combo box items and selection: the CB_* messages the list answers, the
// shown selection, and the text of the edit or the selection field.
#include <vector>

#include "controls/combo.h"

namespace win32::controls {
namespace {

// CB_* item messages that the list answers with its LB_* twin as is.
UINT ListTwin(UINT msg) {
  switch (msg) {
    case CB_GETCOUNT:
      return LB_GETCOUNT;
    case CB_GETLBTEXT:
      return LB_GETTEXT;
    case CB_GETLBTEXTLEN:
      return LB_GETTEXTLEN;
    case CB_FINDSTRING:
      return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT:
      return LB_FINDSTRINGEXACT;
    case CB_GETITEMDATA:
      return LB_GETITEMDATA;
    case CB_SETITEMDATA:
      return LB_SETITEMDATA;
    case CB_GETTOPINDEX:
      return LB_GETTOPINDEX;
    case CB_SETTOPINDEX:
      return LB_SETTOPINDEX;
    case CB_GETHORIZONTALEXTENT:
      return LB_GETHORIZONTALEXTENT;
    case CB_SETHORIZONTALEXTENT:
      return LB_SETHORIZONTALEXTENT;
    case CB_INITSTORAGE:
      return LB_INITSTORAGE;
    default:
      return 0;
  }
}

void SetEditText(ComboState& state, const std::string& text) {
  state.settingText = true;
  SetWindowText(state.edit, text.c_str());
  state.settingText = false;
}

// The selection after the list changed under it (a deletion shifts it).
void SyncSelection(HWND hwnd, ComboState& state) {
  const auto cur = static_cast<int>(SendMessage(state.list, LB_GETCURSEL, 0, 0));
  state.sel = cur < 0 ? -1 : cur;
  Redraw(hwnd);
}

LRESULT SetCurSel(HWND hwnd, ComboState& state, int index) {
  const auto count = static_cast<int>(SendMessage(state.list, LB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) {
    ShowSelection(hwnd, state, -1);
    return CB_ERR;
  }
  ShowSelection(hwnd, state, index);
  return index;
}

// CB_SELECTSTRING: the first item after `start` that begins with the text,
// searching round; an empty text begins every item, so it picks the first
// one after `start`, as Win32 does.
LRESULT SelectString(HWND hwnd, ComboState& state, WPARAM start, LPARAM text) {
  const LRESULT found = SendMessage(state.list, LB_FINDSTRING, start, text);
  if (found == LB_ERR) return CB_ERR;
  ShowSelection(hwnd, state, static_cast<int>(found));
  return found;
}

LRESULT ResetContent(HWND hwnd, ComboState& state) {
  SendMessage(state.list, LB_RESETCONTENT, 0, 0);
  state.sel = -1;
  if (state.edit) SetEditText(state, "");
  Redraw(hwnd);
  return CB_OKAY;
}

LRESULT SetEditSel(const ComboState& state, LPARAM lParam) {
  if (!state.edit) return CB_ERR;
  // -1 in either half of the packed pair means "the end" / "deselect".
  const auto start = static_cast<SHORT>(LOWORD(lParam));
  const auto end = static_cast<SHORT>(HIWORD(lParam));
  SendMessage(state.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<INT_PTR>(start)), end);
  return TRUE;
}

LRESULT SetItemHeight(HWND hwnd, ComboState& state, int index, int height) {
  if (height <= 0 || height > 255) return CB_ERR;
  if (index == -1) {
    state.customFieldItem = height;
    UpdateLayout(hwnd, state);
    Redraw(hwnd);
    return CB_OKAY;
  }
  return SendMessage(state.list, LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height) == LB_ERR ? CB_ERR : CB_OKAY;
}

LRESULT GetItemHeight(const ComboState& state, int index) {
  if (index == -1) return state.fieldHeight - 6;
  return SendMessage(state.list, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0);
}

LRESULT SetDroppedWidth(HWND hwnd, ComboState& state, WPARAM width) {
  if (static_cast<int>(width) < 0) return CB_ERR;
  state.droppedWidth = static_cast<int>(width);
  RECT rc = DroppedRect(hwnd, state);
  return rc.right - rc.left;
}

bool HandleSelectionMessage(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case CB_SETCURSEL:
      result = SetCurSel(hwnd, state, static_cast<int>(wParam));
      return true;
    case CB_GETCURSEL:
      result = state.sel;
      return true;
    case CB_SELECTSTRING:
      result = SelectString(hwnd, state, wParam, lParam);
      return true;
    case CB_RESETCONTENT:
      result = ResetContent(hwnd, state);
      return true;
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
      result = msg == CB_ADDSTRING ? SendMessage(state.list, LB_ADDSTRING, 0, lParam)
                                   : SendMessage(state.list, LB_INSERTSTRING, wParam, lParam);
      SyncSelection(hwnd, state);
      return true;
    case CB_DELETESTRING:
      result = SendMessage(state.list, LB_DELETESTRING, wParam, 0);
      SyncSelection(hwnd, state);
      return true;
    default:
      return false;
  }
}

bool HandleFieldMessage(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case CB_LIMITTEXT:
      if (state.edit) SendMessage(state.edit, EM_LIMITTEXT, wParam, 0);
      result = state.edit ? TRUE : CB_ERR;
      return true;
    case CB_SETEDITSEL:
      result = SetEditSel(state, lParam);
      return true;
    case CB_GETEDITSEL:
      result = state.edit ? SendMessage(state.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
      return true;
    case CB_SHOWDROPDOWN:
      if (wParam && !state.dropped) DropDown(hwnd, state, false);
      if (!wParam && state.dropped) CloseUp(hwnd, state, false);
      result = TRUE;
      return true;
    case CB_GETDROPPEDSTATE:
      result = state.dropped ? TRUE : FALSE;
      return true;
    case CB_GETCOMBOBOXINFO: {
      auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
      if (!info || info->cbSize != sizeof(COMBOBOXINFO)) {
        result = FALSE;
        return true;
      }
      info->rcItem = FieldTextRect(hwnd, state);
      info->rcButton = ButtonRect(hwnd, state);
      info->stateButton = state.dropped ? STATE_SYSTEM_PRESSED : 0;
      info->hwndCombo = hwnd;
      info->hwndItem = state.edit ? state.edit : hwnd;
      info->hwndList = state.list;
      result = TRUE;
      return true;
    }
    case CB_GETDROPPEDCONTROLRECT:
      if (auto* rc = reinterpret_cast<RECT*>(lParam)) *rc = DroppedRect(hwnd, state);
      result = lParam ? TRUE : CB_ERR;
      return true;
    case CB_SETDROPPEDWIDTH:
      result = SetDroppedWidth(hwnd, state, wParam);
      return true;
    case CB_GETDROPPEDWIDTH: {
      RECT rc = DroppedRect(hwnd, state);
      result = rc.right - rc.left;
      return true;
    }
    case CB_SETITEMHEIGHT:
      result = SetItemHeight(hwnd, state, static_cast<int>(wParam), static_cast<int>(lParam));
      return true;
    case CB_GETITEMHEIGHT:
      result = GetItemHeight(state, static_cast<int>(wParam));
      return true;
    case CB_SETEXTENDEDUI:
      state.extendedUI = wParam != 0;
      result = CB_OKAY;
      return true;
    case CB_GETEXTENDEDUI:
      result = state.extendedUI ? TRUE : FALSE;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool HandleItemMessage(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg < CB_GETEDITSEL || msg > CB_GETCOMBOBOXINFO || !state.list) return false;
  if (UINT twin = ListTwin(msg)) {
    result = SendMessage(state.list, twin, wParam, lParam);
    return true;
  }
  return HandleSelectionMessage(hwnd, state, msg, wParam, lParam, result) ||
         HandleFieldMessage(hwnd, state, msg, wParam, lParam, result);
}

std::string ItemText(const ComboState& state, int index) {
  const LRESULT length = SendMessage(state.list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  SendMessage(state.list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

void ShowSelection(HWND hwnd, ComboState& state, int index) {
  state.sel = index;
  SendMessage(state.list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (state.edit) {
    SetEditText(state, index < 0 ? std::string() : ItemText(state, index));
    if (state.focused) SendMessage(state.edit, EM_SETSEL, 0, -1);
  }
  Redraw(hwnd);
}

void UserSelect(HWND hwnd, ComboState& state, int index) {
  ShowSelection(hwnd, state, index);
  NotifyParent(hwnd, CBN_SELCHANGE);
}

void FollowEditText(ComboState& state) {
  const std::string text = WindowText(state.edit);
  const LRESULT found = text.empty() ? LB_ERR
                                     : SendMessage(state.list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(text.c_str()));
  state.sel = found == LB_ERR ? -1 : static_cast<int>(found);
  SendMessage(state.list, LB_SETCURSEL, static_cast<WPARAM>(state.sel), 0);
}

std::string ComboText(const ComboState& state) {
  if (state.edit) return WindowText(state.edit);
  return state.sel < 0 ? std::string() : ItemText(state, state.sel);
}

// An editable combo takes the text into its edit and lets the list follow;
// a drop-down list can only show one of its items.
LRESULT SetComboText(HWND hwnd, ComboState& state, const char* text) {
  const std::string value = text ? text : "";
  if (state.edit) {
    SetEditText(state, value);
    FollowEditText(state);
    return TRUE;
  }
  if (!state.list) return FALSE;
  if (value.empty()) {
    ShowSelection(hwnd, state, -1);
    return TRUE;
  }
  const LRESULT found =
      SendMessage(state.list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
  if (found == LB_ERR) return CB_ERR;
  ShowSelection(hwnd, state, static_cast<int>(found));
  return TRUE;
}

}  // namespace win32::controls
