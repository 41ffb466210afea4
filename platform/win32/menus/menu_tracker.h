// The menu loop: a modal loop on the window system's queue that owns the
// mouse (through the capture) and the keyboard while a menu bar is
// selected or popup menus are open. Messages go to the owner in Win32
// order; the chosen command is handed back to the caller.
#pragma once

#include <functional>
#include <vector>

#include "menus/menu_layout.h"

namespace win32::menus {

struct TrackRequest {
  HWND owner = nullptr;
  HMENU bar = nullptr;      // the owner's menu bar, or null for a popup loop
  HMENU root = nullptr;     // the popup of a popup loop
  UINT flags = 0;           // TPM_*
  bool systemMenu = false;  // the root popup is the owner's system menu
};

class MenuTracker {
 public:
  explicit MenuTracker(const TrackRequest& request);
  ~MenuTracker();
  MenuTracker(const MenuTracker&) = delete;
  MenuTracker& operator=(const MenuTracker&) = delete;

  // Runs the loop: `start` opens what the loop begins with. Answers the
  // chosen command, 0 when the menu was cancelled.
  UINT Run(const std::function<void(MenuTracker&)>& start);
  bool ChoseFromSystemMenu() const { return chosenSystem_; }
  void Cancel();

  // What the loop begins with.
  void SelectBar(int index, bool open, bool selectFirst, bool byMouse);
  void OpenRoot(POINT at, bool selectFirst);

  // What the painters and the menu API read.
  HWND owner() const { return request_.owner; }
  HMENU bar() const { return request_.bar; }
  int barSelection() const { return barSelected_; }
  bool barOpen() const { return !levels_.empty(); }
  bool isPopupLoop() const { return request_.bar == nullptr; }
  bool isSystemLoop() const { return request_.systemMenu; }
  HWND topWindow() const;
  // The popup window of `menu` and its item's screen rectangle.
  bool ItemScreenRect(HMENU menu, UINT index, RECT& rect) const;
  void PaintPopup(HWND popup, HDC dc) const;

 private:
  struct Level {
    HMENU menu = nullptr;
    HWND window = nullptr;
    std::vector<MenuItem> items;
    PopupLayout layout;
    RECT screen{};
    int selected = -1;
  };
  struct Hit {
    int level = -1;
    int item = -1;
    int barItem = -1;
  };

  bool Notify() const { return !(request_.flags & TPM_NONOTIFY); }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) const;
  bool NextMessage(MSG& msg);
  bool Handle(const MSG& msg);
  void Finish();

  // Levels.
  void OpenPopup(HMENU menu, UINT position, POINT at, const RECT& avoid, bool cascade, bool selectFirst);
  void OpenSelected(bool selectFirst);
  void CloseFrom(size_t level);
  void Select(size_t level, int item, bool byMouse);
  void MoveSelection(int step);
  void Choose(const MenuItem& item);
  RECT BarItemScreenRect(int index) const;
  std::vector<MenuItem> BarItems() const;
  bool LevelIsSystem(size_t level) const;
  void RedrawBar() const;

  // Input (menu_tracker_input.cpp).
  void OnKey(UINT vk);
  void OnChar(char ch);
  void OnMouse(UINT message, POINT screen);
  Hit HitTest(POINT screen) const;
  void MoveOnBar(int step);
  bool ChooseByMnemonic(const std::vector<MenuItem>& items, char key, int current, int& matched);
  void MenuChar(char ch);

  TrackRequest request_;
  std::vector<Level> levels_;
  int barSelected_ = -1;
  bool done_ = false;
  UINT chosen_ = 0;
  bool chosenSystem_ = false;
  MenuTracker* previous_ = nullptr;
};

}  // namespace win32::menus
