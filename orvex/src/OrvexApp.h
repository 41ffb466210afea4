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

  // --- Validation and saving to the server (OrvexAppSave.cpp) ---------------
  // The validation modes: a save to the server, or an export to an XML
  // schema file (whose attribute names must be XML names).
  static constexpr int kNormalValidation = 0;
  static constexpr int kSchemaValidation = 1;
  // Shows and clears the results pane, writes "Validating...", then
  // ValidateAndSaveBODef.
  BOOL SaveToServer(CQRBusObjDef* pDef);
  // Logs in first when there is no session (a cancelled log-in ends the
  // save with nothing attempted); then validates the definition with every
  // definition it uses, and when all pass saves those before it. One line
  // per finding and per save goes to the results pane.
  BOOL ValidateAndSaveBODef(CQRBusObjDef* pDef);
  // One validation run over the definition and those it uses: the error
  // count, the visited names and the visited marks start empty and are
  // cleared at the end. FALSE when an error was found.
  BOOL CheckBODef(CQRBusObjDef* pDef, int nMode);
  // A step of the run: the definition, then each one it uses that is not
  // on the current chain and not yet visited.
  BOOL ValidateBODef(CQRBusObjDef* pDef, int nMode);
  // Saves the definitions the definition uses, then the definition; each
  // once per run (m_mapVisited). FALSE at the first save that fails.
  BOOL SaveBODefRecursive(CQRBusObjDef* pDef);
  // Clears the state bit on the definitions and on the definitions they
  // use that still carry it, at any depth.
  void ClearStateBits(const CBODefArray& defs, DWORD bit);
  // Puts the ObjectEventId attribute last, in position and in the array;
  // the attributes after its old place move up by one.
  static void MoveObjectEventIdLast(CQRBusObjDef& def);
  // The errors the last validation run found, and their lines.
  int GetErrorCount() const { return m_nErrorCount; }
  const CStringArray& GetValidationErrors() const { return m_arrValidationErrors; }
  // Names of the definitions on the validator's chain; during a save, of
  // those saved in the run. Empty between runs.
  CMapStringToPtr m_mapVisited;

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

  // The validator's parts (OrvexAppSave.cpp).
  BOOL ValidateVerbs(const CQRBusObjDef& def);
  BOOL ValidateAttribute(CQRBusObjDef& def, CBODefAttr& attr, int nMode);
  void CheckDefaultValue(const CBODefAttr& attr) const;
  BOOL ValidateReferred(const CBODefAttr& attr, int nMode);
  void ClearVisitedMarks(CQRBusObjDef* pDef);
  void WriteResult(const CString& line, int mode) const;
  void ReportValidationError(const CString& line);
  int m_nErrorCount = 0;
  CStringArray m_arrValidationErrors;
};

// The running Orvex application object.
COrvexApp* GetOrvexApp();
