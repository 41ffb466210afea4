// Mouse and keyboard of the tree control, as a tree view answers them:
// the button toggles, a click selects (Ctrl toggles, Shift extends), a
// double click toggles, the arrows move and open or close branches.
#include "sec/sectreectrl.h"
#include "sec/tree/tree_model.h"

using sec::tree::Item;
using sec::tree::Model;

namespace {
bool KeyDown(int vk) { return (::GetKeyState(vk) & 0x8000) != 0; }
// Characters typed within this time extend the type-ahead prefix.
constexpr DWORD kTypeAheadMs = 1000;
}  // namespace

void SECTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  if (CWnd::GetFocus() != this) SetFocus();
  UINT flags = 0;
  Item* item = ItemOf(HitTest(point, &flags));
  if (item && flags == TVHT_ONITEMBUTTON) {
    ExpandItem(item, TVE_TOGGLE, true);
  } else if (item) {
    SelectHow how = SelectHow::Single;
    if (nFlags & MK_SHIFT)
      how = SelectHow::Range;
    else if (nFlags & MK_CONTROL)
      how = SelectHow::Toggle;
    SelectByUser(item, how, TVC_BYMOUSE);
  }
  NotifySimple(NM_CLICK);
}

void SECTreeCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  UINT flags = 0;
  Item* item = ItemOf(HitTest(point, &flags));
  // Quick clicks on the button are clicks, each one toggling.
  if (item && flags == TVHT_ONITEMBUTTON) {
    OnLButtonDown(nFlags, point);
    return;
  }
  HTREEITEM handle = Model::Handle(item);
  // A parent that handles the double click keeps the branch as it is.
  if (NotifySimple(NM_DBLCLK) || !item || !ItemOf(handle)) return;
  ExpandItem(item, TVE_TOGGLE, true);
}

void SECTreeCtrl::OnRButtonDown(UINT, CPoint point) {
  if (CWnd::GetFocus() != this) SetFocus();
  UINT flags = 0;
  HTREEITEM hit = HitTest(point, &flags);
  // The right button leaves a multiple selection alone when it lands in it.
  Item* item = ItemOf(hit);
  if (item && !(item->state & TVIS_SELECTED)) SelectByUser(item, SelectHow::Single, TVC_BYMOUSE);
  if (NotifySimple(NM_RCLICK)) return;
  CPoint screen = point;
  ClientToScreen(&screen);
  SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(screen.x, screen.y));
}

Item* SECTreeCtrl::KeyTarget(UINT nChar) const {
  auto rows = m_pModel->Rows();
  if (rows.empty()) return nullptr;
  const int last = static_cast<int>(rows.size()) - 1;
  const int row = RowOf(m_pCaret);
  const int page = std::max(1, RowsPerPage() - 1);
  int target = row;
  switch (nChar) {
    case VK_UP:
      target = row < 0 ? 0 : row - 1;
      break;
    case VK_DOWN:
      target = row + 1;
      break;
    case VK_PRIOR:
      target = row - page;
      break;
    case VK_NEXT:
      target = row < 0 ? page : row + page;
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = last;
      break;
    default:
      return nullptr;
  }
  return rows[static_cast<size_t>(std::clamp(target, 0, last))];
}

void SECTreeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  NMTVKEYDOWN nm{};
  nm.hdr.code = TVN_KEYDOWN;
  nm.wVKey = static_cast<WORD>(nChar);
  NotifyParent(nm.hdr);
  if (!m_hWnd) return;
  const bool shift = KeyDown(VK_SHIFT);
  const bool control = KeyDown(VK_CONTROL);
  Item* caret = m_pCaret;
  if (Item* target = KeyTarget(nChar)) {
    SelectHow how = shift ? SelectHow::Range : control ? SelectHow::CaretOnly : SelectHow::Single;
    SelectByUser(target, how, TVC_BYKEYBOARD);
    EnsureVisible(Model::Handle(target));
    return;
  }
  switch (nChar) {
    case VK_LEFT:
      if (caret && caret->IsExpanded())
        ExpandItem(caret, TVE_COLLAPSE, true);
      else if (caret && caret->parent)
        SelectByUser(caret->parent, SelectHow::Single, TVC_BYKEYBOARD);
      break;
    case VK_RIGHT:
      if (caret && caret->IsExpanded() && !caret->children.empty())
        SelectByUser(caret->children.front().get(), SelectHow::Single, TVC_BYKEYBOARD);
      else if (caret)
        ExpandItem(caret, TVE_EXPAND, true);
      break;
    case VK_ADD:
      if (caret) ExpandItem(caret, TVE_EXPAND, true);
      break;
    case VK_SUBTRACT:
      if (caret) ExpandItem(caret, TVE_COLLAPSE, true);
      break;
    case VK_SPACE:
      if (caret) SelectByUser(caret, control ? SelectHow::Toggle : SelectHow::Single, TVC_BYKEYBOARD);
      break;
    case VK_RETURN:
      NotifySimple(NM_RETURN);
      break;
    default:
      CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
      break;
  }
  if (m_pCaret) EnsureVisible(Model::Handle(m_pCaret));
}

Item* SECTreeCtrl::FindByPrefix(const CString& prefix, bool bIncludeCaret) const {
  auto rows = m_pModel->Rows();
  const int count = static_cast<int>(rows.size());
  const int start = std::max(0, RowOf(m_pCaret));
  for (int i = (bIncludeCaret || !m_pCaret) ? 0 : 1; i <= count; ++i) {
    Item* item = rows[static_cast<size_t>((start + i) % std::max(1, count))];
    if (item->Text(0).Left(prefix.GetLength()).CompareNoCase(prefix) == 0) return item;
  }
  return nullptr;
}

void SECTreeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar < ' ' || m_pModel->Count() == 0) {
    CWnd::OnChar(nChar, nRepCnt, nFlags);
    return;
  }
  const DWORD now = ::GetTickCount();
  const bool extend = !m_strTyped.IsEmpty() && now - m_dwLastChar < kTypeAheadMs;
  m_dwLastChar = now;
  m_strTyped = extend ? m_strTyped + static_cast<char>(nChar) : CString(static_cast<char>(nChar), 1);
  // A longer prefix may still fit the current item; a new one moves on.
  if (Item* found = FindByPrefix(m_strTyped, extend)) {
    SelectByUser(found, SelectHow::Single, TVC_BYKEYBOARD);
    EnsureVisible(Model::Handle(found));
  }
}

UINT SECTreeCtrl::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

void SECTreeCtrl::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  m_bFocused = true;
  Changed();
  NotifySimple(NM_SETFOCUS);
}

void SECTreeCtrl::OnKillFocus(CWnd* pNewWnd) {
  CWnd::OnKillFocus(pNewWnd);
  m_bFocused = false;
  Changed();
  NotifySimple(NM_KILLFOCUS);
}
