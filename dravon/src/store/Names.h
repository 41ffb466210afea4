// The rules for the names of servers and accounts: printable UTF-8 text of
// a bounded length. A server name is also a file name: no path separators,
// not starting with a dot (the folder's own working files do), and short
// enough that the database's journal files still have legal names.
#pragma once
// Internal; exported (AFX_EXT_*) only for the library's own tests.

#include <mfc/export.h>

#include <string>
#include <string_view>

namespace dravon {

// "name.db-journal" must fit in a file name of 255 bytes.
inline constexpr size_t kMaxServerNameBytes = 255 - sizeof(".db-journal") + 1;
inline constexpr size_t kMaxUserNameBytes = 255;

// Why the text cannot be a name, or empty when it can.
AFX_EXT_API std::string TextNameFault(std::string_view name, size_t maxBytes);
AFX_EXT_API std::string ServerNameFault(std::string_view name);
inline std::string UserNameFault(std::string_view name) { return TextNameFault(name, kMaxUserNameBytes); }

}  // namespace dravon
