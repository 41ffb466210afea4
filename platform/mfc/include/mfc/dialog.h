// CDialog: a dialog from a template (a resource found through the resource
// chain, or one in memory), modal through the window system's modal loop
// or modeless.
#pragma once

#include <vector>

#include "mfc/wnd.h"

class CFont;

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Modal: the owner is disabled while the dialog runs.
  virtual INT_PTR DoModal();
  BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
  // Modeless.
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

  void EndDialog(int nResult);
  void MapDialogRect(LPRECT lpRect) const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void SetDefID(UINT nID);
  DWORD GetDefID() const;

  // Overridables.
  virtual BOOL OnInitDialog();
  virtual void OnSetFont(CFont* pFont);
  virtual void OnOK();
  virtual void OnCancel();
  // Keyboard navigation of a modeless dialog (the modal loop has its own).
  BOOL PreTranslateMessage(MSG* pMsg) override;

  LPCTSTR m_lpszTemplateName = nullptr;
  UINT m_nIDHelp = 0;
  CWnd* m_pParentWnd = nullptr;

 protected:
  DECLARE_MESSAGE_MAP()

  afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

  // The template a dialog is made from, and its module.
  struct Template {
    HINSTANCE hInstance;
    LPCDLGTEMPLATE data;
  };
  bool FindTemplate(Template& found) const;
  HWND OwnerWindow() const;
  // The dialog procedure that calls OnInitDialog.
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;  // InitModalIndirect / CreateIndirect
  BOOL CreateFrom(const Template& tmpl, CWnd* pParentWnd);
};
