#include "message_names.h"

#include <cstdio>
#include <span>
#include <string_view>

#include <windows.h>

namespace halvane::test {
namespace {

struct Named {
  long value;
  std::string_view name;
};

// Kept by hand a few entries to a line.
// clang-format off
constexpr Named kMessages[] = {
    {0x0000, "WM_NULL"}, {0x0001, "WM_CREATE"}, {0x0002, "WM_DESTROY"}, {0x0003, "WM_MOVE"},
    {0x0005, "WM_SIZE"}, {0x0006, "WM_ACTIVATE"}, {0x0007, "WM_SETFOCUS"}, {0x0008, "WM_KILLFOCUS"},
    {0x000A, "WM_ENABLE"}, {0x000B, "WM_SETREDRAW"}, {0x000C, "WM_SETTEXT"}, {0x000D, "WM_GETTEXT"},
    {0x000E, "WM_GETTEXTLENGTH"}, {0x000F, "WM_PAINT"}, {0x0010, "WM_CLOSE"}, {0x0011, "WM_QUERYENDSESSION"},
    {0x0012, "WM_QUIT"}, {0x0014, "WM_ERASEBKGND"}, {0x0015, "WM_SYSCOLORCHANGE"}, {0x0016, "WM_ENDSESSION"},
    {0x0018, "WM_SHOWWINDOW"}, {0x001A, "WM_SETTINGCHANGE"}, {0x001C, "WM_ACTIVATEAPP"},
    {0x001F, "WM_CANCELMODE"}, {0x0020, "WM_SETCURSOR"}, {0x0021, "WM_MOUSEACTIVATE"},
    {0x0022, "WM_CHILDACTIVATE"}, {0x0024, "WM_GETMINMAXINFO"}, {0x002B, "WM_DRAWITEM"},
    {0x002C, "WM_MEASUREITEM"}, {0x002D, "WM_DELETEITEM"}, {0x002E, "WM_VKEYTOITEM"}, {0x002F, "WM_CHARTOITEM"},
    {0x0030, "WM_SETFONT"}, {0x0031, "WM_GETFONT"}, {0x0037, "WM_QUERYDRAGICON"}, {0x0039, "WM_COMPAREITEM"},
    {0x0046, "WM_WINDOWPOSCHANGING"}, {0x0047, "WM_WINDOWPOSCHANGED"}, {0x004E, "WM_NOTIFY"},
    {0x0053, "WM_HELP"}, {0x007B, "WM_CONTEXTMENU"}, {0x007C, "WM_STYLECHANGING"}, {0x007D, "WM_STYLECHANGED"},
    {0x007F, "WM_GETICON"}, {0x0080, "WM_SETICON"}, {0x0081, "WM_NCCREATE"}, {0x0082, "WM_NCDESTROY"},
    {0x0083, "WM_NCCALCSIZE"}, {0x0084, "WM_NCHITTEST"}, {0x0085, "WM_NCPAINT"}, {0x0086, "WM_NCACTIVATE"},
    {0x0087, "WM_GETDLGCODE"}, {0x00A0, "WM_NCMOUSEMOVE"}, {0x00A1, "WM_NCLBUTTONDOWN"},
    {0x00A2, "WM_NCLBUTTONUP"}, {0x00A3, "WM_NCLBUTTONDBLCLK"}, {0x00A4, "WM_NCRBUTTONDOWN"},
    {0x00A5, "WM_NCRBUTTONUP"}, {0x00A7, "WM_NCMBUTTONDOWN"}, {0x00A8, "WM_NCMBUTTONUP"},
    {0x00B0, "EM_GETSEL"}, {0x00B1, "EM_SETSEL"}, {0x00B2, "EM_GETRECT"}, {0x00B6, "EM_LINESCROLL"},
    {0x00B7, "EM_SCROLLCARET"}, {0x00B8, "EM_GETMODIFY"}, {0x00B9, "EM_SETMODIFY"}, {0x00BA, "EM_GETLINECOUNT"},
    {0x00BB, "EM_LINEINDEX"}, {0x00C1, "EM_LINELENGTH"}, {0x00C2, "EM_REPLACESEL"}, {0x00C4, "EM_GETLINE"},
    {0x00C5, "EM_LIMITTEXT"}, {0x00C6, "EM_CANUNDO"}, {0x00C7, "EM_UNDO"}, {0x00C9, "EM_LINEFROMCHAR"},
    {0x00CC, "EM_SETPASSWORDCHAR"}, {0x00CF, "EM_SETREADONLY"}, {0x00D5, "EM_GETLIMITTEXT"},
    {0x00D6, "EM_POSFROMCHAR"}, {0x00D7, "EM_CHARFROMPOS"}, {0x00F0, "BM_GETCHECK"}, {0x00F1, "BM_SETCHECK"},
    {0x00F2, "BM_GETSTATE"}, {0x00F3, "BM_SETSTATE"}, {0x00F4, "BM_SETSTYLE"}, {0x00F5, "BM_CLICK"},
    {0x00F6, "BM_GETIMAGE"}, {0x00F7, "BM_SETIMAGE"}, {0x0100, "WM_KEYDOWN"}, {0x0101, "WM_KEYUP"},
    {0x0102, "WM_CHAR"}, {0x0103, "WM_DEADCHAR"}, {0x0104, "WM_SYSKEYDOWN"}, {0x0105, "WM_SYSKEYUP"},
    {0x0106, "WM_SYSCHAR"}, {0x0110, "WM_INITDIALOG"}, {0x0111, "WM_COMMAND"}, {0x0112, "WM_SYSCOMMAND"},
    {0x0113, "WM_TIMER"}, {0x0114, "WM_HSCROLL"}, {0x0115, "WM_VSCROLL"}, {0x0116, "WM_INITMENU"},
    {0x0117, "WM_INITMENUPOPUP"}, {0x011F, "WM_MENUSELECT"}, {0x0120, "WM_MENUCHAR"}, {0x0121, "WM_ENTERIDLE"},
    {0x0122, "WM_MENURBUTTONUP"}, {0x0125, "WM_UNINITMENUPOPUP"},
    {0x0127, "WM_CHANGEUISTATE"}, {0x0128, "WM_UPDATEUISTATE"}, {0x0129, "WM_QUERYUISTATE"},
    {0x0132, "WM_CTLCOLORMSGBOX"}, {0x0133, "WM_CTLCOLOREDIT"}, {0x0134, "WM_CTLCOLORLISTBOX"},
    {0x0135, "WM_CTLCOLORBTN"}, {0x0136, "WM_CTLCOLORDLG"}, {0x0137, "WM_CTLCOLORSCROLLBAR"},
    {0x0138, "WM_CTLCOLORSTATIC"}, {0x0140, "CB_GETEDITSEL"}, {0x0141, "CB_LIMITTEXT"}, {0x0142, "CB_SETEDITSEL"},
    {0x0143, "CB_ADDSTRING"}, {0x0144, "CB_DELETESTRING"}, {0x0145, "CB_DIR"}, {0x0146, "CB_GETCOUNT"},
    {0x0147, "CB_GETCURSEL"}, {0x0148, "CB_GETLBTEXT"}, {0x0149, "CB_GETLBTEXTLEN"}, {0x014A, "CB_INSERTSTRING"},
    {0x014B, "CB_RESETCONTENT"}, {0x014C, "CB_FINDSTRING"}, {0x014D, "CB_SELECTSTRING"}, {0x014E, "CB_SETCURSEL"},
    {0x014F, "CB_SHOWDROPDOWN"}, {0x0150, "CB_GETITEMDATA"}, {0x0151, "CB_SETITEMDATA"},
    {0x0152, "CB_GETDROPPEDCONTROLRECT"}, {0x0153, "CB_SETITEMHEIGHT"}, {0x0154, "CB_GETITEMHEIGHT"},
    {0x0155, "CB_SETEXTENDEDUI"}, {0x0156, "CB_GETEXTENDEDUI"}, {0x0157, "CB_GETDROPPEDSTATE"},
    {0x0158, "CB_FINDSTRINGEXACT"}, {0x015B, "CB_GETTOPINDEX"}, {0x015C, "CB_SETTOPINDEX"},
    {0x015D, "CB_GETHORIZONTALEXTENT"}, {0x015E, "CB_SETHORIZONTALEXTENT"}, {0x015F, "CB_GETDROPPEDWIDTH"},
    {0x0160, "CB_SETDROPPEDWIDTH"}, {0x0164, "CB_GETCOMBOBOXINFO"}, {0x0170, "STM_SETICON"},
    {0x0171, "STM_GETICON"}, {0x0172, "STM_SETIMAGE"}, {0x0173, "STM_GETIMAGE"}, {0x0180, "LB_ADDSTRING"},
    {0x0181, "LB_INSERTSTRING"}, {0x0182, "LB_DELETESTRING"}, {0x0184, "LB_RESETCONTENT"}, {0x0185, "LB_SETSEL"},
    {0x0186, "LB_SETCURSEL"}, {0x0187, "LB_GETSEL"}, {0x0188, "LB_GETCURSEL"}, {0x0189, "LB_GETTEXT"},
    {0x018A, "LB_GETTEXTLEN"}, {0x018B, "LB_GETCOUNT"}, {0x018C, "LB_SELECTSTRING"}, {0x018E, "LB_GETTOPINDEX"},
    {0x018F, "LB_FINDSTRING"}, {0x0190, "LB_GETSELCOUNT"}, {0x0191, "LB_GETSELITEMS"}, {0x0192, "LB_SETTABSTOPS"},
    {0x0193, "LB_GETHORIZONTALEXTENT"}, {0x0194, "LB_SETHORIZONTALEXTENT"}, {0x0197, "LB_SETTOPINDEX"},
    {0x0198, "LB_GETITEMRECT"}, {0x0199, "LB_GETITEMDATA"}, {0x019A, "LB_SETITEMDATA"},
    {0x019E, "LB_SETCARETINDEX"}, {0x019F, "LB_GETCARETINDEX"}, {0x01A0, "LB_SETITEMHEIGHT"},
    {0x01A1, "LB_GETITEMHEIGHT"}, {0x01A2, "LB_FINDSTRINGEXACT"}, {0x01A9, "LB_ITEMFROMPOINT"},
    {0x0200, "WM_MOUSEMOVE"}, {0x0201, "WM_LBUTTONDOWN"}, {0x0202, "WM_LBUTTONUP"}, {0x0203, "WM_LBUTTONDBLCLK"},
    {0x0204, "WM_RBUTTONDOWN"}, {0x0205, "WM_RBUTTONUP"}, {0x0206, "WM_RBUTTONDBLCLK"},
    {0x0207, "WM_MBUTTONDOWN"}, {0x0208, "WM_MBUTTONUP"}, {0x0209, "WM_MBUTTONDBLCLK"}, {0x020A, "WM_MOUSEWHEEL"},
    {0x0210, "WM_PARENTNOTIFY"}, {0x0211, "WM_ENTERMENULOOP"}, {0x0212, "WM_EXITMENULOOP"},
    {0x0214, "WM_SIZING"}, {0x0215, "WM_CAPTURECHANGED"}, {0x0216, "WM_MOVING"}, {0x0220, "WM_MDICREATE"},
    {0x0221, "WM_MDIDESTROY"}, {0x0222, "WM_MDIACTIVATE"}, {0x0223, "WM_MDIRESTORE"}, {0x0224, "WM_MDINEXT"},
    {0x0225, "WM_MDIMAXIMIZE"}, {0x0226, "WM_MDITILE"}, {0x0227, "WM_MDICASCADE"}, {0x0228, "WM_MDIICONARRANGE"},
    {0x0229, "WM_MDIGETACTIVE"}, {0x0230, "WM_MDISETMENU"}, {0x0231, "WM_ENTERSIZEMOVE"},
    {0x0232, "WM_EXITSIZEMOVE"}, {0x0234, "WM_MDIREFRESHMENU"}, {0x02A1, "WM_MOUSEHOVER"},
    {0x02A3, "WM_MOUSELEAVE"}, {0x0300, "WM_CUT"}, {0x0301, "WM_COPY"}, {0x0302, "WM_PASTE"}, {0x0303, "WM_CLEAR"},
    {0x0304, "WM_UNDO"}, {0x0311, "WM_PALETTECHANGED"}, {0x0312, "WM_HOTKEY"}, {0x0317, "WM_PRINT"},
    {0x0318, "WM_PRINTCLIENT"}, {0x0364, "WM_INITIALUPDATE"},
};
// clang-format on

constexpr Named kDialogMessages[] = {{0x0400, "DM_GETDEFID"}, {0x0401, "DM_SETDEFID"}, {0x0402, "DM_REPOSITION"}};

constexpr Named kButtonCodes[] = {{0, "BN_CLICKED"}, {1, "BN_PAINT"},         {2, "BN_HILITE"},   {3, "BN_UNHILITE"},
                                  {4, "BN_DISABLE"}, {5, "BN_DOUBLECLICKED"}, {6, "BN_SETFOCUS"}, {7, "BN_KILLFOCUS"}};
constexpr Named kEditCodes[] = {{0x100, "EN_SETFOCUS"}, {0x200, "EN_KILLFOCUS"}, {0x300, "EN_CHANGE"},
                                {0x400, "EN_UPDATE"},   {0x500, "EN_ERRSPACE"},  {0x501, "EN_MAXTEXT"},
                                {0x601, "EN_HSCROLL"},  {0x602, "EN_VSCROLL"}};
constexpr Named kListBoxCodes[] = {{0xFFFE, "LBN_ERRSPACE"}, {1, "LBN_SELCHANGE"}, {2, "LBN_DBLCLK"},
                                   {3, "LBN_SELCANCEL"},     {4, "LBN_SETFOCUS"},  {5, "LBN_KILLFOCUS"}};
constexpr Named kComboBoxCodes[] = {{0xFFFF, "CBN_ERRSPACE"}, {1, "CBN_SELCHANGE"},    {2, "CBN_DBLCLK"},
                                    {3, "CBN_SETFOCUS"},      {4, "CBN_KILLFOCUS"},    {5, "CBN_EDITCHANGE"},
                                    {6, "CBN_EDITUPDATE"},    {7, "CBN_DROPDOWN"},     {8, "CBN_CLOSEUP"},
                                    {9, "CBN_SELENDOK"},      {10, "CBN_SELENDCANCEL"}};
constexpr Named kStaticCodes[] = {{0, "STN_CLICKED"}, {1, "STN_DBLCLK"}, {2, "STN_ENABLE"}, {3, "STN_DISABLE"}};

constexpr Named kNotifyCodes[] = {
    {-1, "NM_OUTOFMEMORY"},
    {-2, "NM_CLICK"},
    {-3, "NM_DBLCLK"},
    {-4, "NM_RETURN"},
    {-5, "NM_RCLICK"},
    {-6, "NM_RDBLCLK"},
    {-7, "NM_SETFOCUS"},
    {-8, "NM_KILLFOCUS"},
    {-12, "NM_CUSTOMDRAW"},
    {-13, "NM_HOVER"},
    {-100, "LVN_ITEMCHANGING"},
    {-101, "LVN_ITEMCHANGED"},
    {-102, "LVN_INSERTITEM"},
    {-103, "LVN_DELETEITEM"},
    {-104, "LVN_DELETEALLITEMS"},
    {-105, "LVN_BEGINLABELEDIT"},
    {-106, "LVN_ENDLABELEDIT"},
    {-108, "LVN_COLUMNCLICK"},
    {-109, "LVN_BEGINDRAG"},
    {-150, "LVN_GETDISPINFO"},
    {-155, "LVN_KEYDOWN"},
    {-200, "PSN_SETACTIVE"},
    {-201, "PSN_KILLACTIVE"},
    {-202, "PSN_APPLY"},
    {-203, "PSN_RESET"},
    {-205, "PSN_HELP"},
    {-206, "PSN_WIZBACK"},
    {-207, "PSN_WIZNEXT"},
    {-208, "PSN_WIZFINISH"},
    {-209, "PSN_QUERYCANCEL"},
    {-300, "HDN_ITEMCHANGING"},
    {-301, "HDN_ITEMCHANGED"},
    {-302, "HDN_ITEMCLICK"},
    {-306, "HDN_BEGINTRACK"},
    {-307, "HDN_ENDTRACK"},
    {-308, "HDN_TRACK"},
    {-401, "TVN_SELCHANGING"},
    {-402, "TVN_SELCHANGED"},
    {-403, "TVN_GETDISPINFO"},
    {-405, "TVN_ITEMEXPANDING"},
    {-406, "TVN_ITEMEXPANDED"},
    {-412, "TVN_KEYDOWN"},
    {-520, "TTN_GETDISPINFO"},
    {-521, "TTN_SHOW"},
    {-522, "TTN_POP"},
    {-550, "TCN_KEYDOWN"},
    {-551, "TCN_SELCHANGE"},
    {-552, "TCN_SELCHANGING"},
    {-601, "CDN_INITDONE"},
    {-602, "CDN_SELCHANGE"},
    {-603, "CDN_FOLDERCHANGE"},
    {-604, "CDN_SHAREVIOLATION"},
    {-605, "CDN_HELP"},
    {-606, "CDN_FILEOK"},
    {-607, "CDN_TYPECHANGE"},
    {-722, "UDN_DELTAPOS"},
};

std::string_view Lookup(std::span<const Named> table, long value) {
  for (const Named& entry : table) {
    if (entry.value == value) return entry.name;
  }
  return {};
}

std::string Hex(unsigned long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%04lX", value);
  return text;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  if (hwnd == nullptr || GetClassName(hwnd, name, sizeof name) == 0) return {};
  return name;
}

std::span<const Named> CommandCodesOf(const std::string& className) {
  if (className == "Button") return kButtonCodes;
  if (className == "Edit") return kEditCodes;
  if (className == "ListBox" || className == "ComboLBox") return kListBoxCodes;
  if (className == "ComboBox") return kComboBoxCodes;
  if (className == "Static") return kStaticCodes;
  return {};
}

std::string CommandCodeName(WPARAM wParam, LPARAM lParam) {
  const unsigned code = HIWORD(wParam);
  if (lParam == 0) return code == 0 ? "menu" : code == 1 ? "accelerator" : Hex(code);
  const std::string_view name = Lookup(CommandCodesOf(ClassOf(reinterpret_cast<HWND>(lParam))), code);
  return name.empty() ? Hex(code) : std::string(name);
}

std::string NotifyCodeName(LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header == nullptr) return {};
  const long code = static_cast<int>(header->code);
  const std::string_view name = Lookup(kNotifyCodes, code);
  return name.empty() ? std::to_string(code) : std::string(name);
}

}  // namespace

std::string MessageName(UINT message, HWND hwnd) {
  if (const std::string_view name = Lookup(kMessages, message); !name.empty()) return std::string(name);
  if (message >= 0x0400 && message < 0x8000) {
    if (ClassOf(hwnd) == "#32770") {
      if (const std::string_view name = Lookup(kDialogMessages, message); !name.empty()) return std::string(name);
    }
    return "WM_USER+" + std::to_string(message - 0x0400);
  }
  if (message >= 0x8000 && message < 0xC000) return "WM_APP+" + std::to_string(message - 0x8000);
  return Hex(message);
}

std::string NotificationName(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return CommandCodeName(wParam, lParam);
  if (message == WM_NOTIFY) return NotifyCodeName(lParam);
  return {};
}

}  // namespace halvane::test
