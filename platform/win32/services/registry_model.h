// The registry as held in memory: every key by its full path (root name
// first), with its values in the order they were made.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "win32/winreg.h"

namespace win32::svc {

struct RegValue {
  std::string name;  // empty: the key's default value
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct RegKey {
  std::string path;  // as first written, e.g. "HKEY_CURRENT_USER\Software\Halvane"
  std::vector<RegValue> values;

  RegValue* FindValue(const std::string& name);
};

// Keys are found without regard to case, as Win32 does; the map's order
// (lower-cased paths) puts every parent before its children.
class RegModel {
 public:
  RegKey* Find(const std::string& path);
  // Makes the key and every missing parent; answers whether it was new.
  bool Create(const std::string& path);
  bool Erase(const std::string& path);
  // The direct subkeys' names, sorted.
  std::vector<std::string> SubkeyNames(const std::string& path) const;
  const std::map<std::string, RegKey>& Keys() const { return keys_; }

 private:
  std::map<std::string, RegKey> keys_;
};

std::string LowerCase(std::string s);
// Whether the first component of `path` is a root key name.
bool HasKnownRoot(const std::string& path);

// The REGEDIT4 text of a model (CR LF lines) and back. Parsing never
// fails: lines it cannot read are skipped.
std::string FormatRegistry(const RegModel& model);
RegModel ParseRegistry(const std::string& text);

}  // namespace win32::svc
