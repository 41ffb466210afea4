// The definition window: its two tabs and F6, the General tab's
// application-specific information, the notices that end the window, and
// the pictures of both tabs.
#include <string>

#include <HvHelp.h>

#include "BusObjVerbsView.h"
#include "orvex_fixture.h"

namespace orvex_test {
namespace {

class DefinitionWindowTest : public OrvexTest {
 protected:
  // A key as the application's message loop offers it: its accelerators
  // first, then the window with the focus.
  void PressKey(UINT vk) {
    MSG msg{::GetFocus(), WM_KEYDOWN, vk, 0, 0, {}};
    if (!App().PreTranslateMessage(&msg)) ::DispatchMessage(&msg);
    robot.pumpUntilIdle();
  }
  // The window fills the frame's client area first, so that its tabs are
  // not under the results pane.
  void ClickTab(CChildFrame& frame, int tab) {
    frame.MDIMaximize();
    robot.pumpUntilIdle();
    SECTabWnd& tabs = frame.GetTabWnd();
    robot.click(Window(tabs.GetSafeHwnd()), tabs.GetTabRect(tab).CenterPoint());
  }
};

TEST_F(DefinitionWindowTest, TwoTabsAttributesFirstAndF6SwitchesBetweenThem) {
  PutOnServer("Customer", {"Id:String"}, "table=CUSTOMER");
  RunScript(LoginAndOpen("Customer"), [&] {
    CChildFrame* pFrame = FrameOf("Customer");
    ASSERT_NE(pFrame, nullptr);
    SECTabWnd& tabs = pFrame->GetTabWnd();
    ASSERT_EQ(tabs.GetTabCount(), 2);
    EXPECT_EQ(tabs.GetTabLabel(0), CString("General"));
    EXPECT_EQ(tabs.GetTabLabel(1), CString("Attributes"));
    EXPECT_EQ(tabs.GetActiveTab(), CChildFrame::kAttributesTab);
    EXPECT_EQ(pFrame->GetActiveTabView(), pFrame->GetTabView(CChildFrame::kAttributesTab));
    COrvexDoc* pDoc = COrvexDoc::FindByName("Customer");
    for (int tab : {0, 1}) EXPECT_EQ(pFrame->GetTabView(tab)->GetDocument(), pDoc) << "both views are the document's";

    // The help finds the selected tab's name, as its topics list it.
    EXPECT_EQ(App().m_pHelp->GetTabName(&Frame()), CString("Attributes"));
    PressKey(VK_F6);
    EXPECT_EQ(tabs.GetActiveTab(), CChildFrame::kGeneralTab);
    EXPECT_EQ(pFrame->GetActiveView(), pFrame->GetTabView(CChildFrame::kGeneralTab));
    EXPECT_EQ(App().m_pHelp->GetTabName(&Frame()), CString("General"));
    PressKey(VK_F6);
    EXPECT_EQ(tabs.GetActiveTab(), CChildFrame::kAttributesTab);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty()) << "an unchanged definition closes without a question";
  });
}

TEST_F(DefinitionWindowTest, TheApplicationInformationIsWrittenAsTypedAndLimited) {
  PutOnServer("Customer", {"Id:String"}, "table=CUSTOMER");
  RunScript(LoginAndOpen("Customer"), [&] {
    CChildFrame* pFrame = FrameOf("Customer");
    ASSERT_NE(pFrame, nullptr);
    ClickTab(*pFrame, CChildFrame::kGeneralTab);
    auto* pView = DYNAMIC_DOWNCAST(CBusObjVerbsView, pFrame->GetTabView(CChildFrame::kGeneralTab));
    ASSERT_NE(pView, nullptr);
    const Window edit(::GetDlgItem(pView->GetSafeHwnd(), 1095));
    EXPECT_EQ(edit.text(), "table=CUSTOMER");
    CQRBusObjDef* pDef = pView->GetBODef();
    EXPECT_EQ(pDef->GetState() & HvStateModified, 0) << "showing the text changes nothing";
    pDef->AddState(HvStateWrittenToFile);
    robot.click(edit);
    robot.key(VK_END);
    robot.type(";schema=SALES");
    EXPECT_EQ(std::string(pDef->GetAppInfo()), "table=CUSTOMER;schema=SALES");
    EXPECT_EQ(pDef->GetState() & (HvStateModified | HvStateWrittenToFile), HvStateModified)
        << "a change to be saved, as a grid edit is";

    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    robot.type(std::string(300, 'x'));
    EXPECT_EQ(pDef->GetAppInfo().GetLength(), 255);
    EXPECT_EQ(edit.text().size(), 255u);

    // Cut and copy follow the edit's selection while it has the focus.
    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, 0);
    robot.pumpUntilIdle();
    EXPECT_FALSE(robot.tryChooseMenu({"&Edit", "&Copy"})) << "nothing selected";
    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, 3);
    robot.chooseMenu({"&Edit", "Cu&t"});
    EXPECT_EQ(pDef->GetAppInfo().GetLength(), 252);
    robot.key(VK_END);
    robot.chooseMenu({"&Edit", "&Paste"});
    EXPECT_EQ(std::string(pDef->GetAppInfo()), std::string(255, 'x'));
    pDef->RemoveState(HvStateModified);
  });
}

TEST_F(DefinitionWindowTest, ANoticeNamingTheDefinitionEndsTheWindowWithoutQuestions) {
  PutOnServer("Customer", {"Id:String"});
  PutOnServer("Order", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    OpenFromMenu({"Order"});
    ASSERT_EQ(OpenTitles().size(), 2u);
    CChildFrame* pCustomer = FrameOf("Customer");
    CChildFrame* pOrder = FrameOf("Order");
    ASSERT_TRUE(pCustomer != nullptr && pOrder != nullptr);
    pCustomer->GetOrvexDoc()->m_pBODef->AddState(HvStateModified);
    pOrder->GetOrvexDoc()->m_pBODef->AddState(HvStateModified);
    const CString customer = "Customer";
    // A notice for another name is not this window's.
    pOrder->GetTabView(0)->SendMessage(WM_HV_DEF_CLOSE, customer.GetLength(),
                                       reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(customer)));
    EXPECT_EQ(OpenTitles().size(), 2u);
    // No question is asked: an unanswered box would fail the test.
    pCustomer->GetTabView(1)->SendMessage(WM_HV_DEF_CLOSE, customer.GetLength(),
                                          reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(customer)));
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Order"});
    const CString order = "Order";
    pOrder->GetTabView(0)->SendMessage(WM_HV_DEF_GONE, order.GetLength(),
                                       reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(order)));
    EXPECT_TRUE(OpenTitles().empty());
  });
}

TEST_F(DefinitionWindowTest, TheWindowOnEachTab) {
  PutOnServer("Customer", {"Id:String", "Name:String"}, "table=CUSTOMER");
  RunScript(LoginAndOpen("Customer"), [&] {
    Frame().SetWindowPos(nullptr, 0, 0, 800, 640, SWP_NOZORDER | SWP_NOMOVE);
    Frame().ShowControlBar(&Frame().GetResultsView(), FALSE, FALSE);
    CChildFrame* pFrame = FrameOf("Customer");
    ASSERT_NE(pFrame, nullptr);
    pFrame->SetWindowPos(nullptr, 0, 0, 700, 400, SWP_NOZORDER | SWP_NOMOVE);
    robot.pumpUntilIdle();
    App().OnIdle(0);
    robot.snapshot(FrameWindow(), "attributes_tab");
    PressKey(VK_F6);
    App().OnIdle(0);
    robot.snapshot(FrameWindow(), "general_tab");
  });
}

}  // namespace
}  // namespace orvex_test
