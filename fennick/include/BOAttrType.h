// The description of one attribute of a business-object type description:
// its name, type, cardinality, keys, length and default, taken from the
// attribute of the definition.
#pragma once

#include <string>

#include <mfc/export.h>

#include "BOStatus.h"

class CBODefAttr;

class AFX_EXT_CLASS BOAttrType {
 public:
  // The type codes, the indexes of the type-name table.
  enum TypeNum {
    OBJECT = 0,
    BOOLEAN = 1,
    INTEGER = 2,
    FLOAT = 3,
    DOUBLE = 4,
    STRING = 5,
    DATE = 6,
    LONGTEXT = 7,
    CIPHERTEXT = 8,
    DIRECTORY = 9,
    FILE = 10,
  };
  static constexpr int kTypeCount = 11;

  explicit BOAttrType(const CBODefAttr& attr);

  const char* getName() const { return m_name.c_str(); }
  // The type as the definition writes it (a plain type or a definition's name).
  const char* getTypeName() const { return m_typeName.c_str(); }
  const char* getCardinality() const { return m_cardinality.c_str(); }
  // A cardinality other than empty or "1" ("N"); such an object attribute
  // holds a container.
  bool isMultipleCard() const;
  int getTypeNum() const { return m_typeNum; }
  bool isObjectType() const { return m_typeNum == OBJECT; }
  bool isKey() const { return m_key; }
  bool isForeignKey() const { return m_foreignKey; }
  bool isRequired() const { return m_required; }
  // The maximum number of characters of a text value; 0 when unlimited.
  int getMaxLength() const { return m_maxLength; }
  const char* getDefaultValue() const { return m_default.c_str(); }
  const char* getAppSpecificInfo() const { return m_appInfo.c_str(); }

  // Whether the text is a value of this (simple) attribute: BO_OK, or why not.
  BOStatus checkValue(const char* text) const;

  // The code of a type name (ignoring case; "LongText" and "Long text" alike);
  // a name that is no plain type names a business object: OBJECT.
  static int typeNumOf(const char* typeName);
  // The table's name of a code; "Invalid type" outside 0 to 10.
  static const char* typeNameOf(int typeNum);

 private:
  std::string m_name;
  std::string m_typeName;
  std::string m_cardinality;
  int m_typeNum = STRING;
  bool m_key = false;
  bool m_foreignKey = false;
  bool m_required = false;
  int m_maxLength = 0;
  std::string m_default;
  std::string m_appInfo;
};
