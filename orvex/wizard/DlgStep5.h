// CDlgStep5: "Generating business objects...", where the agent generates
// the definitions and files of the names the review step lists. The agent's
// notices arrive as messages of its listener; an idle watchdog asks the
// user whether to go on waiting when the agent stays silent.
#pragma once

#include <afxcmn.h>

#include "BDKAgent.h"
#include "WzDialog.h"

// The page starts the generation on its arrival.
constexpr UINT WM_GENERATE_NOW = 0x597;
// The idle watchdog went off.
constexpr UINT WM_AGENT_IDLE = 0x598;

class CDlgStep5 : public CWzDialog, public IMsgReceiver {
  DECLARE_DYNAMIC(CDlgStep5)
  DECLARE_MESSAGE_MAP()

 public:
  static constexpr UINT_PTR kIdleTimer = 0x4500;
  static constexpr DWORD kIdleTimeoutMs = 180000;

  CDlgStep5();

  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  LRESULT OnWizardBack() override;
  LRESULT OnWizardNext() override;
  void InitSizing() override;

  void StartIdleTimer();
  void StopIdleTimer();
  // The status line's new text; the previous one.
  CString SetStatus(const CString& text);
  CString GetStatus() const;
  // Done: the sheet moves on to the last step.
  void FinishGeneration();

  // IMsgReceiver: the agent's message and status brackets while the page
  // is shown.
  void StartMessage(const char* text, UINT style) override;
  void EndMessage(int answer, UINT style) override;
  void StartStatus(const char* text) override;
  void EndStatus() override;
  CString GetReceiverName() override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

  afx_msg LRESULT OnGeneratedText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAgentStatus(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAgentNotification(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPropertiesRequest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnInformationRequest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnContentNotice(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAgentStopped(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAgentIdle(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGenerateNow(WPARAM wParam, LPARAM lParam);
  afx_msg void OnTimer(UINT_PTR nIDEvent);

 private:
  // Asks the agent for the definitions (and files) of the review step's
  // names.
  void Generate();
  // Reports the failure and leaves the wizard.
  void Abandon(const CString& text, const char* suffix);
  // After a request for information: false (and the wizard is left) when
  // the agent is no longer connected.
  bool CheckConnection();
  // The files of a content notice, into the agent's file destination.
  void WriteContentFiles(int nCount);
  void Stopped(const char* status);
  // Whether the page waits for the agent: shown by the sheet and not given
  // up. What the agent hands over otherwise is not taken, and the idle
  // watchdog waits only then.
  bool IsWaiting() const;
  CQRBDKAgent* Agent() const;

  CAnimateCtrl m_animation;
  bool m_bGenerateOnNext = false;
  // Set from a failure's report until the next arrival.
  bool m_bAbandoned = false;
};
