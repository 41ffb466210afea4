#include "session/NameIndex.h"

namespace dravon {

void NameIndex::Sync() const {
  if (m_seen == m_list.GetChangeCount()) return;
  m_positions.clear();
  for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr;) {
    const POSITION at = pos;
    m_positions[std::string(m_list.GetNext(pos))].push_back(at);
  }
  m_seen = m_list.GetChangeCount();
}

bool NameIndex::Has(const char* name) const {
  Sync();
  return m_positions.count(name) != 0;
}

void NameIndex::Add(const char* name) {
  Sync();
  m_positions[name].push_back(m_list.AddTail(name));
  m_seen = m_list.GetChangeCount();
}

void NameIndex::Remove(const char* name) {
  Sync();
  const auto it = m_positions.find(name);
  if (it == m_positions.end()) return;
  for (POSITION at : it->second) m_list.RemoveAt(at);
  m_positions.erase(it);
  m_seen = m_list.GetChangeCount();
}

}  // namespace dravon
