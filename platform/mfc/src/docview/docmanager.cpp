// CDocManager: the File commands over every template.
#include "mfc/docmanager.h"

#include <windows.h>

#include "afxres.h"
#include "docview/full_path.h"
#include "mfc/controls.h"
#include "mfc/dialog.h"
#include "mfc/document.h"
#include "mfc/filedialog.h"
#include "mfc/frame.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

namespace {

// "Name (*.ext)|*.ext|" for each template, then all files.
CString FileFilter(const CPtrList& templates, CDocTemplate* pOnly, CString& defaultExt) {
  CString filter;
  POSITION pos = templates.GetHeadPosition();
  while (pos != nullptr) {
    auto* pTemplate = static_cast<CDocTemplate*>(templates.GetNext(pos));
    if (pOnly != nullptr && pTemplate != pOnly) continue;
    CString name, ext;
    if (!pTemplate->GetDocString(name, CDocTemplate::filterName) || name.IsEmpty()) continue;
    if (!pTemplate->GetDocString(ext, CDocTemplate::filterExt) || ext.IsEmpty()) continue;
    if (defaultExt.IsEmpty()) defaultExt = ext.Mid(ext[0] == '.' ? 1 : 0);
    filter += name + "|*" + ext + "|";
  }
  CString all;
  all.LoadString(AFX_IDS_ALLFILTER);
  return filter + all + "|*||";
}

// File New's choice among the templates that make new documents.
class CNewTypeDlg : public CDialog {
 public:
  CNewTypeDlg(const CPtrList& templates, CWnd* pParent)
      : CDialog(AFX_IDD_NEWTYPEDLG, pParent), m_templates(templates) {}
  CDocTemplate* m_pSelectedTemplate = nullptr;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    auto* pList = GetDlgItemAs<CListBox>(AFX_IDC_LISTBOX);
    POSITION pos = m_templates.GetHeadPosition();
    while (pos != nullptr) {
      auto* pTemplate = static_cast<CDocTemplate*>(m_templates.GetNext(pos));
      CString name;
      if (!pTemplate->GetDocString(name, CDocTemplate::fileNewName) || name.IsEmpty()) continue;
      pList->SetItemDataPtr(pList->AddString(name), pTemplate);
    }
    pList->SetCurSel(0);
    return TRUE;
  }
  void OnOK() override {
    auto* pList = GetDlgItemAs<CListBox>(AFX_IDC_LISTBOX);
    const int selected = pList->GetCurSel();
    if (selected == LB_ERR) return;
    m_pSelectedTemplate = static_cast<CDocTemplate*>(pList->GetItemDataPtr(selected));
    CDialog::OnOK();
  }
  afx_msg void OnListDoubleClick() { OnOK(); }
  DECLARE_MESSAGE_MAP()

 private:
  const CPtrList& m_templates;
};

BEGIN_MESSAGE_MAP(CNewTypeDlg, CDialog)
  ON_LBN_DBLCLK(AFX_IDC_LISTBOX, OnListDoubleClick)
END_MESSAGE_MAP()

// The templates File New can make: those with a name for new documents.
int NewableCount(const CPtrList& templates, CDocTemplate*& pOnly) {
  int count = 0;
  POSITION pos = templates.GetHeadPosition();
  while (pos != nullptr) {
    auto* pTemplate = static_cast<CDocTemplate*>(templates.GetNext(pos));
    CString name;
    if (!pTemplate->GetDocString(name, CDocTemplate::fileNewName) || name.IsEmpty()) continue;
    pOnly = pTemplate;
    ++count;
  }
  return count;
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
  // One kind is made at once; several are offered to choose from (a
  // template without a name for new documents only opens files).
  CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
  if (NewableCount(m_templateList, pTemplate) > 1) {
    CNewTypeDlg dlg(m_templateList, AfxGetMainWnd());
    if (dlg.DoModal() != IDOK || dlg.m_pSelectedTemplate == nullptr) return;
    pTemplate = dlg.m_pSelectedTemplate;
  }
  pTemplate->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  CString newName;
  if (!DoPromptFileName(newName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr)) return;
  AfxGetApp()->OpenDocumentFile(newName);
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate) {
  CString title, defaultExt;
  title.LoadString(nIDSTitle);
  const CString filter = FileFilter(m_templateList, pTemplate, defaultExt);
  CFileDialog dialog(bOpenFileDialog, defaultExt.IsEmpty() ? nullptr : static_cast<LPCTSTR>(defaultExt), fileName,
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | lFlags, filter, AfxGetMainWnd());
  dialog.m_ofn.lpstrTitle = title;
  if (dialog.DoModal() != IDOK) return FALSE;
  fileName = dialog.GetPathName();
  return TRUE;
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName) {
  if (lpszFileName == nullptr || lpszFileName[0] == '\0') return nullptr;
  const CString path = afx::FullPathOf(lpszFileName);
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
