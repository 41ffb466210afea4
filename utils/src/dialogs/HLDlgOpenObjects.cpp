#include "HLDlgOpenObjects.h"

#include <afxcrt.h>

#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(HLDlgOpenObjects, CDialog)
  ON_EN_CHANGE(IDC_HL_OPEN_FIND, OnChangeFind)
  ON_BN_CLICKED(IDC_HL_FIND_NEXT, OnFindNext)
  ON_BN_CLICKED(IDC_HL_FIND_PREV, OnFindPrev)
  ON_NOTIFY(NM_DBLCLK, IDC_HL_OPEN_LIST, OnDblClkList)
END_MESSAGE_MAP()

HLDlgOpenObjects::HLDlgOpenObjects(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

HLDlgOpenObjects::~HLDlgOpenObjects() = default;

void HLDlgOpenObjects::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_HL_OPEN_PROMPT, m_prompt);
  DDX_Control(pDX, IDC_HL_FIND_PREV, m_btnFindPrev);
  DDX_Control(pDX, IDC_HL_FIND_NEXT, m_btnFindNext);
  DDX_Control(pDX, IDC_HL_OPEN_LIST, m_list);
  DDX_Control(pDX, IDC_HL_OPEN_FIND, m_editFind);
}

BOOL HLDlgOpenObjects::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_bmpUp.LoadOEMBitmap(OBM_UPARROW)) m_btnFindPrev.SetBitmap(static_cast<HBITMAP>(m_bmpUp.GetSafeHandle()));
  if (m_bmpDown.LoadOEMBitmap(OBM_DNARROW)) m_btnFindNext.SetBitmap(static_cast<HBITMAP>(m_bmpDown.GetSafeHandle()));
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 180);
  m_list.InsertColumn(1, "Location", LVCFMT_LEFT, 100);
  FillList();
  m_editFind.SetFocus();
  m_editFind.SetSel(0, -1);
  return FALSE;
}

void HLDlgOpenObjects::AddSortedRows(const CStringList& names, const std::function<bool(const CString&)>& onServer) {
  std::vector<CString> sorted;
  for (POSITION pos = names.GetHeadPosition(); pos != nullptr;) sorted.push_back(names.GetNext(pos));
  std::stable_sort(sorted.begin(), sorted.end(), [](const CString& a, const CString& b) { return _mbsicmp(a, b) < 0; });
  for (const CString& name : sorted) {
    const int row = m_list.InsertItem(m_list.GetItemCount(), name);
    m_list.SetItemText(row, 1, onServer(name) ? "Server" : "Local");
  }
}

CString HLDlgOpenObjects::FindText() const {
  CString text;
  m_editFind.GetWindowText(text);
  return text;
}

BOOL HLDlgOpenObjects::RowMatches(int nRow, const CString& text) const {
  return _mbsnicmp(m_list.GetItemText(nRow, 0), text, static_cast<size_t>(text.GetLength())) == 0;
}

int HLDlgOpenObjects::FindRow(int nFrom, int nStep, const CString& text) const {
  for (int row = nFrom; row >= 0 && row < m_list.GetItemCount(); row += nStep) {
    if (RowMatches(row, text)) return row;
  }
  return -1;
}

void HLDlgOpenObjects::SelectOnly(int nRow) {
  if (nRow < 0) return;
  for (int row = m_list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_list.GetNextItem(row, LVNI_SELECTED))
    m_list.SetItemState(row, 0, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.EnsureVisible(nRow, FALSE);
}

void HLDlgOpenObjects::OnChangeFind() { SelectOnly(FindRow(0, 1, FindText())); }

void HLDlgOpenObjects::OnFindNext() {
  const CString text = FindText();
  if (text.IsEmpty()) return;
  // With no selection the search starts at the first row itself.
  const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
  SelectOnly(FindRow(selected >= 0 ? selected + 1 : 0, 1, text));
}

void HLDlgOpenObjects::OnFindPrev() {
  const CString text = FindText();
  if (text.IsEmpty()) return;
  // With no selection the search starts at the last row itself.
  const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
  SelectOnly(FindRow(selected >= 0 ? selected - 1 : m_list.GetItemCount() - 1, -1, text));
}

void HLDlgOpenObjects::OnDblClkList(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  OnOK();
}

void HLDlgOpenObjects::OnOK() {
  if (m_list.GetSelectedCount() == 0) {
    MessageBox("No items were selected!\n", "Error", MB_ICONERROR);
    return;
  }
  m_arrSelected.RemoveAll();
  for (int row = m_list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_list.GetNextItem(row, LVNI_SELECTED))
    m_arrSelected.Add(m_list.GetItemText(row, 0));
  EndDialog(IDOK);
}
