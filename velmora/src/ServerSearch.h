// One search for running servers, shared by the dialog that shows it and
// the worker that runs it. The worker reaches the dialog only by posting
// WM_USER+1 to its window; what it posts is owned by the message.
#pragma once

#include <windows.h>

#include <atomic>

namespace velmora {

// The search dialog's update message and its two kinds (the wParam).
constexpr UINT kSearchUpdate = WM_USER + 1;
constexpr WPARAM kServerFound = 0;     // lParam: the name, a CString* the receiver deletes
constexpr WPARAM kSearchComplete = 1;  // lParam: 0

struct ServerSearch {
  explicit ServerSearch(HWND hWnd) : window(hWnd) {}

  // Asks the location service for the engine instances and posts each one's
  // name, then the end of the search; holds the broker busy meanwhile.
  // Stops at the next step once `stop` is raised or the window is gone.
  void Run() const;

  const HWND window;
  std::atomic<bool> stop{false};
};

// Frees the payload of an update message that its window never read.
void FreeSearchUpdate(const MSG& msg);

}  // namespace velmora
