// A multi-column tree: a report-view, owner-drawn list control whose first
// column is drawn as an indented tree with lines and plus/minus boxes,
// offered through a tree-view-like interface (HTREEITEM handles,
// TVINSERTSTRUCT, the TVE_* expand codes).
#pragma once

#include <afxcmn.h>
#include <afxcoll.h>
#include <afxwin.h>

#include <unordered_set>
#include <vector>

class CTreeList;

// One tree item; an HTREEITEM is a CItemDesc*. The array holds the item's
// children (CItemDesc*), which the item owns.
class AFX_EXT_CLASS CItemDesc : public CObArray {
 public:
  explicit CItemDesc(CItemDesc* pParent);
  // Deletes the children without telling anyone: the control tells its
  // OnDeleteItem before it frees items.
  ~CItemDesc() override;
  CItemDesc(const CItemDesc&) = delete;
  CItemDesc& operator=(const CItemDesc&) = delete;

  CItemDesc* GetChild(INT_PTR nIndex) const { return static_cast<CItemDesc*>(GetAt(nIndex)); }
  CItemDesc* GetParent() const { return m_pParent; }
  // Empty for a column that was never set.
  CString GetText(int nColumn) const;
  int GetImage() const { return m_nImage; }
  int GetSelectedImage() const { return m_nSelectedImage; }
  DWORD_PTR GetData() const { return m_dwData; }
  int GetDepth() const { return m_nDepth; }
  BOOL IsShownOnce() const { return m_bShownOnce; }
  BOOL IsExpanded() const { return m_bExpanded; }
  BOOL IsLastChild() const;

 private:
  friend class CTreeList;

  CStringArray m_strTexts;  // by column; 0 is the tree column
  CItemDesc* m_pParent;     // the hidden root for top-level items
  int m_nImage = -1;
  int m_nSelectedImage = -1;
  DWORD_PTR m_dwData = 0;
  int m_nDepth;  // 0 for the hidden root
  BOOL m_bShownOnce = FALSE;
  BOOL m_bExpanded = FALSE;
};

class AFX_EXT_CLASS CTreeList : public CListCtrl {
  DECLARE_DYNAMIC(CTreeList)

 public:
  // Pixels each level indents the tree column.
  static constexpr int kIndent = 12;
  // An item's plus/minus box: this square, its left edge this far left of
  // the item's indent (row left + kIndent * depth).
  static constexpr int kButtonSize = 9;
  static constexpr int kButtonOffset = 12;

  CTreeList();
  ~CTreeList() override;

  // The item becomes the last child of hParent (TVI_ROOT for the top level);
  // hInsertAfter is ignored. Null without a window or for an unknown parent.
  HTREEITEM InsertItem(TVINSERTSTRUCT* pInsert);
  // Non-zero when the item was found and deleted (with its descendants);
  // a stale or foreign handle changes nothing.
  BOOL DeleteItem(HTREEITEM hItem);
  void DeleteChildItemsOf(HTREEITEM hItem);
  void RemoveAllItems();
  BOOL SetItem(HTREEITEM hItem, int nColumn, CString strText);
  // TVE_COLLAPSE, TVE_EXPAND or TVE_TOGGLE; non-zero when the state changed.
  BOOL Expand(HTREEITEM hItem, UINT nCode);

  int GetSelItems(int nMax, HTREEITEM* pItems) const;
  HTREEITEM GetSelectedItem() const;
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  // Null for top-level items.
  HTREEITEM GetParentItem(HTREEITEM hItem) const;
  BOOL IsRootItem(HTREEITEM hItem) const;
  HTREEITEM GetItemAt(CPoint point) const;
  // Non-zero when the item's row is on the visible page; then its bounds.
  BOOL GetItemVisibleRect(HTREEITEM hItem, RECT* pRect) const;
  // Expands the item's collapsed ancestors and selects it alone, in view.
  void ScrollTo(HTREEITEM hItem);
  // Non-zero when the item has a row; then its index.
  BOOL FindItem(HTREEITEM hItem, int& nRow) const;
  // Whether the handle is an item of this control.
  BOOL IsItem(HTREEITEM hItem) const;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  virtual COLORREF GetItemTextNormalColor(HTREEITEM hItem);
  virtual COLORREF GetItemTextSelectedColor(HTREEITEM hItem);
  // After the user expanded or collapsed the item.
  virtual void OnItemExpanded(HTREEITEM hItem);
  // For each item deleted, before its children.
  virtual void OnDeleteItem(HTREEITEM hItem);

 protected:
  // The item of a row, or null.
  CItemDesc* ItemOfRow(int nRow) const;
  // The row's bounds in client coordinates.
  CRect RowRect(int nRow) const;
  // Whether a client point lies in the plus/minus box of the row's item.
  BOOL IsOnButton(int nRow, CPoint point) const;
  // The user's toggle: the item must have children.
  void ToggleByUser(CItemDesc* pItem);

  // Rows select by any of their cells, whether the window is subclassed
  // or made here.
  void PreSubclassWindow() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

  afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnKeyDownNotify(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  friend class CItemDesc;

  CItemDesc* Resolve(HTREEITEM hItem) const;
  static BOOL ShowsChildren(const CItemDesc* pItem);
  BOOL HasRow(const CItemDesc* pItem) const;
  // The number of rows of the item's visible descendants.
  int VisibleDescendantRows(const CItemDesc* pItem) const;
  // Inserts the rows of the item and its visible descendants at nRow;
  // answers the row after them.
  int InsertRows(CItemDesc* pItem, int nRow);
  void InsertRow(CItemDesc* pItem, int nRow);
  void RemoveRows(int nFirst, int nCount);
  BOOL ExpandItem(CItemDesc* pItem);
  BOOL CollapseItem(CItemDesc* pItem);
  static void CollapseDescendants(CItemDesc* pItem);
  // Frees the item (and its descendants) that is no longer in the tree.
  void FreeDetached(CItemDesc* pItem);
  void DrawTreeLines(CDC& dc, const CItemDesc* pItem, const CRect& row);
  void DrawButton(CDC& dc, const CItemDesc* pItem, int nRowLeft, int nMiddle);

  std::unordered_set<const CItemDesc*> m_liveItems;  // every item but the hidden root
  CItemDesc m_root;                                  // depth 0, never shown
  std::vector<CItemDesc*> m_rows;                    // row i shows m_rows[i]
  CPen m_penLines;                                   // inactive caption: tree lines and boxes
  CPen m_penGrid;                                    // inactive caption text: the cell grid
  CBrush m_brushWindow;                              // the boxes' fill
};
