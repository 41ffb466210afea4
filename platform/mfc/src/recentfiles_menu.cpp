// CRecentFileList::UpdateMenu: the numbered file items of the File menu.
#include <unistd.h>

#include <string>

#include "mfc/cmdtarget.h"
#include "mfc/menu.h"
#include "mfc/recentfiles.h"

namespace {

// An "&" in a file name would underline the next letter instead of showing.
CString DoubleAmpersands(const CString& text) {
  CString doubled(text);
  doubled.Replace("&", "&&");
  return doubled;
}

std::string CurrentFolder() {
  std::string folder(4096, '\0');
  if (!::getcwd(folder.data(), folder.size())) return {};
  folder.resize(folder.find('\0'));
  return folder;
}

}  // namespace

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
  if (!pCmdUI) return;
  CMenu* menu = pCmdUI->m_pMenu;
  if (m_nSize == 0 || m_arrNames.front().IsEmpty()) {
    // Keeps the placeholder's text ("Recent File") to show it again later.
    if (m_strOriginal.IsEmpty() && menu) menu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (!m_strOriginal.IsEmpty() && menu) {
      menu->ModifyMenu(pCmdUI->m_nID, MF_BYCOMMAND | MF_STRING, pCmdUI->m_nID, m_strOriginal);
    }
    pCmdUI->Enable(FALSE);
    return;
  }
  if (!menu) return;
  if (m_strOriginal.IsEmpty()) menu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
  for (int i = 0; i < m_nSize; ++i) menu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);

  const std::string folder = CurrentFolder();
  for (int i = 0; i < m_nSize; ++i) {
    CString name;
    if (!GetDisplayName(name, i, folder.c_str(), static_cast<int>(folder.size()))) break;
    CString text;
    text.Format("&%d %s", static_cast<int>((static_cast<UINT>(i) + 1 + m_nStart) % 10), DoubleAmpersands(name));
    menu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, text);
  }
  // The caller's loop goes on after the last item added, and the items
  // added are enabled already.
  pCmdUI->m_nIndex--;
  pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
  pCmdUI->m_bEnableChanged = TRUE;
}
