// Selection of the tree control: the caret (focus item), the selected
// set, Ctrl and Shift selection, and the marks of MarkMatch.
#include "sec/sectreectrl.h"
#include "sec/tree/tree_model.h"

using sec::tree::Item;
using sec::tree::Mark;
using sec::tree::Model;

BOOL SECTreeCtrl::SelectItem(HTREEITEM hItem) {
  Item* item = ItemOf(hItem);
  if (hItem && !item) return FALSE;
  if (!item) {
    ClearSelectionState();
    SetCaret(nullptr, TVC_UNKNOWN);
    return TRUE;
  }
  SelectByUser(item, SelectHow::Single, TVC_UNKNOWN);
  EnsureVisible(hItem);
  return TRUE;
}

HTREEITEM SECTreeCtrl::GetSelectedItem() const {
  return m_pCaret && (m_pCaret->state & TVIS_SELECTED) ? Model::Handle(m_pCaret) : nullptr;
}

HTREEITEM SECTreeCtrl::GetFocusItem() const { return m_pCaret ? Model::Handle(m_pCaret) : nullptr; }

BOOL SECTreeCtrl::SetFocusItem(HTREEITEM hItem) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  SetCaret(item, TVC_UNKNOWN);
  return TRUE;
}

BOOL SECTreeCtrl::SelectItemEx(HTREEITEM hItem, BOOL bSelect) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  if (bSelect && !(m_dwTreeStyles & TVXS_MULTISEL)) {
    SelectByUser(item, SelectHow::Single, TVC_UNKNOWN);
    return TRUE;
  }
  if (bSelect)
    item->state |= TVIS_SELECTED;
  else
    item->state &= ~TVIS_SELECTED;
  Changed();
  return TRUE;
}

void SECTreeCtrl::ClearSelection() {
  ClearSelectionState();
  Changed();
}

void SECTreeCtrl::ClearSelectionState() {
  m_pModel->ForEach([](Item& item) { item.state &= ~TVIS_SELECTED; });
}

UINT SECTreeCtrl::GetSelectedCount() const {
  UINT count = 0;
  m_pModel->ForEach([&](Item& item) { count += (item.state & TVIS_SELECTED) ? 1 : 0; });
  return count;
}

std::vector<HTREEITEM> SECTreeCtrl::GetSelectedItems() const {
  std::vector<HTREEITEM> items;
  m_pModel->ForEach([&](Item& item) {
    if (item.state & TVIS_SELECTED) items.push_back(Model::Handle(&item));
  });
  return items;
}

HTREEITEM SECTreeCtrl::GetFirstSelectedItem() const {
  auto items = GetSelectedItems();
  return items.empty() ? nullptr : items.front();
}

HTREEITEM SECTreeCtrl::GetNextSelectedItem(HTREEITEM hItem) const {
  auto items = GetSelectedItems();
  auto it = std::find(items.begin(), items.end(), hItem);
  return it == items.end() || ++it == items.end() ? nullptr : *it;
}

void SECTreeCtrl::SetCaret(Item* pItem, UINT nAction) {
  if (pItem == m_pCaret) return;
  const HTREEITEM oldHandle = Model::Handle(m_pCaret);
  const HTREEITEM newHandle = Model::Handle(pItem);
  if (NotifyTree(TVN_SELCHANGING, nAction, m_pCaret, pItem)) return;
  // The owner may have deleted either item while it was asked.
  if (pItem && !ItemOf(newHandle)) return;
  m_pCaret = pItem;
  Changed();
  NotifyTree(TVN_SELCHANGED, nAction, ItemOf(oldHandle), pItem);
}

void SECTreeCtrl::SelectRange(const Item* pFrom, const Item* pTo) {
  int a = RowOf(pFrom);
  int b = RowOf(pTo);
  if (a < 0 || b < 0) return;
  if (a > b) std::swap(a, b);
  auto rows = m_pModel->Rows();
  for (int i = a; i <= b; ++i) rows[static_cast<size_t>(i)]->state |= TVIS_SELECTED;
}

void SECTreeCtrl::SelectByUser(Item* pItem, SelectHow how, UINT nAction) {
  const bool multi = (m_dwTreeStyles & TVXS_MULTISEL) != 0;
  if (!multi) how = SelectHow::Single;
  const std::vector<HTREEITEM> before = GetSelectedItems();
  switch (how) {
    case SelectHow::Single:
      ClearSelectionState();
      pItem->state |= TVIS_SELECTED;
      m_pAnchor = pItem;
      break;
    case SelectHow::Toggle:
      pItem->state ^= TVIS_SELECTED;
      m_pAnchor = pItem;
      break;
    case SelectHow::Range:
      ClearSelectionState();
      SelectRange(m_pAnchor ? m_pAnchor : pItem, pItem);
      if (!m_pAnchor) m_pAnchor = pItem;
      break;
    case SelectHow::CaretOnly:
      break;
  }
  Item* old = m_pCaret;
  const HTREEITEM handle = Model::Handle(pItem);
  SetCaret(pItem, nAction);
  // A multi-selection change without a caret move still tells the owner
  // (unless the owner deleted the item meanwhile).
  if (old == pItem && ItemOf(handle) && GetSelectedItems() != before) NotifyTree(TVN_SELCHANGED, nAction, old, pItem);
  Changed();
}

BOOL SECTreeCtrl::MarkItem(HTREEITEM hItem, BOOL bMatch) {
  Item* item = ItemOf(hItem);
  if (!item) return FALSE;
  item->mark = bMatch ? Mark::Match : Mark::NoMatch;
  Changed();
  return TRUE;
}

BOOL SECTreeCtrl::IsItemMarked(HTREEITEM hItem) const {
  const Item* item = ItemOf(hItem);
  return item && item->mark != Mark::None;
}

BOOL SECTreeCtrl::IsItemMatch(HTREEITEM hItem) const {
  const Item* item = ItemOf(hItem);
  return item && item->mark == Mark::Match;
}

void SECTreeCtrl::ClearMarks(HTREEITEM hParent) {
  Item* parent = ItemOf(hParent);
  if (hParent && hParent != TVI_ROOT && !parent) return;
  std::function<void(Item&)> clear = [&](Item& item) {
    item.mark = Mark::None;
    for (auto& child : item.children) clear(*child);
  };
  for (auto& item : m_pModel->Siblings(parent)) clear(*item);
  Changed();
}

HTREEITEM SECTreeCtrl::MarkMatch(HTREEITEM hParent, LPCTSTR lpszPattern, int nCol) {
  Item* parent = ItemOf(hParent);
  if (hParent && hParent != TVI_ROOT && !parent) return nullptr;
  const char* pattern = lpszPattern ? lpszPattern : "*";
  Item* last = nullptr;
  for (auto& child : m_pModel->Siblings(parent)) {
    bool match = sec::tree::WildcardMatch(pattern, child->Text(nCol));
    child->mark = match ? Mark::Match : Mark::NoMatch;
    if (match) last = child.get();
  }
  Changed();
  if (!last) return nullptr;
  EnsureVisible(Model::Handle(last));
  return Model::Handle(last);
}
