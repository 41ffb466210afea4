// A resizable wizard sheet laid out by a CSizingList: pages fill the sheet,
// the buttons keep to the bottom-right corner, a page the sheet makes only
// when it is first shown takes the same place, and the minimum holds.
#include <SizingList.h>
#include <afxdlgs.h>

#include "resource.h"
#include "utils_wnd_fixture.h"

namespace {

using halvane::test::Window;
using WizardSizingTest = UtilsWndTest;

constexpr UINT kButtons[] = {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL};

class CStep : public CPropertyPage {
 public:
  explicit CStep(UINT nID) : CPropertyPage(nID) {}
  BOOL OnSetActive() override;
};

class CSizedWizard : public CPropertySheet {
 public:
  CSizedWizard() : CPropertySheet("Wizard") {
    AddPage(&m_one);
    AddPage(&m_two);
    SetWizardMode();
  }
  CSizingList m_sizing;
  CStep m_one{IDD_STEP_ONE};
  CStep m_two{IDD_STEP_TWO};

  BOOL OnInitDialog() override {
    const BOOL result = CPropertySheet::OnInitDialog();
    ModifyStyle(0, WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX, SWP_FRAMECHANGED);
    for (int i = 0; i < GetPageCount(); ++i) m_sizing.Add(CControlSizingDefinition(GetPage(i), 15, 0, 0, FALSE, 532));
    for (UINT id : kButtons)
      if (CWnd* button = CSizingList::GetChildItem(this, id, FALSE))
        m_sizing.Add(CControlSizingDefinition(button, 10, 0, 0, FALSE, 532));
    CRect window;
    GetWindowRect(window);
    m_sizing.SetContainerInitialSize(window.Size());
    m_sizing.SetMinDimensions(window.Width(), window.Height());
    return result;
  }
  // What a page does when it is shown.
  void FitToClient() {
    CRect client;
    GetClientRect(client);
    if (!m_sizing.IsUpToScale(client.Size())) m_sizing.ResizeTo(client.Width(), client.Height());
  }

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    CPropertySheet::OnSize(nType, cx, cy);
    m_sizing.ResizeTo(cx, cy);
  }
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI) { m_sizing.ApplyMinDimensions(lpMMI); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSizedWizard, CPropertySheet)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

BOOL CStep::OnSetActive() {
  static_cast<CSizedWizard*>(GetParent())->FitToClient();
  return CPropertyPage::OnSetActive();
}

CRect RectIn(HWND hWnd, const CWnd& parent) {
  CRect rect;
  ::GetWindowRect(hWnd, rect);
  parent.ScreenToClient(rect);
  return rect;
}

TEST_F(WizardSizingTest, PagesAndButtonsFollowTheSheetAndALatePageFitsToo) {
  CSizedWizard wizard;
  ASSERT_TRUE(wizard.Create());
  ASSERT_EQ(wizard.m_two.GetSafeHwnd(), nullptr) << "the second page is made when it is first shown";
  const CRect pageBefore = RectIn(wizard.m_one.GetSafeHwnd(), wizard);
  HWND next = ::GetDlgItem(wizard.GetSafeHwnd(), ID_WIZNEXT);
  const CRect nextBefore = RectIn(next, wizard);
  CRect window;
  wizard.GetWindowRect(window);

  wizard.SetWindowPos(nullptr, 0, 0, window.Width() + 120, window.Height() + 80, SWP_NOMOVE | SWP_NOZORDER);
  CRect grown = pageBefore;
  grown.right += 120;
  grown.bottom += 80;
  EXPECT_EQ(RectIn(wizard.m_one.GetSafeHwnd(), wizard), grown);
  CRect nextGrown = nextBefore;
  nextGrown.OffsetRect(120, 80);
  EXPECT_EQ(RectIn(next, wizard), nextGrown);

  wizard.SetActivePage(1);
  ASSERT_NE(wizard.m_two.GetSafeHwnd(), nullptr);
  EXPECT_EQ(RectIn(wizard.m_two.GetSafeHwnd(), wizard), grown) << "the late page gets the grown place at once";
  EXPECT_NE(wizard.m_sizing.GetForControl(&wizard.m_two), nullptr);

  // Dragging the corner far in stops at the size the sheet had.
  CRect client;
  wizard.GetClientRect(client);
  const POINT corner{client.right + 2, client.bottom + 2};
  robot.drag(Window(wizard.GetSafeHwnd()), corner, POINT{corner.x - 400, corner.y - 300});
  CRect after;
  wizard.GetWindowRect(after);
  EXPECT_EQ(after.Size(), window.Size());
  EXPECT_EQ(RectIn(wizard.m_two.GetSafeHwnd(), wizard), pageBefore);
  EXPECT_EQ(RectIn(next, wizard), nextBefore);
  robot.snapshot(Window(wizard.GetSafeHwnd()), "wizard_min");
  wizard.DestroyWindow();
}

}  // namespace
