// The status bar wrapper: texts read in full with their drawing types.
#include "mfc/cmn_statusbar.h"

#include <vector>

#include "cmnctl/create_control.h"
#include "cmnctl/image_list_of.h"

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

AFX_IMPLEMENT_CONTROL_CREATE(CStatusBarCtrl, STATUSCLASSNAME)

namespace {

// The low word of the length and text messages is the length, the high
// word the drawing type.
int Unpack(LRESULT answer, int* pType) {
  if (pType != nullptr) *pType = HIWORD(answer);
  return LOWORD(answer);
}

}  // namespace

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const {
  return Unpack(SendMessage(SB_GETTEXTLENGTH, static_cast<WPARAM>(nPane)), pType);
}

int CStatusBarCtrl::GetText(LPTSTR lpszText, int nPane, int* pType) const {
  return Unpack(SendMessage(SB_GETTEXT, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpszText)), pType);
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const {
  int type = 0;
  const int length = GetTextLength(nPane, &type);
  if (pType != nullptr) *pType = type;
  // An owner-drawn part has a value, not a text.
  if (type & SBT_OWNERDRAW) return CString();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  GetText(buffer.data(), nPane);
  return CString(buffer.data(), length);
}

BOOL CStatusBarCtrl::GetBorders(int& nHorz, int& nVert, int& nSpacing) const {
  int borders[3] = {};
  const BOOL done = GetBorders(borders);
  nHorz = borders[0];
  nVert = borders[1];
  nSpacing = borders[2];
  return done;
}

void CStatusBarCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatusBarCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return afx::DrawItemNotify(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
