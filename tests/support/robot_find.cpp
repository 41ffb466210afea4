// Finding top-level windows and reading texts.
#include <windows.h>

#include "robot.h"

namespace halvane::test {
namespace {

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM out) {
  reinterpret_cast<std::vector<Window>*>(out)->emplace_back(hwnd);
  return TRUE;
}

template <typename Predicate>
Window FirstTopLevel(const Robot& robot, Predicate matches) {
  for (const Window& w : robot.topLevels()) {
    if (matches(w)) return w;
  }
  return {};
}

}  // namespace

std::vector<Window> Robot::topLevels() const {
  std::vector<Window> windows;
  EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

Window Robot::topLevel(const std::string& title) const {
  return FirstTopLevel(*this, [&](const Window& w) { return w.text() == title; });
}

Window Robot::topLevelMatching(const std::regex& title) const {
  return FirstTopLevel(*this, [&](const Window& w) { return std::regex_match(w.text(), title); });
}

Window Robot::topLevelByClass(const std::string& className) const {
  return FirstTopLevel(*this, [&](const Window& w) { return w.className() == className; });
}

Window Robot::topmost() const {
  return FirstTopLevel(*this, [](const Window& w) { return w.isVisible(); });
}

Window Robot::focused() const { return Window(GetFocus()); }

Window Robot::active() const { return Window(GetActiveWindow()); }

Window Robot::droppedList(Window combo) const {
  if (combo.isSimpleComboBox()) return combo.childByClass("ComboLBox");
  // Only one list can be open at a time: opening one closes any other.
  return FirstTopLevel(*this, [](const Window& w) { return w.className() == "ComboLBox" && w.isVisible(); });
}

std::vector<std::string> Robot::texts(Window window) const {
  std::vector<std::string> out;
  for (const Window& w : window.descendants()) out.push_back(w.text());
  return out;
}

}  // namespace halvane::test
