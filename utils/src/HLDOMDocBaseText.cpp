// Text conversions between the class library's UTF-8 strings and the DOM,
// and the node helpers.
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLString.hpp>

#include "HLDOMDoc.h"

using namespace xercesc;

namespace {

bool HasName(const DOMNode* node, LPCTSTR name) { return !name || HLDOMDocBase::GetNodeName(node) == name; }

DOMElement* FirstElementFrom(DOMNode* node, LPCTSTR name) {
  for (; node; node = node->getNextSibling()) {
    if (node->getNodeType() == DOMNode::ELEMENT_NODE && HasName(node, name)) return static_cast<DOMElement*>(node);
  }
  return nullptr;
}

}  // namespace

CString HLDOMDocBase::DOMToCString(const XMLCh* text) {
  if (!text || !*text) return CString();
  TranscodeToStr utf8(text, "UTF-8");
  return CString(reinterpret_cast<const char*>(utf8.str()), static_cast<int>(utf8.length()));
}

DOMString HLDOMDocBase::CStringToDOMString(LPCTSTR text) {
  if (!text || !*text) return DOMString();
  TranscodeFromStr wide(reinterpret_cast<const XMLByte*>(text), XMLString::stringLen(text), "UTF-8");
  return DOMString(wide.str(), wide.length());
}

CString HLDOMDocBase::GetAttribString(const DOMElement* element, LPCTSTR name) {
  if (!element || !name) return CString();
  return DOMToCString(element->getAttribute(CStringToDOMString(name).c_str()));
}

BOOL HLDOMDocBase::SetAttribString(DOMElement* element, LPCTSTR name, LPCTSTR value) {
  if (!element || !name) return FALSE;
  try {
    element->setAttribute(CStringToDOMString(name).c_str(), CStringToDOMString(value).c_str());
  } catch (const DOMException&) {
    return FALSE;
  }
  return TRUE;
}

CString HLDOMDocBase::GetNodeName(const DOMNode* node) { return node ? DOMToCString(node->getNodeName()) : CString(); }

CString HLDOMDocBase::GetNodeText(const DOMNode* node) {
  return node ? DOMToCString(node->getTextContent()) : CString();
}

DOMElement* HLDOMDocBase::FirstChildElement(const DOMNode* parent, LPCTSTR name) {
  return parent ? FirstElementFrom(parent->getFirstChild(), name) : nullptr;
}

DOMElement* HLDOMDocBase::NextSiblingElement(const DOMNode* node, LPCTSTR name) {
  return node ? FirstElementFrom(node->getNextSibling(), name) : nullptr;
}
