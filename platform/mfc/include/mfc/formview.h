// CFormView: a view that is a child dialog made from a template, with the
// controls' data exchange and dialog keyboard.
#pragma once

#include "mfc/view.h"

class CFormView : public CScrollView {
  DECLARE_DYNAMIC(CFormView)

 public:
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID, void* pContext = nullptr) override;
  void OnInitialUpdate() override;
  void OnDraw(CDC* pDC) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
  void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;

 protected:
  explicit CFormView(LPCTSTR lpszTemplateName);
  explicit CFormView(UINT nIDTemplate);

  LPCTSTR m_lpszTemplateName;

  DECLARE_MESSAGE_MAP()
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnSetFocus(CWnd* pOldWnd);

 private:
  HWND m_hWndFocus = nullptr;                  // the control that had the focus last
  CCreateContext* m_pCreateContext = nullptr;  // for OnCreate, while Create runs
  void SaveFocusControl();
};
