#include "ResPropView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CResPropView, CKestrunView)

CResPropView::CResPropView() : CKestrunView(IDD_RESOURCES) {}
