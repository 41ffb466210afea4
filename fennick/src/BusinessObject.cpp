// Instances: values per attribute, children and containers, the verb.
#include "BusinessObject.h"

#include "BusObjContainer.h"
#include "BusObjException.h"
#include "BusObjSpecDirectory.h"
#include "Text.h"

namespace {

std::shared_ptr<BusObjSpec> SpecOf(const char* typeName) {
  std::shared_ptr<BusObjSpec> spec = BusObjSpecDirectory::getTheBusObjSpecDirectory()->findShared(typeName);
  if (!spec)
    throw BusObjException(std::string("No type description of the business object type \"") +
                          (typeName != nullptr ? typeName : "") + "\"");
  return spec;
}

}  // namespace

BusinessObject::BusinessObject(const char* typeName) : BusinessObject(SpecOf(typeName)) {}

BusinessObject::BusinessObject(std::shared_ptr<BusObjSpec> spec) : m_spec(std::move(spec)) {
  if (!m_spec) throw BusObjException("A business object needs a type description");
  m_slots.resize(m_spec->getAttrCount());
}

BusinessObject::BusinessObject(const BusinessObject& other) : m_spec(other.m_spec), m_verb(other.m_verb) {
  copyValuesFrom(other);
}

BusinessObject& BusinessObject::operator=(const BusinessObject& other) {
  if (this == &other) return *this;
  // The owner flag stays: it tells where this object lives, not what it holds.
  m_spec = other.m_spec;
  m_verb = other.m_verb;
  copyValuesFrom(other);
  return *this;
}

BusinessObject::~BusinessObject() = default;

void BusinessObject::copyValuesFrom(const BusinessObject& other) {
  std::vector<Slot> slots(other.m_slots.size());
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const Slot& from = other.m_slots[i];
    slots[i].text = from.text;
    if (from.object) {
      slots[i].object = std::make_unique<BusinessObject>(*from.object);
      slots[i].object->m_owned = true;
    }
    if (from.container) slots[i].container = std::make_unique<BusObjContainer>(*from.container);
  }
  m_slots = std::move(slots);
}

void* BusinessObject::getAttrValue(int index) const {
  if (index < 0 || index >= static_cast<int>(m_slots.size())) return nullptr;
  const Slot& slot = m_slots[index];
  if (slot.text) return const_cast<char*>(slot.text->c_str());
  if (slot.object) return slot.object.get();
  return slot.container.get();
}

void* BusinessObject::getAttrValue(const char* name) const { return getAttrValue(getAttrIndex(name)); }

const char* BusinessObject::getAttrText(int index) const {
  const BOAttrType* desc = getAttrDesc(index);
  return desc != nullptr && !desc->isObjectType() ? static_cast<const char*>(getAttrValue(index)) : nullptr;
}

BusinessObject* BusinessObject::getAttrObject(int index) const {
  const BOAttrType* desc = getAttrDesc(index);
  return desc != nullptr && desc->isObjectType() && !desc->isMultipleCard() ? m_slots[index].object.get() : nullptr;
}

BusObjContainer* BusinessObject::getAttrContainer(int index) const {
  const BOAttrType* desc = getAttrDesc(index);
  return desc != nullptr && desc->isObjectType() && desc->isMultipleCard() ? m_slots[index].container.get() : nullptr;
}

BOStatus BusinessObject::setAttributeValue(int index, void* value, int typeNum) {
  const BOAttrType* desc = getAttrDesc(index);
  if (desc == nullptr) return BO_BAD_INDEX;
  if (typeNum != desc->getTypeNum()) return BO_BAD_TYPE;
  Slot& slot = m_slots[index];
  if (value == nullptr) {
    clear(slot);
    return BO_OK;
  }
  if (desc->isObjectType()) return setObject(slot, *desc, static_cast<BusinessObject*>(value));
  return setText(slot, *desc, static_cast<const char*>(value));
}

BOStatus BusinessObject::setAttributeValue(const char* name, void* value, int typeNum) {
  return setAttributeValue(getAttrIndex(name), value, typeNum);
}

BOStatus BusinessObject::setAttrText(int index, const char* text) {
  const BOAttrType* desc = getAttrDesc(index);
  if (desc == nullptr) return BO_BAD_INDEX;
  if (desc->isObjectType()) return BO_BAD_TYPE;
  return setAttributeValue(index, const_cast<char*>(text), desc->getTypeNum());
}

BOStatus BusinessObject::setText(Slot& slot, const BOAttrType& desc, const char* text) {
  // The editor hands back the pointer it read: nothing to do.
  if (slot.text && slot.text->c_str() == text) return BO_OK;
  const BOStatus check = desc.checkValue(text);
  if (check != BO_OK) return check;
  slot.text = text;
  return BO_OK;
}

BOStatus BusinessObject::setObject(Slot& slot, const BOAttrType& desc, BusinessObject* child) {
  if (desc.isMultipleCard()) {
    if (slot.container && slot.container->indexOf(child) >= 0) return BO_OK;
    auto container = slot.container ? nullptr : std::make_unique<BusObjContainer>(desc.getTypeName());
    BusObjContainer& target = slot.container ? *slot.container : *container;
    const BOStatus added = target.addObject(child);
    if (added == BO_OK && container) slot.container = std::move(container);
    return added;
  }
  if (slot.object.get() == child) return BO_OK;
  if (child->hasOwner()) return BO_OWNED;
  if (!fennick::EqualNoCase(child->getTypeName(), desc.getTypeName())) return BO_BAD_TYPE;
  child->m_owned = true;
  slot.object.reset(child);
  return BO_OK;
}

void BusinessObject::clear(Slot& slot) {
  slot.text.reset();
  slot.object.reset();
  slot.container.reset();
}

void BusinessObject::setDefaultAttrValues() {
  for (int i = 0; i < getAttrCount(); ++i) {
    const BOAttrType& desc = *getAttrDesc(i);
    const char* value = desc.getDefaultValue();
    if (desc.isObjectType() || *value == '\0' || desc.checkValue(value) != BO_OK) continue;
    m_slots[i].text = value;
  }
}

void BusinessObject::setVerb(const char* verb) {
  if (verb != nullptr)
    m_verb = verb;
  else
    m_verb.reset();
}
