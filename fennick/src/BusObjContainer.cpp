// Containers of child instances.
#include "BusObjContainer.h"

#include "BusinessObject.h"
#include "Text.h"

BusObjContainer::BusObjContainer(const char* typeName) : m_typeName(typeName != nullptr ? typeName : "") {}

BusObjContainer::BusObjContainer(const BusObjContainer& other) : m_typeName(other.m_typeName) {
  m_objects.reserve(other.m_objects.size());
  for (const auto& object : other.m_objects) {
    m_objects.push_back(std::make_unique<BusinessObject>(*object));
    m_objects.back()->m_owned = true;
  }
}

BusObjContainer::~BusObjContainer() = default;

BusinessObject* BusObjContainer::getObject(int index) const {
  return index >= 0 && index < getObjectCount() ? m_objects[index].get() : nullptr;
}

int BusObjContainer::indexOf(const BusinessObject* object) const {
  for (int i = 0; i < getObjectCount(); ++i) {
    if (m_objects[i].get() == object) return i;
  }
  return -1;
}

BOStatus BusObjContainer::insertObjectAt(int index, BusinessObject* object) {
  if (object == nullptr) return BO_NULL_VALUE;
  if (index < 0 || index > getObjectCount()) return BO_BAD_INDEX;
  if (object->hasOwner()) return BO_OWNED;
  if (!fennick::EqualNoCase(object->getTypeName(), m_typeName)) return BO_BAD_TYPE;
  object->m_owned = true;
  m_objects.insert(m_objects.begin() + index, std::unique_ptr<BusinessObject>(object));
  return BO_OK;
}

BOStatus BusObjContainer::removeObjectAt(int index) {
  if (index < 0 || index >= getObjectCount()) return BO_BAD_INDEX;
  m_objects.erase(m_objects.begin() + index);
  return BO_OK;
}

void BusObjContainer::removeAllObjects() { m_objects.clear(); }
