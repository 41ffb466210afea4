#include <atomic>

#include "internal/core_classes.h"
#include "internal/res_store.h"
#include "resources/objects.h"

namespace win32::internal {

void ResetResourceObjects() {
  ResetMenus();
  ResetAccelerators();
}

namespace {

// The window system runs its initialisers whenever its state is made: on
// first use and after each reset. Menus and accelerator tables made before
// the first use belong to that state, so only the later runs clear them.
void OnWindowSystemState() {
  static std::atomic<bool> firstState{true};
  if (firstState.exchange(false)) return;
  ResetResourceObjects();
}

const bool registered = (AddSystemClassInitializer(OnWindowSystemState), true);

}  // namespace

}  // namespace win32::internal
