#include "LogTraceView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CLogTraceView, CKestrunView)

CLogTraceView::CLogTraceView() : CKestrunView(IDD_LOG_TRACE) {}
