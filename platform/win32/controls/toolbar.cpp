// The "ToolbarWindow32" class: buttons, their states, sizes and images,
// the tooltip, and its place along the top of its parent.
#include "controls/toolbar.h"

#include <algorithm>
#include <cstring>

namespace win32::controls {
namespace {

bool ValidIndex(const ToolbarState& s, WPARAM index) { return index < s.buttons.size(); }

int IndexOfCommand(const ToolbarState& s, WPARAM command) {
  for (size_t i = 0; i < s.buttons.size(); ++i) {
    if (s.buttons[i].command == static_cast<int>(command)) return static_cast<int>(i);
  }
  return -1;
}

void AutoSize(HWND hwnd, ToolbarState& s) {
  if (s.aligning) return;
  s.aligning = true;
  LayoutToolbar(hwnd, s);
  AlignBarToParent(hwnd, ToolbarHeight(hwnd, s), false);
  LayoutToolbar(hwnd, s);
  s.aligning = false;
  Redraw(hwnd);
}

// A TBBUTTON as the caller's structure size has it: fields past that size
// stay zero.
ToolbarButton ButtonFrom(const ToolbarState& s, const BYTE* data) {
  TBBUTTON tb{};
  std::memcpy(&tb, data, std::min<size_t>(s.structSize, sizeof(tb)));
  ToolbarButton b;
  b.image = tb.iBitmap;
  b.command = tb.idCommand;
  b.state = tb.fsState;
  b.style = tb.fsStyle;
  b.data = tb.dwData;
  b.string = tb.iString;
  return b;
}

LRESULT InsertButtons(HWND hwnd, ToolbarState& s, size_t at, size_t count, LPARAM lParam) {
  const auto* data = reinterpret_cast<const BYTE*>(lParam);
  if (!data || count == 0) return FALSE;
  at = std::min(at, s.buttons.size());
  for (size_t i = 0; i < count; ++i) {
    ToolbarButton b = ButtonFrom(s, data + i * s.structSize);
    s.buttons.insert(s.buttons.begin() + static_cast<std::ptrdiff_t>(at + i), b);
    AddButtonTool(hwnd, s, b);
  }
  if (s.pressed >= static_cast<int>(at)) s.pressed += static_cast<int>(count);
  AutoSize(hwnd, s);
  return TRUE;
}

LRESULT DeleteButton(HWND hwnd, ToolbarState& s, WPARAM index) {
  if (!ValidIndex(s, index)) return FALSE;
  RemoveButtonTool(hwnd, s, s.buttons[index]);
  s.buttons.erase(s.buttons.begin() + static_cast<std::ptrdiff_t>(index));
  if (s.pressed == static_cast<int>(index)) {
    s.pressed = -1;
    if (GetCapture() == hwnd) ReleaseCapture();
  } else if (s.pressed > static_cast<int>(index)) {
    --s.pressed;
  }
  s.hot = -1;
  AutoSize(hwnd, s);
  return TRUE;
}

LRESULT GetButton(const ToolbarState& s, WPARAM index, LPARAM lParam) {
  auto* out = reinterpret_cast<TBBUTTON*>(lParam);
  if (!out || !ValidIndex(s, index)) return FALSE;
  const ToolbarButton& b = s.buttons[index];
  TBBUTTON tb{};
  tb.iBitmap = b.image;
  tb.idCommand = b.command;
  tb.fsState = b.state;
  tb.fsStyle = b.style;
  tb.dwData = b.data;
  tb.iString = b.string;
  std::memcpy(out, &tb, std::min<size_t>(s.structSize, sizeof(tb)));
  return TRUE;
}

// Sets or clears state bits of the button with `command`.
LRESULT ChangeState(HWND hwnd, ToolbarState& s, WPARAM command, BYTE bits, bool on) {
  int index = IndexOfCommand(s, command);
  if (index < 0) return FALSE;
  ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  BYTE old = b.state;
  if (bits == TBSTATE_CHECKED) {
    CheckButton(s, index, on);
  } else {
    b.state = static_cast<BYTE>(on ? (b.state | bits) : (b.state & ~bits));
  }
  if (bits == TBSTATE_HIDDEN && old != b.state) {
    AutoSize(hwnd, s);
  } else {
    Redraw(hwnd);
  }
  return TRUE;
}

LRESULT StateBit(const ToolbarState& s, WPARAM command, BYTE bit) {
  int index = IndexOfCommand(s, command);
  return index >= 0 && (s.buttons[static_cast<size_t>(index)].state & bit) ? TRUE : FALSE;
}

LRESULT SetState(HWND hwnd, ToolbarState& s, WPARAM command, LPARAM lParam) {
  int index = IndexOfCommand(s, command);
  if (index < 0) return FALSE;
  ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  bool hiddenChanged = ((b.state ^ LOWORD(lParam)) & TBSTATE_HIDDEN) != 0;
  b.state = static_cast<BYTE>(LOWORD(lParam));
  if (hiddenChanged) {
    AutoSize(hwnd, s);
  } else {
    Redraw(hwnd);
  }
  return TRUE;
}

LRESULT GetItemRect(const ToolbarState& s, WPARAM index, LPARAM lParam) {
  auto* out = reinterpret_cast<RECT*>(lParam);
  if (!out || !ValidIndex(s, index) || (s.buttons[index].state & TBSTATE_HIDDEN)) return FALSE;
  *out = s.buttons[index].rect;
  return TRUE;
}

LRESULT SetBitmapSize(HWND hwnd, ToolbarState& s, LPARAM lParam) {
  SIZE size{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  if (size.cx <= 0 || size.cy <= 0) return FALSE;
  s.bitmapSize = size;
  // Buttons keep room for their edges around the image.
  s.buttonSize.cx = std::max(s.buttonSize.cx, size.cx + 8);
  s.buttonSize.cy = std::max(s.buttonSize.cy, size.cy + 7);
  AutoSize(hwnd, s);
  return TRUE;
}

LRESULT SetButtonSize(HWND hwnd, ToolbarState& s, LPARAM lParam) {
  SIZE size{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  if (size.cx <= 0 || size.cy <= 0) return FALSE;
  s.buttonSize = size;
  AutoSize(hwnd, s);
  return TRUE;
}

LRESULT SetRows(HWND hwnd, ToolbarState& s, WPARAM wParam, LPARAM lParam) {
  s.requestedRows = std::max(1, static_cast<int>(LOWORD(wParam)));
  AutoSize(hwnd, s);
  if (auto* out = reinterpret_cast<RECT*>(lParam)) {
    *out = RECT{};
    for (const ToolbarButton& b : s.buttons) UnionRect(out, out, &b.rect);
  }
  return 0;
}

LRESULT SetTooltips(HWND hwnd, ToolbarState& s, HWND tooltip) {
  if (s.ownsTooltip && s.tooltip && s.tooltip != tooltip) DestroyWindow(s.tooltip);
  s.tooltip = IsWindow(tooltip) ? tooltip : nullptr;
  s.ownsTooltip = false;
  return 0;
}

void CreateTooltip(HWND hwnd, ToolbarState& s) {
  if (!(StyleOf(hwnd) & TBSTYLE_TOOLTIPS)) return;
  s.tooltip = CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP, 0, 0, 0, 0, hwnd, nullptr,
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE)), nullptr);
  s.ownsTooltip = s.tooltip != nullptr;
}

LRESULT OnDestroy(ToolbarState& s) {
  if (s.ownsTooltip && s.tooltip) DestroyWindow(s.tooltip);
  s.tooltip = nullptr;
  DeleteImageStrips(s);
  return 0;
}

LRESULT OnNotify(HWND hwnd, ToolbarState& s, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return 0;
  if (header->hwndFrom == s.tooltip && header->code == TTN_NEEDTEXT) {
    return ToolbarNeedText(hwnd, s, *reinterpret_cast<NMTTDISPINFO*>(lParam));
  }
  // Other tooltip notices go on to the owner, as it asked for the tooltip.
  HWND owner = ToolbarOwner(hwnd, s);
  return owner ? SendMessage(owner, WM_NOTIFY, header->idFrom, lParam) : 0;
}

// TB_ADDSTRING: a string resource (hInst, id), or texts each ended by a
// null with an empty one last; answers the index of the first.
LRESULT AddStrings(HWND hwnd, ToolbarState& s, WPARAM wParam, LPARAM lParam) {
  const auto first = static_cast<LRESULT>(s.strings.size());
  if (wParam != 0) {
    char text[256] = {};
    if (LoadString(reinterpret_cast<HINSTANCE>(wParam), LOWORD(lParam), text, sizeof(text)) <= 0) return -1;
    s.strings.emplace_back(text);
  } else {
    const char* text = reinterpret_cast<const char*>(lParam);
    if (!text || !*text) return -1;
    for (; *text; text += std::strlen(text) + 1) s.strings.emplace_back(text);
  }
  // The buttons grow to hold the texts.
  const SIZE need = TextButtonSize(hwnd, s);
  s.buttonSize.cx = std::max(s.buttonSize.cx, need.cx);
  s.buttonSize.cy = std::max(s.buttonSize.cy, need.cy);
  AutoSize(hwnd, s);
  return first;
}

// TB_GETBUTTONTEXT: the text of the button with a command, its length
// without the null; -1 for none.
LRESULT GetButtonText(const ToolbarState& s, WPARAM command, LPARAM lParam) {
  const int index = IndexOfCommand(s, command);
  const std::string* text = index < 0 ? nullptr : ButtonText(s, s.buttons[static_cast<size_t>(index)]);
  if (!text) return -1;
  if (auto* out = reinterpret_cast<char*>(lParam)) std::memcpy(out, text->c_str(), text->size() + 1);
  return static_cast<LRESULT>(text->size());
}

LRESULT HandleButtonMessage(HWND hwnd, ToolbarState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  bool on = LOWORD(lParam) != 0;
  switch (msg) {
    case TB_ENABLEBUTTON:
      return ChangeState(hwnd, s, wParam, TBSTATE_ENABLED, on);
    case TB_CHECKBUTTON:
      return ChangeState(hwnd, s, wParam, TBSTATE_CHECKED, on);
    case TB_PRESSBUTTON:
      return ChangeState(hwnd, s, wParam, TBSTATE_PRESSED, on);
    case TB_HIDEBUTTON:
      return ChangeState(hwnd, s, wParam, TBSTATE_HIDDEN, on);
    case TB_INDETERMINATE:
      return ChangeState(hwnd, s, wParam, TBSTATE_INDETERMINATE, on);
    case TB_ISBUTTONENABLED:
      return StateBit(s, wParam, TBSTATE_ENABLED);
    case TB_ISBUTTONCHECKED:
      return StateBit(s, wParam, TBSTATE_CHECKED);
    case TB_ISBUTTONPRESSED:
      return StateBit(s, wParam, TBSTATE_PRESSED);
    case TB_ISBUTTONHIDDEN:
      return StateBit(s, wParam, TBSTATE_HIDDEN);
    case TB_ISBUTTONINDETERMINATE:
      return StateBit(s, wParam, TBSTATE_INDETERMINATE);
    case TB_SETSTATE:
      return SetState(hwnd, s, wParam, lParam);
    case TB_GETSTATE: {
      int index = IndexOfCommand(s, wParam);
      return index < 0 ? -1 : s.buttons[static_cast<size_t>(index)].state;
    }
    default:
      return -1;
  }
}

bool IsButtonMessage(UINT msg) {
  return (msg >= TB_ENABLEBUTTON && msg <= TB_INDETERMINATE) ||
         (msg >= TB_ISBUTTONENABLED && msg <= TB_ISBUTTONINDETERMINATE) || msg == TB_SETSTATE || msg == TB_GETSTATE;
}

LRESULT HandleToolbar(HWND hwnd, ToolbarState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (HandleToolbarMouse(hwnd, s, msg, wParam, lParam)) return 0;
  if (IsButtonMessage(msg)) return HandleButtonMessage(hwnd, s, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE:
      CreateTooltip(hwnd, s);
      AutoSize(hwnd, s);
      return 0;
    case WM_DESTROY:
      return OnDestroy(s);
    case WM_SIZE:
      AutoSize(hwnd, s);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintToolbar(hwnd, s, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NOTIFY:
      return OnNotify(hwnd, s, lParam);
    case TB_BUTTONSTRUCTSIZE:
      if (wParam >= offsetof(TBBUTTON, dwData)) s.structSize = static_cast<UINT>(wParam);
      return 0;
    case TB_ADDBITMAP: {
      const auto* add = reinterpret_cast<const TBADDBITMAP*>(lParam);
      return add ? AddBitmap(hwnd, s, static_cast<int>(wParam), *add) : -1;
    }
    case TB_ADDBUTTONS:
      return InsertButtons(hwnd, s, s.buttons.size(), wParam, lParam);
    case TB_INSERTBUTTON: {
      auto at = static_cast<INT_PTR>(wParam);
      return InsertButtons(hwnd, s, at < 0 ? s.buttons.size() : static_cast<size_t>(at), 1, lParam);
    }
    case TB_DELETEBUTTON:
      return DeleteButton(hwnd, s, wParam);
    case TB_GETBUTTON:
      return GetButton(s, wParam, lParam);
    case TB_BUTTONCOUNT:
      return static_cast<LRESULT>(s.buttons.size());
    case TB_COMMANDTOINDEX:
      return IndexOfCommand(s, wParam);
    case TB_GETITEMRECT:
      return GetItemRect(s, wParam, lParam);
    case TB_SETBUTTONSIZE:
      return SetButtonSize(hwnd, s, lParam);
    case TB_GETBUTTONSIZE:
      return MAKELRESULT(s.buttonSize.cx, s.buttonSize.cy);
    case TB_SETBITMAPSIZE:
      return SetBitmapSize(hwnd, s, lParam);
    case TB_AUTOSIZE:
      AutoSize(hwnd, s);
      return 0;
    case TB_GETTOOLTIPS:
      return reinterpret_cast<LRESULT>(s.tooltip);
    case TB_SETTOOLTIPS:
      return SetTooltips(hwnd, s, reinterpret_cast<HWND>(wParam));
    case TB_SETPARENT: {
      HWND old = ToolbarOwner(hwnd, s);
      s.owner = reinterpret_cast<HWND>(wParam);
      return reinterpret_cast<LRESULT>(old);
    }
    case TB_SETROWS:
      return SetRows(hwnd, s, wParam, lParam);
    case TB_GETROWS:
      return s.rows;
    case TB_SETCMDID:
      if (!ValidIndex(s, wParam)) return FALSE;
      RemoveButtonTool(hwnd, s, s.buttons[wParam]);
      s.buttons[wParam].command = static_cast<int>(lParam);
      AddButtonTool(hwnd, s, s.buttons[wParam]);
      return TRUE;
    case TB_ADDSTRING:
      return AddStrings(hwnd, s, wParam, lParam);
    case TB_GETBUTTONTEXT:
      return GetButtonText(s, wParam, lParam);
    case TB_GETBITMAP: {
      int index = IndexOfCommand(s, wParam);
      return index < 0 ? 0 : s.buttons[static_cast<size_t>(index)].image;
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using ToolbarClass = ControlClass<ToolbarState, HandleToolbar>;

constexpr char kToolbarClassName[] = TOOLBARCLASSNAME;
const SystemClassRegistration<InitControlClass<ToolbarClass, kToolbarClassName>> kToolbarRegistration;

}  // namespace
}  // namespace win32::controls

HWND WINAPI CreateToolbarEx(HWND hwnd, DWORD ws, UINT wID, int nBitmaps, HINSTANCE hBMInst, UINT_PTR wBMID,
                            LPCTBBUTTON lpButtons, int iNumButtons, int dxButton, int dyButton, int dxBitmap,
                            int dyBitmap, UINT uStructSize) {
  HWND toolbar = CreateWindowEx(0, TOOLBARCLASSNAME, nullptr, ws, 0, 0, 100, 30, hwnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(wID)), nullptr, nullptr);
  if (!toolbar) return nullptr;
  SendMessage(toolbar, TB_BUTTONSTRUCTSIZE, uStructSize, 0);
  if (dxBitmap > 0 && dyBitmap > 0) SendMessage(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(dxBitmap, dyBitmap));
  if (dxButton > 0 && dyButton > 0) SendMessage(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(dxButton, dyButton));
  if (nBitmaps > 0) {
    TBADDBITMAP add{hBMInst, wBMID};
    SendMessage(toolbar, TB_ADDBITMAP, static_cast<WPARAM>(nBitmaps), reinterpret_cast<LPARAM>(&add));
  }
  if (lpButtons && iNumButtons > 0) {
    SendMessage(toolbar, TB_ADDBUTTONS, static_cast<WPARAM>(iNumButtons), reinterpret_cast<LPARAM>(lpButtons));
  }
  return toolbar;
}
