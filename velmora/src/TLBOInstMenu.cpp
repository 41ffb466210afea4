// The instance editor's context menu: adding and removing child objects,
// and the verbs of the selected object.
#include <BOAttrType.h>
#include <BusObjContainer.h>
#include <BusinessObject.h>

#include "BOInstModel.h"
#include "ResourceScope.h"
#include "TLBOInst.h"
#include "resource.h"

namespace {

struct VerbCommand {
  UINT nID;
  const char* pszVerb;  // null for "<none>"
};
constexpr VerbCommand kVerbs[] = {
    {ID_BOINST_RETRIEVE, "Retrieve"}, {ID_BOINST_CREATE, "Create"}, {ID_BOINST_UPDATE, "Update"},
    {ID_BOINST_DELETE, "Delete"},     {ID_BOINST_NONE, nullptr},
};

constexpr UINT kCommands[] = {
    ID_BOINST_ADD,    ID_BOINST_REMOVE, ID_BOINST_REMOVE_ALL, ID_BOINST_RETRIEVE,
    ID_BOINST_DELETE, ID_BOINST_CREATE, ID_BOINST_UPDATE,     ID_BOINST_NONE,
};

const VerbCommand* VerbOf(UINT nID) {
  for (const VerbCommand& verb : kVerbs) {
    if (verb.nID == nID) return &verb;
  }
  return nullptr;
}

void Refuse() { ::MessageBeep(MB_ICONEXCLAMATION); }

}  // namespace

BEGIN_MESSAGE_MAP(CTLBOInst, CTLBase)
  ON_WM_CONTEXTMENU()
  ON_COMMAND(ID_BOINST_ADD, OnAddInstance)
  ON_COMMAND(ID_BOINST_REMOVE, OnRemoveInstance)
  ON_COMMAND(ID_BOINST_REMOVE_ALL, OnRemoveAllInstance)
  ON_COMMAND_RANGE(ID_BOINST_RETRIEVE, ID_BOINST_DELETE, OnVerb)
  ON_COMMAND_RANGE(ID_BOINST_NONE, ID_BOINST_NONE, OnVerb)
END_MESSAGE_MAP()

BOOL CTLBOInst::IsCommandEnabled(UINT nID, const CBOInstItem& record) const {
  const BusinessObject* pObject = ObjectOf(record);
  const BusObjContainer* pContainer = ContainerOf(record);
  const bool bFilled = pContainer != nullptr && pContainer->getObjectCount() > 0;
  switch (nID) {
    case ID_BOINST_ADD:
      return (record.IsSingleObject() && pObject == nullptr) || record.IsContainer() || record.IsElement();
    case ID_BOINST_REMOVE:
      return (record.IsSingleObject() && pObject != nullptr) || record.IsElement();
    case ID_BOINST_REMOVE_ALL:
      return record.IsContainer() && bFilled;
    default:
      // The verbs, "<none>" too: only rows that hold an object.
      return VerbOf(nID) != nullptr &&
             ((record.IsSingleObject() && pObject != nullptr) || (record.IsElement() && bFilled));
  }
}

CBOInstItem* CTLBOInst::SelectedRecord(UINT nID, HTREEITEM& hItem) const {
  hItem = GetSelectedItem();
  CBOInstItem* pRecord = GetRecord(hItem);
  return pRecord != nullptr && IsCommandEnabled(nID, *pRecord) ? pRecord : nullptr;
}

void CTLBOInst::OnContextMenu(CWnd*, CPoint) {
  // The library's own menu, whatever menus of the same id the host has.
  CMenu menu;
  if (!menu.Attach(::LoadMenu(velmora::LibraryInstance(), MAKEINTRESOURCE(IDR_BOINST_MENU)))) return;
  CMenu* pPopup = menu.GetSubMenu(0);
  if (pPopup == nullptr) return;
  const CBOInstItem* pRecord = GetRecord(GetSelectedItem());
  for (UINT nID : kCommands) {
    const bool bEnabled = pRecord != nullptr && IsCommandEnabled(nID, *pRecord);
    pPopup->EnableMenuItem(nID, MF_BYCOMMAND | (bEnabled ? MF_ENABLED : MF_GRAYED));
  }
  CPoint cursor;
  ::GetCursorPos(&cursor);
  pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
}

void CTLBOInst::OnAddInstance() {
  HTREEITEM hItem = nullptr;
  CBOInstItem* pRecord = SelectedRecord(ID_BOINST_ADD, hItem);
  if (pRecord == nullptr) return;
  // Rebuilding the element rows frees the selected row and its record.
  const CBOInstItem record = *pRecord;
  BusinessObject& owner = *record.m_pOwner;
  const BOAttrType* pDesc = owner.getAttrDesc(record.m_nAttrIndex);
  std::unique_ptr<BusinessObject> pChild = pDesc != nullptr ? velmora::CreateChild(pDesc->getTypeName()) : nullptr;
  if (pChild == nullptr) {
    Refuse();
    return;
  }
  if (record.IsSingleObject()) {
    if (owner.setAttributeValue(record.m_nAttrIndex, pChild.get(), 0) != BO_OK) {
      Refuse();
      return;
    }
    BusinessObject* pAdded = pChild.release();
    pRecord->m_pValue = owner.getAttrValue(record.m_nAttrIndex);
    Populate(pAdded, hItem);
    SetItem(hItem, 0, RowName(*pRecord));
    return;
  }
  HTREEITEM hContainerRow = record.IsElement() ? GetParentItem(hItem) : hItem;
  BusObjContainer* pContainer = ContainerOf(record);
  const BOStatus status =
      pContainer != nullptr
          ? pContainer->insertObjectAt(record.IsElement() ? record.m_nContainerIndex + 1 : 0, pChild.get())
          : owner.setAttributeValue(record.m_nAttrIndex, pChild.get(), 0);
  if (status != BO_OK) {
    Refuse();
    return;
  }
  pChild.release();
  pContainer = ContainerOf(record);
  if (CBOInstItem* pContainerRecord = GetRecord(hContainerRow)) pContainerRecord->m_pValue = pContainer;
  PopulateContainer(pContainer, hContainerRow);
}

void CTLBOInst::OnRemoveInstance() {
  HTREEITEM hItem = nullptr;
  CBOInstItem* pRecord = SelectedRecord(ID_BOINST_REMOVE, hItem);
  if (pRecord == nullptr) return;
  BusinessObject& owner = *pRecord->m_pOwner;
  if (pRecord->IsSingleObject()) {
    // The rows of the child go before the child does.
    DeleteChildItemsOf(hItem);
    owner.setAttributeValue(pRecord->m_nAttrIndex, nullptr, 0);
    pRecord->m_pValue = owner.getAttrValue(pRecord->m_nAttrIndex);
    SetItem(hItem, 0, RowName(*pRecord));
    return;
  }
  const CBOInstItem record = *pRecord;
  HTREEITEM hContainerRow = GetParentItem(hItem);
  DeleteChildItemsOf(hContainerRow);
  BusObjContainer* pContainer = ContainerOf(record);
  pContainer->removeObjectAt(record.m_nContainerIndex);
  PopulateContainer(pContainer, hContainerRow);
}

void CTLBOInst::OnRemoveAllInstance() {
  HTREEITEM hItem = nullptr;
  const CBOInstItem* pRecord = SelectedRecord(ID_BOINST_REMOVE_ALL, hItem);
  if (pRecord == nullptr) return;
  BusObjContainer* pContainer = ContainerOf(*pRecord);
  DeleteChildItemsOf(hItem);
  pContainer->removeAllObjects();
  PopulateContainer(pContainer, hItem);
}

void CTLBOInst::OnVerb(UINT nID) {
  HTREEITEM hItem = nullptr;
  const CBOInstItem* pRecord = SelectedRecord(nID, hItem);
  BusinessObject* pObject = pRecord != nullptr ? ObjectOf(*pRecord) : nullptr;
  if (pObject == nullptr) return;
  const char* pszVerb = VerbOf(nID)->pszVerb;
  if (pszVerb != nullptr && !pObject->getTheSpec()->isVerbSupported(pszVerb)) {
    ::MessageBeep(MB_OK);
    return;
  }
  pObject->setVerb(pszVerb);
  SetItem(hItem, 0, RowName(*pRecord));
}
