// Item lists (PIDLs) as this system's shell makes them: one item holding
// a path, then the terminating zero, in task-allocator memory.
#pragma once

#include <string>

#include "win32/shlobj.h"

namespace win32::commdlg {

PIDLIST_ABSOLUTE MakeItemList(const std::string& path);
// The path an item list holds; empty for null or a malformed list.
std::string PathOfItemList(PCIDLIST_ABSOLUTE pidl);

// Copies the item list of `path` to a caller buffer of `size` bytes when
// it fits; answers the list's size.
int CopyItemList(const std::string& path, void* buffer, int size);

}  // namespace win32::commdlg
