// Menus: the robot chooses items with the mouse, as a person does, one
// popup at a time while the menu loop is idle.
#include <gtest/gtest.h>

#include <sstream>

#include <windows.h>

#include "robot.h"
#include "robot_handlers.h"
#include "window_system_queries.h"

namespace halvane::test {
namespace {

constexpr const char* kMenuHandlerTitle = "popup menu";

GUITHREADINFO GuiInfo() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(0, &info);
  return info;
}

std::string ItemText(HMENU menu, int index) {
  char text[256] = {};
  GetMenuString(menu, UINT(index), text, sizeof(text), MF_BYPOSITION);
  return text;
}

// An item matches by its whole text or by the label before the tab.
int FindItem(HMENU menu, const std::string& wanted) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const std::string text = ItemText(menu, i);
    if (text == wanted || text.substr(0, text.find('\t')) == wanted) return i;
  }
  return -1;
}

std::vector<std::string> ItemTexts(HMENU menu) {
  std::vector<std::string> texts;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    texts.push_back((GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_SEPARATOR) ? "-" : ItemText(menu, i));
  }
  return texts;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::ostringstream out;
  for (size_t i = 0; i < parts.size(); ++i) out << (i ? separator : "") << '"' << parts[i] << '"';
  return out.str();
}

// The deepest open popup menu: the most recent one is on top.
HWND DeepestPopup() {
  for (HWND h = FindWindowEx(nullptr, nullptr, "#32768", nullptr); h; h = FindWindowEx(nullptr, h, "#32768", nullptr))
    if (IsWindowVisible(h)) return h;
  return nullptr;
}

HMENU MenuOf(HWND popup) { return reinterpret_cast<HMENU>(SendMessage(popup, MN_GETHMENU, 0, 0)); }

// The menu the next step chooses from: the deepest popup's, else the bar.
HMENU CurrentMenu(HWND owner, HWND popup) { return popup != nullptr ? MenuOf(popup) : GetMenu(owner); }

void CloseMenu() { EndMenu(); }

}  // namespace

bool Robot::pumpsForMenu() const { return (GuiInfo().flags & GUI_INMENUMODE) != 0; }

std::vector<std::string> Robot::openMenuItems() const {
  const HWND popup = DeepestPopup();
  return popup != nullptr ? ItemTexts(MenuOf(popup)) : std::vector<std::string>{};
}

void Robot::clickMenuItem(HWND owner, HMENU menu, int index) {
  RECT r{};
  if (!GetMenuItemRect(owner, menu, UINT(index), &r)) {
    ADD_FAILURE() << "Robot: menu item " << index << " is not on screen";
    return;
  }
  cursor_ = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  internal::InjectMouseMove(cursor_);
  internal::InjectMouseButton(false, true, cursor_);
  internal::InjectMouseButton(false, false, cursor_);
}

void Robot::takeMenuStep() {
  Handlers& h = *handlers_;
  const std::string wanted = h.menuSteps.front();
  h.menuSteps.erase(h.menuSteps.begin());
  const HWND owner = GuiInfo().hwndMenuOwner;
  const HWND popup = DeepestPopup();
  const HMENU menu = CurrentMenu(owner, popup);
  const int index = FindItem(menu, wanted);
  if (index < 0) {
    ADD_FAILURE() << "Robot: the menu has no item \"" << wanted << "\"; its items: " << Joined(ItemTexts(menu), ", ");
    h.menuSteps.clear();
    CloseMenu();
    return;
  }
  h.lastMenuPopup = popup;
  clickMenuItem(owner, menu, index);
}

bool Robot::onMenuIdle() {
  Handlers& h = *handlers_;
  if (!h.menuSteps.empty()) {
    takeMenuStep();
    return true;
  }
  if (h.lastMenuPopup != nullptr) {
    // The popup of the last click is still open: its item was not chosen.
    const bool stillOpen = IsWindow(h.lastMenuPopup) != FALSE;
    h.lastMenuPopup = nullptr;
    if (stillOpen) {
      h.menuNotChosen = true;
      CloseMenu();
      return true;
    }
  }
  const auto state = Handlers::takeFrom(h.menuHandlers, kMenuHandlerTitle);
  const HWND popup = DeepestPopup();
  if (state == nullptr) {
    ADD_FAILURE() << "A menu loop waits with no handler; its items: "
                  << Joined(ItemTexts(CurrentMenu(GuiInfo().hwndMenuOwner, popup)), ", ");
    CloseMenu();
    return true;
  }
  if (!runHandler(*state, Window(popup != nullptr ? popup : GuiInfo().hwndMenuOwner))) CloseMenu();
  return true;
}

HandlerRegistration Robot::onMenu(DialogHandler handler) {
  auto state = std::make_shared<HandlerRegistration::State>();
  state->title = kMenuHandlerTitle;
  state->handler = std::move(handler);
  handlers_->menuHandlers.push_back(state);
  return HandlerRegistration(state);
}

HandlerRegistration Robot::onPopupMenu(std::vector<std::string> path) {
  return onMenu([path](Robot& robot, Window) {
    robot.handlers_->menuSteps = path;
    robot.handlers_->lastMenuPopup = nullptr;
    if (!path.empty()) robot.takeMenuStep();
  });
}

HandlerRegistration Robot::onPopupMenuCancel() {
  return onMenu([](Robot& robot, Window) { robot.key(VK_ESCAPE); });
}

bool Robot::finishMenuPath(std::vector<std::string> path, bool failOnGrey) {
  Handlers& h = *handlers_;
  h.menuSteps = std::move(path);
  h.menuNotChosen = false;
  h.lastMenuPopup = nullptr;
  pumpUntilIdle();
  const bool unfinished = !h.menuSteps.empty();
  h.menuSteps.clear();
  h.lastMenuPopup = nullptr;
  if (unfinished) ADD_FAILURE() << "Robot: the menu closed before the path was chosen";
  if (h.menuNotChosen && failOnGrey) ADD_FAILURE() << "Robot: the menu item was not chosen (grey or disabled)";
  return !unfinished && !h.menuNotChosen;
}

bool Robot::chooseMenuPath(const std::vector<std::string>& items, bool failOnGrey) {
  const Window owner = active();
  const HMENU bar = owner ? GetMenu(owner.hwnd()) : nullptr;
  if (items.empty() || bar == nullptr) {
    ADD_FAILURE() << "Robot: chooseMenu needs an active window with a menu bar and a path";
    return false;
  }
  const int index = FindItem(bar, items.front());
  if (index < 0) {
    ADD_FAILURE() << "Robot: the menu bar has no item \"" << items.front()
                  << "\"; its items: " << Joined(ItemTexts(bar), ", ");
    return false;
  }
  clickMenuItem(owner.hwnd(), bar, index);
  return finishMenuPath({items.begin() + 1, items.end()}, failOnGrey);
}

bool Robot::tryChooseMenu(std::initializer_list<std::string> path) { return chooseMenuPath(path, false); }

void Robot::chooseMenu(std::initializer_list<std::string> path) { chooseMenuPath(path, true); }

void Robot::chooseSystemMenu(const std::string& item) {
  handlers_->menuSteps = {item};
  handlers_->menuNotChosen = false;
  press(VK_MENU);
  press(VK_SPACE);
  release(VK_SPACE);
  release(VK_MENU);
  const bool chosen = handlers_->menuSteps.empty() && !handlers_->menuNotChosen;
  handlers_->menuSteps.clear();
  handlers_->lastMenuPopup = nullptr;
  if (!chosen) ADD_FAILURE() << "Robot: the system menu's \"" << item << "\" was not chosen";
}

}  // namespace halvane::test
