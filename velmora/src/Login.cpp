#include "Login.h"

#include <HLUtilWinRegistry.h>

#include "ResourceScope.h"
#include "SearchServers.h"
#include "resource.h"

namespace {

constexpr const char* kHistoryProfile = "Common";
constexpr int kMaxNameLength = 30;

CString Trimmed(CString text) {
  text.Trim();
  return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CLogin, CDialog)
  ON_CBN_SELCHANGE(IDC_LOGIN_USER, OnSelchangeUsername)
  ON_WM_DESTROY()
  ON_BN_CLICKED(IDC_LOGIN_BROWSE, OnHlBrowse)
END_MESSAGE_MAP()

CLogin::CLogin(CString strServer, CWnd* pParent) : CDialog(IDD_LOGIN, pParent), m_strFixedServer(Trimmed(strServer)) {}

CLogin::~CLogin() = default;

void CLogin::SetPresets(const CString& strServer, const CString& strUser, const CString& strPassword) {
  m_strServer = strServer;
  m_strUser = strUser;
  m_strPassword = strPassword;
}

INT_PTR CLogin::DoModal() {
  velmora::ResourceScope resources;
  return CDialog::DoModal();
}

void CLogin::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LOGIN_REMEMBER, m_ctlRemember);
  DDX_Control(pDX, IDC_LOGIN_PASSWORD, m_ctlPassword);
  DDX_Control(pDX, IDC_LOGIN_SERVER, m_ctlServer);
  DDX_Control(pDX, IDC_LOGIN_USER, m_ctlUser);
  DDX_Check(pDX, IDC_LOGIN_REMEMBER, m_bRemember);
  DDX_Text(pDX, IDC_LOGIN_PASSWORD, m_strPassword);
  DDV_MaxChars(pDX, m_strPassword, kMaxNameLength);
  DDX_CBString(pDX, IDC_LOGIN_USER, m_strUser);
  DDV_MaxChars(pDX, m_strUser, kMaxNameLength);
  DDX_CBString(pDX, IDC_LOGIN_SERVER, m_strServer);
}

// The remembered servers and users, and the recent login for what the
// caller did not preset: the command line's server, user and password win
// over the history. A password from the history is taken only for its own
// user.
void CLogin::FillHistory() {
  const CHLUtilWinRegistry history(kHistoryProfile);
  CStringArray servers;
  history.GetRegisteredServerNames(servers);
  for (int i = 0; i < servers.GetSize(); ++i) m_ctlServer.AddString(servers[i]);

  CHLUtilWinRegistry::CUserInfos users;
  history.GetRegisteredUserNames(users);
  for (int i = 0; i < users.GetSize(); ++i) {
    const int index = m_ctlUser.AddString(users[i].m_strUser);
    if (index < 0) continue;
    m_userPasswords.push_back(std::make_unique<CString>(users[i].m_strPassword));
    m_ctlUser.SetItemDataPtr(index, m_userPasswords.back().get());
  }

  bool remember = false;
  CString server, user, password;
  history.GetRecentLoginInfo(remember, server, user, password);
  m_bRemember = remember ? 1 : 0;
  if (Trimmed(m_strServer).IsEmpty()) m_strServer = server;
  if (Trimmed(m_strUser).IsEmpty()) m_strUser = user;
  if (m_strPassword.IsEmpty() && m_strUser == user) m_strPassword = password;
}

BOOL CLogin::OnInitDialog() {
  CDialog::OnInitDialog();
  FillHistory();
  if (!m_strFixedServer.IsEmpty()) {
    m_strServer = m_strFixedServer;
    m_ctlServer.EnableWindow(FALSE);
    if (CWnd* browse = GetDlgItem(IDC_LOGIN_BROWSE)) browse->ShowWindow(SW_HIDE);
  }
  UpdateData(FALSE);
  if (m_strUser.IsEmpty() || !m_strPassword.IsEmpty()) {
    GotoDlgCtrl(&m_ctlUser);
  } else {
    GotoDlgCtrl(&m_ctlPassword);
  }
  return FALSE;
}

void CLogin::OnSelchangeUsername() {
  const int selected = m_ctlUser.GetCurSel();
  if (selected < 0) return;
  if (const auto* password = static_cast<const CString*>(m_ctlUser.GetItemDataPtr(selected))) {
    m_ctlPassword.SetWindowText(*password);
  }
}

void CLogin::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strServer.Trim();
  if (m_strServer.IsEmpty()) {
    AfxMessageBox("Server name is empty.", MB_OK);
    GotoDlgCtrl(&m_ctlServer);
    return;
  }
  m_strUser.Trim();
  if (m_strUser.IsEmpty()) {
    AfxMessageBox("User name is empty.", MB_OK);
    GotoDlgCtrl(&m_ctlUser);
    return;
  }
  CHLUtilWinRegistry(kHistoryProfile).SetRecentLoginInfo(m_bRemember != 0, m_strServer, m_strUser, m_strPassword);
  // Not CDialog::OnOK: it would read the untrimmed texts back.
  EndDialog(IDOK);
}

void CLogin::OnDestroy() {
  if (m_ctlUser.GetSafeHwnd() != nullptr) {
    for (int i = 0; i < m_ctlUser.GetCount(); ++i) m_ctlUser.SetItemDataPtr(i, nullptr);
  }
  m_userPasswords.clear();
  CDialog::OnDestroy();
}

void CLogin::OnHlBrowse() {
  CSearchServers search(this);
  if (search.DoModal() != IDOK) return;
  const CString chosen = Trimmed(search.m_strServer);
  // Only the server changes: what was typed in the other fields stays.
  if (chosen.IsEmpty()) return;
  m_strServer = chosen;
  m_ctlServer.SetWindowText(chosen);
}
