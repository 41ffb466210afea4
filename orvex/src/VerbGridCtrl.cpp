#include "VerbGridCtrl.h"

#include <HeaderBtnControl.h>

#include <algorithm>
#include <memory>

#include "DefModified.h"
#include "OrvexDoc.h"
#include "RowClipboard.h"

namespace {

constexpr WORD kHeaderControl = 24322;
constexpr int kHeaderHeight = 22;
constexpr int kRowHeight = 20;
constexpr int kRowHeaderWidth = 20;
constexpr int kNameWidth = 100;
constexpr int kAppInfoWidth = 400;

BOOL KeyIsDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

IMPLEMENT_DYNAMIC(CVerbGridCtrl, HLBrowserWnd)

CVerbGridCtrl::CVerbGridCtrl() = default;

CVerbGridCtrl::~CVerbGridCtrl() = default;

void CVerbGridCtrl::OnGridInitialUpdate() {
  HLBrowserWnd::OnGridInitialUpdate();
  m_pView = DYNAMIC_DOWNCAST(CView, GetParent());
  const COrvexDoc* pDoc = m_pView != nullptr ? DYNAMIC_DOWNCAST(COrvexDoc, m_pView->GetDocument()) : nullptr;
  m_pBODef = pDoc != nullptr ? pDoc->m_pBODef : nullptr;

  CGXGridParam* param = GetParam();
  param->EnableUndo(FALSE);
  param->SetNumberedColHeaders(FALSE);
  SetColCount(kColAppInfo, GX_INVALIDATE);
  SetColWidth(0, 0, kRowHeaderWidth, GX_INVALIDATE);
  SetColWidth(kColName, kColName, kNameWidth, GX_INVALIDATE);
  SetColWidth(kColAppInfo, kColAppInfo, kAppInfoWidth, GX_INVALIDATE);
  SetValueRange(CGXRange(0, kColName), "Name", gxOverride, 0, GX_INVALIDATE);
  SetValueRange(CGXRange(0, kColAppInfo), "Application-specific information", gxOverride, 0, GX_INVALIDATE);
  RegisterControl(kHeaderControl, new CHeaderBtnControl(this));
  SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kHeaderControl).SetReadOnly(TRUE), gxOverride, 0,
                GX_INVALIDATE);
  AddActionStyle(GX_ACTIVATE_EDITABLE, GX_ACTIVATE_NOEDIT);
  SetReadOnly(FALSE);
  SetDefaultRowHeight(kRowHeight);
  SetRowHeight(0, 0, kHeaderHeight, GX_INVALIDATE);
  FillGrid(TRUE);
}

CBODefVerbArray* CVerbGridCtrl::Verbs() const { return m_pBODef != nullptr ? &m_pBODef->GetVerbs() : nullptr; }

void CVerbGridCtrl::MarkModified() {
  if (m_pBODef != nullptr) MarkDefModified(*m_pBODef);
}

// The opening fill counts as a sort by name, ascending.
void CVerbGridCtrl::FillGrid(BOOL bSort) {
  // An open editor's text goes to its verb before the rows go.
  if (IsActiveCurrentCell()) TransferCurrentCell(TRUE, GX_INVALIDATE);
  ResetCurrentCell(FALSE);
  ClearSelection(FALSE);
  if (bSort) SortByColumn(kColName, FALSE);
  OnModelChanged(GX_INVALIDATE);
  SetCurrentCell(GetEmptyRow(), kColName);
}

long CVerbGridCtrl::OnGetRecordCount() {
  const CBODefVerbArray* pVerbs = Verbs();
  return pVerbs != nullptr ? static_cast<long>(pVerbs->GetSize()) + 1 : 0;
}

BOOL CVerbGridCtrl::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR) {
  const CBODefVerbArray* pVerbs = Verbs();
  if (pVerbs == nullptr || nRow < 1 || (nCol != kColName && nCol != kColAppInfo)) return FALSE;
  CString value;
  if (nRow <= static_cast<ROWCOL>(pVerbs->GetSize())) {
    const CBODefVerb* pVerb = (*pVerbs)[static_cast<INT_PTR>(nRow) - 1];
    value = nCol == kColName ? pVerb->GetName() : pVerb->GetAppInfo();
  }
  style.SetControl(GX_IDS_CTRL_EDIT)
      .SetMaxLength(nCol == kColName ? kMaxNameLength : kMaxAppInfoLength)
      .SetValue(value);
  return TRUE;
}

// The empty row becomes a verb when it gets a text.
BOOL CVerbGridCtrl::OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszChangedValue) {
  CBODefVerbArray* pVerbs = Verbs();
  if (pVerbs == nullptr || nRow < 1 || nRow > static_cast<ROWCOL>(pVerbs->GetSize()) + 1) return FALSE;
  CString text = pszChangedValue != nullptr ? pszChangedValue : "";
  text.Trim();
  if (nRow == static_cast<ROWCOL>(pVerbs->GetSize()) + 1) {
    if (text.IsEmpty()) return TRUE;
    pVerbs->InsertAt(static_cast<INT_PTR>(nRow) - 1, new CBODefVerb);
    m_bVerbAdded = TRUE;
  }
  CBODefVerb* pVerb = (*pVerbs)[static_cast<INT_PTR>(nRow) - 1];
  if (nCol == kColName)
    pVerb->SetName(text);
  else if (nCol == kColAppInfo)
    pVerb->SetAppInfo(text);
  MarkModified();
  return TRUE;
}

void CVerbGridCtrl::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  HLBrowserWnd::OnModifyCell(nRow, nCol);
  if (!m_bVerbAdded) return;
  m_bVerbAdded = FALSE;
  OnModelChanged(GX_INVALIDATE);
}

// --- Sorting and moving -----------------------------------------------------

// The clicked column's own direction alternates; another column starts
// ascending.
void CVerbGridCtrl::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  HLBrowserWnd::OnClickedButtonRowCol(nRow, nCol);
  if (nRow != 0 || (nCol != kColName && nCol != kColAppInfo)) return;
  CGXGridParam* param = GetParam();
  const BOOL descending = param->GetSortCol() == nCol && param->GetSortFlag();
  ResetCurrentCell(TRUE);
  SortByColumn(nCol, descending);
  Redraw();
}

void CVerbGridCtrl::SortByColumn(ROWCOL nCol, BOOL bDescending) {
  CBODefVerbArray* pVerbs = Verbs();
  if (pVerbs == nullptr) return;
  std::vector<CBODefVerb*> order;
  for (INT_PTR i = 0; i < pVerbs->GetSize(); ++i) order.push_back((*pVerbs)[i]);
  auto key = [nCol](const CBODefVerb* pVerb) -> const CString& {
    return nCol == kColName ? pVerb->GetName() : pVerb->GetAppInfo();
  };
  // Stable both ways: equal keys keep their order.
  std::stable_sort(order.begin(), order.end(), [&](const CBODefVerb* a, const CBODefVerb* b) {
    return bDescending ? key(b).CompareNoCase(key(a)) < 0 : key(a).CompareNoCase(key(b)) < 0;
  });
  for (size_t i = 0; i < order.size(); ++i) pVerbs->SetAt(static_cast<INT_PTR>(i), order[i]);
  GetParam()->SetSortCol(nCol);
  GetParam()->SetSortFlag(!bDescending);
}

// The block lands so that it starts at nDestRow; it never passes the
// empty row.
BOOL CVerbGridCtrl::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags) {
  CBODefVerbArray* pVerbs = Verbs();
  const ROWCOL verbs = pVerbs != nullptr ? static_cast<ROWCOL>(pVerbs->GetSize()) : 0;
  const ROWCOL count = nToRow - nFromRow + 1;
  if (pVerbs == nullptr || nFromRow < 1 || nToRow > verbs || nDestRow < 1 || nDestRow + count - 1 > verbs) return FALSE;
  std::vector<CBODefVerb*> block;
  for (ROWCOL row = nFromRow; row <= nToRow; ++row) block.push_back((*pVerbs)[static_cast<INT_PTR>(row) - 1]);
  pVerbs->RemoveAt(static_cast<INT_PTR>(nFromRow) - 1, static_cast<INT_PTR>(count));
  for (size_t i = 0; i < block.size(); ++i) pVerbs->InsertAt(static_cast<INT_PTR>(nDestRow - 1 + i), block[i]);
  MarkModified();
  SyncStoreRowCount();
  return HLBrowserWnd::MoveRows(nFromRow, nToRow, nDestRow, flags);
}

// --- Rows and keys ------------------------------------------------------------

void CVerbGridCtrl::SelectAllRows() {
  if (GetRowCount() > 0) SetSelection(CGXRange().SetRows(1, GetRowCount()));
}

// Row by row in order; the empty row stops the deletion, and what was
// deleted before it stays deleted.
void CVerbGridCtrl::DeleteSelectedRows() {
  CBODefVerbArray* pVerbs = Verbs();
  if (pVerbs == nullptr) return;
  const std::vector<ROWCOL> rows = SelectedRows(FALSE);
  const ROWCOL emptyRow = GetEmptyRow();
  std::vector<CBODefVerb*> doomed;
  for (ROWCOL row : rows) {
    if (row == emptyRow) {
      MessageBox("Cannot delete the last row", "Information", MB_OK | MB_ICONINFORMATION);
      break;
    }
    doomed.push_back((*pVerbs)[static_cast<INT_PTR>(row) - 1]);
  }
  if (doomed.empty()) return;
  for (INT_PTR i = pVerbs->GetSize() - 1; i >= 0; --i) {
    if (std::find(doomed.begin(), doomed.end(), (*pVerbs)[i]) != doomed.end()) pVerbs->DeleteAt(i);
  }
  MarkModified();
  FillGrid(FALSE);
}

// Delete removes selected whole rows (the key's work is then done); the
// clipboard keys outside an open editor are the grid's commands.
BOOL CVerbGridCtrl::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const BOOL ctrl = KeyIsDown(VK_CONTROL);
  if (nChar == VK_DELETE && !ctrl && HasRowSelection()) {
    DeleteSelectedRows();
    return TRUE;
  }
  if (ctrl && !IsActiveCurrentCell()) {
    switch (nChar) {
      case 'C':
        CopySelection();
        return TRUE;
      case 'X':
        CutSelection();
        return TRUE;
      case 'V':
        PasteSelection();
        return TRUE;
      default:
        break;
    }
  }
  return HLBrowserWnd::OnGridKeyDown(nChar, nRepCnt, nFlags);
}

// --- Clipboard ----------------------------------------------------------------

void CVerbGridCtrl::CopySelection() {
  CRowClipboard::Release();
  if (!IsActiveCurrentCell() && HasRowSelection()) {
    CopyRows(FALSE);
    return;
  }
  CRowClipboard::SetCopyColumn(0);
  HLBrowserWnd::Copy();
}

void CVerbGridCtrl::CutSelection() {
  CRowClipboard::Release();
  if (!IsActiveCurrentCell() && HasRowSelection()) {
    CopyRows(TRUE);
    return;
  }
  CRowClipboard::SetCopyColumn(0);
  // Every emptied cell reaches its verb through OnFlushCellValue.
  HLBrowserWnd::Cut();
}

void CVerbGridCtrl::CopyRows(BOOL bCut) {
  CBODefVerbArray* pVerbs = Verbs();
  if (pVerbs == nullptr) return;
  std::vector<CBODefVerb*> chosen;
  for (ROWCOL row : SelectedRows(FALSE)) {
    if (row <= static_cast<ROWCOL>(pVerbs->GetSize())) chosen.push_back((*pVerbs)[static_cast<INT_PTR>(row) - 1]);
  }
  if (chosen.empty()) return;
  auto pTemp = std::make_unique<CQRBusObjDef>("", nullptr, HvStateNew);
  for (CBODefVerb* pVerb : chosen) {
    if (bCut) {
      pTemp->GetVerbs().Add(pVerb);
    } else {
      auto* pCopy = new CBODefVerb;
      pCopy->Copy(*pVerb);
      pTemp->GetVerbs().Add(pCopy);
    }
  }
  if (bCut) {
    for (INT_PTR i = pVerbs->GetSize() - 1; i >= 0; --i) {
      if (std::find(chosen.begin(), chosen.end(), (*pVerbs)[i]) != chosen.end()) pVerbs->RemoveAt(i);
    }
    MarkModified();
  }
  CRowClipboard::PutDefinition(this, std::move(pTemp));
  if (bCut) FillGrid(FALSE);
}

void CVerbGridCtrl::PasteSelection() {
  const std::vector<ROWCOL> rows = SelectedRows(TRUE);
  if (rows.empty()) {
    MessageBox("Please select where to paste the rows.", nullptr, MB_OK);
    return;
  }
  if (CRowClipboard::HasText()) {
    // Every pasted cell reaches its verb through OnFlushCellValue.
    HLBrowserWnd::Paste();
    Redraw();
    return;
  }
  if (const CQRBusObjDef* pSource = CRowClipboard::GetDefinition(this);
      pSource != nullptr && pSource->GetVerbs().GetSize() > 0) {
    PasteRows(*pSource);
    return;
  }
  FillGrid(FALSE);
}

// The selected rows take the copied verbs in order; rows left over go,
// verbs left over follow the last row pasted on (or go before the empty
// row when that was chosen).
void CVerbGridCtrl::PasteRows(const CQRBusObjDef& source) {
  CBODefVerbArray* pVerbs = Verbs();
  if (pVerbs == nullptr) return;
  const CBODefVerbArray& copied = source.GetVerbs();
  const ROWCOL verbs = static_cast<ROWCOL>(pVerbs->GetSize());
  std::vector<CBODefVerb*> targets;
  BOOL emptyRowChosen = FALSE;
  for (ROWCOL row : SelectedRows(TRUE)) {
    if (row <= verbs)
      targets.push_back((*pVerbs)[static_cast<INT_PTR>(row) - 1]);
    else
      emptyRowChosen = TRUE;
  }
  INT_PTR next = 0;
  CBODefVerb* pLast = nullptr;
  std::vector<CBODefVerb*> leftover;
  for (CBODefVerb* pVerb : targets) {
    if (next < copied.GetSize()) {
      pVerb->Copy(*copied[next++]);
      pLast = pVerb;
    } else {
      leftover.push_back(pVerb);
    }
  }
  for (INT_PTR i = pVerbs->GetSize() - 1; i >= 0; --i) {
    if (std::find(leftover.begin(), leftover.end(), (*pVerbs)[i]) != leftover.end()) pVerbs->DeleteAt(i);
  }
  INT_PTR at = pVerbs->GetSize();
  if (pLast != nullptr && !emptyRowChosen) {
    for (INT_PTR i = 0; i < pVerbs->GetSize(); ++i) {
      if ((*pVerbs)[i] == pLast) at = i + 1;
    }
  }
  for (; next < copied.GetSize(); ++next, ++at) {
    auto* pNew = new CBODefVerb;
    pNew->Copy(*copied[next]);
    pVerbs->InsertAt(at, pNew);
  }
  MarkModified();
  FillGrid(FALSE);
}
