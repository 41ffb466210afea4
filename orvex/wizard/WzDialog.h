// CWzDialog: a step of a wizard. It knows its sheet, runs the long agent
// calls of its step as tasks under a wait window, keeps its controls placed
// as the sheet is sized, and counts as done once its Next succeeded.
#pragma once

#include <afxdlgs.h>

#include <MessageWnd.h>
#include <SizingList.h>

#include <memory>

class CGenerateWizard;
class CWizard;

class CWzDialog : public CPropertyPage {
  DECLARE_DYNAMIC(CWzDialog)

 public:
  explicit CWzDialog(UINT nIDTemplate);
  ~CWzDialog() override;

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  // Starts the wizard's close, once, unless only the last step is left to
  // do (that step asks first).
  void OnCancel() override;

  // Whether the step has not been completed yet.
  virtual bool IsStepPending();
  // The sheet's dialog exists (this page's may not).
  virtual void OnSheetInitDialog();
  // The step counts as the last one completed.
  virtual void MarkStepDone();
  // Puts the page's controls into its sizing list.
  virtual void InitSizing();

  // The sheet; null until the first OnInitDialog, and outside a sheet.
  CWizard* GetSheet() const { return m_pSheet; }
  CGenerateWizard* GetWizard() const;

  // Runs fn(arg) as a task titled "ZTA Wizard" with `text` in the wait
  // window, the page and the sheet taking no input meanwhile; answers its
  // code. With bKeepWaitWindow the wait window stays for a task that follows.
  UINT RunTask(HLTASKPROC pfnTask, void* pArg, const CString& text, bool bKeepWaitWindow = false);

 protected:
  int GetStepIndex() const;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

  CWizard* m_pSheet = nullptr;
  std::unique_ptr<CMessageWnd> m_pMessageWnd;
  CSizingList m_sizing;
  BOOL* m_pClosing = nullptr;

 private:
  BOOL m_bFirstInit = TRUE;
};
