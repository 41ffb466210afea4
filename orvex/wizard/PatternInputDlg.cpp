#include "PatternInputDlg.h"

#include "wizard_resource.h"

CPatternInputDlg::CPatternInputDlg(CWnd* pParent) : CDialog(IDD_SEARCH_PATTERN, pParent) {}

void CPatternInputDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_SEARCH_HINT, m_strHint);
  DDX_Text(pDX, IDC_SEARCH_PATTERN, m_strPattern);
}
