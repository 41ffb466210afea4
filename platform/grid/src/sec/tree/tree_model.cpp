#include "sec/tree/tree_model.h"

#include <algorithm>
#include <cctype>

namespace sec::tree {

CString Item::Text(int column) const {
  if (column < 0 || column >= static_cast<int>(texts.size())) return CString();
  return texts[static_cast<size_t>(column)];
}

void Item::SetText(int column, const CString& text) {
  if (column < 0) return;
  if (column >= static_cast<int>(texts.size())) texts.resize(static_cast<size_t>(column) + 1);
  texts[static_cast<size_t>(column)] = text;
}

int Item::Level() const {
  int level = 1;
  for (const Item* p = parent; p; p = p->parent) ++level;
  return level;
}

Item* Model::Find(HTREEITEM handle) const {
  auto* item = reinterpret_cast<const Item*>(handle);
  return m_live.count(item) ? const_cast<Item*>(item) : nullptr;
}

Item* Model::Insert(Item* parent, HTREEITEM after, std::unique_ptr<Item> item) {
  item->parent = parent;
  auto& level = Siblings(parent);
  auto position = level.end();
  if (after == TVI_FIRST) {
    position = level.begin();
  } else if (after == TVI_SORT) {
    position = std::find_if(level.begin(), level.end(), [&](const std::unique_ptr<Item>& sibling) {
      return sibling->Text(0).Collate(item->Text(0)) > 0;
    });
  } else if (Item* sibling = Find(after); sibling && sibling->parent == parent) {
    position = level.begin() + IndexIn(sibling) + 1;
  }
  Item* raw = item.get();
  level.insert(position, std::move(item));
  m_live.insert(raw);
  return raw;
}

void Model::Erase(Item* item, const std::function<void(Item&)>& onDelete) {
  // Children first, the last one first, as the tree unwinds.
  while (!item->children.empty()) Erase(item->children.back().get(), onDelete);
  onDelete(*item);
  m_live.erase(item);
  auto& level = Siblings(item->parent);
  // The children go last first: no search for those keeps a wide branch linear.
  if (level.back().get() == item)
    level.pop_back();
  else
    level.erase(level.begin() + IndexIn(item));
}

int Model::IndexIn(const Item* item) const {
  const auto& level = Siblings(item->parent);
  auto it = std::find_if(level.begin(), level.end(), [&](const std::unique_ptr<Item>& p) { return p.get() == item; });
  return static_cast<int>(it - level.begin());
}

Item* Model::First(const Item* parent) const {
  const auto& level = Siblings(parent);
  return level.empty() ? nullptr : level.front().get();
}

Item* Model::Next(const Item* item) const {
  const auto& level = Siblings(item->parent);
  size_t index = static_cast<size_t>(IndexIn(item)) + 1;
  return index < level.size() ? level[index].get() : nullptr;
}

Item* Model::Previous(const Item* item) const {
  int index = IndexIn(item);
  return index > 0 ? Siblings(item->parent)[static_cast<size_t>(index) - 1].get() : nullptr;
}

std::vector<Item*> Model::Rows() const {
  std::vector<Item*> rows;
  AppendRows(m_roots, rows);
  return rows;
}

void Model::AppendRows(const std::vector<std::unique_ptr<Item>>& level, std::vector<Item*>& rows) const {
  for (const auto& item : level) {
    rows.push_back(item.get());
    if (item->IsExpanded()) AppendRows(item->children, rows);
  }
}

void Model::ForEach(const std::function<void(Item&)>& visit) const {
  std::function<void(const std::vector<std::unique_ptr<Item>>&)> walk = [&](const auto& level) {
    for (const auto& item : level) {
      visit(*item);
      walk(item->children);
    }
  };
  walk(m_roots);
}

bool WildcardMatch(const char* pattern, const char* text) {
  // Greedy match with one back-track point: the last "*" seen.
  const char* star = nullptr;
  const char* resume = nullptr;
  auto same = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  };
  while (*text) {
    if (*pattern == '*') {
      star = pattern++;
      resume = text;
    } else if (*pattern == '?' || (*pattern && same(*pattern, *text))) {
      ++pattern;
      ++text;
    } else if (star) {
      pattern = star + 1;
      text = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

}  // namespace sec::tree
