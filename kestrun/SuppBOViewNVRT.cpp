#include "SuppBOViewNVRT.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CSuppBOViewNVRT, CKestrunView)

CSuppBOViewNVRT::CSuppBOViewNVRT() : CKestrunView(IDD_SUPP_BO_NVRT) {}
