// Type descriptions built from definitions.
#include "BusObjSpec.h"

#include <algorithm>

#include "BusObjDef.h"
#include "BusObjSpecDirectory.h"
#include "Text.h"

BusObjSpec::BusObjSpec(const CQRBusObjDef& def) : m_name(def.name()) {
  const CBODefAttrArray& attrs = def.GetAttrs();
  m_attrs.reserve(attrs.GetSize());
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) m_attrs.push_back(std::make_unique<BOAttrType>(*attrs[i]));
  const CBODefVerbArray& verbs = def.GetVerbs(0);
  for (INT_PTR i = 0; i < verbs.GetSize(); ++i) addVerb(verbs[i]->GetName().GetString());
}

BOAttrType* BusObjSpec::getAttrDesc(int index) const {
  return index >= 0 && index < getAttrCount() ? m_attrs[index].get() : nullptr;
}

int BusObjSpec::getAttrIndex(const char* name) const {
  if (name == nullptr) return -1;
  for (int i = 0; i < getAttrCount(); ++i) {
    if (fennick::EqualNoCase(m_attrs[i]->getName(), name)) return i;
  }
  return -1;
}

BusObjSpec* BusObjSpec::getChildSpec(int index) const {
  const BOAttrType* desc = getAttrDesc(index);
  if (desc == nullptr || !desc->isObjectType()) return nullptr;
  return BusObjSpecDirectory::getTheBusObjSpecDirectory()->find(desc->getTypeName());
}

const char* BusObjSpec::getVerb(int index) const {
  return index >= 0 && index < getVerbCount() ? m_verbs[index].c_str() : nullptr;
}

bool BusObjSpec::isVerbSupported(const char* verb) const {
  if (verb == nullptr || *verb == '\0') return false;
  return std::any_of(m_verbs.begin(), m_verbs.end(),
                     [verb](const std::string& known) { return fennick::EqualNoCase(known, verb); });
}

void BusObjSpec::addVerbsList(const charStr& verbs) {
  const std::string_view list(verbs.c_str());
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find_first_of(",; \t", start), list.size());
    addVerb(std::string(list.substr(start, end - start)));
    start = end + 1;
  }
}

void BusObjSpec::addVerb(const std::string& verb) {
  if (!verb.empty() && !isVerbSupported(verb.c_str())) m_verbs.push_back(verb);
}
