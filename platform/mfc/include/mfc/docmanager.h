// CDocManager: the application's document templates and the File menu's
// commands over all of them.
#pragma once

#include "afxcoll.h"
#include "mfc/doctempl.h"

class CDocManager {
 public:
  CDocManager() = default;
  virtual ~CDocManager();
  CDocManager(const CDocManager&) = delete;
  CDocManager& operator=(const CDocManager&) = delete;

  virtual void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  int GetDocumentCount() const;

  virtual void OnFileNew();
  virtual void OnFileOpen();
  // An already open file activates its first view instead of opening again.
  virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL bEndSession);
  // Asks for a file name (the Open or Save As dialog); FALSE on cancel.
  virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                CDocTemplate* pTemplate);

  CPtrList m_templateList;
};
