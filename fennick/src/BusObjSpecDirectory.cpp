// The process-wide directory of type descriptions.
#include "BusObjSpecDirectory.h"

#include "DataManager.h"
#include "Text.h"

BusObjSpecDirectory* BusObjSpecDirectory::getTheBusObjSpecDirectory() {
  static BusObjSpecDirectory directory;
  return &directory;
}

namespace {

// The session's definition of the name; the server's names are exact, so
// another spelling is looked up in the session's name list. Only a session
// already in hand is asked: looking up a type never starts one.
const CQRBusObjDef* DefinitionOf(const char* name) {
  CDataManager* dm = CDataManager::PeekInstance();
  if (dm == nullptr) return nullptr;
  if (const CQRBusObjDef* def = dm->GetBO(name, 0, 1)) return def;
  const CStringList& names = *dm->RefreshBONames(0);
  for (POSITION pos = names.GetHeadPosition(); pos != nullptr;) {
    const CString& known = names.GetNext(pos);
    if (known.CompareNoCase(name) == 0) return dm->GetBO(known, 0, 1);
  }
  return nullptr;
}

}  // namespace

std::string BusObjSpecDirectory::keyOf(const char* name) { return fennick::Lower(name != nullptr ? name : ""); }

BusObjSpec* BusObjSpecDirectory::find(const char* name) { return findShared(name).get(); }

std::shared_ptr<BusObjSpec> BusObjSpecDirectory::findShared(const char* name) {
  if (name == nullptr || *name == '\0') return nullptr;
  if (auto it = m_specs.find(keyOf(name)); it != m_specs.end()) return it->second;
  const CQRBusObjDef* def = DefinitionOf(name);
  return def != nullptr ? put(*def) : nullptr;
}

BusObjSpec* BusObjSpecDirectory::add(const CQRBusObjDef& def) { return put(def).get(); }

std::shared_ptr<BusObjSpec> BusObjSpecDirectory::put(const CQRBusObjDef& def) {
  auto spec = std::make_shared<BusObjSpec>(def);
  m_specs[keyOf(def.name())] = spec;
  return spec;
}

void BusObjSpecDirectory::remove(const char* name) { m_specs.erase(keyOf(name)); }

void BusObjSpecDirectory::clear() { m_specs.clear(); }
