#include "dialogs/dialog_info.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "internal/core_classes.h"
#include "internal/dlg_modal.h"
#include "win32/dialogs.h"
#include "win32/wingdi.h"

namespace win32::dlg {
namespace {

// Part of the window-system state: emptied each time the window system is
// made anew (the initializer below runs after every reset).
struct DialogManagerState {
  std::mutex mutex;
  std::unordered_map<HWND, std::shared_ptr<DialogInfo>> dialogs;
  std::vector<HWND> modalStack;
  std::function<bool(HWND)> idleHook;
};

DialogManagerState& State() {
  static DialogManagerState state;
  return state;
}

void ResetDialogManager() {
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  state.dialogs.clear();
  state.modalStack.clear();
  state.idleHook = nullptr;
}

// Touching the window system creates its state first, so that the reset
// above never runs after (and wipes) what the caller is about to store.
void EnsureWindowSystem() { IsWindow(nullptr); }

const struct Registrar {
  Registrar() { win32::internal::AddSystemClassInitializer(&ResetDialogManager); }
} registrar;

}  // namespace

void FontDeleter::operator()(std::remove_pointer_t<HFONT>* font) const { DeleteObject(font); }

std::shared_ptr<DialogInfo> FindDialogInfo(HWND dlg) {
  EnsureWindowSystem();
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  auto it = state.dialogs.find(dlg);
  return it == state.dialogs.end() ? nullptr : it->second;
}

std::shared_ptr<DialogInfo> AttachDialogInfo(HWND dlg) {
  EnsureWindowSystem();
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  auto& slot = state.dialogs[dlg];
  if (!slot) slot = std::make_shared<DialogInfo>();
  return slot;
}

void DetachDialogInfo(HWND dlg) {
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  state.dialogs.erase(dlg);
}

void PushModal(HWND dlg) {
  EnsureWindowSystem();
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  state.modalStack.push_back(dlg);
}

void PopModal(HWND dlg) {
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  auto it = std::find(state.modalStack.rbegin(), state.modalStack.rend(), dlg);
  if (it != state.modalStack.rend()) state.modalStack.erase(std::next(it).base());
}

std::vector<HWND> ModalStack() {
  EnsureWindowSystem();
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  return state.modalStack;
}

std::function<bool(HWND)> CurrentIdleHook() {
  auto& state = State();
  std::scoped_lock lock(state.mutex);
  return state.idleHook;
}

}  // namespace win32::dlg

namespace win32 {

void SetModalIdleHook(std::function<bool(HWND modalWindow)> hook) {
  dlg::EnsureWindowSystem();
  auto& state = dlg::State();
  std::scoped_lock lock(state.mutex);
  state.idleHook = std::move(hook);
}

std::vector<HWND> GetModalStack() { return dlg::ModalStack(); }

namespace internal {

bool RunModalIdle(HWND modalWindow) {
  auto hook = dlg::CurrentIdleHook();
  return hook && hook(modalWindow);
}

bool DialogEnded(HWND dlg, INT_PTR* result) {
  const std::shared_ptr<dlg::DialogInfo> info = dlg::FindDialogInfo(dlg);
  if (!info || !info->ended) return false;
  if (result) *result = info->result;
  return true;
}

ModalLoopGuard::ModalLoopGuard(HWND modalWindow) : window_(modalWindow) { dlg::PushModal(window_); }
ModalLoopGuard::~ModalLoopGuard() { dlg::PopModal(window_); }

}  // namespace internal
}  // namespace win32
