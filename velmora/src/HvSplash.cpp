// The splash window.
#include "HvSplash.h"

#include <UtilFunc.h>

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShowMilliseconds = 750;
constexpr LPCTSTR kBitmapName = "IDB_SPLASH";

bool ClosesSplash(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

bool IsPaletteDisplay() {
  HDC screen = ::GetDC(nullptr);
  const int bits = ::GetDeviceCaps(screen, BITSPIXEL);
  ::ReleaseDC(nullptr, screen);
  return bits <= 8;
}

}  // namespace

HvSplash* HvSplash::c_pSplashWnd = nullptr;
BOOL HvSplash::c_bShowSplashWnd = FALSE;
BOOL HvSplash::c_bUseTimer = TRUE;

BEGIN_MESSAGE_MAP(HvSplash, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_ERASEBKGND()
  ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

HvSplash::HvSplash() = default;

HvSplash::~HvSplash() {
  // A splash that goes with its owner or the process never passes through
  // HideSplashScreen; its palette goes here.
  DeletePalette();
  if (c_pSplashWnd == this) c_pSplashWnd = nullptr;
}

void HvSplash::EnableSplashScreen(BOOL bEnable, BOOL bUseTimer) {
  c_bShowSplashWnd = bEnable;
  c_bUseTimer = bUseTimer;
}

void HvSplash::ShowSplashScreen(CWnd* pParentWnd) {
  if (!c_bShowSplashWnd || c_pSplashWnd != nullptr) return;
  c_pSplashWnd = new HvSplash;  // deletes itself when its window is gone
  if (!c_pSplashWnd->Create(pParentWnd)) {
    delete c_pSplashWnd;
    return;
  }
  c_pSplashWnd->UpdateWindow();
}

BOOL HvSplash::PreTranslateAppMessage(MSG* pMsg) {
  if (c_pSplashWnd == nullptr || c_pSplashWnd->m_hWnd == nullptr || pMsg == nullptr) return FALSE;
  if (!ClosesSplash(pMsg->message)) return FALSE;
  c_pSplashWnd->HideSplashScreen();
  return TRUE;
}

void HvSplash::CloseSplashScreen() {
  if (c_pSplashWnd != nullptr && c_pSplashWnd->m_hWnd != nullptr) c_pSplashWnd->HideSplashScreen();
}

BOOL HvSplash::Create(CWnd* pParentWnd) {
  // Found through the resource chain, so the host's own bitmap answers.
  if (!m_bitmap.LoadBitmap(kBitmapName)) return FALSE;
  BITMAP bm{};
  m_bitmap.GetBitmap(&bm);
  LPCTSTR windowClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
  if (!CreateEx(WS_EX_TOPMOST, windowClass, nullptr, WS_POPUP | WS_VISIBLE, 0, 0, bm.bmWidth, bm.bmHeight,
                pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr)) {
    return FALSE;
  }
  if (IsPaletteDisplay()) UsePaletteOfResource();
  return TRUE;
}

void HvSplash::UsePaletteOfResource() {
  int colours = 0;
  m_hPalette =
      CUtilFunc::CreateDIBPalette(CUtilFunc::GetBitmapInfoFromResource(AfxGetInstanceHandle(), kBitmapName), &colours);
  CClientDC dc(this);
  RealizeOwnPalette(dc.GetSafeHdc());
  if (HBITMAP dib = CUtilFunc::GetDIBBitmapFromResource(m_hWnd, kBitmapName)) {
    m_bitmap.DeleteObject();
    m_bitmap.Attach(dib);
  }
}

void HvSplash::RealizeOwnPalette(HDC hdc) const {
  if (m_hPalette == nullptr) return;
  ::SelectPalette(hdc, m_hPalette, FALSE);
  ::RealizePalette(hdc);
}

void HvSplash::DeletePalette() {
  if (m_hPalette == nullptr) return;
  ::DeleteObject(m_hPalette);
  m_hPalette = nullptr;
}

void HvSplash::HideSplashScreen() {
  DeletePalette();
  CWnd* mainWnd = AfxGetMainWnd();
  const HWND mainHwnd = mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr;
  if (mainHwnd != nullptr) ::SendMessage(mainHwnd, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
  DestroyWindow();
  if (mainHwnd != nullptr) ::UpdateWindow(mainHwnd);
}

void HvSplash::PostNcDestroy() { delete this; }

int HvSplash::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  CenterWindow();
  if (c_bUseTimer) SetTimer(kCloseTimer, kShowMilliseconds, nullptr);
  return 0;
}

void HvSplash::OnPaint() {
  CPaintDC dc(this);
  RealizeOwnPalette(dc.GetSafeHdc());
  CDC memory;
  if (!memory.CreateCompatibleDC(&dc)) return;
  BITMAP bm{};
  m_bitmap.GetBitmap(&bm);
  CBitmap* old = memory.SelectObject(&m_bitmap);
  dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
}

void HvSplash::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kCloseTimer) HideSplashScreen();
}

BOOL HvSplash::OnEraseBkgnd(CDC* pDC) {
  if (pDC != nullptr) RealizeOwnPalette(pDC->GetSafeHdc());
  return TRUE;
}

void HvSplash::OnPaletteChanged(CWnd* pFocusWnd) {
  if (pFocusWnd == this) return;
  CClientDC dc(this);
  RealizeOwnPalette(dc.GetSafeHdc());
  Invalidate(FALSE);
  UpdateWindow();
}
