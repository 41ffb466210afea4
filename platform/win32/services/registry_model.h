// The registry as held in memory: a tree of keys under the root keys,
// each key with its values in the order they were made. Every operation
// costs in proportion to the length of the path it walks, so deep keys
// and keys with many subkeys stay cheap.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win32/winreg.h"

namespace win32::svc {

struct RegValue {
  std::string name;  // empty: the key's default value
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

class RegKey {
 public:
  std::string name;  // as first written, e.g. "Halvane"
  std::vector<RegValue> values;

  RegValue* FindValue(const std::string& name);
  // The direct subkeys' names, sorted without regard to case.
  const std::vector<std::string>& SubkeyNames() const;
  bool HasSubkeys() const { return !children_.empty(); }

 private:
  friend class RegModel;
  // Subkeys by lower-cased name.
  std::map<std::string, std::unique_ptr<RegKey>> children_;
  mutable std::vector<std::string> names_;  // SubkeyNames, made again after a change
  mutable bool namesStale_ = true;
};

// Keys are found without regard to case, as Win32 does.
class RegModel {
 public:
  RegKey* Find(const std::string& path);
  // Makes the key and every missing parent; answers whether it was new.
  bool Create(const std::string& path);
  // Removes the key and what is below it.
  bool Erase(const std::string& path);
  // Calls `visit(path, key)` for every key, parents before children and
  // siblings in the order of SubkeyNames.
  template <class Visit>
  void ForEach(Visit visit) const;

 private:
  template <class Visit>
  static void Walk(const RegKey& key, std::string& path, Visit& visit);
  RegKey roots_;  // the root keys are its subkeys
};

template <class Visit>
void RegModel::Walk(const RegKey& key, std::string& path, Visit& visit) {
  for (const auto& [lower, child] : key.children_) {
    const size_t length = path.size();
    if (length != 0) path += '\\';
    path += child->name;
    visit(path, *child);
    Walk(*child, path, visit);
    path.resize(length);
  }
}

template <class Visit>
void RegModel::ForEach(Visit visit) const {
  std::string path;
  Walk(roots_, path, visit);
}

std::string LowerCase(std::string s);
// Whether the first component of `path` is a root key name.
bool HasKnownRoot(const std::string& path);

// The REGEDIT4 text of a model (CR LF lines) and back. Parsing never
// fails: lines it cannot read are skipped, and `clean` tells whether there
// were any (or whether the text was no REGEDIT4 file at all).
std::string FormatRegistry(const RegModel& model);
RegModel ParseRegistry(const std::string& text, bool& clean);

}  // namespace win32::svc
