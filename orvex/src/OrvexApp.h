// Orvex's application object: the start in its fixed order, the command
// line, the session with the server (connect, disconnect, the merge of
// definitions opened without a server), the definition windows, the sibling
// tools, the help keys and the wait for the broker at exit.
#pragma once

#include <afxwin.h>

#include <memory>

#include "CmdLine.h"
#include "DataManager.h"

class CMainFrame;
class CUserPref;
class HvHelp;

class COrvexApp : public CWinApp {
  DECLARE_DYNAMIC(COrvexApp)

 public:
  COrvexApp();
  ~COrvexApp() override;

  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

  // Logs in without a dialog; TRUE when connected.
  BOOL ConnectToServer(CString server, CString user, CString password);
  // The Connect command: the log-in dialog, then ConnectToServer.
  BOOL OnServerConnect();
  void Disconnect(bool keepDefinitions);
  // After a log-in: reconciles the definitions that were open without a
  // server with the server's. FALSE when the user cancelled (the session
  // is then ended again and the definitions are local as before).
  BOOL MergeLocalBODefs();
  // Activates the window of the definition, or opens one; its view.
  CWnd* OpenBODefWindow(CQRBusObjDef* pDef);
  void LaunchTool(CString command);
  // Drops the program's own clipboard object and empties the clipboard.
  void ReleaseClipboardObject();
  // Shows and clears the results pane, writes "Validating...", then
  // validates and saves the definition with the ones it uses.
  BOOL SaveToServer(CQRBusObjDef* pDef);
  BOOL ValidateAndSaveBODef(CQRBusObjDef* pDef);
  // Clears the state bit on the definitions and on every definition they
  // use, at any depth.
  void ClearStateBits(const CBODefArray& defs, DWORD bit);
  // Puts the ObjectEventId attribute last, in position and in the array;
  // the attributes after its old place move up by one.
  static void MoveObjectEventIdLast(CQRBusObjDef& def);

  BOOL IsConnected() const { return m_bConnected; }
  CMainFrame* GetMainFrame() const;

  CQRServer* m_pServer = nullptr;  // the data manager's
  BOOL m_bConnected = FALSE;
  CString m_strInstallDir;  // parent of the program's folder, no trailing separator
  CString m_strExeDir;      // the program's folder, with a trailing separator
  CString m_strHelpDir;
  std::unique_ptr<HvHelp> m_pHelp;
  BOOL m_bHelpAuthoring = FALSE;
  CMultiDocTemplate* m_pDocTemplate = nullptr;  // the document manager's
  std::unique_ptr<CUserPref> m_pPreferences;
  // Definitions open without a server, set aside while connecting.
  CMapStringToPtr m_mapPending;
  CCmdLine m_cmdLine;

 protected:
  afx_msg void OnFileOpen();
  afx_msg void NewBODef();
  afx_msg void OnConnectCommand();
  afx_msg void OnHelpTopics();
  afx_msg void OnHelpDocumentation();
  afx_msg void OnUpdateConnect(CCmdUI* pCmdUI);
  afx_msg void OnUpdateDisconnect(CCmdUI* pCmdUI);
  afx_msg void OnPreferences();
  afx_msg void OnToolSprindle();
  afx_msg void OnToolKestrun();
  afx_msg void OnToolTavish();
  afx_msg void OnAppAbout();
  DECLARE_MESSAGE_MAP()

 private:
  void SetFolders();
  // Takes the definitions known without a server out of the session into
  // m_mapPending; TRUE when there were any.
  BOOL SetAsidePendingDefs();
  // Puts the set-aside definitions back as local definitions.
  void RestorePendingDefs();
  // Carries out one row of the merge: `name` is the local definition's,
  // `newName` the one the dialog gave for the side that is renamed.
  void MergeRow(const CString& name, const CString& newName, int action, CQRBusObjDef* pLocal);
  // The session's definition under `name` becomes `pLocal`, which the
  // server now has too; the definition held there before is freed unless
  // a window shows it. Windows keep their definitions: they need not
  // fetch them again.
  void TakeLocalUnderName(const CString& name, CQRBusObjDef* pLocal);
  void SetStatusText(const CString& text) const;
};

// The running Orvex application object.
COrvexApp* GetOrvexApp();
