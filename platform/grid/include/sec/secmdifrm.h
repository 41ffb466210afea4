// The toolkit's MDI frames and document template. The child frame is the
// base of the documents' windows, often with a tab window as its only
// pane; the template is the one the toolkit's programs register.
#pragma once

#include <afxext.h>

class SECMDIChildWnd : public CMDIChildWnd {
  DECLARE_DYNCREATE(SECMDIChildWnd)

 public:
  SECMDIChildWnd();
  ~SECMDIChildWnd() override;
};

class SECMultiDocTemplate : public CMultiDocTemplate {
  DECLARE_DYNAMIC(SECMultiDocTemplate)

 public:
  SECMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
};
