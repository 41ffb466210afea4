#include "UserPropsView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CUserPropsView, CKestrunView)

CUserPropsView::CUserPropsView() : CKestrunView(IDD_USER_PROPS) {}
