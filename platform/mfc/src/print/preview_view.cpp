// CPreviewView: pages, zoom and the preview bar's commands.
#include <algorithm>

#include "afxdlgs.h"
#include "afxext.h"

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
  ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
  ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
  ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
  ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
  ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
  ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
  ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
  ON_WM_SIZE()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// The grey around the pages and the shadow under each.
constexpr int kMargin = 8;
constexpr int kShadow = 3;

}  // namespace

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView() {
  // A frame closed during the preview takes the preview with it.
  delete m_pPreviewState;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView) {
  if (pPrintView == nullptr) return FALSE;
  m_pPrintView = pPrintView;
  m_pPreviewInfo = std::make_unique<CPrintInfo>();
  m_pPreviewInfo->m_bPreview = TRUE;
  if (!m_pPrintView->OnPreparePrinting(m_pPreviewInfo.get())) return FALSE;
  HDC printer = m_pPreviewInfo->m_pPD->m_pd.hDC;
  if (printer == nullptr) return FALSE;
  m_pPreviewDC = std::make_unique<CPreviewDC>();
  m_pPreviewDC->SetAttribDC(printer);
  m_sizePrinter = CSize(::GetDeviceCaps(printer, HORZRES), ::GetDeviceCaps(printer, VERTRES));
  HDC screen = ::GetDC(nullptr);
  m_nScreenDpi = std::max(1, ::GetDeviceCaps(screen, LOGPIXELSX));
  ::ReleaseDC(nullptr, screen);
  m_nPages = std::clamp(m_pPreviewInfo->m_nNumPreviewPages, 1u, 2u);
  m_nCurrentPage = std::max(m_pPreviewInfo->m_nCurPage, m_pPreviewInfo->GetMinPage());
  m_pPrintView->OnBeginPrinting(m_pPreviewDC.get(), m_pPreviewInfo.get());
  UpdateScrollSizes();
  return TRUE;
}

UINT CPreviewView::LastPage() const { return m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMaxPage() : 1; }

void CPreviewView::ScaleRatio(int& num, int& den) const {
  CRect client;
  GetClientRect(&client);
  const CSize page(std::max<LONG>(m_sizePrinter.cx, 1), std::max<LONG>(m_sizePrinter.cy, 1));
  // Fitted: the pages side by side in the window.
  const int slots = static_cast<int>(m_nPages);
  const int width = std::max(1, (static_cast<int>(client.Width()) - (slots + 1) * kMargin) / slots);
  const int height = std::max(1, static_cast<int>(client.Height()) - 2 * kMargin);
  int fitNum = width, fitDen = page.cx;
  if (static_cast<long long>(height) * page.cx < static_cast<long long>(width) * page.cy) {
    fitNum = height;
    fitDen = page.cy;
  }
  // Zoomed in: the paper's real size on the screen.
  const int inNum = m_nScreenDpi;
  const int inDen = std::max(1, m_pPreviewDC->GetDeviceCaps(LOGPIXELSX));
  switch (m_nZoomState) {
    case ZOOM_IN:
      num = inNum;
      den = inDen;
      break;
    case ZOOM_MIDDLE:
      num = fitNum * inDen + inNum * fitDen;
      den = 2 * fitDen * inDen;
      break;
    default:
      num = fitNum;
      den = fitDen;
      break;
  }
}

CRect CPreviewView::GetPageRect(int nIndex) const {
  int num = 1, den = 1;
  ScaleRatio(num, den);
  const CSize page(::MulDiv(m_sizePrinter.cx, num, den), ::MulDiv(m_sizePrinter.cy, num, den));
  CRect client;
  GetClientRect(&client);
  if (m_nZoomState != ZOOM_OUT) {
    // One page, scrolled, centred while narrower than the window.
    const CPoint scroll = GetDeviceScrollPosition();
    const int left = std::max(kMargin, (static_cast<int>(client.Width()) - static_cast<int>(page.cx)) / 2);
    return CRect(CPoint(left - scroll.x, kMargin - scroll.y), page);
  }
  const int slots = static_cast<int>(m_nPages);
  const int width = (static_cast<int>(client.Width()) - (slots + 1) * kMargin) / slots;
  const int left = kMargin + nIndex * (width + kMargin) + (width - static_cast<int>(page.cx)) / 2;
  const int top = kMargin + (static_cast<int>(client.Height()) - 2 * kMargin - static_cast<int>(page.cy)) / 2;
  return CRect(CPoint(left, top), page);
}

void CPreviewView::UpdateScrollSizes() {
  if (m_pPreviewDC == nullptr) return;
  CSize total(1, 1);
  if (m_nZoomState != ZOOM_OUT) {
    const CRect page = GetPageRect(0);
    total = CSize(page.Width() + 2 * kMargin, page.Height() + 2 * kMargin);
  }
  SetScrollSizes(MM_TEXT, total);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }

void CPreviewView::OnDraw(CDC* pDC) {
  // Device units throughout: the pages place themselves.
  pDC->SetMapMode(MM_TEXT);
  pDC->SetViewportOrg(0, 0);
  pDC->SetWindowOrg(0, 0);
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, ::GetSysColor(COLOR_APPWORKSPACE));
  if (m_pPreviewDC == nullptr) return;
  const int slots = m_nZoomState == ZOOM_OUT ? static_cast<int>(m_nPages) : 1;
  for (int slot = 0; slot < slots; ++slot) {
    const UINT page = m_nCurrentPage + static_cast<UINT>(slot);
    if (page > LastPage()) break;
    const CRect rect = GetPageRect(slot);
    CRect shadow = rect;
    shadow.OffsetRect(kShadow, kShadow);
    pDC->FillSolidRect(&shadow, RGB(64, 64, 64));
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(0, 0, 0));
    DrawPage(*pDC, slot, page);
  }
}

void CPreviewView::DrawPage(CDC& dc, int nSlot, UINT nPage) {
  CPreviewDC& preview = *m_pPreviewDC;
  CPrintInfo& info = *m_pPreviewInfo;
  const CRect rect = GetPageRect(nSlot);
  int num = 1, den = 1;
  ScaleRatio(num, den);
  preview.SetOutputDC(dc.m_hDC);
  const int savedPrinter = ::SaveDC(preview.m_hAttribDC);
  preview.SetScaleRatio(num, den);
  preview.SetTopLeftOffset(CSize(rect.left, rect.top));
  preview.ClipToPage(rect);
  info.m_nCurPage = nPage;
  info.m_bContinuePrinting = TRUE;
  m_pPrintView->OnPrepareDC(&preview, &info);
  if (info.m_bContinuePrinting) {
    info.m_rectDraw.SetRect(0, 0, m_sizePrinter.cx, m_sizePrinter.cy);
    preview.DPtoLP(&info.m_rectDraw);
    m_pPrintView->OnPrint(&preview, &info);
  } else if (nPage > info.GetMinPage()) {
    // The view has no such page: the document ends before it.
    info.SetMaxPage(nPage - 1);
  }
  ::RestoreDC(preview.m_hAttribDC, savedPrinter);
  preview.ReleaseOutputDC();
}

void CPreviewView::ShowPageDescription() {
  CFrameWnd* frame = GetParentFrame();
  if (frame == nullptr || m_pPreviewInfo == nullptr) return;
  // "Page %u" for one page, "Pages %u-%u" for two side by side.
  const bool two = m_nZoomState == ZOOM_OUT && m_nPages == 2 && m_nCurrentPage < LastPage();
  CString format, text;
  AfxExtractSubString(format, m_pPreviewInfo->m_strPageDesc, two ? 1 : 0);
  text.Format(format, m_nCurrentPage, m_nCurrentPage + 1);
  frame->SetMessageText(text);
}

void CPreviewView::ShowChange() {
  ShowPageDescription();
  Invalidate();
  // Keys (Escape, Page Up, Page Down) come here, not to the bar's button.
  SetFocus();
}

void CPreviewView::SetZoom(int nZoomState) {
  m_nZoomState = std::clamp(nZoomState, static_cast<int>(ZOOM_OUT), static_cast<int>(ZOOM_IN));
  UpdateScrollSizes();
  ScrollToPosition(CPoint(0, 0));
  ShowChange();
}

void CPreviewView::OnNextPage() {
  if (m_nCurrentPage >= LastPage()) return;
  ++m_nCurrentPage;
  ShowChange();
}

void CPreviewView::OnPrevPage() {
  if (m_pPreviewInfo == nullptr || m_nCurrentPage <= m_pPreviewInfo->GetMinPage()) return;
  --m_nCurrentPage;
  ShowChange();
}

void CPreviewView::OnNumPageChange() {
  m_nPages = m_nPages == 1 ? 2 : 1;
  SetZoom(ZOOM_OUT);
}

void CPreviewView::OnZoomIn() { SetZoom(m_nZoomState + 1); }
void CPreviewView::OnZoomOut() { SetZoom(m_nZoomState - 1); }

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI) {
  const UINT shownLast = m_nCurrentPage + (m_nZoomState == ZOOM_OUT ? m_nPages - 1 : 0);
  pCmdUI->Enable(shownLast < LastPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_pPreviewInfo != nullptr && m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI) {
  CString text;
  text.LoadString(m_nPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE);
  pCmdUI->SetText(text);
  pCmdUI->Enable(m_nZoomState == ZOOM_OUT);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState < ZOOM_IN); }
void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState > ZOOM_OUT); }

void CPreviewView::OnSize(UINT nType, int cx, int cy) {
  CScrollView::OnSize(nType, cx, cy);
  UpdateScrollSizes();
  Invalidate();
}

void CPreviewView::OnLButtonDown(UINT, CPoint point) {
  // A click on a page zooms in, at the last zoom back out to the whole page.
  const int slots = m_nZoomState == ZOOM_OUT ? static_cast<int>(m_nPages) : 1;
  for (int slot = 0; slot < slots; ++slot) {
    if (!GetPageRect(slot).PtInRect(point)) continue;
    if (m_nZoomState == ZOOM_OUT) m_nCurrentPage = std::min(m_nCurrentPage + static_cast<UINT>(slot), LastPage());
    SetZoom(m_nZoomState == ZOOM_IN ? static_cast<int>(ZOOM_OUT) : m_nZoomState + 1);
    return;
  }
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  switch (nChar) {
    case VK_ESCAPE:
      OnPreviewClose();
      return;
    case VK_NEXT:
      OnNextPage();
      return;
    case VK_PRIOR:
      OnPrevPage();
      return;
    default:
      CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

void CPreviewView::OnPreviewClose() {
  if (m_pPrintView == nullptr) {
    ClosePreview();
    return;
  }
  m_pPrintView->OnEndPrintPreview(m_pPreviewDC.get(), m_pPreviewInfo.get(), CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint() {
  CFrameWnd* frame = GetParentFrame();
  OnPreviewClose();
  // The view is back: it prints as File Print does.
  if (frame != nullptr) frame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}
