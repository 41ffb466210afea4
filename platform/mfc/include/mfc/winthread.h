// CWinThread: a thread of the class library, either a worker running one
// function or a user-interface thread with a message pump.
#pragma once

#include "mfc/cmdtarget.h"

class CWnd;
class CException;

#ifndef AFX_CDECL
#define AFX_CDECL
#endif

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread();
  CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
  ~CWinThread() override;

  BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);

  CWnd* m_pMainWnd = nullptr;
  CWnd* m_pActiveWnd = nullptr;
  BOOL m_bAutoDelete = TRUE;  // deleted when the thread ends
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  operator HANDLE() const { return m_hThread; }

  int GetThreadPriority();
  BOOL SetThreadPriority(int nPriority);
  DWORD ResumeThread();
  BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The message pump: idle processing while the queue is empty, then the
  // messages; returns ExitInstance's result after WM_QUIT.
  virtual int Run();
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual BOOL PumpMessage();
  // lCount counts the calls since the last message: 0 updates the command
  // UI of the main window, 1 deletes the temporary objects. TRUE asks for
  // more idle time.
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL IsIdleMessage(MSG* pMsg);
  virtual CWnd* GetMainWnd();
  virtual void Delete();
  virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

  // The message the pump took last.
  MSG m_msgCur{};
  AFX_THREADPROC m_pfnThreadProc = nullptr;
  LPVOID m_pThreadParams = nullptr;

 protected:
  DECLARE_MESSAGE_MAP()

  // Thread messages (no window) go to the thread's message map.
  BOOL DispatchThreadMessage(MSG* pMsg);

 private:
  static DWORD WINAPI ThreadEntry(LPVOID pParam);
  // A thread made suspended waits here until ResumeThread opens it.
  HANDLE m_hStartGate = nullptr;
};

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// A user-interface thread of a CWinThread class with DECLARE_DYNCREATE.
CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                           DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
CWinThread* AfxGetThread();
// What becomes of a class-library exception that leaves a window's message
// handler: the thread's ProcessWndProcException answers for the message.
LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);
// An application's answer: the exception is reported (a user exception
// silently), a command counts as handled; WM_CREATE fails the creation and
// WM_PAINT validates the window without a report.
LRESULT AfxReportWndProcException(CException* e, const MSG* pMsg);
