// CDocument: views, title and path, and closing with the save prompt.
#include "mfc/document.h"

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "afxres.h"
#include "docview/full_path.h"
#include "mfc/doctempl.h"
#include "mfc/frame.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
  ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument() {
  // Views that outlive the document (a template torn down with its
  // windows) no longer point at it.
  POSITION pos = GetFirstViewPosition();
  while (pos != nullptr) GetNextView(pos)->m_pDocument = nullptr;
  m_viewList.RemoveAll();
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle) {
  m_strTitle = lpszTitle;
  UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU) {
  m_strPathName = afx::FullPathOf(lpszPathName);
  const int slash = m_strPathName.ReverseFind('/');
  SetTitle(m_strPathName.Mid(slash + 1));
  if (bAddToMRU) {
    if (CWinApp* pApp = AfxGetApp()) pApp->AddToRecentFileList(m_strPathName);
  }
}

void CDocument::AddView(CView* pView) {
  m_viewList.AddTail(pView);
  pView->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
  POSITION pos = m_viewList.Find(pView);
  if (pos == nullptr) return;
  m_viewList.RemoveAt(pos);
  pView->m_pDocument = nullptr;
  OnChangedViewList();
}

CView* CDocument::GetNextView(POSITION& rPosition) const { return static_cast<CView*>(m_viewList.GetNext(rPosition)); }

void CDocument::OnChangedViewList() {
  // The last view gone takes the document with it.
  if (m_bAutoDelete && m_viewList.IsEmpty()) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts() {
  // Each visible frame gets a number in the order of its first view.
  std::vector<CFrameWnd*> frames;
  POSITION pos = GetFirstViewPosition();
  while (pos != nullptr) {
    CView* pView = GetNextView(pos);
    if (pView->m_hWnd == nullptr || !pView->IsWindowVisible()) continue;
    CFrameWnd* pFrame = pView->GetParentFrame();
    if (pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame) == frames.end()) frames.push_back(pFrame);
  }
  for (size_t i = 0; i < frames.size(); ++i) {
    frames[i]->m_nWindow = frames.size() == 1 ? 0 : static_cast<int>(i + 1);
    frames[i]->OnUpdateFrameTitle(TRUE);
  }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  POSITION pos = GetFirstViewPosition();
  while (pos != nullptr) {
    CView* pView = GetNextView(pos);
    if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
  }
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::DeleteContents() {}

void CDocument::OnCloseDocument() {
  // Destroying the frames must not delete the document half-way.
  const BOOL bAutoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;
  while (!m_viewList.IsEmpty()) {
    auto* pView = static_cast<CView*>(m_viewList.GetHead());
    CFrameWnd* pFrame = pView->GetParentFrame();
    if (pFrame != nullptr) {
      PreCloseFrame(pFrame);
      pFrame->DestroyWindow();
    } else {
      pView->DestroyWindow();
    }
    // A view whose window would not go still leaves the list.
    if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView) RemoveView(pView);
  }
  m_bAutoDelete = bAutoDelete;
  DeleteContents();
  if (m_bAutoDelete) delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg) {
  // Another frame still shows the document: nothing to ask.
  POSITION pos = GetFirstViewPosition();
  while (pos != nullptr) {
    if (GetNextView(pos)->GetParentFrame() != pFrameArg) return TRUE;
  }
  return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString name = m_strTitle;
  if (name.IsEmpty()) name.LoadString(AFX_IDS_UNTITLED);
  CString prompt;
  AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE, name);
  switch (AfxMessageBox(prompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    default:
      return TRUE;
  }
}

BOOL CDocument::DoFileSave() {
  // A file that cannot be written is saved under another name.
  const DWORD attributes = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(m_strPathName);
  const bool writable = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
  const bool missing = attributes == INVALID_FILE_ATTRIBUTES && !m_strPathName.IsEmpty();
  return DoSave(writable || missing ? static_cast<LPCTSTR>(m_strPathName) : nullptr);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace) {
  CString newName = lpszPathName;
  if (newName.IsEmpty()) {
    newName = m_strPathName;
    if (bReplace && newName.IsEmpty()) {
      // A name from the title, cut at the first character a file name
      // would not want, with the template's extension.
      newName = m_strTitle;
      const std::string title(newName);
      const size_t bad = title.find_first_of(" #%;/\\");
      if (bad != std::string::npos) newName = newName.Left(static_cast<int>(bad));
      CString ext;
      if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty())
        newName += ext;
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                                   OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
      return FALSE;
  }
  if (!OnSaveDocument(newName)) return FALSE;
  if (bReplace) SetPathName(newName);
  return TRUE;
}

void CDocument::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
