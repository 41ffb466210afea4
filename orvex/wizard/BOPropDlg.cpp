#include "BOPropDlg.h"

#include <memory>

#include "wizard_resource.h"

BEGIN_MESSAGE_MAP(CBOPropDlg, CDialog)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CBOPropDlg::CBOPropDlg(CWnd* pParent) : CDialog(IDD_BO_PROPERTIES, pParent) {
  // The template's grid needs the grid's window class.
  GXInit();
}

void CBOPropDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_PROP_TEXT, m_strText);
}

BOOL CBOPropDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CString suffix = m_strCaptionSuffix;
  suffix.Trim();
  if (!suffix.IsEmpty()) {
    CString caption;
    GetWindowText(caption);
    SetWindowText(caption + " - " + m_strCaptionSuffix);
  }
  m_wndGrid.SubclassDlgItem(IDC_PROP_GRID, this);
  m_wndGrid.Initialize();
  m_wndGrid.InitColumns();
  m_wndGrid.SetProperties(m_pProperties, CPropGrid::kFromDefaults);
  if (CMenu* pSystemMenu = GetSystemMenu(FALSE))
    pSystemMenu->EnableMenuItem(1, MF_BYPOSITION | MF_DISABLED | MF_GRAYED);
  m_sizing.Add(CControlSizingDefinition(GetDlgItem(IDC_PROP_TEXT),
                                        HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_TOP));
  m_sizing.Add(CControlSizingDefinition(GetDlgItem(IDOK), HLSIZE_ANCHOR_BOTTOMRIGHT));
  m_sizing.Add(CControlSizingDefinition(&m_wndGrid, HLSIZE_ANCHOR_ALL));
  CRect window;
  GetWindowRect(&window);
  m_sizing.SetContainerInitialSize(window.Size());
  m_sizing.SetMinDimensions(window.Width(), window.Height());
  return TRUE;
}

void CBOPropDlg::OnOK() {
  if (m_pProperties == nullptr) {
    EndDialog(IDOK);
    return;
  }
  m_wndGrid.GetProperties(m_pProperties);
  if (std::unique_ptr<CStringList> pMissing{m_pProperties->GetIncompleteProperties()}) {
    MessageBox(
        "Some required fields were not filled out. Please review the agent properties and provide all "
        "required information.",
        "Incomplete properties", MB_OK | MB_ICONSTOP);
    return;
  }
  EndDialog(IDOK);
}

void CBOPropDlg::OnCancel() {}

void CBOPropDlg::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  m_sizing.ResizeTo(cx, cy);
}

void CBOPropDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
  CDialog::OnGetMinMaxInfo(lpMMI);
  m_sizing.ApplyMinDimensions(lpMMI);
}
