// CDropGridCtrl: an editor cell whose arrow button drops down a one-column
// grid (CDropDownGridWnd) for typing a list of values. When the pop-up
// closes, its non-empty rows become the value list, which the owner of the
// grid reads and fills (GetValueList); the pop-up shows the list again the
// next time it opens.
#pragma once

#include <gxall.h>

#include <memory>

#include "DropDownGridWnd.h"

class CDropGridCtrl : public CGXEditControl {
  DECLARE_MESSAGE_MAP()
  GRID_DECLARE_CONTROL(CDropGridCtrl)

 public:
  static constexpr int kTextMargin = 15;
  static constexpr int kArrowWidth = 16;
  static constexpr int kArrowMaxHeight = 18;
  static constexpr int kPopupWidth = 201;
  static constexpr int kPopupHeight = 200;

  // nCallerValue is kept for the caller (GetCallerValue).
  explicit CDropGridCtrl(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_EDIT, UINT nCallerValue = 0);

  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
  void OnClickedButton(CGXChild* pChild) override;
  // While the pop-up is shown: closes it (collecting its values) and
  // answers GX_ENDEDIT_DONE.
  int QueryEndEditing() override;
  // Leaving the cell closes a pop-up that is still shown.
  void Hide() override;

  CRect GetArrowRect(const CRect& rectCell) const;
  CGXChild* GetArrowButton() const { return m_pArrow; }
  // The values collected from the pop-up.
  CStringArray& GetValueList() { return m_valueList; }
  UINT GetCallerValue() const { return m_nCallerValue; }
  // The pop-up while it is shown, else null.
  CDropDownGridWnd* GetDropDown() const { return m_pDropDown.get(); }

 protected:
  afx_msg LRESULT OnDropGridEnd(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDropGridDeactivated(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDropGridIgnored(WPARAM wParam, LPARAM lParam);

 private:
  void DropDown();
  // Whether a message's wParam names the pop-up shown now.
  BOOL IsAboutShownDropDown(WPARAM wParam) const;
  // Collects the values and destroys the pop-up (bStorePending: its editor's text first).
  void CloseDropDown(BOOL bStorePending);
  // Closes a shown pop-up through the control's own message.
  void EndDropDown();

  UINT m_nCallerValue;
  CGXChild* m_pArrow;
  // Goes with the control, so a pop-up still shown then is destroyed.
  std::unique_ptr<CDropDownGridWnd> m_pDropDown;
  CStringArray m_valueList;
};
