#include "BOInstModel.h"

#include <BusObjException.h>
#include <BusObjSpecDirectory.h>
#include <BusinessObject.h>
#include <DataManager.h>

#include <cstring>

namespace velmora {

const char* VerbText(const BusinessObject* pObject) {
  const char* pszVerb = pObject != nullptr ? pObject->getVerb() : nullptr;
  if (pszVerb == nullptr || *pszVerb == '\0' || std::strcmp(pszVerb, "null") == 0) return "<none>";
  return pszVerb;
}

void RegisterVerbs(const char* pszTypeName) {
  CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(pszTypeName, 1, 1);
  if (pDef == nullptr) return;
  BusObjSpec* pSpec = BusObjSpecDirectory::getTheBusObjSpecDirectory()->find(pDef->name());
  if (pSpec == nullptr) return;
  const CBODefVerbArray& verbs = pDef->GetVerbs(0);
  for (INT_PTR i = 0; i < verbs.GetSize(); ++i) {
    if (verbs[i] != nullptr) pSpec->addVerbsList(charStr(verbs[i]->GetName()));
  }
}

std::unique_ptr<BusinessObject> CreateChild(const char* pszTypeName) {
  RegisterVerbs(pszTypeName);
  try {
    auto pChild = std::make_unique<BusinessObject>(pszTypeName);
    pChild->setDefaultAttrValues();
    return pChild;
  } catch (const BusObjException&) {
    return nullptr;
  }
}

}  // namespace velmora
