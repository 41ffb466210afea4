// The items of the toolkit tree: a plain ownership tree with the state
// the control draws from. Handles given out are the items' addresses;
// every lookup goes through the set of live items, so a stale handle
// finds nothing instead of freed memory.
#pragma once

#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

#include <afxwin.h>
#include <commctrl.h>

namespace sec::tree {

// How MarkMatch left an item: not marked, matching, or set apart.
enum class Mark { None, Match, NoMatch };

struct Item {
  std::vector<CString> texts;  // one per column, index 0 the tree column
  LPARAM data = 0;
  int image = -1;
  int selectedImage = -1;
  UINT state = 0;             // TVIS_* bits
  bool childrenFlag = false;  // expand button before children exist
  Mark mark = Mark::None;
  Item* parent = nullptr;  // null for top-level items
  std::vector<std::unique_ptr<Item>> children;

  CString Text(int column) const;
  void SetText(int column, const CString& text);
  bool IsExpanded() const { return (state & TVIS_EXPANDED) != 0; }
  bool HasButton() const { return childrenFlag || !children.empty(); }
  int Level() const;  // 1 for top-level items
};

class Model {
 public:
  // Null for null, TVI_ROOT or a handle that is no item (any more).
  Item* Find(HTREEITEM handle) const;
  static HTREEITEM Handle(const Item* item) { return reinterpret_cast<HTREEITEM>(const_cast<Item*>(item)); }

  // Inserts below `parent` (null: top level) after `after` (TVI_FIRST,
  // TVI_LAST, TVI_SORT or a sibling; anything else: last).
  Item* Insert(Item* parent, HTREEITEM after, std::unique_ptr<Item> item);
  // Unlinks the item; `onDelete` sees it and every descendant, deepest
  // first, before they are freed.
  void Erase(Item* item, const std::function<void(Item&)>& onDelete);

  std::vector<std::unique_ptr<Item>>& Siblings(Item* parent) { return parent ? parent->children : m_roots; }
  const std::vector<std::unique_ptr<Item>>& Siblings(const Item* parent) const {
    return parent ? parent->children : m_roots;
  }
  Item* First(const Item* parent) const;
  Item* Next(const Item* item) const;
  Item* Previous(const Item* item) const;
  size_t Count() const { return m_live.size(); }

  // Items whose ancestors are all expanded, top to bottom.
  std::vector<Item*> Rows() const;
  // Every item, parents before children.
  void ForEach(const std::function<void(Item&)>& visit) const;

 private:
  int IndexIn(const Item* item) const;
  void AppendRows(const std::vector<std::unique_ptr<Item>>& level, std::vector<Item*>& rows) const;

  std::vector<std::unique_ptr<Item>> m_roots;
  std::unordered_set<const Item*> m_live;
};

// Whether `text` matches `pattern` with "*" (any run) and "?" (any one
// character), letters compared without regard to case.
bool WildcardMatch(const char* pattern, const char* text);

}  // namespace sec::tree
