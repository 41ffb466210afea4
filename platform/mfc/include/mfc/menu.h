// CMenu: a menu handle with the class library's members.
//
// A CMenu that created, loaded or attached its menu destroys it when it is
// destroyed, unless it was detached first (a menu given to a window or put
// into another menu belongs to them). FromHandle gives the attached object
// or a temporary one that the thread's idle clean-up deletes.
#pragma once

#include "afxstr.h"
#include "mfc/object.h"
#include "windows.h"

class CWnd;

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)

 public:
  HMENU m_hMenu = nullptr;

  CMenu() = default;
  ~CMenu() override;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  bool operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }
  bool operator!=(const CMenu& menu) const { return !(*this == menu); }

  static CMenu* PASCAL FromHandle(HMENU hMenu);
  static void PASCAL DeleteTempMap();
  // Attach fails on a null menu or when the object already holds one.
  BOOL Attach(HMENU hMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // Found through the resource chain (AfxFindResourceHandle).
  BOOL LoadMenu(LPCTSTR lpszResourceName);
  BOOL LoadMenu(UINT nIDResource);
  BOOL LoadMenuIndirect(const void* lpMenuTemplate);
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  // Takes the item out; a popup stays alive for the caller.
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);
  // Takes the item out and destroys its popup.
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);

  // Each answers the previous state, or -1 (0xFFFFFFFF) when there is no
  // such item.
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
  BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
  UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;

  UINT GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE) const;
  BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
  BOOL InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
  // The popup at the position, as a temporary object unless one is
  // attached to it; null when the item is not a popup.
  CMenu* GetSubMenu(int nPos) const;
  // With TPM_RETURNCMD the chosen id (0 when cancelled); otherwise the
  // command goes to pWnd as WM_COMMAND.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};
