// CDockBar: bars docked on each edge in rows, placed along their row; and
// CDialogBar: a bar from a dialog template whose controls send commands.
#include "bars_fixture.h"

namespace {

using DockBarTest = BarsTest;
using halvane::test::Window;

// The four edges in the order a frame makes them, and the pane that takes
// what they leave.
struct Edges {
  CDockBar top, bottom, left, right;
  CWnd pane;

  bool Create(CWnd& parent) {
    return top.Create(&parent, CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP) &&
           bottom.Create(&parent, CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM) &&
           left.Create(&parent, CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT) &&
           right.Create(&parent, CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT) &&
           pane.Create(nullptr, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &parent, AFX_IDW_PANE_FIRST);
  }
};

bool MakeToolBar(CToolBar& bar, CWnd& parent, UINT nID) {
  return bar.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID) && bar.LoadToolBar(IDR_TOOLS);
}

TEST_F(DockBarTest, BarsDockInRowsAndTheRestGoesToThePane) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Docking", 500, 400));
  Edges edges;
  ASSERT_TRUE(edges.Create(host));
  CToolBar first, second, third;
  ASSERT_TRUE(MakeToolBar(first, host, 0xE810));
  ASSERT_TRUE(MakeToolBar(second, host, 0xE811));
  ASSERT_TRUE(MakeToolBar(third, host, 0xE812));

  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  CRect client;
  host.GetClientRect(&client);
  EXPECT_EQ(RectInParent(edges.pane).top, RectInParent(third).bottom) << "undocked, each bar takes its own strip";

  edges.top.DockControlBar(&first);
  edges.top.DockControlBar(&second);
  EXPECT_EQ(first.GetParent(), &edges.top);
  EXPECT_EQ(first.m_pDockBar, &edges.top);
  EXPECT_EQ(edges.top.GetRowOf(&first), 0);
  EXPECT_EQ(edges.top.GetRowOf(&second), 1) << "without a place a bar starts a row";

  // Dropped to the right of the first bar: same row.
  CRect beside = RectInParent(first);
  beside.OffsetRect(200, 0);
  edges.top.ClientToScreen(&beside);
  edges.top.DockControlBar(&third, &beside);
  EXPECT_EQ(edges.top.GetRowOf(&third), 0);
  EXPECT_EQ(edges.top.GetDockedCount(), 3);

  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  const CRect one = RectInParent(first), two = RectInParent(second), three = RectInParent(third);
  EXPECT_EQ(one.top, 0);
  EXPECT_EQ(two.top, one.bottom);
  EXPECT_EQ(three.top, 0);
  EXPECT_EQ(three.left, 200) << "kept at its place along the row";
  EXPECT_LT(one.Width(), 200) << "docked bars are as long as their buttons";
  const CRect topEdge = RectInParent(edges.top);
  EXPECT_EQ(topEdge, CRect(0, 0, client.right, two.bottom));
  EXPECT_EQ(RectInParent(edges.pane), CRect(0, two.bottom, client.right, client.bottom));
  EXPECT_EQ(RectInParent(edges.bottom).Height(), 0) << "an empty edge takes nothing";

  // On the left edge the bar stands up.
  edges.left.DockControlBar(&second);
  EXPECT_EQ(edges.top.GetDockedCount(), 2);
  EXPECT_EQ(second.GetBarStyle() & CBRS_ALIGN_ANY, static_cast<DWORD>(CBRS_ALIGN_LEFT));
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  const CRect standing = RectInParent(second);
  EXPECT_GT(standing.Height(), standing.Width());
  const CRect leftEdge = RectInParent(edges.left);
  EXPECT_EQ(leftEdge.Width(), standing.Width());
  EXPECT_EQ(leftEdge.top, one.bottom) << "the top edge lost its second row";
  EXPECT_EQ(RectInParent(edges.pane).left, leftEdge.right);

  // A hidden bar gives its room back; a destroyed one leaves its edge.
  second.ShowWindow(SW_HIDE);
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  EXPECT_EQ(RectInParent(edges.pane).left, 0);
  EXPECT_EQ(edges.left.GetDockedCount(), 1);
  EXPECT_EQ(edges.left.GetDockedVisibleCount(), 0);
  third.DestroyWindow();
  EXPECT_EQ(edges.top.GetDockedCount(), 1);
  EXPECT_EQ(third.m_pDockBar, nullptr);
  host.DestroyWindow();
  EXPECT_EQ(first.m_pDockBar, nullptr);
}

TEST_F(DockBarTest, BarsOnTheRightAndBottomEdges) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Edges", 500, 400));
  Edges edges;
  ASSERT_TRUE(edges.Create(host));
  CToolBar right, bottom;
  ASSERT_TRUE(MakeToolBar(right, host, 0xE810));
  ASSERT_TRUE(MakeToolBar(bottom, host, 0xE811));
  edges.right.DockControlBar(&right);
  edges.bottom.DockControlBar(&bottom);
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);

  CRect client;
  host.GetClientRect(&client);
  const CRect rightEdge = RectInParent(edges.right), bottomEdge = RectInParent(edges.bottom);
  EXPECT_EQ(bottomEdge.bottom, client.bottom);
  EXPECT_EQ(bottomEdge.Width(), client.Width());
  EXPECT_EQ(rightEdge.right, client.right);
  EXPECT_EQ(rightEdge.bottom, bottomEdge.top) << "the bottom edge is laid out before the sides";
  EXPECT_EQ(RectInParent(edges.pane), CRect(0, 0, rightEdge.left, bottomEdge.top));
  host.DestroyWindow();
}

TEST_F(DockBarTest, ADialogBarSendsItsControlsCommandsToTheOwner) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Search"));
  CDialogBar bar;
  EXPECT_FALSE(bar.Create(&host, 999, CBRS_TOP, 0xE820)) << "no such template";
  ASSERT_TRUE(bar.Create(&host, IDD_SEARCHBAR, WS_VISIBLE | CBRS_TOP, 0xE820));
  EXPECT_EQ(bar.GetDlgCtrlID(), 0xE820);
  EXPECT_GT(bar.m_sizeDefault.cx, 0);
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  CRect client;
  host.GetClientRect(&client);
  EXPECT_EQ(RectInParent(bar).Width(), client.Width());

  CWnd* go = bar.GetDlgItem(IDC_SEARCH_GO);
  ASSERT_NE(go, nullptr);
  robot.click(Window(go->m_hWnd));
  EXPECT_EQ(host.commands, (std::vector<UINT>{IDC_SEARCH_GO}));
  host.DestroyWindow();
}

}  // namespace
