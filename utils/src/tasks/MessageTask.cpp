// CMessageTask: the function, its code and the event that tells it ended.
#include <algorithm>

#include "MessageTask.h"
#include "MessageWnd.h"

CMessageTask::CMessageTask(HLTASKPROC pfnTask, void* pArg)
    : m_pfnTask(pfnTask), m_pArg(pArg), m_hDone(::CreateEvent(nullptr, TRUE, FALSE, nullptr)) {}

CMessageTask::~CMessageTask() { ::CloseHandle(m_hDone); }

void CMessageTask::AttachWindow(CWnd* pWnd) {
  HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
  if (hWnd == nullptr || !::IsWindow(hWnd)) return;
  if (std::find(m_attached.begin(), m_attached.end(), hWnd) == m_attached.end()) m_attached.push_back(hWnd);
}

void CMessageTask::Run() {
  UINT code = CMessageWnd::TASK_FAILED;
  try {
    if (m_pfnTask != nullptr) code = m_pfnTask(m_pArg);
  } catch (...) {
    // An exception must not end the worker, and so the process; the caller
    // sees the failure code instead.
    code = CMessageWnd::TASK_FAILED;
  }
  m_nResult = code;
  m_bDone = true;
  ::SetEvent(m_hDone);
}
