// The wait cursor's nesting: the outermost Begin saves the cursor shown
// and shows IDC_WAIT; the matching End shows the saved one again.
#include <mutex>

#include "internal/core_classes.h"
#include "win32/services.h"
#include "win32/winres.h"

namespace win32 {
namespace {

struct WaitCursor {
  std::mutex mu;
  int depth = 0;
  HCURSOR saved = nullptr;
};

WaitCursor& TheWaitCursor() {
  static WaitCursor w;
  return w;
}

void ResetWaitCursor() {
  std::lock_guard lock(TheWaitCursor().mu);
  TheWaitCursor().depth = 0;
  TheWaitCursor().saved = nullptr;
}

const struct WaitCursorReset {
  WaitCursorReset() { internal::AddSystemClassInitializer(ResetWaitCursor); }
} kWaitCursorReset;

}  // namespace

int BeginWaitCursor() {
  // The cursor calls run without the lock: they take the window system's.
  const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  int depth;
  {
    std::lock_guard lock(TheWaitCursor().mu);
    depth = ++TheWaitCursor().depth;
  }
  const HCURSOR previous = SetCursor(wait);
  if (depth == 1) {
    std::lock_guard lock(TheWaitCursor().mu);
    TheWaitCursor().saved = previous;
  }
  return depth;
}

int EndWaitCursor() {
  HCURSOR restore = nullptr;
  int depth;
  {
    std::lock_guard lock(TheWaitCursor().mu);
    if (TheWaitCursor().depth == 0) return 0;
    depth = --TheWaitCursor().depth;
    if (depth == 0) restore = TheWaitCursor().saved;
  }
  if (depth == 0) SetCursor(restore);
  return depth;
}

void RestoreWaitCursor() {
  bool waiting;
  {
    std::lock_guard lock(TheWaitCursor().mu);
    waiting = TheWaitCursor().depth > 0;
  }
  if (waiting) SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

}  // namespace win32
