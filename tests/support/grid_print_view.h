// A view that a grid fills and whose printing is the grid's, as the
// programs' grid views print, and a frame to print and preview it from.
// Built into the tests that link the grid library (test_support does not).
#pragma once

#include <gxall.h>

// Derived views say which grid they hold and what it shows; the grid is
// made a child of the view when the view is created.
class CGridPrintView : public CView {
  DECLARE_DYNAMIC(CGridPrintView)

 public:
  void OnDraw(CDC*) override {}
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override { return DoPreparePrinting(pInfo); }
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override { Grid().OnGridBeginPrinting(pDC, pInfo); }
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    CView::OnPrepareDC(pDC, pInfo);
    Grid().OnGridPrepareDC(pDC, pInfo);
  }
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override { Grid().OnGridPrint(pDC, pInfo); }
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override { Grid().OnGridEndPrinting(pDC, pInfo); }

 protected:
  virtual CGXGridWnd& Grid() = 0;
  // Fills the grid just made and initialised.
  virtual void FillGrid() = 0;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  DECLARE_MESSAGE_MAP()
};

namespace halvane::test {

// A frame over a new document titled `title` with a view of `pViewClass`
// (a CGridPrintView), the view active; it deletes itself when destroyed.
// Null when it cannot be made.
CFrameWnd* OpenGridPrintFrame(CRuntimeClass* pViewClass, const char* title);

}  // namespace halvane::test
