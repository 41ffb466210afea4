#include "StdPropsView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CStdPropsView, CKestrunView)

CStdPropsView::CStdPropsView() : CKestrunView(IDD_STD_PROPS) {}
