// The base of the two tab views of a definition window, "General"
// (CBusObjVerbsView) and "Attributes" (CBusObjAttrsView): a form view over
// the window's COrvexDoc that carries the window's close and save commands
// and hears the data manager's notices about its definition.
//
// A derived view:
// - passes its dialog template to the constructor and is DECLARE_DYNCREATE:
//   the child frame makes it by class (CChildFrame::OnCreateClient);
// - reads its definition through GetBODef() (the document's m_pBODef, which
//   the data manager owns; never freed here);
// - calls COrvexView::OnInitialUpdate first in its own: that registers the
//   view's window with the data manager under the definition's name
//   (m_strBOName); OnDestroy removes it again;
// - gets the notices through this class's map: 0x29C8 and 0x29CA naming its
//   definition destroy the frame at once, without questions; 0x29CB calls
//   RefreshFromDef. A view that also handles 0x29C8 for other names (a
//   contained definition) puts its own ON_MESSAGE entry in its map and
//   passes its own definition's name on to OnDefGone;
// - names the grid it prints (GetPrintedGrid);
// - overrides the six operations below that concern it; the document calls
//   them on every view (COrvexDoc::BroadcastToViews, ApplyViewsToDef,
//   RefreshViews), and their bodies here do nothing.
#pragma once

#include <afxext.h>
#include <gx/gxdefs.h>

#include "DataManager.h"

class CGXGridCore;
class CMainFrame;
class COrvexDoc;

class COrvexView : public CFormView {
  DECLARE_DYNAMIC(COrvexView)

 public:
  ~COrvexView() override;

  COrvexDoc* GetDocument() const;
  // The definition the window shows, or null.
  CQRBusObjDef* GetBODef() const;

  // 1. A business-object name became available (update kind 8).
  virtual void OnBONameAdded(CString name);
  // 2. A name went away (update kind 7).
  virtual void OnBONameRemoved(CString name);
  // 3. The list of names was rebuilt after connecting (update kind 9).
  virtual void OnBONamesReset();
  // 4. Reloads the view's controls from the definition.
  virtual void RefreshFromDef();
  // 5. Writes the view's grid as tab-separated text, one line per row; a
  //    file that cannot be created shows "File %s could not be opened!".
  //    TRUE when written.
  virtual BOOL WriteGridToTextFile(const char* path);
  // 6. Hands the view's pending edits to a definition before it is saved
  //    or exported.
  virtual void ApplyToDef(CQRBusObjDef* pDef);

  // The save commands, also run by the close questions and the main frame.
  void OnSaveToServer();
  // 0 when written, 24 when cancelled or failed.
  int OnSaveToFile();
  int OnSaveAsToFile();
  void OnSaveAsToServer();
  void OnSaveAllToServer();

  // The name under which this window is registered with the data manager.
  CString m_strBOName;
  CMainFrame* m_pMainFrame = nullptr;
  // The window Save As To File opened for a renamed copy, or null.
  COrvexDoc* m_pSavedAsDoc = nullptr;

 protected:
  explicit COrvexView(UINT nIDTemplate);

  void OnInitialUpdate() override;
  // The tab's grid, which its printing prints with the definition's name
  // and the page number in the header.
  virtual CGXGridCore* GetPrintedGrid() = 0;
  // WriteGridToTextFile's work: rows 1 to `lastRow` of the grid, every
  // column, tab-separated; the message when the file cannot be created or
  // written.
  static BOOL WriteRowsToTextFile(const char* path, CGXGridCore& grid, ROWCOL lastRow);
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnDestroy();
  afx_msg void OnFileClose();
  afx_msg void OnSaveToFileCommand();
  afx_msg void OnSaveAsToFileCommand();
  afx_msg LRESULT OnDefGone(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDefClose(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDefChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // The frame goes at once, without questions, when the notice names this
  // window's definition.
  void CloseIfNamed(WPARAM wParam, LPARAM lParam);
  // Save As To File: the dialog, the rename and the write; `path` gets the
  // chosen file. `closeRenamed`: the old window goes when a renamed copy
  // was written (the command itself; Save To File closes it on its own).
  int SaveAsToFile(BOOL closeRenamed, CString& path);
  // Writes the definition with its dependencies to a repository copy (or
  // a schema file); the line in the results pane. 0 when written.
  int ExportToFile(CQRBusObjDef* pDef, const CString& path);
  // Reverts this window's definition (without the ones it refers to) and
  // closes the window, after a copy under another name took its place.
  void RetireAfterRename();
};
