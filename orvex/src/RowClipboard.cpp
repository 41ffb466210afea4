#include "RowClipboard.h"

#include <Constants.h>

#include "MainFrame.h"
#include "OrvexApp.h"

UINT CRowClipboard::GetFormat() { return ::RegisterClipboardFormat(g_strClipboardFormat); }

CQRBusObjDef* CRowClipboard::GetDefinition(CWnd* pOwner) {
  const UINT format = GetFormat();
  if (!::IsClipboardFormatAvailable(format) || !::OpenClipboard(pOwner->GetSafeHwnd())) return nullptr;
  CQRObj* pObject = CQRObj::FromClipboardData(::GetClipboardData(format), QR_CLIPBOARD_BODEF);
  ::CloseClipboard();
  return DYNAMIC_DOWNCAST(CQRBusObjDef, pObject);
}

BOOL CRowClipboard::PutDefinition(CWnd* pOwner, std::unique_ptr<CQRBusObjDef> pDef) {
  HGLOBAL block = pDef->PrepareClipboardData(QR_CLIPBOARD_BODEF);
  if (block == nullptr) return FALSE;
  if (!::OpenClipboard(pOwner->GetSafeHwnd())) {
    ::GlobalFree(block);
    return FALSE;
  }
  ::EmptyClipboard();
  const BOOL placed = ::SetClipboardData(GetFormat(), block) != nullptr;
  ::CloseClipboard();
  if (!placed) {
    ::GlobalFree(block);
    return FALSE;
  }
  pDef.release();  // ReleaseClipboardObject deletes it
  return TRUE;
}

void CRowClipboard::Release() {
  if (COrvexApp* pApp = GetOrvexApp()) pApp->ReleaseClipboardObject();
}

BOOL CRowClipboard::HasText() { return ::IsClipboardFormatAvailable(CF_TEXT); }

void CRowClipboard::SetCopyColumn(int column) {
  COrvexApp* pApp = GetOrvexApp();
  if (CMainFrame* pFrame = pApp != nullptr ? pApp->GetMainFrame() : nullptr) pFrame->m_nCopyColumn = column;
}

int CRowClipboard::GetCopyColumn() {
  COrvexApp* pApp = GetOrvexApp();
  const CMainFrame* pFrame = pApp != nullptr ? pApp->GetMainFrame() : nullptr;
  return pFrame != nullptr ? pFrame->m_nCopyColumn : 0;
}
