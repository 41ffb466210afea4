// CDocManager: the File commands over every template.
#include "mfc/docmanager.h"

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "afxres.h"
#include "mfc/document.h"
#include "mfc/frame.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

namespace {

// "Name (*.ext)\0*.ext\0" for each template, then all files.
std::string FileFilter(const CPtrList& templates, CDocTemplate* pOnly, CString& defaultExt) {
  std::string filter;
  auto add = [&filter](const CString& name, const CString& pattern) {
    filter.append(name).push_back('\0');
    filter.append(pattern).push_back('\0');
  };
  POSITION pos = templates.GetHeadPosition();
  while (pos != nullptr) {
    auto* pTemplate = static_cast<CDocTemplate*>(templates.GetNext(pos));
    if (pOnly != nullptr && pTemplate != pOnly) continue;
    CString name, ext;
    if (!pTemplate->GetDocString(name, CDocTemplate::filterName) || name.IsEmpty()) continue;
    if (!pTemplate->GetDocString(ext, CDocTemplate::filterExt) || ext.IsEmpty()) continue;
    if (defaultExt.IsEmpty()) defaultExt = ext.Mid(ext[0] == '.' ? 1 : 0);
    add(name, "*" + ext);
  }
  CString all;
  all.LoadString(AFX_IDS_ALLFILTER);
  add(all, "*");
  return filter;
}

// The system's file dialog; the one place to change for a dialog class.
BOOL PromptForFileName(CString& fileName, LPCTSTR lpszTitle, const std::string& filter, LPCTSTR lpszDefExt,
                       DWORD lFlags, BOOL bOpenFileDialog) {
  std::vector<char> buffer(4096, '\0');
  const std::string initial(fileName);
  initial.copy(buffer.data(), std::min(initial.size(), buffer.size() - 1));
  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  CWnd* pMainWnd = AfxGetMainWnd();
  ofn.hwndOwner = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = lpszTitle;
  ofn.lpstrDefExt = lpszDefExt != nullptr && lpszDefExt[0] != '\0' ? lpszDefExt : nullptr;
  ofn.Flags = lFlags | OFN_EXPLORER | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT);
  const BOOL ok = bOpenFileDialog ? ::GetOpenFileName(&ofn) : ::GetSaveFileName(&ofn);
  if (ok) fileName = buffer.data();
  return ok;
}

}  // namespace

CDocManager::~CDocManager() {
  while (!m_templateList.IsEmpty()) {
    auto* pTemplate = static_cast<CDocTemplate*>(m_templateList.RemoveHead());
    if (pTemplate->m_bAutoDelete) delete pTemplate;
  }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate) {
  if (pTemplate == nullptr || m_templateList.Find(pTemplate) != nullptr) return;
  pTemplate->LoadTemplate();
  m_templateList.AddTail(pTemplate);
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const {
  return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

int CDocManager::GetDocumentCount() const {
  int count = 0;
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos != nullptr) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    POSITION docPos = pTemplate->GetFirstDocPosition();
    while (docPos != nullptr) {
      pTemplate->GetNextDoc(docPos);
      ++count;
    }
  }
  return count;
}

void CDocManager::OnFileNew() {
  if (m_templateList.IsEmpty()) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return;
  }
  // With several kinds the first is the one made.
  static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  CString newName;
  if (!DoPromptFileName(newName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr)) return;
  AfxGetApp()->OpenDocumentFile(newName);
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate) {
  CString title;
  title.LoadString(nIDSTitle);
  CString defaultExt;
  const std::string filter = FileFilter(m_templateList, pTemplate, defaultExt);
  return PromptForFileName(fileName, title, filter, defaultExt, lFlags, bOpenFileDialog);
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName) {
  if (lpszFileName == nullptr || lpszFileName[0] == '\0') return nullptr;
  char full[MAX_PATH] = {};
  LPSTR filePart = nullptr;
  const CString path = ::GetFullPathName(lpszFileName, sizeof full, full, &filePart) != 0 ? CString(full)
                                                                                           : CString(lpszFileName);
  CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
  CDocTemplate* pBestTemplate = nullptr;
  CDocument* pOpenDocument = nullptr;
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos != nullptr && bestMatch != CDocTemplate::yesAlreadyOpen) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    CDocument* pMatch = nullptr;
    const CDocTemplate::Confidence match = pTemplate->MatchDocType(path, pMatch);
    if (match > bestMatch) {
      bestMatch = match;
      pBestTemplate = pTemplate;
      pOpenDocument = pMatch;
    }
  }
  if (pOpenDocument != nullptr) {
    // Already open: its first frame comes to the front instead.
    POSITION viewPos = pOpenDocument->GetFirstViewPosition();
    if (viewPos != nullptr) {
      CFrameWnd* pFrame = pOpenDocument->GetNextView(viewPos)->GetParentFrame();
      if (pFrame != nullptr) pFrame->ActivateFrame();
      auto* pAppFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
      if (pAppFrame != nullptr && pAppFrame != pFrame) pAppFrame->ActivateFrame();
    }
    return pOpenDocument;
  }
  if (pBestTemplate == nullptr) {
    AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
    return nullptr;
  }
  return pBestTemplate->OpenDocumentFile(path);
}

BOOL CDocManager::SaveAllModified() {
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos != nullptr) {
    if (!GetNextDocTemplate(pos)->SaveAllModified()) return FALSE;
  }
  return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession) {
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos != nullptr) GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}
