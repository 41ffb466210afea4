// CDropDownGridWnd: the pop-up of a CDropGridCtrl cell, a one-column grid
// in which the user types a list of values. Its last row is always empty,
// so the list can grow; moving off the end of the list or losing the
// activation tells the owning control, which collects the values and
// closes the pop-up.
#pragma once

#include <HLGrid.h>

class CDropGridCtrl;

// Messages to the window of a CDropGridCtrl. wParam: the pop-up they are
// about (0: whichever is shown); a message about a pop-up that is already
// gone is ignored.
// The pop-up stores its pending edit; the values are collected and the pop-up closes.
constexpr UINT WM_DROPGRID_END = 0x7AD;
// The pop-up lost the activation: the values are collected and the pop-up closes.
constexpr UINT WM_DROPGRID_DEACTIVATED = 0x7B8;
// Taken and ignored.
constexpr UINT WM_DROPGRID_IGNORED = 0x7C3;

class CDropDownGridWnd : public HLGrid {
  DECLARE_MESSAGE_MAP()

 public:
  static constexpr int kValueColWidth = 100;

  CDropDownGridWnd() = default;

  // The control that opened this pop-up and hears its messages.
  void SetOwnerControl(CDropGridCtrl* pOwner) { m_pOwner = pOwner; }
  CDropGridCtrl* GetOwnerControl() const { return m_pOwner; }

  // The values, one a row, and the empty row below them, which is current.
  void SetValues(const CStringArray& values);
  // The texts of the rows that are not empty, in row order.
  void GetValues(CStringArray& values);

  void OnGridInitialUpdate() override;
  BOOL OnTextChangedRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL MoveCurrentCell(int direction, UINT nCell = 1, UINT flags = GX_UPDATENOW) override;

 protected:
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

 private:
  void PostToOwner(UINT nMessage);

  CDropGridCtrl* m_pOwner = nullptr;
};
