#include "internal/dlg_create.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/dialog_focus.h"
#include "dialogs/dialog_info.h"
#include "dialogs/dialog_layout.h"
#include "internal/res_templates.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/wingdi.h"
#include "win32/winres.h"
#include "win32/winuser.h"

namespace win32::dlg {
namespace {

using win32::internal::DialogItem;
using win32::internal::DialogTemplate;

// DS_SETFONT with this point size asks for the message-box font.
constexpr WORD kMessageFontPointSize = 0x7FFF;

struct DialogFont {
  HFONT font = nullptr;  // null: the system font, and no WM_SETFONT
  OwnedFont owned;
  SIZE units{};
};

DialogFont MakeDialogFont(const DialogTemplate& t) {
  DialogFont result;
  if (t.style & DS_SETFONT) {
    LOGFONT lf{};
    const bool messageFont = t.pointSize == kMessageFontPointSize;
    lf.lfHeight = -MulDiv(messageFont ? 8 : t.pointSize, 96, 72);
    lf.lfWeight = t.isEx && t.weight ? t.weight : FW_NORMAL;
    lf.lfItalic = t.isEx ? static_cast<BYTE>(t.italic) : 0;
    lf.lfCharSet = t.isEx ? static_cast<BYTE>(t.charset) : static_cast<BYTE>(DEFAULT_CHARSET);
    const std::string face = messageFont ? "MS Sans Serif" : t.typeface;
    std::strncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    result.font = CreateFontIndirect(&lf);
    result.owned.reset(result.font);
  }
  HFONT measured = result.font ? result.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  result.units = win32::gdi::GetDialogBaseUnits(measured);
  return result;
}

// The window styles Win32 derives from the template's DS_* styles.
void DeriveStyles(const DialogTemplate& t, DWORD& style, DWORD& exStyle) {
  style = t.style & ~static_cast<DWORD>(WS_VISIBLE);
  exStyle = t.exStyle;
  if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
  if (style & DS_CONTROL) {
    style &= ~static_cast<DWORD>(WS_CAPTION | WS_SYSMENU);
    exStyle |= WS_EX_CONTROLPARENT;
  }
}

// The window rectangle: the template places the client area; popups are
// relative to the owner's client area unless DS_ABSALIGN, may be centred,
// and stay on the screen.
RECT PlaceDialog(const DialogTemplate& t, SIZE units, DWORD style, DWORD exStyle, bool hasMenu, HWND owner) {
  RECT client = DialogUnitsToPixels(units, t.x, t.y, t.cx, t.cy);
  RECT frame{0, 0, client.right - client.left, client.bottom - client.top};
  AdjustWindowRectEx(&frame, style, hasMenu, exStyle);
  const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  POINT pos{client.left + frame.left, client.top + frame.top};
  if (!(style & WS_CHILD)) {
    if (style & DS_CENTERMOUSE) {
      POINT cursor{};
      GetCursorPos(&cursor);
      pos = POINT{cursor.x - size.cx / 2, cursor.y - size.cy / 2};
    } else if (style & DS_CENTER) {
      RECT outer = WorkArea();
      if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &outer);
      pos = CenterIn(outer, size);
    } else if (owner && !(style & DS_ABSALIGN)) {
      ClientToScreen(owner, &pos);
    }
    const RECT area = WorkArea();
    pos.x = std::max(area.left, std::min(pos.x, area.right - size.cx));
    pos.y = std::max(area.top, std::min(pos.y, area.bottom - size.cy));
  }
  return RECT{pos.x, pos.y, pos.x + size.cx, pos.y + size.cy};
}

// Controls receive their creation data behind its size word, as Win32
// passes it in CREATESTRUCT::lpCreateParams.
std::vector<BYTE> CreationBlock(const DialogItem& item) {
  std::vector<BYTE> block;
  if (item.creationData.empty()) return block;
  const auto size = static_cast<WORD>(item.creationData.size() + sizeof(WORD));
  block.resize(sizeof(WORD));
  std::memcpy(block.data(), &size, sizeof size);
  block.insert(block.end(), item.creationData.begin(), item.creationData.end());
  return block;
}

// An icon or bitmap static whose title is a resource id.
void ApplyImageTitle(HWND control, HINSTANCE instance, const DialogItem& item) {
  if (!item.title.isOrdinal) return;
  const DWORD type = item.style & SS_TYPEMASK;
  if (type == SS_ICON) {
    HICON icon = LoadIcon(instance, item.title.get());
    if (icon) SendMessage(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  } else if (type == SS_BITMAP) {
    HBITMAP bitmap = LoadBitmap(instance, item.title.get());
    if (bitmap) SendMessage(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  }
}

HWND CreateControl(HWND dlg, HINSTANCE instance, const DialogItem& item, SIZE units) {
  const RECT rc = DialogUnitsToPixels(units, item.x, item.y, item.cx, item.cy);
  std::vector<BYTE> data = CreationBlock(item);
  const char* title = item.title.isOrdinal ? "" : item.title.text.c_str();
  HWND control = CreateWindowEx(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), title,
                                item.style | WS_CHILD, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, dlg,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance,
                                data.empty() ? nullptr : data.data());
  if (control) ApplyImageTitle(control, instance, item);
  return control;
}

// Creates the controls in template order. A control that cannot be made
// (an unknown class, a WM_CREATE refusal) fails the whole dialog as in
// Win32, unless the template asks for DS_NOFAILCREATE.
bool CreateControls(HWND dlg, HINSTANCE instance, const DialogTemplate& t, DialogInfo& info) {
  for (const DialogItem& item : t.items) {
    HWND control = CreateControl(dlg, instance, item, info.baseUnits);
    if (!control) {
      if (t.style & DS_NOFAILCREATE) continue;
      return false;
    }
    if (info.font) SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(info.font), FALSE);
    if (DialogCode(control) & DLGC_DEFPUSHBUTTON) {
      // The last default button of the template wins, as in Win32.
      if (HWND previous = info.defId ? GetDlgItem(dlg, static_cast<int>(info.defId)) : nullptr) {
        SetPushButtonType(previous, BS_PUSHBUTTON);
      }
      info.defId = static_cast<UINT>(GetDlgCtrlID(control));
    }
  }
  return true;
}

// After WM_INITDIALOG: TRUE asks for the first tab stop (found again: the
// handler may have changed the controls); FALSE keeps what it focused.
void SetFirstFocus(HWND dlg, const DialogTemplate& t, DialogInfo& info, LRESULT answer) {
  if (answer) {
    if ((t.style & DS_CONTROL) && !(t.style & WS_VISIBLE)) return;
    if (HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE)) SetDialogFocus(dlg, first, true);
    return;
  }
  HWND focus = GetFocus();
  if (focus && IsChild(dlg, focus)) {
    info.lastFocus = focus;
    UpdateDefaultButton(dlg, focus);
  } else {
    info.keepNoFocus = true;
  }
}

HWND ModalOwner(HWND parent) { return parent ? GetAncestor(parent, GA_ROOT) : nullptr; }

HWND CreateFromTemplate(const DialogRequest& request, const DialogTemplate& t) {
  DWORD style = 0;
  DWORD exStyle = 0;
  DeriveStyles(t, style, exStyle);
  HWND parent = request.modal ? ModalOwner(request.parent) : request.parent;
  HWND owner = (style & WS_CHILD) ? nullptr : ModalOwner(parent);
  // A modal loop disables its owner before the dialog exists, so that
  // WM_INITDIALOG already sees it disabled.
  HWND disabled = nullptr;
  if (request.modal && owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    disabled = owner;
  }
  DialogFont font = MakeDialogFont(t);
  HMENU menu = (!(style & WS_CHILD) && !t.menu.empty()) ? LoadMenu(request.instance, t.menu.get()) : nullptr;
  const RECT rc = PlaceDialog(t, font.units, style, exStyle, menu != nullptr, owner ? owner : parent);
  const char* cls = t.windowClass.empty() ? "#32770" : t.windowClass.get();
  HWND dlg = CreateWindowEx(exStyle, cls, t.caption.c_str(), style, rc.left, rc.top, rc.right - rc.left,
                            rc.bottom - rc.top, parent, menu, request.instance, nullptr);
  if (!dlg) {
    if (menu) DestroyMenu(menu);
    if (disabled) EnableWindow(disabled, TRUE);
    return nullptr;
  }
  auto info = AttachDialogInfo(dlg);
  info->font = font.font;
  info->ownedFont = std::move(font.owned);
  info->baseUnits = font.units;
  info->modal = request.modal;
  info->owner = owner;
  info->disabledOwner = disabled;
  SetWindowLongPtr(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(request.proc));
  if (info->font) SendMessage(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(info->font), FALSE);
  if (!CreateControls(dlg, request.instance, t, *info)) {
    if (disabled) EnableWindow(disabled, TRUE);
    info->disabledOwner = nullptr;
    DestroyWindow(dlg);
    return nullptr;
  }
  HWND firstTab = GetNextDlgTabItem(dlg, nullptr, FALSE);
  const LRESULT answer = SendMessage(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTab), request.param);
  if (!IsWindow(dlg)) return nullptr;
  SetFirstFocus(dlg, t, *info, answer);
  if ((t.style & WS_VISIBLE) && !info->ended) ShowWindow(dlg, SW_SHOWNORMAL);
  return dlg;
}

}  // namespace

HWND CreateDialogWindow(const DialogRequest& request) { return CreateDialogWindowStyled(request, 0, 0); }

HWND CreateDialogWindowStyled(const DialogRequest& request, DWORD styleOff, DWORD styleOn) {
  DialogTemplate t;
  if (!request.data || !win32::internal::ParseDialogTemplate(request.data, request.size, t)) return nullptr;
  t.style = (t.style & ~styleOff) | styleOn;
  return CreateFromTemplate(request, t);
}

bool FindDialogResource(HINSTANCE instance, LPCSTR name, const void*& data, size_t& size) {
  HRSRC found = FindResource(instance, name, RT_DIALOG);
  if (!found) return false;
  data = LockResource(LoadResource(instance, found));
  size = SizeofResource(instance, found);
  return data != nullptr;
}

}  // namespace win32::dlg
