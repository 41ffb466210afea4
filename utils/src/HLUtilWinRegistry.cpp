// The shared profile and its login history. Layout below the profile key:
//   Servers, Users   values "1", "2", ... holding the names, most recent first
//   Passwords        one sealed password per remembered user
//   UserInfo         one information text per user
//   Recent           Server, User, Password (sealed), Remember (DWORD)
// Passwords are sealed under the user's key (login/SealedSecret.h); the
// registry alone never gives them back.
#include <algorithm>
#include <string>
#include <vector>

#include "HLUtilWinRegistry.h"
#include "login/SealedSecret.h"
#include "RegKey.h"

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

// Where a value is kept, authenticated with it so that a sealed value
// moved to another user's place does not open there.
std::string SecretContext(const std::string& keyPath, const std::string& name) { return keyPath + "\\" + name; }

// The clear text of the password kept under `name`, or empty. A value of
// the older scrambled form is sealed in its place on the way (or removed
// when it cannot be sealed), so that no readable form stays behind.
std::string ReadSecret(const std::string& keyPath, const std::string& name) {
  const utils::RegKey key(HKEY_CURRENT_USER, keyPath, false);
  const auto stored = key.GetString(name);
  if (!stored) return {};
  const std::string context = SecretContext(keyPath, name);
  if (!utils::login::IsScrambled(*stored)) {
    const auto userKey = utils::login::LoadKey(false);
    return userKey ? utils::login::Open(*userKey, *stored, context).value_or(std::string()) : std::string();
  }
  const std::string clear = utils::login::Unscramble(*stored).value_or(std::string());
  utils::RegKey writable(HKEY_CURRENT_USER, keyPath, true);
  const auto userKey = utils::login::LoadKey(true);
  const std::string sealed = userKey ? utils::login::Seal(*userKey, clear, context) : std::string();
  if (sealed.empty() || !writable.SetString(name, sealed)) writable.DeleteValue(name);
  return clear;
}

// Keeps `secret` sealed under `name`, or removes it when not kept (or when
// it cannot be sealed: a password is never stored readable).
bool KeepSecret(const std::string& keyPath, bool keep, const std::string& name, const std::string& secret) {
  utils::RegKey key(HKEY_CURRENT_USER, keyPath, true);
  if (keep) {
    const auto userKey = utils::login::LoadKey(true);
    const std::string sealed =
        userKey ? utils::login::Seal(*userKey, secret, SecretContext(keyPath, name)) : std::string();
    if (!sealed.empty()) return key.SetString(name, sealed);
  }
  key.DeleteValue(name);
  return !keep && key.IsOpen();
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
  const std::string passwords = Path("Passwords").str();
  for (const std::string& name : ReadHistory(Path("Users").str())) {
    users.Add(CUserInfo{CString(name), CString(ReadSecret(passwords, name))});
  }
}

void CHLUtilWinRegistry::GetRecentLoginInfo(bool& remember, CString& server, CString& user, CString& password) const {
  const std::string recentPath = Path("Recent").str();
  const utils::RegKey recent(HKEY_CURRENT_USER, recentPath, false);
  remember = recent.GetDword("Remember").value_or(0) != 0;
  if (auto name = recent.GetString("Server")) server = CString(*name);
  if (auto name = recent.GetString("User")) user = CString(*name);
  if (remember && recent.GetString("Password")) password = CString(ReadSecret(recentPath, "Password"));
}

BOOL CHLUtilWinRegistry::SetRecentLoginInfo(bool remember, LPCTSTR server, LPCTSTR user, LPCTSTR password) {
  const std::string serverName = Text(server), userName = Text(user), secret = Text(password);
  const std::string recentPath = Path("Recent").str();
  bool ok = false;
  {
    utils::RegKey recent(HKEY_CURRENT_USER, recentPath, true);
    ok = recent.SetString("Server", serverName) && recent.SetString("User", userName) &&
         recent.SetDword("Remember", remember ? 1 : 0);
  }
  ok = KeepSecret(recentPath, remember, "Password", secret) && ok;
  if (!serverName.empty()) PushFront(Path("Servers").str(), serverName);
  if (!userName.empty()) {
    const std::string passwords = Path("Passwords").str();
    {
      utils::RegKey key(HKEY_CURRENT_USER, passwords, true);
      for (const std::string& dropped : PushFront(Path("Users").str(), userName)) key.DeleteValue(dropped);
    }
    ok = KeepSecret(passwords, remember, userName, secret) && ok;
  }
  return ok ? TRUE : FALSE;
}
