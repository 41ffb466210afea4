// CCommonDialog: the common base of the common dialogs' wrappers.
#include "mfc/commondialog.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }
