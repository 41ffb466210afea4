// CGenerateWizard: the six-step wizard that generates business-object
// definitions from a discovery agent. It owns the session with the agent
// (one at a time), the worker thread that watches the agent's connection
// and posts when it breaks, the book of named property profiles, the
// generated repository-copy text and the choices of the last step, and on
// closing disconnects the agent, saves the book and hands the definitions
// to the session. The hidden one of the import/export file dialog holds the
// broker's profiles and property set the same way.
#pragma once

#include <afxmt.h>

#include <MessageWnd.h>

#include <memory>
#include <optional>
#include <vector>

#include "AgentProfile.h"
#include "BDKAgent.h"
#include "Wizard.h"

class CBOImpExp;
class COrvexApp;
class CWzDialog;
class CDlgStep1;
class CDlgStep3;
class CDlgStep4;

// The watch thread found the agent's connection broken.
constexpr UINT WM_AGENT_STATUS_WARNING = 0x599;

class CGenerateWizard : public CWizard, public IMsgReceiver {
  DECLARE_DYNAMIC(CGenerateWizard)

 public:
  // SaveGenerated's result bits.
  enum {
    kFileCancelled = 0x01,  // the file dialog was cancelled
    kFileNotWritten = 0x02,
    kNotToServer = 0x04,  // not connected, or the server was not chosen
  };
  // SaveProfileBook's answers.
  enum {
    kBookSaved = 0,
    kBookNoRegistry = 1,  // HKEY_CURRENT_USER could not be reached
    kBookNoKey = 2,       // the book's key could not be opened
    kBookNoFile = 3,      // the file could not be written
    kBookNotStarted = 4,  // the wizard has not got past its first step
  };
  // The registry folder of the agent profiles.
  static constexpr const char* kAgentProfilesKey = "Agent Profiles";

  CGenerateWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage);
  ~CGenerateWizard() override;

  void Init() override;
  void CloseWizard() override;
  // The 1-based number of the last step whose Next succeeded (0: none).
  virtual int GetCurrentStep();
  virtual void SetCurrentStep(int nStep);
  // Writes the generated text to a file and the committed definitions to
  // the server as chosen in the last step; the result bits.
  virtual int SaveGenerated();

  // --- The agent session ------------------------------------------------------
  // Step 1's Next: terminates the agent connected so far, connects the one
  // named and reads its properties, each as a task of the page; 0 when
  // connected, -1 when a failure was reported.
  int ConnectAgent(CWzDialog& page, const CString& name);
  // Null when no agent is connected.
  CQRBDKAgent* GetAgent() const { return m_pAgent.get(); }
  // The agent's properties (the agent's own); null when none.
  AgentPropArray* GetAgentProperties() const { return m_pAgentProps; }
  void SetAgentProperties(AgentPropArray* pProperties) { m_pAgentProps = pProperties; }
  // The agent's answer as the user sees it: the message of the code
  // followed by the agent's name as the code wants it, or the agent's own
  // message for BDK_SEE_MESSAGE.
  CString AgentErrorText(int nCode) const;
  // AgentErrorText in a stop box captioned "ZTA Wizard".
  void ReportAgentError(CWnd* pOwner, int nCode) const;
  // Watches the agent's connection from a worker thread; false when a
  // watch runs already.
  bool StartStatusPoll();
  // Ends the watch and waits for its thread; at once when none runs.
  void StopStatusPoll();

  // --- The profile book ------------------------------------------------------
  // Names compare byte for byte.
  AgentPropArray* FindProfile(LPCTSTR lpszName);
  // 1 when a profile of the name was replaced, 0 when one was added; the
  // book keeps a copy of the properties.
  int StoreProfile(LPCTSTR lpszName, const AgentPropArray& properties);
  // 1 when the profile was removed, else 0.
  int RemoveProfile(LPCTSTR lpszName);
  // The names in book order; the caller deletes the array.
  CStringArray* GetProfileNames() const;
  // Writes the book to the file its registry key names (subkey below
  // Software\Halvane\Orvex\Settings); kBookSaved or the failure.
  int SaveProfileBook(LPCTSTR lpszSubkey);
  // Saves the book when it was changed; it counts as unchanged once saved.
  void SaveProfileBookIfModified(LPCTSTR lpszSubkey);
  BOOL IsBookModified() const { return m_bBookModified; }
  void SetBookModified(BOOL bModified) { m_bBookModified = bModified; }
  // The book file at the path could not be read: before the book is
  // written there, the file is kept under a name of its own.
  void KeepUnreadableBook(LPCTSTR lpszPath) { m_strUnreadableBook = lpszPath; }

  // --- What the steps produce -------------------------------------------------
  void SetSaveChoices(BOOL bToServer, BOOL bToFile, BOOL bOpenInWindows);
  // A copy of the text; null drops it.
  void SetGeneratedText(LPCTSTR lpszText);
  // Null when nothing was generated.
  const CString* GetGeneratedText() const { return m_generatedText ? &*m_generatedText : nullptr; }
  // Reads the generated text into a fresh import object, whose definitions
  // the close commits; 0 or the code of the fault (GetImpExp tells it).
  int ParseGenerated();
  CBOImpExp* GetImpExp() const { return m_pImpExp.get(); }

  CDlgStep3* GetSourceStep() const;
  CDlgStep4* GetReviewStep() const;

  // IMsgReceiver: the agent's messages are shown under its name.
  CString GetReceiverName() override;

 protected:
  afx_msg LRESULT OnCloseWizard(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAgentStatusWarning(WPARAM wParam, LPARAM lParam);
  afx_msg void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  struct Watch;

  static UINT StatusPollThread(LPVOID pParam);
  std::vector<std::unique_ptr<AgentProfile>>::iterator Find(LPCTSTR lpszName);
  // Moves an unreadable book out of the way of a save to `path`.
  BOOL SetAsideUnreadableBook(const CString& path);
  void DeleteAgent();
  void DeletePages();
  // Hands the parsed definitions to the session.
  void CommitGenerated();

  std::unique_ptr<CQRBDKAgent> m_pAgent;
  AgentPropArray* m_pAgentProps = nullptr;
  BOOL m_bBookModified = FALSE;
  std::unique_ptr<Watch> m_pWatch;
  CEvent m_evStop{FALSE, TRUE};
  COrvexApp* m_pApp = nullptr;
  BOOL m_bSaveToFile = FALSE;
  BOOL m_bSaveToServer = FALSE;
  BOOL m_bOpenInWindows = FALSE;
  std::unique_ptr<CMessageWnd> m_pMessageWnd;
  std::unique_ptr<CBOImpExp> m_pImpExp;
  std::optional<CString> m_generatedText;
  int m_nCurrentStep = 0;
  std::vector<std::unique_ptr<AgentProfile>> m_profiles;
  CString m_strUnreadableBook;
  std::vector<std::unique_ptr<CWzDialog>> m_pages;
  WPARAM m_nCloseReason = 0;
};
