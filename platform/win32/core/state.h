// The process-wide window-system state: every table behind the handles,
// guarded by one mutex. Code never holds the mutex while it calls a window
// procedure, a hook or a timer procedure.
#pragma once

#include <cairo.h>

#include <array>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "internal/core_backend.h"
#include "win32/winbase.h"
#include "win32/winuser.h"

namespace win32::core {

struct State;

// A lock of the window-system state. While the calling thread holds one,
// S() answers the state it locked without looking it up again, so a
// function and the *Locked helpers it calls work on one state even when a
// reset has made a new one meanwhile.
class Lock : public std::unique_lock<std::mutex> {
 public:
  explicit Lock(State& state);
  ~Lock();
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

  // The state the thread holds locked now, or null.
  static State* Held();

 private:
  State* state_;
  Lock* outer_;
};

struct WindowClass {
  WNDCLASSEX wc{};
  std::string name;
  std::string menuName;
  bool system = false;
  ATOM atom = 0;
  std::vector<BYTE> extra;
};

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct Window {
  HWND hwnd = nullptr;
  std::shared_ptr<WindowClass> cls;
  DWORD thread = 0;
  HINSTANCE instance = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // null for top-level windows
  HWND owner = nullptr;
  std::vector<HWND> children;  // z-order, top first
  RECT rect{};                 // window rectangle, parent client coordinates
  RECT client{};               // client rectangle, parent client coordinates
  WNDPROC proc = nullptr;
  LONG_PTR userData = 0;
  UINT_PTR id = 0;  // child id, or the menu of a top-level window
  std::vector<BYTE> extra;
  std::string text;
  HICON bigIcon = nullptr;  // WM_SETICON
  HICON smallIcon = nullptr;
  std::vector<std::pair<std::string, HANDLE>> props;
  RECT normalRect{};  // restored position (screen or parent coordinates)
  bool destroying = false;
  // Pending painting, client coordinates.
  RECT update{};
  bool erase = false;
  bool frameDirty = false;
  bool internalPaint = false;
  SurfacePtr surface;  // top-level windows only
  bool trackLeave = false;
};
using WindowPtr = std::shared_ptr<Window>;

struct SentMessage {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  LRESULT result = 0;
  bool done = false;
  bool notify = false;  // SendNotifyMessage: nobody waits
};
using SentPtr = std::shared_ptr<SentMessage>;

struct InputEvent {
  enum class Kind { Key, Mouse } kind = Kind::Key;
  UINT message = 0;  // WM_KEYDOWN... or WM_MOUSEMOVE / WM_xBUTTONDOWN / UP / WM_MOUSEWHEEL
  UINT vk = 0;
  LPARAM keyData = 0;
  int wheel = 0;
  POINT pt{};
  DWORD time = 0;
  HWND target = nullptr;  // focus window (keys) or window chosen for the mouse
  bool cooked = false;    // message already made (and side effects done)
  bool eaten = false;
  MSG msg{};
};

struct ThreadQueue {
  DWORD id = 0;
  std::deque<MSG> posted;
  std::deque<InputEvent> input;
  std::deque<SentPtr> sent;
  bool quit = false;
  int quitCode = 0;
  // Clock accounting: set while the thread waits.
  bool blocked = false;
  std::function<bool()> wakeTest;
  ULONGLONG deadline = 0;  // 0: none
  DWORD messageTime = 0;
  DWORD messagePos = 0;
};
using QueuePtr = std::shared_ptr<ThreadQueue>;

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  DWORD thread = 0;
  TIMERPROC proc = nullptr;
  UINT period = 0;
  ULONGLONG due = 0;
};

struct Hook {
  HHOOK handle = nullptr;
  int type = 0;
  HOOKPROC proc = nullptr;
  DWORD thread = 0;
};

struct KernelObject;
using KernelPtr = std::shared_ptr<KernelObject>;

struct Caret {
  HWND owner = nullptr;
  POINT pos{};
  SIZE size{};
  int hideCount = 1;
  UINT blinkTime = 530;
  bool blinkOn = true;  // the phase of the blink while it is shown
};

struct State {
  std::mutex mu;
  std::condition_variable changed;  // any state another thread may wait on

  std::vector<std::shared_ptr<WindowClass>> classes;
  ATOM nextAtom = 0xC000;
  std::map<HWND, WindowPtr> windows;
  std::vector<HWND> topLevels;  // z-order, top first
  std::map<DWORD, QueuePtr> threads;
  std::vector<Timer> timers;
  UINT_PTR nextThreadTimer = 1;
  std::vector<Hook> hooks;
  std::map<HANDLE, KernelPtr> kernel;
  std::vector<std::string> registeredMessages;
  std::vector<RecordedBeep> beeps;
  // Posted messages of destroyed windows, waiting for the dropped-message
  // hooks (kept only while there are hooks).
  std::map<int, std::function<void(const MSG&)>> droppedHooks;
  int nextDroppedHook = 1;
  std::vector<MSG> dropped;

  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  HWND foreground = nullptr;
  HWND lastMouseWindow = nullptr;
  std::array<BYTE, 256> keys{};
  std::array<BYTE, 256> asyncKeys{};
  POINT cursorPos{};
  HCURSOR cursor = nullptr;
  int cursorCount = 0;
  UINT doubleClickTime = 500;
  Caret caret;
  // Last button press, for double-click synthesis.
  struct Click {
    UINT message = 0;
    HWND hwnd = nullptr;
    POINT pt{};
    DWORD time = 0;
  } lastClick;

  bool virtualClock = false;
  ULONGLONG virtualNow = 0;

  SurfacePtr screenSurface;
};

State& S();

// Handle values are never reused, not even across resets, so a stale
// handle can never name a newer object.
uintptr_t NewHandleValue();

// Table look-ups; the caller holds the lock.
WindowPtr FindWindowLocked(HWND hwnd);
std::shared_ptr<WindowClass> FindClassLocked(LPCSTR name, HINSTANCE instance);
HWND ParentOrNull(const Window& w);

// The calling thread's queue (made on first use), registered with the
// clock. The caller holds the lock.
QueuePtr CurrentQueueLocked();
QueuePtr QueueOfLocked(DWORD thread);
DWORD CurrentThreadId();

// Wakes every waiter to look at the state again. The caller holds the lock.
void NotifyAll();

// The display backend (headless by default).
internal::DisplayBackend& Backend();

}  // namespace win32::core
