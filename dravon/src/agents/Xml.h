// Small helpers over the Xerces DOM: one initialisation per process and
// conversions between its UTF-16 strings and ours.
#pragma once

#include <xercesc/dom/DOM.hpp>

#include <string>
#include <vector>

namespace dravon::agents {

void EnsureXerces();

// A UTF-16 copy of a UTF-8 text, freed with the object.
class XStr {
 public:
  explicit XStr(const char* text);
  explicit XStr(const std::string& text) : XStr(text.c_str()) {}
  ~XStr();
  XStr(const XStr&) = delete;
  XStr& operator=(const XStr&) = delete;
  operator const XMLCh*() const { return m_text; }

 private:
  XMLCh* m_text;
};

std::string ToUtf8(const XMLCh* text);
std::string Attribute(const xercesc::DOMElement& element, const char* name);
// The text of each child element of that name, in order.
std::vector<std::string> ChildTexts(const xercesc::DOMElement& element, const char* name);
std::string Serialize(const xercesc::DOMNode& node);

}  // namespace dravon::agents
