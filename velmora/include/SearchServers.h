// "Servers": looks for running integration servers through the location
// service on a worker thread and lists them as they are found; OK (or a
// double click on a server) takes the chosen one. The worker never touches
// the dialog object: it posts what it finds to the window, each search has
// its own stop token, and the dialog stops and joins its worker before the
// object goes.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <memory>

namespace velmora {
struct ServerSearch;
}

class AFX_EXT_CLASS CSearchServers : public CDialog {
 public:
  explicit CSearchServers(CWnd* pParent = nullptr);
  ~CSearchServers() override;

  INT_PTR DoModal() override;

  CString m_strServer;  // the chosen server, empty at first

  // The worker: `pParam` is the search it runs (a velmora::ServerSearch
  // whose ownership it shares).
  static UINT SearchThread(LPVOID pParam);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  // WM_USER+1 from the worker: a server found, or the search complete.
  afx_msg LRESULT OnUpdate(WPARAM wParam, LPARAM lParam);
  afx_msg void OnDblclkServers();
  DECLARE_MESSAGE_MAP()

 private:
  void StartSearch();
  // Raises the stop token and waits for the worker to end.
  void StopSearch();

  CComboBox m_ctlServers;
  CAnimateCtrl m_ctlAnimate;
  CString m_strStatus;
  std::shared_ptr<velmora::ServerSearch> m_search;
  std::unique_ptr<CWinThread> m_pThread;
  int m_nDroppedHook = 0;  // frees the results a closed window never read
};
