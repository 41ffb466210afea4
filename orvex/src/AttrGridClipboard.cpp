// Copy, cut and paste in the attribute grid: whole rows travel as the
// program's "CF_QROBJ" record (attributes of a temporary definition), cell
// ranges as text through the grid library.
#include <algorithm>
#include <memory>
#include <vector>

#include "AttrGridCtrl.h"
#include "AttrGridStyles.h"
#include "DefModified.h"
#include "RowClipboard.h"

using namespace attrgrid;

namespace {

BOOL IsObjectEventId(const CBODefAttr* pAttr) {
  return pAttr != nullptr && pAttr->GetName() == CBODefAttr::ATTR_OBJECT_EVENT_ID;
}

// Whether text copied from column `source` may go into column `target`.
BOOL AcceptsText(int target, int source) {
  if (target == source) return TRUE;
  switch (target) {
    case CBOColumnTable::kName:
      return source <= CBOColumnTable::kRowPath || source >= CBOColumnTable::kMaxLength;
    case CBOColumnTable::kKey:
    case CBOColumnTable::kForeign:
    case CBOColumnTable::kRequired:
      return source >= CBOColumnTable::kKey && source <= CBOColumnTable::kRequired;
    case CBOColumnTable::kMaxLength:
    case CBOColumnTable::kDefault:
    case CBOColumnTable::kAppInfo:
    case CBOColumnTable::kComments:
      return source <= CBOColumnTable::kName || source >= CBOColumnTable::kMaxLength;
    default:
      return FALSE;
  }
}

}  // namespace

CGXEditControl* CAttrGridCtrl::TextEditor() {
  auto* pEdit = dynamic_cast<CGXEditControl*>(GetCurrentCellControl());
  return pEdit != nullptr && pEdit->IsActive() ? pEdit : nullptr;
}

BOOL CAttrGridCtrl::CanCopySelection() {
  if (CGXEditControl* pEdit = TextEditor()) return pEdit->HasSelectedText();
  if (HasRowSelection()) {
    const std::vector<RowRef> refs = SelectedRowRefs(FALSE);
    return std::any_of(refs.begin(), refs.end(),
                       [](const RowRef& ref) { return ref.pAttr != nullptr && !IsObjectEventId(ref.pAttr); });
  }
  // A cell range (or the current cell): not of the empty row alone, nor of
  // the ObjectEventId row alone.
  CRowColArray starts, ends;
  BOOL onlyEmpty = TRUE, onlyEventId = TRUE;
  const ROWCOL spans = GetSelectedRows(starts, ends, FALSE, TRUE);
  for (ROWCOL i = 0; i < spans; ++i) {
    for (ROWCOL r = starts[static_cast<INT_PTR>(i)]; r <= ends[static_cast<INT_PTR>(i)]; ++r) {
      if (r != GetEmptyRow()) onlyEmpty = FALSE;
      if (!IsObjectEventIdRow(r)) onlyEventId = FALSE;
    }
  }
  return spans > 0 && !onlyEmpty && !onlyEventId;
}

BOOL CAttrGridCtrl::CanPasteSelection() {
  if (const CQRBusObjDef* pSource = CRowClipboard::GetDefinition(this);
      pSource != nullptr && pSource->GetAttrs().GetSize() > 0) {
    if (!HasRowSelection()) return FALSE;
    const std::vector<RowRef> refs = SelectedRowRefs(FALSE);
    return std::none_of(refs.begin(), refs.end(), [](const RowRef& ref) { return IsObjectEventId(ref.pAttr); });
  }
  return CRowClipboard::HasText() && IsCurrentCell() && CurrentColumnAcceptsText();
}

BOOL CAttrGridCtrl::CurrentColumnAcceptsText() {
  ROWCOL row = 0, col = 0;
  return GetCurrentCell(row, col) && AcceptsText(static_cast<int>(col), CRowClipboard::GetCopyColumn());
}

void CAttrGridCtrl::RememberCopyColumn() {
  ROWCOL row = 0, col = 0;
  if (GetCurrentCell(row, col)) CRowClipboard::SetCopyColumn(static_cast<int>(col));
}

void CAttrGridCtrl::CopySelection() {
  CRowClipboard::Release();
  if (TextEditor() == nullptr && HasRowSelection()) {
    CopyRows(FALSE);
    return;
  }
  HLGrid::Copy();
  RememberCopyColumn();
}

void CAttrGridCtrl::CutSelection() {
  CRowClipboard::Release();
  if (TextEditor() == nullptr && HasRowSelection()) {
    CopyRows(TRUE);
    return;
  }
  RememberCopyColumn();
  // Every emptied cell reaches its attribute through OnModifyCell.
  HLGrid::Cut();
}

// The selected attributes, in grid order, go into a temporary definition:
// copies, or for a cut the attributes themselves, which leave their
// definitions (an expansion is collapsed first).
void CAttrGridCtrl::CopyRows(BOOL bCut) {
  if (m_pBODef == nullptr) return;
  std::vector<RowRef> refs = SelectedRowRefs(FALSE);
  std::erase_if(refs, [](const RowRef& ref) { return ref.pAttr == nullptr || IsObjectEventId(ref.pAttr); });
  if (refs.empty()) return;
  auto pTemp = std::make_unique<CQRBusObjDef>("", m_pBODef->GetServer(), HvStateNew);
  for (const RowRef& ref : refs) {
    if (bCut) {
      CollapseAttr(*ref.pAttr);
      pTemp->GetAttrs().Add(ref.pAttr);
    } else {
      auto* pCopy = new CBODefAttr;
      pCopy->Copy(*ref.pAttr);
      pTemp->GetAttrs().Add(pCopy);
    }
  }
  if (bCut) {
    for (const RowRef& ref : refs) RemoveAttr(ref);
  }
  CRowClipboard::PutDefinition(this, std::move(pTemp));
  if (bCut) FillGridKeeping(std::min(refs.front().nRow, GetRowCount()), CBOColumnTable::kName);
}

void CAttrGridCtrl::PasteSelection() {
  if (CQRBusObjDef* pSource = CRowClipboard::GetDefinition(this);
      pSource != nullptr && pSource->GetAttrs().GetSize() > 0) {
    PasteRows(*pSource);
  } else if (CRowClipboard::HasText() && CurrentColumnAcceptsText()) {
    PasteText();
  }
}

void CAttrGridCtrl::PasteText() {
  // Every pasted cell reaches its attribute through OnModifyCell.
  HLGrid::Paste();
}

// The selected rows take the copied attributes in order (keeping their
// positions); rows left over go, attributes left over are inserted after
// the last row pasted on (at the end of the empty row's definition when
// only the empty row was chosen). The record stays for another paste.
void CAttrGridCtrl::PasteRows(CQRBusObjDef& source) {
  const std::vector<RowRef> refs = SelectedRowRefs(TRUE);
  if (refs.empty()) {
    MessageBox("Please select where to paste the rows", nullptr, MB_OK);
    return;
  }
  if (std::any_of(refs.begin(), refs.end(), [](const RowRef& ref) { return IsObjectEventId(ref.pAttr); })) return;
  const CBODefAttrArray& copied = source.GetAttrs();
  INT_PTR next = 0;
  std::vector<CBODefAttr*> pasted;
  std::vector<RowRef> leftover;
  const RowRef* pLast = nullptr;
  for (const RowRef& ref : refs) {
    if (ref.pAttr == nullptr) continue;
    if (next >= copied.GetSize()) {
      leftover.push_back(ref);
      continue;
    }
    CollapseAttr(*ref.pAttr);
    const int position = ref.pAttr->GetPosition();
    ref.pAttr->Copy(*copied[next++]);
    ref.pAttr->SetPosition(position);
    MarkDefModified(*ref.pDef);
    pasted.push_back(ref.pAttr);
    pLast = &ref;
  }
  for (auto it = leftover.rbegin(); it != leftover.rend(); ++it) DeleteAttr(*it);

  RowRef anchor;
  if (pLast != nullptr) {
    anchor = *pLast;
  } else {
    ResolveRow(GetEmptyRow(), anchor);
  }
  for (; next < copied.GetSize() && anchor.pDef != nullptr; ++next) {
    CBODefAttrArray& attrs = anchor.pDef->GetAttrs();
    auto* pNew = new CBODefAttr;
    pNew->Copy(*copied[next]);
    INT_PTR at = attrs.GetSize();
    int position = static_cast<int>(attrs.GetSize()) + 1;
    if (anchor.pAttr != nullptr) {
      for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
        if (attrs[i] == anchor.pAttr) at = i + 1;
      }
      position = anchor.pAttr->GetPosition() + 1;
      for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
        if (attrs[i]->GetPosition() >= position) attrs[i]->SetPosition(attrs[i]->GetPosition() + 1);
      }
    }
    pNew->SetPosition(position);
    attrs.InsertAt(at, pNew);
    MarkDefModified(*anchor.pDef);
    anchor.pAttr = pNew;
    pasted.push_back(pNew);
  }
  FillGrid();
  SelectAttrRows(pasted);
}
