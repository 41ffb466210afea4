// CGenerateWizard: the wizard that generates business-object definitions
// from a discovery agent. It holds the agent's property set and the book
// of named property profiles. The hidden one of the import/export file
// dialog holds the broker's profiles and property set the same way.
#pragma once

#include <memory>
#include <vector>

#include "AgentProfile.h"
#include "BDKAgent.h"
#include "Wizard.h"

class CGenerateWizard : public CWizard, public IMsgReceiver {
  DECLARE_DYNAMIC(CGenerateWizard)

 public:
  // SaveProfileBook's answers.
  enum {
    kBookSaved = 0,
    kBookNoRegistry = 1,  // HKEY_CURRENT_USER could not be reached
    kBookNoKey = 2,       // the book's key could not be opened
    kBookNoFile = 3,      // the file could not be written
    kBookNotStarted = 4,  // the wizard has not got past its first step
  };
  CGenerateWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage);
  ~CGenerateWizard() override;

  void Init() override;
  // The number of the last step completed (0 before the first).
  virtual int GetCurrentStep();
  virtual void SetCurrentStep(int nStep);

  // The agent's properties (not owned; null when none).
  AgentPropArray* GetAgentProperties() const { return m_pAgentProps; }
  void SetAgentProperties(AgentPropArray* pProperties) { m_pAgentProps = pProperties; }

  // The profile book. Names compare byte for byte.
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
  BOOL IsBookModified() const { return m_bBookModified; }
  void SetBookModified(BOOL bModified) { m_bBookModified = bModified; }
  // The book file at the path could not be read: before the book is
  // written there, the file is kept under a name of its own.
  void KeepUnreadableBook(LPCTSTR lpszPath) { m_strUnreadableBook = lpszPath; }

  // The name the agent's messages are shown under.
  CString GetReceiverName() override;

 private:
  std::vector<std::unique_ptr<AgentProfile>>::iterator Find(LPCTSTR lpszName);
  // Moves an unreadable book out of the way of a save to `path`.
  BOOL SetAsideUnreadableBook(const CString& path);

  std::unique_ptr<CQRBDKAgent> m_pAgent;
  AgentPropArray* m_pAgentProps = nullptr;
  BOOL m_bBookModified = FALSE;
  int m_nCurrentStep = 0;
  std::vector<std::unique_ptr<AgentProfile>> m_profiles;
  CString m_strUnreadableBook;
};
