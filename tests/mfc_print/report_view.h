// The printing tests' program parts: a document titled "Report", a view
// that prints a two-page report and records the printing calls, and a
// frame with a toolbar and a status bar around the view.
#pragma once

#include <afxdlgs.h>
#include <afxext.h>

#include <string>
#include <vector>

#include "resource.h"

class CReportDoc : public CDocument {
  DECLARE_DYNCREATE(CReportDoc)
};

class CReportView : public CView {
  DECLARE_DYNCREATE(CReportView)

 public:
  // The calls in order: "prepare", "begin", "dc 1", "print 1", ..., "end".
  static std::vector<std::string>& Calls();
  static UINT s_nPages;
  // Runs inside OnPrint of page 1 (a click on the "Printing" dialog).
  static void (*s_onFirstPage)();

  void OnDraw(CDC* pDC) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

 protected:
  DECLARE_MESSAGE_MAP()
};

class CReportFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CReportFrame)

 public:
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;

  // A frame over a new "Report" document; it deletes itself when closed.
  static CReportFrame* Open();
  CView* ReportView() const;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  DECLARE_MESSAGE_MAP()
};

// The same view in a multiple-document program: the preview covers the
// main frame, in place of its MDI client.
class CReportChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CReportChild)
};

class CReportsFrame : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CReportsFrame)
};

class CReportsApp : public CWinApp {
 public:
  CReportsApp() : CWinApp("Reports") {}
  CMultiDocTemplate* m_pTemplate = nullptr;
  BOOL InitInstance() override;
};
