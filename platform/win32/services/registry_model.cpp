#include "services/registry_model.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <strings.h>

namespace win32::svc {

namespace {

// Calls `step(component)` for each component of a path.
template <class Step>
bool ForEachComponent(const std::string& path, Step step) {
  for (size_t start = 0;;) {
    const size_t end = path.find('\\', start);
    if (!step(path.substr(start, end == std::string::npos ? std::string::npos : end - start))) return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

}  // namespace

std::string LowerCase(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool HasKnownRoot(const std::string& path) {
  static constexpr std::array<const char*, 4> kRoots = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                                        "HKEY_USERS"};
  const std::string root = path.substr(0, path.find('\\'));
  return std::any_of(kRoots.begin(), kRoots.end(), [&](const char* r) { return strcasecmp(r, root.c_str()) == 0; });
}

RegValue* RegKey::FindValue(const std::string& name) {
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const RegValue& v) { return strcasecmp(v.name.c_str(), name.c_str()) == 0; });
  return it == values.end() ? nullptr : &*it;
}

const std::vector<std::string>& RegKey::SubkeyNames() const {
  if (namesStale_) {
    names_.clear();
    names_.reserve(children_.size());
    for (const auto& [lower, child] : children_) names_.push_back(child->name);
    namesStale_ = false;
  }
  return names_;
}

RegKey* RegModel::Find(const std::string& path) {
  RegKey* key = &roots_;
  const bool found = ForEachComponent(path, [&](const std::string& component) {
    const auto it = key->children_.find(LowerCase(component));
    if (it == key->children_.end()) return false;
    key = it->second.get();
    return true;
  });
  return found ? key : nullptr;
}

bool RegModel::Create(const std::string& path) {
  RegKey* key = &roots_;
  bool made = false;
  ForEachComponent(path, [&](const std::string& component) {
    auto [it, inserted] = key->children_.try_emplace(LowerCase(component));
    if (inserted) {
      it->second = std::make_unique<RegKey>();
      it->second->name = component;
      key->namesStale_ = true;
      made = true;
    }
    key = it->second.get();
    return true;
  });
  return made;
}

bool RegModel::Erase(const std::string& path) {
  const size_t slash = path.rfind('\\');
  RegKey* parent = slash == std::string::npos ? &roots_ : Find(path.substr(0, slash));
  if (parent == nullptr) return false;
  const bool erased = parent->children_.erase(LowerCase(path.substr(slash + 1))) != 0;
  if (erased) parent->namesStale_ = true;
  return erased;
}

}  // namespace win32::svc
