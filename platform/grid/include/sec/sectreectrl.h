// The toolkit's tree control: a tree view with columns under a header,
// multiple selection (Ctrl and Shift), bold items, item images and a
// "mark match" operation that sets apart the items whose text matches a
// pattern. It speaks the tree view's language: HTREEITEM handles,
// TVINSERTSTRUCT, TVE_* codes, TVHT_* hit codes, and WM_NOTIFY TVN_* and
// NM_* notifications to its parent.
#pragma once

#include <memory>
#include <vector>

#include <afxcmn.h>
#include <afxwin.h>
#include <commctrl.h>

namespace sec::tree {
class Model;
struct Item;
}  // namespace sec::tree

// Toolkit styles of the tree, besides the tree view's TVS_* styles.
#define TVXS_MULTISEL 0x0001      // Ctrl and Shift extend the selection
#define TVXS_COLUMNHEADER 0x0002  // the header shows the columns' titles

class SECTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(SECTreeCtrl)

 public:
  SECTreeCtrl();
  ~SECTreeCtrl() override;

  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  DWORD GetTreeCtrlStyles() const { return m_dwTreeStyles; }
  void ModifyTreeCtrlStyles(DWORD dwRemove, DWORD dwAdd);

  // Columns. Column 0 is the tree. A column with a width ratio keeps that
  // share of the client width (plus nExtra pixels, truncated) on resize.
  int InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
  BOOL DeleteColumn(int nCol);
  int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);
  BOOL SetColumnWidthRatio(int nCol, double dRatio, int nExtra = 0);
  CString GetColumnHeading(int nCol) const;
  CWnd* GetHeaderCtrl() const { return CWnd::FromHandle(m_hWndHeader); }

  // Items.
  HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct);
  HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
  HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                       HTREEITEM hInsertAfter = TVI_LAST);
  HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                       LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
  BOOL DeleteItem(HTREEITEM hItem);
  BOOL DeleteAllItems();
  UINT GetCount() const;

  BOOL GetItem(TVITEM* pItem) const;
  BOOL SetItem(TVITEM* pItem);
  CString GetItemText(HTREEITEM hItem, int nCol = 0) const;
  BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) { return SetItemString(hItem, 0, lpszItem); }
  // The text of one column of an item.
  BOOL SetItemString(HTREEITEM hItem, int nCol, LPCTSTR lpszText);
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
  UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
  BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
  BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
  BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
  BOOL ItemHasChildren(HTREEITEM hItem) const;
  // The expand button shown before the children exist (TVIF_CHILDREN).
  BOOL SetItemHasChildren(HTREEITEM hItem, BOOL bHasChildren);
  BOOL SetItemBold(HTREEITEM hItem, BOOL bBold) { return SetItemState(hItem, bBold ? TVIS_BOLD : 0, TVIS_BOLD); }
  BOOL IsItemBold(HTREEITEM hItem) const { return GetItemState(hItem, TVIS_BOLD) != 0; }

  // The normal image list (TVSIL_NORMAL), which stays the caller's; its
  // images are drawn left of the labels.
  CImageList* SetImageList(CImageList* pImageList, int nImageListType);
  CImageList* GetImageList(int nImageListType) const;

  // Traversal.
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
  HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
  HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
  HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
  HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
  HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }

  // Expansion: TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE. As with the tree
  // view, TVN_ITEMEXPANDING and TVN_ITEMEXPANDED come with the first
  // expansion only; the user's clicks and keys always send them.
  BOOL Expand(HTREEITEM hItem, UINT nCode);
  BOOL EnsureVisible(HTREEITEM hItem);
  // The row's rectangle, or with bTextOnly the label's in column 0.
  BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
  // The rectangle of one column's cell of the item.
  BOOL GetItemCellRect(HTREEITEM hItem, int nCol, LPRECT lpRect) const;
  HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr, int* pnCol = nullptr) const;
  HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;

  // Selection. The focus item is the caret; GetSelectedItem answers it
  // when it is selected, as a single-selection tree would.
  BOOL SelectItem(HTREEITEM hItem);
  HTREEITEM GetSelectedItem() const;
  HTREEITEM GetFocusItem() const;
  BOOL SetFocusItem(HTREEITEM hItem);
  // Adds to or removes from the selection without moving the caret.
  BOOL SelectItemEx(HTREEITEM hItem, BOOL bSelect);
  void ClearSelection();
  UINT GetSelectedCount() const;
  // Selected items in display order (parents before children).
  HTREEITEM GetFirstSelectedItem() const;
  HTREEITEM GetNextSelectedItem(HTREEITEM hItem) const;
  std::vector<HTREEITEM> GetSelectedItems() const;

  // Marking: a matching item is highlighted, a marked non-matching one is
  // drawn grey; ClearMarks drops both below hParent (TVI_ROOT: all).
  BOOL MarkItem(HTREEITEM hItem, BOOL bMatch);
  BOOL IsItemMarked(HTREEITEM hItem) const;
  BOOL IsItemMatch(HTREEITEM hItem) const;
  void ClearMarks(HTREEITEM hParent = TVI_ROOT);
  // Marks every child of hParent by whether column nCol matches the
  // pattern ("*" and "?", any case); brings the last match into view and
  // answers it, or NULL when none matched.
  HTREEITEM MarkMatch(HTREEITEM hParent, LPCTSTR lpszPattern, int nCol = 0);

  int GetIndent() const { return m_nIndent; }
  int GetItemHeight() const { return m_cyRow; }
  int GetVisibleCount() const;

 protected:
  DECLARE_MESSAGE_MAP()

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg UINT OnGetDlgCode();
  afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  struct Column {
    CString heading;
    int format = LVCFMT_LEFT;
    int width = 100;
    double ratio = 0;  // 0: fixed width
    int extra = 0;
  };
  // Where the parts of one row lie, in client coordinates.
  struct RowGeometry {
    CRect row;
    CRect button;  // empty without a button
    CRect image;   // empty without an image list
    CRect label;
  };

  // Items (sectreectrl.cpp).
  sec::tree::Item* ItemOf(HTREEITEM hItem) const;
  void DeleteSubtree(sec::tree::Item* pItem);
  // Expansion with or without the notifications; answers whether the
  // state changed.
  BOOL ExpandItem(sec::tree::Item* pItem, UINT nCode, bool bNotify);
  LRESULT NotifyTree(UINT nCode, UINT nAction, const sec::tree::Item* pOld, const sec::tree::Item* pNew) const;
  LRESULT NotifyParent(NMHDR& hdr) const;
  LRESULT NotifySimple(UINT nCode) const;

  // Selection (sectreectrl_select.cpp).
  enum class SelectHow { Single, Toggle, Range, CaretOnly };
  void SelectByUser(sec::tree::Item* pItem, SelectHow how, UINT nAction);
  void SetCaret(sec::tree::Item* pItem, UINT nAction);
  void SelectRange(const sec::tree::Item* pFrom, const sec::tree::Item* pTo);
  void ClearSelectionState();

  // Layout (sectreectrl_layout.cpp).
  void LayoutHeader();
  void ApplyColumnRatios();
  void UpdateColumnsFromHeader();
  void UpdateScrollBar();
  void ScrollToRow(int nTopRow);
  int RowsPerPage() const;
  int RowOf(const sec::tree::Item* pItem) const;
  int ColumnLeft(int nCol) const;
  int TreeColumnRight() const;
  RowGeometry GeometryOf(const sec::tree::Item& item, int nRow) const;
  void RecalcRowHeight();
  void Changed();
  CFont* GetTreeFont() const;
  CFont* GetBoldFont() const;
  int LabelWidth(const sec::tree::Item& item) const;

  // Painting (sectreectrl_paint.cpp).
  void PaintRow(CDC& dc, const sec::tree::Item& item, const RowGeometry& geo);
  void PaintLines(CDC& dc, const sec::tree::Item& item, const RowGeometry& geo);
  void PaintButton(CDC& dc, const sec::tree::Item& item, const RowGeometry& geo);
  void PaintCells(CDC& dc, const sec::tree::Item& item, const RowGeometry& geo);

  // Keyboard (sectreectrl_input.cpp).
  sec::tree::Item* KeyTarget(UINT nChar) const;
  // The next row after the caret (wrapping) whose text starts with the
  // typed prefix.
  sec::tree::Item* FindByPrefix(const CString& prefix, bool bIncludeCaret) const;

  std::unique_ptr<sec::tree::Model> m_pModel;
  std::vector<Column> m_columns;
  DWORD m_dwTreeStyles = 0;
  HWND m_hWndHeader = nullptr;
  HIMAGELIST m_hImageList = nullptr;
  HFONT m_hFont = nullptr;
  mutable CFont m_fontBold;
  sec::tree::Item* m_pCaret = nullptr;
  sec::tree::Item* m_pAnchor = nullptr;
  int m_nTopRow = 0;
  int m_cyRow = 18;
  int m_cyHeader = 0;
  int m_nIndent = 19;
  bool m_bFocused = false;
  CString m_strTyped;      // type-ahead prefix
  DWORD m_dwLastChar = 0;  // tick of the last typed character
  // Deletions under way: the owner may read items in TVN_DELETEITEM but
  // not insert or delete until they are done.
  int m_nDeleting = 0;
};
