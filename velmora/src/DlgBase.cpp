#include "DlgBase.h"

#include "ResourceScope.h"
#include "resource.h"

CDlgBase::CDlgBase(CWnd* pParent) : CDialog(IDD_DLG_BASE, pParent) {}

INT_PTR CDlgBase::DoModal() {
  velmora::ResourceScope resources;
  return CDialog::DoModal();
}

void CDlgBase::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_BASE_TREE, m_tlBOInst);
  DDX_CBString(pDX, IDC_BASE_VERB, m_strVerb);
  DDX_Text(pDX, IDC_BASE_TEXT1, m_strComment);
  DDX_Text(pDX, IDC_BASE_TEXT2, m_strNote);
}

BOOL CDlgBase::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  for (int nID : {IDC_BASE_TEXT2, IDC_BASE_STATIC}) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->ShowWindow(SW_HIDE);
  }
  return TRUE;
}
