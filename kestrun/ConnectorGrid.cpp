#include "ConnectorGrid.h"

#include <HeaderBtnControl.h>

#include <algorithm>

#include "KestrunDoc.h"
#include "KestrunView.h"

namespace {

constexpr WORD kHeaderControl = 0xF006;

}  // namespace

IMPLEMENT_DYNAMIC(CConnectorGrid, CHLGridCommon)

// The grids write their own read-only cells (names, update methods) as
// they fill; the user still cannot change them.
CConnectorGrid::CConnectorGrid() { GetParam()->SetLockReadOnly(FALSE); }

CConnectorGrid::~CConnectorGrid() = default;

void CConnectorGrid::SetupColumns(UserPropColTable table, int nPositions) {
  const int count = nPositions < 0 ? GetColumnCount(table) : std::min(nPositions, GetColumnCount(table));
  SetColCount(count > 0 ? static_cast<ROWCOL>(count - 1) : 0, GX_INVALIDATE);
  for (int position = 0; position < count; ++position) {
    const UserPropCol* column = GetColumn(table, position);
    const auto col = static_cast<ROWCOL>(column->m_nColumn);
    SetColWidth(col, col, column->m_nWidth, GX_INVALIDATE);
    if (position > 0) SetValueRange(CGXRange(0, col), column->m_strTitle, gxOverride, 0, GX_INVALIDATE);
  }
  RegisterControl(kHeaderControl, new CHeaderBtnControl(this, FALSE));
  SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kHeaderControl), gxOverride, 0, GX_INVALIDATE);
}

CKestrunView* CConnectorGrid::GetView() const { return DYNAMIC_DOWNCAST(CKestrunView, GetParent()); }

CKestrunDoc* CConnectorGrid::GetKestrunDoc() const {
  const CKestrunView* view = GetView();
  return view != nullptr ? view->GetDocument() : nullptr;
}

CConnector* CConnectorGrid::GetConnector() const {
  const CKestrunView* view = GetView();
  return view != nullptr ? view->GetConnector() : nullptr;
}

void CConnectorGrid::MarkModified() {
  if (CKestrunDoc* doc = GetKestrunDoc()) doc->SetModifiedFlag(TRUE);
}

CString CConnectorGrid::GetCellText(ROWCOL nRow, ROWCOL nCol) {
  CString text;
  CGXControl* control = GetCurrentCellControl();
  if (control != nullptr && IsCurrentCell(nRow, nCol) && control->IsActive() && control->GetCurrentText(text))
    return text;
  return GetValueRowCol(nRow, nCol);
}

void* CConnectorGrid::GetRowItem(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0 || nRow > GetRowCount()) return nullptr;
  CGXStyle style;
  GetStyleRowCol(nRow, nCol, style);
  return style.GetIncludeItemDataPtr() ? style.GetItemDataPtr() : nullptr;
}

void CConnectorGrid::DeleteSelectedRows() {}

BOOL CConnectorGrid::CanDeleteRows() {
  CRowColArray starts;
  CRowColArray ends;
  return HasRowDeletion() && GetRowCount() > 1 && GetSelectedRows(starts, ends, TRUE, FALSE) > 0;
}

BOOL CConnectorGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nMessage == WM_KEYDOWN && nChar == VK_DELETE && CanDeleteRows()) {
    DeleteSelectedRows();
    return TRUE;
  }
  return CHLGridCommon::ProcessKeys(pSender, nMessage, nChar, nRepCnt, nFlags);
}

std::vector<ROWCOL> CConnectorGrid::SelectedRowsBottomUp() {
  CRowColArray starts;
  CRowColArray ends;
  const ROWCOL spans = GetSelectedRows(starts, ends, TRUE, FALSE);
  std::vector<ROWCOL> rows;
  for (ROWCOL i = spans; i-- > 0;) {
    const INT_PTR k = static_cast<INT_PTR>(i);
    for (ROWCOL row = ends[k]; row >= starts[k] && row >= 1; --row) rows.push_back(row);
  }
  return rows;
}

BOOL CConnectorGrid::NextSortDescending(ROWCOL nCol) {
  const CGXGridParam* param = GetParam();
  return param->GetSortCol() == nCol && param->GetSortFlag();
}

void CConnectorGrid::SortRowsByColumn(ROWCOL nCol, BOOL bDescending, ROWCOL nLastRow) {
  CGXSortInfoArray keys;
  keys.Add(CGXSortInfo(nCol, bDescending ? CGXSortInfo::descending : CGXSortInfo::ascending));
  if (nLastRow > 1) SortRows(CGXRange().SetRows(1, nLastRow), keys, GX_INVALIDATE);
  GetParam()->SetSortCol(nCol);
  GetParam()->SetSortFlag(!bDescending);
  RedrawRowCol(CGXRange().SetRows(0), GX_INVALIDATE);
}

BOOL CConnectorGrid::IsTextEditCell(ROWCOL nRow, ROWCOL nCol) {
  const CGXControl* control = GetControl(nRow, nCol);
  return control != nullptr && control->IsKindOf(RUNTIME_CLASS(CGXEditControl));
}

void CConnectorGrid::Refill() {
  ResetCurrentCell(FALSE);
  ClearSelection(FALSE);
  SetRowCount(0, GX_INVALIDATE);
  FillFromConnector();
}

CGXStyle CConnectorGrid::ReadOnlyCell() {
  return CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetInterior(kReadOnlyColor).SetReadOnly(TRUE);
}

void CConnectorGrid::PutCellText(ROWCOL nRow, ROWCOL nCol, const CString& text) {
  SetValueRange(CGXRange(nRow, nCol), text, gxOverride, 0, GX_INVALIDATE);
  if (!IsCurrentCell(nRow, nCol)) return;
  CGXControl* control = GetCurrentCellControl();
  if (control == nullptr) return;
  if (control->IsActive())
    control->SetCurrentText(text);
  else
    control->Init(nRow, nCol);
}
