// Synchronisation objects over the window system's kernel objects, and the
// locks that hold them. Waits run on the window system's clock, so a test
// on the virtual clock times out without sleeping.
#pragma once

#include <vector>

#include "mfc/object.h"
#include "windows.h"

class CSyncObject : public CObject {
  DECLARE_DYNAMIC(CSyncObject)

 public:
  explicit CSyncObject(LPCTSTR pstrName);
  ~CSyncObject() override;
  CSyncObject(const CSyncObject&) = delete;
  CSyncObject& operator=(const CSyncObject&) = delete;

  HANDLE m_hObject = nullptr;
  operator HANDLE() const { return m_hObject; }

  // True when the object was acquired (or abandoned to this thread) within
  // the time-out.
  virtual BOOL Lock(DWORD dwTimeout = INFINITE);
  virtual BOOL Unlock() = 0;
  virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = nullptr);

 protected:
  // Takes a newly made kernel object; throws a resource exception when the
  // window system could not make it.
  void Adopt(HANDLE hObject);
};

class CSemaphore : public CSyncObject {
  DECLARE_DYNAMIC(CSemaphore)

 public:
  explicit CSemaphore(LONG lInitialCount = 1, LONG lMaxCount = 1, LPCTSTR pstrName = nullptr,
                      LPSECURITY_ATTRIBUTES lpsaAttributes = nullptr);
  BOOL Unlock() override;
  BOOL Unlock(LONG lCount, LPLONG lpPrevCount = nullptr) override;
};

// Recursive for the thread that owns it: each Lock needs its Unlock.
class CMutex : public CSyncObject {
  DECLARE_DYNAMIC(CMutex)

 public:
  explicit CMutex(BOOL bInitiallyOwn = FALSE, LPCTSTR lpszName = nullptr,
                  LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);
  using CSyncObject::Unlock;
  BOOL Unlock() override;
};

class CEvent : public CSyncObject {
  DECLARE_DYNAMIC(CEvent)

 public:
  // bInitiallyOwn: created signalled. An auto-reset event (bManualReset
  // false) lets one waiter through per SetEvent.
  explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCTSTR lpszName = nullptr,
                  LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);
  BOOL SetEvent();
  BOOL PulseEvent();
  BOOL ResetEvent();
  using CSyncObject::Unlock;
  BOOL Unlock() override { return TRUE; }
};

// A process-local critical section; it has no kernel handle, so it cannot
// join a CMultiLock. A finite time-out other than zero waits as INFINITE.
class CCriticalSection : public CSyncObject {
  DECLARE_DYNAMIC(CCriticalSection)

 public:
  CCriticalSection();
  ~CCriticalSection() override;

  CRITICAL_SECTION m_sect{};
  operator CRITICAL_SECTION*() { return &m_sect; }

  BOOL Lock() { return Lock(INFINITE); }
  BOOL Lock(DWORD dwTimeout) override;
  using CSyncObject::Unlock;
  BOOL Unlock() override;
};

// Holds one object for a scope: the destructor unlocks what it locked.
class CSingleLock {
 public:
  explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
  ~CSingleLock() { Unlock(); }
  CSingleLock(const CSingleLock&) = delete;
  CSingleLock& operator=(const CSingleLock&) = delete;

  // A lock already held is not taken twice.
  BOOL Lock(DWORD dwTimeOut = INFINITE);
  BOOL Unlock();
  BOOL Unlock(LONG lCount, LPLONG lPrevCount = nullptr);
  BOOL IsLocked() const { return m_bAcquired; }

 protected:
  CSyncObject* m_pObject;
  HANDLE m_hObject;
  BOOL m_bAcquired = FALSE;
};

// Waits for any or all of several objects.
class CMultiLock {
 public:
  CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock = FALSE);
  ~CMultiLock() { Unlock(); }
  CMultiLock(const CMultiLock&) = delete;
  CMultiLock& operator=(const CMultiLock&) = delete;

  // Answers the wait result: WAIT_OBJECT_0 + n (with bWaitForAll, all are
  // held), WAIT_ABANDONED_0 + n, WAIT_TIMEOUT, WAIT_OBJECT_0 + count for a
  // message (with dwWakeMask), or WAIT_FAILED.
  DWORD Lock(DWORD dwTimeOut = INFINITE, BOOL bWaitForAll = TRUE, DWORD dwWakeMask = 0);
  BOOL Unlock();
  BOOL Unlock(LONG lCount, LPLONG lPrevCount = nullptr);
  BOOL IsLocked(DWORD dwItem) const;

 private:
  std::vector<CSyncObject*> m_objects;
  std::vector<HANDLE> m_handles;
  std::vector<bool> m_locked;
};
