// The view of a definition window. Until the definition windows with their
// tabs and grids are built, it is a plain pane that names the definition.
#pragma once

#include <afxwin.h>

#include "DataManager.h"

class COrvexDoc;

class COrvexView : public CView {
  DECLARE_DYNCREATE(COrvexView)

 public:
  COrvexView();
  ~COrvexView() override;

  COrvexDoc* GetDocument() const;

  // What the views hear from BroadcastToViews and the save commands.
  virtual void OnBONameAdded(CString name);
  virtual void OnBONameRemoved(CString name);
  virtual void OnBONamesReset();
  virtual void RefreshFromDef();
  virtual void WriteGridToTextFile(const char* path);
  virtual void ApplyToDef(CQRBusObjDef* pDef);

  // 0 when the definition was written to its file, 24 when cancelled.
  virtual int OnSaveToFile();

  // The name under which this window is registered with the data manager.
  CString m_strBOName;

 protected:
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;

  afx_msg void OnDestroy();
  afx_msg LRESULT OnDefGone(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDefClose(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDefChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // The frame goes at once, without questions, when the notice names this
  // window's definition.
  void CloseIfNamed(WPARAM wParam, LPARAM lParam);
};
