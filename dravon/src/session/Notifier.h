// The windows the data manager tells about the server: main windows (for
// lost server and deleted objects) and the views of definitions. Also the
// hidden window whose timer polls the repository for other processes'
// changes.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace dravon {

class Notifier {
 public:
  // How often the repository is polled for changes of other processes.
  static constexpr UINT kPollMs = 1000;

  Notifier();
  ~Notifier();
  Notifier(const Notifier&) = delete;
  Notifier& operator=(const Notifier&) = delete;

  void AddMainWindow(HWND wnd);
  void RemoveMainWindow(HWND wnd);
  void AddView(const std::string& name, HWND wnd);
  void RemoveView(const std::string& name, HWND wnd);
  void RemoveAllViews(const std::string& name);
  void RenameViews(const std::string& oldName, const std::string& newName);
  // Whether a live window is registered for the name.
  bool IsHeld(const std::string& name) const;

  // To the main windows; with none registered, to the active window or,
  // without one, the first visible top-level window of this thread.
  void PostToMain(UINT msg, WPARAM wParam, LPARAM lParam);
  // A name notice (length, characters) to the views of that name.
  void PostToViews(const std::string& name, UINT msg);
  // A name notice to every registered view: each decides by the name.
  void PostToAllViews(const std::string& name, UINT msg);

  // Starts (or restarts after a window-system reset) the polling timer.
  void StartPolling(std::function<void()> onTick);
  void StopPolling();

 private:
  // Posts a name notice with its own copy of the name; the copy goes again
  // when the message cannot be posted.
  static void PostName(HWND wnd, UINT msg, const std::string& name);
  static LRESULT CALLBACK PollProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  std::vector<HWND> m_mainWindows;
  std::map<std::string, std::vector<HWND>> m_views;
  // Frees the names of notices dropped unread with their window.
  int m_droppedHook = 0;
  HWND m_pollWnd = nullptr;
  std::function<void()> m_onTick;
};

}  // namespace dravon
