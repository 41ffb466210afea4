// Read-only views of the menu table for drawing and tracking: copies taken
// under the table's lock, so that no lock is held while windows are called.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "internal/res_menus.h"

namespace win32::menus {

using internal::MenuItem;

// The items of `menu`, or none for an invalid handle.
std::vector<MenuItem> ItemsOf(HMENU menu);

bool IsSeparator(const MenuItem& item);
bool IsDisabled(const MenuItem& item);
// An item that can be chosen: enabled, not a separator, no submenu.
bool IsChoosable(const MenuItem& item);
// Separators cannot take the selection; disabled items can.
bool IsSelectable(const MenuItem& item);

// The label before the tab and the accelerator text after it.
std::string LabelOf(const MenuItem& item);
std::string AcceleratorOf(const MenuItem& item);
// The lower-case mnemonic character of a label ("&File" -> 'f'), or 0.
char MnemonicOf(const std::string& label);

}  // namespace win32::menus
