// Look-ups in the session's list of definition names without walking it.
// Callers read and change that list directly, so the index notes the
// list's change count after each change it makes itself and builds itself
// anew when the list changed behind it.
#pragma once

#include <afxcoll.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace dravon {

class NameIndex {
 public:
  explicit NameIndex(CStringList& list) : m_list(list) {}
  NameIndex(const NameIndex&) = delete;
  NameIndex& operator=(const NameIndex&) = delete;

  bool Has(const char* name) const;
  // Appends the name to the list.
  void Add(const char* name);
  // Takes every entry of the name out of the list.
  void Remove(const char* name);

 private:
  void Sync() const;

  CStringList& m_list;
  mutable std::unordered_map<std::string, std::vector<POSITION>> m_positions;
  mutable UINT_PTR m_seen = ~UINT_PTR{0};
};

}  // namespace dravon
