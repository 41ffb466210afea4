#include "core/state.h"

#include <utility>

#include <atomic>
#include <strings.h>

#include "core/kernel.h"
#include "internal/core_classes.h"

namespace win32::core {
namespace {

std::recursive_mutex& StateMutex() {
  static std::recursive_mutex mu;
  return mu;
}
std::unique_ptr<State>& StateSlot() {
  static std::unique_ptr<State> state;
  return state;
}
std::atomic<unsigned> g_generation{1};

// States replaced by a reset stay allocated (emptied of windows and
// surfaces): a thread that is just ending may still be touching one.
std::vector<std::unique_ptr<State>>& Retired() {
  static std::vector<std::unique_ptr<State>> retired;
  return retired;
}

std::vector<void (*)()>& Initializers() {
  static std::vector<void (*)()> list;
  return list;
}

class HeadlessBackend final : public internal::DisplayBackend {
 public:
  void Present(HWND, cairo_surface_t*, const RECT&) override {}
  void WindowChanged(HWND) override {}
  SIZE ScreenSize() const override { return SIZE{1024, 768}; }
};

std::unique_ptr<internal::DisplayBackend>& BackendSlot() {
  static std::unique_ptr<internal::DisplayBackend> backend = std::make_unique<HeadlessBackend>();
  return backend;
}

// The thread's registration with the window system; it leaves the tables
// when the thread ends.
struct ThreadSlot {
  DWORD id = 0;
  unsigned generation = 0;
  ~ThreadSlot() {
    if (generation != g_generation.load()) return;
    // One state throughout: a reset between two look-ups would hand back a state not locked here.
    State& st = S();
    Lock lk(st);
    auto it = st.threads.find(id);
    if (it == st.threads.end()) return;
    for (auto& sm : it->second->sent) sm->done = true;
    st.threads.erase(it);
    st.changed.notify_all();
  }
};
thread_local ThreadSlot t_slot;

}  // namespace

namespace {
thread_local Lock* t_innermostLock = nullptr;
}  // namespace

Lock::Lock(State& state)
    : std::unique_lock<std::mutex>(state.mu), state_(&state), outer_(std::exchange(t_innermostLock, this)) {}

Lock::~Lock() { t_innermostLock = outer_; }

State* Lock::Held() {
  for (Lock* lock = t_innermostLock; lock != nullptr; lock = lock->outer_) {
    if (lock->owns_lock()) return lock->state_;
  }
  return nullptr;
}

State& S() {
  if (State* held = Lock::Held()) return *held;
  std::lock_guard<std::recursive_mutex> guard(StateMutex());
  auto& slot = StateSlot();
  if (!slot) {
    slot = std::make_unique<State>();
    for (auto fn : Initializers()) fn();
  }
  return *slot;
}

uintptr_t NewHandleValue() {
  static std::atomic<uintptr_t> next{0x10000};
  return next.fetch_add(4);
}

DWORD CurrentThreadId() {
  static std::atomic<DWORD> next{0x100};
  if (t_slot.id == 0) t_slot.id = next.fetch_add(4);
  return t_slot.id;
}

QueuePtr CurrentQueueLocked() {
  const DWORD id = CurrentThreadId();
  auto& threads = S().threads;
  auto it = threads.find(id);
  if (it != threads.end()) return it->second;
  auto q = std::make_shared<ThreadQueue>();
  q->id = id;
  threads.emplace(id, q);
  t_slot.generation = g_generation.load();
  return q;
}

QueuePtr QueueOfLocked(DWORD thread) {
  auto it = S().threads.find(thread);
  return it == S().threads.end() ? nullptr : it->second;
}

WindowPtr FindWindowLocked(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto& windows = S().windows;
  auto it = windows.find(hwnd);
  return it == windows.end() ? nullptr : it->second;
}

HWND ParentOrNull(const Window& w) { return (w.style & WS_CHILD) ? w.parent : nullptr; }

std::shared_ptr<WindowClass> FindClassLocked(LPCSTR name, HINSTANCE instance) {
  if (!name) return nullptr;
  const bool byAtom = IS_INTRESOURCE(name);
  auto matches = [&](const WindowClass& c) {
    return byAtom ? c.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name))
                  : strcasecmp(c.name.c_str(), name) == 0;
  };
  // Classes of the instance first, then global application classes, then
  // the system's.
  for (int pass = 0; pass < 3; ++pass) {
    for (auto& c : S().classes) {
      if (!matches(*c)) continue;
      const bool global = (c->wc.style & CS_GLOBALCLASS) != 0;
      if (pass == 0 && !c->system && !global && c->wc.hInstance == instance) return c;
      if (pass == 1 && !c->system && global) return c;
      if (pass == 2 && c->system) return c;
    }
  }
  return nullptr;
}

void NotifyAll() { S().changed.notify_all(); }

internal::DisplayBackend& Backend() { return *BackendSlot(); }

}  // namespace win32::core

namespace win32 {

void ResetWindowSystem() {
  // Users of the state hold its mutex and then ask for the state (the state mutex); the reset
  // takes them in that same order, so a thread still running never deadlocks with it.
  core::State* old = nullptr;
  {
    std::lock_guard<std::recursive_mutex> guard(core::StateMutex());
    old = core::StateSlot().get();
  }
  std::unique_lock<std::mutex> lk;
  if (old) lk = std::unique_lock<std::mutex>(old->mu);
  std::lock_guard<std::recursive_mutex> guard(core::StateMutex());
  core::g_generation.fetch_add(1);
  auto& slot = core::StateSlot();
  if (slot) {
    slot->windows.clear();
    slot->topLevels.clear();
    slot->screenSurface.reset();
    slot->kernel.clear();
    slot->changed.notify_all();
    core::Retired().push_back(std::move(slot));
  }
  // The backend's own threads may need the old state's mutex while it resets.
  if (lk.owns_lock()) lk.unlock();
  core::Backend().Reset();
  core::S();
}

}  // namespace win32

namespace win32::internal {

void AddSystemClassInitializer(void (*fn)()) {
  std::lock_guard<std::recursive_mutex> guard(core::StateMutex());
  core::Initializers().push_back(fn);
  // A library loaded after the state exists still gets its classes.
  if (core::StateSlot()) fn();
}

void SetDisplayBackend(std::unique_ptr<DisplayBackend> backend) {
  core::BackendSlot() = backend ? std::move(backend) : std::make_unique<core::HeadlessBackend>();
}

}  // namespace win32::internal
