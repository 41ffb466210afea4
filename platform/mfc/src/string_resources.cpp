// The parts of CString that read string resources, through the resource
// chain of the module state.
#include <windows.h>

#include "afxstr.h"
#include "mfc/modulestate.h"

BOOL CString::LoadString(UINT nID) {
  if (AfxLoadString(nID, *this)) return TRUE;
  Empty();
  return FALSE;
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
