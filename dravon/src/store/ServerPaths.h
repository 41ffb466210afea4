// Where the servers' databases live: $HALVANE_SERVERS, else
// $XDG_DATA_HOME/halvane/servers, else ~/.local/share/halvane/servers.
#pragma once

#include <string>
#include <vector>

namespace dravon {

// The server a fresh machine is given, with its one account.
inline constexpr const char* kDefaultServer = "HalvaneServer";
inline constexpr const char* kDefaultUser = "admin";
inline constexpr const char* kDefaultPassword = "admin";

std::string ServersFolder();
// Server names are plain file names: no path separators, not empty.
bool IsValidServerName(const std::string& name);
std::string ServerFile(const std::string& name);
bool ServerExists(const std::string& name);
// The servers present, sorted.
std::vector<std::string> ListServers();
// Makes the default server when the folder holds no server at all.
void EnsureDefaultServer();

}  // namespace dravon
