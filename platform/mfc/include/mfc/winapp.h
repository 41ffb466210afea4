// CWinApp: the application object, one per process: its names, its
// profile in the registry, the command line, help and message boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mfc/collection_helpers.h"
#include "mfc/winthread.h"
#include "mfc/wnd.h"

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CPrintDialog;
class CDocument;
class CRecentFileList;

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCTSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  HINSTANCE m_hPrevInstance = nullptr;
  LPTSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszHelpFilePath = nullptr;
  // The profile: a registry key "Software\<key>\<profile name>" when
  // m_pszRegistryKey is set, else an INI file of that name.
  LPCTSTR m_pszProfileName = nullptr;
  LPCTSTR m_pszRegistryKey = nullptr;
  CRecentFileList* m_pRecentFileList = nullptr;

  virtual BOOL InitApplication();
  BOOL InitInstance() override;
  int ExitInstance() override;
  int Run() override;
  LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override;

  // Profile.
  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
  CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
  BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  // *ppData is new[]-allocated; the caller delete[]s it.
  BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
  BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
  // Reads the recent-file list (nMaxMRU entries; 0 for none).
  void LoadStdProfileSettings(UINT nMaxMRU = 4);
  void SaveStdProfileSettings();
  virtual void AddToRecentFileList(LPCTSTR lpszPathName);

  // Command line.
  void ParseCommandLine(CCommandLineInfo& rCmdInfo);
  // Runs the shell command the command line asked for; FALSE stops the
  // start-up.
  BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
  // Documents, through the document manager (made by the first
  // AddDocTemplate).
  CDocManager* m_pDocManager = nullptr;
  void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  // An open file activates its frame instead of opening again.
  virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
  // Asks each modified document; FALSE when one is cancelled.
  virtual BOOL SaveAllModified();
  void CloseAllDocuments(BOOL bEndSession);
  int GetOpenDocumentCount();
  BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog, CDocTemplate* pTemplate);

  // Help and messages.
  virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
  virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  // Compatibility no-ops: controls always have the 3-D look.
  BOOL Enable3dControls() { return TRUE; }
  BOOL Enable3dControlsStatic() { return TRUE; }

  HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
  HICON LoadIcon(LPCTSTR lpszResourceName) const;
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

  // Commands of the standard menu items; a program maps ID_FILE_NEW and
  // ID_FILE_OPEN to OnFileNew and OnFileOpen itself.
  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  afx_msg BOOL OnOpenRecentFile(UINT nID);
  afx_msg void OnAppExit();
  afx_msg void OnHelp();
  afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

  // Printing: the printer Print Setup chose, used by every later job
  // (blocks owned by the application; the system's default until then).
  HGLOBAL m_hDevMode = nullptr;
  HGLOBAL m_hDevNames = nullptr;
  afx_msg void OnFilePrintSetup();
  INT_PTR DoPrintDialog(CPrintDialog* pPD);
  BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
  void UpdatePrinterSelection(BOOL bForceDefaults);

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // Owned copies of the names the members point to.
  CString m_strAppName, m_strExeName, m_strHelpFilePath, m_strProfileName, m_strRegistryKey, m_strCmdLine;
  std::unique_ptr<CRecentFileList> m_recentFiles;
  std::unique_ptr<CDocManager> m_docManager;
  std::vector<std::string> m_arguments;  // program name first; empty: the process's own

  friend BOOL AfxWinInit(HINSTANCE, HINSTANCE, LPTSTR, int);
  friend BOOL AfxWinInitArgs(const std::vector<std::string>&, int);
  void SetNames();
  void FreePrinterSelection();
};

// Control containers need nothing here.
inline void AfxEnableControlContainer() {}

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();

// Sets up the application object for this module and instance.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The same with the arguments as a list (program name first).
BOOL AfxWinInitArgs(const std::vector<std::string>& arguments, int nCmdShow = SW_SHOWNORMAL);
// The program's entry: AfxWinInit, InitApplication, InitInstance, Run
// (or ExitInstance when InitInstance fails); the exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The same for an application object in a test, with its arguments.
int AfxRunApplication(const std::vector<std::string>& arguments, int nCmdShow = SW_SHOWNORMAL);
// Ends the application: destroys its windows and forgets the object so
// that another can be made.
void AfxWinTerm();

// Message boxes through the application (DoMessageBox).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));

// The help requests WinHelp recorded (the help viewer is not part of the
// class library).
struct AFX_HELP_REQUEST {
  CString strHelpFile;
  DWORD_PTR dwData;
  UINT nCmd;
};
std::vector<AFX_HELP_REQUEST> AfxGetHelpRequests();
void AfxClearHelpRequests();
