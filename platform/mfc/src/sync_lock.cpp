// CSingleLock and CMultiLock.
#include "mfc/sync.h"

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock)
    : m_pObject(pObject), m_hObject(pObject ? pObject->m_hObject : nullptr) {
  if (bInitialLock) Lock();
}

BOOL CSingleLock::Lock(DWORD dwTimeOut) {
  if (!m_pObject) return FALSE;
  if (!m_bAcquired) m_bAcquired = m_pObject->Lock(dwTimeOut);
  return m_bAcquired;
}

BOOL CSingleLock::Unlock() {
  if (m_bAcquired && m_pObject) m_bAcquired = !m_pObject->Unlock();
  return !m_bAcquired;
}

BOOL CSingleLock::Unlock(LONG lCount, LPLONG lPrevCount) {
  if (m_bAcquired && m_pObject) m_bAcquired = !m_pObject->Unlock(lCount, lPrevCount);
  return !m_bAcquired;
}

CMultiLock::CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock) {
  if (ppObjects) m_objects.assign(ppObjects, ppObjects + dwCount);
  for (CSyncObject* object : m_objects) m_handles.push_back(object ? object->m_hObject : nullptr);
  m_locked.assign(m_objects.size(), false);
  if (bInitialLock) Lock();
}

DWORD CMultiLock::Lock(DWORD dwTimeOut, BOOL bWaitForAll, DWORD dwWakeMask) {
  const auto count = static_cast<DWORD>(m_handles.size());
  // Every object needs a kernel handle: a critical section has none.
  for (HANDLE handle : m_handles) {
    if (!handle) return WAIT_FAILED;
  }
  if (count == 0) return WAIT_FAILED;
  const DWORD result = dwWakeMask == 0
                           ? ::WaitForMultipleObjects(count, m_handles.data(), bWaitForAll, dwTimeOut)
                           : ::MsgWaitForMultipleObjects(count, m_handles.data(), bWaitForAll, dwTimeOut, dwWakeMask);
  if (result < WAIT_OBJECT_0 + count) {
    if (bWaitForAll) {
      m_locked.assign(count, true);
    } else {
      m_locked[result - WAIT_OBJECT_0] = true;
    }
  } else if (result >= WAIT_ABANDONED_0 && result < WAIT_ABANDONED_0 + count) {
    m_locked[result - WAIT_ABANDONED_0] = true;
  }
  return result;
}

BOOL CMultiLock::Unlock() {
  for (size_t i = 0; i < m_objects.size(); ++i) {
    if (m_locked[i]) m_locked[i] = !m_objects[i]->Unlock();
  }
  return TRUE;
}

BOOL CMultiLock::Unlock(LONG lCount, LPLONG lPrevCount) {
  BOOL unlocked = FALSE;
  for (size_t i = 0; i < m_objects.size(); ++i) {
    if (!m_locked[i]) continue;
    m_locked[i] = !m_objects[i]->Unlock(lCount, lPrevCount);
    unlocked = unlocked || !m_locked[i];
  }
  return unlocked;
}

BOOL CMultiLock::IsLocked(DWORD dwItem) const { return dwItem < m_locked.size() && m_locked[dwItem]; }
