#include "DravonAdmin.h"

#include <filesystem>
#include <system_error>

#include "Orb.h"
#include "store/Names.h"
#include "store/Repository.h"
#include "store/RepositoryCopyLoad.h"
#include "store/ServerPaths.h"

namespace dravon::admin {

namespace fs = std::filesystem;

namespace {

// Names go into messages: one that the rules refuse is not repeated.
bool CheckServerName(const std::string& server, std::string& error) {
  const std::string fault = ServerNameFault(server);
  if (fault.empty()) return true;
  error = "invalid server name: " + fault;
  return false;
}

bool CheckUserName(const std::string& user, std::string& error) {
  const std::string fault = UserNameFault(user);
  if (fault.empty()) return true;
  error = "invalid user name: " + fault;
  return false;
}

// Opens an existing server, or says why not.
bool OpenServer(Repository& repo, const std::string& server, std::string& error) {
  if (!CheckServerName(server, error)) return false;
  if (!ServerExists(server)) {
    error = "no server '" + server + "'";
    return false;
  }
  if (!repo.Open(ServerFile(server), false)) {
    error = "cannot open the repository of server '" + server + "'";
    return false;
  }
  return true;
}

bool Fail(std::string& error, const std::string& text) {
  error = text;
  return false;
}

}  // namespace

std::string ServersFolder() { return dravon::ServersFolder(); }

std::vector<std::string> ListServers() { return dravon::ListServers(); }

bool CreateServer(const std::string& server, const std::string& user, const std::string& password, std::string& error) {
  if (!CheckServerName(server, error) || !CheckUserName(user, error)) return false;
  switch (CreateServerFile(server, user, password, error)) {
    case Created::Yes:
      return true;
    case Created::Exists:
      return Fail(error, "server '" + server + "' exists");
    case Created::Failed:
      break;
  }
  return false;
}

bool RemoveServer(const std::string& server, std::string& error) {
  if (!CheckServerName(server, error)) return false;
  if (!ServerExists(server)) return Fail(error, "no server '" + server + "'");
  const std::string file = ServerFile(server);
  std::error_code ec;
  for (const char* suffix : {"-wal", "-shm", "-load"}) fs::remove(file + suffix, ec);
  if (!fs::remove(file, ec)) return Fail(error, "cannot remove " + file);
  return true;
}

bool ListAccounts(const std::string& server, std::vector<std::string>& users, std::string& error) {
  Repository repo;
  if (!OpenServer(repo, server, error)) return false;
  auto accounts = repo.Accounts();
  if (!accounts) return Fail(error, "cannot read the accounts");
  users = std::move(*accounts);
  return true;
}

bool AddAccount(const std::string& server, const std::string& user, const std::string& password, std::string& error) {
  Repository repo;
  return CheckUserName(user, error) && OpenServer(repo, server, error) &&
         (repo.AddAccount(user, password) || Fail(error, "cannot add the account '" + user + "'"));
}

bool RemoveAccount(const std::string& server, const std::string& user, std::string& error) {
  Repository repo;
  return OpenServer(repo, server, error) && (repo.RemoveAccount(user) || Fail(error, "no account '" + user + "'"));
}

bool SetPassword(const std::string& server, const std::string& user, const std::string& password, std::string& error) {
  Repository repo;
  return OpenServer(repo, server, error) &&
         (repo.SetPassword(user, password) || Fail(error, "no account '" + user + "'"));
}

bool LoadRepositoryCopy(const std::string& server, const std::string& path, int& count, std::string& error) {
  count = 0;
  Repository repo;
  return OpenServer(repo, server, error) && LoadRepositoryCopyInto(repo, path, count, error);
}

bool AddObject(const std::string& server, int kind, const std::string& name, const std::vector<std::string>& bos,
               std::string& error) {
  Repository repo;
  return OpenServer(repo, server, error) &&
         (repo.SaveObject(kind, name, bos) || Fail(error, "cannot save '" + name + "'"));
}

}  // namespace dravon::admin

namespace {

// The location service learns the servers when the library loads; Dravon
// depends on the broker, never the other way round.
const struct ServerSource {
  ServerSource() {
    orb::AddInstanceSource(kEngineRepositoryId, [] { return dravon::admin::ListServers(); });
  }
} g_serverSource;

}  // namespace
