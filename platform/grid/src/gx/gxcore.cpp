#include "gx/gxcore.h"

#include <algorithm>

#include "griddata.h"
#include "gridview.h"
#include "gx/gxcheckbox.h"
#include "gx/gxedit.h"
#include "gx/gxstatic.h"

namespace {

// The id the built-in edit control's window gets inside the grid.
constexpr UINT kEditWindowID = 0x7FF0;

}  // namespace

CGXGridCore::CGXGridCore(CWnd* pGridWnd)
    : m_pGridWnd(pGridWnd),
      m_pParam(std::make_unique<CGXGridParam>()),
      m_pData(std::make_unique<gx::GridData>()),
      m_pView(std::make_unique<gx::GridView>()) {
  auto& d = *m_pData;
  d.standardStyle.SetControl(GX_IDS_CTRL_EDIT)
      .SetInterior(RGB(255, 255, 255))
      .SetTextColor(RGB(0, 0, 0))
      .SetHorizontalAlignment(DT_LEFT)
      .SetVerticalAlignment(DT_VCENTER)
      .SetReadOnly(FALSE)
      .SetEnabled(TRUE)
      .SetWrapText(FALSE)
      .SetFont(CGXFont().SetFaceName(_T("MS Sans Serif")).SetSize(8).SetBold(FALSE).SetItalic(FALSE));
  for (CGXStyle* pHeader : {&d.rowHeaderStyle, &d.colHeaderStyle}) {
    pHeader->SetControl(GX_IDS_CTRL_HEADER)
        .SetInterior(::GetSysColor(COLOR_BTNFACE))
        .SetHorizontalAlignment(DT_CENTER)
        .SetReadOnly(TRUE);
  }
}

// No current cell while the controls go: their windows' last messages must
// find nothing to hand on.
CGXGridCore::~CGXGridCore() {
  m_pView->nCurRow = m_pView->nCurCol = GX_INVALID;
  m_pView->gesture = gx::Gesture::None;
  m_pView->pPressedControl = nullptr;
}

void CGXGridCore::InitializeCore() {
  if (m_bInitialized) return;
  m_bInitialized = TRUE;
  OnGridInitialUpdate();
  UpdateScrollbars();
}

void CGXGridCore::OnGridInitialUpdate() {}

// Counts.

ROWCOL CGXGridCore::GetRowCount() { return m_pData->nRows; }
ROWCOL CGXGridCore::GetColCount() { return m_pData->nCols; }

BOOL CGXGridCore::StoreRowCount(ROWCOL nRows) {
  if (!gx::GridData::Fits(nRows, m_pData->nCols)) return FALSE;
  m_pData->SetRowCount(nRows);
  return TRUE;
}

BOOL CGXGridCore::StoreColCount(ROWCOL nCols) {
  if (!gx::GridData::Fits(m_pData->nRows, nCols)) return FALSE;
  m_pData->SetColCount(nCols);
  return TRUE;
}

BOOL CGXGridCore::StoreInsertRows(ROWCOL nRow, ROWCOL nCount) {
  if (!gx::GridData::Fits(0ull + m_pData->nRows + nCount, m_pData->nCols)) return FALSE;
  m_pData->InsertRows(nRow, nCount);
  return TRUE;
}

BOOL CGXGridCore::StoreInsertCols(ROWCOL nCol, ROWCOL nCount) {
  if (!gx::GridData::Fits(m_pData->nRows, 0ull + m_pData->nCols + nCount)) return FALSE;
  m_pData->InsertCols(nCol, nCount);
  return TRUE;
}

BOOL CGXGridCore::StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow) {
  m_pData->RemoveRows(nFromRow, nToRow);
  return TRUE;
}

BOOL CGXGridCore::StoreRemoveCols(ROWCOL nFromCol, ROWCOL nToCol) {
  m_pData->RemoveCols(nFromCol, nToCol);
  return TRUE;
}

BOOL CGXGridCore::StoreReorderRows(ROWCOL nTop, const CRowColArray& order) {
  const std::vector<ROWCOL> rows(order.GetData(), order.GetData() + order.GetSize());
  m_pData->ReorderRows(nTop, rows);
  return TRUE;
}

BOOL CGXGridCore::StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow) {
  m_pData->MoveRows(nFromRow, nToRow, nDestRow);
  return TRUE;
}

BOOL CGXGridCore::StoreMoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol) {
  m_pData->MoveCols(nFromCol, nToCol, nDestCol);
  return TRUE;
}

BOOL CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags) {
  ResetCurrentCell(FALSE);
  if (!StoreRowCount(nRows)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::SetColCount(ROWCOL nCols, UINT flags) {
  ResetCurrentCell(FALSE);
  if (!StoreColCount(nCols)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags) {
  if (nCount == 0 || nRow == 0 || nRow > GetRowCount() + 1) return FALSE;
  ResetCurrentCell(TRUE);
  if (!StoreInsertRows(nRow, nCount)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags) {
  if (nCount == 0 || nCol == 0 || nCol > GetColCount() + 1) return FALSE;
  ResetCurrentCell(TRUE);
  if (!StoreInsertCols(nCol, nCount)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags) {
  if (nFromRow == 0 || nFromRow > nToRow || nToRow > GetRowCount()) return FALSE;
  ResetCurrentCell(FALSE);
  if (!StoreRemoveRows(nFromRow, nToRow)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags) {
  if (nFromCol == 0 || nFromCol > nToCol || nToCol > GetColCount()) return FALSE;
  ResetCurrentCell(FALSE);
  if (!StoreRemoveCols(nFromCol, nToCol)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags) {
  const ROWCOL nCount = GetRowCount();
  if (nFromRow == 0 || nFromRow > nToRow || nToRow > nCount || nDestRow == 0 || nDestRow > nCount - (nToRow - nFromRow))
    return FALSE;
  if (nDestRow == nFromRow) return TRUE;
  ResetCurrentCell(TRUE);
  if (!StoreMoveRows(nFromRow, nToRow, nDestRow)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags) {
  const ROWCOL nCount = GetColCount();
  if (nFromCol == 0 || nFromCol > nToCol || nToCol > nCount || nDestCol == 0 || nDestCol > nCount - (nToCol - nFromCol))
    return FALSE;
  if (nDestCol == nFromCol) return TRUE;
  ResetCurrentCell(TRUE);
  if (!StoreMoveCols(nFromCol, nToCol, nDestCol)) return FALSE;
  AfterStructureChange(flags);
  return TRUE;
}

void CGXGridCore::AfterStructureChange(UINT flags) {
  auto& v = *m_pView;
  ++v.nGeneration;
  v.undo.clear();
  v.redo.clear();
  m_pParam->GetRangeList()->RemoveAll();
  const ROWCOL nRows = GetRowCount();
  const ROWCOL nCols = GetColCount();
  v.nTopRow = std::clamp<ROWCOL>(v.nTopRow, GetFrozenRows() + 1, std::max<ROWCOL>(nRows, GetFrozenRows() + 1));
  v.nLeftCol = std::clamp<ROWCOL>(v.nLeftCol, GetFrozenCols() + 1, std::max<ROWCOL>(nCols, GetFrozenCols() + 1));
  UpdateScrollbars();
  Redraw(flags);
}

// Sizes.

BOOL CGXGridCore::SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, UINT flags) {
  auto& d = *m_pData;
  if (nFromCol > nToCol || nToCol > d.nCols || nWidth < 0) return FALSE;
  std::fill(d.colWidths.begin() + nFromCol, d.colWidths.begin() + nToCol + 1, nWidth);
  UpdateScrollbars();
  Redraw(flags);
  return TRUE;
}

int CGXGridCore::GetColWidth(ROWCOL nCol) {
  const auto& d = *m_pData;
  if (nCol > d.nCols) return 0;
  return d.colWidths[nCol] == gx::kUseDefault ? d.nDefaultColWidth : d.colWidths[nCol];
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, UINT flags) {
  auto& d = *m_pData;
  if (nFromRow > nToRow || nToRow > d.nRows || nHeight < 0) return FALSE;
  std::fill(d.rowHeights.begin() + nFromRow, d.rowHeights.begin() + nToRow + 1, nHeight);
  UpdateScrollbars();
  Redraw(flags);
  return TRUE;
}

int CGXGridCore::GetRowHeight(ROWCOL nRow) {
  const auto& d = *m_pData;
  if (nRow > d.nRows) return 0;
  return d.rowHeights[nRow] == gx::kUseDefault ? d.nDefaultRowHeight : d.rowHeights[nRow];
}

void CGXGridCore::SetDefaultColWidth(int nWidth) { m_pData->nDefaultColWidth = std::max(nWidth, 0); }
int CGXGridCore::GetDefaultColWidth() const { return m_pData->nDefaultColWidth; }
void CGXGridCore::SetDefaultRowHeight(int nHeight) { m_pData->nDefaultRowHeight = std::max(nHeight, 0); }
int CGXGridCore::GetDefaultRowHeight() const { return m_pData->nDefaultRowHeight; }

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, UINT flags) {
  if (nFrozenRows > m_pData->nRows) return FALSE;
  m_pData->nFrozenRows = nFrozenRows;
  m_pView->nTopRow = std::max(m_pView->nTopRow, nFrozenRows + 1);
  UpdateScrollbars();
  Redraw(flags);
  return TRUE;
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, UINT flags) {
  if (nFrozenCols > m_pData->nCols) return FALSE;
  m_pData->nFrozenCols = nFrozenCols;
  m_pView->nLeftCol = std::max(m_pView->nLeftCol, nFrozenCols + 1);
  UpdateScrollbars();
  Redraw(flags);
  return TRUE;
}

ROWCOL CGXGridCore::GetFrozenRows() const { return m_pData->nFrozenRows; }
ROWCOL CGXGridCore::GetFrozenCols() const { return m_pData->nFrozenCols; }

// Controls.

void CGXGridCore::RegisterControl(WORD nID, CGXControl* pControl) {
  if (pControl == nullptr) return;
  auto& slot = m_controls[nID];
  if (slot.get() == pControl) return;
  // The current cell stays current; an editor of the old control closes.
  CGXControl* pOld = slot.get();
  const BOOL bCurrent = pOld != nullptr && IsCurrentCell() && GetCurrentCellControl() == pOld;
  if (bCurrent) {
    pOld->SetActive(FALSE);
    pOld->Hide();
  }
  if (pOld != nullptr && m_pView->pPressedControl == pOld) EndGesture();
  slot.reset(pControl);
  if (bCurrent) {
    if (CGXControl* pNow = GetCurrentCellControl()) pNow->Init(m_pView->nCurRow, m_pView->nCurCol);
  }
}

CGXControl* CGXGridCore::GetRegisteredControl(WORD nID) {
  auto it = m_controls.find(nID);
  if (it != m_controls.end()) return it->second.get();
  std::unique_ptr<CGXControl> pMade;
  switch (nID) {
    case GX_IDS_CTRL_EDIT:
      pMade = std::make_unique<CGXEditControl>(this, kEditWindowID);
      break;
    case GX_IDS_CTRL_STATIC:
      pMade = std::make_unique<CGXStatic>(this);
      break;
    case GX_IDS_CTRL_HEADER:
      pMade = std::make_unique<CGXHeader>(this);
      break;
    case GX_IDS_CTRL_CHECKBOX:
    case GX_IDS_CTRL_CHECKBOX3D:
      pMade = std::make_unique<CGXCheckBox>(this);
      break;
    default:
      if (GXControlFactory pfn = GXFindControlFactory(nID)) pMade = pfn(this);
      break;
  }
  if (!pMade) return nullptr;
  return (m_controls[nID] = std::move(pMade)).get();
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  CGXControl* pControl = GetRegisteredControl(style.GetControl());
  return pControl ? pControl : GetRegisteredControl(GX_IDS_CTRL_STATIC);
}

// Undo.

BOOL CGXGridCore::CanUndo() const { return !m_pView->undo.empty(); }
BOOL CGXGridCore::CanRedo() const { return !m_pView->redo.empty(); }

void CGXGridCore::RecordUndoStep(ROWCOL nRow, ROWCOL nCol, const CString& sOld, const CString& sNew) {
  if (!m_pParam->IsEnableUndo() || sOld == sNew) return;
  auto& undo = m_pView->undo;
  undo.push_back({nRow, nCol, sOld, sNew});
  while (undo.size() > std::max<DWORD>(m_pParam->GetUndoLimit(), 1)) undo.pop_front();
  m_pView->redo.clear();
}

BOOL CGXGridCore::Undo() {
  auto& v = *m_pView;
  if (v.undo.empty()) return FALSE;
  gx::UndoStep step = v.undo.back();
  v.undo.pop_back();
  ResetCurrentCell(FALSE);
  SetValueRange(CGXRange(step.nRow, step.nCol), step.sOld);
  v.redo.push_back(step);
  OnModifyCell(step.nRow, step.nCol);
  return TRUE;
}

BOOL CGXGridCore::Redo() {
  auto& v = *m_pView;
  if (v.redo.empty()) return FALSE;
  gx::UndoStep step = v.redo.back();
  v.redo.pop_back();
  ResetCurrentCell(FALSE);
  SetValueRange(CGXRange(step.nRow, step.nCol), step.sNew);
  v.undo.push_back(step);
  OnModifyCell(step.nRow, step.nCol);
  return TRUE;
}

// Notifications: the defaults accept.

void CGXGridCore::OnModifyCell(ROWCOL, ROWCOL) {}
BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridCore::OnCancelEditing(ROWCOL, ROWCOL) { return TRUE; }
void CGXGridCore::OnCanceledEditing(ROWCOL, ROWCOL) {}
BOOL CGXGridCore::OnEndEditing(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridCore::OnValidateCell(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridCore::OnTextChangedRowCol(ROWCOL, ROWCOL) { return FALSE; }
BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return TRUE; }
BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return TRUE; }
BOOL CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return TRUE; }
void CGXGridCore::OnClickedButtonRowCol(ROWCOL, ROWCOL) {}
BOOL CGXGridCore::OnGridKeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::OnGridKeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::OnGridChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXGridCore::OnLeftCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL) { return TRUE; }
void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) {}
void CGXGridCore::OnChangedSelection(const CGXRange*, BOOL, BOOL) {}
