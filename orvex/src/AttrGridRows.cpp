// The attribute grid's row operations: inserting, deleting, moving up and
// down among siblings, moving to the parent level and dragging rows. Each
// ends by filling the rows again.
#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "AttrGridCtrl.h"
#include "AttrGridStyles.h"
#include "DefModified.h"

using namespace attrgrid;

namespace {

constexpr int kMovingMark = HvStateMarked;

INT_PTR IndexOf(const CBODefAttrArray& attrs, const CBODefAttr* pAttr) {
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
    if (attrs[i] == pAttr) return i;
  }
  return -1;
}

CBODefAttr* AttrAtPosition(const CQRBusObjDef& def, int position) {
  const CBODefAttrArray& attrs = def.GetAttrs();
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
    if (attrs[i]->GetPosition() == position) return attrs[i];
  }
  return nullptr;
}

// Positions at or after `from` move by `step`.
void ShiftPositions(CQRBusObjDef& def, int from, int step) {
  CBODefAttrArray& attrs = def.GetAttrs();
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
    if (attrs[i]->GetPosition() >= from) attrs[i]->SetPosition(attrs[i]->GetPosition() + step);
  }
}

void Renumber(CQRBusObjDef& def) {
  CBODefAttrArray& attrs = def.GetAttrs();
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) attrs[i]->SetPosition(static_cast<int>(i) + 1);
}

BOOL IsObjectEventId(const CBODefAttr& attr) { return attr.GetName() == CBODefAttr::ATTR_OBJECT_EVENT_ID; }

// The path without its last component ("2.3" gives "2"; "3" gives "").
CString WithoutLast(const CString& path) {
  const int dot = path.ReverseFind('.');
  return dot >= 0 ? path.Left(dot) : CString();
}

CString Prefix(const CString& path) {
  const int dot = path.ReverseFind('.');
  return dot >= 0 ? path.Left(dot + 1) : CString();
}

// Whether `target` is the attribute's contained definition or one shown
// inside it.
BOOL IsInExpansion(const CBODefAttr& attr, const CQRBusObjDef* target) {
  std::set<const CQRBusObjDef*> seen;
  std::function<BOOL(const CQRBusObjDef*)> holds = [&](const CQRBusObjDef* pDef) -> BOOL {
    if (pDef == nullptr || !seen.insert(pDef).second) return FALSE;
    if (pDef == target) return TRUE;
    const CBODefAttrArray& attrs = pDef->GetAttrs();
    for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
      if (attrs[i]->IsExpanded() && holds(attrs[i]->GetContainedDef())) return TRUE;
    }
    return FALSE;
  };
  return attr.IsExpanded() && holds(attr.GetContainedDef());
}

}  // namespace

void CAttrGridCtrl::ShowInfo(const char* text) { MessageBox(text, "Information", MB_OK | MB_ICONINFORMATION); }

std::vector<CAttrGridCtrl::RowRef> CAttrGridCtrl::SelectedRowRefs(BOOL bCanUseCurrentCell) {
  std::vector<RowRef> refs;
  for (const ROWCOL row : SelectedRows(bCanUseCurrentCell)) {
    RowRef ref;
    if (ResolveRow(row, ref)) refs.push_back(ref);
  }
  return refs;
}

void CAttrGridCtrl::SelectAttrRows(const std::vector<CBODefAttr*>& attrs) {
  ClearSelection(FALSE);
  ROWCOL first = 0;
  for (const CBODefAttr* pAttr : attrs) {
    const ROWCOL row = RowOfAttr(pAttr);
    if (row == 0) continue;
    SelectRange(CGXRange().SetRows(row), TRUE, FALSE);
    if (first == 0 || row < first) first = row;
  }
  if (first != 0) SetCurrentCell(first, CBOColumnTable::kName);
  Redraw();
}

void CAttrGridCtrl::SelectAllRows() {
  if (GetRowCount() == 0) return;
  SetSelection(CGXRange().SetRows(1, GetRowCount()));
}

// The attribute leaves its definition (the object itself stays); the
// ones after it move up by one.
void CAttrGridCtrl::RemoveAttr(const RowRef& ref) {
  CBODefAttrArray& attrs = ref.pDef->GetAttrs();
  const INT_PTR index = IndexOf(attrs, ref.pAttr);
  if (index < 0) return;
  attrs.RemoveAt(index);
  ShiftPositions(*ref.pDef, ref.pAttr->GetPosition() + 1, -1);
  MarkDefModified(*ref.pDef);
}

// An expanded attribute lets its expansion go first.
void CAttrGridCtrl::DeleteAttr(const RowRef& ref) {
  CollapseAttr(*ref.pAttr);
  RemoveAttr(ref);
  delete ref.pAttr;
}

// --- Inserting and deleting -------------------------------------------------

void CAttrGridCtrl::InsertAbove() { InsertNew(FALSE); }

void CAttrGridCtrl::InsertBelow() { InsertNew(TRUE); }

void CAttrGridCtrl::InsertNew(BOOL below) {
  ROWCOL row = 0;
  RowRef ref;
  if (!GetCurrentCell(&row, nullptr) || !ResolveRow(row, ref) || ref.pAttr == nullptr) return;
  const int position = ref.pAttr->GetPosition() + (below ? 1 : 0);
  ShiftPositions(*ref.pDef, position, 1);
  auto* pNew = new CBODefAttr(position, "", "");
  CBODefAttrArray& attrs = ref.pDef->GetAttrs();
  attrs.InsertAt(IndexOf(attrs, ref.pAttr) + (below ? 1 : 0), pNew);
  MarkDefModified(*ref.pDef);
  FillGrid();
  if (const ROWCOL newRow = RowOfAttr(pNew)) SetCurrentCell(newRow, CBOColumnTable::kName);
}

void CAttrGridCtrl::DeleteSelectedRows() {
  const std::vector<RowRef> refs = SelectedRowRefs(FALSE);
  if (refs.empty()) return;
  const ROWCOL first = refs.front().nRow;
  for (auto it = refs.rbegin(); it != refs.rend(); ++it) {
    if (it->pAttr == nullptr)
      ShowInfo("Cannot delete the last row");
    else if (IsObjectEventId(*it->pAttr))
      ShowInfo("Cannot delete ObjectEventID");
    else
      DeleteAttr(*it);
  }
  FillGridKeeping(std::min(first, GetRowCount()), CBOColumnTable::kName);
}

// --- Moving among siblings --------------------------------------------------

void CAttrGridCtrl::MoveRowsUp() { MoveSiblings(-1); }

void CAttrGridCtrl::MoveRowsDown() { MoveSiblings(1); }

// Each attribute changes places with the sibling one position further;
// a block moves together because the rows are taken from its far end.
void CAttrGridCtrl::MoveSiblings(int step) {
  if (!IsSortedByPosition()) return;
  std::vector<RowRef> refs = SelectedRowRefs(TRUE);
  if (step > 0) std::reverse(refs.begin(), refs.end());
  std::vector<CBODefAttr*> moved;
  for (const RowRef& ref : refs) {
    if (ref.pAttr == nullptr || IsObjectEventId(*ref.pAttr)) continue;
    CBODefAttr* pSibling = AttrAtPosition(*ref.pDef, ref.pAttr->GetPosition() + step);
    if (pSibling == nullptr) continue;
    const int position = ref.pAttr->GetPosition();
    ref.pAttr->SetPosition(pSibling->GetPosition());
    pSibling->SetPosition(position);
    CBODefAttrArray& attrs = ref.pDef->GetAttrs();
    const INT_PTR mine = IndexOf(attrs, ref.pAttr);
    const INT_PTR theirs = IndexOf(attrs, pSibling);
    attrs.SetAt(mine, pSibling);
    attrs.SetAt(theirs, ref.pAttr);
    MarkDefModified(*ref.pDef);
    moved.push_back(ref.pAttr);
  }
  FillGrid();
  SelectAttrRows(moved);
}

// --- Moving to the parent level --------------------------------------------

BOOL CAttrGridCtrl::CanMoveToParentLevel() {
  ROWCOL row = 0;
  if (!GetCurrentCell(&row, nullptr) || row < 1) return FALSE;
  return GetValueRowCol(row, CBOColumnTable::kPos).Find('.') >= 0 && !IsObjectEventIdRow(row);
}

void CAttrGridCtrl::MoveToParentLevel() {
  const std::vector<RowRef> refs = SelectedRowRefs(TRUE);
  std::vector<CBODefAttr*> moved;
  // The attribute whose expansion the empty row continues, when it goes along.
  const CBODefAttr* pEmptyParent = nullptr;
  for (auto it = refs.rbegin(); it != refs.rend(); ++it) {
    const CString rowPath = GetValueRowCol(it->nRow, CBOColumnTable::kRowPath);
    RowRef parent;
    if (!ResolvePath(WithoutLast(rowPath), FALSE, parent)) continue;
    if (it->pAttr == nullptr) {
      pEmptyParent = parent.pAttr;
      continue;
    }
    if (IsObjectEventId(*it->pAttr)) continue;
    RemoveAttr(*it);
    const int position = parent.pAttr->GetPosition() + 1;
    ShiftPositions(*parent.pDef, position, 1);
    it->pAttr->SetPosition(position);
    CBODefAttrArray& attrs = parent.pDef->GetAttrs();
    attrs.InsertAt(IndexOf(attrs, parent.pAttr) + 1, it->pAttr);
    MarkDefModified(*parent.pDef);
    moved.push_back(it->pAttr);
  }
  FillGrid();
  SelectAttrRows(moved);
  // The empty row names the parent's level now: the next attribute typed
  // there goes into the definition that holds that parent.
  const ROWCOL parentRow = RowOfAttr(pEmptyParent);
  RowRef level;
  if (parentRow == 0 || !ResolveRow(parentRow, level)) return;
  CString number;
  number.Format("%d", static_cast<int>(level.pDef->GetAttrs().GetSize()) + 1);
  const ROWCOL empty = GetEmptyRow();
  CGXGridParam* param = GetParam();
  const BOOL lockReadOnly = param->IsLockReadOnly();
  param->SetLockReadOnly(FALSE);
  SetValueRange(CGXRange(empty, CBOColumnTable::kRowPath),
                Prefix(GetValueRowCol(parentRow, CBOColumnTable::kRowPath)) + number);
  SetValueRange(CGXRange(empty, CBOColumnTable::kPos),
                Prefix(GetValueRowCol(parentRow, CBOColumnTable::kPos)) + number);
  param->SetLockReadOnly(lockReadOnly);
}

// --- Dragging rows ------------------------------------------------------------

// The library drops rows nFromRow..nToRow so that they start at nDestRow;
// before the move that is in front of row nDestRow (upwards) or of the row
// after the block's new end (downwards). The attributes are copied there
// and the originals go, so rows may move into another contained object.
BOOL CAttrGridCtrl::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT) {
  if (!IsSortedByPosition()) {
    ShowInfo("Cannot move rows; sort by position first");
    return FALSE;
  }
  const ROWCOL count = nToRow - nFromRow + 1;
  const ROWCOL before = nDestRow < nFromRow ? nDestRow : nDestRow + count;
  RowRef dest;
  if (before > GetEmptyRow() || !ResolveRow(before, dest)) return FALSE;

  std::vector<RowRef> sources;
  for (ROWCOL row = nFromRow; row <= nToRow; ++row) {
    RowRef ref;
    if (!ResolveRow(row, ref) || ref.pAttr == nullptr) continue;
    if (IsObjectEventId(*ref.pAttr)) {
      ShowInfo("Cannot move the row with ObjectEventId");
      continue;
    }
    sources.push_back(ref);
  }
  for (const RowRef& ref : sources) {
    if (IsInExpansion(*ref.pAttr, dest.pDef)) {
      ShowInfo("Cannot move rows into a business object that they contain");
      return FALSE;
    }
  }
  if (sources.empty()) return FALSE;

  std::vector<CBODefAttr*> copies;
  std::vector<CQRBusObjDef*> losers;
  for (const RowRef& ref : sources) {
    CollapseAttr(*ref.pAttr);
    auto* pCopy = new CBODefAttr;
    pCopy->Copy(*ref.pAttr);
    ref.pAttr->AddState(kMovingMark);
    copies.push_back(pCopy);
    if (std::find(losers.begin(), losers.end(), ref.pDef) == losers.end()) losers.push_back(ref.pDef);
  }
  CBODefAttrArray& target = dest.pDef->GetAttrs();
  for (size_t i = 0; i < copies.size(); ++i) target.InsertAt(dest.nIndex + static_cast<INT_PTR>(i), copies[i]);
  for (CQRBusObjDef* pDef : losers) {
    CBODefAttrArray& attrs = pDef->GetAttrs();
    for (INT_PTR i = attrs.GetSize() - 1; i >= 0; --i) {
      if ((attrs[i]->GetState() & kMovingMark) != 0) attrs.DeleteAt(i);
    }
    Renumber(*pDef);
    MarkDefModified(*pDef);
  }
  Renumber(*dest.pDef);
  MarkDefModified(*dest.pDef);
  FillGrid();
  SelectAttrRows(copies);
  return FALSE;
}
