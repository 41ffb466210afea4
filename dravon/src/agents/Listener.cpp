#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>

#include "BDKAgent.h"
#include "agents/Xml.h"

using namespace xercesc;
using dravon::agents::XStr;

const char* const TreeNode::m_pchDefaultFilter = "*";

TreeNode::TreeNode(const char* name, const char* description, bool generable, bool hasChildren, int kind)
    : m_strName(name),
      m_strDescription(description),
      m_bGenerable(generable),
      m_bHasChildren(hasChildren),
      m_nKind(kind) {}

int CQRBDKAgentMetaData::GetContentProtocol(int type) const {
  const auto it = m_protocols.find(type);
  return it == m_protocols.end() ? ZTK::CONTENT_PROTOCOL_NONE : it->second;
}

std::vector<int> CQRBDKAgentMetaData::GetContentTypes() const {
  std::vector<int> types;
  for (const auto& entry : m_protocols) types.push_back(entry.first);
  return types;
}

void CQRBDKAgentMetaData::SetSearch(bool enabled, const char* hint) {
  m_bSearchEnabled = enabled;
  m_strSearchHint = hint;
}

int IMsgReceiver::DisplayMessage(const char* text, UINT style) {
  StartMessage(text, style);
  const CString caption = GetReceiverName();
  const int answer = MessageBox(nullptr, text, caption, style);
  EndMessage(answer, style);
  return answer;
}

CQRBDKListener::CQRBDKListener(IMsgReceiver* receiver, int) : m_pReceiver(receiver) {}

CQRBDKListener::~CQRBDKListener() = default;

DOMDocument* CQRBDKListener::ParsePropData(const char* buffer) {
  if (buffer == nullptr) return nullptr;
  dravon::agents::EnsureXerces();
  m_parser = std::make_unique<XercesDOMParser>();
  m_parser->setValidationScheme(XercesDOMParser::Val_Never);
  HandlerBase errors;  // throws on the first error instead of printing it
  m_parser->setErrorHandler(&errors);
  MemBufInputSource source(reinterpret_cast<const XMLByte*>(buffer), std::char_traits<char>::length(buffer),
                           "properties");
  try {
    m_parser->parse(source);
  } catch (...) {
    m_parser.reset();
    return nullptr;
  }
  m_parser->setErrorHandler(nullptr);
  DOMDocument* doc = m_parser->getDocument();
  return doc != nullptr && doc->getDocumentElement() != nullptr ? doc : nullptr;
}

void CQRBDKListener::AddValues(DOMDocument* doc, const AgentPropArray& props) {
  if (doc == nullptr || doc->getDocumentElement() == nullptr) return;
  DOMElement* root = doc->getDocumentElement();
  const XStr tag("Property");
  for (DOMElement* element = root->getFirstElementChild(); element != nullptr;) {
    DOMElement* next = element->getNextElementSibling();
    if (XMLString::equals(element->getTagName(), tag)) {
      const AgentProperty* p = props.Find(dravon::agents::Attribute(*element, "Name").c_str());
      if (p != nullptr) root->replaceChild(props.MakeElement(*doc, *p), element)->release();
    }
    element = next;
  }
}

const char* CQRBDKListener::Keep(UINT message, const char* text, int slot) {
  std::string& kept = m_texts[{message, slot}];
  kept = text != nullptr ? text : "";
  return kept.c_str();
}

bool CQRBDKListener::Post(UINT message, WPARAM wParam, LPARAM lParam) {
  return m_hEventWnd != nullptr && IsWindow(m_hEventWnd) && PostMessage(m_hEventWnd, message, wParam, lParam);
}

bool CQRBDKListener::PostPropertiesRequest(const char* text1, const char* text2, const AgentPropArray& props) {
  m_requestProps = props;
  const char* first = Keep(WM_BDK_PROPERTIES_REQUEST, text1, 0);
  const char* second = Keep(WM_BDK_PROPERTIES_REQUEST, text2, 1);
  return Post(WM_BDK_PROPERTIES_REQUEST, reinterpret_cast<WPARAM>(first), reinterpret_cast<LPARAM>(second));
}

bool CQRBDKListener::PostNotification(const char* text, UINT style) {
  return Post(WM_BDK_NOTIFICATION, reinterpret_cast<WPARAM>(Keep(WM_BDK_NOTIFICATION, text)), style);
}

bool CQRBDKListener::PostStatus(const char* text, UINT style) {
  return Post(WM_BDK_STATUS, reinterpret_cast<WPARAM>(Keep(WM_BDK_STATUS, text)), style);
}

bool CQRBDKListener::PostGeneratedText(const char* text) {
  return Post(WM_BDK_GENERATED_TEXT, 0, reinterpret_cast<LPARAM>(Keep(WM_BDK_GENERATED_TEXT, text)));
}

bool CQRBDKListener::PostInformationRequest() { return Post(WM_BDK_INFORMATION_REQUEST, 0, 0); }

bool CQRBDKListener::PostContent(int type, int count) {
  return Post(WM_BDK_CONTENT, static_cast<WPARAM>(type), count & 0xFFFF);
}

bool CQRBDKListener::PostStopped() { return Post(WM_BDK_STOPPED, 0, 0); }

int CBDKListenerDOM::Populate(DOMNodeList* nodes, AgentPropArray* props, int) {
  if (nodes == nullptr || props == nullptr) return 0;
  const XStr tag("Property");
  int count = 0;
  for (XMLSize_t i = 0; i < nodes->getLength(); ++i) {
    auto* element = dynamic_cast<DOMElement*>(nodes->item(i));
    if (element == nullptr || !XMLString::equals(element->getTagName(), tag)) continue;
    const AgentProperty read = AgentPropArray::FromElement(*element);
    if (AgentProperty* known = props->Find(read.m_strName))
      *known = read;
    else
      props->Add(read);
    ++count;
  }
  return count;
}
