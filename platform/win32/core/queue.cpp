// The message queue: posting, sending (also across threads), retrieval in
// the Win32 priority order (sent, posted, input, paint, timer) and dispatch.
#include "core/queue.h"

#include <algorithm>
#include <strings.h>

#include "core/clock.h"
#include "core/kernel.h"
#include "core/window.h"

namespace win32::core {
namespace {

thread_local std::vector<MSG> t_current;
thread_local int t_inSend = 0;
thread_local SentPtr t_serving;

struct CurrentMessage {
  explicit CurrentMessage(const MSG& m) { t_current.push_back(m); }
  ~CurrentMessage() { t_current.pop_back(); }
  CurrentMessage(const CurrentMessage&) = delete;
  CurrentMessage& operator=(const CurrentMessage&) = delete;
};

bool InRange(UINT msg, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (msg >= lo && msg <= hi); }

MSG Stamp(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return MSG{hwnd, msg, wp, lp, static_cast<DWORD>(NowLocked()), S().cursorPos};
}

std::optional<HWND> PaintCandidateLocked(const ThreadQueue& q, HWND filter) {
  for (HWND h : DescendantsLocked(nullptr)) {
    WindowPtr w = FindWindowLocked(h);
    if (w && w->thread == q.id && NeedsPaintLocked(*w) && WindowMatchesLocked(filter, h)) return h;
  }
  return std::nullopt;
}

bool HasMatchLocked(const ThreadQueue& q, HWND filter, UINT lo, UINT hi, UINT qs) {
  if (!q.sent.empty()) return true;
  if (q.quit) return true;
  if (qs & QS_POSTMESSAGE) {
    for (const MSG& m : q.posted) {
      if (WindowMatchesLocked(filter, m.hwnd) && InRange(m.message, lo, hi)) return true;
    }
  }
  if (qs & QS_INPUT) {
    for (const InputEvent& e : q.input) {
      if (!e.cooked) return true;
      if (WindowMatchesLocked(filter, e.msg.hwnd) && InRange(e.msg.message, lo, hi)) return true;
    }
  }
  if ((qs & QS_PAINT) && InRange(WM_PAINT, lo, hi) && PaintCandidateLocked(q, filter)) return true;
  return (qs & QS_TIMER) && InRange(WM_TIMER, lo, hi) && TimerDueLocked(q, filter, NowLocked(), nullptr);
}

UINT QsFromPeekFlags(UINT flags) {
  const UINT qs = flags >> 16;
  return qs ? (qs | QS_SENDMESSAGE) : QS_ALLINPUT;
}

// One look at the queue without waiting.
bool RetrieveLocked(Lock& lk, ThreadQueue& q, MSG* out, HWND filter, UINT lo, UINT hi, UINT flags) {
  const bool remove = (flags & PM_REMOVE) != 0;
  const UINT qs = QsFromPeekFlags(flags);
  ServeSentMessagesLocked(lk, q);
  if (qs & QS_POSTMESSAGE) {
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
      if (!WindowMatchesLocked(filter, it->hwnd) || !InRange(it->message, lo, hi)) continue;
      *out = *it;
      if (remove) q.posted.erase(it);
      return true;
    }
  }
  if (q.quit) {
    *out = Stamp(nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0);
    if (remove) q.quit = false;
    return true;
  }
  if (qs & QS_INPUT) {
    for (size_t i = 0; i < q.input.size(); ++i) {
      if (!q.input[i].cooked) {
        InputEvent ev = q.input[i];
        lk.unlock();
        auto msg = CookInputEvent(ev);
        lk.lock();
        // Input only leaves the queue here, on this thread: index i is still this event.
        if (i >= q.input.size()) return false;
        q.input[i].cooked = true;
        q.input[i].eaten = !msg;
        if (msg) q.input[i].msg = *msg;
      }
      if (q.input[i].eaten) {
        q.input.erase(q.input.begin() + static_cast<long>(i));
        --i;
        continue;
      }
      const MSG& m = q.input[i].msg;
      if (!WindowMatchesLocked(filter, m.hwnd) || !InRange(m.message, lo, hi)) continue;
      *out = m;
      if (remove) q.input.erase(q.input.begin() + static_cast<long>(i));
      return true;
    }
  }
  if ((qs & QS_PAINT) && InRange(WM_PAINT, lo, hi)) {
    if (auto h = PaintCandidateLocked(q, filter)) {
      *out = Stamp(*h, WM_PAINT, 0, 0);
      return true;
    }
  }
  Timer t;
  const ULONGLONG now = NowLocked();
  if ((qs & QS_TIMER) && InRange(WM_TIMER, lo, hi) && TimerDueLocked(q, filter, now, &t)) {
    *out = Stamp(t.hwnd, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc));
    if (remove) RestartTimerLocked(t.hwnd, t.id, now);
    return true;
  }
  return false;
}

void NoteRetrievedLocked(ThreadQueue& q, const MSG& m) {
  q.messageTime = m.time;
  q.messagePos = static_cast<DWORD>(MAKELONG(static_cast<WORD>(m.pt.x), static_cast<WORD>(m.pt.y)));
}

LRESULT SendAcrossThreads(HWND hwnd, DWORD thread, UINT msg, WPARAM wp, LPARAM lp, bool notify,
                          std::optional<DWORD> timeout, bool* timedOut) {
  Lock lk(S());
  QueuePtr target = QueueOfLocked(thread);
  if (!target) return 0;
  auto sm = std::make_shared<SentMessage>();
  *sm = SentMessage{hwnd, msg, wp, lp, 0, false, notify};
  target->sent.push_back(sm);
  NotifyAll();
  if (notify) return TRUE;
  QueuePtr me = CurrentQueueLocked();
  auto ready = [sm, me] { return sm->done || !me->sent.empty(); };
  auto deadline = timeout ? DeadlineAfter(*timeout) : std::nullopt;
  while (!sm->done) {
    if (!WaitUntil(lk, ready, deadline)) {
      if (timedOut) *timedOut = true;
      return 0;
    }
    // The sender keeps serving what is sent to it, so two threads that
    // send to each other never deadlock.
    ServeSentMessagesLocked(lk, *me);
  }
  return sm->result;
}

LRESULT SendImpl(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool notify, std::optional<DWORD> timeout, bool* timedOut) {
  DWORD thread;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    thread = w->thread;
  }
  if (thread == CurrentThreadId()) return CallWindowDirect(hwnd, msg, wp, lp);
  return SendAcrossThreads(hwnd, thread, msg, wp, lp, notify, timeout, timedOut);
}

}  // namespace

bool WindowMatchesLocked(HWND filter, HWND hwnd) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1))) return hwnd == nullptr;
  return hwnd == filter || IsDescendantLocked(filter, hwnd);
}

namespace {
UINT QueueBitsLocked(const ThreadQueue& q) {
  UINT bits = 0;
  if (!q.sent.empty()) bits |= QS_SENDMESSAGE;
  if (!q.posted.empty() || q.quit) bits |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
  for (const InputEvent& e : q.input) bits |= e.kind == InputEvent::Kind::Key ? QS_KEY : QS_MOUSEBUTTON | QS_MOUSEMOVE;
  if (PaintCandidateLocked(q, nullptr)) bits |= QS_PAINT;
  if (TimerDueLocked(q, nullptr, NowLocked(), nullptr)) bits |= QS_TIMER;
  return bits;
}
}  // namespace

bool QueueHasLocked(const ThreadQueue& q, UINT mask) { return (QueueBitsLocked(q) & mask) != 0; }

void ServeSentMessagesLocked(Lock& lk, ThreadQueue& q) {
  while (!q.sent.empty()) {
    SentPtr sm = q.sent.front();
    q.sent.pop_front();
    lk.unlock();
    ++t_inSend;
    SentPtr outer = t_serving;
    t_serving = sm;
    LRESULT r = IsWindow(sm->hwnd) ? CallWindowDirect(sm->hwnd, sm->message, sm->wParam, sm->lParam) : 0;
    t_serving = outer;
    --t_inSend;
    lk.lock();
    if (!sm->done) sm->result = r;
    sm->done = true;
    NotifyAll();
  }
}

LRESULT CallWindowDirect(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WNDPROC proc;
  MSG m;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w || !w->proc) return 0;
    proc = w->proc;
    m = Stamp(hwnd, msg, wp, lp);
  }
  CurrentMessage current(m);
  return proc(hwnd, msg, wp, lp);
}

void ForgetWindowLocked(HWND hwnd) {
  State& st = S();
  for (auto& [id, q] : st.threads) {
    auto& p = q->posted;
    auto gone = std::stable_partition(p.begin(), p.end(), [&](const MSG& m) { return m.hwnd != hwnd; });
    if (!st.droppedHooks.empty()) st.dropped.insert(st.dropped.end(), gone, p.end());
    p.erase(gone, p.end());
    for (auto& sm : q->sent) {
      if (sm->hwnd == hwnd) sm->done = true;
    }
    auto& s = q->sent;
    s.erase(std::remove_if(s.begin(), s.end(), [&](const SentPtr& sm) { return sm->hwnd == hwnd; }), s.end());
  }
}

void ReportDroppedMessages() {
  std::vector<MSG> dropped;
  std::vector<std::function<void(const MSG&)>> hooks;
  {
    State& st = S();
    Lock lk(st);
    dropped.swap(st.dropped);
    if (dropped.empty()) return;
    for (const auto& [id, hook] : st.droppedHooks) hooks.push_back(hook);
  }
  for (const MSG& m : dropped) {
    for (const auto& hook : hooks) hook(m);
  }
}

}  // namespace win32::core

using namespace win32::core;

namespace win32 {
const MSG* GetCurrentMessage() { return t_current.empty() ? nullptr : &t_current.back(); }

int AddDroppedMessageHook(DroppedMessageHook hook) {
  if (!hook) return 0;
  State& st = S();
  Lock lk(st);
  const int id = st.nextDroppedHook++;
  st.droppedHooks.emplace(id, std::move(hook));
  return id;
}

void RemoveDroppedMessageHook(int id) {
  State& st = S();
  Lock lk(st);
  st.droppedHooks.erase(id);
}
}  // namespace win32

LRESULT WINAPI SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return SendImpl(hWnd, Msg, wParam, lParam, false, std::nullopt, nullptr);
}

LRESULT WINAPI SendMessageTimeout(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT, UINT uTimeout,
                                  PDWORD_PTR lpdwResult) {
  if (!IsWindow(hWnd)) return 0;
  bool timedOut = false;
  LRESULT r = SendImpl(hWnd, Msg, wParam, lParam, false, uTimeout, &timedOut);
  if (timedOut) {
    SetLastError(ERROR_TIMEOUT);
    return 0;
  }
  if (lpdwResult) *lpdwResult = static_cast<DWORD_PTR>(r);
  return TRUE;
}

BOOL WINAPI SendNotifyMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(hWnd)) return FALSE;
  SendImpl(hWnd, Msg, wParam, lParam, true, std::nullopt, nullptr);
  return TRUE;
}

BOOL WINAPI PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  State& st = S();
  Lock lk(st);
  QueuePtr q;
  if (!hWnd) {
    q = CurrentQueueLocked();
  } else {
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    // A window being destroyed takes no more messages; the dropped-message
    // hooks hear of them when its destruction ends.
    if (w->destroying) {
      if (!st.droppedHooks.empty()) st.dropped.push_back(Stamp(hWnd, Msg, wParam, lParam));
      return TRUE;
    }
    q = QueueOfLocked(w->thread);
  }
  if (!q) return FALSE;
  q->posted.push_back(Stamp(hWnd, Msg, wParam, lParam));
  NotifyAll();
  return TRUE;
}

BOOL WINAPI PostThreadMessage(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Lock lk(S());
  QueuePtr q = QueueOfLocked(idThread);
  if (!q) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  q->posted.push_back(Stamp(nullptr, Msg, wParam, lParam));
  NotifyAll();
  return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  Lock lk(S());
  QueuePtr q = CurrentQueueLocked();
  q->quit = true;
  q->quitCode = nExitCode;
  NotifyAll();
}

namespace {

bool GetOrPeek(LPMSG msg, HWND hwnd, UINT lo, UINT hi, UINT flags, bool wait) {
  if (!msg) return false;
  Lock lk(S());
  QueuePtr q = CurrentQueueLocked();
  for (;;) {
    if (RetrieveLocked(lk, *q, msg, hwnd, lo, hi, flags)) break;
    if (!wait) return false;
    const UINT qs = QsFromPeekFlags(flags);
    auto ready = [q, hwnd, lo, hi, qs] { return HasMatchLocked(*q, hwnd, lo, hi, qs); };
    WaitUntil(lk, ready, NextTimerLocked(q->id));
  }
  if (flags & PM_REMOVE) NoteRetrievedLocked(*q, *msg);
  lk.unlock();
  if (flags & PM_REMOVE) CallHooks(WH_GETMESSAGE, HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(msg));
  return true;
}

}  // namespace

BOOL WINAPI GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (!GetOrPeek(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE, true)) return -1;
  return lpMsg->message != WM_QUIT;
}

BOOL WINAPI PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  return GetOrPeek(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg, false);
}

BOOL WINAPI WaitMessage(void) {
  Lock lk(S());
  QueuePtr q = CurrentQueueLocked();
  for (;;) {
    ServeSentMessagesLocked(lk, *q);
    if (HasMatchLocked(*q, nullptr, 0, 0, QS_ALLINPUT & ~QS_SENDMESSAGE)) return TRUE;
    WaitUntil(
        lk, [q] { return HasMatchLocked(*q, nullptr, 0, 0, QS_ALLINPUT); }, NextTimerLocked(q->id));
  }
}

DWORD WINAPI GetQueueStatus(UINT flags) {
  Lock lk(S());
  QueuePtr q = CurrentQueueLocked();
  const UINT bits = QueueBitsLocked(*q) & flags;
  return MAKELONG(bits, bits);
}

BOOL WINAPI GetInputState(void) { return (GetQueueStatus(QS_INPUT) & 0xFFFF) != 0; }

DWORD WINAPI MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll, DWORD dwMilliseconds,
                                       DWORD dwWakeMask) {
  if (nCount > MAXIMUM_WAIT_OBJECTS || (nCount && !pHandles)) return WAIT_FAILED;
  std::vector<HANDLE> handles(pHandles, pHandles + nCount);
  return WaitForObjects(handles, fWaitAll != FALSE, dwMilliseconds, dwWakeMask);
}

DWORD WINAPI MsgWaitForMultipleObjectsEx(DWORD nCount, const HANDLE* pHandles, DWORD dwMilliseconds, DWORD dwWakeMask,
                                         DWORD dwFlags) {
  return MsgWaitForMultipleObjects(nCount, pHandles, (dwFlags & MWMO_WAITALL) != 0, dwMilliseconds, dwWakeMask);
}

LRESULT WINAPI DispatchMessage(const MSG* lpMsg) {
  if (!lpMsg) return 0;
  if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
    proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
    return 0;
  }
  if (!lpMsg->hwnd) return 0;
  WNDPROC proc;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(lpMsg->hwnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    // Messages are dispatched only on the window's own thread.
    if (!IsOwnThread(*w)) {
      SetLastError(ERROR_MESSAGE_SYNC_ONLY);
      return 0;
    }
    proc = w->proc;
  }
  if (!proc) return 0;
  LRESULT r;
  {
    CurrentMessage current(*lpMsg);
    r = proc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
  }
  if (lpMsg->message == WM_PAINT) {
    // A handler that did not validate would get WM_PAINT forever.
    Lock lk(S());
    if (WindowPtr w = FindWindowLocked(lpMsg->hwnd); w && NeedsPaintLocked(*w)) ValidateLocked(*w, nullptr);
  }
  return r;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
  const int ch = CharFromKey(static_cast<UINT>(lpMsg->wParam));
  if (ch <= 0) return FALSE;
  PostMessage(lpMsg->hwnd, lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(ch), lpMsg->lParam);
  // The character comes before anything already queued behind the key.
  Lock lk(S());
  QueuePtr q = CurrentQueueLocked();
  if (!q->posted.empty()) {
    MSG m = q->posted.back();
    q->posted.pop_back();
    q->posted.push_front(m);
  }
  return TRUE;
}

LONG WINAPI GetMessageTime(void) {
  Lock lk(S());
  return static_cast<LONG>(CurrentQueueLocked()->messageTime);
}

DWORD WINAPI GetMessagePos(void) {
  Lock lk(S());
  return CurrentQueueLocked()->messagePos;
}

BOOL WINAPI InSendMessage(void) { return t_inSend > 0; }
DWORD WINAPI InSendMessageEx(LPVOID) {
  if (!t_serving) return ISMEX_NOSEND;
  return (t_serving->notify ? ISMEX_NOTIFY : ISMEX_SEND) | (t_serving->done ? ISMEX_REPLIED : 0);
}

BOOL WINAPI ReplyMessage(LRESULT lResult) {
  if (!t_serving) return FALSE;
  Lock lk(S());
  if (t_serving->done) return FALSE;
  t_serving->result = lResult;
  t_serving->done = true;
  NotifyAll();
  return TRUE;
}

UINT WINAPI RegisterWindowMessage(LPCSTR lpString) {
  if (!lpString || !*lpString) return 0;
  State& st = S();
  Lock lk(st);
  auto& v = st.registeredMessages;
  for (size_t i = 0; i < v.size(); ++i) {
    if (strcasecmp(v[i].c_str(), lpString) == 0) return static_cast<UINT>(0xC000 + i);
  }
  v.emplace_back(lpString);
  return static_cast<UINT>(0xC000 + v.size() - 1);
}
