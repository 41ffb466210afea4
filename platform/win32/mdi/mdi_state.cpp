#include "mdi/mdi_state.h"

#include <algorithm>

#include "internal/core_classes.h"
#include "internal/mdi_bridge.h"

namespace win32::mdi {
namespace {

void ResetClients() {
  std::lock_guard lock(Clients().mutex);
  Clients().clients.clear();
}

const struct Registrar {
  Registrar() { internal::AddSystemClassInitializer(&ResetClients); }
} registrar;

}  // namespace

ClientTable& Clients() {
  static ClientTable table;
  return table;
}

std::optional<ClientInfo> InfoOf(HWND client) {
  std::lock_guard lock(Clients().mutex);
  auto it = Clients().clients.find(client);
  if (it == Clients().clients.end()) return std::nullopt;
  return it->second;
}

HWND ClientOf(HWND child) {
  if (!(GetWindowLong(child, GWL_EXSTYLE) & WS_EX_MDICHILD)) return nullptr;
  HWND parent = GetParent(child);
  return InfoOf(parent) ? parent : nullptr;
}

}  // namespace win32::mdi

namespace win32::internal {

bool IsActiveMdiChild(HWND child) {
  const auto info = mdi::InfoOf(mdi::ClientOf(child));
  return info && info->active == child && GetActiveWindow() == info->frame;
}

HWND InactiveMdiChildAt(HWND hwnd) {
  for (HWND h = hwnd; h != nullptr && (GetWindowLong(h, GWL_STYLE) & WS_CHILD); h = GetParent(h)) {
    HWND client = mdi::ClientOf(h);
    if (client == nullptr) continue;
    const auto info = mdi::InfoOf(client);
    return info && info->active != h ? h : nullptr;
  }
  return nullptr;
}

}  // namespace win32::internal
