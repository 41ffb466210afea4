// An open registry key that closes itself, with the few value operations
// the profiles need.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace utils {

class RegKey {
 public:
  // Opens `path` below `root` for reading, or creates it when `create`.
  RegKey(HKEY root, const std::string& path, bool create);
  ~RegKey();
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  bool IsOpen() const { return m_key != nullptr; }
  std::optional<std::string> GetString(const std::string& name) const;
  std::optional<DWORD> GetDword(const std::string& name) const;
  bool SetString(const std::string& name, const std::string& value);
  bool SetDword(const std::string& name, DWORD value);
  bool DeleteValue(const std::string& name);
  // Every value's name, in the order the registry keeps them.
  std::vector<std::string> ValueNames() const;
  std::vector<std::string> SubkeyNames() const;

 private:
  HKEY m_key = nullptr;
};

// Removes `path` below `root` with its subkeys.
bool DeleteKeyTree(HKEY root, const std::string& path);

}  // namespace utils
