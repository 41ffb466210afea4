// The base of every tab of a connector window, and the per-document
// commands that every tab therefore carries (close, save to a file or to the
// server, save as) with the configuration-file writer.
//
// A tab is a form view that the child frame makes from its tab table
// (TabSets.cpp) over the window's CKestrunDoc. A tab:
//   - passes its form template to CKestrunView(UINT) and is DYNCREATE;
//   - reads and writes the model through GetConnector(); an edit marks the
//     document modified with GetDocument()->SetModifiedFlag(TRUE);
//   - fills its controls in OnInitialUpdate; OnUpdate is called with the
//     view itself as sender each time the tab is brought to the front, and
//     the first such call sets m_bFilled (only filled tabs write a section);
//   - overrides, as it needs:
//       ApplyToServer    copies its values into the server's connector;
//       AppendConfigText takes its controls into the model and appends its
//                        section of the configuration file (FALSE stops
//                        the write, after the tab told the user why);
//       Validate         checks its values, one results-bar line per
//                        problem (AddResultLine), TRUE when all are valid.
// The bases answer: nothing to apply, nothing to append (TRUE), valid.
#pragma once

#include <afxext.h>
#include <afxwin.h>

class CChildFrame;
class CConnector;
class CKestrunDoc;
class CQRConnector;

class CKestrunView : public CFormView {
  DECLARE_DYNAMIC(CKestrunView)

 public:
  ~CKestrunView() override;

  CKestrunDoc* GetDocument() const;
  // The document's model; null while the document has none.
  CConnector* GetConnector() const;

  virtual void ApplyToServer(CQRConnector* pServer);
  virtual BOOL AppendConfigText(CString& text);
  virtual BOOL Validate();

  // Writes the document as a configuration file: the header, the section of
  // each filled tab of the document's own window, in tab order, and the
  // kept messaging text, into a file beside the target renamed over it.
  // TRUE when written; the document is then no longer modified.
  static BOOL WriteConfigFile(const CString& path, CKestrunDoc* pDoc);

  // The per-document commands; TRUE when the document was saved.
  BOOL OnSaveToFile();
  BOOL OnSaveAsToFile();
  BOOL OnSaveToServer();
  BOOL OnSaveAsToServer();

  // Set once the tab holds the connector's values.
  BOOL m_bFilled = FALSE;

 protected:
  explicit CKestrunView(UINT nIDTemplate);

  void OnDraw(CDC* pDC) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

  // A line in the main frame's results bar (which shows when hidden).
  static void AddResultLine(const CString& line);

  afx_msg void OnCloseConnector();
  afx_msg void OnSaveToFileCommand();
  afx_msg void OnSaveAsToFileCommand();
  afx_msg void OnSaveToServerCommand();
  afx_msg void OnSaveAsToServerCommand();
  afx_msg void OnUpdateHasDocument(CCmdUI* pCmdUI);
  afx_msg void OnUpdateServerSave(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()

 private:
  // The start of a save to a file: the results pane shown and cleared,
  // then every tab validated. The connector; null when there is none or a
  // tab failed.
  CConnector* BeginFileSave();
  // The save dialog's path and the write by its extension (Save To File and
  // Save As To File).
  BOOL SaveByExtension(CString path, BOOL bAs);
};
