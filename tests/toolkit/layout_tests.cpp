// The layout manager: a button anchored to the bottom-right corner and a
// grid stretching with its parent as the parent is resized.
#include <secall.h>

#include "toolkit_fixture.h"

namespace {

constexpr UINT kGrid = 1019;
constexpr UINT kLoad = 1020;

// A view-like parent that lays its children out on every WM_SIZE.
class LaidOutWnd : public CWnd {
 public:
  SECLayoutManager layout;

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    layout.RecalcLayout(cx, cy);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LaidOutWnd, CWnd)
  ON_WM_SIZE()
END_MESSAGE_MAP()

class LayoutTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Layout", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
    ASSERT_TRUE(
        grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(5, 5, 300, 250), &parent, kGrid));
    ASSERT_TRUE(load.Create("Load", WS_CHILD | WS_VISIBLE, CRect(310, 220, 390, 245), &parent, kLoad));
    ASSERT_TRUE(parent.layout.Init(&parent));
  }
  void TearDown() override {
    parent.DestroyWindow();
    ToolkitTest::TearDown();
  }
  CRect In(CWnd& child) {
    CRect rc;
    child.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    return rc;
  }
  void Resize(int cx, int cy) { parent.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE); }

  LaidOutWnd parent;
  CListBox grid;
  CButton load;
};

TEST_F(LayoutTest, TheGridStretchesAndTheButtonKeepsItsCorner) {
  ASSERT_NE(parent.layout.AddControl(kGrid, SEC_ANCHOR_ALL), nullptr);
  ASSERT_NE(parent.layout.AddControl(kLoad, SEC_ANCHOR_BOTTOMRIGHT), nullptr);
  EXPECT_EQ(parent.layout.GetNodeCount(), 2);
  Resize(500, 360);
  EXPECT_EQ(In(grid), CRect(5, 5, 400, 310));
  EXPECT_EQ(In(load), CRect(410, 280, 490, 305));
  Resize(350, 280);
  EXPECT_EQ(In(grid), CRect(5, 5, 250, 230));
  EXPECT_EQ(In(load), CRect(260, 200, 340, 225));
}

TEST_F(LayoutTest, OneSidedAndFreeAnchorsAndTheMinimumSize) {
  SECLayoutNode* node = parent.layout.AddWindow(&grid, SEC_ANCHOR_TOPLEFT);
  ASSERT_NE(node, nullptr);
  parent.layout.AddWindow(&load, 0);
  parent.layout.SetMinimumSize(CSize(300, 200));
  Resize(800, 600);
  EXPECT_EQ(In(grid), CRect(5, 5, 300, 250)) << "top-left only: it stays";
  // No anchor: the centre keeps its share, the size its pixels.
  EXPECT_EQ(In(load).Width(), 80);
  EXPECT_NEAR(In(load).CenterPoint().x, 350 * 2, 1);
  node->SetAnchor(SEC_ANCHOR_ALL);
  Resize(100, 80);
  EXPECT_EQ(In(grid), CRect(5, 5, 200, 150)) << "laid out for the minimum size";
}

TEST_F(LayoutTest, StrangersAndDestroyedChildrenAreLeftAlone) {
  CWnd other;
  ASSERT_TRUE(other.CreateEx(0, nullptr, "Other", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
  EXPECT_EQ(parent.layout.AddWindow(&other, SEC_ANCHOR_ALL), nullptr) << "not a child of the parent";
  EXPECT_EQ(parent.layout.AddControl(4242, SEC_ANCHOR_ALL), nullptr);
  EXPECT_EQ(parent.layout.AddWindow(nullptr, SEC_ANCHOR_ALL), nullptr);
  parent.layout.AddControl(kGrid, SEC_ANCHOR_ALL);
  parent.layout.AddControl(kLoad, SEC_ANCHOR_BOTTOMRIGHT);
  load.DestroyWindow();
  Resize(450, 330);
  EXPECT_EQ(In(grid), CRect(5, 5, 350, 280));
  EXPECT_TRUE(parent.layout.RemoveWindow(&grid));
  EXPECT_EQ(parent.layout.GetNodeCount(), 1);
  other.DestroyWindow();
}

}  // namespace
