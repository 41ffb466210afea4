#include "sec/secmdifrm.h"

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)
IMPLEMENT_DYNAMIC(SECMultiDocTemplate, CMultiDocTemplate)

SECMDIChildWnd::SECMDIChildWnd() = default;
SECMDIChildWnd::~SECMDIChildWnd() = default;

SECMultiDocTemplate::SECMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                         CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}
