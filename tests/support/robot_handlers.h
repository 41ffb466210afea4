// The robot's handler tables, shared by its modal and menu parts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "robot.h"

namespace halvane::test {

struct HandlerRegistration::State {
  std::string title;
  DialogHandler handler;
  int remaining = 1;  // negative: always
  int calls = 0;
};

struct Robot::Handlers {
  std::vector<std::shared_ptr<HandlerRegistration::State>> registered;
  std::vector<std::shared_ptr<HandlerRegistration::State>> menuHandlers;

  // A menu path being chosen: the items still to click, and the popup of
  // the last click (still open at the next idle: the item was grey).
  std::vector<std::string> menuSteps;
  HWND lastMenuPopup = nullptr;
  bool menuNotChosen = false;

  // An unanswered modal window the robot lets the clock run for: a timer
  // of its own may still end it. The robot's watchdog timer bounds the wait.
  HWND waiting = nullptr;
  DWORD waitingSince = 0;
  UINT_PTR watchdog = 0;

  void stopWaiting() {
    if (watchdog != 0) KillTimer(nullptr, watchdog);
    watchdog = 0;
    waiting = nullptr;
  }

  // The first handler for `title` that has runs left, its count taken.
  std::shared_ptr<HandlerRegistration::State> take(const std::string& title) { return takeFrom(registered, title); }

  static std::shared_ptr<HandlerRegistration::State> takeFrom(
      const std::vector<std::shared_ptr<HandlerRegistration::State>>& list, const std::string& title) {
    for (const auto& state : list) {
      if (state->title == title && state->remaining != 0) {
        if (state->remaining > 0) --state->remaining;
        ++state->calls;
        return state;
      }
    }
    return nullptr;
  }
};

}  // namespace halvane::test
