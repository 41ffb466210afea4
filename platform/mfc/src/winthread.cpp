// Threads of the class library and the message pump.
#include <windows.h>

#include "afxres.h"

#include "mfc/handlemap.h"
#include "mfc/winapp.h"
#include "mfc/winthread.h"
#include "modal_filter.h"
#include "winthread_state.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam) {}

CWinThread::~CWinThread() {
  if (m_hThread != nullptr) ::CloseHandle(m_hThread);
  if (m_hStartGate != nullptr) ::CloseHandle(m_hStartGate);
  AFX_THREAD_STATE* state = AfxGetThreadState();
  if (state->m_pCurrentWinThread == this) state->m_pCurrentWinThread = nullptr;
}

namespace {

// The thread's end: its temporary objects go, then the object itself.
void EndThread() {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  CWinThread* pThread = state->m_pCurrentWinThread;
  state->m_pCurrentWinThread = nullptr;
  AfxLockTempMaps();
  AfxUnlockTempMaps(TRUE);
  if (pThread != nullptr) pThread->Delete();
}

}  // namespace

DWORD WINAPI CWinThread::ThreadEntry(LPVOID pParam) {
  auto* pThread = static_cast<CWinThread*>(pParam);
  if (pThread->m_hStartGate != nullptr) ::WaitForSingleObject(pThread->m_hStartGate, INFINITE);
  AfxGetThreadState()->m_pCurrentWinThread = pThread;
  UINT result = 0;
  if (pThread->m_pfnThreadProc != nullptr) {
    result = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
  } else if (pThread->InitInstance()) {
    result = static_cast<UINT>(pThread->Run());
  } else {
    result = static_cast<UINT>(pThread->ExitInstance());
  }
  EndThread();
  return result;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (m_hThread != nullptr) return FALSE;
  // The window system's threads start at once: a suspended start is a
  // gate the new thread waits at.
  if (dwCreateFlags & CREATE_SUSPENDED) m_hStartGate = ::CreateEvent(nullptr, TRUE, FALSE, nullptr);
  m_hThread = ::CreateThread(lpSecurityAttrs, nStackSize, &ThreadEntry, this,
                             dwCreateFlags & ~static_cast<DWORD>(CREATE_SUSPENDED), &m_nThreadID);
  return m_hThread != nullptr;
}

int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
BOOL CWinThread::SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
DWORD CWinThread::ResumeThread() {
  if (m_hStartGate == nullptr) return ::ResumeThread(m_hThread);
  // The previous suspend count: 1 the first time the gate opens.
  const DWORD previous = ::WaitForSingleObject(m_hStartGate, 0) == WAIT_OBJECT_0 ? 0 : 1;
  ::SetEvent(m_hStartGate);
  return previous;
}
BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd != nullptr ? m_pActiveWnd : m_pMainWnd; }

void CWinThread::Delete() {
  if (m_bAutoDelete) delete this;
}

namespace {

// A failed creation fails; a failed paint is not asked for again.
LRESULT SilentAnswer(const MSG* pMsg) {
  if (pMsg->message == WM_CREATE) return -1;
  if (pMsg->message == WM_PAINT) ::ValidateRect(pMsg->hwnd, nullptr);
  return 0;
}

}  // namespace

LRESULT CWinThread::ProcessWndProcException(CException*, const MSG* pMsg) { return SilentAnswer(pMsg); }

LRESULT AfxReportWndProcException(CException* e, const MSG* pMsg) {
  if (pMsg->message == WM_CREATE || pMsg->message == WM_PAINT) return SilentAnswer(pMsg);
  UINT nIDP = AFX_IDP_INTERNAL_FAILURE;
  LRESULT result = 0;
  if (pMsg->message == WM_COMMAND) {
    // A menu or accelerator command (not a control's notification).
    if (pMsg->lParam == 0) nIDP = AFX_IDP_COMMAND_FAILURE;
    result = TRUE;
  }
  if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) {
    e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL, nIDP);
  } else if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) {
    e->ReportError(MB_ICONSTOP, nIDP);
  }
  return result;
}

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg) {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->ProcessWndProcException(e, pMsg) : AfxReportWndProcException(e, pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  // Painting and mouse moves would keep the idle work running.
  return pMsg->message != WM_PAINT && pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_NCMOUSEMOVE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    // The main window's command UI (toolbars, status bar) follows the state.
    CWnd* pMainWnd = m_pMainWnd;
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
      pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
      pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    return TRUE;
  }
  if (lCount == 1) {
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
  }
  return FALSE;
}

BOOL CWinThread::DispatchThreadMessage(MSG* pMsg) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), pMsg->message, 0, 0);
  if (entry == nullptr) return FALSE;
  const AFX_CALL call{pMsg->message, pMsg->wParam, pMsg->lParam, 0, nullptr, nullptr};
  entry->pfn(this, call);
  return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == nullptr && DispatchThreadMessage(pMsg)) return TRUE;
  // Inside a modal loop the walk ends at the modal window: the windows it
  // disabled see none of its keys.
  if (const HWND modalRoot = afx::ModalWalkStop()) return CWnd::WalkPreTranslateTree(modalRoot, pMsg);
  CWnd* pMainWnd = AfxGetMainWnd();
  HWND hWndMain = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
  if (CWnd::WalkPreTranslateTree(hWndMain, pMsg)) return TRUE;
  // A window outside the main window's tree (a modeless popup) still
  // offers the message to the main window.
  if (pMainWnd != nullptr && pMsg->hwnd != nullptr) {
    CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
    if (pWnd != nullptr && pWnd->GetTopLevelParent() != pMainWnd) return pMainWnd->PreTranslateMessage(pMsg);
  }
  return FALSE;
}

BOOL CWinThread::PumpMessage() {
  if (!::GetMessage(&m_msgCur, nullptr, 0, 0)) return FALSE;
  if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessage(&m_msgCur);
  }
  return TRUE;
}

int CWinThread::Run() {
  BOOL idle = TRUE;
  LONG idleCount = 0;
  MSG peek;
  for (;;) {
    while (idle && !::PeekMessage(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = FALSE;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        idle = TRUE;
        idleCount = 0;
      }
    } while (::PeekMessage(&peek, nullptr, 0, 0, PM_NOREMOVE));
  }
}

CWinThread* AfxGetThread() {
  CWinThread* pThread = AfxGetThreadState()->m_pCurrentWinThread;
  return pThread != nullptr ? pThread : AfxGetApp();
}

namespace {

CWinThread* StartThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                        LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
    delete pThread;
    return nullptr;
  }
  pThread->SetThreadPriority(nPriority);
  if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
  return pThread;
}

}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (pfnThreadProc == nullptr) return nullptr;
  return StartThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (pThreadClass == nullptr || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread))) return nullptr;
  auto* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
  if (pThread == nullptr) return nullptr;
  return StartThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}
