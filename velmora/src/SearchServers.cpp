#include "SearchServers.h"

#include <memory>

#include "ResourceScope.h"
#include "ServerSearch.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CSearchServers, CDialog)
  ON_MESSAGE(velmora::kSearchUpdate, OnUpdate)
  ON_CBN_DBLCLK(IDC_SEARCH_SERVERS, OnDblclkServers)
END_MESSAGE_MAP()

CSearchServers::CSearchServers(CWnd* pParent) : CDialog(IDD_SEARCH_SERVERS, pParent), m_strStatus("Searching ...") {}

CSearchServers::~CSearchServers() { StopSearch(); }

INT_PTR CSearchServers::DoModal() {
  velmora::ResourceScope resources;
  return CDialog::DoModal();
}

void CSearchServers::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SEARCH_SERVERS, m_ctlServers);
  DDX_Control(pDX, IDC_SEARCH_CLIP, m_ctlAnimate);
  DDX_Text(pDX, IDC_SEARCH_STATUS, m_strStatus);
  DDX_CBString(pDX, IDC_SEARCH_SERVERS, m_strServer);
}

BOOL CSearchServers::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  m_ctlAnimate.Open(IDR_STATUS_CLIP);
  m_ctlAnimate.Play(0, static_cast<UINT>(-1), static_cast<UINT>(-1));
  StartSearch();
  GotoDlgCtrl(&m_ctlServers);
  return FALSE;
}

UINT CSearchServers::SearchThread(LPVOID pParam) {
  const std::unique_ptr<std::shared_ptr<velmora::ServerSearch>> search(
      static_cast<std::shared_ptr<velmora::ServerSearch>*>(pParam));
  (*search)->Run();
  return 0;
}

void CSearchServers::StartSearch() {
  StopSearch();
  const HWND window = m_hWnd;
  m_search = std::make_shared<velmora::ServerSearch>(window);
  m_nDroppedHook = win32::AddDroppedMessageHook([window](const MSG& msg) {
    if (msg.hwnd == window) velmora::FreeSearchUpdate(msg);
  });
  auto param = std::make_unique<std::shared_ptr<velmora::ServerSearch>>(m_search);
  CWinThread* thread = AfxBeginThread(SearchThread, param.get(), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  if (thread == nullptr) {
    PostMessage(velmora::kSearchUpdate, velmora::kSearchComplete, 0);
    return;
  }
  param.release();
  thread->m_bAutoDelete = FALSE;
  m_pThread.reset(thread);
  thread->ResumeThread();
}

void CSearchServers::StopSearch() {
  if (m_search) m_search->stop = true;
  if (m_pThread) {
    ::WaitForSingleObject(m_pThread->m_hThread, INFINITE);
    m_pThread.reset();
  }
  if (m_nDroppedHook != 0) {
    win32::RemoveDroppedMessageHook(m_nDroppedHook);
    m_nDroppedHook = 0;
  }
  m_search.reset();
}

LRESULT CSearchServers::OnUpdate(WPARAM wParam, LPARAM lParam) {
  if (wParam == velmora::kServerFound) {
    const std::unique_ptr<CString> name(reinterpret_cast<CString*>(lParam));
    if (name) m_ctlServers.AddString(*name);
  } else if (wParam == velmora::kSearchComplete) {
    m_strStatus = "Search complete";
    m_ctlAnimate.Stop();
    m_ctlAnimate.ShowWindow(SW_HIDE);
  }
  // Only the status is refreshed: the server text may be the user's choice.
  SetDlgItemText(IDC_SEARCH_STATUS, m_strStatus);
  return 0;
}

void CSearchServers::OnDblclkServers() { OnOK(); }

void CSearchServers::OnOK() {
  if (m_search) m_search->stop = true;
  CDialog::OnOK();
}

void CSearchServers::OnCancel() {
  if (m_search) m_search->stop = true;
  CDialog::OnCancel();
}
