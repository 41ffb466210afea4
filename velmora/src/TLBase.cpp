// Slow-click and double-click cell editing of the tree list.
#include "TLBase.h"

#include "EditInplace.h"

IMPLEMENT_DYNAMIC(CTLBase, CTreeList)

BEGIN_MESSAGE_MAP(CTLBase, CTreeList)
  ON_WM_LBUTTONDOWN()
  ON_WM_TIMER()
  ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CTLBase::CTLBase() = default;

CTLBase::~CTLBase() {
  if (m_pEditor != nullptr) m_pEditor->Cancel();
}

void CTLBase::DoInplaceEditing(HTREEITEM, int) {}

void CTLBase::DoInplaceEditing() {
  // Whatever started the editing, no later timer opens another editor.
  StopSlowClick();
  if (m_pEditor != nullptr) return;
  const int nRow = GetNextItem(-1, LVNI_SELECTED);
  CItemDesc* pItem = ItemOfRow(nRow);
  if (pItem == nullptr) return;
  const CRect row = RowRect(nRow);
  CPoint cursor;
  ::GetCursorPos(&cursor);
  ScreenToClient(&cursor);
  if (cursor.y <= row.top || cursor.y >= row.bottom) return;
  const CHeaderCtrl* pHeader = GetHeaderCtrl();
  const int nColumns = pHeader != nullptr ? pHeader->GetItemCount() : 0;
  for (int nColumn = 0, nLeft = row.left; nColumn < nColumns; ++nColumn) {
    const int nRight = nLeft + GetColumnWidth(nColumn);
    if (cursor.x >= nLeft && cursor.x < nRight) {
      DoInplaceEditing(reinterpret_cast<HTREEITEM>(pItem), nColumn);
      return;
    }
    nLeft = nRight;
  }
}

BOOL CTLBase::UpdateItem(HTREEITEM hItem, int nColumn, CString strText) { return SetItem(hItem, nColumn, strText); }

HTREEITEM CTLBase::AddItem(HTREEITEM hParent, CString strText, LPARAM lParam) {
  TVINSERTSTRUCT insert{};
  insert.hParent = hParent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = strText.GetBuffer();
  insert.item.lParam = lParam;
  HTREEITEM hItem = InsertItem(&insert);
  strText.ReleaseBuffer();
  return hItem;
}

void CTLBase::OnDeleteItem(HTREEITEM hItem) {
  if (m_pEditor != nullptr && m_pEditor->GetItem() == hItem) m_pEditor->Cancel();
  CTreeList::OnDeleteItem(hItem);
}

void CTLBase::StopSlowClick() {
  m_bSlowClick = 0;
  if (m_hWnd != nullptr) KillTimer(kSlowClickTimer);
}

void CTLBase::OnLButtonDown(UINT nFlags, CPoint point) {
  const int nBefore = GetNextItem(-1, LVNI_SELECTED);
  CTreeList::OnLButtonDown(nFlags, point);
  const int nAfter = GetNextItem(-1, LVNI_SELECTED);
  // A press on the row that was already selected edits it, unless a
  // double-click comes first.
  if (nAfter >= 0 && nAfter == nBefore) {
    m_bSlowClick = 1;
    SetTimer(kSlowClickTimer, kSlowClickDelay, nullptr);
  } else {
    StopSlowClick();
  }
}

void CTLBase::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kSlowClickTimer) {
    CTreeList::OnTimer(nIDEvent);
    return;
  }
  const BOOL bSlowClick = m_bSlowClick;
  StopSlowClick();
  if (bSlowClick) DoInplaceEditing();
}

void CTLBase::OnDblClk(NMHDR*, LRESULT* pResult) {
  DoInplaceEditing();
  *pResult = 0;
}

void CTLBase::OnDestroy() {
  StopSlowClick();
  if (m_pEditor != nullptr) m_pEditor->Abandon();
  CTreeList::OnDestroy();
}
