// The templates of many documents (each in an MDI child) and of one.
#include <windows.h>

#include "afxres.h"
#include "mfc/doctempl.h"
#include "mfc/document.h"
#include "mfc/frame.h"
#include "mfc/modulestate.h"
#include "mfc/waitcursor.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
  // Documents still open when the program ends go with their template.
  while (!m_docList.IsEmpty()) delete static_cast<CDocument*>(m_docList.GetHead());
}

void CMultiDocTemplate::LoadTemplate() {
  CDocTemplate::LoadTemplate();
  LPCTSTR name = MAKEINTRESOURCE(m_nIDResource);
  if (m_hMenuShared == nullptr) {
    HINSTANCE hInst = AfxFindResourceHandle(name, RT_MENU);
    if (::FindResource(hInst, name, RT_MENU) != nullptr) m_hMenuShared = ::LoadMenu(hInst, name);
  }
  if (m_hAccelTable == nullptr) {
    HINSTANCE hInst = AfxFindResourceHandle(name, RT_ACCELERATOR);
    if (::FindResource(hInst, name, RT_ACCELERATOR) != nullptr) m_hAccelTable = ::LoadAccelerators(hInst, name);
  }
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const {
  return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (POSITION pos = m_docList.Find(pDoc)) m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString title;
  if (GetDocString(title, docName) && !title.IsEmpty()) {
    title.AppendFormat("%u", m_nUntitledCount + 1);
  } else {
    title.LoadString(AFX_IDS_UNTITLED);
  }
  pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* pDocument = CreateNewDocument();
  if (pDocument == nullptr) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return nullptr;
  }
  CFrameWnd* pFrame = FrameFor(pDocument);
  if (pFrame == nullptr) return nullptr;
  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
    // OnNewDocument told the user what failed.
    if (!pDocument->OnNewDocument()) {
      pFrame->DestroyWindow();
      return nullptr;
    }
    ++m_nUntitledCount;
  } else {
    CWaitCursor wait;
    if (!pDocument->OnOpenDocument(lpszPathName)) {
      pFrame->DestroyWindow();
      return nullptr;
    }
    pDocument->SetPathName(lpszPathName);
  }
  InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
  return pDocument;
}

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() { delete m_pOnlyDoc; }

// The one document has the one position there is.
POSITION CSingleDocTemplate::GetFirstDocPosition() const {
  return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const {
  CDocument* pDoc = rPos == reinterpret_cast<POSITION>(1) ? m_pOnlyDoc : nullptr;
  rPos = nullptr;
  return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (m_pOnlyDoc == pDoc) m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString title;
  title.LoadString(AFX_IDS_UNTITLED);
  pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* pDocument = m_pOnlyDoc;
  CFrameWnd* pFrame = nullptr;
  const bool bCreated = pDocument == nullptr;
  if (!bCreated) {
    // The one document is reused: its changes are asked about first.
    if (!pDocument->SaveModified()) return nullptr;
    pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
  } else {
    pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
      AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
      return nullptr;
    }
  }
  if (pFrame == nullptr) {
    pFrame = FrameFor(pDocument);
    if (pFrame == nullptr) return nullptr;
  }
  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
    if (!pDocument->OnNewDocument()) {
      if (bCreated) pFrame->DestroyWindow();
      return nullptr;
    }
  } else {
    CWaitCursor wait;
    const BOOL bWasModified = pDocument->IsModified();
    pDocument->SetModifiedFlag(FALSE);
    if (!pDocument->OnOpenDocument(lpszPathName)) {
      if (bCreated) {
        pFrame->DestroyWindow();
      } else if (!pDocument->IsModified()) {
        // The document was not touched.
        pDocument->SetModifiedFlag(bWasModified);
      } else {
        // Its contents are gone: it is a new document now.
        SetDefaultTitle(pDocument);
        pDocument->OnNewDocument();
      }
      return nullptr;
    }
    pDocument->SetPathName(lpszPathName);
  }
  CWinThread* pThread = AfxGetThread();
  if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr) pThread->m_pMainWnd = pFrame;
  InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
  return pDocument;
}
