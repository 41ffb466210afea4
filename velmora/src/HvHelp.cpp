// The help object: topics and their file, finding the topic of the window
// in front, opening pages and starting the authoring dialog.
#include "HvHelp.h"

#include <HLUtilWinRegistry.h>
#include <UtilMessageBox.h>
#include <afxcrt.h>
#include <afxdlgs.h>
#include <sec/secjpeg.h>
#include <sec/sectabwnd.h>

#include <filesystem>
#include <memory>

#include "AddHTopic.h"
#include "HelpNames.h"

namespace {

constexpr const char* kNoPageMessage = "Default help page wasn't found. Please, check your installation.";
constexpr int kTabTextSize = 256;
// The login-history user information that switches help authoring on.
constexpr const char* kAuthoringUser = "admin";
constexpr const char* kAuthoringWord = "PimRox";

bool FileExists(const CString& path) { return ::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

CString WindowText(CWnd* pWnd) {
  CString text;
  if (pWnd != nullptr) pWnd->GetWindowText(text);
  return text;
}

// The text of the selected item of a tab control.
CString SelectedTabText(HWND tabs) {
  const int selected = static_cast<int>(::SendMessage(tabs, TCM_GETCURSEL, 0, 0));
  if (selected < 0) return CString();
  char buffer[kTabTextSize] = {};
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = kTabTextSize;
  if (!::SendMessage(tabs, TCM_GETITEM, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item)))
    return CString();
  return CString(buffer);
}

bool IsTabControl(HWND hWnd) {
  char className[64] = {};
  ::GetClassName(hWnd, className, sizeof(className));
  return lstrcmpi(className, WC_TABCONTROL) == 0;
}

// The title of a property sheet's active page, as its tab shows it.
CString ActivePageTitle(CPropertySheet* pSheet) {
  if (pSheet->GetActivePage() == nullptr) return CString();
  if (CTabCtrl* tabs = pSheet->GetTabControl()) {
    CString title = SelectedTabText(tabs->GetSafeHwnd());
    if (!title.IsEmpty()) return title;
  }
  return WindowText(pSheet->GetActivePage());
}

// The window's own object when it is of the class, else null.
template <class T>
T* PermanentAs(HWND hWnd, const CRuntimeClass* pClass) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  return pWnd != nullptr && pWnd->IsKindOf(pClass) ? static_cast<T*>(pWnd) : nullptr;
}

}  // namespace

HvHelp::HvHelp(const char* lpszAppName, const char* lpszHelpFolder, const char* lpszDocFolder)
    : m_strAppName(lpszAppName != nullptr ? lpszAppName : ""),
      m_strHelpPath(lpszHelpFolder != nullptr ? lpszHelpFolder : "") {
  m_strHelpFolder = m_strHelpPath;
  m_strHelpFolder.MakeLower();
  m_strDocFolder =
      lpszDocFolder != nullptr ? CString(lpszDocFolder) : velmora::help::DocumentationFolder(m_strHelpPath);
  Load();
}

HvHelp::~HvHelp() {
  Flush();
  FreeTopics();
}

void HvHelp::FreeTopics() {
  for (POSITION pos = m_topics.GetHeadPosition(); pos != nullptr;) delete m_topics.GetNext(pos);
  m_topics.RemoveAll();
}

HTopic* HvHelp::AuthoringDialogActive() { return reinterpret_cast<HTopic*>(static_cast<INT_PTR>(-1)); }

CString HvHelp::CleanName(LPCTSTR lpszText) { return velmora::help::Cleaned(CString(lpszText)); }

CString HvHelp::TopicPage(LPCTSTR lpszAppName, LPCTSTR lpszTitle, LPCTSTR lpszSubTopic) {
  using namespace velmora::help;
  return PageName(CString(lpszAppName), Cleaned(CString(lpszTitle)), Cleaned(CString(lpszSubTopic)));
}

CString HvHelp::HtmlText(LPCTSTR lpszText) { return velmora::help::HtmlEscaped(CString(lpszText)); }

CString HvHelp::GetTopicFile() const { return HelpFile(m_strAppName + "Help.data"); }

CString HvHelp::HelpFile(const CString& relative) const { return m_strHelpPath + "/" + relative; }

void HvHelp::Load() {
  // Loading again starts from the file, not from what is in memory.
  FreeTopics();
  m_bReadOnly = FALSE;
  m_bDamaged = false;
  const CString pages = HelpFile(m_strAppName);
  if (!FileExists(pages)) {
    ::CreateDirectory(pages, nullptr);
    ::CreateDirectory(pages + "/images", nullptr);
  }
  const CString file = GetTopicFile();
  if (!FileExists(file)) {
    m_bReadOnly = TRUE;
    return;
  }
  if (_access(file, 2) != 0) m_bReadOnly = TRUE;
  try {
    CFile input(file, CFile::modeRead | CFile::shareDenyWrite);
    CArchive ar(&input, CArchive::load, 4096);
    ar.m_strFileName = file;
    m_topics.Serialize(ar);
    ar.Close();
    input.Close();
  } catch (CException* e) {
    char message[256] = {};
    e->GetErrorMessage(message, 255);
    e->Delete();
    // What could be read stays; the file itself is never written over.
    m_bReadOnly = TRUE;
    m_bDamaged = true;
    FormatMessageBox(MB_ICONEXCLAMATION, "Error (%s) reading help data files", message);
  }
}

void HvHelp::Flush() {
  if (m_bReadOnly) return;
  const CString file = GetTopicFile();
  const CString temp = file + ".~sav";
  try {
    {
      CFile output(temp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
      CArchive ar(&output, CArchive::store, 4096);
      m_topics.Serialize(ar);
      ar.Flush();
      ar.Close();
      output.Close();
    }
    std::filesystem::rename(temp.GetString(), file.GetString());
  } catch (CException* e) {
    e->Delete();
    std::error_code ec;
    std::filesystem::remove(temp.GetString(), ec);
    FormatMessageBox(MB_ICONEXCLAMATION, "Error writing data file: '%s'", file.GetString());
  } catch (const std::filesystem::filesystem_error&) {
    FormatMessageBox(MB_ICONEXCLAMATION, "Error writing data file: '%s'", file.GetString());
  }
}

CString HvHelp::TabNameOf(CWnd* pWnd, bool property) {
  const HWND hWnd = pWnd->GetSafeHwnd();
  CString name;
  CWnd* holder = pWnd->GetParent();
  if (IsTabControl(hWnd)) {
    name = SelectedTabText(hWnd);
  } else if (auto* tabs = PermanentAs<SECTabWndBase>(hWnd, RUNTIME_CLASS(SECTabWndBase))) {
    const int active = tabs->GetActiveTab();
    if (active >= 0) name = tabs->GetTabLabel(active);
  } else if (auto* sheet = PermanentAs<CPropertySheet>(hWnd, RUNTIME_CLASS(CPropertySheet))) {
    name = ActivePageTitle(sheet);
    holder = sheet;
  } else {
    return property ? GetTabNameProperty(pWnd) : GetTabName(pWnd);
  }
  return property ? velmora::help::PropertySubTopic(WindowText(holder), name) : name;
}

CString HvHelp::GetTabName(CWnd* pWnd) {
  if (pWnd == nullptr) return CString();
  for (HWND child = ::GetWindow(pWnd->GetSafeHwnd(), GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    CString name = TabNameOf(CWnd::FromHandle(child), false);
    if (!name.IsEmpty()) return name;
  }
  return CString();
}

CString HvHelp::GetTabNameProperty(CWnd* pWnd) {
  if (pWnd == nullptr) return CString();
  for (HWND child = ::GetWindow(pWnd->GetSafeHwnd(), GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    CString name = TabNameOf(CWnd::FromHandle(child), true);
    if (!name.IsEmpty()) return name;
  }
  return CString();
}

CString HvHelp::SubTopicOf(CWnd* pWnd, bool property) {
  CString subTopic;
  if (auto* sheet = PermanentAs<CPropertySheet>(pWnd->GetSafeHwnd(), RUNTIME_CLASS(CPropertySheet))) {
    subTopic = ActivePageTitle(sheet);
    if (property) subTopic = velmora::help::PropertySubTopic(WindowText(sheet), subTopic);
  }
  if (subTopic.IsEmpty()) subTopic = property ? GetTabNameProperty(pWnd) : GetTabName(pWnd);
  return velmora::help::Cleaned(subTopic);
}

HTopic* HvHelp::FindTopic(int bCreate, bool property) {
  const HWND hWnd = m_hHelpWnd != nullptr ? m_hHelpWnd : ::GetActiveWindow();
  if (hWnd == nullptr || !::IsWindow(hWnd)) return nullptr;
  if (PermanentAs<CAddHTopic>(hWnd, RUNTIME_CLASS(CAddHTopic)) != nullptr) return AuthoringDialogActive();
  CWnd* pWnd = CWnd::FromHandle(hWnd);
  const CString title = velmora::help::Cleaned(WindowText(pWnd));
  const CString subTopic = SubTopicOf(pWnd, property);

  HTopic* found = nullptr;
  for (POSITION pos = m_topics.GetHeadPosition(); pos != nullptr && found == nullptr;) {
    auto* topic = static_cast<HTopic*>(m_topics.GetNext(pos));
    if (topic->m_strTitle.CompareNoCase(title) == 0 &&
        (subTopic.IsEmpty() || topic->m_strSubTopic.CompareNoCase(subTopic) == 0)) {
      found = topic;
    }
  }
  if (!bCreate) return found;
  if (found == nullptr) {
    found = new HTopic(title, subTopic, velmora::help::PageName(m_strAppName, title, subTopic));
    found->m_bNew = 1;
    m_topics.AddTail(found);
  }
  auto image = std::make_unique<SECJpeg>();
  pWnd->UpdateWindow();
  if (image->CreateFromWindow(pWnd, FALSE)) found->SetImage(std::move(image));
  return found;
}

HTopic* HvHelp::GetActiveTopic(int bCreate) { return FindTopic(bCreate, false); }
HTopic* HvHelp::GetActiveTopicProperty(int bCreate) { return FindTopic(bCreate, true); }

BOOL HvHelp::Open(const CString& file) const {
  const auto result =
      reinterpret_cast<INT_PTR>(::ShellExecuteA(m_hHelpWnd, nullptr, file, nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

void HvHelp::Show(bool property) {
  HTopic* topic = FindTopic(FALSE, property);
  if (topic == AuthoringDialogActive()) return;
  if (topic == nullptr) {
    if (!Open(HelpFile("NoHelp.html"))) AfxMessageBox(kNoPageMessage);
    return;
  }
  if (!Open(HelpFile(topic->m_strPage)) && !Open(HelpFile("NoHelpInstalled.html"))) AfxMessageBox(kNoPageMessage);
}

void HvHelp::ShowHelp() { Show(false); }
void HvHelp::ShowHelpProperty() { Show(true); }

void HvHelp::ShowDocumentation() {
  if (!Open(m_strDocFolder + "/welcome.html") && !Open(HelpFile("NoHelpInstalled.html"))) AfxMessageBox(kNoPageMessage);
}

void HvHelp::NoteReadOnly() {
  if (!m_bReadOnly || m_bReadOnlyNoted) return;
  m_bReadOnlyNoted = true;
  const char* reason = m_bDamaged                   ? "could not be read, so it is left as it is"
                       : FileExists(GetTopicFile()) ? "cannot be written"
                                                    : "does not exist";
  FormatMessageBox(MB_ICONEXCLAMATION,
                   "The help data file '%s' %s.\nThe topics you add now are kept only until the program ends.",
                   GetTopicFile().GetString(), reason);
}

void HvHelp::Author(bool property) {
  // One authoring dialog at a time: F11 inside it (or inside the topic list
  // it opens) starts no second one.
  if (m_bAuthoring) return;
  const HWND owner = m_hHelpWnd != nullptr ? m_hHelpWnd : ::GetActiveWindow();
  HTopic* topic = FindTopic(TRUE, property);
  if (topic == nullptr || topic == AuthoringDialogActive()) return;
  INT_PTR result = IDCANCEL;
  {
    m_bAuthoring = true;
    const struct EndAuthoring {
      bool& authoring;
      ~EndAuthoring() { authoring = false; }
    } end{m_bAuthoring};
    NoteReadOnly();
    CAddHTopic dialog(this, topic, CWnd::FromHandle(owner));
    result = dialog.DoModal();
  }
  if (result == IDOK) {
    topic->m_bNew = 0;
  } else if (topic->m_bNew) {
    if (POSITION pos = m_topics.Find(topic)) m_topics.RemoveAt(pos);
    delete topic;
  }
}

void HvHelp::AuthorHelp() { Author(false); }
void HvHelp::AuthorHelpProperty() { Author(true); }

// --- The programs' help keys -----------------------------------------------------

BOOL HvHelp::PreTranslateHelpKey(const MSG* pMsg, BOOL bAuthoring, BOOL bProperty) {
  if (pMsg->message != WM_KEYDOWN) return FALSE;
  if (bAuthoring && pMsg->wParam == VK_F11) {
    Author(bProperty != FALSE);
    return TRUE;
  }
  if (pMsg->wParam == VK_F1) {
    Show(bProperty != FALSE);
    return TRUE;
  }
  return FALSE;
}

void HvHelp::HelpOnFrontWindow(BOOL bAuthoring, BOOL bProperty) {
  const HWND saved = m_hHelpWnd;
  m_hHelpWnd = nullptr;
  if (bAuthoring && ::GetKeyState(VK_F11) < 0) {
    Author(bProperty != FALSE);
  } else {
    Show(bProperty != FALSE);
  }
  m_hHelpWnd = saved;
}

BOOL HvHelp::IsAuthoringUser() {
  return CHLUtilWinRegistry("Common").GetUserInfo(kAuthoringUser).CompareNoCase(kAuthoringWord) == 0 ? TRUE : FALSE;
}
