// The server search: the engines the location service knows (the embedded
// repository's servers), the end of the search, a double click, and
// searches closed early, while the worker is inside the location service,
// or nested in another search, each stopping only its own worker.
#include <string>
#include <vector>

#include "SearchServers.h"
#include "login_fixture.h"
#include "resource.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using Strings = std::vector<std::string>;

constexpr const char* kSearch = "Servers";
constexpr const char* kComplete = "Search complete";

class SearchServersTest : public LoginTest {
 protected:
  void WaitForEnd(Window search) {
    PumpUntil([&] { return search.child(IDC_SEARCH_STATUS).text() == kComplete; });
  }
};

TEST_F(SearchServersTest, TheRepositorysServersAreFoundAndTheSearchEnds) {
  CreateServer("Alpha");
  CreateServer("Beta");
  Strings found;
  std::string before;
  bool clipShown = true;
  {
    CSearchServers search;
    robot.onDialog(kSearch, [&](Robot& r, Window dlg) {
      before = dlg.child(IDC_SEARCH_STATUS).text();
      WaitForEnd(dlg);
      found = dlg.child(IDC_SEARCH_SERVERS).listItems();
      clipShown = dlg.child(IDC_SEARCH_CLIP).isVisible();
      r.snapshot(dlg, "servers_found");
      r.click(dlg.child(IDOK));
    });
    EXPECT_EQ(IDOK, search.DoModal());
    EXPECT_EQ(CString(""), search.m_strServer) << "nothing chosen";
  }
  EXPECT_TRUE(before == "Searching ..." || before == kComplete) << before;
  EXPECT_EQ((Strings{"Alpha", "Beta"}), found);
  EXPECT_FALSE(clipShown) << "the animation stops and hides at the end";
  EXPECT_EQ(0, IsOrbBusy());
}

TEST_F(SearchServersTest, ADoubleClickedServerIsTakenAtOnce) {
  CreateServer("Alpha");
  CreateServer("Beta");
  CSearchServers search;
  robot.onDialog(kSearch, [&](Robot& r, Window dlg) {
    WaitForEnd(dlg);
    Window list = r.droppedList(dlg.child(IDC_SEARCH_SERVERS));
    RECT item{};
    ::SendMessage(list.hwnd(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    r.doubleClick(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  });
  EXPECT_EQ(IDOK, search.DoModal());
  EXPECT_EQ(CString("Alpha"), search.m_strServer);
}

TEST_F(SearchServersTest, WithoutALocationServiceTheSearchEndsEmpty) {
  CreateServer("Alpha");
  for (const bool unavailable : {true, false}) {
    orb::test::Reset();
    unavailable ? orb::test::SetServiceAvailable(false) : orb::test::SetCallsThrow(true);
    Strings found{"not read"};
    {
      CSearchServers search;
      robot.onDialog(kSearch, [&](Robot& r, Window dlg) {
        WaitForEnd(dlg);
        found = dlg.child(IDC_SEARCH_SERVERS).listItems();
        r.click(dlg.child(IDCANCEL));
      });
      EXPECT_EQ(IDCANCEL, search.DoModal());
    }
    EXPECT_TRUE(found.empty()) << (unavailable ? "no service" : "failing calls");
    EXPECT_EQ(0, IsOrbBusy());
  }
}

TEST_F(SearchServersTest, ClosedWhileTheWorkerIsInsideTheLocationServiceTheWorkerStopsAlone) {
  CreateServer("Alpha");
  int instanceCalls = 0;
  const int token = orb::AddInstanceSource(kEngineRepositoryId, [&] {
    ++instanceCalls;
    return std::vector<std::string>{"Counted"};
  });
  orb::test::CloseGate();
  bool busyWhileBlocked = false;
  {
    CSearchServers search;
    robot.onDialog(kSearch, [&](Robot& r, Window dlg) {
      orb::test::WaitForGateCaller();
      busyWhileBlocked = IsOrbBusy() != 0;
      r.click(dlg.child(IDCANCEL));
    });
    EXPECT_EQ(IDCANCEL, search.DoModal());
    EXPECT_FALSE(robot.topLevel(kSearch)) << "the window is gone";
    EXPECT_NE(0, IsOrbBusy()) << "the worker is still inside the service";
    orb::test::OpenGate();
  }
  EXPECT_TRUE(busyWhileBlocked);
  EXPECT_EQ(0, IsOrbBusy()) << "joined, and marked idle on its way out";
  EXPECT_EQ(0, instanceCalls) << "stopped before asking for any instance";
  orb::RemoveInstanceSource(token);
}

TEST_F(SearchServersTest, EachSearchHasItsOwnStop) {
  CreateServer("Alpha");
  CreateServer("Beta");
  orb::test::CloseGate();
  Strings outerFound;
  CSearchServers outer;
  robot.onDialog(kSearch, [&](Robot& r, Window dlg) {
    orb::test::WaitForGateCaller();
    {
      CSearchServers inner(CWnd::FromHandle(dlg.hwnd()));
      r.onDialog(kSearch, [](Robot& r2, Window innerDlg) {
        r2.click(innerDlg.child(IDCANCEL));
        orb::test::OpenGate();
      });
      EXPECT_EQ(IDCANCEL, inner.DoModal());
    }
    WaitForEnd(dlg);
    outerFound = dlg.child(IDC_SEARCH_SERVERS).listItems();
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(IDOK, outer.DoModal());
  EXPECT_EQ((Strings{"Alpha", "Beta"}), outerFound) << "closing the inner search did not stop the outer one";
}

}  // namespace
