#include "DlgOpenBO.h"

#include <afxcrt.h>

#include <algorithm>
#include <vector>

#include "DataManager.h"
#include "OrvexApp.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgOpenBO, CDialog)
  ON_EN_CHANGE(IDC_OPEN_FIND, OnChangeFind)
  ON_BN_CLICKED(IDC_FIND_NEXT, OnFindNext)
  ON_BN_CLICKED(IDC_FIND_PREV, OnFindPrev)
  ON_NOTIFY(NM_DBLCLK, IDC_OPEN_LIST, OnDblClkList)
END_MESSAGE_MAP()

CDlgOpenBO::CDlgOpenBO(int nMode, CWnd* pParent) : CDialog(IDD_OPEN_BO, pParent), m_nMode(nMode) {}

CDlgOpenBO::~CDlgOpenBO() = default;

void CDlgOpenBO::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_OPEN_PROMPT, m_prompt);
  DDX_Control(pDX, IDC_FIND_PREV, m_btnFindPrev);
  DDX_Control(pDX, IDC_FIND_NEXT, m_btnFindNext);
  DDX_Control(pDX, IDC_OPEN_LIST, m_list);
  DDX_Control(pDX, IDC_OPEN_FIND, m_editFind);
}

BOOL CDlgOpenBO::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_bmpUp.LoadOEMBitmap(OBM_UPARROW)) m_btnFindPrev.SetBitmap(static_cast<HBITMAP>(m_bmpUp.GetSafeHandle()));
  if (m_bmpDown.LoadOEMBitmap(OBM_DNARROW)) m_btnFindNext.SetBitmap(static_cast<HBITMAP>(m_bmpDown.GetSafeHandle()));
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  if (m_nMode == kDeleteMode) {
    m_prompt.SetWindowText("Select business objects to be deleted");
    SetWindowText("Delete Business Objects");
  }
  m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 180);
  m_list.InsertColumn(1, "Location", LVCFMT_LEFT, 100);
  FillList();
  m_editFind.SetFocus();
  m_editFind.SetSel(0, -1);
  return FALSE;
}

void CDlgOpenBO::FillList() {
  CDataManager* pDM = CDataManager::InitInstance();
  const CStringList* pNames = pDM->RefreshBONames(0);
  std::vector<CString> names;
  for (POSITION pos = pNames->GetHeadPosition(); pos != nullptr;) names.push_back(pNames->GetNext(pos));
  std::stable_sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return _mbsicmp(a, b) < 0; });
  // While connected, a name that is not loaded is one the server holds:
  // local definitions are always loaded.
  const COrvexApp* pApp = GetOrvexApp();
  const BOOL connected = pApp != nullptr && pApp->IsConnected();
  for (const CString& name : names) {
    const int row = m_list.InsertItem(m_list.GetItemCount(), name);
    const CQRBusObjDef* pDef = pDM->GetBO(name, 0, 0);
    const BOOL onServer =
        pDef != nullptr ? (pDef->GetState() & (HvStateOnServer | HvStateSavedToServer)) != 0 : connected;
    m_list.SetItemText(row, 1, onServer ? "Server" : "Local");
  }
}

CString CDlgOpenBO::FindText() const {
  CString text;
  m_editFind.GetWindowText(text);
  return text;
}

BOOL CDlgOpenBO::RowMatches(int nRow, const CString& text) const {
  return _mbsnicmp(m_list.GetItemText(nRow, 0), text, static_cast<size_t>(text.GetLength())) == 0;
}

int CDlgOpenBO::FindRow(int nFrom, int nStep, const CString& text) const {
  for (int row = nFrom; row >= 0 && row < m_list.GetItemCount(); row += nStep) {
    if (RowMatches(row, text)) return row;
  }
  return -1;
}

void CDlgOpenBO::SelectOnly(int nRow) {
  if (nRow < 0) return;
  for (int row = m_list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_list.GetNextItem(row, LVNI_SELECTED))
    m_list.SetItemState(row, 0, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.EnsureVisible(nRow, FALSE);
}

void CDlgOpenBO::OnChangeFind() { SelectOnly(FindRow(0, 1, FindText())); }

void CDlgOpenBO::OnFindNext() {
  const CString text = FindText();
  if (text.IsEmpty()) return;
  // With no selection the search starts at the first row itself.
  const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
  SelectOnly(FindRow(selected >= 0 ? selected + 1 : 0, 1, text));
}

void CDlgOpenBO::OnFindPrev() {
  const CString text = FindText();
  if (text.IsEmpty()) return;
  // With no selection the search starts at the last row itself.
  const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
  SelectOnly(FindRow(selected >= 0 ? selected - 1 : m_list.GetItemCount() - 1, -1, text));
}

void CDlgOpenBO::OnDblClkList(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  OnOK();
}

void CDlgOpenBO::OnOK() {
  if (m_list.GetSelectedCount() == 0) {
    MessageBox("No items were selected!\n", "Error", MB_ICONERROR);
    return;
  }
  m_arrSelected.RemoveAll();
  for (int row = m_list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_list.GetNextItem(row, LVNI_SELECTED))
    m_arrSelected.Add(m_list.GetItemText(row, 0));
  EndDialog(IDOK);
}
