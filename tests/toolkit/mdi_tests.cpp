// The toolkit's MDI child frame with a tab window as its pane: two views
// made by class through the frame's creation context, the second active,
// the pane following the frame's size; a snapshot shows the window.
#include <secall.h>

#include "toolkit_fixture.h"

namespace {

using halvane::test::Window;

// A view that writes its name, so that the snapshot shows which is up.
class NamedView : public CView {
 public:
  void OnDraw(CDC* pDC) override {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));
    pDC->TextOut(10, 10, Name());
  }
  void OnUpdate(CView* pSender, LPARAM, CObject*) override {
    if (pSender == this) ++activations;
    Invalidate();
  }
  virtual CString Name() const = 0;
  int activations = 0;
};

class GeneralView : public NamedView {
  DECLARE_DYNCREATE(GeneralView)
  CString Name() const override { return "General: verbs"; }
};
IMPLEMENT_DYNCREATE(GeneralView, CView)

class AttributesView : public NamedView {
  DECLARE_DYNCREATE(AttributesView)
  CString Name() const override { return "Attributes: the attribute grid"; }
};
IMPLEMENT_DYNCREATE(AttributesView, CView)

// A definition window as the programs make it: the tab window is the
// frame's only pane, "Attributes" active.
class TabbedChild : public SECMDIChildWnd {
 public:
  SECTabWnd m_tabs;
  CFont m_font;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override {
    if (!m_tabs.Create(this, TWS_DEFAULT_PANE_STYLE, AFX_IDW_PANE_FIRST)) return FALSE;
    m_font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    m_tabs.SetFontActiveTab(&m_font);
    m_tabs.SetFontInactiveTab(&m_font);
    if (!m_tabs.AddTab(RUNTIME_CLASS(GeneralView), "General", pContext)) return FALSE;
    if (!m_tabs.AddTab(RUNTIME_CLASS(AttributesView), "Attributes", pContext)) return FALSE;
    return m_tabs.ActivateTab(1);
  }
};

using MdiTest = ToolkitTest;

TEST_F(MdiTest, ATwoTabChildWindowFillsItsFrameWithTheTabs) {
  auto* main = new SECMDIFrameWnd;  // frames delete themselves with their windows
  ASSERT_TRUE(main->Create(nullptr, "Orvex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 560)));
  auto* child = new TabbedChild;
  CCreateContext context;
  context.m_pCurrentFrame = main;
  ASSERT_TRUE(child->Create(nullptr, "Customer", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 400),
                            main, &context));
  child->RecalcLayout();
  robot.pumpUntilIdle();
  EXPECT_EQ(main->MDIGetActive(), child);
  EXPECT_TRUE(child->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
  EXPECT_EQ(child->GetDlgItem(AFX_IDW_PANE_FIRST), &child->m_tabs);
  EXPECT_EQ(child->m_tabs.GetTabCount(), 2);
  EXPECT_EQ(child->m_tabs.GetActiveTab(), 1);
  EXPECT_EQ(child->m_tabs.GetTabLabel(1), CString("Attributes"));
  auto* attributes = dynamic_cast<AttributesView*>(child->m_tabs.GetActiveWnd());
  ASSERT_NE(attributes, nullptr);
  EXPECT_EQ(attributes->activations, 1);
  EXPECT_EQ(child->GetActiveView(), attributes);
  CRect client, pane;
  child->GetClientRect(&client);
  child->m_tabs.GetWindowRect(&pane);
  child->ScreenToClient(&pane);
  EXPECT_EQ(pane, client) << "the tab window is the whole pane";
  robot.snapshot(Window(main->m_hWnd), "mdi_child_with_two_tabs");

  child->SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOZORDER | SWP_NOMOVE);
  child->GetClientRect(&client);
  child->m_tabs.GetWindowRect(&pane);
  child->ScreenToClient(&pane);
  EXPECT_EQ(pane, client) << "and stays so when the frame is resized";
  robot.click(Window(child->m_tabs.m_hWnd), child->m_tabs.GetTabRect(0).CenterPoint());
  EXPECT_EQ(child->GetActiveView(), child->m_tabs.GetTabWnd(0));
  main->DestroyWindow();
}

}  // namespace
