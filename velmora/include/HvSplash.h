// The start-up picture: a borderless topmost window with the host's bitmap
// "IDB_SPLASH", closed by a timer or the first key press or click. The host
// uses only the static operations; at most one splash exists at a time.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS HvSplash : public CWnd {
 public:
  ~HvSplash() override;

  static void EnableSplashScreen(BOOL bEnable = TRUE, BOOL bUseTimer = TRUE);
  static void ShowSplashScreen(CWnd* pParentWnd = nullptr);
  // The host offers every message here first: a key or button press while
  // the splash is up closes it and is consumed (non-zero).
  static BOOL PreTranslateAppMessage(MSG* pMsg);
  static void CloseSplashScreen();

 protected:
  HvSplash();
  BOOL Create(CWnd* pParentWnd = nullptr);
  void HideSplashScreen();
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
  DECLARE_MESSAGE_MAP()

  CBitmap m_bitmap;
  HPALETTE m_hPalette = nullptr;

 private:
  void UsePaletteOfResource();
  void RealizeOwnPalette(HDC hdc) const;
  void DeletePalette();

  static HvSplash* c_pSplashWnd;
  static BOOL c_bShowSplashWnd;
  static BOOL c_bUseTimer;
};
