// CPreviewView: print preview in place of the frame's view. The pages
// are drawn scaled on grey with a shadow, through a CPreviewDC over the
// printer; a dialog bar at the top offers Print, Next Page, Prev Page,
// One/Two Page, Zoom In, Zoom Out and Close, and the status bar tells the
// pages shown. Close gives the frame its view, bars and menu back.
#pragma once

#include <memory>
#include <vector>

#include "mfc/dialogbar.h"
#include "mfc/previewdc.h"
#include "mfc/print.h"
#include "mfc/view.h"

// What the frame had before the preview took it over.
struct CPrintPreviewState {
  CView* pViewActiveOld = nullptr;
  HWND hWndPane = nullptr;       // the pane the preview stands in for
  HMENU hMenu = nullptr;         // the frame's menu bar
  std::vector<HWND> hiddenBars;  // bars shown before
};

class CPreviewView : public CScrollView {
  DECLARE_DYNCREATE(CPreviewView)

 public:
  CPreviewView();
  ~CPreviewView() override;

  // Takes the printing view's job; FALSE when it cannot be prepared.
  BOOL SetPrintView(CView* pPrintView);
  UINT GetCurrentPage() const { return m_nCurrentPage; }
  UINT GetPages() const { return m_nPages; }
  int GetZoomState() const { return m_nZoomState; }
  // The screen rectangle of page slot nIndex (0 or 1) in client coordinates.
  CRect GetPageRect(int nIndex) const;

  enum { ZOOM_OUT = 0, ZOOM_MIDDLE = 1, ZOOM_IN = 2 };

  CPrintPreviewState* m_pPreviewState = nullptr;  // owned by the preview
  CDialogBar* m_pToolBar = nullptr;               // deletes itself with its window

  void OnDraw(CDC* pDC) override;
  // The pages shown, in the frame's status bar.
  void ShowPageDescription();
  // Gives the frame its view, bars and menu back and destroys the preview.
  void ClosePreview();
  // Hides the frame's view (or MDI client), bars and menu for a preview.
  static void TakeOverFrame(CFrameWnd* pFrame, CPrintPreviewState& state);
  static void RestoreFrame(CFrameWnd* pFrame, const CPrintPreviewState& state);

  afx_msg void OnPreviewClose();
  afx_msg void OnPreviewPrint();

 protected:
  DECLARE_MESSAGE_MAP()

  CView* m_pPrintView = nullptr;
  std::unique_ptr<CPrintInfo> m_pPreviewInfo;
  std::unique_ptr<CPreviewDC> m_pPreviewDC;
  UINT m_nCurrentPage = 1;
  UINT m_nPages = 1;  // shown side by side
  int m_nZoomState = ZOOM_OUT;
  CSize m_sizePrinter;  // the page in printer pixels
  int m_nScreenDpi = 96;

  afx_msg void OnNextPage();
  afx_msg void OnPrevPage();
  afx_msg void OnNumPageChange();
  afx_msg void OnZoomIn();
  afx_msg void OnZoomOut();
  afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
  afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
  afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
  afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

 private:
  // Screen pixels per printer pixel at the zoom, as a ratio.
  void ScaleRatio(int& num, int& den) const;
  UINT LastPage() const;
  void SetZoom(int nZoomState);
  // Repaints after a change and keeps the keyboard.
  void ShowChange();
  void UpdateScrollSizes();
  void DrawPage(CDC& dc, int nSlot, UINT nPage);
};
