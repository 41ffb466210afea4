// The agents' properties as data; their XML form is in the agents
// library (agents/AgentPropertyXml.cpp), which alone needs Xerces-C.
#include "AgentProperty.h"

namespace {

bool SameList(const CStringList& a, const CStringList& b) {
  if (a.GetCount() != b.GetCount()) return false;
  POSITION pa = a.GetHeadPosition();
  POSITION pb = b.GetHeadPosition();
  while (pa != nullptr)
    if (a.GetNext(pa) != b.GetNext(pb)) return false;
  return true;
}

void CopyList(CStringList& to, const CStringList& from) {
  to.RemoveAll();
  to.AddTail(&from);
}

}  // namespace

AgentProperty::AgentProperty(const char* name, const char* description, const char* type, const CStringList& values,
                             int required, int maxValues, const char* selection)
    : m_strName(name),
      m_strDescription(description),
      m_strType(type),
      m_strSelection(selection),
      m_bRequired(required),
      m_nMaxValues(maxValues) {
  CopyList(m_defaultValues, values);
  CopyList(m_currentValues, values);
}

AgentProperty& AgentProperty::operator=(const AgentProperty& other) {
  if (this == &other) return *this;
  m_strName = other.m_strName;
  m_strDescription = other.m_strDescription;
  m_bSecret = other.m_bSecret;
  m_strType = other.m_strType;
  CopyList(m_allowedValues, other.m_allowedValues);
  CopyList(m_defaultValues, other.m_defaultValues);
  CopyList(m_currentValues, other.m_currentValues);
  m_bIsList = other.m_bIsList;
  m_strSelection = other.m_strSelection;
  m_bRequired = other.m_bRequired;
  m_nMaxValues = other.m_nMaxValues;
  m_nMaxLength = other.m_nMaxLength;
  m_strText = other.m_strText;
  return *this;
}

bool AgentProperty::operator==(const AgentProperty& o) const {
  return m_strName == o.m_strName && m_strDescription == o.m_strDescription && m_bSecret == o.m_bSecret &&
         m_strType == o.m_strType && SameList(m_allowedValues, o.m_allowedValues) &&
         SameList(m_defaultValues, o.m_defaultValues) && SameList(m_currentValues, o.m_currentValues) &&
         m_bIsList == o.m_bIsList && m_strSelection == o.m_strSelection && m_bRequired == o.m_bRequired &&
         m_nMaxValues == o.m_nMaxValues && m_nMaxLength == o.m_nMaxLength && m_strText == o.m_strText;
}

bool AgentProperty::IsIncomplete() const {
  if (!m_bRequired) return false;
  for (POSITION pos = m_currentValues.GetHeadPosition(); pos != nullptr;) {
    CString value = m_currentValues.GetNext(pos);
    value.Trim();
    if (!value.IsEmpty()) return false;
  }
  return true;
}

CString AgentProperty::GetValue() const { return m_currentValues.IsEmpty() ? CString() : m_currentValues.GetHead(); }

void AgentProperty::SetValue(const char* value) {
  m_currentValues.RemoveAll();
  m_currentValues.AddTail(value);
}

AgentProperty* AgentPropArray::GetAt(INT_PTR index) {
  return index < 0 || index >= GetSize() ? nullptr : &m_props[static_cast<size_t>(index)];
}

const AgentProperty* AgentPropArray::GetAt(INT_PTR index) const {
  return const_cast<AgentPropArray*>(this)->GetAt(index);
}

AgentProperty* AgentPropArray::Find(const char* name) {
  for (AgentProperty& p : m_props)
    if (p.m_strName == name) return &p;
  return nullptr;
}

const AgentProperty* AgentPropArray::Find(const char* name) const {
  return const_cast<AgentPropArray*>(this)->Find(name);
}

AgentProperty& AgentPropArray::Add(const AgentProperty& property) { return m_props.emplace_back(property); }

CStringList* AgentPropArray::GetIncompleteProperties() const {
  auto names = std::make_unique<CStringList>();
  for (const AgentProperty& p : m_props)
    if (p.IsIncomplete()) names->AddTail(p.m_strName);
  return names->IsEmpty() ? nullptr : names.release();
}
