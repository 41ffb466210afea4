// CWnd: the handle map (permanent and temporary objects), attaching and
// subclassing, creation hooks, self-deleting windows and the wrappers on
// windows that are gone.
#include <string>
#include <utility>
#include <vector>

#include "wnd_fixture.h"

namespace {

using WndMapTest = WndTest;

LRESULT CALLBACK PlainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) return 1234;
  return ::DefWindowProc(hWnd, message, wParam, lParam);
}

HWND CreatePlainWindow(const char* title) {
  WNDCLASS wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = ::GetModuleHandle(nullptr);
  wc.lpszClassName = "MfcWndPlain";
  ::RegisterClass(&wc);
  return ::CreateWindowEx(0, "MfcWndPlain", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                          ::GetModuleHandle(nullptr), nullptr);
}

TEST_F(WndMapTest, PermanentObjectsAreFoundTemporaryOnesMadeAndDeleted) {
  CWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Permanent"));
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
  EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);

  HWND plain = CreatePlainWindow("Plain");
  EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
  CWnd* temp = CWnd::FromHandle(plain);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(temp->m_hWnd, plain);
  EXPECT_EQ(CWnd::FromHandle(plain), temp) << "one temporary object per handle until idle";
  CString text;
  temp->GetWindowText(text);
  EXPECT_EQ(std::string(text), "Plain");

  // Idle time deletes the temporary object, never the window.
  CWinThread idleThread;
  idleThread.OnIdle(1);
  EXPECT_TRUE(::IsWindow(plain));
  EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);

  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  ::DestroyWindow(plain);
  EXPECT_EQ(CWnd::FromHandle(plain), nullptr) << "a stale handle has no object";
  wnd.DestroyWindow();
}

TEST_F(WndMapTest, AttachDetachAndTheirRefusals) {
  HWND plain = CreatePlainWindow("Plain");
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(plain));
  EXPECT_EQ(CWnd::FromHandlePermanent(plain), &wnd);
  CWnd other;
  EXPECT_FALSE(other.Attach(plain)) << "a handle has one permanent object";
  EXPECT_FALSE(wnd.Attach(plain)) << "an object holds one handle";
  EXPECT_FALSE(other.Attach(nullptr));
  // Attaching does not subclass: the window's own procedure still answers.
  EXPECT_EQ(wnd.SendMessage(WM_APP), 1234);
  EXPECT_EQ(wnd.Detach(), plain);
  EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
  EXPECT_TRUE(::IsWindow(plain));
  ::DestroyWindow(plain);
  EXPECT_FALSE(other.Attach(plain));
}

class CCountingWnd : public CWnd {
 public:
  int paints = 0;
  int apps = 0;

 protected:
  afx_msg LRESULT OnApp(WPARAM wParam, LPARAM lParam) {
    ++apps;
    return Default() + 1;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
  ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

TEST_F(WndMapTest, SubclassingPutsTheMapInFrontOfTheWindowsProcedure) {
  HWND plain = CreatePlainWindow("Plain");
  CCountingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(plain));
  // The handler sees it first; Default reaches the original procedure.
  EXPECT_EQ(::SendMessage(plain, WM_APP, 0, 0), 1235);
  EXPECT_EQ(wnd.apps, 1);
  EXPECT_EQ(wnd.UnsubclassWindow(), plain);
  EXPECT_EQ(::SendMessage(plain, WM_APP, 0, 0), 1234);
  EXPECT_EQ(wnd.apps, 1);
  ::DestroyWindow(plain);
}

TEST_F(WndMapTest, SubclassDlgItemFindsTheChildById) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Parent"));
  HWND edit = ::CreateWindowEx(0, "EDIT", "text", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(77)), nullptr, nullptr);
  CEdit wrapper;
  EXPECT_FALSE(wrapper.SubclassDlgItem(78, &parent));
  ASSERT_TRUE(wrapper.SubclassDlgItem(77, &parent));
  EXPECT_EQ(wrapper.m_hWnd, edit);
  wrapper.SetSel(0, -1);
  wrapper.ReplaceSel("new");
  CString text;
  wrapper.GetWindowText(text);
  EXPECT_EQ(std::string(text), "new");
  parent.DestroyWindow();
  EXPECT_EQ(wrapper.m_hWnd, nullptr) << "the child's object lets go when the window goes";
}

int g_deleted = 0;

class CSelfDeletingWnd : public CWnd {
 public:
  ~CSelfDeletingWnd() override { ++g_deleted; }

 protected:
  void PostNcDestroy() override { delete this; }
};

TEST_F(WndMapTest, PostNcDestroyDeletesAHeapObjectWithItsWindow) {
  g_deleted = 0;
  auto* wnd = new CSelfDeletingWnd;
  ASSERT_TRUE(CreateTopLevel(*wnd, "Self"));
  HWND hWnd = wnd->m_hWnd;
  ::DestroyWindow(hWnd);
  EXPECT_EQ(g_deleted, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

class CStyledWnd : public CWnd {
 public:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override {
    cs.style &= ~WS_MAXIMIZEBOX;
    cs.cx = 222;
    return CWnd::PreCreateWindow(cs);
  }
};

class CRefusingWnd : public CWnd {
 public:
  BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
};

TEST_F(WndMapTest, PreCreateWindowEditsOrRefusesTheCreation) {
  CStyledWnd styled;
  ASSERT_TRUE(CreateTopLevel(styled, "Styled"));
  EXPECT_FALSE(styled.GetStyle() & WS_MAXIMIZEBOX);
  CRect rect;
  styled.GetWindowRect(&rect);
  EXPECT_EQ(rect.Width(), 222);
  EXPECT_FALSE(styled.CreateEx(0, nullptr, "again", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr))
      << "an object with a window makes no second one";
  styled.DestroyWindow();

  CRefusingWnd refusing;
  EXPECT_FALSE(CreateTopLevel(refusing, "Refused"));
  EXPECT_EQ(refusing.m_hWnd, nullptr);
}

TEST_F(WndMapTest, WrappersOnAGoneWindowFailQuietly) {
  CWnd wnd;
  EXPECT_FALSE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.GetDlgItem(1), nullptr);
  EXPECT_EQ(wnd.GetParent(), nullptr);
  EXPECT_EQ(wnd.SendMessage(WM_APP), 0);
  EXPECT_FALSE(wnd.PostMessage(WM_APP));
  CString text = "unchanged";
  wnd.GetWindowText(text);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_FALSE(wnd.ModifyStyle(0, WS_VISIBLE));
  EXPECT_EQ(wnd.GetTopLevelParent(), nullptr);
  wnd.CenterWindow();
  wnd.SetWindowText("nothing");
}

TEST_F(WndMapTest, RegisteredClassesAreSharedByTheirAttributes) {
  HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
  const std::string name = AfxRegisterWndClass(0, arrow);
  EXPECT_EQ(name, AfxRegisterWndClass(0, arrow)) << "the same attributes, the same class";
  EXPECT_NE(name, AfxRegisterWndClass(CS_DBLCLKS, arrow));
  EXPECT_NE(name, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_WAIT)));
  WNDCLASS wc{};
  ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), name.c_str(), &wc));
  EXPECT_EQ(wc.hCursor, arrow);
  EXPECT_EQ(wc.hbrBackground, nullptr) << "no background brush unless asked";
  CWnd splash;
  ASSERT_TRUE(splash.CreateEx(WS_EX_TOPMOST, name.c_str(), "", WS_POPUP, CRect(0, 0, 60, 40), nullptr, 0));
  char className[64];
  ::GetClassName(splash.m_hWnd, className, sizeof className);
  EXPECT_EQ(name, className);
  EXPECT_EQ(::GetClassLongPtr(splash.m_hWnd, GCLP_HCURSOR), reinterpret_cast<LONG_PTR>(arrow));
  splash.DestroyWindow();
}

// Counts a private message; the first one may destroy a sibling.
class CHearingWnd : public CWnd {
 public:
  int heard = 0;
  CWnd* victim = nullptr;

 protected:
  afx_msg LRESULT OnNotice(WPARAM, LPARAM) {
    ++heard;
    if (victim != nullptr) std::exchange(victim, nullptr)->DestroyWindow();
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

constexpr UINT WM_NOTICE = WM_APP + 9;

BEGIN_MESSAGE_MAP(CHearingWnd, CWnd)
  ON_MESSAGE(WM_NOTICE, OnNotice)
END_MESSAGE_MAP()

TEST_F(WndMapTest, SendMessageToDescendantsReachesTheTreeAsAsked) {
  CWnd frame;
  ASSERT_TRUE(CreateTopLevel(frame, "Frame"));
  CHearingWnd view, sibling, last, inner;
  ASSERT_TRUE(view.Create(nullptr, "view", WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
  ASSERT_TRUE(sibling.Create(nullptr, "sibling", WS_VISIBLE, CRect(0, 60, 50, 90), &frame, 2));
  ASSERT_TRUE(last.Create(nullptr, "last", WS_VISIBLE, CRect(60, 0, 90, 50), &frame, 3));
  ASSERT_TRUE(inner.Create(nullptr, "inner", WS_VISIBLE, CRect(0, 0, 20, 20), &view, 4));
  // A window of no object of ours, under the view.
  HWND plain = ::CreateWindowEx(0, "Static", "plain", WS_CHILD, 0, 30, 20, 10, view.m_hWnd, nullptr, nullptr, nullptr);
  ASSERT_NE(plain, nullptr);

  frame.SendMessageToDescendants(WM_NOTICE, 0, 0, FALSE, FALSE);
  EXPECT_EQ(view.heard + sibling.heard + last.heard, 3);
  EXPECT_EQ(inner.heard, 0) << "not deep";
  frame.SendMessageToDescendants(WM_NOTICE, 0, 0, TRUE, TRUE);
  EXPECT_EQ(inner.heard, 1);
  EXPECT_EQ(last.heard, 2);

  // A window that closes itself on the notice does not end the walk.
  sibling.victim = &sibling;
  frame.SendMessageToDescendants(WM_NOTICE);
  EXPECT_FALSE(::IsWindow(sibling.m_hWnd));
  EXPECT_EQ(sibling.heard, 3);
  EXPECT_EQ(last.heard, 3) << "the window after the destroyed one still hears";
  EXPECT_EQ(inner.heard, 2);
  frame.DestroyWindow();
}

TEST_F(WndMapTest, ACreationHookLeftBeforeAResetDoesNotStopTheNextWindow) {
  // As when a creation was cut short and the window system was made anew.
  CWnd abandoned;
  CWnd::HookWindowCreate(&abandoned);
  restartWindowSystem();
  CWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "After reset"));
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
  EXPECT_EQ(abandoned.m_hWnd, nullptr);
  wnd.DestroyWindow();
}

TEST_F(WndMapTest, StyleTextPlacementAndCentring) {
  CWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Wrappers"));
  EXPECT_TRUE(wnd.ModifyStyle(WS_THICKFRAME, 0));
  EXPECT_FALSE(wnd.GetStyle() & WS_THICKFRAME);
  EXPECT_FALSE(wnd.ModifyStyle(WS_THICKFRAME, 0)) << "nothing changed";
  wnd.SetWindowText("Renamed");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_EQ(std::string(text), "Renamed");

  wnd.CenterWindow();
  CRect rect;
  wnd.GetWindowRect(&rect);
  RECT work{};
  ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(rect.CenterPoint().x, (work.left + work.right) / 2, 1);
  EXPECT_NEAR(rect.CenterPoint().y, (work.top + work.bottom) / 2, 1);

  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 40, 20), &wnd, 5));
  EXPECT_EQ(wnd.GetDlgItem(5), &child);
  EXPECT_EQ(child.GetParent(), &wnd);
  EXPECT_EQ(child.GetTopLevelParent(), &wnd);
  child.CenterWindow();
  CRect client;
  wnd.GetClientRect(&client);
  CRect childRect;
  child.GetWindowRect(&childRect);
  wnd.ScreenToClient(&childRect);
  EXPECT_NEAR(childRect.CenterPoint().x, client.CenterPoint().x, 1);
  wnd.DestroyWindow();
}

// PreTranslateMessage: offered from the target window up its parents.
class CTranslatingWnd : public CWnd {
 public:
  std::vector<std::string>* log = nullptr;
  std::string name;
  bool eat = false;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) log->push_back(name);
    return eat && pMsg->message == WM_KEYDOWN;
  }
};

TEST_F(WndMapTest, PreTranslateMessageWalksFromTheWindowToItsParents) {
  std::vector<std::string> log;
  CTranslatingWnd top;
  top.log = &log;
  top.name = "top";
  top.eat = true;
  ASSERT_TRUE(CreateTopLevel(top, "Top"));
  CTranslatingWnd child;
  child.log = &log;
  child.name = "child";
  ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 40, 20), &top, 5));
  MSG msg{child.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(top.m_hWnd, &msg));
  EXPECT_EQ(log, (std::vector<std::string>{"child", "top"}));
  log.clear();
  // The walk stops at the window it was told to.
  EXPECT_FALSE(CWnd::WalkPreTranslateTree(child.m_hWnd, &msg));
  EXPECT_EQ(log, (std::vector<std::string>{"child"}));
  top.DestroyWindow();
}

}  // namespace

namespace {

// A bar that takes a strip of `height` off the top of the free rectangle.
class TopStrip : public CWnd {
 public:
  explicit TopStrip(int height) : height_(height) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_SIZEPARENT) return CWnd::WindowProc(message, wParam, lParam);
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect strip(layout->rect.left, layout->rect.top, layout->rect.right, layout->rect.top + height_);
    layout->rect.top += height_;
    layout->sizeTotal.cy += height_;
    AfxRepositionWindow(layout, m_hWnd, &strip);
    return 0;
  }

 private:
  int height_;
};

CRect ChildRect(const CWnd& child) {
  CRect rect;
  child.GetWindowRect(&rect);
  child.GetParent()->ScreenToClient(&rect);
  return rect;
}

}  // namespace

TEST_F(WndTest, RepositionBarsStacksBarsAndGivesTheRestToTheLeftOver) {
  CWnd frame;
  ASSERT_TRUE(CreateTopLevel(frame, "Layout"));
  TopStrip first(20), second(30);
  CWnd rest;
  const CRect zero(0, 0, 0, 0);
  ASSERT_TRUE(first.Create(nullptr, "first", WS_CHILD | WS_VISIBLE, zero, &frame, 0xE800));
  ASSERT_TRUE(second.Create(nullptr, "second", WS_CHILD | WS_VISIBLE, zero, &frame, 0xE801));
  ASSERT_TRUE(rest.Create(nullptr, "rest", WS_CHILD | WS_VISIBLE, zero, &frame, AFX_IDW_PANE_FIRST));

  CRect client;
  frame.GetClientRect(&client);
  CRect query;
  frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &query, nullptr, FALSE);
  EXPECT_EQ(query, CRect(0, 0, 0, 50)) << "a query without stretching answers the bars' total";
  EXPECT_EQ(ChildRect(rest), zero) << "a query moves nothing";
  EXPECT_EQ(ChildRect(first), zero) << "nor the bars";

  frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  EXPECT_EQ(ChildRect(first), CRect(0, 0, client.right, 20));
  EXPECT_EQ(ChildRect(second), CRect(0, 20, client.right, 50));
  EXPECT_EQ(ChildRect(rest), CRect(0, 50, client.right, client.bottom));

  const CRect extra(5, 0, 0, 5);
  frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposExtra, const_cast<CRect*>(&extra));
  EXPECT_EQ(ChildRect(rest), CRect(5, 50, client.right, client.bottom - 5));
}
