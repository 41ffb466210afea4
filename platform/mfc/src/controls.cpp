// The standard control wrappers: creation, the members that need more than
// one message, and owner drawing through reflection.
#include <vector>

#include <windows.h>

#include "mfc/controls.h"
#include "mfc/msgmap_wnd.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar* afx::ScrollBarFromHandle(HWND hWnd) {
  if (hWnd == nullptr || !::IsWindow(hWnd)) return nullptr;
  return AfxGetWndHandleMap().FromHandle<CScrollBar>(hWnd);
}

namespace {

// Every control is a child made through CWnd::Create with its class.
BOOL CreateControl(CWnd& control, LPCTSTR lpszClass, LPCTSTR lpszText, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID) {
  return control.CWnd::Create(lpszClass, lpszText, dwStyle, rect, pParentWnd, nID);
}

// The text of a list item through its length and text messages.
void ItemText(const CWnd& control, int nIndex, UINT lengthMessage, UINT textMessage, CString& rString) {
  const auto length = control.SendMessage(lengthMessage, static_cast<WPARAM>(nIndex));
  if (length < 0) {
    rString.Empty();
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const auto copied =
      control.SendMessage(textMessage, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer.data()));
  rString = copied < 0 ? CString() : CString(buffer.data(), static_cast<int>(copied));
}

}  // namespace

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateControl(*this, "BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (pResult != nullptr) *pResult = TRUE;
  return TRUE;
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateControl(*this, "STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateControl(*this, "EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  nStartChar = static_cast<int>(start);
  nEndChar = static_cast<int>(end);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
  if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
  if (lpszBuffer == nullptr || nMaxLength < static_cast<int>(sizeof(WORD))) return 0;
  // EM_GETLINE reads the buffer size from the buffer's first word.
  *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
  return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateControl(*this, "LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const {
  ItemText(*this, nIndex, LB_GETTEXTLEN, LB_GETTEXT, rString);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

namespace {

// Owner-drawn lists and combo boxes: the drawing messages go to the
// control's own members.
template <class Control>
BOOL OwnerDrawNotify(Control& control, UINT message, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DRAWITEM) {
    control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  } else if (message == WM_MEASUREITEM) {
    control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
  } else {
    return FALSE;
  }
  if (pResult != nullptr) *pResult = TRUE;
  return TRUE;
}

}  // namespace

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return OwnerDrawNotify(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateControl(*this, "COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
  ItemText(*this, nIndex, CB_GETLBTEXTLEN, CB_GETLBTEXT, rString);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return OwnerDrawNotify(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateControl(*this, "SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return static_cast<BOOL>(SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpScrollInfo)));
}
