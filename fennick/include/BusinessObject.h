// One business-object instance: a value per attribute of its type's
// description, and a verb.
//
// A simple attribute holds a text (or none). A single object attribute
// holds a child instance, a multiple one a container of them; both are
// owned by this object. Values are passed as `void*` the way the instance
// editor handles them: a `const char*` text for a simple attribute and a
// `BusinessObject*` for an object attribute (which this object then owns).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <mfc/export.h>

#include "BOStatus.h"
#include "BusObjSpec.h"

class BusObjContainer;

class AFX_EXT_CLASS BusinessObject {
 public:
  // Throws BusObjException when the directory finds no type description.
  explicit BusinessObject(const char* typeName);
  explicit BusinessObject(std::shared_ptr<BusObjSpec> spec);
  // Deep copies: children and containers are copied, the copy has no owner.
  BusinessObject(const BusinessObject& other);
  BusinessObject& operator=(const BusinessObject& other);
  ~BusinessObject();

  BusObjSpec* getTheSpec() const { return m_spec.get(); }
  const char* getTypeName() const { return m_spec->getName(); }

  int getAttrCount() const { return m_spec->getAttrCount(); }
  BOAttrType* getAttrDesc(int index) const { return m_spec->getAttrDesc(index); }
  int getAttrIndex(const char* name) const { return m_spec->getAttrIndex(name); }

  // The text (`const char*`), child `BusinessObject*` or `BusObjContainer*`
  // of the attribute; null when it has none or the index is out of range.
  void* getAttrValue(int index) const;
  void* getAttrValue(const char* name) const;
  const char* getAttrText(int index) const;
  BusinessObject* getAttrObject(int index) const;
  BusObjContainer* getAttrContainer(int index) const;

  // Sets the attribute; a null value clears it (freeing a child or
  // container). `typeNum` must be the attribute's type code. A text must
  // suit the type and length. A child must be of the attribute's type and
  // have no owner; on a multiple attribute it is appended to the container
  // (made when missing). Setting the value the attribute already holds
  // changes nothing. On failure the value is left unchanged (and a child
  // stays the caller's).
  BOStatus setAttributeValue(int index, void* value, int typeNum);
  BOStatus setAttributeValue(const char* name, void* value, int typeNum);
  BOStatus setAttrText(int index, const char* text);

  // Each simple attribute whose definition has a default that suits its
  // type takes that default; other attributes keep their values.
  void setDefaultAttrValues();

  // Null when the object has no verb.
  const char* getVerb() const { return m_verb ? m_verb->c_str() : nullptr; }
  void setVerb(const char* verb);

  // Whether a parent object or a container holds this object.
  bool hasOwner() const { return m_owned; }

 private:
  friend class BusObjContainer;

  struct Slot {
    std::optional<std::string> text;
    std::unique_ptr<BusinessObject> object;
    std::unique_ptr<BusObjContainer> container;
  };

  void copyValuesFrom(const BusinessObject& other);
  BOStatus setText(Slot& slot, const BOAttrType& desc, const char* text);
  BOStatus setObject(Slot& slot, const BOAttrType& desc, BusinessObject* child);
  static void clear(Slot& slot);

  std::shared_ptr<BusObjSpec> m_spec;
  std::vector<Slot> m_slots;
  std::optional<std::string> m_verb;
  bool m_owned = false;
};
