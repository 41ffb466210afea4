// Administration of the servers on this machine: what the halvane-server
// tool does, for the tool and for tests. Each call answers false with a
// reason in `error` when it cannot do its work.
#pragma once

#include <mfc/export.h>

#include <string>
#include <vector>

namespace dravon::admin {

// The folder that holds the servers' databases.
AFX_EXT_API std::string ServersFolder();
AFX_EXT_API std::vector<std::string> ListServers();
// A new server with one account.
AFX_EXT_API bool CreateServer(const std::string& server, const std::string& user, const std::string& password,
                              std::string& error);
AFX_EXT_API bool RemoveServer(const std::string& server, std::string& error);

AFX_EXT_API bool ListAccounts(const std::string& server, std::vector<std::string>& users, std::string& error);
AFX_EXT_API bool AddAccount(const std::string& server, const std::string& user, const std::string& password,
                            std::string& error);
AFX_EXT_API bool RemoveAccount(const std::string& server, const std::string& user, std::string& error);
AFX_EXT_API bool SetPassword(const std::string& server, const std::string& user, const std::string& password,
                             std::string& error);

// Saves every business-object definition of a repository-copy file into
// the server, all in one transaction; `count` is the number saved.
AFX_EXT_API bool LoadRepositoryCopy(const std::string& server, const std::string& path, int& count, std::string& error);
// Records a map, collaboration template, collaboration or relationship
// that uses the given business objects.
AFX_EXT_API bool AddObject(const std::string& server, int kind, const std::string& name,
                           const std::vector<std::string>& bos, std::string& error);

}  // namespace dravon::admin
