#include "DataHandlerView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CDataHandlerView, CKestrunView)

CDataHandlerView::CDataHandlerView() : CKestrunView(IDD_DATA_HANDLER) {}
