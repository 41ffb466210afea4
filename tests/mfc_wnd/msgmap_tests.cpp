// Message maps: every kind of entry reaches its handler with the message's
// parameters unpacked, derived maps override and chain to their bases, and
// notifications are reflected to the controls that sent them.
#include <string>
#include <vector>

#include <commctrl.h>

#include "wnd_fixture.h"

namespace {

UINT g_registeredMessage = 0;
constexpr UINT WM_PRIVATE = WM_APP + 5;

class CRecordingWnd : public CWnd {
 public:
  std::vector<std::string> log;
  CSize size;
  CPoint click;
  UINT key = 0;
  UINT repeat = 0;
  UINT_PTR timer = 0;
  UINT rangeId = 0;
  LPARAM privateParam = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    log.push_back(std::string("create ") + cs->lpszName);
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnSize(UINT type, int cx, int cy) {
    size = CSize(cx, cy);
    CWnd::OnSize(type, cx, cy);
  }
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT) {
    key = nChar;
    repeat = nRepCnt;
  }
  afx_msg void OnLButtonDown(UINT, CPoint point) { click = point; }
  afx_msg void OnTimer(UINT_PTR id) {
    timer = id;
    KillTimer(id);
  }
  afx_msg void OnDestroy() {
    log.push_back("destroy");
    CWnd::OnDestroy();
  }
  afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
    privateParam = lParam;
    return static_cast<LRESULT>(wParam) * 2;
  }
  afx_msg LRESULT OnRegistered(WPARAM, LPARAM) { return 77; }
  afx_msg void OnFirst() { log.push_back("first"); }
  afx_msg void OnRange(UINT id) { rangeId = id; }
  afx_msg BOOL OnPassOn(UINT) {
    log.push_back("pass on");
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
  ON_WM_TIMER()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_PRIVATE, OnPrivate)
  ON_REGISTERED_MESSAGE(g_registeredMessage, OnRegistered)
  ON_COMMAND(100, OnFirst)
  ON_COMMAND_RANGE(200, 209, OnRange)
  ON_COMMAND_EX(300, OnPassOn)
END_MESSAGE_MAP()

// Overrides one command of its base and adds one; the rest comes from the base.
class CDerivedWnd : public CRecordingWnd {
 protected:
  afx_msg void OnOverridden() { log.push_back("derived first"); }
  afx_msg void OnOwn() { log.push_back("own"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
  ON_COMMAND(100, OnOverridden)
  ON_COMMAND(101, OnOwn)
END_MESSAGE_MAP()

using MessageMapTest = WndTest;

TEST_F(MessageMapTest, WindowMessagesReachTheirHandlersUnpacked) {
  CRecordingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Recorder"));
  ASSERT_FALSE(wnd.log.empty());
  EXPECT_EQ(wnd.log.front(), "create Recorder");

  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 45));
  EXPECT_EQ(wnd.size, CSize(120, 45));
  wnd.SendMessage(WM_KEYDOWN, VK_F5, MAKELPARAM(3, 0));
  EXPECT_EQ(wnd.key, static_cast<UINT>(VK_F5));
  EXPECT_EQ(wnd.repeat, 3u);
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(17, 23));
  EXPECT_EQ(wnd.click, CPoint(17, 23));

  wnd.SetTimer(9, 50, nullptr);
  robot.advance(60);
  robot.pumpUntilIdle();
  EXPECT_EQ(wnd.timer, 9u);

  wnd.DestroyWindow();
  EXPECT_EQ(wnd.log.back(), "destroy");
  EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(MessageMapTest, PrivateAndRegisteredMessagesAnswerThroughTheMap) {
  g_registeredMessage = ::RegisterWindowMessage("MfcWndTests.Registered");
  CRecordingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Recorder"));
  EXPECT_EQ(wnd.SendMessage(WM_PRIVATE, 21, 5), 42);
  EXPECT_EQ(wnd.privateParam, 5);
  EXPECT_EQ(wnd.SendMessage(g_registeredMessage), 77);
  // An unregistered variable (0) never matches a message.
  EXPECT_EQ(wnd.SendMessage(WM_NULL), 0);
  wnd.DestroyWindow();
}

// A handler that reads the message in hand, also around a nested message.
class CCurrentMessageWnd : public CWnd {
 public:
  std::vector<WPARAM> seen;

 protected:
  afx_msg void OnCommandRange(UINT) {
    seen.push_back(GetCurrentMessage()->wParam);
    if (seen.size() == 1) SendMessage(WM_COMMAND, MAKEWPARAM(402, 1));
    seen.push_back(GetCurrentMessage()->wParam);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCurrentMessageWnd, CWnd)
  ON_COMMAND_RANGE(400, 409, OnCommandRange)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, TheCurrentMessageIsTheOneInHandAndComesBackAfterANestedOne) {
  CCurrentMessageWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Current"));
  wnd.SendMessage(WM_COMMAND, 401);
  EXPECT_EQ(wnd.seen, (std::vector<WPARAM>{401, MAKEWPARAM(402, 1), MAKEWPARAM(402, 1), 401}));
  EXPECT_EQ(CWnd::GetCurrentMessage()->message, 0u) << "nothing in hand outside a handler";
  wnd.DestroyWindow();
}

TEST_F(MessageMapTest, CommandsSingleRangeAndContinuedRouting) {
  CRecordingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Recorder"));
  wnd.log.clear();
  wnd.SendMessage(WM_COMMAND, 100);
  wnd.SendMessage(WM_COMMAND, 204);
  wnd.SendMessage(WM_COMMAND, 210);  // outside the range: nobody
  EXPECT_EQ(wnd.rangeId, 204u);
  // An _EX handler answering FALSE leaves the command to the next target.
  EXPECT_FALSE(wnd.OnCmdMsg(300, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"first", "pass on"}));
  wnd.DestroyWindow();
}

TEST_F(MessageMapTest, DerivedMapsOverrideAndFallBackToTheBase) {
  CDerivedWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Derived"));
  wnd.log.clear();
  wnd.SendMessage(WM_COMMAND, 100);
  wnd.SendMessage(WM_COMMAND, 101);
  wnd.SendMessage(WM_COMMAND, 202);
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"derived first", "own"}));
  EXPECT_EQ(wnd.rangeId, 202u);
  AFX_CMDHANDLERINFO info{};
  EXPECT_TRUE(wnd.OnCmdMsg(205, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(info.pTarget, &wnd);
  EXPECT_FALSE(wnd.OnCmdMsg(999, CN_COMMAND, nullptr, &info));
  wnd.DestroyWindow();
}

// One handler per kind of parameter unpacking.
class CUnpackingWnd : public CWnd {
 public:
  std::vector<std::string> log;

 protected:
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos) {
    log.push_back("context " + std::to_string(pWnd == this) + " " + std::to_string(pos.x) + "," +
                  std::to_string(pos.y));
  }
  afx_msg int OnMouseActivate(CWnd*, UINT nHitTest, UINT message) {
    log.push_back("activate " + std::to_string(nHitTest) + " " + std::to_string(message));
    return MA_NOACTIVATE;
  }
  afx_msg void OnKillFocus(CWnd* pNewWnd) { log.push_back(pNewWnd == nullptr ? "kill none" : "kill some"); }
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* info) { info->ptMinTrackSize.x = 333; }
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
    log.push_back(pDC != nullptr && pDC->m_hDC != nullptr ? "erase dc" : "erase none");
    return TRUE;
  }
  afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor) {
    log.push_back("ctlcolor " + std::to_string(nCtlColor));
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  }
  afx_msg BOOL OnNcActivate(BOOL bActive) {
    log.push_back("ncactivate " + std::to_string(bActive));
    return CWnd::OnNcActivate(bActive);
  }
  afx_msg void OnSysCommand(UINT nID, LPARAM) { log.push_back("syscommand " + std::to_string(nID)); }
  afx_msg BOOL OnMouseWheel(UINT, short zDelta, CPoint) {
    log.push_back("wheel " + std::to_string(zDelta));
    return TRUE;
  }
  afx_msg void OnActivate(UINT nState, CWnd*, BOOL bMinimized) {
    log.push_back("state " + std::to_string(nState) + " " + std::to_string(bMinimized));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUnpackingWnd, CWnd)
  ON_WM_CONTEXTMENU()
  ON_WM_MOUSEACTIVATE()
  ON_WM_KILLFOCUS()
  ON_WM_GETMINMAXINFO()
  ON_WM_ERASEBKGND()
  ON_WM_CTLCOLOR()
  ON_WM_NCACTIVATE()
  ON_WM_SYSCOMMAND()
  ON_WM_MOUSEWHEEL()
  ON_WM_ACTIVATE()
END_MESSAGE_MAP()

TEST_F(MessageMapTest, EachKindOfParameterIsUnpacked) {
  CUnpackingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Unpacking"));
  wnd.log.clear();
  wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.m_hWnd), MAKELPARAM(-5, 40));
  EXPECT_EQ(wnd.SendMessage(WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
  wnd.SendMessage(WM_KILLFOCUS);
  MINMAXINFO info{};
  wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 333);
  HDC dc = ::GetDC(wnd.m_hWnd);
  EXPECT_EQ(wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), TRUE);
  EXPECT_EQ(wnd.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0),
            reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)));
  wnd.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
  ::ReleaseDC(wnd.m_hWnd, dc);
  wnd.SendMessage(WM_NCACTIVATE, TRUE);
  wnd.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  wnd.SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), 0);
  EXPECT_TRUE(wnd.m_hWnd != nullptr) << "SC_CLOSE was handled, not passed on";
  const std::vector<std::string> expected{"context 1 -5,40", "activate 1 513", "kill none",    "erase dc",
                                          "ctlcolor 1",      "ctlcolor 6",     "ncactivate 1", "syscommand 61536",
                                          "wheel -120",      "state 2 1"};
  EXPECT_EQ(wnd.log, expected);
  wnd.DestroyWindow();
}

// ---------------------------------------------------------------------------
// Control notifications: to the parent, and reflected to the control.

class CNotifyParent : public CWnd {
 public:
  std::vector<std::string> log;
  LRESULT notifyResult = 0;

 protected:
  afx_msg void OnClicked() { log.push_back("clicked"); }
  afx_msg void OnNotifyOne(NMHDR* header, LRESULT* result) {
    log.push_back("notify " + std::to_string(header->idFrom));
    *result = 11;
  }
  afx_msg void OnNotifyRange(UINT id, NMHDR*, LRESULT* result) {
    log.push_back("range " + std::to_string(id));
    *result = 12;
  }
  afx_msg void OnSelChange() { log.push_back("selchange"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyParent, CWnd)
  ON_BN_CLICKED(10, OnClicked)
  ON_NOTIFY(NM_DBLCLK, 20, OnNotifyOne)
  ON_NOTIFY_RANGE(NM_CLICK, 30, 39, OnNotifyRange)
  ON_LBN_SELCHANGE(40, OnSelChange)
END_MESSAGE_MAP()

class CReflectingChild : public CWnd {
 public:
  std::vector<std::string> log;

 protected:
  afx_msg void OnReflectedClick(NMHDR*, LRESULT* result) {
    log.push_back("reflected notify");
    *result = 5;
  }
  afx_msg void OnReflectedCommand() { log.push_back("reflected command"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
  ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
  ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedCommand)
END_MESSAGE_MAP()

LRESULT Notify(CWnd& parent, HWND from, UINT_PTR id, UINT code) {
  NMHDR header{from, id, code};
  return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

TEST_F(MessageMapTest, ControlNotificationsGoToTheParentsMap) {
  CNotifyParent parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  CButton button;
  ASSERT_TRUE(button.Create("Push", WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 5, 80, 30), &parent, 10));
  robot.click(halvane::test::Window(button.m_hWnd));
  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 40, 40, 60), &parent, 20));
  EXPECT_EQ(Notify(parent, child.m_hWnd, 20, NM_DBLCLK), 11);
  EXPECT_EQ(Notify(parent, child.m_hWnd, 34, NM_CLICK), 12);
  EXPECT_EQ(Notify(parent, child.m_hWnd, 40, NM_CLICK), 0);
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(40, LBN_SELCHANGE), reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_EQ(parent.log, (std::vector<std::string>{"clicked", "notify 20", "range 34", "selchange"}));
  parent.DestroyWindow();
}

TEST_F(MessageMapTest, ReflectedNotificationsAreHandledByTheControlFirst) {
  CNotifyParent parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Parent"));
  CReflectingChild child;
  ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 30));
  // The child takes NM_CLICK itself; the parent's range entry never sees it.
  EXPECT_EQ(Notify(parent, child.m_hWnd, 30, NM_CLICK), 5);
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(10, BN_CLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_EQ(child.log, (std::vector<std::string>{"reflected notify", "reflected command"}));
  EXPECT_TRUE(parent.log.empty());
  // A notification the child does not reflect still reaches the parent.
  EXPECT_EQ(Notify(parent, child.m_hWnd, 20, NM_DBLCLK), 11);
  parent.DestroyWindow();
}

class COwnerDrawButton : public CButton {
 public:
  int draws = 0;
  UINT lastAction = 0;
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    ++draws;
    lastAction = dis->itemAction;
  }
};

TEST_F(MessageMapTest, DrawItemIsReflectedToTheOwnerDrawnButton) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  COwnerDrawButton button;
  ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_OWNERDRAW, CRect(5, 5, 60, 30), &parent, 50));
  button.UpdateWindow();
  EXPECT_GE(button.draws, 1);
  EXPECT_EQ(button.lastAction, static_cast<UINT>(ODA_DRAWENTIRE));
  parent.DestroyWindow();
}

}  // namespace
