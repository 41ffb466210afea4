#include "UserPref.h"

#include <HLUtilWinRegistry.h>

#include "UserConfirmPP.h"

namespace {

constexpr const char* kProfile = "Common";
constexpr const char* kSection = "Preferences";
constexpr const char* kEntry = "DoDelBODef";
constexpr int kLastChildId = 0xFFFD;

// The shared profile beside the application's own.
CWinRegistry CommonProfile() { return CWinRegistry(AfxGetApp()->m_pszRegistryKey, kProfile); }

}  // namespace

IMPLEMENT_DYNAMIC(CUserPref, CPropertySheet)

BEGIN_MESSAGE_MAP(CUserPref, CPropertySheet)
END_MESSAGE_MAP()

CUserPref::CUserPref(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), m_pConfirmPage(std::make_unique<CUserConfirmPP>()) {
  AddPage(m_pConfirmPage.get());
}

CUserPref::~CUserPref() = default;

void CUserPref::LoadSettings() { m_nDoDelBODef = static_cast<int>(CommonProfile().GetProfileInt(kSection, kEntry, 0)); }

void CUserPref::SaveSettings() { CommonProfile().WriteProfileInt(kSection, kEntry, m_nDoDelBODef); }

BOOL CUserPref::OnInitDialog() {
  const BOOL result = CPropertySheet::OnInitDialog();
  // The one page needs no Apply.
  for (int id = 0; id <= kLastChildId; ++id) {
    CWnd* pChild = GetDlgItem(id);
    if (pChild == nullptr) continue;
    CString text;
    pChild->GetWindowText(text);
    if (text.CompareNoCase("&Apply") == 0) {
      pChild->ShowWindow(SW_HIDE);
      break;
    }
  }
  LoadSettings();
  return result;
}
