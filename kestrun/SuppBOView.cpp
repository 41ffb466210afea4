#include "SuppBOView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CSuppBOView, CKestrunView)

CSuppBOView::CSuppBOView() : CKestrunView(IDD_SUPP_BO) {}
