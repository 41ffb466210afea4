#include "profile.h"

#include <cstring>
#include <string_view>

namespace afx {
namespace {

// An open registry key, closed when it goes.
class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (key_) ::RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  static RegKey Open(const std::string& path) {
    RegKey key;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key.key_) != ERROR_SUCCESS) key.key_ = nullptr;
    return key;
  }
  static RegKey Create(const std::string& path) {
    RegKey key;
    if (::RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         &key.key_, nullptr) != ERROR_SUCCESS) {
      key.key_ = nullptr;
    }
    return key;
  }
  RegKey(RegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }

  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

  // The value's bytes when it has the type.
  std::optional<std::vector<BYTE>> Query(LPCTSTR entry, DWORD wantedType) const {
    DWORD type = 0;
    DWORD size = 0;
    if (!key_ || ::RegQueryValueEx(key_, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != wantedType) {
      return std::nullopt;
    }
    std::vector<BYTE> data(size);
    if (::RegQueryValueEx(key_, entry, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    return data;
  }

  BOOL Set(LPCTSTR entry, DWORD type, const BYTE* data, DWORD size) const {
    return key_ && ::RegSetValueEx(key_, entry, 0, type, data, size) == ERROR_SUCCESS;
  }

 private:
  HKEY key_ = nullptr;
};

std::string TextOf(LPCTSTR text) { return text ? text : ""; }

}  // namespace

ProfileStore::ProfileStore(LPCTSTR registryKey, LPCTSTR profileName)
    : registryKey_(TextOf(registryKey)), profileName_(TextOf(profileName)) {}

std::string ProfileStore::SectionPath(LPCTSTR section) const {
  return "Software\\" + registryKey_ + "\\" + profileName_ + "\\" + TextOf(section);
}

UINT ProfileStore::GetInt(LPCTSTR section, LPCTSTR entry, int nDefault) const {
  if (!section || !entry) return static_cast<UINT>(nDefault);
  if (!UsesRegistry()) return ::GetPrivateProfileInt(section, entry, nDefault, profileName_.c_str());
  const auto data = RegKey::Open(SectionPath(section)).Query(entry, REG_DWORD);
  if (!data || data->size() != sizeof(DWORD)) return static_cast<UINT>(nDefault);
  DWORD value = 0;
  std::memcpy(&value, data->data(), sizeof(value));
  return value;
}

BOOL ProfileStore::WriteInt(LPCTSTR section, LPCTSTR entry, int nValue) const {
  if (!section || !entry) return FALSE;
  if (!UsesRegistry()) return WriteString(section, entry, std::to_string(nValue).c_str());
  const auto value = static_cast<DWORD>(nValue);
  return RegKey::Create(SectionPath(section))
      .Set(entry, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

CString ProfileStore::GetString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszDefault) const {
  const CString fallback(lpszDefault ? lpszDefault : "");
  if (!section || !entry) return fallback;
  if (!UsesRegistry()) {
    std::vector<char> buffer(4096);
    const DWORD length = ::GetPrivateProfileString(section, entry, fallback, buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), profileName_.c_str());
    return CString(buffer.data(), static_cast<int>(length));
  }
  const auto data = RegKey::Open(SectionPath(section)).Query(entry, REG_SZ);
  if (!data) return fallback;
  // The stored size may or may not count the terminating null.
  std::string_view text(reinterpret_cast<const char*>(data->data()), data->size());
  text = text.substr(0, text.find('\0'));
  return CString(text.data(), static_cast<int>(text.size()));
}

BOOL ProfileStore::WriteString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszValue) const {
  if (!section) return FALSE;
  if (!UsesRegistry()) return ::WritePrivateProfileString(section, entry, lpszValue, profileName_.c_str());
  if (!entry) {
    const RegKey app = RegKey::Create("Software\\" + registryKey_ + "\\" + profileName_);
    return app && ::RegDeleteKey(app.get(), section) == ERROR_SUCCESS;
  }
  if (!lpszValue) {
    const RegKey key = RegKey::Create(SectionPath(section));
    return key && ::RegDeleteValue(key.get(), entry) == ERROR_SUCCESS;
  }
  return RegKey::Create(SectionPath(section))
      .Set(entry, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue), static_cast<DWORD>(std::strlen(lpszValue) + 1));
}

std::optional<std::vector<BYTE>> ProfileStore::GetBinary(LPCTSTR section, LPCTSTR entry) const {
  if (!section || !entry) return std::nullopt;
  if (UsesRegistry()) return RegKey::Open(SectionPath(section)).Query(entry, REG_BINARY);
  const CString text = GetString(section, entry, nullptr);
  if (text.IsEmpty() || text.GetLength() % 2 != 0) return std::nullopt;
  std::vector<BYTE> data;
  for (int i = 0; i < text.GetLength(); i += 2) {
    const int low = text[i] - 'A';
    const int high = text[i + 1] - 'A';
    if (low < 0 || low > 15 || high < 0 || high > 15) return std::nullopt;
    data.push_back(static_cast<BYTE>(low | (high << 4)));
  }
  return data;
}

BOOL ProfileStore::WriteBinary(LPCTSTR section, LPCTSTR entry, const BYTE* pData, UINT nBytes) const {
  if (!section || !entry || (!pData && nBytes > 0)) return FALSE;
  if (UsesRegistry()) return RegKey::Create(SectionPath(section)).Set(entry, REG_BINARY, pData, nBytes);
  std::string text;
  for (UINT i = 0; i < nBytes; ++i) {
    text.push_back(static_cast<char>('A' + (pData[i] & 0x0F)));
    text.push_back(static_cast<char>('A' + ((pData[i] >> 4) & 0x0F)));
  }
  return WriteString(section, entry, text.c_str());
}

}  // namespace afx
