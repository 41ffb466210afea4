// The instance editor's rows: one per attribute, child objects and
// container elements below their rows, and in-place editing of values.
#include "TLBOInst.h"

#include <BOAttrType.h>
#include <BusObjContainer.h>
#include <BusinessObject.h>

#include <algorithm>
#include <iterator>

#include "BOInstModel.h"
#include "EditInplace.h"
#include "ResourceScope.h"
#include "resource.h"

namespace {

constexpr int kTypeColumn = 1;
constexpr int kValueColumn = 2;

struct ColumnDesc {
  UINT nTitle;
  int nWidth;
};
constexpr ColumnDesc kColumns[] = {
    {IDS_BOINST_ATTRIBUTE, 140},
    {IDS_BOINST_TYPE, 70},
    {IDS_BOINST_VALUE, 120},
};

// The library's own string: a host's strings of the same ids never stand in.
CString LibraryString(UINT nID) {
  char buffer[256] = {};
  ::LoadString(velmora::LibraryInstance(), nID, buffer, sizeof(buffer));
  return CString(buffer);
}

const char* TextOf(const void* pValue) { return pValue != nullptr ? static_cast<const char*>(pValue) : ""; }

}  // namespace

IMPLEMENT_DYNAMIC(CTLBOInst, CTLBase)

CTLBOInst::CTLBOInst() = default;

CTLBOInst::~CTLBOInst() {
  // The rows go while their records can still be told.
  if (m_hWnd != nullptr) DestroyWindow();
}

void CTLBOInst::Initialize(CQRServer* pServer) {
  m_pServer = pServer;
  for (int nColumn = 0; nColumn < static_cast<int>(std::size(kColumns)); ++nColumn)
    InsertColumn(nColumn, LibraryString(kColumns[nColumn].nTitle), LVCFMT_LEFT, kColumns[nColumn].nWidth);
}

CBOInstItem* CTLBOInst::GetRecord(HTREEITEM hItem) const {
  if (!IsItem(hItem)) return nullptr;
  auto* pRecord = reinterpret_cast<const CBOInstItem*>(GetItemData(hItem));
  const auto it = m_records.find(pRecord);
  return it != m_records.end() ? it->second.get() : nullptr;
}

BusObjContainer* CTLBOInst::ContainerOf(const CBOInstItem& record) const {
  if (record.m_nTypeNum != 0 || !record.m_bMultiple) return nullptr;
  return static_cast<BusObjContainer*>(record.m_pOwner->getAttrValue(record.m_nAttrIndex));
}

BusinessObject* CTLBOInst::ObjectOf(const CBOInstItem& record) const {
  if (record.IsSingleObject()) return static_cast<BusinessObject*>(record.m_pOwner->getAttrValue(record.m_nAttrIndex));
  if (!record.IsElement()) return nullptr;
  BusObjContainer* pContainer = ContainerOf(record);
  return pContainer != nullptr ? pContainer->getObject(record.m_nContainerIndex) : nullptr;
}

CString CTLBOInst::RowName(const CBOInstItem& record) const {
  const BusinessObject* pObject = ObjectOf(record);
  CString strName;
  if (record.IsElement()) {
    strName.Format("[%d].%s", record.m_nContainerIndex, velmora::VerbText(pObject));
    return strName;
  }
  strName = record.m_strName;
  if (record.m_bMultiple) strName += "[" + record.m_strCardinality + "]";
  if (record.IsSingleObject() && pObject != nullptr) strName += CString(".") + velmora::VerbText(pObject);
  return strName;
}

HTREEITEM CTLBOInst::AddItem(HTREEITEM hParent, std::unique_ptr<CBOInstItem> pRecord) {
  if (pRecord == nullptr) return nullptr;
  CBOInstItem* pKept = pRecord.get();
  m_records.emplace(pKept, std::move(pRecord));
  HTREEITEM hItem = CTLBase::AddItem(hParent, RowName(*pKept), reinterpret_cast<LPARAM>(pKept));
  if (hItem == nullptr) {
    m_records.erase(pKept);
    return nullptr;
  }
  if (!pKept->IsElement()) SetItem(hItem, kTypeColumn, pKept->m_strTypeName);
  if (pKept->IsSimple()) SetItem(hItem, kValueColumn, TextOf(pKept->m_pValue));
  return hItem;
}

void CTLBOInst::OnDeleteItem(HTREEITEM hItem) {
  CTLBase::OnDeleteItem(hItem);
  m_records.erase(reinterpret_cast<const CBOInstItem*>(GetItemData(hItem)));
}

void CTLBOInst::Populate(BusinessObject* pObject) {
  RemoveAllItems();
  m_pBusObj = pObject;
  Populate(pObject, TVI_ROOT);
}

void CTLBOInst::Populate(BusinessObject* pObject, HTREEITEM hParent) {
  if (pObject == nullptr) {
    DeleteChildItemsOf(hParent);
    return;
  }
  for (int nIndex = 0; nIndex < pObject->getAttrCount(); ++nIndex) {
    const BOAttrType* pDesc = pObject->getAttrDesc(nIndex);
    if (pDesc == nullptr) continue;
    auto pRecord = std::make_unique<CBOInstItem>();
    pRecord->m_pOwner = pObject;
    pRecord->m_nAttrIndex = nIndex;
    pRecord->m_strName = pDesc->getName();
    pRecord->m_strTypeName = pDesc->getTypeName();
    pRecord->m_strCardinality = pDesc->getCardinality();
    pRecord->m_bMultiple = pDesc->isMultipleCard() ? 1 : 0;
    pRecord->m_nTypeNum = pDesc->getTypeNum();
    pRecord->m_pValue = pObject->getAttrValue(nIndex);
    const CBOInstItem record = *pRecord;
    HTREEITEM hItem = AddItem(hParent, std::move(pRecord));
    if (hItem == nullptr || record.IsSimple() || record.m_pValue == nullptr) continue;
    if (record.m_bMultiple)
      PopulateContainer(static_cast<BusObjContainer*>(record.m_pValue), hItem);
    else
      Populate(static_cast<BusinessObject*>(record.m_pValue), hItem);
  }
}

void CTLBOInst::PopulateContainer(BusObjContainer* pContainer, HTREEITEM hParent) {
  DeleteChildItemsOf(hParent);
  const CBOInstItem* pContainerRecord = GetRecord(hParent);
  // Elements are rows of a container row: their records are made from its.
  if (pContainer == nullptr || pContainerRecord == nullptr || !pContainerRecord->IsContainer()) return;
  const CBOInstItem containerRecord = *pContainerRecord;
  for (int nElement = 0; nElement < pContainer->getObjectCount(); ++nElement) {
    BusinessObject* pElement = pContainer->getObject(nElement);
    if (pElement == nullptr) continue;
    velmora::RegisterVerbs(pElement->getTheSpec()->getName());
    auto pRecord = std::make_unique<CBOInstItem>(containerRecord);
    pRecord->m_nContainerIndex = nElement;
    pRecord->m_pValue = pContainer;
    if (HTREEITEM hItem = AddItem(hParent, std::move(pRecord))) Populate(pElement, hItem);
  }
}

void CTLBOInst::DoInplaceEditing(HTREEITEM hItem, int nColumn) {
  const CBOInstItem* pRecord = GetRecord(hItem);
  CRect row;
  if (pRecord == nullptr || !pRecord->IsSimple() || nColumn != kValueColumn || GetEditor() != nullptr ||
      !GetItemVisibleRect(hItem, &row))
    return;
  int nLeft = row.left;
  for (int i = 0; i < nColumn; ++i) nLeft += GetColumnWidth(i);
  CRect client;
  GetClientRect(&client);
  CRect cell(nLeft, row.top, std::min(nLeft + GetColumnWidth(nColumn), client.right), row.bottom);
  cell.DeflateRect(2, 2);
  auto* pEdit = new CEditInplace(this, hItem, nColumn);
  if (!pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, cell, this, kEditorId)) {
    delete pEdit;
    return;
  }
  pEdit->SetFont(GetFont());
  pEdit->SetWindowText(TextOf(pRecord->m_pOwner->getAttrValue(pRecord->m_nAttrIndex)));
  pEdit->SetFocus();
  pEdit->SetSel(0, -1);
}

BOOL CTLBOInst::UpdateItem(HTREEITEM hItem, int nColumn, CString strText) {
  CBOInstItem* pRecord = GetRecord(hItem);
  if (pRecord == nullptr || !pRecord->IsSimple() || nColumn != kValueColumn) return FALSE;
  BusinessObject& owner = *pRecord->m_pOwner;
  void* pValue = strText.IsEmpty() ? nullptr : const_cast<char*>(strText.GetString());
  // A text the attribute refuses (its type or length) leaves the value
  // as it was, and the cell shows what the object holds.
  if (owner.setAttributeValue(pRecord->m_nAttrIndex, pValue, pRecord->m_nTypeNum) != BO_OK)
    ::MessageBeep(MB_ICONEXCLAMATION);
  pRecord->m_pValue = owner.getAttrValue(pRecord->m_nAttrIndex);
  return SetItem(hItem, nColumn, TextOf(pRecord->m_pValue));
}
