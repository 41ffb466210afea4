// Test hooks of the registry store.
#pragma once

#include <functional>
#include <string>

namespace win32::internal {

// Runs after a write has filled and synced its temporary file and before
// it replaces the registry file (tests kill the process there). An empty
// function removes the hook.
void SetRegistryBeforeRenameHook(std::function<void(const std::string& tempPath)> hook);

}  // namespace win32::internal
