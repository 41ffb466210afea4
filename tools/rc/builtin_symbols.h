// The standard symbols of the system headers (<windows.h>, <afxres.h>...),
// which the compiler knows itself instead of reading them.
#pragma once

#include <string_view>

namespace rc {

// True for a header that the built-in table stands for.
bool IsSystemHeader(std::string_view name);

// True for the class library's standard resource scripts (afxres.rc ...),
// whose resources the class library provides itself: including them adds
// nothing.
bool IsSystemScript(std::string_view name);

// The built-in table as preprocessor text (#define lines).
std::string_view BuiltinDefinitions();

}  // namespace rc
