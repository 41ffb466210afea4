// Drop-down cells.
//
// CGXComboBox: an edit cell with an arrow button that opens a list of the
// style's choices ("a\nb\n"). Editable unless GXCOMBO_NOTEDITABLE; with
// GXCOMBO_TEXTFIT only a text of the list is stored. The value is the
// chosen text, or its index with GXCOMBO_ZEROBASED / GXCOMBO_ONEBASED.
//
// CGXComboBoxWnd: a real combo-box window over the current cell (created
// with Create(style, id), e.g. WS_VSCROLL|CBS_DROPDOWNLIST|CBS_AUTOHSCROLL).
// It is filled from the choice list unless m_bFillWithChoiceList is FALSE
// (the program fills the window itself); m_bWantArrowKeys lets Up and Down
// change the choice instead of moving the current cell. The value is the
// chosen text, or its index (m_nIndexValue 0 or 1, or the style's user
// attribute GX_IDS_UA_INDEXVALUE "-1", "0", "1").
#pragma once

#include <memory>
#include <vector>

#include "gx/gxedit.h"

namespace gx {
class DropListWindow;
}

// CGXComboBox flags.
constexpr UINT GXCOMBO_NOTEDITABLE = 0x01;
constexpr UINT GXCOMBO_TEXTFIT = 0x02;
constexpr UINT GXCOMBO_ZEROBASED = 0x04;
constexpr UINT GXCOMBO_ONEBASED = 0x08;

// The choice-list drop-down: choices only, the chosen text as value.
constexpr WORD GX_IDS_CTRL_CHOICELIST = GX_IDS_CTRL_TEXTFIT;

// How a drop-down cell stores its choice: "-1" the text, "0" the index
// from 0, "1" the index from 1.
constexpr WORD GX_IDS_UA_INDEXVALUE = 52803;

class CGXComboBox : public CGXEditControl {
  GRID_DECLARE_CONTROL(CGXComboBox)

 public:
  // nListBoxID is taken for the usual signature; the pop-up list needs no id.
  CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID, UINT nFlags = 0);
  ~CGXComboBox() override;

  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
  BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                      const CGXStyle& style) override;
  BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags = GX_UPDATENOW,
                      const CGXStyle* pOldStyle = nullptr) override;
  BOOL OnValidate() override;
  BOOL GetValue(CString& strResult) override;
  void SetValue(LPCTSTR pszRawValue) override;
  void SetActive(BOOL bActive) override;
  BOOL KeyPressed(UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnClickedButton(CGXChild* pChild) override;
  int QueryEndEditing() override;
  void Hide() override;

  // Opens or closes the list of the bound cell.
  void DropDown();
  void CloseUp();
  BOOL IsDroppedDown() const;
  CGXChild* GetArrowButton() const { return m_pArrow; }
  // The list window while it exists (for tests and programs that look at it).
  CListBox* GetListBox() const;

  UINT m_nFlags;

 protected:
  // -1 text, 0 or 1 index values (from the flags).
  int IndexMode() const;
  void OnChoice(int nIndex);

  CGXChild* m_pArrow;
  std::unique_ptr<gx::DropListWindow> m_pList;
};

class CGXComboBoxWnd : public CComboBox, public CGXControl {
  DECLARE_MESSAGE_MAP()
  GRID_DECLARE_CONTROL(CGXComboBoxWnd)

 public:
  // One run-time class answers for the window and the control.
  using CGXControl::IsKindOf;
  explicit CGXComboBoxWnd(CGXGridCore* pGrid);
  ~CGXComboBoxWnd() override;

  // Makes the (hidden) combo-box window, a child of the grid window; made
  // when the control is first bound if the grid has no window yet.
  BOOL Create(DWORD dwStyle, UINT nID);

  void Init(ROWCOL nRow, ROWCOL nCol) override;
  void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
            const CGXStyle* pStandardStyle) override;
  BOOL IsActive() override;
  void SetActive(BOOL bActive) override;
  void Hide() override;
  void Refresh() override;
  BOOL GetValue(CString& strResult) override;
  void SetValue(LPCTSTR pszRawValue) override;
  BOOL GetCurrentText(CString& strResult) override;
  void SetCurrentText(const CString& str) override;
  BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                      const CGXStyle& style) override;
  BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags = GX_UPDATENOW,
                      const CGXStyle* pOldStyle = nullptr) override;
  BOOL Store() override;
  int QueryEndEditing() override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState) override;

  // Whether the window's list is open.
  BOOL IsDroppedDown() const;

  BOOL m_bFillWithChoiceList = TRUE;
  BOOL m_bWantArrowKeys = TRUE;
  int m_nIndexValue = -1;

 protected:
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // -1, 0 or 1 for the cell (style attribute over m_nIndexValue).
  int IndexMode(const CGXStyle& style) const;
  // The list item a stored value stands for, or -1.
  int ItemOfValue(const CGXStyle& style, const CString& value);
  CString ValueOfItem(const CGXStyle& style, int nItem);
  bool ChoicesAsItemData() const;
  void FillFromStyle(const CGXStyle& style);
  void ShowOverCell();
  // Stores the window's choice in the bound cell at once.
  void StoreChoice();

 private:
  BOOL MakeWindow();

  DWORD m_dwCreateStyle = 0;
  UINT m_nCreateID = 0;
  BOOL m_bLoading = FALSE;
  BOOL m_bPendingStore = FALSE;
  // What the window held when it was filled last (for refills).
  CString m_sFilledFrom;
};
