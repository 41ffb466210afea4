// One open connector: its model, its title ("QVS - " or "KBRX - ", the
// name, "*" while modified), the file it came from, its mode, validation
// over every tab and the save to the server.
//
// The modified state is the model's flag bit (CConnector::IsModified):
// SetModifiedFlag sets or clears it and refreshes the title; IsModified
// reads it. Tabs reach the document through CKestrunView::GetDocument.
#pragma once

#include <afxwin.h>

#include <memory>

class CChildFrame;
class CConnector;

// What m_strPath names.
enum { FILE_KIND_CONFIG = 0, FILE_KIND_REPOSITORY = 1 };

class CKestrunDoc : public CDocument {
  DECLARE_DYNCREATE(CKestrunDoc)

 public:
  CKestrunDoc();
  ~CKestrunDoc() override;

  // With a model: the mode's prefix, the text (m_strName when null or
  // empty) and "*" while modified. Callers pass no text to refresh it.
  void SetTitle(LPCTSTR lpszTitle) override;
  BOOL IsModified() override;
  void SetModifiedFlag(BOOL bModified = TRUE) override;
  // The close question lives in the child frame, and the class library's
  // own save command does nothing.
  BOOL SaveModified() override;
  BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE) override;

  // The document owns the model from now on; its name and type code give
  // the document's name and mode.
  void SetConnector(std::unique_ptr<CConnector> pConnector);
  CConnector* GetConnector() const { return m_pConnector.get(); }
  // The window of the document's first view; null when it has none.
  CChildFrame* GetChildFrame() const;

  // Every tab of the document's window, in tab order, each reporting its
  // own problems; true when all are valid.
  bool ValidateAll();
  // Validates, then saves the model to the server's connector (made there
  // when the server has none), reporting each step in the results bar.
  bool SaveToServer();
  // A new name detaches the model from its server connector.
  bool Rename(const CString& name);
  // Rebuilds the window's tabs for the mode that m_bQvsMode now holds.
  void SwitchTabSet();
  void RefreshTitle() { SetTitle(nullptr); }
  // The mode's prefix and the name, as the title shows them.
  CString GetDisplayName() const;
  bool IsQvsMode() const { return m_bQvsMode; }

  CString m_strName;
  // The file loaded from or last saved to; empty when there is none.
  CString m_strPath;
  int m_nFileKind = FILE_KIND_CONFIG;
  // QVS tab set, else KBRX.
  bool m_bQvsMode = true;

 private:
  std::unique_ptr<CConnector> m_pConnector;
};
