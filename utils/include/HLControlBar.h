// HLControlBar: the product's docking bar (results pane, results bar), the
// toolkit's docking bar with the Utils style word: HLCBS_GRIPPER shows the
// gripper, and push buttons on the bar follow their commands.
#pragma once

#include <secall.h>

// SetHLStyle bits.
#define HLCBS_GRIPPER 0x0001  // the toolkit's gripper at the bar's near end

class AFX_EXT_CLASS HLControlBar : public SECControlBar {
  DECLARE_DYNAMIC(HLControlBar)

 public:
  HLControlBar();
  ~HLControlBar() override;

  void SetHLStyle(DWORD dwStyle);
  DWORD GetHLStyle() const { return m_dwHLStyle; }

  // Push buttons on the bar follow their commands, as on a dialog bar.
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 private:
  DWORD m_dwHLStyle = 0;
};
