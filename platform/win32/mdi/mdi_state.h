// The MDI clients of the process: each client's frame, children, active
// child and window menu. Emptied whenever the window system is made anew.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace win32::mdi {

struct ClientInfo {
  HWND frame = nullptr;
  HMENU windowMenu = nullptr;
  UINT idFirstChild = 0;
  std::vector<HWND> children;  // in creation order: the window menu's order
  HWND active = nullptr;
  HWND maximized = nullptr;  // the child whose buttons are in the frame's bar
  std::string frameTitle;
  bool separatorAdded = false;  // the window menu's separator before the list
};

// A copy of a client's state, or nothing for a window that is not one.
std::optional<ClientInfo> InfoOf(HWND client);
// The client of an MDI child, or null.
HWND ClientOf(HWND child);

// The registry of clients (mdi_state.cpp).
struct ClientTable {
  std::mutex mutex;
  std::map<HWND, ClientInfo> clients;
};
ClientTable& Clients();

// Changes a client's state under the lock.
template <typename Change>
void Update(HWND client, Change change) {
  std::lock_guard lock(Clients().mutex);
  auto it = Clients().clients.find(client);
  if (it != Clients().clients.end()) change(it->second);
}

}  // namespace win32::mdi
