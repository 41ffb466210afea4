// Message-map search and command dispatch; command-UI updates.
#include <windows.h>

#include "mfc/cmdtarget.h"
#include "mfc/menu.h"
#include "mfc/wnd.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID) {
  if (entry.nMessage == 0xC000) {
    // A registered message: the entry points at the variable holding it.
    const auto* registered = reinterpret_cast<const UINT*>(entry.nSig);
    return nCode == 0 && nID == 0 && *registered != 0 && *registered == nMessage;
  }
  if (entry.nSig == AfxSig_msg && entry.nLastID != 0 && entry.nID == 0) {
    // A window-message range (one entry for several messages).
    return nMessage >= entry.nMessage && nMessage <= entry.nLastID;
  }
  return entry.nMessage == nMessage && entry.nCode == nCode && nID >= entry.nID && nID <= entry.nLastID;
}

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID) {
  for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->nSig != AfxSig_end; ++entry) {
      if (EntryMatches(*entry, nMessage, nCode, nID)) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra) {
  AFX_CALL call{pEntry->nMessage, 0, 0, nID, pExtra, nullptr};
  if (pEntry->nSig == AfxSig_notify) {
    auto* notify = static_cast<AFX_NOTIFY*>(pExtra);
    call.pExtra = notify->pNMHDR;
    call.pResult = notify->pResult;
    return pEntry->pfn(pTarget, call) != 0;
  }
  if (pEntry->nSig == AfxSig_cmdui) {
    // A handler that calls ContinueRouting leaves the command unhandled.
    auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    pEntry->pfn(pTarget, call);
    const BOOL handled = !pCmdUI->m_bContinueRouting;
    pCmdUI->m_bContinueRouting = FALSE;
    return handled;
  }
  return pEntry->pfn(pTarget, call) != 0;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // Notifications other than WM_COMMAND's carry their message in the high word.
  UINT nMsg = WM_COMMAND;
  UINT code = static_cast<UINT>(nCode);
  if (code != CN_UPDATE_COMMAND_UI && HIWORD(code) != 0) {
    nMsg = HIWORD(code);
    code = LOWORD(code);
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), nMsg, code, nID);
  if (entry == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pEntry = entry;
    return TRUE;
  }
  return DispatchCmdMsg(this, nID, entry, pExtra);
}

void CCmdTarget::BeginWaitCursor() { win32::BeginWaitCursor(); }
void CCmdTarget::EndWaitCursor() { win32::EndWaitCursor(); }
void CCmdTarget::RestoreWaitCursor() { win32::RestoreWaitCursor(); }

// ---------------------------------------------------------------------------
// CCmdUI

HMENU CCmdUI::MenuHandle() const { return m_pMenu != nullptr ? m_pMenu->m_hMenu : nullptr; }

void CCmdUI::Enable(BOOL bOn) {
  if (HMENU menu = MenuHandle()) {
    // A popup's own item has no command: leave it alone.
    if (m_pSubMenu == nullptr) {
      ::EnableMenuItem(menu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
  } else if (m_pOther != nullptr) {
    // Moving the focus off a control that is about to be disabled.
    if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
      if (HWND parent = ::GetParent(m_pOther->m_hWnd)) ::SendMessage(parent, WM_NEXTDLGCTL, 0, FALSE);
    }
    m_pOther->EnableWindow(bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
  if (HMENU menu = MenuHandle()) {
    if (m_pSubMenu == nullptr) ::CheckMenuItem(menu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
    m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
  }
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText) {
  if (lpszText == nullptr) return;
  if (HMENU menu = MenuHandle()) {
    if (m_pSubMenu != nullptr) return;
    // Keep the item's state (enabled, checked) with its new text.
    const UINT state = ::GetMenuState(menu, m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    ::ModifyMenu(menu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, lpszText);
  } else if (m_pOther != nullptr) {
    CString current;
    m_pOther->GetWindowText(current);
    if (current != lpszText) m_pOther->SetWindowText(lpszText);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr) return FALSE;
  m_bEnableChanged = FALSE;
  const BOOL handled = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged) {
    // No update handler: enabled only when some target handles the command.
    AFX_CMDHANDLERINFO info{nullptr, nullptr};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return handled;
}

void CTestCmdUI::Enable(BOOL bOn) {
  m_bEnabled = bOn;
  m_bEnableChanged = TRUE;
}
void CTestCmdUI::SetCheck(int nCheck) { m_nCheck = nCheck; }
void CTestCmdUI::SetRadio(BOOL bOn) { m_bRadio = bOn; }
void CTestCmdUI::SetText(LPCTSTR lpszText) {
  m_strText = lpszText;
  m_bTextSet = TRUE;
}
