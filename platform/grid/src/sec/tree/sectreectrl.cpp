// The tree control's items: insertion, item data and state, traversal,
// expansion, deletion and the notifications to the parent.
#include "sec/sectreectrl.h"

#include "sec/tree/tree_model.h"

using sec::tree::Item;
using sec::tree::Model;

IMPLEMENT_DYNAMIC(SECTreeCtrl, CWnd)

BEGIN_MESSAGE_MAP(SECTreeCtrl, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_WM_CHAR()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_GETDLGCODE()
  ON_MESSAGE(WM_SETFONT, OnSetFont)
  ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

SECTreeCtrl::SECTreeCtrl() : m_pModel(std::make_unique<Model>()) {}

SECTreeCtrl::~SECTreeCtrl() {
  if (m_hWnd) DestroyWindow();
}

BOOL SECTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
  return CWnd::Create(cls, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int SECTreeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  m_hWndHeader = ::CreateWindowEx(0, WC_HEADER, "", WS_CHILD | HDS_BUTTONS | HDS_FULLDRAG, 0, 0, 0, 0, m_hWnd, nullptr,
                                  AfxGetInstanceHandle(), nullptr);
  if (!m_hWndHeader) return -1;
  RecalcRowHeight();
  LayoutHeader();
  return 0;
}

void SECTreeCtrl::OnDestroy() {
  // The owner hears of every item going, as with the tree view.
  DeleteAllItems();
  m_hWndHeader = nullptr;
  CWnd::OnDestroy();
}

void SECTreeCtrl::ModifyTreeCtrlStyles(DWORD dwRemove, DWORD dwAdd) {
  m_dwTreeStyles = (m_dwTreeStyles & ~dwRemove) | dwAdd;
  if (!(m_dwTreeStyles & TVXS_MULTISEL) && GetSelectedCount() > 1) {
    Item* caret = m_pCaret;
    ClearSelectionState();
    if (caret) caret->state |= TVIS_SELECTED;
  }
  LayoutHeader();
  Changed();
}

Item* SECTreeCtrl::ItemOf(HTREEITEM hItem) const { return m_pModel->Find(hItem); }

HTREEITEM SECTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
  if (!lpInsertStruct || m_nDeleting) return nullptr;
  Item* parent = nullptr;
  if (lpInsertStruct->hParent && lpInsertStruct->hParent != TVI_ROOT) {
    parent = ItemOf(lpInsertStruct->hParent);
    if (!parent) return nullptr;
  }
  const TVITEM& tvi = lpInsertStruct->item;
  auto item = std::make_unique<Item>();
  item->texts.resize(std::max<size_t>(1, m_columns.size()));
  if ((tvi.mask & TVIF_TEXT) && tvi.pszText && tvi.pszText != LPSTR_TEXTCALLBACK) item->texts[0] = tvi.pszText;
  if (tvi.mask & TVIF_IMAGE) item->image = tvi.iImage;
  if (tvi.mask & TVIF_SELECTEDIMAGE) item->selectedImage = tvi.iSelectedImage;
  if (tvi.mask & TVIF_PARAM) item->data = tvi.lParam;
  if (tvi.mask & TVIF_CHILDREN) item->childrenFlag = tvi.cChildren != 0;
  // Selection and expansion are the control's to manage.
  if (tvi.mask & TVIF_STATE) item->state = tvi.state & tvi.stateMask & ~(TVIS_SELECTED | TVIS_EXPANDED);
  Item* raw = m_pModel->Insert(parent, lpInsertStruct->hInsertAfter, std::move(item));
  Changed();
  return Model::Handle(raw);
}

HTREEITEM SECTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                  UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  TVINSERTSTRUCT tvis{};
  tvis.hParent = hParent;
  tvis.hInsertAfter = hInsertAfter;
  tvis.item.mask = nMask;
  tvis.item.pszText = const_cast<LPSTR>(lpszItem);
  tvis.item.iImage = nImage;
  tvis.item.iSelectedImage = nSelectedImage;
  tvis.item.state = nState;
  tvis.item.stateMask = nStateMask;
  tvis.item.lParam = lParam;
  return InsertItem(&tvis);
}

HTREEITEM SECTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM SECTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                  HTREEITEM hInsertAfter) {
  return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0, hParent,
                    hInsertAfter);
}

BOOL SECTreeCtrl::DeleteItem(HTREEITEM hItem) {
  if (hItem == TVI_ROOT || hItem == nullptr) return DeleteAllItems();
  Item* item = ItemOf(hItem);
  if (!item || m_nDeleting) return FALSE;
  DeleteSubtree(item);
  Changed();
  return TRUE;
}

BOOL SECTreeCtrl::DeleteAllItems() {
  if (m_nDeleting) return FALSE;
  while (Item* first = m_pModel->First(nullptr)) DeleteSubtree(first);
  m_nTopRow = 0;
  Changed();
  return TRUE;
}

void SECTreeCtrl::DeleteSubtree(Item* pItem) {
  ++m_nDeleting;
  m_pModel->Erase(pItem, [this](Item& gone) {
    if (m_pCaret == &gone) m_pCaret = nullptr;
    if (m_pAnchor == &gone) m_pAnchor = nullptr;
    NotifyTree(TVN_DELETEITEM, 0, &gone, nullptr);
  });
  --m_nDeleting;
}

UINT SECTreeCtrl::GetCount() const { return static_cast<UINT>(m_pModel->Count()); }

BOOL SECTreeCtrl::GetItem(TVITEM* pItem) const {
  const Item* item = pItem ? ItemOf(pItem->hItem) : nullptr;
  if (!item) return FALSE;
  if ((pItem->mask & TVIF_TEXT) && pItem->pszText && pItem->cchTextMax > 0)
    lstrcpyn(pItem->pszText, item->Text(0), pItem->cchTextMax);
  if (pItem->mask & TVIF_IMAGE) pItem->iImage = item->image;
  if (pItem->mask & TVIF_SELECTEDIMAGE) pItem->iSelectedImage = item->selectedImage;
  if (pItem->mask & TVIF_PARAM) pItem->lParam = item->data;
  if (pItem->mask & TVIF_STATE) pItem->state = item->state & pItem->stateMask;
  if (pItem->mask & TVIF_CHILDREN) pItem->cChildren = item->HasButton() ? 1 : 0;
  return TRUE;
}

BOOL SECTreeCtrl::SetItem(TVITEM* pItem) {
  Item* item = pItem ? ItemOf(pItem->hItem) : nullptr;
  if (!item) return FALSE;
  if ((pItem->mask & TVIF_TEXT) && pItem->pszText) item->SetText(0, pItem->pszText);
  if (pItem->mask & TVIF_IMAGE) item->image = pItem->iImage;
  if (pItem->mask & TVIF_SELECTEDIMAGE) item->selectedImage = pItem->iSelectedImage;
  if (pItem->mask & TVIF_PARAM) item->data = pItem->lParam;
  if (pItem->mask & TVIF_CHILDREN) item->childrenFlag = pItem->cChildren != 0;
  Changed();
  if (pItem->mask & TVIF_STATE) return SetItemState(pItem->hItem, pItem->state, pItem->stateMask);
  return TRUE;
}

CString SECTreeCtrl::GetItemText(HTREEITEM hItem, int nCol) const {
  const Item* item = ItemOf(hItem);
  return item ? item->Text(nCol) : CString();
}

BOOL SECTreeCtrl::SetItemString(HTREEITEM hItem, int nCol, LPCTSTR lpszText) {
  Item* item = ItemOf(hItem);
  if (!item || nCol < 0) return FALSE;
  item->SetText(nCol, lpszText ? lpszText : "");
  Changed();
  return TRUE;
}

DWORD_PTR SECTreeCtrl::GetItemData(HTREEITEM hItem) const {
  const Item* item = ItemOf(hItem);
  return item ? static_cast<DWORD_PTR>(item->data) : 0;
}

BOOL SECTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  item->data = static_cast<LPARAM>(dwData);
  return TRUE;
}

UINT SECTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
  const Item* item = ItemOf(hItem);
  return item ? item->state & nStateMask : 0;
}

BOOL SECTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  // Expansion and selection keep their rules (notifications, single
  // selection) by going through their own calls.
  if (nStateMask & TVIS_EXPANDED) ExpandItem(item, (nState & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE, false);
  if (nStateMask & TVIS_SELECTED) SelectItemEx(hItem, (nState & TVIS_SELECTED) != 0);
  UINT plain = nStateMask & ~(TVIS_EXPANDED | TVIS_SELECTED);
  item->state = (item->state & ~plain) | (nState & plain);
  Changed();
  return TRUE;
}

BOOL SECTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
  const Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  nImage = item->image;
  nSelectedImage = item->selectedImage;
  return TRUE;
}

BOOL SECTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  item->image = nImage;
  item->selectedImage = nSelectedImage;
  Changed();
  return TRUE;
}

BOOL SECTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
  const Item* item = ItemOf(hItem);
  return item && item->HasButton();
}

BOOL SECTreeCtrl::SetItemHasChildren(HTREEITEM hItem, BOOL bHasChildren) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  item->childrenFlag = bHasChildren != FALSE;
  Changed();
  return TRUE;
}

CImageList* SECTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  // Items carry normal images only.
  if (nImageListType != TVSIL_NORMAL) return nullptr;
  HIMAGELIST old = m_hImageList;
  m_hImageList = pImageList ? pImageList->GetSafeHandle() : nullptr;
  RecalcRowHeight();
  Changed();
  return old ? CImageList::FromHandle(old) : nullptr;
}

CImageList* SECTreeCtrl::GetImageList(int nImageListType) const {
  if (nImageListType != TVSIL_NORMAL || !m_hImageList) return nullptr;
  return CImageList::FromHandle(m_hImageList);
}

HTREEITEM SECTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
  const Item* item = ItemOf(hItem);
  const Item* found = nullptr;
  switch (nCode) {
    case TVGN_ROOT:
      found = m_pModel->First(nullptr);
      break;
    case TVGN_CARET:
      found = m_pCaret;
      break;
    case TVGN_FIRSTVISIBLE: {
      auto rows = m_pModel->Rows();
      found = m_nTopRow < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(m_nTopRow)] : nullptr;
      break;
    }
    case TVGN_CHILD:
      // NULL or TVI_ROOT: the first top-level item.
      if (item || !hItem || hItem == TVI_ROOT) found = m_pModel->First(item);
      break;
    case TVGN_NEXT:
      if (item) found = m_pModel->Next(item);
      break;
    case TVGN_PREVIOUS:
      if (item) found = m_pModel->Previous(item);
      break;
    case TVGN_PARENT:
      if (item) found = item->parent;
      break;
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
      int row = RowOf(item);
      if (row < 0) break;
      auto rows = m_pModel->Rows();
      int next = row + (nCode == TVGN_NEXTVISIBLE ? 1 : -1);
      if (next >= 0 && next < static_cast<int>(rows.size())) found = rows[static_cast<size_t>(next)];
      break;
    }
    case TVGN_LASTVISIBLE: {
      auto rows = m_pModel->Rows();
      if (!rows.empty()) found = rows.back();
      break;
    }
    default:
      break;
  }
  return found ? Model::Handle(found) : nullptr;
}

BOOL SECTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  return ExpandItem(item, nCode, !(item->state & TVIS_EXPANDEDONCE));
}

BOOL SECTreeCtrl::ExpandItem(Item* pItem, UINT nCode, bool bNotify) {
  UINT action = nCode & TVE_ACTIONMASK;
  if (action == TVE_TOGGLE) action = pItem->IsExpanded() ? TVE_COLLAPSE : TVE_EXPAND;
  if (action != TVE_EXPAND && action != TVE_COLLAPSE) return FALSE;
  if ((action == TVE_EXPAND) == pItem->IsExpanded()) return FALSE;
  if (action == TVE_EXPAND && !pItem->HasButton()) return FALSE;
  HTREEITEM handle = Model::Handle(pItem);
  // The owner may fill the children now, or refuse (non-zero).
  if (bNotify && NotifyTree(TVN_ITEMEXPANDING, action, nullptr, pItem)) return FALSE;
  if (!ItemOf(handle)) return FALSE;  // the owner deleted it
  if (action == TVE_EXPAND && pItem->children.empty()) {
    // Nothing behind the button after all: it goes.
    pItem->childrenFlag = false;
    pItem->state |= TVIS_EXPANDEDONCE;
    Changed();
    return FALSE;
  }
  if (action == TVE_EXPAND) {
    pItem->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  } else {
    pItem->state &= ~TVIS_EXPANDED;
    // The caret never hides inside a collapsed branch.
    for (Item* p = m_pCaret ? m_pCaret->parent : nullptr; p; p = p->parent) {
      if (p == pItem) {
        SelectByUser(pItem, SelectHow::Single, TVC_UNKNOWN);
        break;
      }
    }
    if (!ItemOf(handle)) return TRUE;  // the owner deleted it on the way
  }
  Changed();
  if (bNotify) NotifyTree(TVN_ITEMEXPANDED, action, nullptr, pItem);
  return TRUE;
}

BOOL SECTreeCtrl::EnsureVisible(HTREEITEM hItem) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  // By handle: the owner may delete items while a branch opens.
  std::vector<HTREEITEM> ancestors;
  for (Item* p = item->parent; p; p = p->parent) ancestors.insert(ancestors.begin(), Model::Handle(p));
  for (HTREEITEM handle : ancestors) {
    Item* p = ItemOf(handle);
    if (p && !p->IsExpanded()) ExpandItem(p, TVE_EXPAND, !(p->state & TVIS_EXPANDEDONCE));
  }
  item = ItemOf(hItem);
  if (!item) return FALSE;
  int row = RowOf(item);
  if (row < 0) return FALSE;
  int page = std::max(1, RowsPerPage());
  if (row < m_nTopRow)
    ScrollToRow(row);
  else if (row >= m_nTopRow + page)
    ScrollToRow(row - page + 1);
  return TRUE;
}

LRESULT SECTreeCtrl::NotifyParent(NMHDR& hdr) const {
  CWnd* parent = GetParent();
  if (!parent || !m_hWnd) return 0;
  hdr.hwndFrom = m_hWnd;
  hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  return parent->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

LRESULT SECTreeCtrl::NotifySimple(UINT nCode) const {
  NMHDR hdr{};
  hdr.code = nCode;
  return NotifyParent(hdr);
}

LRESULT SECTreeCtrl::NotifyTree(UINT nCode, UINT nAction, const Item* pOld, const Item* pNew) const {
  NMTREEVIEW nm{};
  nm.hdr.code = nCode;
  nm.action = nAction;
  auto fill = [](TVITEM& tvi, const Item* item) {
    if (!item) return;
    tvi.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
    tvi.hItem = Model::Handle(item);
    tvi.lParam = item->data;
    tvi.state = item->state;
    tvi.stateMask = 0xFFFF;
  };
  fill(nm.itemOld, pOld);
  fill(nm.itemNew, pNew);
  ::GetCursorPos(&nm.ptDrag);
  return NotifyParent(nm.hdr);
}
