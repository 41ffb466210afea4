// CWizard: a resizable wizard sheet whose pages are CWzDialog steps. It
// holds wrappers of the sheet's Back, Next, Finish and Cancel buttons, keeps
// pages and buttons placed as the sheet is sized, and ends itself: when it
// closes it tells its parent window, which destroys it.
#pragma once

#include <afxdlgs.h>

#include <SizingList.h>

#include <array>
#include <memory>

class CWzDialog;

// The wizard closed (lParam: the wizard); its parent destroys it.
constexpr UINT WM_HV_WIZARD_CLOSED = 0x595;
// Closes the wizard; wParam 1 after Finish, 2 when cancelled.
constexpr UINT WM_HV_WIZARD_CLOSE = 0x596;
constexpr WPARAM WIZARD_FINISHED = 1;
constexpr WPARAM WIZARD_CANCELLED = 2;

class CWizard : public CPropertySheet {
  DECLARE_DYNAMIC(CWizard)

 public:
  CWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage);
  ~CWizard() override;

  // The sheet as a sizable wizard; run by the constructor.
  virtual void Init();
  // Lets the buttons go and tells the parent window that the wizard closed.
  virtual void CloseWizard();

  BOOL OnInitDialog() override;

  // Adds the pages in order up to the first null one: 0 when all were
  // added, else the index of the null page; -1 without an array.
  int AddPages(CWzDialog* const* pPages, int nCount);
  // The wrapper of the sheet's button (Next, Back, Finish or Cancel), or
  // null before the sheet exists.
  CButton* FindButton(UINT nID) const;
  void EnableButton(UINT nID, BOOL bEnable) const;
  // Places pages and buttons for the client size unless they already are.
  void FitToClient();

  CSizingList& GetSizingList() { return m_sizing; }
  // Set by the first page whose Cancel starts the close.
  BOOL* GetClosingFlag() { return &m_bClosing; }

 protected:
  // The sheet ends through CloseWizard, never by itself when a button
  // ends it.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void DetachButtons();

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  DECLARE_MESSAGE_MAP()

  BOOL m_bClosing = FALSE;

 private:
  void AttachButtons();
  void InitSizing();

  // In the order Next, Back, Finish, Cancel.
  std::array<UINT, 4> m_buttonIds{};
  std::array<std::unique_ptr<CButton>, 4> m_buttons;
  CSizingList m_sizing;
};
