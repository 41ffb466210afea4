// CMenu.
#include "mfc/menu.h"

#include <vector>

#include "mfc/handlemap.h"
#include "mfc/modulestate.h"
#include "mfc/wnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

struct MenuHandle {
  static void Set(CMenu& menu, HMENU handle) { menu.m_hMenu = handle; }
  static void Clear(CMenu& menu) { menu.m_hMenu = nullptr; }
};

using MenuHandleMap = afx::HandleMap<CMenu, HMENU, MenuHandle>;

MenuHandleMap& MenuMap() {
  thread_local MenuHandleMap map;
  return map;
}

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) { return MenuMap().FromHandle(hMenu); }

void PASCAL CMenu::DeleteTempMap() { MenuMap().DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) {
  if (!hMenu || m_hMenu) return FALSE;
  m_hMenu = hMenu;
  MenuMap().SetPermanent(hMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU hMenu = m_hMenu;
  if (hMenu) MenuMap().RemoveHandle(hMenu, this);
  m_hMenu = nullptr;
  return hMenu;
}

namespace {

// Attaches a new menu; when that fails the menu is destroyed again.
BOOL AttachNew(CMenu& menu, HMENU hMenu) {
  if (menu.Attach(hMenu)) return TRUE;
  if (hMenu) ::DestroyMenu(hMenu);
  return FALSE;
}

}  // namespace

BOOL CMenu::CreateMenu() { return AttachNew(*this, ::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return AttachNew(*this, ::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
  if (!lpszResourceName) return FALSE;
  const HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  return module && AttachNew(*this, ::LoadMenu(module, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
  return lpMenuTemplate && AttachNew(*this, ::LoadMenuIndirect(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return m_hMenu ? ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem) : FALSE;
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return m_hMenu ? ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem) : FALSE;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return m_hMenu ? ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem) : FALSE;
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  return m_hMenu ? ::RemoveMenu(m_hMenu, nPosition, nFlags) : FALSE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
  return m_hMenu ? ::DeleteMenu(m_hMenu, nPosition, nFlags) : FALSE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return m_hMenu ? static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable)) : 0xFFFFFFFFu;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return m_hMenu ? ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck) : 0xFFFFFFFFu;
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  return m_hMenu ? ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags) : FALSE;
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) {
  return m_hMenu ? ::SetMenuDefaultItem(m_hMenu, uItem, fByPos) : FALSE;
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const {
  return m_hMenu ? ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags) : 0xFFFFFFFFu;
}

UINT CMenu::GetMenuItemCount() const { return m_hMenu ? static_cast<UINT>(::GetMenuItemCount(m_hMenu)) : 0xFFFFFFFFu; }

UINT CMenu::GetMenuItemID(int nPos) const { return m_hMenu ? ::GetMenuItemID(m_hMenu, nPos) : 0xFFFFFFFFu; }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
  return m_hMenu ? ::GetMenuState(m_hMenu, nID, nFlags) : 0xFFFFFFFFu;
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
  return m_hMenu ? ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags) : 0;
}

// Asks the length first, so texts of any length come back whole.
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  rString.Empty();
  const int length = GetMenuString(nIDItem, nullptr, 0, nFlags);
  if (length <= 0) return 0;
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetMenuString(nIDItem, buffer.data(), length + 1, nFlags);
  rString = CString(buffer.data(), copied);
  return copied;
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) const {
  return m_hMenu && lpMenuItemInfo ? ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo) : FALSE;
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
  return m_hMenu && lpMenuItemInfo ? ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo) : FALSE;
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
  return m_hMenu && lpMenuItemInfo ? ::InsertMenuItem(m_hMenu, uItem, fByPos, lpMenuItemInfo) : FALSE;
}

CMenu* CMenu::GetSubMenu(int nPos) const { return m_hMenu ? FromHandle(::GetSubMenu(m_hMenu, nPos)) : nullptr; }

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr, lpRect);
}
