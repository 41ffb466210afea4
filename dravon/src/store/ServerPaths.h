// Where the servers' databases live: $HALVANE_SERVERS, else
// $XDG_DATA_HOME/halvane/servers, else ~/.local/share/halvane/servers.
// The folder is made readable by its owner only, and so is each database.
#pragma once
// Internal; exported (AFX_EXT_*) only for the library's own tests.

#include <mfc/export.h>

#include <string>
#include <vector>

namespace dravon {

// The server a fresh machine is given, with its one account.
inline constexpr const char* kDefaultServer = "HalvaneServer";
inline constexpr const char* kDefaultUser = "admin";
inline constexpr const char* kDefaultPassword = "admin";

AFX_EXT_API std::string ServersFolder();
// See store/Names.h for the rules.
AFX_EXT_API bool IsValidServerName(const std::string& name);
AFX_EXT_API std::string ServerFile(const std::string& name);
AFX_EXT_API bool ServerExists(const std::string& name);
// The servers present, sorted.
AFX_EXT_API std::vector<std::string> ListServers();

enum class Created { Yes, Exists, Failed };
// Makes a server with one account, all or nothing: the database is built
// under a working name and linked into place only when complete, so a
// server that exists is never replaced and a failure leaves no file.
// `error` tells a failure.
AFX_EXT_API Created CreateServerFile(const std::string& name, const std::string& user, const std::string& password,
                                     std::string& error);
// Makes the default server when the folder holds no server at all.
AFX_EXT_API void EnsureDefaultServer();

}  // namespace dravon
