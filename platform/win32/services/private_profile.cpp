// Initialisation files: GetPrivateProfileString and friends.
//
// Sections and keys match without regard to case; values are trimmed and
// lose one pair of surrounding quotes when read. A file named without a
// folder lives beside the registry file, as such files lived in the
// system folder. Writes keep every other line (comments included), end
// lines with CR LF and replace the file through a temporary one.
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "windows.h"

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

std::string ProfilePath(const char* fileName) {
  const std::string name = fileName ? fileName : "";
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return name;
  return (std::filesystem::path(win32::GetRegistryFile()).parent_path() / name).string();
}

// The file as lines, with the positions of its sections and keys.
class IniFile {
 public:
  explicit IniFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
    }
  }

  std::vector<std::string> SectionNames() const {
    std::vector<std::string> names;
    for (const auto& line : lines_) {
      if (auto name = SectionOf(line)) names.push_back(*name);
    }
    return names;
  }

  std::vector<std::string> KeyNames(const char* section) const {
    std::vector<std::string> names;
    const auto [begin, end] = SectionRange(section);
    for (size_t i = begin; i < end; ++i) {
      if (auto entry = EntryOf(lines_[i])) names.push_back(entry->first);
    }
    return names;
  }

  std::optional<std::string> Value(const char* section, const char* key) const {
    const auto index = KeyLine(section, key);
    if (!index) return std::nullopt;
    std::string value = EntryOf(lines_[*index])->second;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }

  void Set(const char* section, const char* key, const char* value) {
    const std::string line = std::string(key) + "=" + value;
    if (const auto index = KeyLine(section, key)) {
      lines_[*index] = line;
      return;
    }
    auto [begin, end] = SectionRange(section);
    if (begin == npos) {
      lines_.push_back("[" + std::string(section) + "]");
      lines_.push_back(line);
      return;
    }
    // After the section's last entry, before the blank lines that part it
    // from the next one.
    while (end > begin && Trim(lines_[end - 1]).empty()) --end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end), line);
  }

  void RemoveKey(const char* section, const char* key) {
    if (const auto index = KeyLine(section, key)) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
  }

  void RemoveSection(const char* section) {
    const auto [begin, end] = SectionRange(section);
    if (begin == npos) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin) - 1,
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
  }

  // Makes the folder first: the one beside the registry may not exist yet.
  bool Save(const std::string& path) const {
    std::error_code error;
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    std::string text;
    for (const auto& line : lines_) text += line + "\r\n";
    static std::atomic<unsigned> serial{0};
    const std::string temp = path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(serial++);
    {
      std::ofstream out(temp, std::ios::binary | std::ios::trunc);
      if (!out || !(out << text) || !out.flush()) {
        std::remove(temp.c_str());
        return false;
      }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
      std::remove(temp.c_str());
      return false;
    }
    return true;
  }

 private:
  static constexpr size_t npos = static_cast<size_t>(-1);

  static std::optional<std::string> SectionOf(const std::string& line) {
    const std::string text = Trim(line);
    if (text.size() < 2 || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trim(text.substr(1, close - 1));
  }

  static std::optional<std::pair<std::string, std::string>> EntryOf(const std::string& line) {
    const std::string text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return std::make_pair(Trim(text.substr(0, equals)), Trim(text.substr(equals + 1)));
  }

  // The lines after the section's header up to the next header; npos when
  // there is no such section.
  std::pair<size_t, size_t> SectionRange(const char* section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
      const auto name = SectionOf(lines_[i]);
      if (!name || !SameName(*name, section)) continue;
      size_t end = i + 1;
      while (end < lines_.size() && !SectionOf(lines_[end])) ++end;
      return {i + 1, end};
    }
    return {npos, npos};
  }

  std::optional<size_t> KeyLine(const char* section, const char* key) const {
    const auto [begin, end] = SectionRange(section);
    for (size_t i = begin; begin != npos && i < end; ++i) {
      const auto entry = EntryOf(lines_[i]);
      if (entry && SameName(entry->first, key)) return i;
    }
    return std::nullopt;
  }

  std::vector<std::string> lines_;
};

// Copies one string; a long one is cut to fit. Answers the characters copied.
DWORD CopyOut(const std::string& text, LPSTR buffer, DWORD size) {
  const DWORD length = std::min<DWORD>(static_cast<DWORD>(text.size()), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length;
}

// Copies names each ended by a null and the list by a second one; a list
// that does not fit is cut and answers size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
  std::string joined;
  for (const auto& name : names) joined.append(name).push_back('\0');
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  if (joined.size() + 1 > size) {
    std::memcpy(buffer, joined.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
  }
  std::memcpy(buffer, joined.data(), joined.size());
  buffer[joined.size()] = '\0';
  return static_cast<DWORD>(joined.size());
}

}  // namespace

DWORD WINAPI GetPrivateProfileString(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                                     DWORD nSize, LPCSTR lpFileName) {
  if (!lpReturnedString || nSize == 0 || !lpFileName) return 0;
  const IniFile file(ProfilePath(lpFileName));
  if (!lpAppName) return CopyList(file.SectionNames(), lpReturnedString, nSize);
  if (!lpKeyName) return CopyList(file.KeyNames(lpAppName), lpReturnedString, nSize);
  if (auto value = file.Value(lpAppName, lpKeyName)) return CopyOut(*value, lpReturnedString, nSize);
  std::string fallback = lpDefault ? lpDefault : "";
  fallback.erase(fallback.find_last_not_of(' ') + 1);
  return CopyOut(fallback, lpReturnedString, nSize);
}

UINT WINAPI GetPrivateProfileInt(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
  if (!lpAppName || !lpKeyName || !lpFileName) return static_cast<UINT>(nDefault);
  const auto value = IniFile(ProfilePath(lpFileName)).Value(lpAppName, lpKeyName);
  if (!value) return static_cast<UINT>(nDefault);
  const long number = std::strtol(value->c_str(), nullptr, 10);
  return number < 0 ? 0 : static_cast<UINT>(number);
}

BOOL WINAPI WritePrivateProfileString(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpFileName) return FALSE;
  // Everything null only asks to flush, and nothing is cached.
  if (!lpAppName) return !lpKeyName && !lpString;
  const std::string path = ProfilePath(lpFileName);
  IniFile file(path);
  if (!lpKeyName) {
    file.RemoveSection(lpAppName);
  } else if (!lpString) {
    file.RemoveKey(lpAppName, lpKeyName);
  } else {
    file.Set(lpAppName, lpKeyName, lpString);
  }
  return file.Save(path);
}
