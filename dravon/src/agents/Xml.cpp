#include "agents/Xml.h"

#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>

#include <memory>
#include <mutex>

namespace dravon::agents {

using namespace xercesc;

void EnsureXerces() {
  static std::once_flag once;
  std::call_once(once, [] { XMLPlatformUtils::Initialize(); });
}

XStr::XStr(const char* text) {
  EnsureXerces();
  TranscodeFromStr from(reinterpret_cast<const XMLByte*>(text), std::char_traits<char>::length(text), "UTF-8");
  m_text = from.adopt();
}

XStr::~XStr() { XMLPlatformUtils::fgMemoryManager->deallocate(m_text); }

std::string ToUtf8(const XMLCh* text) {
  if (text == nullptr) return {};
  TranscodeToStr to(text, "UTF-8");
  return reinterpret_cast<const char*>(to.str());
}

std::string Attribute(const DOMElement& element, const char* name) { return ToUtf8(element.getAttribute(XStr(name))); }

std::vector<std::string> ChildTexts(const DOMElement& element, const char* name) {
  std::vector<std::string> out;
  const XStr tag(name);
  for (DOMElement* child = element.getFirstElementChild(); child != nullptr; child = child->getNextElementSibling())
    if (XMLString::equals(child->getTagName(), tag)) out.push_back(ToUtf8(child->getTextContent()));
  return out;
}

std::string Serialize(const DOMNode& node) {
  DOMImplementation* impl = DOMImplementationRegistry::getDOMImplementation(XStr("LS"));
  std::unique_ptr<DOMLSSerializer, void (*)(DOMLSSerializer*)> writer(impl->createLSSerializer(),
                                                                      [](DOMLSSerializer* w) { w->release(); });
  writer->getDomConfig()->setParameter(XMLUni::fgDOMXMLDeclaration, false);
  XMLCh* text = writer->writeToString(&node);
  std::string out = ToUtf8(text);
  XMLString::release(&text);
  return out;
}

}  // namespace dravon::agents
