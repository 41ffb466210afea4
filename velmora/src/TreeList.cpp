// The tree list's items and rows: inserting, expanding, collapsing and
// deleting keep the list's rows and the row index in step with the tree.
// Only items whose ancestors are all expanded have rows, and the rows of an
// item's visible descendants follow its own row directly.
#include "TreeList.h"

#include <algorithm>

// ---- CItemDesc --------------------------------------------------------------

CItemDesc::CItemDesc(CItemDesc* pParent)
    : m_pParent(pParent), m_nDepth(pParent != nullptr ? pParent->m_nDepth + 1 : 0) {}

CItemDesc::~CItemDesc() {
  for (INT_PTR i = 0; i < GetSize(); ++i) delete GetChild(i);
}

CString CItemDesc::GetText(int nColumn) const {
  return nColumn >= 0 && nColumn < m_strTexts.GetSize() ? m_strTexts[nColumn] : CString();
}

BOOL CItemDesc::IsLastChild() const {
  return m_pParent != nullptr && m_pParent->GetSize() > 0 && m_pParent->GetChild(m_pParent->GetUpperBound()) == this;
}

// ---- CTreeList: items -------------------------------------------------------

IMPLEMENT_DYNAMIC(CTreeList, CListCtrl)

BEGIN_MESSAGE_MAP(CTreeList, CListCtrl)
  ON_WM_CREATE()
  ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
  ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnKeyDownNotify)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CTreeList::CTreeList()
    : m_root(nullptr),
      m_penLines(PS_SOLID, 1, ::GetSysColor(COLOR_INACTIVECAPTION)),
      m_penGrid(PS_SOLID, 1, ::GetSysColor(COLOR_INACTIVECAPTIONTEXT)),
      m_brushWindow(::GetSysColor(COLOR_WINDOW)) {}

CTreeList::~CTreeList() {
  // While this object is whole, so that the window's last messages still
  // find it.
  if (m_hWnd != nullptr) DestroyWindow();
  while (m_root.GetSize() > 0) {
    CItemDesc* pItem = m_root.GetChild(m_root.GetUpperBound());
    m_root.RemoveAt(m_root.GetUpperBound());
    FreeDetached(pItem);
  }
}

CItemDesc* CTreeList::Resolve(HTREEITEM hItem) const {
  auto* pItem = reinterpret_cast<const CItemDesc*>(hItem);
  // The pointer is only compared until it is known to be one of ours.
  if (hItem == nullptr || !m_liveItems.contains(pItem)) return nullptr;
  return const_cast<CItemDesc*>(pItem);
}

BOOL CTreeList::IsItem(HTREEITEM hItem) const { return Resolve(hItem) != nullptr; }

BOOL CTreeList::ShowsChildren(const CItemDesc* pItem) { return pItem->m_nDepth == 0 || pItem->m_bExpanded; }

BOOL CTreeList::HasRow(const CItemDesc* pItem) const {
  for (const CItemDesc* pAncestor = pItem->m_pParent; pAncestor != nullptr; pAncestor = pAncestor->m_pParent) {
    if (!ShowsChildren(pAncestor)) return FALSE;
  }
  return TRUE;
}

BOOL CTreeList::FindItem(HTREEITEM hItem, int& nRow) const {
  const CItemDesc* pItem = Resolve(hItem);
  if (pItem == nullptr || !HasRow(pItem)) return FALSE;
  const auto it = std::find(m_rows.begin(), m_rows.end(), pItem);
  if (it == m_rows.end()) return FALSE;
  nRow = static_cast<int>(it - m_rows.begin());
  return TRUE;
}

CItemDesc* CTreeList::ItemOfRow(int nRow) const {
  return nRow >= 0 && nRow < static_cast<int>(m_rows.size()) ? m_rows[static_cast<size_t>(nRow)] : nullptr;
}

int CTreeList::VisibleDescendantRows(const CItemDesc* pItem) const {
  if (!ShowsChildren(pItem)) return 0;
  int nRows = 0;
  for (INT_PTR i = 0; i < pItem->GetSize(); ++i) nRows += 1 + VisibleDescendantRows(pItem->GetChild(i));
  return nRows;
}

void CTreeList::InsertRow(CItemDesc* pItem, int nRow) {
  nRow =
      CListCtrl::InsertItem(LVIF_TEXT | LVIF_PARAM, nRow, pItem->GetText(0), 0, 0, 0, reinterpret_cast<LPARAM>(pItem));
  if (nRow < 0) return;
  m_rows.insert(m_rows.begin() + nRow, pItem);
  for (INT_PTR nColumn = 1; nColumn < pItem->m_strTexts.GetSize(); ++nColumn)
    SetItemText(nRow, static_cast<int>(nColumn), pItem->m_strTexts[nColumn]);
}

int CTreeList::InsertRows(CItemDesc* pItem, int nRow) {
  InsertRow(pItem, nRow++);
  if (pItem->m_bExpanded) {
    for (INT_PTR i = 0; i < pItem->GetSize(); ++i) nRow = InsertRows(pItem->GetChild(i), nRow);
  }
  return nRow;
}

void CTreeList::RemoveRows(int nFirst, int nCount) {
  for (int i = 0; i < nCount; ++i) CListCtrl::DeleteItem(nFirst);
  m_rows.erase(m_rows.begin() + nFirst, m_rows.begin() + nFirst + nCount);
}

HTREEITEM CTreeList::InsertItem(TVINSERTSTRUCT* pInsert) {
  if (pInsert == nullptr || !::IsWindow(m_hWnd)) return nullptr;
  CItemDesc* pParent =
      pInsert->hParent == TVI_ROOT || pInsert->hParent == nullptr ? &m_root : Resolve(pInsert->hParent);
  if (pParent == nullptr) return nullptr;
  const TVITEM& tvi = pInsert->item;
  auto* pItem = new CItemDesc(pParent);
  const bool hasText = tvi.pszText != nullptr && tvi.pszText != LPSTR_TEXTCALLBACK;
  pItem->m_strTexts.Add(hasText ? CString(tvi.pszText) : CString());
  if (tvi.mask & TVIF_IMAGE) pItem->m_nImage = tvi.iImage;
  if (tvi.mask & TVIF_SELECTEDIMAGE) pItem->m_nSelectedImage = tvi.iSelectedImage;
  if (tvi.mask & TVIF_PARAM) pItem->m_dwData = static_cast<DWORD_PTR>(tvi.lParam);

  // The row goes after the parent's row and its visible descendants,
  // counted before the new item joins them.
  int nRow = -1;
  if (pParent == &m_root) {
    nRow = static_cast<int>(m_rows.size());
  } else if (int nParentRow = 0; pParent->m_bExpanded && FindItem(reinterpret_cast<HTREEITEM>(pParent), nParentRow)) {
    nRow = nParentRow + 1 + VisibleDescendantRows(pParent);
  }
  pParent->Add(pItem);
  m_liveItems.insert(pItem);
  if (nRow >= 0) InsertRow(pItem, nRow);
  Invalidate();
  return reinterpret_cast<HTREEITEM>(pItem);
}

BOOL CTreeList::SetItem(HTREEITEM hItem, int nColumn, CString strText) {
  CItemDesc* pItem = Resolve(hItem);
  if (pItem == nullptr || nColumn < 0) return FALSE;
  pItem->m_strTexts.SetAtGrow(nColumn, strText);
  if (int nRow = 0; FindItem(hItem, nRow)) return SetItemText(nRow, nColumn, strText);
  return TRUE;
}

BOOL CTreeList::ExpandItem(CItemDesc* pItem) {
  if (pItem->m_bExpanded) return FALSE;
  pItem->m_bExpanded = TRUE;
  pItem->m_bShownOnce = TRUE;
  // An item without a row only changes its state; its children get rows
  // when its ancestors are expanded.
  if (int nRow = 0; FindItem(reinterpret_cast<HTREEITEM>(pItem), nRow)) {
    ++nRow;
    for (INT_PTR i = 0; i < pItem->GetSize(); ++i) nRow = InsertRows(pItem->GetChild(i), nRow);
  }
  Invalidate();
  return TRUE;
}

void CTreeList::CollapseDescendants(CItemDesc* pItem) {
  for (INT_PTR i = 0; i < pItem->GetSize(); ++i) {
    CItemDesc* pChild = pItem->GetChild(i);
    if (pChild->m_bExpanded) pChild->m_bShownOnce = TRUE;
    pChild->m_bExpanded = FALSE;
    CollapseDescendants(pChild);
  }
}

BOOL CTreeList::CollapseItem(CItemDesc* pItem) {
  if (!pItem->m_bExpanded) return FALSE;
  if (int nRow = 0; FindItem(reinterpret_cast<HTREEITEM>(pItem), nRow))
    RemoveRows(nRow + 1, VisibleDescendantRows(pItem));
  // Every descendant is collapsed too, so that expanding the item again
  // shows only its direct children.
  CollapseDescendants(pItem);
  pItem->m_bExpanded = FALSE;
  pItem->m_bShownOnce = TRUE;
  Invalidate();
  return TRUE;
}

BOOL CTreeList::Expand(HTREEITEM hItem, UINT nCode) {
  CItemDesc* pItem = Resolve(hItem);
  if (pItem == nullptr) return FALSE;
  switch (nCode & TVE_ACTIONMASK) {
    case TVE_COLLAPSE:
      return CollapseItem(pItem);
    case TVE_EXPAND:
      return ExpandItem(pItem);
    case TVE_TOGGLE:
      return pItem->m_bExpanded ? CollapseItem(pItem) : ExpandItem(pItem);
    default:
      return FALSE;
  }
}

void CTreeList::FreeDetached(CItemDesc* pItem) {
  OnDeleteItem(reinterpret_cast<HTREEITEM>(pItem));
  for (INT_PTR i = 0; i < pItem->GetSize(); ++i) FreeDetached(pItem->GetChild(i));
  pItem->RemoveAll();
  m_liveItems.erase(pItem);
  delete pItem;
}

BOOL CTreeList::DeleteItem(HTREEITEM hItem) {
  // Validate before anything is touched: a stale or foreign handle is not
  // one of the live items and changes nothing.
  CItemDesc* pItem = Resolve(hItem);
  if (pItem == nullptr) return FALSE;
  CItemDesc* pParent = pItem->m_pParent;
  INT_PTR nIndex = pParent->GetUpperBound();
  while (nIndex >= 0 && pParent->GetChild(nIndex) != pItem) --nIndex;
  if (nIndex < 0) return FALSE;
  // The rows go while the item and its descendants still exist; then the
  // item leaves the tree and is freed.
  if (int nRow = 0; FindItem(hItem, nRow)) RemoveRows(nRow, 1 + VisibleDescendantRows(pItem));
  pParent->RemoveAt(nIndex);
  FreeDetached(pItem);
  Invalidate();
  return TRUE;
}

void CTreeList::DeleteChildItemsOf(HTREEITEM hItem) {
  CItemDesc* pParent = hItem == TVI_ROOT || hItem == nullptr ? &m_root : Resolve(hItem);
  if (pParent == nullptr) return;
  while (pParent->GetSize() > 0) DeleteItem(reinterpret_cast<HTREEITEM>(pParent->GetChild(pParent->GetUpperBound())));
}

void CTreeList::RemoveAllItems() { DeleteChildItemsOf(TVI_ROOT); }

void CTreeList::OnDestroy() {
  // The rows go with the window; the items go with them, so that a window
  // made again over this object starts empty.
  RemoveAllItems();
  CListCtrl::OnDestroy();
}

void CTreeList::PreSubclassWindow() {
  CListCtrl::PreSubclassWindow();
  SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

int CTreeList::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CListCtrl::OnCreate(lpCreateStruct) == -1) return -1;
  SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  return 0;
}

// ---- CTreeList: queries and selection -----------------------------------------

int CTreeList::GetSelItems(int nMax, HTREEITEM* pItems) const {
  int nCount = 0;
  for (int nRow = GetNextItem(-1, LVNI_SELECTED); nRow >= 0 && nCount < nMax; nRow = GetNextItem(nRow, LVNI_SELECTED)) {
    if (CItemDesc* pItem = ItemOfRow(nRow)) pItems[nCount++] = reinterpret_cast<HTREEITEM>(pItem);
  }
  return nCount;
}

HTREEITEM CTreeList::GetSelectedItem() const {
  HTREEITEM hItem = nullptr;
  return GetSelItems(1, &hItem) == 1 ? hItem : nullptr;
}

DWORD_PTR CTreeList::GetItemData(HTREEITEM hItem) const {
  const CItemDesc* pItem = Resolve(hItem);
  return pItem != nullptr ? pItem->m_dwData : 0;
}

HTREEITEM CTreeList::GetParentItem(HTREEITEM hItem) const {
  const CItemDesc* pItem = Resolve(hItem);
  if (pItem == nullptr || pItem->m_pParent == &m_root) return nullptr;
  return reinterpret_cast<HTREEITEM>(pItem->m_pParent);
}

BOOL CTreeList::IsRootItem(HTREEITEM hItem) const {
  const CItemDesc* pItem = Resolve(hItem);
  return pItem != nullptr && pItem->m_pParent == &m_root;
}

CRect CTreeList::RowRect(int nRow) const {
  CRect rect(0, 0, 0, 0);
  GetItemRect(nRow, &rect, LVIR_BOUNDS);
  return rect;
}

HTREEITEM CTreeList::GetItemAt(CPoint point) const {
  LVHITTESTINFO hit{};
  hit.pt = point;
  const int nRow = const_cast<CTreeList*>(this)->SubItemHitTest(&hit);
  return reinterpret_cast<HTREEITEM>(ItemOfRow(nRow));
}

BOOL CTreeList::GetItemVisibleRect(HTREEITEM hItem, RECT* pRect) const {
  int nRow = 0;
  if (pRect == nullptr || !FindItem(hItem, nRow)) return FALSE;
  const int nTop = GetTopIndex();
  if (nRow < nTop || nRow >= nTop + GetCountPerPage()) return FALSE;
  *pRect = RowRect(nRow);
  return TRUE;
}

void CTreeList::ScrollTo(HTREEITEM hItem) {
  CItemDesc* pItem = Resolve(hItem);
  if (pItem == nullptr) return;
  std::vector<CItemDesc*> ancestors;
  for (CItemDesc* pAncestor = pItem->m_pParent; pAncestor != &m_root; pAncestor = pAncestor->m_pParent)
    ancestors.push_back(pAncestor);
  std::for_each(ancestors.rbegin(), ancestors.rend(), [this](CItemDesc* pAncestor) { ExpandItem(pAncestor); });
  for (int nRow = GetNextItem(-1, LVNI_SELECTED); nRow >= 0; nRow = GetNextItem(nRow, LVNI_SELECTED))
    SetItemState(nRow, 0, LVIS_SELECTED);
  if (int nRow = 0; FindItem(hItem, nRow)) {
    EnsureVisible(nRow, FALSE);
    SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
}

// ---- CTreeList: the user's expanding and collapsing ---------------------------

BOOL CTreeList::IsOnButton(int nRow, CPoint point) const {
  const CItemDesc* pItem = ItemOfRow(nRow);
  if (pItem == nullptr) return FALSE;
  const CRect row = RowRect(nRow);
  const int nMiddle = (row.top + row.bottom) / 2;
  const int nLeft = row.left + kIndent * pItem->m_nDepth - kButtonOffset;
  const int nTop = nMiddle - 4;
  return point.x >= nLeft && point.x < nLeft + kButtonSize && point.y >= nTop && point.y < nTop + kButtonSize;
}

void CTreeList::ToggleByUser(CItemDesc* pItem) {
  if (pItem->GetSize() == 0) return;
  Expand(reinterpret_cast<HTREEITEM>(pItem), TVE_TOGGLE);
  OnItemExpanded(reinterpret_cast<HTREEITEM>(pItem));
}

void CTreeList::OnClick(NMHDR* pNMHDR, LRESULT* pResult) {
  // The row that was clicked, wherever the selection is.
  const auto* pActivate = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR);
  LVHITTESTINFO hit{};
  hit.pt = pActivate->ptAction;
  const int nRow = SubItemHitTest(&hit);
  if (CItemDesc* pItem = ItemOfRow(nRow); pItem != nullptr && IsOnButton(nRow, pActivate->ptAction))
    ToggleByUser(pItem);
  *pResult = 0;
}

void CTreeList::OnKeyDownNotify(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  CItemDesc* pItem = ItemOfRow(GetNextItem(-1, LVNI_FOCUSED));
  if (pItem == nullptr || pItem->GetSize() == 0) return;
  switch (reinterpret_cast<NMLVKEYDOWN*>(pNMHDR)->wVKey) {
    case VK_ADD:
    case VK_RIGHT:
      if (!pItem->m_bExpanded) ToggleByUser(pItem);
      break;
    case VK_SUBTRACT:
    case VK_LEFT:
      if (pItem->m_bExpanded) ToggleByUser(pItem);
      break;
    default:
      break;
  }
}

COLORREF CTreeList::GetItemTextNormalColor(HTREEITEM) { return ::GetSysColor(COLOR_WINDOWTEXT); }

COLORREF CTreeList::GetItemTextSelectedColor(HTREEITEM) { return ::GetSysColor(COLOR_HIGHLIGHTTEXT); }

void CTreeList::OnItemExpanded(HTREEITEM) {}

void CTreeList::OnDeleteItem(HTREEITEM) {}
