// Dialog data exchange for buttons, list and combo boxes and controls, and
// UpdateData, which runs an exchange and catches its failure.
#include <vector>

#include <windows.h>

#include "mfc/ddx.h"
#include "mfc/exception.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = nullptr;
  if (m_pDlgWnd != nullptr) m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
  if (hWndCtrl == nullptr) AfxThrowNotSupportedException();
  m_hWndLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (!m_bSaveAndValidate) AfxThrowUserException();
  if (m_hWndLastControl != nullptr && m_pDlgWnd != nullptr) {
    // Back to the control that failed, its text selected for retyping.
    m_pDlgWnd->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWndLastControl), TRUE);
    if (m_bEditLastControl) ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    // The failing exchange has already told the user.
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

namespace {

CString WindowText(HWND hWnd) {
  const int length = ::GetWindowTextLength(hWnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = ::GetWindowText(hWnd, buffer.data(), length + 1);
  return CString(buffer.data(), copied);
}

bool HasEdit(HWND hWndCombo) { return (::GetWindowLong(hWndCombo, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST; }

// The text of a list item (list or combo box messages).
CString ItemText(HWND hWnd, int index, UINT lengthMessage, UINT textMessage) {
  const auto length = ::SendMessage(hWnd, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return CString();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const auto copied =
      ::SendMessage(hWnd, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return copied < 0 ? CString() : CString(buffer.data(), static_cast<int>(copied));
}

}  // namespace

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
  } else {
    if (value < 0 || value > 2) value = 0;
    ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  // The group runs from the first button to the next control with WS_GROUP.
  int index = 0;
  for (HWND button = hWndCtrl; button != nullptr; button = ::GetWindow(button, GW_HWNDNEXT)) {
    if (button != hWndCtrl && (::GetWindowLong(button, GWL_STYLE) & WS_GROUP)) break;
    if (!(::SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
    if (pDX->m_bSaveAndValidate) {
      if (::SendMessage(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessage(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    if (HasEdit(hWndCtrl)) {
      value = WindowText(hWndCtrl);
    } else {
      const auto index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
      value = index != CB_ERR ? ItemText(hWndCtrl, index, CB_GETLBTEXTLEN, CB_GETLBTEXT) : CString();
    }
  } else if (::SendMessage(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == CB_ERR) {
    // Not in the list: an edit shows the text anyway.
    if (HasEdit(hWndCtrl)) ::SetWindowText(hWndCtrl, value);
  }
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    DDX_CBString(pDX, nIDC, value);
    return;
  }
  const auto index = static_cast<int>(::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))));
  if (index != CB_ERR) {
    ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  } else if (HasEdit(hWndCtrl)) {
    ::SetWindowText(hWndCtrl, value);
  }
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
  } else {
    ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0));
  } else {
    ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const auto index = static_cast<int>(::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0));
    value = index != LB_ERR ? ItemText(hWndCtrl, index, LB_GETTEXTLEN, LB_GETTEXT) : CString();
  } else if (::SendMessage(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == LB_ERR) {
    ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    DDX_LBString(pDX, nIDC, value);
    return;
  }
  const auto index = static_cast<int>(::SendMessage(hWndCtrl, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))));
  ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}
