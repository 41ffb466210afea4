// HLControlBar: the product's docking bar (results pane, results bar): a
// control bar with a title, a size of its own when docked and, with the
// Utils style HLCBS_GRIPPER, a gripper at its leading edge.
#pragma once

#include <afxext.h>

// SetHLStyle bits.
#define HLCBS_GRIPPER 0x0001  // a gripper, and room for it in the inside rectangle

class HLControlBar : public CControlBar {
  DECLARE_DYNAMIC(HLControlBar)

 public:
  HLControlBar();
  ~HLControlBar() override;

  // Makes the bar's window, a child of the frame (or other window) that
  // docks it; dwStyle holds window and CBRS_* styles.
  BOOL Create(LPCTSTR lpszTitle, CWnd* pParentWnd, DWORD dwStyle, UINT nID);

  void SetHLStyle(DWORD dwStyle);
  DWORD GetHLStyle() const { return m_dwHLStyle; }

  // The docked size: dFraction of the dock site's client length along its
  // edge (0.75 for three quarters of the width) and nThickness pixels across.
  void SetDockedSize(double dFraction, int nThickness);
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  // Push buttons on the bar follow their commands, as on a dialog bar.
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 private:
  DWORD m_dwHLStyle = 0;
  double m_dFraction = 1.0;
  int m_nThickness = 100;
};
