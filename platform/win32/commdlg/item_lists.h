// Item lists (PIDLs) as this system's shell makes them: one item holding
// a path, then the terminating zero, in task-allocator memory.
#pragma once

#include <string>

#include "win32/shlobj.h"

namespace win32::commdlg {

PIDLIST_ABSOLUTE MakeItemList(const std::string& path);
// The path an item list holds; empty for null or a malformed list.
std::string PathOfItemList(PCIDLIST_ABSOLUTE pidl);

}  // namespace win32::commdlg
