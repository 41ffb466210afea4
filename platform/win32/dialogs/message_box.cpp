// The system message box: a modal dialog of this window system, laid out
// from its text, icon and button set.
#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/dialog_layout.h"
#include "internal/dlg_template_builder.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/wingdi.h"
#include "win32/winres.h"
#include "win32/winuser.h"

namespace win32::dlg {
namespace {

// Win32 gives the message text static this id, and the icon static 20.
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 20;
constexpr int kIconSize = 32;

struct MessageBoxSpec {
  std::string text;
  std::string caption;
  UINT type = 0;
  HICON icon = nullptr;
  std::vector<int> buttons;
  int defaultIndex = 0;
  int escapeId = 0;  // the answer of Escape and Close; 0: they do nothing
};

std::vector<int> ButtonSet(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
      return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
      return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {IDYES, IDNO};
    case MB_RETRYCANCEL:
      return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
      return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default:  // MB_OK, and the unknown sets callers pass in arbitrary words
      return {IDOK};
  }
}

const char* ButtonLabel(int id) {
  switch (id) {
    case IDOK:
      return "OK";
    case IDCANCEL:
      return "Cancel";
    case IDABORT:
      return "&Abort";
    case IDRETRY:
      return "&Retry";
    case IDIGNORE:
      return "&Ignore";
    case IDYES:
      return "&Yes";
    case IDNO:
      return "&No";
    case IDTRYAGAIN:
      return "&Try Again";
    case IDCONTINUE:
      return "&Continue";
    default:
      return "Help";
  }
}

HICON SystemIcon(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return LoadIcon(nullptr, IDI_HAND);
    case MB_ICONQUESTION:
      return LoadIcon(nullptr, IDI_QUESTION);
    case MB_ICONEXCLAMATION:
      return LoadIcon(nullptr, IDI_EXCLAMATION);
    case MB_ICONASTERISK:
      return LoadIcon(nullptr, IDI_ASTERISK);
    default:
      return nullptr;
  }
}

MessageBoxSpec MakeSpec(const MSGBOXPARAMS& params) {
  MessageBoxSpec spec;
  spec.text = params.lpszText ? params.lpszText : "";
  spec.caption = params.lpszCaption ? params.lpszCaption : "Error";
  spec.type = params.dwStyle;
  spec.icon = (params.dwStyle & MB_ICONMASK) == MB_USERICON ? LoadIcon(params.hInstance, params.lpszIcon)
                                                            : SystemIcon(params.dwStyle);
  spec.buttons = ButtonSet(params.dwStyle);
  const bool hasCancel = std::find(spec.buttons.begin(), spec.buttons.end(), IDCANCEL) != spec.buttons.end();
  // A lone OK button answers Escape too; other sets without Cancel ignore it.
  spec.escapeId = hasCancel ? IDCANCEL : (spec.buttons.size() == 1 ? IDOK : 0);
  if (params.dwStyle & MB_HELP) spec.buttons.push_back(IDHELP);
  const auto index = static_cast<int>((params.dwStyle & MB_DEFMASK) >> 8);
  spec.defaultIndex = index < static_cast<int>(spec.buttons.size()) ? index : 0;
  return spec;
}

// Pixel metrics of the box, from the base units of its font.
struct Metrics {
  int margin;       // 7 dialog units around the content
  int gap;          // between the icon and the text, and above the buttons
  int buttonWidth;  // 50 x 14 dialog units
  int buttonHeight;
  int buttonSpace;  // 4 dialog units between buttons
};

Metrics MetricsFor(SIZE units) {
  return Metrics{MulDiv(7, units.cx, 4), MulDiv(7, units.cy, 8), MulDiv(50, units.cx, 4), MulDiv(14, units.cy, 8),
                 MulDiv(4, units.cx, 4)};
}

SIZE MeasureText(HWND dlg, HFONT font, const std::string& text) {
  HDC dc = GetDC(dlg);
  HGDIOBJ old = SelectObject(dc, font);
  RECT rc{0, 0, GetSystemMetrics(SM_CXSCREEN) * 5 / 8, 0};
  DrawText(dc, text.c_str(), -1, &rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(dlg, dc);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

HWND AddControl(HWND dlg, const char* cls, const char* text, DWORD style, const RECT& rc, int id, HFONT font) {
  HWND control = CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, rc.left, rc.top, rc.right - rc.left,
                                rc.bottom - rc.top, dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtr(dlg, GWLP_HINSTANCE)), nullptr);
  if (control) SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void AddButtons(HWND dlg, const MessageBoxSpec& spec, const Metrics& m, int clientWidth, int top, HFONT font) {
  const auto count = static_cast<int>(spec.buttons.size());
  const int rowWidth = count * m.buttonWidth + (count - 1) * m.buttonSpace;
  int x = (clientWidth - rowWidth) / 2;
  for (int i = 0; i < count; ++i) {
    const int id = spec.buttons[static_cast<size_t>(i)];
    const DWORD style =
        WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (i == spec.defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    AddControl(dlg, "Button", ButtonLabel(id), style, RECT{x, top, x + m.buttonWidth, top + m.buttonHeight}, id, font);
    x += m.buttonWidth + m.buttonSpace;
  }
}

// Places the icon, the text and the button row, then sizes and centres the
// box on the screen.
void LayOut(HWND dlg, const MessageBoxSpec& spec) {
  auto font = reinterpret_cast<HFONT>(SendMessage(dlg, WM_GETFONT, 0, 0));
  const Metrics m = MetricsFor(win32::gdi::GetDialogBaseUnits(font));
  const SIZE text = MeasureText(dlg, font, spec.text);
  const int iconRight = spec.icon ? m.margin + kIconSize + m.gap : m.margin;
  const int textTop = spec.icon && text.cy < kIconSize ? m.margin + (kIconSize - text.cy) / 2 : m.margin;
  const int contentBottom = std::max(textTop + text.cy, spec.icon ? m.margin + kIconSize : 0);
  const auto count = static_cast<int>(spec.buttons.size());
  const int rowWidth = count * m.buttonWidth + (count - 1) * m.buttonSpace;
  const int clientWidth = std::max(iconRight + text.cx + m.margin, rowWidth + 2 * m.margin);
  const int buttonTop = contentBottom + m.gap;
  const int clientHeight = buttonTop + m.buttonHeight + m.margin;

  if (spec.icon) {
    HWND icon = AddControl(dlg, "Static", "", SS_ICON,
                           RECT{m.margin, m.margin, m.margin + kIconSize, m.margin + kIconSize}, kIconId, font);
    SendMessage(icon, STM_SETICON, reinterpret_cast<WPARAM>(spec.icon), 0);
  }
  AddControl(dlg, "Static", spec.text.c_str(), SS_LEFT | SS_NOPREFIX | WS_GROUP,
             RECT{iconRight, textTop, iconRight + text.cx, textTop + text.cy}, kTextId, font);
  AddButtons(dlg, spec, m, clientWidth, buttonTop, font);

  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(dlg, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLong(dlg, GWL_EXSTYLE)));
  const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  const RECT area = WorkArea();
  const POINT pos = CenterIn(area, size);
  // A box taller than the screen keeps its caption on it.
  MoveWindow(dlg, pos.x, std::max(area.top, pos.y), size.cx, size.cy, FALSE);
}

void Initialize(HWND dlg, const MessageBoxSpec& spec) {
  SetWindowLongPtr(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&spec));
  SetWindowText(dlg, spec.caption.c_str());
  LayOut(dlg, spec);
  const int defaultId = spec.buttons[static_cast<size_t>(spec.defaultIndex)];
  SendMessage(dlg, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
  SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, defaultId)), TRUE);
  MessageBeep(spec.type & MB_ICONMASK);
}

void OnCommand(HWND dlg, const MessageBoxSpec& spec, int id) {
  if (id == IDHELP) return;
  const bool isButton = std::find(spec.buttons.begin(), spec.buttons.end(), id) != spec.buttons.end();
  if (isButton && GetDlgItem(dlg, id)) {
    EndDialog(dlg, id);
  } else if (id == IDCANCEL && spec.escapeId) {
    EndDialog(dlg, spec.escapeId);
  }
}

INT_PTR CALLBACK MessageBoxProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      Initialize(dlg, *reinterpret_cast<const MessageBoxSpec*>(lParam));
      return FALSE;  // the focus is on the default button already
    case WM_COMMAND:
      if (auto spec = reinterpret_cast<const MessageBoxSpec*>(GetWindowLongPtr(dlg, DWLP_USER))) {
        OnCommand(dlg, *spec, LOWORD(wParam));
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace
}  // namespace win32::dlg

int WINAPI MessageBoxIndirect(LPCMSGBOXPARAMS lpmbp) {
  using namespace win32::dlg;
  if (!lpmbp) return 0;
  const MessageBoxSpec spec = MakeSpec(*lpmbp);
  win32::internal::DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0,
                                                 RECT{0, 0, 0, 0}, spec.caption, {8, "MS Sans Serif"});
  const INT_PTR answer = DialogBoxIndirectParam(lpmbp->hInstance, builder.Get(), lpmbp->hwndOwner, &MessageBoxProc,
                                                reinterpret_cast<LPARAM>(&spec));
  return answer > 0 ? static_cast<int>(answer) : 0;
}

int WINAPI MessageBoxEx(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType, WORD wLanguageId) {
  MSGBOXPARAMS params{};
  params.cbSize = sizeof(params);
  params.hwndOwner = hWnd;
  params.lpszText = lpText;
  params.lpszCaption = lpCaption;
  params.dwStyle = uType;
  params.dwLanguageId = wLanguageId;
  return MessageBoxIndirect(&params);
}

int WINAPI MessageBox(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxEx(hWnd, lpText, lpCaption, uType, 0);
}
