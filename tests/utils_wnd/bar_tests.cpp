// HLControlBar: docked at the bottom of a frame at its own share of the
// width and height, with a gripper when asked, its buttons following the
// frame's command handlers.
#include <HLControlBar.h>

#include "utils_wnd_fixture.h"

namespace {

using halvane::test::Window;
using BarTest = UtilsWndTest;

constexpr UINT ID_RESULTS_BAR = 0xE700;
constexpr UINT ID_CLEAR = 32900;
constexpr UINT ID_UNHANDLED = 32901;

class CResultsFrame : public CFrameWnd {
 public:
  HLControlBar m_bar;
  CEdit m_edit;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_bar.Create(this, "", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, CBRS_EX_GRIPPER, ID_RESULTS_BAR)) return -1;
    m_bar.EnableDocking(CBRS_ALIGN_ANY);
    m_bar.SetHLStyle(HLCBS_GRIPPER);
    m_bar.SetDockedSize(0.75f, 130);
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, CRect(10, 10, 100, 100), &m_bar, 1);
    ::CreateWindowEx(0, "BUTTON", "Clear", WS_CHILD | WS_VISIBLE, 110, 10, 60, 20, m_bar.GetSafeHwnd(),
                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_CLEAR)), nullptr, nullptr);
    ::CreateWindowEx(0, "BUTTON", "Other", WS_CHILD | WS_VISIBLE, 110, 40, 60, 20, m_bar.GetSafeHwnd(),
                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_UNHANDLED)), nullptr, nullptr);
    DockControlBar(&m_bar, AFX_IDW_DOCKBAR_BOTTOM);
    return 0;
  }
  afx_msg void OnUpdateClear(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CResultsFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_UPDATE_COMMAND_UI(ID_CLEAR, OnUpdateClear)
END_MESSAGE_MAP()

CResultsFrame* OpenFrame() {
  auto* frame = new CResultsFrame;
  // A frame deletes itself when its window goes (or its creation fails).
  if (!frame->Create(nullptr, "Results", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 420))) return nullptr;
  frame->RecalcLayout();
  return frame;
}

CRect RectInFrame(CWnd& wnd, CWnd& frame) {
  CRect rect;
  wnd.GetWindowRect(rect);
  frame.ScreenToClient(rect);
  return rect;
}

TEST_F(BarTest, TheBarDocksAtTheBottomAtItsShareOfTheWidthAndItsHeight) {
  CResultsFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  CRect client;
  frame->GetClientRect(client);
  const CRect bar = RectInFrame(frame->m_bar, *frame);
  EXPECT_EQ(bar.Height(), 130);
  EXPECT_EQ(bar.Width(), static_cast<int>(client.Width() * 0.75));
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(frame->GetControlBar(ID_RESULTS_BAR), &frame->m_bar);
  robot.snapshot(Window(frame->GetSafeHwnd()), "results_bar");

  frame->SetWindowPos(nullptr, 0, 0, 820, 420, SWP_NOMOVE | SWP_NOZORDER);
  frame->RecalcLayout();
  frame->GetClientRect(client);
  EXPECT_EQ(RectInFrame(frame->m_bar, *frame).Width(), static_cast<int>(client.Width() * 0.75));
  frame->DestroyWindow();
}

TEST_F(BarTest, TheGripperStyleTakesRoomAtTheLeadingEdge) {
  CResultsFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->m_bar.GetHLStyle(), static_cast<DWORD>(HLCBS_GRIPPER));
  EXPECT_NE(frame->m_bar.GetBarStyle() & CBRS_GRIPPER, 0u);
  // The gripper lies in the non-client area, left of the client.
  CRect withGripper;
  frame->m_bar.GetClientRect(withGripper);
  frame->m_bar.SetHLStyle(0);
  EXPECT_EQ(frame->m_bar.GetBarStyle() & CBRS_GRIPPER, 0u);
  CRect plain;
  frame->m_bar.GetClientRect(plain);
  EXPECT_GT(plain.Width(), withGripper.Width());
  EXPECT_EQ(plain.Height(), withGripper.Height());
  frame->DestroyWindow();
}

TEST_F(BarTest, ButtonsOnTheBarFollowTheFramesCommandHandlers) {
  CResultsFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  HWND clear = ::GetDlgItem(frame->m_bar.GetSafeHwnd(), ID_CLEAR);
  HWND other = ::GetDlgItem(frame->m_bar.GetSafeHwnd(), ID_UNHANDLED);
  frame->m_bar.OnUpdateCmdUI(frame, FALSE);
  EXPECT_FALSE(::IsWindowEnabled(clear)) << "its update handler disables it";
  EXPECT_TRUE(::IsWindowEnabled(other)) << "no handler, and none asked for";
  frame->m_bar.OnUpdateCmdUI(frame, TRUE);
  EXPECT_FALSE(::IsWindowEnabled(other));
  EXPECT_TRUE(frame->m_edit.IsWindowEnabled()) << "only buttons take command state";
  frame->DestroyWindow();
}

}  // namespace
