// The parts of CString that read string resources through the window system.
#include <vector>

#include <windows.h>

#include "afxstr.h"

// Until the module state exists, the resources are the program's own.
HINSTANCE AfxGetResourceHandle() { return GetModuleHandle(nullptr); }

BOOL CString::LoadString(UINT nID) {
  // LoadString truncates to the buffer: grow until the text fits.
  std::vector<char> buffer(256);
  for (;;) {
    const int length = ::LoadString(AfxGetResourceHandle(), nID, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
      Empty();
      return FALSE;
    }
    if (static_cast<size_t>(length) < buffer.size() - 1) {
      m_str.assign(buffer.data(), static_cast<size_t>(length));
      return TRUE;
    }
    buffer.resize(buffer.size() * 2);
  }
}

void CString::SetFromPointer(LPCTSTR lpsz) {
  if (lpsz != nullptr && IS_INTRESOURCE(lpsz)) {
    LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
  } else {
    m_str.assign(lpsz != nullptr ? lpsz : "");
  }
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1) {
  CString format;
  format.LoadString(nIDS);
  AfxFormatStrings(rString, format, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2) {
  CString format;
  format.LoadString(nIDS);
  const LPCTSTR strings[] = {lpsz1, lpsz2};
  AfxFormatStrings(rString, format, strings, 2);
}
