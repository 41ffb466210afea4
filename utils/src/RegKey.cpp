#include "RegKey.h"

namespace utils {

RegKey::RegKey(HKEY root, const std::string& path, bool create) {
  HKEY key = nullptr;
  LONG result = create ? RegCreateKeyEx(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                       : RegOpenKeyEx(root, path.c_str(), 0, KEY_READ, &key);
  if (result == ERROR_SUCCESS) m_key = key;
}

RegKey::~RegKey() {
  if (m_key) RegCloseKey(m_key);
}

std::optional<std::string> RegKey::GetString(const std::string& name) const {
  DWORD type = 0, size = 0;
  if (!m_key || RegQueryValueEx(m_key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::string data(size, '\0');
  if (RegQueryValueEx(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(size);
  while (!data.empty() && data.back() == '\0') data.pop_back();
  return data;
}

std::optional<DWORD> RegKey::GetDword(const std::string& name) const {
  DWORD type = 0, value = 0, size = sizeof(value);
  if (!m_key ||
      RegQueryValueEx(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD) {
    return std::nullopt;
  }
  return value;
}

bool RegKey::SetString(const std::string& name, const std::string& value) {
  return m_key && RegSetValueEx(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegKey::SetDword(const std::string& name, DWORD value) {
  return m_key && RegSetValueEx(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof(value)) == ERROR_SUCCESS;
}

bool RegKey::DeleteValue(const std::string& name) {
  return m_key && RegDeleteValue(m_key, name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> RegKey::ValueNames() const {
  std::vector<std::string> names;
  for (DWORD index = 0; m_key; ++index) {
    char name[16384];
    DWORD length = sizeof(name);
    if (RegEnumValue(m_key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

std::vector<std::string> RegKey::SubkeyNames() const {
  std::vector<std::string> names;
  for (DWORD index = 0; m_key; ++index) {
    char name[256];
    DWORD length = sizeof(name);
    if (RegEnumKeyEx(m_key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

bool DeleteKeyTree(HKEY root, const std::string& path) {
  std::vector<std::string> children;
  {
    RegKey key(root, path, false);
    if (!key.IsOpen()) return false;
    children = key.SubkeyNames();
  }
  for (const std::string& child : children) DeleteKeyTree(root, path + "\\" + child);
  return RegDeleteKey(root, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace utils
