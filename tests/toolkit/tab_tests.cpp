// The tab window as a frame's first pane: tabs made from a class or given
// as windows, activation by click and keys, the active window filling the
// area above the strip, removal and ownership.
#include <secall.h>

#include <string>
#include <vector>

#include "toolkit_fixture.h"

namespace {

using halvane::test::Window;

// A page made by class, as a frame's creation context would make a view.
class PageWnd : public CWnd {
  DECLARE_DYNCREATE(PageWnd)

 public:
  static int s_nAlive;
  PageWnd() { ++s_nAlive; }
  ~PageWnd() override { --s_nAlive; }
};
int PageWnd::s_nAlive = 0;
IMPLEMENT_DYNCREATE(PageWnd, CWnd)

class TabTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ASSERT_TRUE(halvane::test::CreateTopLevel(host, "Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 300));
    ASSERT_TRUE(tabs.Create(&host));
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    tabs.SetFontActiveTab(&font);
    tabs.SetFontInactiveTab(&font);
  }
  void TearDown() override {
    host.DestroyWindow();
    ToolkitTest::TearDown();
  }
  void ClickTab(int index) {
    CRect rc = tabs.GetTabRect(index);
    ASSERT_FALSE(rc.IsRectEmpty());
    robot.click(Window(tabs.m_hWnd), rc.CenterPoint());
  }

  CWnd host;
  SECTabWnd tabs;
  CFont font;
};

TEST_F(TabTest, APaneWithThreeTabsAlongTheBottom) {
  EXPECT_EQ(tabs.GetStyle(), 0x50010D20u);
  EXPECT_EQ(tabs.GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
  EXPECT_EQ(tabs.GetTabCount(), 0);
  EXPECT_EQ(tabs.GetActiveTab(), -1);
  CWnd* general = tabs.AddTab(RUNTIME_CLASS(PageWnd), "General");
  CWnd* attributes = tabs.AddTab(RUNTIME_CLASS(PageWnd), "Attributes");
  ASSERT_NE(general, nullptr);
  ASSERT_NE(attributes, nullptr);
  EXPECT_TRUE(general->IsKindOf(RUNTIME_CLASS(PageWnd)));
  CEdit notes;
  ASSERT_TRUE(notes.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &host, 77));
  ASSERT_TRUE(tabs.AddTab(&notes, "Notes"));
  EXPECT_FALSE(tabs.AddTab(&notes, "Again")) << "a window is in one tab only";
  EXPECT_FALSE(tabs.AddTab(&host, "Host")) << "not its own parent";
  EXPECT_FALSE(tabs.AddTab(&tabs, "Itself"));
  EXPECT_EQ(notes.GetParent(), &tabs);
  EXPECT_EQ(tabs.GetTabCount(), 3);
  EXPECT_EQ(tabs.GetActiveTab(), 0) << "the first tab becomes active";
  EXPECT_EQ(tabs.GetTabLabel(1), CString("Attributes"));
  EXPECT_EQ(tabs.GetTabWnd(2), &notes);
  EXPECT_EQ(tabs.FindTab(attributes), 1);
  EXPECT_TRUE(general->IsWindowVisible());
  EXPECT_FALSE(attributes->IsWindowVisible());
  EXPECT_FALSE(notes.IsWindowVisible());

  CRect client, area, strip;
  tabs.GetClientRect(&client);
  area = tabs.GetClientArea();
  for (int i = 0; i < 3; ++i) {
    CRect rc = tabs.GetTabRect(i);
    EXPECT_GE(rc.top, area.bottom - 1) << "tab " << i << " lies below the windows";
    EXPECT_LE(rc.bottom, client.bottom);
  }
  EXPECT_LT(tabs.GetTabRect(0).right, tabs.GetTabRect(2).left + 2) << "side by side, in order";
  CRect placed;
  general->GetWindowRect(&placed);
  tabs.ScreenToClient(&placed);
  EXPECT_EQ(placed, area) << "the active window fills the area";
  LPCTSTR label = nullptr;
  BOOL selected = FALSE;
  CWnd* wnd = nullptr;
  void* extra = this;
  ASSERT_TRUE(tabs.GetTabInfo(1, label, selected, wnd, extra));
  EXPECT_STREQ(label, "Attributes");
  EXPECT_FALSE(selected);
  EXPECT_EQ(wnd, attributes);
  EXPECT_EQ(extra, nullptr);
  EXPECT_FALSE(tabs.GetTabInfo(3, label, selected, wnd, extra));
  EXPECT_EQ(tabs.GetFontActiveTab(), &font);
  robot.snapshot(Window(host.m_hWnd), "tab_window_three_tabs");
}

TEST_F(TabTest, ClicksAndArrowKeysActivateTabs) {
  CWnd* first = tabs.AddTab(RUNTIME_CLASS(PageWnd), "First");
  CWnd* second = tabs.AddTab(RUNTIME_CLASS(PageWnd), "Second");
  CWnd* third = tabs.AddTab(RUNTIME_CLASS(PageWnd), "Third");
  ClickTab(2);
  EXPECT_EQ(tabs.GetActiveTab(), 2);
  EXPECT_EQ(tabs.GetActiveWnd(), third);
  EXPECT_TRUE(third->IsWindowVisible());
  EXPECT_FALSE(first->IsWindowVisible());
  EXPECT_EQ(CWnd::GetFocus(), &tabs);
  robot.key(VK_RIGHT);
  EXPECT_EQ(tabs.GetActiveTab(), 0) << "Right wraps to the first tab";
  robot.key(VK_LEFT);
  robot.key(VK_LEFT);
  EXPECT_EQ(tabs.GetActiveTab(), 1);
  EXPECT_TRUE(second->IsWindowVisible());
  CWnd* active = nullptr;
  EXPECT_TRUE(tabs.GetActiveTab(active));
  EXPECT_EQ(active, second);
  EXPECT_TRUE(tabs.ActivateTab(first));
  EXPECT_EQ(tabs.GetActiveTab(), 0);
  EXPECT_FALSE(tabs.ActivateTab(7));
  EXPECT_EQ(tabs.GetActiveTab(), 0);
}

TEST_F(TabTest, RemovingTabsDestroysOnlyTheWindowsItMade) {
  const int before = PageWnd::s_nAlive;
  CWnd* made = tabs.AddTab(RUNTIME_CLASS(PageWnd), "Made");
  HWND madeWnd = made->GetSafeHwnd();
  CEdit borrowed;
  ASSERT_TRUE(borrowed.Create(WS_CHILD, CRect(0, 0, 10, 10), &tabs, 78));
  ASSERT_TRUE(tabs.AddTab(&borrowed, "Borrowed"));
  tabs.AddTab(RUNTIME_CLASS(PageWnd), "Last");
  EXPECT_EQ(PageWnd::s_nAlive, before + 2);
  tabs.ActivateTab(1);
  ASSERT_TRUE(tabs.RemoveTab(0));
  EXPECT_FALSE(::IsWindow(madeWnd));
  EXPECT_EQ(PageWnd::s_nAlive, before + 1) << "the window it made is gone with its object";
  EXPECT_EQ(tabs.GetActiveTab(), 0) << "the active tab moved down one place";
  EXPECT_EQ(tabs.GetActiveWnd(), &borrowed);
  ASSERT_TRUE(tabs.RemoveTab(&borrowed));
  EXPECT_TRUE(::IsWindow(borrowed.m_hWnd)) << "a borrowed window stays";
  EXPECT_FALSE(borrowed.IsWindowVisible());
  EXPECT_EQ(tabs.GetTabCount(), 1);
  EXPECT_EQ(tabs.GetTabLabel(tabs.GetActiveTab()), CString("Last"));
  EXPECT_FALSE(tabs.RemoveTab(5));
  tabs.DestroyWindow();
  EXPECT_EQ(PageWnd::s_nAlive, before);
  EXPECT_FALSE(tabs.AddTab(RUNTIME_CLASS(PageWnd), "After"));
  EXPECT_EQ(tabs.AddTab(RUNTIME_CLASS(CObject), "No window"), nullptr);
}

TEST_F(TabTest, ATabWindowDestroyedFromOutsideTakesItsTabAlong) {
  const int before = PageWnd::s_nAlive;
  CWnd* made = tabs.AddTab(RUNTIME_CLASS(PageWnd), "Made");
  {
    CEdit borrowed;
    ASSERT_TRUE(borrowed.Create(WS_CHILD, CRect(0, 0, 10, 10), &tabs, 79));
    ASSERT_TRUE(tabs.AddTab(&borrowed, "Borrowed"));
    tabs.ActivateTab(1);
  }
  EXPECT_EQ(tabs.GetTabCount(), 1) << "the borrowed window went out of scope";
  EXPECT_EQ(tabs.GetActiveWnd(), made);
  tabs.AddTab(RUNTIME_CLASS(PageWnd), "Last");
  made->DestroyWindow();
  EXPECT_EQ(tabs.GetTabCount(), 1);
  EXPECT_EQ(tabs.GetTabLabel(0), CString("Last"));
  EXPECT_EQ(tabs.GetActiveTab(), 0);
  host.SetWindowPos(nullptr, 0, 0, 400, 250, SWP_NOMOVE | SWP_NOZORDER);
  tabs.DestroyWindow();
  EXPECT_EQ(PageWnd::s_nAlive, before) << "the object of the window destroyed from outside went with the tab window";
}

TEST_F(TabTest, TabsBeyondTheWidthScrollTheActiveOneIntoView) {
  for (int i = 0; i < 12; ++i) tabs.AddTab(RUNTIME_CLASS(PageWnd), ("Long tab label " + std::to_string(i)).c_str());
  CRect client;
  tabs.GetClientRect(&client);
  EXPECT_FALSE(tabs.GetTabRect(0).IsRectEmpty());
  EXPECT_TRUE(tabs.GetTabRect(11).IsRectEmpty()) << "off the strip's end";
  ASSERT_TRUE(tabs.ActivateTab(11));
  CRect last = tabs.GetTabRect(11);
  ASSERT_FALSE(last.IsRectEmpty());
  EXPECT_LE(last.right, client.right);
  EXPECT_TRUE(tabs.GetTabRect(0).IsRectEmpty()) << "the first scrolled out";
  robot.click(Window(tabs.m_hWnd), tabs.GetTabRect(10).CenterPoint());
  EXPECT_EQ(tabs.GetActiveTab(), 10);
}

}  // namespace

namespace {

// A tab view that records the updates it gets.
class RecordingView : public CView {
  DECLARE_DYNCREATE(RecordingView)

 public:
  static int s_nAlive;
  RecordingView() { ++s_nAlive; }
  ~RecordingView() override { --s_nAlive; }
  std::vector<CView*> senders;
  void OnDraw(CDC*) override {}
  void OnUpdate(CView* pSender, LPARAM, CObject*) override { senders.push_back(pSender); }
};
int RecordingView::s_nAlive = 0;
IMPLEMENT_DYNCREATE(RecordingView, CView)

class TabViewTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    frame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(frame->Create(nullptr, "Tab views", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300)));
    frameWnd = frame->m_hWnd;
    ASSERT_TRUE(tabs.Create(frame));
  }
  void TearDown() override {
    // A test may have closed the frame, which took its object with it.
    if (::IsWindow(frameWnd)) frame->DestroyWindow();
    ToolkitTest::TearDown();
  }
  RecordingView* AddView(const char* label) {
    CCreateContext context;
    context.m_pCurrentFrame = frame;
    return dynamic_cast<RecordingView*>(tabs.AddTab(RUNTIME_CLASS(RecordingView), label, &context));
  }

  CFrameWnd* frame = nullptr;
  HWND frameWnd = nullptr;
  SECTabWnd tabs;
};

TEST_F(TabViewTest, ActivationUpdatesTheViewOnceWithASender) {
  const int before = RecordingView::s_nAlive;
  RecordingView* general = AddView("General");
  RecordingView* attributes = AddView("Attributes");
  RecordingView* verbs = AddView("Verbs");
  ASSERT_TRUE(general && attributes && verbs);
  EXPECT_EQ(RecordingView::s_nAlive, before + 3);
  EXPECT_TRUE(general->senders.empty()) << "shown first, not activated";
  robot.click(Window(tabs.m_hWnd), tabs.GetTabRect(1).CenterPoint());
  ASSERT_EQ(attributes->senders.size(), 1u);
  EXPECT_EQ(attributes->senders[0], attributes);
  EXPECT_EQ(frame->GetActiveView(), attributes);
  robot.click(Window(tabs.m_hWnd), tabs.GetTabRect(1).CenterPoint());
  EXPECT_EQ(attributes->senders.size(), 1u) << "a click on the active tab changes nothing";
  EXPECT_TRUE(tabs.ActivateTab(2));
  EXPECT_EQ(verbs->senders.size(), 1u);
  EXPECT_TRUE(general->senders.empty());

  // Removing the active view's tab: the view deletes itself, the next tab
  // is activated and updated.
  ASSERT_TRUE(tabs.RemoveTab(2));
  EXPECT_EQ(RecordingView::s_nAlive, before + 2);
  EXPECT_EQ(tabs.GetActiveTab(), 1);
  EXPECT_EQ(attributes->senders.size(), 2u);
  EXPECT_EQ(frame->GetActiveView(), attributes);
  frame->DestroyWindow();
  EXPECT_EQ(RecordingView::s_nAlive, before) << "the views went with the frame, each once";
}

}  // namespace
