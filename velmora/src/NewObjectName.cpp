#include "NewObjectName.h"

#include <UtilFunc.h>

namespace velmora {

void UpdateOkForName(CDialog& dialog, int nIDName, CString& name) {
  dialog.GetDlgItemText(nIDName, name);
  name.TrimRight();
  if (CWnd* pOk = dialog.GetDlgItem(IDOK)) pOk->EnableWindow(!name.IsEmpty());
}

BOOL AcceptNewName(const CString& name, LPCTSTR emptyMessage, const std::function<CString()>& conflict) {
  if (name.IsEmpty()) {
    AfxMessageBox(emptyMessage, MB_OK);
    return FALSE;
  }
  if (!CUtilFunc::IsAlphanumeric(name)) return FALSE;
  const CString message = conflict();
  if (!message.IsEmpty()) {
    AfxMessageBox(message, MB_OK);
    return FALSE;
  }
  return TRUE;
}

}  // namespace velmora
