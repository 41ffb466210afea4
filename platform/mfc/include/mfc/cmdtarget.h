// CCmdTarget: the base of every object that receives commands through a
// message map; CCmdUI: the user-interface state of one command (a menu
// item, a button) asked of the command's handlers before it is shown.
#pragma once

#include "afxstr.h"
#include "mfc/msgmap.h"
#include "mfc/object.h"

// Marks message handlers.
#define afx_msg

class CCmdUI;
class CMenu;
class CWnd;

// Filled by OnCmdMsg when the caller only asks who would handle a command.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  const AFX_MSGMAP_ENTRY* pEntry;
};

// The extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget() = default;

  // Looks the command up in this object's message map and its bases; with
  // pHandlerInfo it only reports the handler and calls nothing.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();

  // The map's first entry that matches a message, searching the bases too.
  static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // Calls one entry's handler for a command kind.
  static BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra);
};

class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;
  CCmdUI(const CCmdUI&) = delete;
  CCmdUI& operator=(const CCmdUI&) = delete;

  UINT m_nID = 0;
  UINT m_nIndex = 0;            // menu item or other index
  CMenu* m_pMenu = nullptr;     // the menu, for menu items
  CMenu* m_pSubMenu = nullptr;  // a popup item's sub-menu
  CMenu* m_pParentMenu = nullptr;
  CWnd* m_pOther = nullptr;  // a window (button, status pane) instead of a menu
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;
  UINT m_nIndexMax = 0;

  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCTSTR lpszText);

  // A handler that only watches lets the routing go on to the next target.
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks the target for the state; an item no handler claims is disabled
  // when bDisableIfNoHndler.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

 private:
  HMENU MenuHandle() const;
};

// Records what the handlers set instead of changing a menu or window;
// used to ask whether a command is enabled.
class CTestCmdUI : public CCmdUI {
 public:
  BOOL m_bEnabled = TRUE;
  int m_nCheck = -1;  // -1: not set
  BOOL m_bRadio = FALSE;
  CString m_strText;
  BOOL m_bTextSet = FALSE;

  void Enable(BOOL bOn) override;
  void SetCheck(int nCheck) override;
  void SetRadio(BOOL bOn) override;
  void SetText(LPCTSTR lpszText) override;
};

namespace afx {
template <auto pmf>
LRESULT CmdUI(CCmdTarget* p, const AFX_CALL& c) {
  auto* pCmdUI = static_cast<CCmdUI*>(c.pExtra);
  // A range handler gets the same CCmdUI, with m_nID telling the item.
  (Target<pmf>(p)->*pmf)(pCmdUI);
  return TRUE;
}
}  // namespace afx
