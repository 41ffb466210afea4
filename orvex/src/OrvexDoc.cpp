#include "OrvexDoc.h"

#include <afxext.h>

#include "OrvexApp.h"
#include "OrvexView.h"

IMPLEMENT_DYNCREATE(COrvexDoc, CDocument)

COrvexDoc::COrvexDoc() : m_mapBODefs(10) {}

COrvexDoc::~COrvexDoc() = default;

void COrvexDoc::SetBODef(CQRBusObjDef* pDef) {
  m_pBODef = pDef;
  if (pDef != nullptr) m_mapBODefs.SetAt(pDef->name(0), pDef);
}

std::vector<COrvexDoc*> COrvexDoc::GetOpenDocs() {
  std::vector<COrvexDoc*> docs;
  COrvexApp* pApp = GetOrvexApp();
  if (pApp == nullptr || pApp->m_pDocTemplate == nullptr) return docs;
  for (POSITION pos = pApp->m_pDocTemplate->GetFirstDocPosition(); pos != nullptr;) {
    if (auto* pDoc = DYNAMIC_DOWNCAST(COrvexDoc, pApp->m_pDocTemplate->GetNextDoc(pos))) docs.push_back(pDoc);
  }
  return docs;
}

BOOL COrvexDoc::IsOpen(const COrvexDoc* pDoc) {
  for (const COrvexDoc* pOpen : GetOpenDocs()) {
    if (pOpen == pDoc) return TRUE;
  }
  return FALSE;
}

int COrvexDoc::GetOpenCount() { return static_cast<int>(GetOpenDocs().size()); }

COrvexDoc* COrvexDoc::FindByName(const CString& name) {
  for (COrvexDoc* pDoc : GetOpenDocs()) {
    if (pDoc->m_pBODef != nullptr && name == pDoc->m_pBODef->name(0)) return pDoc;
  }
  return nullptr;
}

void COrvexDoc::BroadcastToViews(int kind, CString name) {
  for (COrvexDoc* pDoc : GetOpenDocs()) {
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
      auto* pView = DYNAMIC_DOWNCAST(COrvexView, pDoc->GetNextView(pos));
      if (pView == nullptr) continue;
      switch (kind) {
        case kNameAdded:
          pView->OnBONameAdded(name);
          break;
        case kNameRemoved:
          pView->OnBONameRemoved(name);
          break;
        case kNamesReset:
          pView->OnBONamesReset();
          break;
        default:
          break;
      }
    }
  }
}

void COrvexDoc::ApplyViewsToDef(CQRBusObjDef* pDef) {
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
    if (auto* pView = DYNAMIC_DOWNCAST(COrvexView, GetNextView(pos))) pView->ApplyToDef(pDef);
  }
}

void COrvexDoc::RefreshViews() {
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
    if (auto* pView = DYNAMIC_DOWNCAST(COrvexView, GetNextView(pos))) pView->RefreshFromDef();
  }
}

BOOL COrvexDoc::IsNameInDocs(CString name, BOOL onlyThis) const {
  void* pDef = nullptr;
  for (const COrvexDoc* pDoc : GetOpenDocs()) {
    if (onlyThis && pDoc == this) continue;
    if (pDoc->m_mapBODefs.Lookup(name, pDef)) return TRUE;
  }
  return FALSE;
}

CFrameWnd* COrvexDoc::GetFrame() const {
  POSITION pos = GetFirstViewPosition();
  CView* pView = pos != nullptr ? GetNextView(pos) : nullptr;
  return pView != nullptr ? pView->GetParentFrame() : nullptr;
}

BOOL COrvexDoc::IsInPrintPreview() const {
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
    if (DYNAMIC_DOWNCAST(CPreviewView, GetNextView(pos)) != nullptr) return TRUE;
  }
  return FALSE;
}
