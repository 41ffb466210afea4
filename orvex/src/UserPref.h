// The preferences sheet: one page, whether deleting a business-object
// definition asks first. The preference lives in the shared profile
// "Common", section "Preferences", value "DoDelBODef".
#pragma once

#include <afxdlgs.h>

#include <memory>

class CUserConfirmPP;

class CUserPref : public CPropertySheet {
  DECLARE_DYNAMIC(CUserPref)

 public:
  CUserPref(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage);
  ~CUserPref() override;

  void LoadSettings();
  void SaveSettings();

  // 0 asks before deleting; non-zero does not.
  int m_nDoDelBODef = 0;

 protected:
  BOOL OnInitDialog() override;
  DECLARE_MESSAGE_MAP()

 private:
  std::unique_ptr<CUserConfirmPP> m_pConfirmPage;
};
