#include "OrvexView.h"

#include "OrvexDoc.h"

namespace {

// The name a notice of the data manager carries: its length and characters.
CString NoticeName(WPARAM wParam, LPARAM lParam) {
  const auto* text = reinterpret_cast<const char*>(lParam);
  return text != nullptr ? CString(text, static_cast<int>(wParam)) : CString();
}

}  // namespace

IMPLEMENT_DYNCREATE(COrvexView, CView)

BEGIN_MESSAGE_MAP(COrvexView, CView)
  ON_WM_DESTROY()
  ON_MESSAGE(WM_HV_DEF_GONE, OnDefGone)
  ON_MESSAGE(WM_HV_DEF_CLOSE, OnDefClose)
  ON_MESSAGE(WM_HV_DEF_CHANGED, OnDefChanged)
END_MESSAGE_MAP()

COrvexView::COrvexView() = default;

COrvexView::~COrvexView() = default;

COrvexDoc* COrvexView::GetDocument() const { return DYNAMIC_DOWNCAST(COrvexDoc, m_pDocument); }

void COrvexView::OnBONameAdded(CString) {}

void COrvexView::OnBONameRemoved(CString) {}

void COrvexView::OnBONamesReset() {}

void COrvexView::RefreshFromDef() { Invalidate(); }

void COrvexView::WriteGridToTextFile(const char*) {}

void COrvexView::ApplyToDef(CQRBusObjDef*) {}

// Writing a definition to a file comes with the repository-copy writer.
int COrvexView::OnSaveToFile() { return 24; }

void COrvexView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  COrvexDoc* pDoc = GetDocument();
  if (pDoc == nullptr || pDoc->m_pBODef == nullptr) return;
  m_strBOName = pDoc->m_pBODef->name(0);
  CDataManager::InitInstance()->AddWindowHandle(GetSafeHwnd(), m_strBOName);
}

void COrvexView::OnDestroy() {
  if (!m_strBOName.IsEmpty()) CDataManager::InitInstance()->RemoveView(m_strBOName, GetSafeHwnd());
  CView::OnDestroy();
}

void COrvexView::OnDraw(CDC* pDC) {
  COrvexDoc* pDoc = GetDocument();
  if (pDoc == nullptr || pDoc->m_pBODef == nullptr) return;
  CRect client;
  GetClientRect(&client);
  client.DeflateRect(12, 12);
  const HGDIOBJ oldFont = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
  pDC->SetBkMode(TRANSPARENT);
  CString text = "Business object definition: ";
  text += pDoc->m_pBODef->name(0);
  pDC->DrawText(text, &client, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(pDC->GetSafeHdc(), oldFont);
}

void COrvexView::CloseIfNamed(WPARAM wParam, LPARAM lParam) {
  if (m_strBOName.IsEmpty() || NoticeName(wParam, lParam) != m_strBOName) return;
  if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DestroyWindow();
}

LRESULT COrvexView::OnDefGone(WPARAM wParam, LPARAM lParam) {
  CloseIfNamed(wParam, lParam);
  return 0;
}

LRESULT COrvexView::OnDefClose(WPARAM wParam, LPARAM lParam) {
  CloseIfNamed(wParam, lParam);
  return 0;
}

LRESULT COrvexView::OnDefChanged(WPARAM, LPARAM) {
  RefreshFromDef();
  return 0;
}
