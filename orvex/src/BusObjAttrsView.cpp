#include "BusObjAttrsView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CBusObjAttrsView, COrvexView)

BEGIN_MESSAGE_MAP(CBusObjAttrsView, COrvexView)
  ON_WM_SIZE()
END_MESSAGE_MAP()

CBusObjAttrsView::CBusObjAttrsView() : COrvexView(IDD_ATTRS_VIEW) {}

CBusObjAttrsView::~CBusObjAttrsView() = default;

void CBusObjAttrsView::OnInitialUpdate() {
  COrvexView::OnInitialUpdate();
  m_wndAttrGrid.SubclassDlgItem(IDC_ATTR_GRID, this);
  m_wndAttrGrid.Initialize();
  CRect client;
  GetClientRect(&client);
  OnSize(SIZE_RESTORED, client.Width(), client.Height());
}

void CBusObjAttrsView::OnSize(UINT nType, int cx, int cy) {
  COrvexView::OnSize(nType, cx, cy);
  if (m_wndAttrGrid.GetSafeHwnd() != nullptr) m_wndAttrGrid.MoveWindow(0, 0, cx, cy);
  SetScrollSizes(MM_TEXT, CSize(0, 0));
}
