// FILE_ATTRIBUTE_* of a file from its status.
#pragma once

#include <sys/stat.h>

#include <string>

#include "win32/wintypes.h"

namespace win32::svc {

DWORD FileAttributesOf(const std::string& path, const struct stat& st);

}  // namespace win32::svc
