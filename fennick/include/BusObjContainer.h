// An ordered list of instances of one business-object type, owned by the
// container (the value of a multiple object attribute).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <mfc/export.h>

#include "BOStatus.h"

class BusinessObject;

class AFX_EXT_CLASS BusObjContainer {
 public:
  explicit BusObjContainer(const char* typeName);
  // Deep copy: every element is copied.
  BusObjContainer(const BusObjContainer& other);
  BusObjContainer& operator=(const BusObjContainer&) = delete;
  ~BusObjContainer();

  const char* getTypeName() const { return m_typeName.c_str(); }
  int getObjectCount() const { return static_cast<int>(m_objects.size()); }
  // Null outside 0 .. count - 1.
  BusinessObject* getObject(int index) const;
  // The element's position, else -1.
  int indexOf(const BusinessObject* object) const;

  // Takes the object at `index` (0 .. count): it must be of the container's
  // type and have no owner. On failure the object stays the caller's.
  BOStatus insertObjectAt(int index, BusinessObject* object);
  BOStatus addObject(BusinessObject* object) { return insertObjectAt(getObjectCount(), object); }
  // Frees the element.
  BOStatus removeObjectAt(int index);
  void removeAllObjects();

 private:
  std::string m_typeName;
  std::vector<std::unique_ptr<BusinessObject>> m_objects;
};
