// The test robot: finds windows, acts on them through the same input path a
// person uses, answers modal dialogs by title and reads what is on screen.
//
//   halvane::test::Robot robot;
//   robot.onMessageBox("Confirm", IDYES);
//   robot.click(robot.topLevel("Main").childByText("&Delete"));
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "message_log.h"
#include "message_recorder.h"
#include "recording_window.h"
#include "win32/cc_treeview.h"
#include "window.h"

namespace halvane::test {

class Robot;
using DialogHandler = std::function<void(Robot& robot, Window dialog)>;

// A registered modal handler; times()/always() change how often it runs.
class HandlerRegistration {
 public:
  struct State;
  explicit HandlerRegistration(std::shared_ptr<State> state) : state_(std::move(state)) {}

  HandlerRegistration& times(int count);
  HandlerRegistration& always();
  // How often the handler has run so far.
  int calls() const;

 private:
  std::shared_ptr<State> state_;
};

class Robot {
 public:
  Robot();
  ~Robot();
  Robot(const Robot&) = delete;
  Robot& operator=(const Robot&) = delete;

  // --- Modal loops -------------------------------------------------------
  // Makes this robot answer the idle calls of every modal loop (the fixture
  // does this); the destructor removes the hook again.
  void attachModalIdleHook();
  void detachModalIdleHook();
  // Runs `handler` when a modal loop of a window titled `title` is idle.
  // One-shot unless times()/always() say otherwise.
  HandlerRegistration onDialog(const std::string& title, DialogHandler handler);
  // Answers a message box by clicking the button with `buttonId` (IDYES...).
  HandlerRegistration onMessageBox(const std::string& caption, int buttonId);
  // Titles of counted handlers with runs left (always() ones excluded).
  std::vector<std::string> pendingHandlers() const;
  // The modal idle step: true when a handler acted or the loop was ended.
  bool onModalIdle(HWND modalWindow);

  // --- Finding -----------------------------------------------------------
  std::vector<Window> topLevels() const;
  Window topLevel(const std::string& title) const;
  Window topLevelMatching(const std::regex& title) const;
  Window topLevelByClass(const std::string& className) const;
  // The first visible top-level window in z-order.
  Window topmost() const;
  Window focused() const;
  Window active() const;

  // --- Acting ------------------------------------------------------------
  // Every action pumps the queue until idle before it returns.
  void type(const std::string& text);
  void key(UINT vk);
  // Presses the keys in order and releases them in reverse: {VK_CONTROL, 'C'}.
  void keys(std::initializer_list<UINT> chord);
  void press(UINT vk);
  void release(UINT vk);
  // Points are client coordinates of `window`; without one, its centre.
  void click(Window window);
  void click(Window window, POINT point);
  void doubleClick(Window window);
  void doubleClick(Window window, POINT point);
  void rightClick(Window window);
  void rightClick(Window window, POINT point);
  void drag(Window window, POINT from, POINT to);
  // Opens the combo box's list with the mouse and clicks the item.
  void choose(Window combo, const std::string& item);
  // Clicks the item of a list box.
  void select(Window listBox, const std::string& item);

  // --- Menus -------------------------------------------------------------
  // Chooses an item of the active window's menu bar with the mouse: the
  // bar item, then each popup's item by its text ("&Open..." matches
  // "&Open...\tCtrl+O"). Fails the test when an item is missing or grey.
  void chooseMenu(std::initializer_list<std::string> path);
  // The same without failing for a grey item: answers whether the last
  // item was chosen (a grey one leaves the menu open; the robot closes it).
  bool tryChooseMenu(std::initializer_list<std::string> path);
  // Opens the system menu of the active window with Alt+Space and chooses
  // `item` ("&Close").
  void chooseSystemMenu(const std::string& item);
  // Runs `handler` when a menu loop (menu bar, system menu, TrackPopupMenu)
  // is idle; the window is the deepest open popup, or the menu's owner when
  // only the bar is selected. Keys and clicks made in the handler go to the
  // menu loop. One-shot unless times()/always() say otherwise.
  HandlerRegistration onMenu(DialogHandler handler);
  // Answers the next popup menu by choosing the item at `path` (each popup's
  // item in turn), or by closing it with Escape.
  HandlerRegistration onPopupMenu(std::vector<std::string> path);
  HandlerRegistration onPopupMenuCancel();
  // The texts of the items of the deepest open popup menu.
  std::vector<std::string> openMenuItems() const;

  // Dispatches the current thread's messages until only timers remain.
  void pumpUntilIdle();
  // Moves the virtual clock on by `ms`, firing the timers due on the way.
  void advance(DWORD ms);

  // --- Reading -----------------------------------------------------------
  std::vector<std::string> texts(Window window) const;
  // Renders a top-level window to $HALVANE_TEST_OUTPUT/<suite>/<name>.png,
  // with the popups it owns above it (open menus) when `withPopups`, and
  // fails unless it matches the reference snapshots/<suite>/<name>.png of
  // the test's folder (tools/update-snapshots makes references). Children
  // in `ignore` show what differs from run to run (a temporary path): they
  // are painted over in flat grey in the picture and left out of the
  // comparison.
  std::filesystem::path snapshot(Window window, const std::string& name, bool withPopups = false,
                                 const std::vector<Window>& ignore = {}) const;

  // Items of the opened list of a combo box, or an empty Window.
  Window droppedList(Window combo) const;

 private:
  struct Handlers;

  void mouseButton(Window window, POINT point, int clicks, bool right);
  void clickScreen(POINT screen, int clicks, bool right);
  void moveTo(POINT screen);
  void button(bool right, bool down);
  void clickListItem(Window list, int index);
  // Whether an unanswered modal loop may still wait for a timer.
  bool keepWaiting(HWND modalWindow);
  // Runs a modal or menu handler; false when it failed or threw.
  bool runHandler(HandlerRegistration::State& state, Window window);
  // Menu loops (robot_menus.cpp).
  bool onMenuIdle();
  void takeMenuStep();
  void clickMenuItem(HWND owner, HMENU menu, int index);
  bool finishMenuPath(std::vector<std::string> path, bool failOnGrey);
  bool chooseMenuPath(const std::vector<std::string>& path, bool failOnGrey);
  // Input goes straight to a running menu loop: it reads the queue itself.
  bool pumpsForMenu() const;

  std::unique_ptr<Handlers> handlers_;
  bool hookAttached_ = false;
  POINT cursor_{};

 public:
  // List views.
  // Clicks the row (scrolled into view first) in its first column; `keys`
  // (VK_CONTROL, VK_SHIFT) are held during the click.
  void clickListViewItem(Window listView, int index, std::initializer_list<UINT> keys = {});
  // Clicks the first row whose first column reads `text`.
  void clickListViewItem(Window listView, const std::string& text, std::initializer_list<UINT> keys = {});
  void doubleClickListViewItem(Window listView, int index);
  int listViewItemCount(Window listView) const;
  std::string listViewItemText(Window listView, int index, int subItem = 0) const;
  // The texts of one column, top to bottom.
  std::vector<std::string> listViewColumn(Window listView, int subItem = 0) const;
  std::vector<int> listViewSelection(Window listView) const;

  // Tree views and tab controls.
  // The item at `path` (texts from the top level down), or null with a
  // failure that lists the texts found at the level that missed.
  HTREEITEM treeItem(Window tree, const std::vector<std::string>& path) const;
  // Opens the branches on the way with their buttons and clicks the item.
  void selectTreeItem(Window tree, const std::vector<std::string>& path);
  // Opens every collapsed branch down to the item with its expand button
  // (or a double click where it has none).
  void expandTreeItem(Window tree, const std::vector<std::string>& path);
  // Texts of the children of `path` (the top level for an empty path).
  std::vector<std::string> treeChildren(Window tree, const std::vector<std::string>& path) const;
  // The path of the selected item, empty when none.
  std::vector<std::string> selectedTreePath(Window tree) const;
  // Clicks the tab with `text`.
  void selectTab(Window tabs, const std::string& text);
  // The text of the selected tab, empty when none.
  std::string selectedTab(Window tabs) const;

 private:
  void openTreeItem(Window tree, HTREEITEM item);
};

// The robot's snapshot for tests that drive the window system without a
// robot: the same picture, place and comparison as Robot::snapshot.
std::filesystem::path Snapshot(HWND topLevel, const std::string& name, bool withPopups = false);
// For pictures a test draws itself (a bitmap, not a window): where to write
// the picture `name`, and its comparison with the reference, as above.
std::filesystem::path PicturePath(const std::string& name);
void ExpectMatchesReference(const std::filesystem::path& picture, const std::string& name);

}  // namespace halvane::test
