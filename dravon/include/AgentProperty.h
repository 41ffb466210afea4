// The configuration properties of a discovery agent, and their XML form:
// <AgentProperties><Property Name=".." ...><AllowedValue/>..</Property>..
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <memory>
#include <vector>

#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
class DOMElement;
XERCES_CPP_NAMESPACE_END

class AFX_EXT_CLASS AgentProperty {
 public:
  AgentProperty() = default;
  // values become both the default and the current values.
  AgentProperty(const char* name, const char* description, const char* type, const CStringList& values, int required,
                int maxValues, const char* selection);
  AgentProperty(const AgentProperty& other) { *this = other; }
  AgentProperty& operator=(const AgentProperty& other);

  bool operator==(const AgentProperty& other) const;
  bool operator!=(const AgentProperty& other) const { return !(*this == other); }

  // Required and without a non-blank current value.
  bool IsIncomplete() const;
  // The first current value, or empty.
  CString GetValue() const;
  void SetValue(const char* value);

  CString m_strName;
  CString m_strDescription;
  int m_bSecret = 0;
  CString m_strType = "5";  // "5" text, "9" folder, "10" file
  CStringList m_allowedValues;
  CStringList m_defaultValues;
  CStringList m_currentValues;
  int m_bIsList = 0;             // the value is picked from the allowed values
  CString m_strSelection = "1";  // "N": several values may be picked
  int m_bRequired = 0;
  int m_nMaxValues = 1;
  int m_nMaxLength = 0;  // 0: no limit
  CString m_strText;     // free text the agent keeps with the property
};

class AFX_EXT_CLASS AgentPropArray {
 public:
  using iterator = std::vector<AgentProperty>::iterator;
  using const_iterator = std::vector<AgentProperty>::const_iterator;

  AgentPropArray() = default;
  AgentPropArray(const AgentPropArray&) = default;
  AgentPropArray& operator=(const AgentPropArray&) = default;

  bool operator==(const AgentPropArray& other) const { return m_props == other.m_props; }
  bool operator!=(const AgentPropArray& other) const { return !(*this == other); }

  iterator begin() { return m_props.begin(); }
  iterator end() { return m_props.end(); }
  const_iterator begin() const { return m_props.begin(); }
  const_iterator end() const { return m_props.end(); }
  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_props.size()); }
  // Null outside 0..size-1.
  AgentProperty* GetAt(INT_PTR index);
  const AgentProperty* GetAt(INT_PTR index) const;
  AgentProperty* Find(const char* name);
  const AgentProperty* Find(const char* name) const;
  AgentProperty& Add(const AgentProperty& property);
  void RemoveAll() { m_props.clear(); }

  // The names of the incomplete properties, or null when none is; the
  // caller deletes the list.
  CStringList* GetIncompleteProperties() const;

  // With encoding on (the default), the values of secret properties are
  // written scrambled; off, they are written as they are.
  void DoEncoding(int on) { m_bEncoding = on != 0; }
  bool IsEncoding() const { return m_bEncoding; }

  // A new document whose root <AgentProperties> holds one <Property> per
  // property; the caller releases it (DOMDocument::release).
  xercesc::DOMDocument* ToDOMDocument() const;
  // The same document as text.
  CString ToXml() const;
  // Reads a <Property> element into a property (values decoded as marked).
  static AgentProperty FromElement(const xercesc::DOMElement& element);
  // Writes one property as a <Property> element of the document.
  xercesc::DOMElement* MakeElement(xercesc::DOMDocument& doc, const AgentProperty& property) const;

 private:
  std::vector<AgentProperty> m_props;
  bool m_bEncoding = true;
};
