// Administration of the servers on this machine: what the halvane-server
// tool does, for the tool and for tests. Each call answers false with a
// reason in `error` when it cannot do its work.
#pragma once

#include <string>
#include <vector>

namespace dravon::admin {

// The folder that holds the servers' databases.
std::string ServersFolder();
std::vector<std::string> ListServers();
// A new server with one account.
bool CreateServer(const std::string& server, const std::string& user, const std::string& password,
                  std::string& error);
bool RemoveServer(const std::string& server, std::string& error);

bool ListAccounts(const std::string& server, std::vector<std::string>& users, std::string& error);
bool AddAccount(const std::string& server, const std::string& user, const std::string& password,
                std::string& error);
bool RemoveAccount(const std::string& server, const std::string& user, std::string& error);
bool SetPassword(const std::string& server, const std::string& user, const std::string& password,
                 std::string& error);

// Saves every business-object definition of a repository-copy file into
// the server, all in one transaction; `count` is the number saved.
bool LoadRepositoryCopy(const std::string& server, const std::string& path, int& count, std::string& error);
// Records a map, collaboration template, collaboration or relationship
// that uses the given business objects.
bool AddObject(const std::string& server, int kind, const std::string& name, const std::vector<std::string>& bos,
               std::string& error);

}  // namespace dravon::admin
