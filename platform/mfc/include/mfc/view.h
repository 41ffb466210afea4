// CView: a child window of a frame that shows a document; CScrollView: a
// view larger than its window, scrolled by its bars, keys and the wheel.
#pragma once

#include "mfc/wnd.h"

class CDC;
class CDocument;
class CFrameWnd;
struct CCreateContext;
struct CPrintInfo;
struct CPrintPreviewState;
class CPreviewView;

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  CView();
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }

  virtual void OnDraw(CDC* pDC) = 0;
  virtual void OnInitialUpdate();
  // Repaints the whole view.
  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
  virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
  virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
  virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
  virtual BOOL IsSelected(const CObject* pDocItem) const;

  // Printing.
  virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  // The end of a print preview: OnEndPrinting, then the frame gets its
  // view back.
  virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
  // The print dialog (or, direct and in preview, the chosen printer);
  // FALSE when cancelled or there is no printer.
  BOOL DoPreparePrinting(CPrintInfo* pInfo);
  // Puts a preview of pPrintView's printing in place of the frame's view;
  // the preview owns pState from then on (the caller deletes it on FALSE).
  BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                      CPrintPreviewState* pState);
  // File Print (and Print Direct, without the dialog) and Print Preview;
  // a program's message map names them (public, so a derived map can).
  afx_msg void OnFilePrint();
  afx_msg void OnFilePrintPreview();

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID, void* pContext = nullptr) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  void PostNcDestroy() override;

 protected:
  DECLARE_MESSAGE_MAP()

  CDocument* m_pDocument = nullptr;

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

 private:
  // The page loop of a prepared job.
  void PrintPages(CPrintInfo& info);

  friend class CDocument;
};

// SetScaleToFitSize's mapping: the whole total in the window.
#define MM_SCALETOFIT (-1)

class CScrollView : public CView {
  DECLARE_DYNAMIC(CScrollView)

 public:
  CScrollView();

  static const SIZE sizeDefault;

  // Sizes in logical units of nMapMode; the page and line default to a
  // tenth and a hundredth of the total.
  void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                      const SIZE& sizeLine = sizeDefault);
  // Draws the whole document shrunk (or grown) to the window: no bars.
  void SetScaleToFitSize(SIZE sizeTotal);
  CPoint GetScrollPosition() const;
  CPoint GetDeviceScrollPosition() const;
  void ScrollToPosition(POINT pt);
  CSize GetTotalSize() const { return m_totalLog; }
  void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
  int GetMapMode() const { return m_nMapMode; }

  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
  virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

 protected:
  DECLARE_MESSAGE_MAP()

  int m_nMapMode = 0;  // 0 before SetScrollSizes
  CSize m_totalLog, m_totalDev, m_pageDev, m_lineDev;
  BOOL m_bInsideUpdate = FALSE;

  // Shows or hides the bars for the client size and the total.
  void UpdateBars();
  void ScrollToDevicePosition(POINT ptDev);

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

 private:
  // The position a scroll code asks of one bar.
  int ScrollTarget(int nBar, UINT nCode, int nLine, int nPage);
};
