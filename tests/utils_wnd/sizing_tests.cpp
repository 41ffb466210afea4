// CSizingList: anchored controls of a resizable window at several sizes,
// back to the start without drift, the minimum a user can drag to, and
// controls that become windows after the list was made.
#include <SizingList.h>

#include "utils_wnd_fixture.h"

namespace {

using halvane::test::Window;

enum : UINT { IDC_FILL = 1001, IDC_OK = 1002, IDC_RULE = 1003, IDC_LABEL = 1004, IDC_HALF = 1005, IDC_INNER = 1006 };

// A resizable window that lays out its children through its sizing list.
class CResizable : public CWnd {
 public:
  CSizingList m_sizing;

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    m_sizing.ResizeTo(cx, cy);
  }
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI) { m_sizing.ApplyMinDimensions(lpMMI); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CResizable, CWnd)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CRect ChildRect(CWnd& parent, UINT id) {
  CRect rect;
  HWND child = ::GetDlgItem(parent.GetSafeHwnd(), static_cast<int>(id));
  ::GetWindowRect(child, rect);
  parent.ScreenToClient(rect);
  return rect;
}

CRect WindowRect(const CWnd& wnd) {
  CRect rect;
  wnd.GetWindowRect(rect);
  return rect;
}

class SizingTest : public UtilsWndTest {
 protected:
  // A 400 by 300 window with a list filling it, OK in the corner, a rule
  // above the buttons, a centred label and a pane taking half the growth.
  void Build(CResizable& wnd) {
    ASSERT_TRUE(CreateTopLevel(wnd, "Sizing"));
    AddChild(wnd, "STATIC", IDC_FILL, CRect(10, 10, 200, 150));
    AddChild(wnd, "BUTTON", IDC_OK, CRect(300, 220, 375, 243));
    AddChild(wnd, "STATIC", IDC_RULE, CRect(10, 210, 380, 212));
    AddChild(wnd, "STATIC", IDC_LABEL, CRect(150, 160, 250, 180));
    AddChild(wnd, "EDIT", IDC_HALF, CRect(210, 10, 380, 150));
    CSizingList& list = wnd.m_sizing;
    list.Add(CControlSizingDefinition(CSizingList::GetChildItem(&wnd, IDC_FILL, FALSE), 15, 0, 0, FALSE, 532));
    list.Add(CControlSizingDefinition(CSizingList::GetChildItem(&wnd, IDC_OK, FALSE), 10, 0, 0, FALSE, 532));
    list.Add(CControlSizingDefinition(CSizingList::GetChildItem(&wnd, IDC_RULE, FALSE), 11, 0, 0, TRUE, 532));
    list.Add(CControlSizingDefinition(CSizingList::GetChildItem(&wnd, IDC_LABEL, FALSE), 0));
    list.Add(CControlSizingDefinition(CSizingList::GetChildItem(&wnd, IDC_HALF, FALSE),
                                      HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_TOP, 50));
    const CRect window = WindowRect(wnd);
    list.SetContainerInitialSize(window.Size());
    list.SetMinDimensions(window.Width(), window.Height());
  }
  static void AddChild(CWnd& parent, const char* cls, UINT id, const CRect& rect) {
    ASSERT_NE(
        ::CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.Width(), rect.Height(),
                         parent.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr),
        nullptr);
  }
  static void Resize(CWnd& wnd, int cx, int cy) {
    wnd.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

TEST_F(SizingTest, AnchoredControlsFollowTheClientAreaAndComeBackExactly) {
  CResizable wnd;
  Build(wnd);
  CRect client;
  wnd.GetClientRect(client);
  EXPECT_EQ(wnd.m_sizing.GetContainerSize(), client.Size()) << "the window size counts as the client size";
  EXPECT_TRUE(wnd.m_sizing.IsUpToScale(client.Size()));

  Resize(wnd, 500, 350);
  EXPECT_EQ(ChildRect(wnd, IDC_FILL), CRect(10, 10, 300, 200));
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(400, 270, 475, 293));
  EXPECT_EQ(ChildRect(wnd, IDC_RULE), CRect(10, 260, 480, 262));
  EXPECT_EQ(ChildRect(wnd, IDC_LABEL), CRect(200, 185, 300, 205));
  EXPECT_EQ(ChildRect(wnd, IDC_HALF), CRect(210, 10, 430, 150));
  wnd.GetClientRect(client);
  EXPECT_TRUE(wnd.m_sizing.IsUpToScale(client.Width(), client.Height()));
  EXPECT_FALSE(wnd.m_sizing.IsUpToScale(client.Width() + 1, client.Height()));

  Resize(wnd, 450, 320);
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(350, 240, 425, 263));
  Resize(wnd, 400, 300);
  EXPECT_EQ(ChildRect(wnd, IDC_FILL), CRect(10, 10, 200, 150));
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(300, 220, 375, 243));
  EXPECT_EQ(ChildRect(wnd, IDC_RULE), CRect(10, 210, 380, 212));
  EXPECT_EQ(ChildRect(wnd, IDC_LABEL), CRect(150, 160, 250, 180));
  EXPECT_EQ(ChildRect(wnd, IDC_HALF), CRect(210, 10, 380, 150));

  // Minimised: nothing moves, and restoring finds the same places.
  wnd.m_sizing.ResizeTo(0, 0);
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(300, 220, 375, 243));
  wnd.DestroyWindow();
}

TEST_F(SizingTest, TheUserCannotDragTheWindowBelowItsMinimum) {
  CResizable wnd;
  Build(wnd);
  MINMAXINFO mmi{};
  mmi.ptMinTrackSize = {100, 20};
  wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  EXPECT_EQ(mmi.ptMinTrackSize.x, 400);
  EXPECT_EQ(mmi.ptMinTrackSize.y, 300);

  const CRect before = WindowRect(wnd);
  CRect client;
  wnd.GetClientRect(client);
  // From the bottom-right sizing corner, up and left by far more than allowed.
  const POINT corner{client.right + 2, client.bottom + 2};
  robot.drag(Window(wnd.GetSafeHwnd()), corner, POINT{corner.x - 200, corner.y - 150});
  EXPECT_EQ(WindowRect(wnd).Size(), before.Size());
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(300, 220, 375, 243));

  robot.drag(Window(wnd.GetSafeHwnd()), corner, POINT{corner.x + 60, corner.y + 40});
  EXPECT_EQ(WindowRect(wnd).Size(), CSize(before.Width() + 60, before.Height() + 40));
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(360, 260, 435, 283));
  wnd.DestroyWindow();
}

TEST_F(SizingTest, AControlMadeLaterIsTakenAsPlacedForTheFirstLayout) {
  CResizable wnd;
  Build(wnd);
  CWnd page;  // a property page before it is first shown
  wnd.m_sizing.Add(CControlSizingDefinition(&page, HLSIZE_ANCHOR_ALL, 0, 0, FALSE, 532));
  EXPECT_NE(wnd.m_sizing.GetForControl(&page), nullptr);
  EXPECT_FALSE(wnd.m_sizing.GetForControl(&page)->IsMeasured());
  Resize(wnd, 450, 320);
  CRect client;
  wnd.GetClientRect(client);
  EXPECT_TRUE(wnd.m_sizing.IsUpToScale(client.Size())) << "a control that is no window yet does not count";

  // Made where the window's first layout (400 by 300) has it.
  ASSERT_TRUE(page.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 20, 20, 100, 100, wnd.GetSafeHwnd(),
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_INNER))));
  EXPECT_FALSE(wnd.m_sizing.IsUpToScale(client.Size())) << "the new window still needs its measure";
  wnd.m_sizing.ResizeTo(client.Width(), client.Height());
  EXPECT_EQ(ChildRect(wnd, IDC_INNER), CRect(20, 20, 170, 140));
  EXPECT_TRUE(wnd.m_sizing.IsUpToScale(client.Size()));
  Resize(wnd, 500, 350);
  EXPECT_EQ(ChildRect(wnd, IDC_INNER), CRect(20, 20, 220, 170));
  EXPECT_EQ(wnd.m_sizing.GetForControl(page.GetSafeHwnd()), wnd.m_sizing.GetForControl(&page));

  // Something else moves the page; the definition puts it back.
  page.MoveWindow(0, 0, 10, 10);
  wnd.m_sizing.GetForControl(&page)->RestoreLayout();
  EXPECT_EQ(ChildRect(wnd, IDC_INNER), CRect(20, 20, 220, 170));
  page.DestroyWindow();
  wnd.DestroyWindow();
}

TEST_F(SizingTest, ChildItemsAreFoundDirectlyOrDeepAndDefinitionsReplaced) {
  CResizable wnd;
  Build(wnd);
  CWnd page;
  ASSERT_TRUE(page.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, wnd.GetSafeHwnd(), nullptr));
  AddChild(page, "BUTTON", IDC_INNER, CRect(1, 1, 20, 20));
  EXPECT_EQ(CSizingList::GetChildItem(&wnd, IDC_INNER, FALSE), nullptr);
  CWnd* inner = CSizingList::GetChildItem(&wnd, IDC_INNER, TRUE);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(::GetParent(inner->GetSafeHwnd()), page.GetSafeHwnd());
  EXPECT_EQ(CSizingList::GetChildItem(nullptr, IDC_OK, TRUE), nullptr);

  CSizingList& list = wnd.m_sizing;
  const int count = list.GetCount();
  CWnd* ok = CSizingList::GetChildItem(&wnd, IDC_OK, FALSE);
  list.Add(CControlSizingDefinition(ok, HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_TOP));
  EXPECT_EQ(list.GetCount(), count) << "a second definition replaces the first";
  EXPECT_EQ(list.GetForControl(ok)->GetAnchor(), static_cast<UINT>(HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_TOP));
  Resize(wnd, 500, 350);
  EXPECT_EQ(ChildRect(wnd, IDC_OK), CRect(300, 220, 375, 243));
  EXPECT_TRUE(list.Remove(ok));
  EXPECT_FALSE(list.Remove(ok));
  EXPECT_EQ(list.GetForControl(ok), nullptr);
  page.DestroyWindow();
  wnd.DestroyWindow();
}

}  // namespace
