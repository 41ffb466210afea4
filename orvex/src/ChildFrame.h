// The window of one open definition: the questions asked when it closes,
// the walk over the definitions it refers to, and its end when the server
// is lost. Until the definition windows get their tabs it holds one plain
// view that names the definition.
#pragma once

#include <afxmt.h>
#include <secall.h>

#include "DataManager.h"

class COrvexDoc;

class CChildFrame : public SECMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  CChildFrame();
  ~CChildFrame() override;

  // Asks about unsaved changes; TRUE when the user cancelled. In apply-to-
  // all mode an answer given with the box ticked stands for the rest.
  BOOL PromptSaveOnClose(BOOL applyToAll, BOOL closeAfter);
  // Whether the definition, or one it refers to, carries one of `bits`
  // and none of `excluded`. The caller empties the visited names after.
  BOOL IsModifiedRecursive(CQRBusObjDef* pDef, DWORD bits, DWORD excluded);
  void RevertChanges(CQRBusObjDef* pDef, BOOL recurse);
  // Offers to save a changed definition to a file, then closes. TRUE.
  BOOL CloseAfterServerLoss();
  CWnd* GetActiveTabView();
  COrvexDoc* GetOrvexDoc();

  // Both remembered answers of the close questions are forgotten.
  static void ClearRememberedAnswers();

  CMapStringToString m_mapVisitedNames;

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  afx_msg void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  // One close question, answered from memory in apply-to-all mode when an
  // earlier answer was given with the box ticked.
  static int Ask(int& remembered, BOOL applyToAll, const char* text, const char* checkText, const CString& caption,
                 UINT options);
  // OnSaveToFile of the active view: TRUE when the definition was written.
  BOOL SaveToFile();
  void ClearVisited() { m_mapVisitedNames.RemoveAll(); }

  CMutex m_mutex;

  static int s_nNeverSavedAnswer;
  static int s_nSavedToFileAnswer;
};
