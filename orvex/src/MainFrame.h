// Orvex's main window: menus, the Standard and Programs toolbars, the status
// bar with the server pane, the results pane, the server-level commands,
// the delete with its dependency report, the open generation wizards and
// the data manager's notices.
#pragma once

#include <afxdlgs.h>
#include <secall.h>

#include <memory>
#include <vector>

#include "ResultsView.h"
#include "Wizard.h"

class CChildFrame;
class COrvexDoc;

class CMainFrame : public SECMDIFrameWnd {
  DECLARE_DYNAMIC(CMainFrame)

 public:
  CMainFrame();
  ~CMainFrame() override;

  // The message pane; an empty text shows "Ready".
  void SetStatusText(CString text);
  // The server pane, fitted to its text; an empty text shows "Disconnected".
  void SetServerPaneText(CString server);
  // mode 0 stops clearing the pane before each line, 1 clears it before
  // each line from now on, 2 keeps the setting.
  void AppendResult(CString line, int mode);
  // Shows the results pane, emptied when `clear` is set.
  void ShowResults(BOOL clear);
  // FALSE when the user cancelled.
  BOOL CloseAllDocuments(BOOL closeEach, BOOL serverOnly);
  void DeleteBODef(CString name);

  // The frame owns the wizards it lists.
  void AddWizard(CPropertySheet* pWizard);
  void RemoveWizard(CPropertySheet* pWizard);
  virtual void OnWizardClosed(CPropertySheet* pWizard);
  BOOL IsWizardListed(const CPropertySheet* pWizard) const;

  CResultsView& GetResultsView() { return m_wndResults; }
  CStatusBar& GetStatusBar() { return m_wndStatusBar; }
  SECToolBarManager& GetToolBarManager() { return *m_pToolBarManager; }
  BOOL IsClosing() const { return m_bClosing; }

  // The grid column cell text was last copied or cut from (0: none of
  // the attribute grid's); the attribute grid's text paste reads it.
  int m_nCopyColumn = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnClose();
  afx_msg void OnDisconnect();
  afx_msg void OnRefresh();
  afx_msg void OnUpdateRefresh(CCmdUI* pCmdUI);
  afx_msg void OnDelete();
  afx_msg void OnNewUsingZta();
  afx_msg void OnCloseAll();
  afx_msg void OnSaveAllToFile();
  // Repository-copy files (MainFrameFiles.cpp).
  afx_msg void OnOpenFromFile();
  afx_msg void OnSaveAllToOneFile();
  afx_msg void OnUpdateSaveAllToOneFile(CCmdUI* pCmdUI);
  afx_msg void OnUpdateCloseAll(CCmdUI* pCmdUI);
  afx_msg void OnUpdateServerLabel(CCmdUI* pCmdUI);
  afx_msg void OnUpdateServerPane(CCmdUI* pCmdUI);
  afx_msg LRESULT OnServerLost(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnObjectDeleted(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnWizardClosedMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  class CClosingScope;

  BOOL CreateStatusBar();
  // The definition windows now, for loops that may open or close windows.
  std::vector<HWND> ChildFrameWindows() const;
  // Closes, without questions, the windows whose definition has the name.
  static void CloseDocumentsOf(const CString& name);
  // The dependency report of a delete: TRUE when there are no users or the
  // user chose Delete; `users` are the definitions to strip afterwards.
  BOOL ConfirmDependencies(const CString& name, std::vector<CString>& users);
  void StripReferences(const CString& name, const std::vector<CString>& users);
  void DeleteLocalBODef(const CString& name);
  void DeleteServerBODef(const CString& name);

  std::unique_ptr<SECToolBarManager> m_pToolBarManager;
  CStatusBar m_wndStatusBar;
  CResultsView m_wndResults;
  CString m_strServerPane;
  BOOL m_bClosing = FALSE;
  // A lost server noticed while closing, handled once the closing is over.
  BOOL m_bServerLostMeanwhile = FALSE;
  BOOL m_bClearBeforeLine = FALSE;
  std::vector<std::unique_ptr<CPropertySheet>> m_wizards;
};
