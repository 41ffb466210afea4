// CGXEditControl: in-place editing in a CEdit child of the grid. Typing
// on a current cell opens it with the typed character; Escape cancels;
// Enter, Tab and moving to another cell store.
#pragma once

#include "gx/gxcontrol.h"

class CGXEditControl : public CEdit, public CGXControl {
  DECLARE_MESSAGE_MAP()
  GRID_DECLARE_CONTROL(CGXEditControl)

 public:
  // One run-time class answers for the window and the control.
  using CGXControl::IsKindOf;
  CGXEditControl(CGXGridCore* pGrid, UINT nID);
  ~CGXEditControl() override;

  void Init(ROWCOL nRow, ROWCOL nCol) override;
  void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
            const CGXStyle* pStandardStyle) override;
  BOOL IsActive() override;
  void SetActive(BOOL bActive) override;
  BOOL GetModify() override;
  void SetModify(BOOL bModified) override;
  void Hide() override;
  void Refresh() override;
  BOOL GetValue(CString& strResult) override;
  void SetValue(LPCTSTR pszRawValue) override;
  BOOL GetCurrentText(CString& strResult) override;
  void SetCurrentText(const CString& str) override;
  BOOL Store() override;
  BOOL OnStartEditing() override;
  void OnCancelEditing() override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;

  // Selection of the editor's text (no editor: 0, 0).
  void GetSel(int& nStart, int& nEnd) const;
  void SetSel(int nStart, int nEnd, BOOL bNoScroll = FALSE);
  void SetCaretToEnd();
  void ScrollCaret();
  BOOL HasSelectedText() const;
  // The editor window (null until the first activation).
  CEdit* GetEditWnd() { return m_hWnd ? this : nullptr; }

 protected:
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnChange();
  afx_msg void OnKillFocus(CWnd* pNewWnd);

  // Creates the window on first use; positions and shows it over the cell.
  void ShowEditor();
  // Puts text into the window without counting it as the user's change.
  void LoadText(const CString& sText);
  CRect EditorRect();

 private:
  UINT m_nEditID;
  BOOL m_bLoading = FALSE;
  CFont m_font;
};
