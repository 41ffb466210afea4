#include "PeeredEdit.h"

BEGIN_MESSAGE_MAP(CPeeredEdit, CEdit)
  ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

void CPeeredEdit::SetPeer(CWnd* pPeer) {
  m_pPeer = pPeer;
  UpdatePeer();
}

void CPeeredEdit::UpdatePeer() {
  if (m_pPeer == nullptr || !::IsWindow(m_pPeer->GetSafeHwnd()) || m_hWnd == nullptr) return;
  CString text;
  GetWindowText(text);
  text.Trim();
  m_pPeer->EnableWindow(!text.IsEmpty());
}

// The parent hears of the change too.
BOOL CPeeredEdit::OnChange() {
  UpdatePeer();
  return FALSE;
}
