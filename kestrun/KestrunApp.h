// Kestrun's application object: the start in its fixed order, the command
// line, the session with the server, the help keys, and the commands that
// create, open and save connector documents. It is the only place that
// creates documents; documents, frames and tabs reach it through
// GetKestrunApp() for the codec, the connection and the document list.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "CommandLine.h"
#include "DataManager.h"

class CConnector;
class CConnectorFileCodec;
class CKestrunDoc;
class CMainFrame;
class HvHelp;

class CKestrunApp : public CWinApp {
  DECLARE_DYNAMIC(CKestrunApp)

 public:
  CKestrunApp();
  ~CKestrunApp() override;

  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

  CMainFrame* GetMainFrame() const;
  bool IsConnected() const { return m_pServer != nullptr; }
  CConnectorFileCodec* GetCodec() const { return m_pCodec.get(); }

  // The first open document whose connector has the type code and the
  // name, ignoring case; null when none.
  CKestrunDoc* FindConnectorDocument(const CString& name, int typeCode) const;
  // The open documents, in the template's order.
  std::vector<CKestrunDoc*> GetDocuments() const;
  // Activates the window of the connector's name and type when one is
  // open (the connector is then the caller's still); else opens a window
  // over it, and the document owns it. The document, or null when the
  // window could not be made (the connector is then freed).
  CKestrunDoc* OpenConnectorWindow(std::unique_ptr<CConnector> pConnector);
  // Opens the file as `kind`: "cfg", "in", "out" or "connector".
  bool LoadConnectorFile(const CString& path, const CString& kind);

  // Logs in without a dialog; true when connected.
  bool ConnectToServer(const CString& server, const CString& user, const CString& password);
  // Ends the session; open documents stay, detached from the server.
  void Disconnect();

  CString m_strProgramFolder;  // with a trailing separator
  CString m_strInstallFolder;  // the parent of the program's folder
  CString m_strHelpFolder;
  std::unique_ptr<HvHelp> m_pHelp;
  int m_bHelpAuthoring = 0;
  CQRServer* m_pServer = nullptr;  // the data manager's; set exactly while connected
  std::unique_ptr<CConnectorFileCodec> m_pCodec;
  CCommandLine m_cmdLine;
  CMultiDocTemplate* m_pDocTemplate = nullptr;  // the document manager's

 protected:
  // The program's codec over the Java encryption service.
  virtual std::unique_ptr<CConnectorFileCodec> CreateCodec();

  afx_msg void OnServerConnect();
  afx_msg void OnServerDisconnect();
  afx_msg void OnUpdateConnect(CCmdUI* pCmdUI);
  afx_msg void OnUpdateConnected(CCmdUI* pCmdUI);
  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  afx_msg void OnOpenFromServer();
  afx_msg void OnSaveAllToFile();
  afx_msg void OnUpdateSaveAllToFile(CCmdUI* pCmdUI);
  afx_msg void OnSaveAllToServer();
  afx_msg void OnUpdateSaveAllToServer(CCmdUI* pCmdUI);
  afx_msg void OnHelpTopics();
  afx_msg void OnHelpDocumentation();
  afx_msg void OnAppAbout();
  DECLARE_MESSAGE_MAP()

 private:
  void InitFolders();
  // Opens each connector read from a repository copy, the last first.
  void OpenRepositoryConnectors(std::vector<std::unique_ptr<CConnector>> connectors);
  // Opens a connector read from a file, unless one of its name and type is
  // open already; the document, or null.
  CKestrunDoc* OpenLoadedConnector(std::unique_ptr<CConnector> pConnector);
  void SetStatusText(const CString& text) const;
};

// The running Kestrun application object.
CKestrunApp* GetKestrunApp();
