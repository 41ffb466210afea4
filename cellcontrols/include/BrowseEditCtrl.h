// CBrowseEditCtrl: the editor of a path, with a browse button at the right
// that picks a file (the open-file dialog) or a folder (the shell's folder
// browser) and makes the chosen path the cell's text.
#pragma once

#include <gxall.h>

class CBrowseEditCtrl : public CGXEditControl {
  GRID_DECLARE_CONTROL(CBrowseEditCtrl)

 public:
  static constexpr int kButtonWidth = 16;
  // The bitmaps' height; the button is drawn that high.
  static constexpr int kBitmapHeight = 15;
  static constexpr int kButtonGap = 3;

  // bFileMode non-zero: a file; 0: a folder.
  CBrowseEditCtrl(BOOL bFileMode, CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_EDIT);

  void Init(ROWCOL nRow, ROWCOL nCol) override;
  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
  void OnClickedButton(CGXChild* pChild) override;

  CRect GetButtonRect(const CRect& rectCell) const;
  CGXChild* GetButton() const { return m_pButton; }
  BOOL IsFileMode() const { return m_bFileMode; }

 private:
  // The chosen path, or empty when the user cancelled.
  CString PickFile();
  CString PickFolder();
  // The picked path becomes the cell's text, stored as the user's change.
  void SetPickedPath(const CString& sPath);

  BOOL m_bFileMode;
  CGXChild* m_pButton;
};
