// Modal handlers: the robot's answer to a modal loop that waits for input.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <windows.h>

#include "robot.h"
#include "robot_handlers.h"

namespace halvane::test {

HandlerRegistration& HandlerRegistration::times(int count) {
  state_->remaining = count;
  return *this;
}

HandlerRegistration& HandlerRegistration::always() {
  state_->remaining = -1;
  return *this;
}

int HandlerRegistration::calls() const { return state_->calls; }

namespace {

// How long an unanswered modal loop may wait on the virtual clock for a
// timer of its own to end it: longer than any timer the programs set.
constexpr DWORD kPatienceMs = 10 * 60 * 1000;

// Counts the failed assertions of the running test, so that a handler's
// own failures can be told from earlier ones.
int FailedPartCount() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (info == nullptr) return 0;
  const ::testing::TestResult* result = info->result();
  int failed = 0;
  for (int i = 0; i < result->total_part_count(); ++i) {
    if (result->GetTestPartResult(i).failed()) ++failed;
  }
  return failed;
}

std::string Describe(Window dialog) {
  std::ostringstream out;
  out << '"' << dialog.text() << '"';
  std::vector<std::string> statics;
  for (const Window& w : dialog.descendants()) {
    if (w.className() == "Static" && !w.text().empty()) statics.push_back(w.text());
  }
  if (!statics.empty()) {
    out << " showing";
    for (const std::string& text : statics) out << " \"" << text << '"';
  }
  return out.str();
}

// Ends the modal loop of `window` so that a failed test does not hang.
void EndModalLoop(Window window) {
  if (!window.exists()) return;
  if (!EndDialog(window.hwnd(), IDCANCEL)) DestroyWindow(window.hwnd());
}

}  // namespace

Robot::Robot() : handlers_(std::make_unique<Handlers>()) {}

Robot::~Robot() { detachModalIdleHook(); }

bool Robot::keepWaiting(HWND modalWindow) {
  if (!win32::IsVirtualClock()) return false;
  Handlers& h = *handlers_;
  if (h.waiting != modalWindow) {
    // No query tells whether a timer is pending: the watchdog makes sure
    // the clock has one to jump to, and the dialog's own come first.
    h.stopWaiting();
    h.waiting = modalWindow;
    h.waitingSince = GetTickCount();
    h.watchdog = SetTimer(nullptr, 0, kPatienceMs, nullptr);
    return h.watchdog != 0;
  }
  return GetTickCount() - h.waitingSince < kPatienceMs;
}

void Robot::attachModalIdleHook() {
  win32::SetModalIdleHook([this](HWND modal) { return onModalIdle(modal); });
  hookAttached_ = true;
}

void Robot::detachModalIdleHook() {
  handlers_->stopWaiting();
  if (!hookAttached_) return;
  win32::SetModalIdleHook({});
  hookAttached_ = false;
}

HandlerRegistration Robot::onDialog(const std::string& title, DialogHandler handler) {
  auto state = std::make_shared<HandlerRegistration::State>();
  state->title = title;
  state->handler = std::move(handler);
  handlers_->registered.push_back(state);
  return HandlerRegistration(state);
}

std::vector<std::string> Robot::pendingHandlers() const {
  std::vector<std::string> titles;
  for (const auto* list : {&handlers_->registered, &handlers_->menuHandlers}) {
    for (const auto& state : *list) {
      if (state->remaining > 0) titles.push_back(state->title);
    }
  }
  return titles;
}

HandlerRegistration Robot::onMessageBox(const std::string& caption, int buttonId) {
  return onDialog(caption, [buttonId](Robot& robot, Window box) {
    const Window button = box.child(buttonId);
    if (!button.exists()) {
      ADD_FAILURE() << "Message box " << Describe(box) << " has no button with id " << buttonId;
      return;
    }
    robot.click(button);
  });
}

bool Robot::onModalIdle(HWND modalWindow) {
  if (pumpsForMenu()) return onMenuIdle();
  const Window dialog(modalWindow);
  if (!dialog.exists()) return false;
  const auto state = handlers_->take(dialog.text());
  if (state == nullptr) {
    if (keepWaiting(modalWindow)) return false;
    handlers_->stopWaiting();
    ADD_FAILURE() << "A modal loop waits with no handler: " << Describe(dialog);
    EndModalLoop(dialog);
    return true;
  }
  handlers_->stopWaiting();
  if (!runHandler(*state, dialog)) EndModalLoop(dialog);
  return true;
}

bool Robot::runHandler(HandlerRegistration::State& state, Window window) {
  const int failedBefore = FailedPartCount();
  bool threw = true;
  try {
    state.handler(*this, window);
    threw = false;
  } catch (const std::exception& error) {
    ADD_FAILURE() << "The handler of \"" << state.title << "\" threw: " << error.what();
  } catch (...) {
    ADD_FAILURE() << "The handler of \"" << state.title << "\" threw";
  }
  return !threw && FailedPartCount() <= failedBefore;
}

}  // namespace halvane::test
