// Context help made of HTML pages. Every top-level window (and, inside it,
// every tab or property page) can have one topic; F1 opens the topic's page
// with the desktop's browser (ShowHelp, or ShowHelpProperty for programs
// whose tab names carry their window's caption). In help-authoring mode F11
// (AuthorHelp, AuthorHelpProperty) attaches or creates the page of the
// window in front, with a stub page and a screenshot.
//
// Files under the help folder: <application>Help.data (the topics), the
// pages (normally <application>/<title>_<sub-topic>.html), screenshots in
// <application>/images, and the fixed pages NoHelp.html and
// NoHelpInstalled.html; the documentation start page is welcome.html in the
// documentation folder.
#pragma once

#include <afxwin.h>

#include "HTopic.h"

class AFX_EXT_CLASS HvHelp {
 public:
  // A null documentation folder is taken two levels above the help folder,
  // + "/documentation". Loads the topics at once.
  HvHelp(const char* lpszAppName, const char* lpszHelpFolder, const char* lpszDocFolder = nullptr);
  // Writes the topics back (unless read-only) and frees them.
  ~HvHelp();
  HvHelp(const HvHelp&) = delete;
  HvHelp& operator=(const HvHelp&) = delete;

  void SetActiveWindow(HWND hWnd) { m_hHelpWnd = hWnd; }

  // Reads the topic file; a missing, unwritable or damaged one makes the
  // session read-only.
  void Load();
  // Writes the topic file, unless read-only.
  void Flush();

  void ShowHelp();
  void ShowHelpProperty();
  void ShowDocumentation();
  void AuthorHelp();
  void AuthorHelpProperty();

  // The programs' help keys, offered every message first: F1 shows the
  // help of the window in front, F11 authors it when `bAuthoring`;
  // `bProperty` picks the property variants. TRUE when the key was taken.
  BOOL PreTranslateHelpKey(const MSG* pMsg, BOOL bAuthoring, BOOL bProperty);
  // The help of the window in front, whichever window asked (F11 held and
  // `bAuthoring`: its authoring).
  void HelpOnFrontWindow(BOOL bAuthoring, BOOL bProperty);
  // Whether the login history's user information switches help authoring
  // on for this user.
  static BOOL IsAuthoringUser();

  // The topic of the help window (the active window when none is set):
  // null when there is none, AuthoringDialogActive() when that window is
  // the authoring dialog itself. With `bCreate` a missing topic is made
  // (and flagged new), and the topic gets a fresh screenshot of the window.
  HTopic* GetActiveTopic(int bCreate);
  HTopic* GetActiveTopicProperty(int bCreate);
  // The selected tab's name found in the window's children, depth first;
  // empty without tabs. The property variant prefixes the caption of the
  // window holding the tabs (see the class comment).
  CString GetTabName(CWnd* pWnd);
  CString GetTabNameProperty(CWnd* pWnd);

  // The distinct answer of GetActiveTopic for the authoring dialog.
  static HTopic* AuthoringDialogActive();

  // A window title or tab name as topics keep it: cleaned for file names.
  static CString CleanName(LPCTSTR lpszText);
  // The page a window's topic gets: application + "/" + title + "_" +
  // sub-topic + ".html", title and sub-topic cleaned for file names. The one
  // rule for authored topics and the shipped help.
  static CString TopicPage(LPCTSTR lpszAppName, LPCTSTR lpszTitle, LPCTSTR lpszSubTopic);
  // Text for a help page: &, <, >, " and ' as HTML entities, as the stub
  // pages of authored topics and the shipped pages both write it.
  static CString HtmlText(LPCTSTR lpszText);

  const CString& GetAppName() const { return m_strAppName; }
  // In lower case, as browsed paths are compared with it.
  const CString& GetHelpFolder() const { return m_strHelpFolder; }
  // As given: files are opened with their real case.
  const CString& GetHelpPath() const { return m_strHelpPath; }
  const CString& GetDocFolder() const { return m_strDocFolder; }
  CObList& GetTopics() { return m_topics; }
  BOOL IsReadOnly() const { return m_bReadOnly; }
  CString GetTopicFile() const;
  // The full path of a page, screenshot or other file under the help folder.
  CString HelpFile(const CString& relative) const;

  HWND m_hHelpWnd = nullptr;  // the window whose topic is meant; null: the active window

 private:
  HTopic* FindTopic(int bCreate, bool property);
  CString SubTopicOf(CWnd* pWnd, bool property);
  CString TabNameOf(CWnd* pWnd, bool property);
  void Show(bool property);
  void Author(bool property);
  // Tells the author once why the topics of this session are not saved.
  void NoteReadOnly();
  BOOL Open(const CString& file) const;
  void FreeTopics();

  CString m_strAppName;
  CString m_strHelpFolder;
  CString m_strDocFolder;
  CObList m_topics{10};
  BOOL m_bReadOnly = FALSE;
  CString m_strHelpPath;
  bool m_bDamaged = false;  // the topic file could not be read: it is never overwritten
  bool m_bReadOnlyNoted = false;
  bool m_bAuthoring = false;  // an authoring dialog is open
};
