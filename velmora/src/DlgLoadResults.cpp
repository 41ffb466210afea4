// The load-results dialog: each name's candidates and the choice of OK.
#include "DlgLoadResults.h"

#include <cstdlib>

#include "ResourceScope.h"

namespace {

// The index of the last candidate equal to the value (ignoring case), else 0.
int StartIndex(const SetEntity& entity) {
  int nIndex = 0;
  for (INT_PTR i = 0; i < entity.m_arrValues.GetSize(); ++i) {
    if (entity.m_arrValues[i].CompareNoCase(entity.m_strValue) == 0) nIndex = static_cast<int>(i);
  }
  return nIndex;
}

}  // namespace

CDlgLoadResults::CDlgLoadResults(CWnd* pParent) : CDlgResultsBase(IDD, pParent) {}

CDlgLoadResults::~CDlgLoadResults() = default;

BOOL CDlgLoadResults::OnInitDialog() {
  velmora::ResourceScope resources;
  return CDlgResultsBase::OnInitDialog();
}

void CDlgLoadResults::FillGrid() {
  CGridLoadResults& grid = m_wndGrid;
  grid.LockUpdate(TRUE);
  grid.SetColCount(2);
  grid.SetRowCount(static_cast<ROWCOL>(m_arrEntities.GetSize()));
  grid.SetValueRange(CGXRange(0, CGridLoadResults::kNameCol), "Business Object Name");
  grid.SetColWidth(CGridLoadResults::kNameCol, CGridLoadResults::kNameCol, 200);
  grid.SetValueRange(CGXRange(0, CGridLoadResults::kValueCol), "Message Set ID");
  grid.SetColWidth(CGridLoadResults::kValueCol, CGridLoadResults::kValueCol, 150);
  for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) {
    const SetEntity& entity = *m_arrEntities[i];
    const auto nRow = static_cast<ROWCOL>(i + 1);
    grid.SetStaticText(nRow, CGridLoadResults::kNameCol, entity.m_strName);
    CString choices;
    for (INT_PTR v = 0; v < entity.m_arrValues.GetSize(); ++v) choices += entity.m_arrValues[v] + "\n";
    grid.SetStyleRange(
        CGXRange(nRow, CGridLoadResults::kValueCol),
        CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(choices).SetValue(StartIndex(entity)));
  }
  grid.LockUpdate(FALSE);
  grid.Redraw();
}

void CDlgLoadResults::OnOK() {
  m_wndGrid.TransferCurrentCell();
  for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) {
    SetEntity& entity = *m_arrEntities[i];
    const auto nRow = static_cast<ROWCOL>(i + 1);
    entity.m_strName = m_wndGrid.GetValueRowCol(nRow, CGridLoadResults::kNameCol);
    const int nIndex = std::atoi(m_wndGrid.GetValueRowCol(nRow, CGridLoadResults::kValueCol));
    if (nIndex >= 0 && nIndex < entity.m_arrValues.GetSize()) entity.m_strValue = entity.m_arrValues[nIndex];
  }
  CDlgResultsBase::OnOK();
}
