// Owning, creating, loading and saving the document.
#include <xercesc/framework/MemBufFormatTarget.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "HLDOMDoc.h"

using namespace xercesc;

namespace {

// Keeps the first error of a parse; later ones follow from it.
class FirstErrorHandler : public ErrorHandler {
 public:
  void warning(const SAXParseException&) override {}
  void error(const SAXParseException& e) override { Keep(e); }
  void fatalError(const SAXParseException& e) override { Keep(e); }
  void resetErrors() override {
    m_error = XmlParseError();
    m_failed = false;
  }

  bool failed() const { return m_failed; }
  const XmlParseError& first() const { return m_error; }

 private:
  void Keep(const SAXParseException& e) {
    if (m_failed) return;
    m_failed = true;
    m_error.line = static_cast<int>(e.getLineNumber());
    m_error.column = static_cast<int>(e.getColumnNumber());
    m_error.message = HLDOMDocBase::DOMToCString(e.getMessage());
  }

  XmlParseError m_error;
  bool m_failed = false;
};

bool IsBlank(const XMLCh* text) {
  for (; text && *text; ++text) {
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') return false;
  }
  return true;
}

// Removes the blank text nodes that sit between elements.
void DropBlankText(DOMNode* parent) {
  DOMNode* child = parent->getFirstChild();
  while (child) {
    DOMNode* next = child->getNextSibling();
    if (child->getNodeType() == DOMNode::TEXT_NODE && IsBlank(child->getNodeValue()) &&
        (child->getPreviousSibling() || next)) {
      parent->removeChild(child)->release();
    } else if (child->getNodeType() == DOMNode::ELEMENT_NODE) {
      DropBlankText(child);
    }
    child = next;
  }
}

DOMImplementation* Implementation() {
  static const XMLCh kCore[] = {'C', 'o', 'r', 'e', 0};
  return DOMImplementationRegistry::getDOMImplementation(kCore);
}

// `node` as UTF-8 bytes.
std::string Serialise(const DOMNode* node, bool pretty, const XMLCh* newLine) {
  static const XMLCh kUtf8[] = {'U', 'T', 'F', '-', '8', 0};
  DOMImplementationLS* ls = Implementation();
  std::unique_ptr<DOMLSSerializer, void (*)(DOMLSSerializer*)> serializer(ls->createLSSerializer(),
                                                                          [](DOMLSSerializer* s) { s->release(); });
  std::unique_ptr<DOMLSOutput, void (*)(DOMLSOutput*)> output(ls->createLSOutput(),
                                                              [](DOMLSOutput* o) { o->release(); });
  DOMConfiguration* config = serializer->getDomConfig();
  if (config->canSetParameter(XMLUni::fgDOMWRTFormatPrettyPrint, pretty)) {
    config->setParameter(XMLUni::fgDOMWRTFormatPrettyPrint, pretty);
  }
  // No blank line between the root's children.
  if (config->canSetParameter(XMLUni::fgDOMWRTXercesPrettyPrint, false)) {
    config->setParameter(XMLUni::fgDOMWRTXercesPrettyPrint, false);
  }
  serializer->setNewLine(newLine);
  MemBufFormatTarget target;
  output->setByteStream(&target);
  output->setEncoding(kUtf8);
  try {
    if (!serializer->write(node, output.get())) return std::string();
  } catch (const DOMException&) {
    return std::string();
  }
  return std::string(reinterpret_cast<const char*>(target.getRawBuffer()), target.getLen());
}

const XMLCh kLf[] = {'\n', 0};
const XMLCh kCrLf[] = {'\r', '\n', 0};

}  // namespace

void HLDOMDocBase::Release::operator()(DOMDocument* document) const { document->release(); }

HLDOMDocBase::HLDOMDocBase() { InitializeXml(); }

HLDOMDocBase::~HLDOMDocBase() = default;

void HLDOMDocBase::SetDOMDocument(DOMDocument* document) { m_document.reset(document); }

DOMDocument* HLDOMDocBase::DetachDOMDocument() { return m_document.release(); }

DOMElement* HLDOMDocBase::GetRootElement() const { return m_document ? m_document->getDocumentElement() : nullptr; }

BOOL HLDOMDocBase::Create(LPCTSTR rootName) {
  if (!rootName || !*rootName) return FALSE;
  try {
    SetDOMDocument(Implementation()->createDocument(nullptr, CStringToDOMString(rootName).c_str(), nullptr));
  } catch (const DOMException&) {
    return FALSE;
  }
  m_modified = FALSE;
  return TRUE;
}

BOOL HLDOMDocBase::Parse(const char* data, size_t length, const char* systemId) {
  m_error = XmlParseError();
  if (!data) {
    m_error.message = "No text to parse";
    return FALSE;
  }
  XercesDOMParser parser;
  parser.setValidationScheme(XercesDOMParser::Val_Never);
  parser.setDoNamespaces(false);
  parser.setLoadExternalDTD(false);
  parser.setDisableDefaultEntityResolution(true);
  parser.setCreateEntityReferenceNodes(false);
  FirstErrorHandler errors;
  parser.setErrorHandler(&errors);
  MemBufInputSource source(reinterpret_cast<const XMLByte*>(data), length, systemId, false);
  try {
    parser.parse(source);
  } catch (const XMLException& e) {
    m_error.message = DOMToCString(e.getMessage());
    return FALSE;
  } catch (const DOMException& e) {
    m_error.message = DOMToCString(e.getMessage());
    return FALSE;
  }
  if (errors.failed() || !parser.getDocument() || !parser.getDocument()->getDocumentElement()) {
    m_error = errors.first();
    if (m_error.message.IsEmpty()) m_error.message = "The text holds no document element";
    return FALSE;
  }
  DOMDocument* document = parser.adoptDocument();
  DropBlankText(document);
  SetDOMDocument(document);
  m_modified = FALSE;
  return TRUE;
}

BOOL HLDOMDocBase::LoadFromMemory(const char* data, size_t length) { return Parse(data, length, "memory"); }

BOOL HLDOMDocBase::LoadFromString(const CString& text) {
  return Parse(text.GetString(), static_cast<size_t>(text.GetLength()), "memory");
}

BOOL HLDOMDocBase::LoadFromFile(LPCTSTR path) {
  m_error = XmlParseError();
  std::ifstream in(path ? path : "", std::ios::binary);
  if (!path || !in) {
    m_error.message.Format("Cannot open the file \"%s\"", path ? path : "");
    return FALSE;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(bytes.data(), bytes.size(), path);
}

CString HLDOMDocBase::DOMToCString(const DOMNode* node, BOOL pretty) {
  if (!node) return CString();
  return CString(Serialise(node, pretty, kLf));
}

CString HLDOMDocBase::ToString(BOOL pretty) const { return DOMToCString(m_document.get(), pretty); }

BOOL HLDOMDocBase::SaveToFile(LPCTSTR path) {
  if (!m_document || !path || !*path) return FALSE;
  std::string text = Serialise(m_document.get(), true, kCrLf);
  if (text.empty()) return FALSE;
  std::string temporary = std::string(path) + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
      out.close();
      std::remove(temporary.c_str());
      return FALSE;
    }
  }
  if (std::rename(temporary.c_str(), path) != 0) {
    std::remove(temporary.c_str());
    return FALSE;
  }
  m_modified = FALSE;
  return TRUE;
}

DOMElement* HLDOMDocBase::AddElement(DOMElement* parent, LPCTSTR name, LPCTSTR text) {
  if (!m_document || !name) return nullptr;
  DOMElement* owner = parent ? parent : GetRootElement();
  if (!owner || owner->getOwnerDocument() != m_document.get()) return nullptr;
  try {
    DOMElement* element = m_document->createElement(CStringToDOMString(name).c_str());
    if (text) element->setTextContent(CStringToDOMString(text).c_str());
    owner->appendChild(element);
    m_modified = TRUE;
    return element;
  } catch (const DOMException&) {
    return nullptr;
  }
}
