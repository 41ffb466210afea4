// CPropertySheet and CPropertyPage: the window system's property sheets
// and wizards with a C++ object on the sheet and on each page. The pages
// belong to the program; the sheet only refers to them.
#pragma once

#include <vector>

#include "afxres.h"
#include "mfc/cmn_tabctrl.h"
#include "mfc/dialog.h"
#include "win32/prsht.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

  PROPSHEETPAGE m_psp{};

  // Outside a sheet the page runs as a modal popup dialog of its own.
  INT_PTR DoModal() override;

  void SetModified(BOOL bChanged = TRUE);
  void CancelToClose();
  LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

  // Overridables of the sheet's steps.
  virtual BOOL OnSetActive();
  // Saves the controls (data exchange); FALSE keeps the page.
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  virtual BOOL OnQueryCancel();
  // 0: the neighbouring page; -1: stay; else the template id to go to.
  virtual LRESULT OnWizardBack();
  virtual LRESULT OnWizardNext();
  // FALSE keeps the wizard open.
  virtual BOOL OnWizardFinish();
  void OnOK() override;
  void OnCancel() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  friend class CPropertySheet;
  void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
  // The page's handle for a sheet, made from m_psp.
  HPROPSHEETPAGE MakeHandle();
  bool InSheet() const;
  static UINT CALLBACK PageCallback(HWND hWnd, UINT message, PROPSHEETPAGE* ppsp);
  static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  CString m_strCaption;
  bool m_bFirstSetActive = true;
  std::vector<BYTE> m_popupTemplate;  // the template restyled for DoModal
};

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

  PROPSHEETHEADER m_psh{};

  // Modal: IDOK or IDCANCEL (ID_WIZFINISH for a finished wizard).
  virtual INT_PTR DoModal();
  // Modeless; dwStyle -1 takes the standard sheet styles.
  virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1), DWORD dwExStyle = 0);

  void AddPage(CPropertyPage* pPage);
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  CPropertyPage* GetPage(int nPage) const;
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  int GetPageIndex(CPropertyPage* pPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);
  void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
  void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
  void SetWizardButtons(DWORD dwFlags);
  void SetFinishText(LPCTSTR lpszText);
  void PressButton(int nButton);
  void EndDialog(int nEndID);
  CTabCtrl* GetTabControl() const;
  // The sheet's style and extended style, used when it is made; a derived
  // class may change them first (a sizing frame, say).
  DWORD m_dwSheetStyle;
  DWORD m_dwSheetExStyle = 0;

  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  DECLARE_MESSAGE_MAP()
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  CWnd* m_pParentWnd = nullptr;

 private:
  void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
  // Fills m_psh with the pages' handles; true when all could be made.
  bool BuildHeader(std::vector<HPROPSHEETPAGE>& handles);
  HWND OwnerWindow() const;
  static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);

  std::vector<CPropertyPage*> m_pages;
  CString m_strCaption;
  bool m_bModeless = false;
  int m_nEndID = 0;  // EndDialog's answer
};
