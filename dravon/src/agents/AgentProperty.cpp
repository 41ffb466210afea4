#include "AgentProperty.h"

#include <cstdio>

#include "agents/Xml.h"

using namespace xercesc;
using dravon::agents::Attribute;
using dravon::agents::ChildTexts;
using dravon::agents::XStr;

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

// Secret values are kept out of plain sight: each byte xor 0x5A, in hex.
constexpr unsigned char kScramble = 0x5A;

std::string Scramble(const std::string& value) {
  std::string out;
  char hex[3];
  for (unsigned char c : value) {
    std::snprintf(hex, sizeof hex, "%02X", c ^ kScramble);
    out += hex;
  }
  return out;
}

std::string Unscramble(const std::string& text) {
  std::string out;
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    unsigned value = 0;
    if (std::sscanf(text.c_str() + i, "%2X", &value) != 1) return text;
    out += static_cast<char>(value ^ kScramble);
  }
  return out;
}

void AppendValues(DOMDocument& doc, DOMElement& parent, const char* tag, const CStringList& values, bool scramble) {
  for (POSITION pos = values.GetHeadPosition(); pos != nullptr;) {
    const std::string value = static_cast<const char*>(values.GetNext(pos));
    DOMElement* element = doc.createElement(XStr(tag));
    if (scramble) element->setAttribute(XStr("Encoded"), XStr("1"));
    element->setTextContent(XStr(scramble ? Scramble(value) : value));
    parent.appendChild(element);
  }
}

void ReadValues(const DOMElement& element, const char* tag, CStringList& values) {
  values.RemoveAll();
  const XStr name(tag);
  for (DOMElement* child = element.getFirstElementChild(); child != nullptr;
       child = child->getNextElementSibling()) {
    if (!XMLString::equals(child->getTagName(), name)) continue;
    std::string value = dravon::agents::ToUtf8(child->getTextContent());
    if (Attribute(*child, "Encoded") == "1") value = Unscramble(value);
    values.AddTail(value.c_str());
  }
}

int IntAttribute(const DOMElement& element, const char* name, int fallback) {
  const std::string text = Attribute(element, name);
  return text.empty() ? fallback : std::atoi(text.c_str());
}

}  // namespace

AgentProperty::AgentProperty(const char* name, const char* description, const char* type, const CStringList& values,
                             int required, int maxValues, const char* selection)
    : m_strName(name), m_strDescription(description), m_strType(type), m_strSelection(selection),
      m_bRequired(required), m_nMaxValues(maxValues) {
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

CString AgentProperty::GetValue() const {
  return m_currentValues.IsEmpty() ? CString() : m_currentValues.GetHead();
}

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

DOMElement* AgentPropArray::MakeElement(DOMDocument& doc, const AgentProperty& p) const {
  DOMElement* element = doc.createElement(XStr("Property"));
  const auto set = [&](const char* name, const std::string& value) {
    element->setAttribute(XStr(name), XStr(value));
  };
  set("Name", static_cast<const char*>(p.m_strName));
  set("Description", static_cast<const char*>(p.m_strDescription));
  set("Type", static_cast<const char*>(p.m_strType));
  set("Secret", std::to_string(p.m_bSecret));
  set("IsList", std::to_string(p.m_bIsList));
  set("Selection", static_cast<const char*>(p.m_strSelection));
  set("Required", std::to_string(p.m_bRequired));
  set("MaxValues", std::to_string(p.m_nMaxValues));
  set("MaxLength", std::to_string(p.m_nMaxLength));
  set("Text", static_cast<const char*>(p.m_strText));
  const bool scramble = m_bEncoding && p.m_bSecret != 0;
  AppendValues(doc, *element, "AllowedValue", p.m_allowedValues, false);
  AppendValues(doc, *element, "DefaultValue", p.m_defaultValues, scramble);
  AppendValues(doc, *element, "CurrentValue", p.m_currentValues, scramble);
  return element;
}

AgentProperty AgentPropArray::FromElement(const DOMElement& element) {
  AgentProperty p;
  p.m_strName = Attribute(element, "Name").c_str();
  p.m_strDescription = Attribute(element, "Description").c_str();
  const std::string type = Attribute(element, "Type");
  if (!type.empty()) p.m_strType = type.c_str();
  p.m_bSecret = IntAttribute(element, "Secret", 0);
  p.m_bIsList = IntAttribute(element, "IsList", 0);
  const std::string selection = Attribute(element, "Selection");
  if (!selection.empty()) p.m_strSelection = selection.c_str();
  p.m_bRequired = IntAttribute(element, "Required", 0);
  p.m_nMaxValues = IntAttribute(element, "MaxValues", 1);
  p.m_nMaxLength = IntAttribute(element, "MaxLength", 0);
  p.m_strText = Attribute(element, "Text").c_str();
  ReadValues(element, "AllowedValue", p.m_allowedValues);
  ReadValues(element, "DefaultValue", p.m_defaultValues);
  ReadValues(element, "CurrentValue", p.m_currentValues);
  return p;
}

DOMDocument* AgentPropArray::ToDOMDocument() const {
  dravon::agents::EnsureXerces();
  DOMImplementation* impl = DOMImplementationRegistry::getDOMImplementation(XStr("Core"));
  DOMDocument* doc = impl->createDocument(nullptr, XStr("AgentProperties"), nullptr);
  for (const AgentProperty& p : m_props) doc->getDocumentElement()->appendChild(MakeElement(*doc, p));
  return doc;
}

CString AgentPropArray::ToXml() const {
  DOMDocument* doc = ToDOMDocument();
  const std::string text = dravon::agents::Serialize(*doc->getDocumentElement());
  doc->release();
  return text.c_str();
}
