// CMDIFrameWnd: the MDI client, its window menu and commands, and routing
// through the active child.
#include "mfc/mdiframe.h"

#include <windows.h>

#include "afxres.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/doctempl.h"
#include "mfc/document.h"
#include "mfc/menu.h"
#include "mfc/modulestate.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
  ON_WM_SIZE()
  ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
  ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
  ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
  ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateMDIWindowCmd)
  ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
  if (hMenuBar == nullptr) return nullptr;
  const int count = ::GetMenuItemCount(hMenuBar);
  // The popup with the Window commands, else the one before last.
  for (int i = count - 1; i >= 0; --i) {
    HMENU hPopup = ::GetSubMenu(hMenuBar, i);
    if (hPopup == nullptr) continue;
    for (int j = 0, n = ::GetMenuItemCount(hPopup); j < n; ++j) {
      const UINT id = ::GetMenuItemID(hPopup, j);
      if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_SPLIT) return hPopup;
    }
  }
  return count >= 2 ? ::GetSubMenu(hMenuBar, count - 2) : nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  CMenu* pMenu = GetMenu();
  return CreateClient(lpcs, pMenu != nullptr ? CMenu::FromHandle(GetWindowMenuPopup(pMenu->m_hMenu)) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpcs, CMenu* pWindowMenu) {
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr;
  ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
  DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
  if (lpcs != nullptr) dwStyle |= static_cast<DWORD>(lpcs->style) & (WS_HSCROLL | WS_VSCROLL);
  m_hWndMDIClient = ::CreateWindowEx(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                     AfxGetInstanceHandle(), &ccs);
  if (m_hWndMDIClient == nullptr) return FALSE;
  ::BringWindowToTop(m_hWndMDIClient);
  return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int) {
  // The client goes where the bars leave room, not over the whole area.
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
  if (m_hWndMDIClient == nullptr) return nullptr;
  auto hWnd =
      reinterpret_cast<HWND>(::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(pbMaximized)));
  return dynamic_cast<CMDIChildWnd*>(FromHandlePermanent(hWnd));
}

namespace {

// Asks the MDI client to do something to one of its children.
void SendAboutChild(HWND hWndClient, UINT message, const CWnd* pWnd) {
  if (pWnd != nullptr) ::SendMessage(hWndClient, message, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

}  // namespace

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) { SendAboutChild(m_hWndMDIClient, WM_MDIACTIVATE, pWndActivate); }

void CMDIFrameWnd::MDINext() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1); }

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) { SendAboutChild(m_hWndMDIClient, WM_MDIMAXIMIZE, pWnd); }
void CMDIFrameWnd::MDIRestore(CWnd* pWnd) { SendAboutChild(m_hWndMDIClient, WM_MDIRESTORE, pWnd); }

void CMDIFrameWnd::MDICascade(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, nType, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDITILE, nType, 0); }
void CMDIFrameWnd::MDIIconArrange() { ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu) {
  const auto wParam = reinterpret_cast<WPARAM>(pFrameMenu != nullptr ? pFrameMenu->m_hMenu : nullptr);
  const auto lParam = reinterpret_cast<LPARAM>(pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr);
  return CMenu::FromHandle(reinterpret_cast<HMENU>(::SendMessage(m_hWndMDIClient, WM_MDISETMENU, wParam, lParam)));
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* pActive = MDIGetActive();
  return pActive != nullptr ? static_cast<CFrameWnd*>(pActive) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument() {
  CMDIChildWnd* pActive = MDIGetActive();
  return pActive != nullptr ? pActive->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  CMDIChildWnd* pActiveChild = MDIGetActive();
  // A maximised child's title is added by the window system ("App - [Doc]").
  const bool restored = pActiveChild != nullptr && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0;
  CDocument* pDocument = restored ? pActiveChild->GetActiveDocument() : nullptr;
  if (bAddToTitle && pDocument != nullptr) {
    UpdateFrameTitleForDocument(pDocument->GetTitle());
  } else {
    const CString childTitle = restored ? pActiveChild->GetTitle() : CString();
    UpdateFrameTitleForDocument(childTitle.IsEmpty() ? nullptr : static_cast<LPCTSTR>(childTitle));
  }
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (CMDIChildWnd* pActiveChild = MDIGetActive()) {
    pActiveChild->OnUpdateFrameMenu(TRUE, pActiveChild, hMenuAlt);
    return;
  }
  HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
  ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu),
                reinterpret_cast<LPARAM>(GetWindowMenuPopup(hMenu)));
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator() {
  CMDIChildWnd* pActiveChild = MDIGetActive();
  HACCEL hAccel = pActiveChild != nullptr ? pActiveChild->GetDefaultAccelerator() : nullptr;
  return hAccel != nullptr ? hAccel : m_hAccelTable;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  CMDIChildWnd* pActiveChild = MDIGetActive();
  if (pActiveChild != nullptr && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // Ctrl+F4 and Ctrl+F6 belong to the client, then the frame's keys.
  if (::TranslateMDISysAccel(m_hWndMDIClient, pMsg)) return TRUE;
  return m_hAccelTable != nullptr && ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
  switch (nID) {
    case ID_WINDOW_ARRANGE:
      MDIIconArrange();
      break;
    case ID_WINDOW_CASCADE:
      MDICascade();
      break;
    case ID_WINDOW_TILE_HORZ:
      MDITile(MDITILE_HORIZONTAL);
      break;
    case ID_WINDOW_TILE_VERT:
      MDITile(MDITILE_VERTICAL);
      break;
    default:
      return FALSE;
  }
  return TRUE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

void CMDIFrameWnd::OnWindowNew() {
  CMDIChildWnd* pActiveChild = MDIGetActive();
  CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
  CDocTemplate* pTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
  CFrameWnd* pFrame = pTemplate != nullptr ? pTemplate->CreateNewFrame(pDocument, pActiveChild) : nullptr;
  if (pFrame == nullptr) {
    AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
    return;
  }
  pTemplate->InitialUpdateFrame(pFrame, pDocument);
}
