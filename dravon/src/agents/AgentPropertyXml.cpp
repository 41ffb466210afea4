// The XML form of the agents' properties over the Xerces-C DOM.
#include <cstdio>

#include "AgentProperty.h"
#include "agents/Xml.h"

using namespace xercesc;
using dravon::agents::Attribute;
using dravon::agents::ChildTexts;
using dravon::agents::XStr;

namespace {

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
  for (DOMElement* child = element.getFirstElementChild(); child != nullptr; child = child->getNextElementSibling()) {
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

DOMElement* AgentPropArray::MakeElement(DOMDocument& doc, const AgentProperty& p) const {
  DOMElement* element = doc.createElement(XStr("Property"));
  const auto set = [&](const char* name, const std::string& value) { element->setAttribute(XStr(name), XStr(value)); };
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
