// The registry file: read when it changed, written under an exclusive
// lock by replacing it whole, so concurrent writers never lose each
// other's changes and a write cut short leaves the old file.
#pragma once

#include <functional>

#include "services/registry_model.h"

namespace win32::svc {

// Runs `read` on the latest contents of the file.
LONG ReadRegistry(const std::function<LONG(RegModel&)>& read);

// Re-reads the file under the lock, runs `change`, and writes the result
// back when `change` answers ERROR_SUCCESS and set `changed`.
LONG ModifyRegistry(const std::function<LONG(RegModel&, bool& changed)>& change);

}  // namespace win32::svc
