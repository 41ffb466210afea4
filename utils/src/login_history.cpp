// The shared profile and its login history. Layout below the profile key:
//   Servers, Users   values "1", "2", ... holding the names, most recent first
//   Passwords        one scrambled password per remembered user
//   UserInfo         one information text per user
//   Recent           Server, User, Password (scrambled), Remember (DWORD)
#include <algorithm>
#include <string>
#include <vector>

#include "HLUtilWinRegistry.h"
#include "reg_key.h"
#include "secret_text.h"

namespace {

using Names = std::vector<std::string>;

Names ReadHistory(const std::string& path) {
  Names names;
  utils::RegKey key(HKEY_CURRENT_USER, path, false);
  for (int slot = 1; slot <= CHLUtilWinRegistry::kMaxHistory; ++slot) {
    auto name = key.GetString(std::to_string(slot));
    if (!name) break;
    names.push_back(*name);
  }
  return names;
}

// Puts `name` first and answers the names that fell off the end.
Names PushFront(const std::string& path, const std::string& name) {
  Names names = ReadHistory(path);
  std::erase(names, name);
  names.insert(names.begin(), name);
  Names dropped;
  while (names.size() > static_cast<size_t>(CHLUtilWinRegistry::kMaxHistory)) {
    dropped.push_back(names.back());
    names.pop_back();
  }
  utils::RegKey key(HKEY_CURRENT_USER, path, true);
  for (size_t i = 0; i < names.size(); ++i) key.SetString(std::to_string(i + 1), names[i]);
  return dropped;
}

std::string ReadSecret(const utils::RegKey& key, const std::string& name) {
  auto stored = key.GetString(name);
  return stored ? utils::UnscrambleSecret(*stored).value_or(std::string()) : std::string();
}

// Keeps `secret` scrambled under `name`, or removes it when not kept.
bool KeepSecret(utils::RegKey& key, const std::string& name, bool keep, const std::string& secret) {
  if (keep) return key.SetString(name, utils::ScrambleSecret(secret));
  key.DeleteValue(name);
  return key.IsOpen();
}

std::string Text(LPCTSTR text) { return text ? text : ""; }

}  // namespace

CHLUtilWinRegistry::CHLUtilWinRegistry(LPCTSTR profile) {
  m_strBase = "Software\\Halvane\\";
  m_strBase += Text(profile).c_str();
}

CString CHLUtilWinRegistry::Path(LPCTSTR subKey) const {
  CString path = m_strBase;
  path += "\\";
  path += subKey;
  return path;
}

CString CHLUtilWinRegistry::GetUserInfo(LPCTSTR user) const {
  if (!user) return CString();
  utils::RegKey key(HKEY_CURRENT_USER, Path("UserInfo").str(), false);
  return CString(key.GetString(user).value_or(std::string()));
}

BOOL CHLUtilWinRegistry::SetUserInfo(LPCTSTR user, LPCTSTR info) {
  if (!user || !*user) return FALSE;
  utils::RegKey key(HKEY_CURRENT_USER, Path("UserInfo").str(), true);
  return key.SetString(user, Text(info)) ? TRUE : FALSE;
}

void CHLUtilWinRegistry::GetRegisteredServerNames(CStringArray& servers) const {
  servers.RemoveAll();
  for (const std::string& name : ReadHistory(Path("Servers").str())) servers.Add(CString(name));
}

void CHLUtilWinRegistry::GetRegisteredUserNames(CUserInfos& users) const {
  users.RemoveAll();
  utils::RegKey passwords(HKEY_CURRENT_USER, Path("Passwords").str(), false);
  for (const std::string& name : ReadHistory(Path("Users").str())) {
    users.Add(CUserInfo{CString(name), CString(ReadSecret(passwords, name))});
  }
}

void CHLUtilWinRegistry::GetRecentLoginInfo(bool& remember, CString& server, CString& user,
                                            CString& password) const {
  utils::RegKey recent(HKEY_CURRENT_USER, Path("Recent").str(), false);
  remember = recent.GetDword("Remember").value_or(0) != 0;
  if (auto name = recent.GetString("Server")) server = CString(*name);
  if (auto name = recent.GetString("User")) user = CString(*name);
  if (remember && recent.GetString("Password")) password = CString(ReadSecret(recent, "Password"));
}

BOOL CHLUtilWinRegistry::SetRecentLoginInfo(bool remember, LPCTSTR server, LPCTSTR user, LPCTSTR password) {
  const std::string serverName = Text(server), userName = Text(user), secret = Text(password);
  utils::RegKey recent(HKEY_CURRENT_USER, Path("Recent").str(), true);
  bool ok = recent.SetString("Server", serverName) && recent.SetString("User", userName) &&
            recent.SetDword("Remember", remember ? 1 : 0) && KeepSecret(recent, "Password", remember, secret);
  if (!serverName.empty()) PushFront(Path("Servers").str(), serverName);
  if (!userName.empty()) {
    utils::RegKey passwords(HKEY_CURRENT_USER, Path("Passwords").str(), true);
    for (const std::string& dropped : PushFront(Path("Users").str(), userName)) passwords.DeleteValue(dropped);
    ok = KeepSecret(passwords, userName, remember, secret) && ok;
  }
  return ok ? TRUE : FALSE;
}
