// Expanding and collapsing contained business objects in the attribute
// grid, and sorting every definition the window shows.
//
// An expanded attribute points at its type's definition, which the
// document's map holds under the type's name and the data manager keeps
// for this window until the expansion collapses.
#include <algorithm>
#include <functional>
#include <vector>

#include "AttrGridCtrl.h"
#include "AttrGridStyles.h"
#include "OrvexDoc.h"

using namespace attrgrid;

namespace {

using AttrLess = std::function<bool(const CBODefAttr*, const CBODefAttr*)>;

bool FlagLess(BOOL a, BOOL b) { return (a ? 1 : 0) < (b ? 1 : 0); }

AttrLess TextKey(const CString& (CBODefAttr::*field)() const) {
  return [field](const CBODefAttr* a, const CBODefAttr* b) { return (a->*field)().CompareNoCase((b->*field)()) < 0; };
}

AttrLess FlagKey(BOOL (CBODefAttr::*flag)() const) {
  return [flag](const CBODefAttr* a, const CBODefAttr* b) { return FlagLess((a->*flag)(), (b->*flag)()); };
}

// The order of a sort column; null for a column that does not sort.
AttrLess KeyOf(int column) {
  switch (column) {
    case CBOColumnTable::kPos:
      return [](const CBODefAttr* a, const CBODefAttr* b) { return a->GetPosition() < b->GetPosition(); };
    case CBOColumnTable::kName:
      return TextKey(&CBODefAttr::GetName);
    case CBOColumnTable::kType:
      return TextKey(&CBODefAttr::GetTypeName);
    case CBOColumnTable::kKey:
      return FlagKey(&CBODefAttr::IsKey);
    case CBOColumnTable::kForeign:
      return FlagKey(&CBODefAttr::IsForeignKey);
    case CBOColumnTable::kRequired:
      return FlagKey(&CBODefAttr::IsRequired);
    case CBOColumnTable::kCard:
      return TextKey(&CBODefAttr::GetCardinality);
    case CBOColumnTable::kMaxLength:
      return TextKey(&CBODefAttr::GetMaxLength);
    case CBOColumnTable::kDefault:
      return TextKey(&CBODefAttr::GetDefaultValue);
    case CBOColumnTable::kAppInfo:
      return TextKey(&CBODefAttr::GetAppInfo);
    case CBOColumnTable::kComments:
      return TextKey(&CBODefAttr::GetComments);
    default:
      return nullptr;
  }
}

}  // namespace

BOOL CAttrGridCtrl::IsOpenInWindow(const CString& name) const {
  void* pDef = nullptr;
  return m_pDoc != nullptr && m_pDoc->m_mapBODefs.Lookup(name, pDef);
}

BOOL CAttrGridCtrl::ExpandAttr(CBODefAttr& attr) {
  if (!IsBusObjAttr(attr) || attr.IsExpanded() || IsOpenInWindow(attr.GetTypeName())) return FALSE;
  const CString type = attr.GetTypeName();
  CDataManager* pDM = CDataManager::InitInstance();
  // Fetched first: without a definition the attribute stays as it is.
  CQRBusObjDef* pDef = pDM->GetBO(type, 0, 1);
  if (pDef == nullptr) return FALSE;
  if (m_pView != nullptr && m_pView->GetSafeHwnd() != nullptr) pDM->AddWindowHandle(m_pView->GetSafeHwnd(), type);
  attr.SetContainedDef(pDef);
  attr.SetExpanded(TRUE);
  if (m_pDoc != nullptr) m_pDoc->m_mapBODefs.SetAt(type, pDef);
  if (m_pBODef != nullptr) ApplySort(pDef, m_pBODef->GetSortColumn(), m_pBODef->IsSortDescending());
  return TRUE;
}

void CAttrGridCtrl::ExpandSubtree(CQRBusObjDef* pDef) {
  if (pDef == nullptr) return;
  m_mapVisited.SetAt(pDef->name(0), pDef);
  CBODefAttrArray& attrs = pDef->GetAttrs();
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
    CBODefAttr& attr = *attrs[i];
    if (!IsBusObjAttr(attr) || IsVisited(attr.GetTypeName())) continue;
    if (attr.IsExpanded() || ExpandAttr(attr)) ExpandSubtree(attr.GetContainedDef());
  }
}

void CAttrGridCtrl::CollapseAttr(CBODefAttr& attr) {
  CQRBusObjDef* pDef = attr.GetContainedDef();
  const BOOL wasExpanded = attr.IsExpanded();
  // Cleared first, so that a cycle of expansions ends here.
  attr.Collapse();
  if (!wasExpanded || pDef == nullptr) return;
  CollapseSubtree(pDef);
  const CString type = attr.GetTypeName();
  void* pHeld = nullptr;
  if (pDef == m_pBODef || m_pDoc == nullptr || !m_pDoc->m_mapBODefs.Lookup(type, pHeld) || pHeld != pDef) return;
  m_pDoc->m_mapBODefs.RemoveKey(type);
  if (m_pView != nullptr) CDataManager::InitInstance()->RemoveView(type, m_pView->GetSafeHwnd());
}

void CAttrGridCtrl::CollapseSubtree(CQRBusObjDef* pDef) {
  CBODefAttrArray& attrs = pDef->GetAttrs();
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
    if (attrs[i]->IsExpanded()) CollapseAttr(*attrs[i]);
  }
}

void CAttrGridCtrl::ExpandAll() {
  if (m_pBODef == nullptr) return;
  CWaitCursor wait;
  m_mapVisited.RemoveAll();
  ExpandSubtree(m_pBODef);
  m_mapVisited.RemoveAll();
  FillGrid();
}

void CAttrGridCtrl::CollapseAll() {
  if (m_pBODef == nullptr) return;
  CWaitCursor wait;
  CollapseSubtree(m_pBODef);
  FillGrid();
}

BOOL CAttrGridCtrl::CollapseWithdrawn(const CString& name) {
  if (m_pBODef == nullptr) return FALSE;
  m_mapVisited.RemoveAll();
  std::function<CBODefAttr*(CQRBusObjDef*)> find = [&](CQRBusObjDef* pDef) -> CBODefAttr* {
    m_mapVisited.SetAt(pDef->name(0), pDef);
    CBODefAttrArray& attrs = pDef->GetAttrs();
    for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
      CBODefAttr* pAttr = attrs[i];
      if (!pAttr->IsExpanded() || pAttr->GetContainedDef() == nullptr) continue;
      if (pAttr->GetTypeName() == name) return pAttr;
      if (IsVisited(pAttr->GetTypeName())) continue;
      if (CBODefAttr* pFound = find(pAttr->GetContainedDef())) return pFound;
    }
    return nullptr;
  };
  CBODefAttr* pFound = find(m_pBODef);
  m_mapVisited.RemoveAll();
  if (pFound == nullptr) return FALSE;
  CollapseAttr(*pFound);
  FillGrid();
  return TRUE;
}

// --- Sorting ----------------------------------------------------------------

void CAttrGridCtrl::SortAttributes(CQRBusObjDef& def, int column, BOOL descending) {
  const AttrLess less = KeyOf(column);
  if (!less) return;
  CBODefAttrArray& attrs = def.GetAttrs();
  std::vector<CBODefAttr*> order;
  order.reserve(static_cast<size_t>(attrs.GetSize()));
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) order.push_back(attrs[i]);
  // Stable both ways: equal keys keep the order they had.
  if (descending)
    std::stable_sort(order.begin(), order.end(),
                     [&less](const CBODefAttr* a, const CBODefAttr* b) { return less(b, a); });
  else
    std::stable_sort(order.begin(), order.end(), less);
  for (size_t i = 0; i < order.size(); ++i) attrs.SetAt(static_cast<INT_PTR>(i), order[i]);
}

void CAttrGridCtrl::ApplySort(CQRBusObjDef* pDef, int column, BOOL descending) {
  if (pDef->GetSortColumn() == column && pDef->IsSortDescending() == descending) return;
  pDef->SetSortColumn(column);
  pDef->SetSortDescending(descending);
  SortAttributes(*pDef, column, descending);
}

void CAttrGridCtrl::SortByColumn(ROWCOL nCol) {
  if (m_pBODef == nullptr || !KeyOf(static_cast<int>(nCol))) return;
  const int column = static_cast<int>(nCol);
  const BOOL descending = m_pBODef->GetSortColumn() == column && !m_pBODef->IsSortDescending();
  // The shown definition and every contained one shown with it.
  std::function<void(CQRBusObjDef*)> sort = [&](CQRBusObjDef* pDef) {
    m_mapVisited.SetAt(pDef->name(0), pDef);
    pDef->SetSortColumn(column);
    pDef->SetSortDescending(descending);
    SortAttributes(*pDef, column, descending);
    CBODefAttrArray& attrs = pDef->GetAttrs();
    for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
      CBODefAttr* pAttr = attrs[i];
      if (pAttr->IsExpanded() && pAttr->GetContainedDef() != nullptr && !IsVisited(pAttr->GetTypeName()))
        sort(pAttr->GetContainedDef());
    }
  };
  m_mapVisited.RemoveAll();
  sort(m_pBODef);
  m_mapVisited.RemoveAll();
  FillGrid();
}

void CAttrGridCtrl::SortAllByPosition(CQRBusObjDef* pDef) {
  if (pDef == nullptr) return;
  m_mapVisited.RemoveAll();
  std::function<void(CQRBusObjDef*)> sort = [&](CQRBusObjDef* pEach) {
    m_mapVisited.SetAt(pEach->name(0), pEach);
    pEach->SetSortColumn(CBOColumnTable::kPos);
    pEach->SetSortDescending(FALSE);
    SortAttributes(*pEach, CBOColumnTable::kPos, FALSE);
    std::vector<CString> types;
    CBODefAttrArray& attrs = pEach->GetAttrs();
    for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
      if (IsBusObjAttr(*attrs[i])) types.push_back(attrs[i]->GetTypeName());
    }
    for (const CString& type : types) {
      if (IsVisited(type)) continue;
      if (CQRBusObjDef* pUsed = CDataManager::InitInstance()->GetBO(type, 0, 1)) sort(pUsed);
    }
  };
  sort(pDef);
  m_mapVisited.RemoveAll();
}

BOOL CAttrGridCtrl::IsSortedByPosition() const {
  return m_pBODef != nullptr && m_pBODef->GetSortColumn() == CBOColumnTable::kPos && !m_pBODef->IsSortDescending();
}

void CAttrGridCtrl::SyncSortMarker() {
  if (m_pBODef == nullptr) return;
  GetParam()->SetSortCol(static_cast<ROWCOL>(m_pBODef->GetSortColumn()));
  GetParam()->SetSortFlag(!m_pBODef->IsSortDescending());
}
