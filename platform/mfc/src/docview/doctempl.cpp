// CDocTemplate: the strings, documents and frames of one kind of document.
#include "mfc/doctempl.h"

#include <filesystem>
#include <system_error>

#include <windows.h>

#include "afxres.h"
#include "mfc/document.h"
#include "mfc/frame.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

namespace {

// Two names of one file, however they were written.
bool SamePath(const CString& a, LPCTSTR b) {
  if (a.IsEmpty() || b == nullptr) return false;
  std::error_code error;
  const auto left = std::filesystem::weakly_canonical(static_cast<LPCTSTR>(a), error);
  if (error) return a == b;
  const auto right = std::filesystem::weakly_canonical(b, error);
  if (error) return a == b;
  return left == right;
}

}  // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() {
  if (m_hMenuShared != nullptr) ::DestroyMenu(m_hMenuShared);
  if (m_hAccelTable != nullptr) ::DestroyAcceleratorTable(m_hAccelTable);
}

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty()) m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const {
  return AfxExtractSubString(rString, m_strDocStrings, static_cast<int>(index));
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

CDocument* CDocTemplate::CreateNewDocument() {
  if (m_pDocClass == nullptr) return nullptr;
  CObject* pObject = m_pDocClass->CreateObject();
  auto* pDocument = dynamic_cast<CDocument*>(pObject);
  if (pDocument == nullptr) {
    delete pObject;
    return nullptr;
  }
  AddDocument(pDocument);
  return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  if (m_pFrameClass == nullptr) return nullptr;
  CCreateContext context;
  context.m_pCurrentFrame = pOther;
  context.m_pCurrentDoc = pDoc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  CObject* pObject = m_pFrameClass->CreateObject();
  auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
  if (pFrame == nullptr) {
    delete pObject;
    return nullptr;
  }
  // A frame that fails is deleted with its window (PostNcDestroy).
  if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) return nullptr;
  return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
  pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CFrameWnd* CDocTemplate::FrameFor(CDocument* pDocument) {
  // The document must survive a frame that fails half-way.
  const BOOL bAutoDelete = pDocument->m_bAutoDelete;
  pDocument->m_bAutoDelete = FALSE;
  CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
  pDocument->m_bAutoDelete = bAutoDelete;
  if (pFrame == nullptr) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    delete pDocument;
  }
  return pFrame;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch) {
  rpDocMatch = nullptr;
  POSITION pos = GetFirstDocPosition();
  while (pos != nullptr) {
    CDocument* pDoc = GetNextDoc(pos);
    if (SamePath(pDoc->GetPathName(), lpszPathName)) {
      rpDocMatch = pDoc;
      return yesAlreadyOpen;
    }
  }
  CString ext;
  if (GetDocString(ext, filterExt) && !ext.IsEmpty()) {
    const CString path(lpszPathName);
    const int dot = path.ReverseFind('.');
    if (dot != -1 && path.Mid(dot).CompareNoCase(ext) == 0) return yesAttemptNative;
  }
  return yesAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified() {
  POSITION pos = GetFirstDocPosition();
  while (pos != nullptr) {
    if (!GetNextDoc(pos)->SaveModified()) return FALSE;
  }
  return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
  // Closing removes the document from the list: always take the first.
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr; pos = GetFirstDocPosition()) {
    CDocument* pDoc = GetNextDoc(pos);
    const BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->OnCloseDocument();
    // A document that stays alive must still leave the list.
    if (!bAutoDelete) RemoveDocument(pDoc);
  }
}
