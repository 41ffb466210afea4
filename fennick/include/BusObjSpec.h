// The description of one business-object type: its attributes in order
// and the verbs it supports. Instances share their type's description.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <mfc/export.h>

#include "BOAttrType.h"
#include "charStr.h"

class CQRBusObjDef;

class AFX_EXT_CLASS BusObjSpec {
 public:
  explicit BusObjSpec(const CQRBusObjDef& def);
  BusObjSpec(const BusObjSpec&) = delete;
  BusObjSpec& operator=(const BusObjSpec&) = delete;

  const char* getName() const { return m_name.c_str(); }

  int getAttrCount() const { return static_cast<int>(m_attrs.size()); }
  // Null outside 0 .. count - 1. Descriptions never change once made.
  BOAttrType* getAttrDesc(int index) const;
  // The index of the attribute of that name (ignoring case), else -1.
  int getAttrIndex(const char* name) const;
  // The type description of an object attribute's type, from the directory;
  // null for a simple attribute or a type the directory cannot find.
  BusObjSpec* getChildSpec(int index) const;

  int getVerbCount() const { return static_cast<int>(m_verbs.size()); }
  const char* getVerb(int index) const;
  // Ignoring case; a null or empty verb is never supported.
  bool isVerbSupported(const char* verb) const;
  // Adds each verb of a list separated by commas, semicolons or blanks
  // that is not supported yet.
  void addVerbsList(const charStr& verbs);

 private:
  void addVerb(const std::string& verb);

  std::string m_name;
  std::vector<std::unique_ptr<BOAttrType>> m_attrs;
  std::vector<std::string> m_verbs;
};
