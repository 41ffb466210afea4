// The wait window of CMessageWnd: a small captioned popup over its owner
// with the running task's text and, when the caller allows it, Cancel.
#pragma once

#include <afxwin.h>

#include <functional>

namespace utils::tasks {

class CWaitWnd : public CWnd {
 public:
  // onProgress runs when the worker reports that a task began or ended.
  explicit CWaitWnd(std::function<void()> onProgress);
  ~CWaitWnd() override;

  BOOL Create(HWND hOwner, const CString& title, const CString& text);
  void SetContent(const CString& title, const CString& text);
  void ShowCancel(BOOL bShow);
  BOOL IsCancelled() const { return m_bCancelled; }
  void ResetCancelled() { m_bCancelled = FALSE; }

  static constexpr UINT IDC_WAIT_TEXT = 100;

 protected:
  afx_msg LRESULT OnProgress(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCancelClicked();
  DECLARE_MESSAGE_MAP()

 private:
  // Sizes the window to its text and the Cancel button, centred on the owner.
  void Layout();

  std::function<void()> m_onProgress;
  CStatic m_text;
  CButton m_cancel;
  BOOL m_bCancelShown = FALSE;
  BOOL m_bCancelled = FALSE;
};

}  // namespace utils::tasks
