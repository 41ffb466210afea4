// The process-wide directory of business-object type descriptions, by name
// (ignoring case). A name it does not hold yet is looked up among the
// definitions of the data manager's session.
#pragma once

#include <map>
#include <memory>
#include <string>

#include <mfc/export.h>

#include "BusObjSpec.h"

class AFX_EXT_CLASS BusObjSpecDirectory {
 public:
  static BusObjSpecDirectory* getTheBusObjSpecDirectory();

  // Null when neither the directory nor the session knows the name.
  BusObjSpec* find(const char* name);
  std::shared_ptr<BusObjSpec> findShared(const char* name);
  // Makes (or makes anew) the type description of a definition.
  BusObjSpec* add(const CQRBusObjDef& def);
  // Instances made before keep the type description they were made with.
  void remove(const char* name);
  void clear();
  int getCount() const { return static_cast<int>(m_specs.size()); }

 private:
  BusObjSpecDirectory() = default;
  static std::string keyOf(const char* name);
  std::shared_ptr<BusObjSpec> put(const CQRBusObjDef& def);

  std::map<std::string, std::shared_ptr<BusObjSpec>> m_specs;
};
