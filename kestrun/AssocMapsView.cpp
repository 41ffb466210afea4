#include "AssocMapsView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CAssocMapsView, CKestrunView)

CAssocMapsView::CAssocMapsView() : CKestrunView(IDD_ASSOC_MAPS) {}
