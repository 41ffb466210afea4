// Resets of the resource-made objects, called by ResetResourceObjects().
#pragma once

namespace win32::internal {

void ResetMenus();
void ResetAccelerators();

}  // namespace win32::internal
