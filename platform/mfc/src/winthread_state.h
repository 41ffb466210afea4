// The class library's per-thread state: the message being handled, the thread object and the selected module state.
#pragma once

#include <windows.h>

class CWinThread;
struct AFX_MODULE_STATE;

struct AFX_THREAD_STATE {
  AFX_MODULE_STATE* m_pModuleState = nullptr;  // set by AFX_MANAGE_STATE
  CWinThread* m_pCurrentWinThread = nullptr;
  MSG m_lastSentMsg{};  // the message Default passes on
};

AFX_THREAD_STATE* AfxGetThreadState();
