#include "services/registry_model.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <strings.h>

namespace win32::svc {

std::string LowerCase(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool HasKnownRoot(const std::string& path) {
  static constexpr std::array<const char*, 4> kRoots = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                        "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
  const std::string root = path.substr(0, path.find('\\'));
  return std::any_of(kRoots.begin(), kRoots.end(), [&](const char* r) { return strcasecmp(r, root.c_str()) == 0; });
}

RegValue* RegKey::FindValue(const std::string& name) {
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const RegValue& v) { return strcasecmp(v.name.c_str(), name.c_str()) == 0; });
  return it == values.end() ? nullptr : &*it;
}

RegKey* RegModel::Find(const std::string& path) {
  auto it = keys_.find(LowerCase(path));
  return it == keys_.end() ? nullptr : &it->second;
}

bool RegModel::Create(const std::string& path) {
  bool made = false;
  for (size_t end = path.find('\\'); ; end = path.find('\\', end + 1)) {
    const std::string prefix = path.substr(0, end);
    auto [it, inserted] = keys_.try_emplace(LowerCase(prefix));
    if (inserted) {
      it->second.path = prefix;
      made = true;
    }
    if (end == std::string::npos) break;
  }
  return made;
}

bool RegModel::Erase(const std::string& path) { return keys_.erase(LowerCase(path)) != 0; }

std::vector<std::string> RegModel::SubkeyNames(const std::string& path) const {
  const std::string prefix = LowerCase(path) + "\\";
  std::vector<std::string> names;
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix); ++it) {
    const std::string rest = it->second.path.substr(prefix.size());
    if (rest.find('\\') == std::string::npos) names.push_back(rest);
  }
  return names;
}

}  // namespace win32::svc
