// The grid of the Attributes tab: one row per attribute of the shown
// definition, the attributes of expanded contained business objects inline
// below theirs (tinted and indented), and an empty last row where a new
// attribute is typed. Every field is edited in place; the grid carries the
// tab's row operations and the copy, cut and paste of attribute rows.
//
// A row is found from its texts: column 0 holds its row path (indexes into
// the attribute arrays, "2.3"), column 1 its position path. The model is
// the definitions themselves; every structural change refills the rows.
//
// The grid's sources: AttrGridCtrl.cpp (set-up, type list, commands and
// input), AttrGridFill.cpp (rows), AttrGridEdit.cpp (committing cells),
// AttrGridTree.cpp (expanding, collapsing, sorting), AttrGridRows.cpp (row
// operations), AttrGridClipboard.cpp (copy, cut, paste).
#pragma once

#include <BitmapBtnOwner.h>
#include <HLGrid.h>

#include <vector>

#include "BOColumnTable.h"
#include "DataManager.h"

class COrvexDoc;

class CAttrGridCtrl : public HLGrid, public CBitmapBtnOwner {
  DECLARE_DYNAMIC(CAttrGridCtrl)

 public:
  static constexpr int kIndentStep = 10;
  static constexpr int kMaxLevels = 50;
  static constexpr int kHeaderHeight = 22;
  static constexpr int kRowHeight = 20;
  // Items of the type list before the business-object names.
  static constexpr int kNewBusObjItem = 0;
  static constexpr int kFirstBusObjItem = 8;

  // An attribute row resolved: its definition, the attribute (null for
  // the empty row) and its index in the definition's array.
  struct RowRef {
    ROWCOL nRow = 0;
    CQRBusObjDef* pDef = nullptr;
    CBODefAttr* pAttr = nullptr;
    int nIndex = -1;
  };

  CAttrGridCtrl();
  ~CAttrGridCtrl() override;

  // --- What the host view calls ---------------------------------------
  // Fills the rows again from the definitions.
  void FillGrid();
  void FillTypeList();
  // Puts a business-object name into the type list in sorted place
  // (ignoring case), or takes it out (exact text).
  void InsertTypeName(const CString& name);
  void RemoveTypeName(const CString& name);
  void ExpandAll();
  void CollapseAll();
  // The named contained definition was withdrawn: its expansion, if any
  // row shows it, is collapsed. TRUE when one was.
  BOOL CollapseWithdrawn(const CString& name);
  // Sets the definition and every one reachable through its attributes to
  // "Pos" ascending.
  void SortAllByPosition(CQRBusObjDef* pDef);
  BOOL IsSortedByPosition() const;
  void MoveRowsUp();
  void MoveRowsDown();
  void MoveToParentLevel();
  BOOL CanMoveToParentLevel();
  void SelectAllRows();

  // --- Rows -----------------------------------------------------------
  CQRBusObjDef* GetBODef() const { return m_pBODef; }
  // The last row: where a new attribute is typed.
  ROWCOL GetEmptyRow() { return GetRowCount(); }
  BOOL IsObjectEventIdRow(ROWCOL nRow);
  // The row resolved through its row path; FALSE when it names nothing.
  BOOL ResolveRow(ROWCOL nRow, RowRef& ref);
  CBODefAttr* GetRowAttr(ROWCOL nRow);
  // The row showing the attribute, or 0.
  ROWCOL RowOfAttr(const CBODefAttr* pAttr) const;
  CComboBox* GetTypeList() const;

  void ToggleRowExpansion(ROWCOL nRow) override;

  // The commands of the grid's own command map, also for the host view.
  void InsertAbove();
  void InsertBelow();
  void DeleteSelectedRows();
  BOOL CanInsertAbove();
  BOOL CanInsertBelow();
  BOOL CanDeleteRows();
  BOOL CanCopySelection();
  BOOL CanPasteSelection();
  void CopySelection();
  void CutSelection();
  void PasteSelection();

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;

  afx_msg void OnInsertAbove();
  afx_msg void OnUpdateInsertAbove(CCmdUI* pCmdUI);
  afx_msg void OnInsertBelow();
  afx_msg void OnUpdateInsertBelow(CCmdUI* pCmdUI);
  afx_msg void OnDeleteRows();
  afx_msg void OnUpdateDeleteRows(CCmdUI* pCmdUI);
  afx_msg void OnExpand();
  afx_msg void OnUpdateExpand(CCmdUI* pCmdUI);
  afx_msg void OnCollapse();
  afx_msg void OnUpdateCollapse(CCmdUI* pCmdUI);
  afx_msg void OnOpenInWindow();
  afx_msg void OnUpdateOpenInWindow(CCmdUI* pCmdUI);
  afx_msg void OnEditCopy();
  afx_msg void OnEditCut();
  afx_msg void OnEditPaste();
  afx_msg void OnUpdateCopyOrCut(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePaste(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()

 private:
  struct RowDesc;

  // Set-up.
  void RegisterCellControls();
  WORD EditorId(int kind, int level) const;

  // Rows (AttrGridFill.cpp).
  void CollectRows(CQRBusObjDef* pDef, int level, const CString& rowParent, const CString& posParent,
                   std::vector<RowDesc>& rows);
  RowDesc EmptyRowDesc(const std::vector<RowDesc>& rows);
  void ApplyRow(ROWCOL nRow, const RowDesc& desc);
  void ApplyEmptyRow(ROWCOL nRow, const RowDesc& desc);
  void PutFlags(ROWCOL nRow, const CBODefAttr& attr);
  // Refills and makes the cell current again (without an editor) when
  // the grid still has it.
  void FillGridKeeping(ROWCOL nRow, ROWCOL nCol);
  BOOL IsVisited(const CString& name) const;
  BOOL ResolvePath(const CString& rowPath, BOOL bEmptyRow, RowRef& ref);

  // Editing (AttrGridEdit.cpp).
  BOOL IsEmptyRowDefault(ROWCOL nCol, const CString& text) const;
  CBODefAttr* AppendAttribute(const RowRef& ref);
  static void StoreField(CBODefAttr& attr, ROWCOL nCol, const CString& text);
  // TRUE when the grid was refilled.
  BOOL ChangeType(ROWCOL nRow, const RowRef& ref, CString type);
  BOOL AskNewBusinessObject(CString& name);
  int TypeListIndex(const CString& type) const;

  // Tree (AttrGridTree.cpp).
  BOOL IsOpenInWindow(const CString& name) const;
  // One level: the contained definition is fetched, held for this window
  // and shown; FALSE when the data manager has none.
  BOOL ExpandAttr(CBODefAttr& attr);
  void ExpandSubtree(CQRBusObjDef* pDef);
  void CollapseAttr(CBODefAttr& attr);
  void CollapseSubtree(CQRBusObjDef* pDef);
  void SortByColumn(ROWCOL nCol);
  void ApplySort(CQRBusObjDef* pDef, int column, BOOL descending);
  static void SortAttributes(CQRBusObjDef& def, int column, BOOL descending);
  void SyncSortMarker();

  // Row operations (AttrGridRows.cpp).
  // The whole rows selected (or the current cell's row), resolved, in
  // grid order.
  std::vector<RowRef> SelectedRowRefs(BOOL bCanUseCurrentCell);
  void RemoveAttr(const RowRef& ref);
  void DeleteAttr(const RowRef& ref);
  void InsertNew(BOOL below);
  void MoveSiblings(int step);
  void SelectAttrRows(const std::vector<CBODefAttr*>& attrs);
  void ShowInfo(const char* text);

  // Clipboard (AttrGridClipboard.cpp).
  void CopyRows(BOOL bCut);
  void PasteRows(CQRBusObjDef& source);
  void PasteText();
  void RememberCopyColumn();
  BOOL CurrentColumnAcceptsText();
  // The current cell's text editor while it is open, else null.
  CGXEditControl* TextEditor();

  CView* m_pView = nullptr;
  COrvexDoc* m_pDoc = nullptr;
  CQRBusObjDef* m_pBODef = nullptr;
  CGXComboBoxWnd* m_pTypeList = nullptr;  // the grid's
  // Definitions visited by one fill or expansion, by name.
  CMapStringToPtr m_mapVisited;
  // The attribute each row showed at the last fill (null: the empty row).
  std::vector<CBODefAttr*> m_rowAttrs;
};
