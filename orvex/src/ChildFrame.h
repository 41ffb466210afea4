// The window of one open definition: a tab window as its only pane with
// the tabs "General" (CBusObjVerbsView) and "Attributes" (CBusObjAttrsView),
// both made by class in OnCreateClient with the frame's creation context
// (so both views belong to the window's document); "Attributes" is active
// at first and F6 switches between the two. The frame asks the close
// questions, walks the definitions its definition refers to, reverts them,
// and ends itself when the server is lost.
#pragma once

#include <afxmt.h>
#include <secall.h>

#include <functional>
#include <memory>

#include "DataManager.h"

class COrvexDoc;
class COrvexView;

class CChildFrame : public SECMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  // The tabs in their order.
  static constexpr int kGeneralTab = 0;
  static constexpr int kAttributesTab = 1;

  CChildFrame();
  ~CChildFrame() override;

  // Asks about unsaved changes; TRUE when the user cancelled, or a save he
  // chose did not happen (callers such as Close All stop then). The window
  // closes afterwards when `closeAfter` is set. In apply-to-all mode an
  // answer given with the box ticked stands for the rest.
  BOOL PromptSaveOnClose(BOOL applyToAll, BOOL closeAfter);
  // Whether the definition, or one it refers to, carries one of `bits`
  // and none of `excluded`. The caller empties the visited names after.
  BOOL IsModifiedRecursive(CQRBusObjDef* pDef, DWORD bits, DWORD excluded);
  // Undoes the changes of the definition by its state (from the server,
  // from its file, or a new one is deleted); with `recurse` also of the
  // definitions it refers to that no other window shows.
  void RevertChanges(CQRBusObjDef* pDef, BOOL recurse);
  // Offers to save a changed definition to a file, then closes. TRUE.
  BOOL CloseAfterServerLoss();
  // The class library's close, without questions.
  void CloseFrame();
  // The view of the selected tab, or null.
  CWnd* GetActiveTabView();
  COrvexView* GetTabView(int nTab);
  COrvexDoc* GetOrvexDoc();
  SECTabWnd& GetTabWnd() { return m_wndTabs; }

  // Both remembered answers of the close questions are forgotten.
  static void ClearRememberedAnswers();

  CMapStringToString m_mapVisitedNames;

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  afx_msg void OnClose();
  afx_msg void OnNextPane();
  DECLARE_MESSAGE_MAP()

 private:
  // One close question, answered from memory in apply-to-all mode when an
  // earlier answer was given with the box ticked.
  static int Ask(int& remembered, BOOL applyToAll, const char* text, const char* checkText, const CString& caption,
                 UINT options);
  // The two questions and what the answer asks for. TRUE when the window
  // is to stay: the user cancelled, or the save he chose did not happen.
  // The window may be gone on return (a notice meanwhile, a deleted new
  // definition, a renamed copy in its place).
  BOOL AskNeverSaved(CQRBusObjDef* pDef, BOOL applyToAll, const CString& caption);
  BOOL AskSavedToFile(CQRBusObjDef* pDef, BOOL applyToAll, const CString& caption);
  // Carries out a question's answer: `save` for an answer that saves
  // (`saves`), No reverts the definition with those it uses, anything else
  // keeps the window. When the window went during the box, a decision
  // counts as carried out. TRUE when the window is to stay; then the
  // remembered answers are forgotten.
  BOOL CarryOutAnswer(HWND self, int answer, bool saves, CQRBusObjDef* pDef, const std::function<BOOL()>& save);
  // After "Yes, to server" failed: the offer of a file instead. TRUE when saved.
  BOOL OfferFileInstead(const CString& name);
  // OnSaveToFile of the active view: TRUE when the definition was written.
  BOOL SaveToFile();
  void ClearVisited() { m_mapVisitedNames.RemoveAll(); }

  SECTabWnd m_wndTabs;
  std::unique_ptr<CFont> m_pTabFont;
  // Taken by CloseAfterServerLoss; recursive for the thread that holds it,
  // so that a notice handled inside its question does not wait on itself.
  CMutex m_mutex;
  // How deep CloseAfterServerLoss runs: a nested call leaves the closing
  // to the outer one.
  int m_nServerLossDepth = 0;

  static int s_nNeverSavedAnswer;
  static int s_nSavedToFileAnswer;
};
