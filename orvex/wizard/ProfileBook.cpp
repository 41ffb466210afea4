#include "ProfileBook.h"

#include <HLDOMDoc.h>
#include <RepositoryCopy.h>
#include <sec/secreg.h>
#include <windows.h>

#include "BDKAgent.h"

namespace profilebook {

const char* const kPathValue = "Serialization";

namespace {

const char* const kSettingsKey = "Software\\Halvane\\Orvex\\Settings\\";
const char* const kBookElement = "AgentProfiles";
const char* const kProfileElement = "AgentProfile";
const char* const kNameAttribute = "Name";
const char* const kBookOpening = "<AgentProfiles Name=\"ProfileBook\">";
const char* const kBookClosing = "</AgentProfiles>";

// A name as an attribute value. A control character that XML cannot carry
// becomes a blank, so that the book stays readable.
CString Escaped(const CString& text) {
  CString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    const char ch = text[i];
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\t':
        out += "&#9;";
        break;
      case '\n':
        out += "&#10;";
        break;
      case '\r':
        out += "&#13;";
        break;
      default:
        out += static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch;
        break;
    }
  }
  return out;
}

// The <Property> elements Dravon writes for the properties, without the
// <AgentProperties> element around them. Secret values stay scrambled as
// Dravon writes them, so that no password stands in the book in clear.
CString PropertyElements(const AgentPropArray& props) {
  HLDOMDocBase document;
  document.SetDOMDocument(props.ToDOMDocument());
  CQRBDKListener::AddValues(document.GetDOMDocument(), props);
  CString text = HLDOMDocBase::DOMToCString(document.GetRootElement(), FALSE);
  text.Replace("<AgentProperties>", "");
  text.Replace("</AgentProperties>", "");
  const int first = text.Find("<Property");
  return first >= 0 ? text.Mid(first) : CString();
}

// Where a text that does not parse breaks, as the DOM wrapper tells it.
CString ParseProblem(const std::string& text) {
  HLDOMDocBase document;
  if (document.LoadFromMemory(text.data(), text.size())) return "the text is not a profile book";
  const XmlParseError& error = document.GetLastParseError();
  CString problem;
  problem.Format("line %d, column %d: %s", error.line, error.column, static_cast<LPCTSTR>(error.message));
  return problem;
}

BOOL ReadWholeFile(LPCTSTR lpszPath, std::string& text) {
  try {
    CFile file(lpszPath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
    text.assign(static_cast<size_t>(file.GetLength()), '\0');
    if (!text.empty() && file.Read(text.data(), static_cast<UINT>(text.size())) != text.size()) return FALSE;
  } catch (CFileException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

BOOL MakeFolder(const CString& folder) {
  if (::CreateDirectory(folder, nullptr)) return TRUE;
  const DWORD attributes = ::GetFileAttributes(folder);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Each level below the folder made in turn; empty when one cannot be.
CString MakeFolders(CString folder, std::initializer_list<const char*> levels) {
  for (const char* level : levels) {
    folder += "/";
    folder += level;
    if (!MakeFolder(folder)) return CString();
  }
  return folder;
}

CString Environment(LPCTSTR name) {
  char value[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariable(name, value, sizeof value);
  return length > 0 && length < sizeof value ? CString(value) : CString();
}

BOOL Exists(const CString& path) { return ::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int OpenSettingsKey(SECRegistry& registry, LPCTSTR lpszSubkey) {
  if (!registry.Connect(HKEY_CURRENT_USER)) return 1;
  CString key = kSettingsKey;
  key += lpszSubkey;
  if (!registry.Create(key, "", SECRegistry::optionsNonVolatile, SECRegistry::permissionAllAccess)) return 2;
  return 0;
}

CString BookText(const std::vector<std::unique_ptr<AgentProfile>>& profiles) {
  CString text = kBookOpening;
  for (const auto& profile : profiles) {
    text += "<AgentProfile Name=\"" + Escaped(profile->m_strName) + "\">";
    text += PropertyElements(profile->m_props);
    text += "</AgentProfile>";
  }
  text += kBookClosing;
  return text;
}

ReadResult ReadBook(LPCTSTR lpszPath, const std::function<void(const CString&, const AgentPropArray&)>& store,
                    CString& problem) {
  std::string text;
  if (!ReadWholeFile(lpszPath, text) || text.empty()) return ReadResult::kNothing;
  CQRBDKListener listener(nullptr, 1);
  xercesc::DOMDocument* document = listener.ParsePropData(text.c_str());
  if (document == nullptr) {
    problem = ParseProblem(text);
    return ReadResult::kUnreadable;
  }
  const xercesc::DOMElement* root = document->getDocumentElement();
  if (HLDOMDocBase::GetNodeName(root) != kBookElement) return ReadResult::kForeign;
  for (xercesc::DOMNode* node = root->getFirstChild(); node != nullptr; node = node->getNextSibling()) {
    if (node->getNodeType() != xercesc::DOMNode::ELEMENT_NODE || HLDOMDocBase::GetNodeName(node) != kProfileElement)
      continue;
    const CString name = HLDOMDocBase::GetAttribString(static_cast<xercesc::DOMElement*>(node), kNameAttribute);
    if (name.IsEmpty()) continue;
    AgentPropArray props;
    CBDKListenerDOM::Populate(node->getChildNodes(), &props, 1);
    props.DoEncoding(1);
    store(name, props);
  }
  return ReadResult::kRead;
}

BOOL WriteBook(LPCTSTR lpszPath, const CString& text) {
  if (lpszPath == nullptr || *lpszPath == '\0') return FALSE;
  dravon::repocopy::ReplacingFile file(lpszPath);
  return file.Open() && file.Write(text.str()) && file.Commit();
}

CString DefaultFolder() {
  const CString profile = Environment("USERPROFILE");
  const int cut = std::max(profile.ReverseFind('/'), profile.ReverseFind('\\'));
  if (cut >= 0) {
    const CString folder = MakeFolders(profile.Left(cut), {"All Users", "Application Data", "Halvane", "Orvex"});
    if (!folder.IsEmpty()) return folder;
  }
  char shared[MAX_PATH] = {};
  if (!::SHGetSpecialFolderPath(nullptr, shared, CSIDL_COMMON_APPDATA, TRUE)) return CString();
  return MakeFolders(shared, {"Halvane", "Orvex"});
}

BOOL EnsureFile(LPCTSTR lpszPath) {
  try {
    CFile file(lpszPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::typeBinary);
    file.Close();
  } catch (CFileException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

CString KeptName(LPCTSTR lpszPath) {
  CString name = CString(lpszPath) + ".bak";
  for (int n = 2; Exists(name); ++n) name.Format("%s.bak%d", lpszPath, n);
  return name;
}

}  // namespace profilebook
