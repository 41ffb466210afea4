// The results dialogs' find, layout and resource switch.
#include "DlgResultsBase.h"

#include <algorithm>

#include "ResourceScope.h"
#include "resource.h"

namespace {

constexpr int kGridMargin = 50;
constexpr int kButtonMargin = 10;

// The control's rectangle in its parent's client coordinates.
CRect PlaceOf(const CWnd& parent, const CWnd& control) {
  CRect rect;
  control.GetWindowRect(&rect);
  parent.ScreenToClient(&rect);
  return rect;
}

void MoveTo(CWnd& control, int x, int y) {
  control.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgResultsBase, CDialog)
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_RESULTS_FIND_UP, OnFindUp)
  ON_BN_CLICKED(IDC_RESULTS_FIND_DOWN, OnFindDown)
  ON_EN_CHANGE(IDC_RESULTS_FIND, OnChangeFind)
END_MESSAGE_MAP()

CDlgResultsBase::CDlgResultsBase(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

INT_PTR CDlgResultsBase::DoModal() {
  velmora::ResourceScope resources;
  GXInit();
  return CDialog::DoModal();
}

void CDlgResultsBase::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RESULTS_HEADER, m_wndHeader);
  DDX_Control(pDX, IDCANCEL, m_btnCancel);
  DDX_Control(pDX, IDC_RESULTS_FIND_UP, m_btnFindUp);
  DDX_Control(pDX, IDC_RESULTS_FIND_DOWN, m_btnFindDown);
  DDX_Text(pDX, IDC_RESULTS_FIND, m_strFind);
}

BOOL CDlgResultsBase::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  m_btnFindUp.LoadBitmaps(IDB_FIND_UP, IDB_FIND_UP, IDB_FIND_UP, IDB_FIND_UP);
  m_btnFindUp.SizeToContent();
  m_btnFindDown.LoadBitmaps(IDB_FIND_DOWN, IDB_FIND_DOWN, IDB_FIND_DOWN, IDB_FIND_DOWN);
  m_btnFindDown.SizeToContent();
  CGridResultsBase& grid = GetResultsGrid();
  grid.SubclassDlgItem(IDC_RESULTS_GRID, this);
  grid.Initialize();
  FillGrid();
  CRect client;
  GetClientRect(&client);
  LayOut(client.Width(), client.Height());
  if (CEdit* pFind = GetDlgItemAs<CEdit>(IDC_RESULTS_FIND)) {
    GotoDlgCtrl(pFind);
    pFind->SetSel(0, -1);
  }
  return FALSE;
}

void CDlgResultsBase::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  LayOut(cx, cy);
}

void CDlgResultsBase::LayOut(int cx, int cy) {
  CGridResultsBase& grid = GetResultsGrid();
  CWnd* pOk = GetDlgItem(IDOK);
  if (grid.GetSafeHwnd() == nullptr || m_btnCancel.GetSafeHwnd() == nullptr || pOk == nullptr) return;
  const CRect rcGrid = PlaceOf(*this, grid);
  grid.SetWindowPos(nullptr, 0, 0, std::max(0, cx - rcGrid.left - kGridMargin),
                    std::max(0, cy - rcGrid.top - kGridMargin), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const CRect rcCancel = PlaceOf(*this, m_btnCancel);
  const int cancelLeft = cx - kButtonMargin - rcCancel.Width();
  MoveTo(m_btnCancel, cancelLeft, cy - kButtonMargin - rcCancel.Height());
  const CRect rcOk = PlaceOf(*this, *pOk);
  MoveTo(*pOk, cancelLeft - kButtonMargin - rcOk.Width(), cy - kButtonMargin - rcOk.Height());
  Invalidate();
}

void CDlgResultsBase::OnFindUp() {
  UpdateData(TRUE);
  GetResultsGrid().FindUp(m_strFind);
}

void CDlgResultsBase::OnFindDown() {
  UpdateData(TRUE);
  GetResultsGrid().FindDown(m_strFind);
}

void CDlgResultsBase::OnChangeFind() {
  if (GetResultsGrid().GetSafeHwnd() == nullptr) return;
  GetDlgItemText(IDC_RESULTS_FIND, m_strFind);
  GetResultsGrid().FindFromTop(m_strFind);
}
