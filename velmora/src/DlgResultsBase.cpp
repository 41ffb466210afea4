// The results dialogs' find, layout and resource switch.
#include "DlgResultsBase.h"

#include <HLGridDialogLayout.h>

#include "ResourceScope.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgResultsBase, CDialog)
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_RESULTS_FIND_UP, OnFindUp)
  ON_BN_CLICKED(IDC_RESULTS_FIND_DOWN, OnFindDown)
  ON_EN_CHANGE(IDC_RESULTS_FIND, OnChangeFind)
END_MESSAGE_MAP()

CDlgResultsBase::CDlgResultsBase(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

INT_PTR CDlgResultsBase::DoModal() {
  velmora::ResourceScope resources;
  GXInit();
  return CDialog::DoModal();
}

void CDlgResultsBase::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RESULTS_HEADER, m_wndHeader);
  DDX_Control(pDX, IDCANCEL, m_btnCancel);
  DDX_Control(pDX, IDC_RESULTS_FIND_UP, m_btnFindUp);
  DDX_Control(pDX, IDC_RESULTS_FIND_DOWN, m_btnFindDown);
  DDX_Text(pDX, IDC_RESULTS_FIND, m_strFind);
}

BOOL CDlgResultsBase::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  m_btnFindUp.LoadBitmaps(IDB_FIND_UP, IDB_FIND_UP, IDB_FIND_UP, IDB_FIND_UP);
  m_btnFindUp.SizeToContent();
  m_btnFindDown.LoadBitmaps(IDB_FIND_DOWN, IDB_FIND_DOWN, IDB_FIND_DOWN, IDB_FIND_DOWN);
  m_btnFindDown.SizeToContent();
  CGridResultsBase& grid = GetResultsGrid();
  grid.SubclassDlgItem(IDC_RESULTS_GRID, this);
  grid.Initialize();
  FillGrid();
  CRect client;
  GetClientRect(&client);
  LayOut(client.Width(), client.Height());
  if (CEdit* pFind = GetDlgItemAs<CEdit>(IDC_RESULTS_FIND)) {
    GotoDlgCtrl(pFind);
    pFind->SetSel(0, -1);
  }
  return FALSE;
}

void CDlgResultsBase::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  LayOut(cx, cy);
}

void CDlgResultsBase::LayOut(int cx, int cy) {
  CWnd* pOk = GetDlgItem(IDOK);
  if (pOk != nullptr) HLLayoutGridDialog(*this, GetResultsGrid(), *pOk, m_btnCancel, cx, cy);
}

void CDlgResultsBase::OnFindUp() {
  UpdateData(TRUE);
  GetResultsGrid().FindUp(m_strFind);
}

void CDlgResultsBase::OnFindDown() {
  UpdateData(TRUE);
  GetResultsGrid().FindDown(m_strFind);
}

void CDlgResultsBase::OnChangeFind() {
  if (GetResultsGrid().GetSafeHwnd() == nullptr) return;
  GetDlgItemText(IDC_RESULTS_FIND, m_strFind);
  GetResultsGrid().FindFromTop(m_strFind);
}
