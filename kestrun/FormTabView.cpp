#include "FormTabView.h"

IMPLEMENT_DYNAMIC(CFormTabView, CKestrunView)

CFormTabView::CFormTabView(UINT nIDTemplate) : CKestrunView(nIDTemplate) {}

CFormTabView::~CFormTabView() = default;

void CFormTabView::OnUpdate(CView* pSender, LPARAM, CObject*) {
  if (pSender != nullptr) m_bFilled = TRUE;
}

void CFormTabView::FillControls() {
  m_bFilling = true;
  UpdateData(FALSE);
  m_bFilling = false;
}

CString CFormTabView::LoadText(UINT id) {
  CString text;
  text.LoadString(id);
  return text;
}
