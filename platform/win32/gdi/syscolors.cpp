// System colours: the classic Windows 2000 scheme, changeable until the
// next ResetGdi.
#include "gdi/objects.h"

namespace win32::gdi::detail {

COLORREF DefaultSysColor(int index) {
  static constexpr COLORREF kScheme[31] = {
      RGB(0xC0, 0xC0, 0xC0),  // COLOR_SCROLLBAR
      RGB(0x3A, 0x6E, 0xA5),  // COLOR_BACKGROUND
      RGB(0x0A, 0x24, 0x6A),  // COLOR_ACTIVECAPTION
      RGB(0x80, 0x80, 0x80),  // COLOR_INACTIVECAPTION
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_MENU
      RGB(0xFF, 0xFF, 0xFF),  // COLOR_WINDOW
      RGB(0x00, 0x00, 0x00),  // COLOR_WINDOWFRAME
      RGB(0x00, 0x00, 0x00),  // COLOR_MENUTEXT
      RGB(0x00, 0x00, 0x00),  // COLOR_WINDOWTEXT
      RGB(0xFF, 0xFF, 0xFF),  // COLOR_CAPTIONTEXT
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_ACTIVEBORDER
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_INACTIVEBORDER
      RGB(0x80, 0x80, 0x80),  // COLOR_APPWORKSPACE
      RGB(0x0A, 0x24, 0x6A),  // COLOR_HIGHLIGHT
      RGB(0xFF, 0xFF, 0xFF),  // COLOR_HIGHLIGHTTEXT
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_BTNFACE
      RGB(0x80, 0x80, 0x80),  // COLOR_BTNSHADOW
      RGB(0x80, 0x80, 0x80),  // COLOR_GRAYTEXT
      RGB(0x00, 0x00, 0x00),  // COLOR_BTNTEXT
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_INACTIVECAPTIONTEXT
      RGB(0xFF, 0xFF, 0xFF),  // COLOR_BTNHIGHLIGHT
      RGB(0x40, 0x40, 0x40),  // COLOR_3DDKSHADOW
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_3DLIGHT
      RGB(0x00, 0x00, 0x00),  // COLOR_INFOTEXT
      RGB(0xFF, 0xFF, 0xE1),  // COLOR_INFOBK
      RGB(0xB5, 0xB5, 0xB5),  // 25: unused
      RGB(0x00, 0x00, 0x80),  // COLOR_HOTLIGHT
      RGB(0xA6, 0xCA, 0xF0),  // COLOR_GRADIENTACTIVECAPTION
      RGB(0xC0, 0xC0, 0xC0),  // COLOR_GRADIENTINACTIVECAPTION
      RGB(0x0A, 0x24, 0x6A),  // COLOR_MENUHILIGHT
      RGB(0xD4, 0xD0, 0xC8),  // COLOR_MENUBAR
  };
  return index >= 0 && index < 31 ? kScheme[index] : 0;
}

}  // namespace win32::gdi::detail

using namespace win32::gdi::detail;

DWORD WINAPI GetSysColor(int nIndex) {
  const GdiState& s = State();
  return nIndex >= 0 && nIndex < static_cast<int>(s.sysColors.size()) ? s.sysColors[nIndex] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  const GdiState& s = State();
  return nIndex >= 0 && nIndex < static_cast<int>(s.sysBrushes.size()) ? s.sysBrushes[nIndex] : nullptr;
}

BOOL WINAPI SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues) {
  if (cElements < 0 || (cElements > 0 && (!lpaElements || !lpaRgbValues))) return FALSE;
  GdiState& s = State();
  for (int i = 0; i < cElements; ++i) {
    const int index = lpaElements[i];
    if (index < 0 || index >= static_cast<int>(s.sysColors.size())) continue;
    s.sysColors[index] = lpaRgbValues[i] & 0xFFFFFF;
    // The system brushes follow their colours, as controls keep them.
    if (auto* brush = Get<BrushObject>(s.sysBrushes[index])) brush->lb.lbColor = s.sysColors[index];
  }
  return TRUE;
}
