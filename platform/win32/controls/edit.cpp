// The "Edit" window procedure: creation, text and selection messages,
// focus, fonts, and registration of the class.
#include <algorithm>
#include <cstring>

#include "controls/edit.h"
#include "internal/core_classes.h"

namespace win32::controls {
namespace {

constexpr size_t kMaxLimit = 0x7FFFFFFE;

bool InCombo(HWND hwnd) {
  char name[32] = {};
  HWND parent = GetParent(hwnd);
  return parent && GetClassName(parent, name, sizeof(name)) > 0 && CompareNoCase(name, "ComboBox") == 0;
}

void Refresh(HWND hwnd, EditState& state) {
  ResetFormatRect(hwnd, state);
  Relayout(hwnd, state);
  ScrollCaretIntoView(hwnd, state);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

LRESULT Create(HWND hwnd, EditState& state, LPARAM lParam) {
  const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
  state.inCombo = InCombo(hwnd);
  if (StyleOf(hwnd) & ES_PASSWORD) state.passwordChar = '*';
  ResetFormatRect(hwnd, state);
  state.buffer.Reset(cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName) ? cs->lpszName : "");
  Relayout(hwnd, state);
  UpdateScrollBars(hwnd, state);
  return 0;
}

// EM_SETSEL: -1 as start deselects; -1 as end means the end of the text.
LRESULT SetSel(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<INT_PTR>(static_cast<int>(wParam));
  const auto end = static_cast<INT_PTR>(static_cast<int>(lParam));
  const size_t size = state.buffer.size();
  if (start < 0) {
    SetCaret(hwnd, state, state.buffer.caret(), false);
    return 0;
  }
  const size_t to = end < 0 ? size : std::min<size_t>(static_cast<size_t>(end), size);
  state.buffer.SetSelection(std::min<size_t>(static_cast<size_t>(start), size), to);
  SetCaret(hwnd, state, to, true);
  return 0;
}

LRESULT GetSel(const EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<DWORD>(state.buffer.selStart());
  const auto end = static_cast<DWORD>(state.buffer.selEnd());
  if (auto* p = reinterpret_cast<DWORD*>(wParam)) *p = start;
  if (auto* p = reinterpret_cast<DWORD*>(lParam)) *p = end;
  return MAKELRESULT(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

LRESULT GetText(const EditState& state, WPARAM wParam, LPARAM lParam) {
  auto* out = reinterpret_cast<char*>(lParam);
  if (!out || wParam == 0) return 0;
  const size_t count = std::min<size_t>(wParam - 1, state.buffer.size());
  std::memcpy(out, state.buffer.text().data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

LRESULT SetMargins(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
  // EC_USEFONTINFO picks a small margin that suits the font.
  const int fontMargin = std::max(1, state.lineHeight / 6);
  if (wParam & EC_LEFTMARGIN) state.leftMargin = LOWORD(lParam) == EC_USEFONTINFO ? fontMargin : LOWORD(lParam);
  if (wParam & EC_RIGHTMARGIN) state.rightMargin = HIWORD(lParam) == EC_USEFONTINFO ? fontMargin : HIWORD(lParam);
  Refresh(hwnd, state);
  return 0;
}

LRESULT SetRect(HWND hwnd, EditState& state, LPARAM lParam) {
  const auto* rc = reinterpret_cast<const RECT*>(lParam);
  state.customRect = rc != nullptr;
  if (rc) state.formatRect = *rc;
  Refresh(hwnd, state);
  return 0;
}

LRESULT DialogCode(HWND hwnd, LPARAM lParam) {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  const DWORD style = StyleOf(hwnd);
  if ((style & ES_MULTILINE) && (style & ES_WANTRETURN)) {
    // Tab and Escape still belong to the dialog.
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const bool dialogKey = msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_TAB || msg->wParam == VK_ESCAPE);
    if (!dialogKey) code |= DLGC_WANTALLKEYS;
  }
  // The edit of a combo box keeps Enter and Escape while the list is open.
  if (InCombo(hwnd)) code |= SendMessage(GetParent(hwnd), WM_GETDLGCODE, 0, lParam) & DLGC_WANTMESSAGE;
  return code;
}

void Focus(HWND hwnd, EditState& state, bool focused) {
  state.focused = focused;
  if (focused) {
    CreateCaret(hwnd, nullptr, 1, state.lineHeight);
    const POINT caret = PosFromChar(hwnd, state, state.buffer.caret());
    SetCaretPos(caret.x, caret.y);
    ShowCaret(hwnd);
  } else {
    DestroyCaret();
  }
  Redraw(hwnd);
  Notify(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT SetLimit(HWND hwnd, EditState& state, WPARAM wParam) {
  (void)hwnd;
  state.buffer.SetLimit(wParam == 0 ? kMaxLimit : std::min<size_t>(wParam, kMaxLimit));
  return 0;
}

LRESULT HandleEdit(HWND hwnd, EditState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return Create(hwnd, state, lParam);
    case WM_NCDESTROY:
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintEdit(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Refresh(hwnd, state);
      return 0;
    case WM_SETTEXT:
      SetText(hwnd, state, reinterpret_cast<const char*>(lParam));
      return TRUE;
    case WM_GETTEXT:
      return GetText(state, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state.buffer.size());
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      Refresh(hwnd, state);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_SETFOCUS:
      Focus(hwnd, state, true);
      return 0;
    case WM_KILLFOCUS:
      Focus(hwnd, state, false);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScrollMessage(hwnd, state, msg, wParam);
      return 0;
    case EM_SETSEL:
      return SetSel(hwnd, state, wParam, lParam);
    case EM_GETSEL:
      return GetSel(state, wParam, lParam);
    case EM_REPLACESEL:
      ReplaceSel(hwnd, state, lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
      return 0;
    case EM_LIMITTEXT:
      return SetLimit(hwnd, state, wParam);
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(state.buffer.limit());
    case EM_UNDO:
    case WM_UNDO:
      return DoUndo(hwnd, state) ? TRUE : FALSE;
    case EM_CANUNDO:
      return state.buffer.canUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
      state.buffer.EmptyUndo();
      return 0;
    case EM_GETMODIFY:
      return state.buffer.modified() ? TRUE : FALSE;
    case EM_SETMODIFY:
      state.buffer.SetModified(wParam != 0);
      return 0;
    case EM_SETREADONLY:
      SetWindowLongPtr(hwnd, GWL_STYLE,
                       wParam ? (StyleOf(hwnd) | ES_READONLY) : (StyleOf(hwnd) & ~static_cast<DWORD>(ES_READONLY)));
      Redraw(hwnd);
      return TRUE;
    case EM_SETPASSWORDCHAR:
      state.passwordChar = static_cast<char>(wParam);
      Refresh(hwnd, state);
      return 0;
    case EM_GETPASSWORDCHAR:
      return static_cast<unsigned char>(state.passwordChar);
    case EM_SETMARGINS:
      return SetMargins(hwnd, state, wParam, lParam);
    case EM_GETMARGINS:
      return MAKELRESULT(state.leftMargin, state.rightMargin);
    case EM_GETRECT:
      if (auto* rc = reinterpret_cast<RECT*>(lParam)) *rc = state.formatRect;
      return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
      return SetRect(hwnd, state, lParam);
    case WM_CUT:
      CutSel(hwnd, state);
      return 0;
    case WM_COPY:
      CopySel(hwnd, state);
      return 0;
    case WM_PASTE:
      Paste(hwnd, state);
      return 0;
    case WM_CLEAR:
      ClearSel(hwnd, state);
      return 0;
    case EM_GETLINECOUNT:
    case EM_LINEFROMCHAR:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_GETLINE:
    case EM_GETFIRSTVISIBLELINE:
    case EM_LINESCROLL:
    case EM_SCROLL:
    case EM_SCROLLCARET:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
      return HandleLineMessage(hwnd, state, msg, wParam, lParam);
    default:
      return HandleEditInput(hwnd, state, msg, wParam, lParam);
  }
}

using EditClass = ControlClass<EditState, HandleEdit>;

constexpr char kEditClassName[] = "Edit";
const SystemClassRegistration<InitControlClass<EditClass, kEditClassName>> kEditRegistration;

}  // namespace
}  // namespace win32::controls
