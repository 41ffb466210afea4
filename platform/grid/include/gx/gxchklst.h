// CGXCheckListComboBox: a drop-down cell whose list marks any number of
// the style's choices. The value is the decimal bit mask of the marked
// items (item 0 is bit 0); the cell shows the marked texts joined by ", ".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gx/gxcontrol.h"

namespace gx {
class DropListWindow;
}

class CGXCheckListComboBox : public CGXControl {
  GRID_DECLARE_CONTROL(CGXCheckListComboBox)

 public:
  explicit CGXCheckListComboBox(CGXGridCore* pGrid);
  ~CGXCheckListComboBox() override;

  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
  BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                      const CGXStyle& style) override;
  BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags = GX_UPDATENOW,
                      const CGXStyle* pOldStyle = nullptr) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnClickedButton(CGXChild* pChild) override;
  int QueryEndEditing() override;
  void Hide() override;
  void SetActive(BOOL) override {}

  void DropDown();
  BOOL IsDroppedDown() const;
  CListBox* GetListBox() const;

  // The mask text of a set of marked items and back (bits past 31 ignored).
  static CString MaskOf(const std::vector<int>& items);
  static std::vector<int> ItemsOf(LPCTSTR pszMask, size_t nItems);

 protected:
  void OnChosen(const std::vector<int>& items);

  CGXChild* m_pArrow;
  std::unique_ptr<gx::DropListWindow> m_pList;
};
