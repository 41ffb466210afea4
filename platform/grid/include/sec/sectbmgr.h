// The toolkit's toolbar manager: the frame's toolbars by id and title,
// each made from a TOOLBAR resource, dockable on the sides it allows and
// docked where it starts, shown or hidden by id or by a toggle command.
#pragma once

#include <memory>
#include <vector>

#include <afxext.h>

class SECToolBarManager : public CCmdTarget {
  DECLARE_DYNAMIC(SECToolBarManager)

 public:
  explicit SECToolBarManager(CFrameWnd* pOwner);
  ~SECToolBarManager() override;
  SECToolBarManager(const SECToolBarManager&) = delete;
  SECToolBarManager& operator=(const SECToolBarManager&) = delete;

  CFrameWnd* GetOwner() const { return m_pOwner; }

  // Makes the toolbar nID titled lpszTitle from the TOOLBAR resource
  // nIDResource in the owner (which must have its window), lets it dock
  // on dwAlignment and docks it on nDockBarID. FALSE when the resource or
  // the bar cannot be made, or the id is taken.
  BOOL DefineDefaultToolBar(UINT nID, LPCTSTR lpszTitle, UINT nIDResource, DWORD dwAlignment = CBRS_ALIGN_ANY,
                            UINT nDockBarID = AFX_IDW_DOCKBAR_TOP,
                            DWORD dwStyle = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER);

  int GetToolBarCount() const { return static_cast<int>(m_bars.size()); }
  CToolBar* GetToolBar(UINT nID) const;
  CToolBar* FindToolBar(LPCTSTR lpszTitle) const;
  BOOL ShowToolBar(UINT nID, BOOL bShow);
  BOOL IsToolBarVisible(UINT nID) const;
  // The command nIDCommand shows or hides toolbar nIDToolBar; its menu
  // item is checked while the toolbar is visible.
  BOOL SetToggleCommand(UINT nIDCommand, UINT nIDToolBar);
  // Tool tips on or off for every toolbar.
  void EnableToolTips(BOOL bEnable);

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

 private:
  struct Bar {
    UINT nID;
    CString title;
    UINT nDockBarID;
    std::unique_ptr<CToolBar> pBar;
  };
  struct Toggle {
    UINT nIDCommand;
    UINT nIDToolBar;
  };

  void DockBeside(CToolBar& bar, UINT nDockBarID);

  CFrameWnd* m_pOwner;
  std::vector<Bar> m_bars;
  std::vector<Toggle> m_toggles;
};
