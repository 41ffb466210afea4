#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <afxext.h>

namespace orvex_test {

using halvane::test::Robot;
using halvane::test::Window;

namespace {

std::vector<std::string> Login() {
  return {std::string("-s") + kServer, std::string("-u") + kUser, std::string("-p") + kPassword};
}

// Until the definition windows hold the grids, a view of our own shows both
// over the definition's document.
class CGridHostView : public CView {
  DECLARE_DYNCREATE(CGridHostView)

 public:
  CAttrGridCtrl m_attrs;
  CVerbGridCtrl m_verbs;

  void OnDraw(CDC*) override {}
  void OnInitialUpdate() override {
    CView::OnInitialUpdate();
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP;
    m_attrs.Create(style, CRect(0, 0, 900, 330), this, 1003);
    m_attrs.Initialize();
    m_verbs.Create(style, CRect(0, 335, 900, 480), this, 1001);
    m_verbs.Initialize();
  }
};
IMPLEMENT_DYNCREATE(CGridHostView, CView)

CGridHostView* HostOf(COrvexDoc* pDoc) {
  if (pDoc == nullptr) return nullptr;
  POSITION pos = pDoc->GetFirstViewPosition();
  return pos != nullptr ? DYNAMIC_DOWNCAST(CGridHostView, pDoc->GetNextView(pos)) : nullptr;
}

std::vector<COrvexDoc*>& HostDocs() {
  static std::vector<COrvexDoc*> docs;
  return docs;
}

}  // namespace

void GridTest::RunConnected(const std::function<void()>& script) {
  Run(Login(), [&] {
    script();
    for (CFrameWnd* pHost : hosts_) {
      if (::IsWindow(pHost->GetSafeHwnd())) pHost->DestroyWindow();
    }
    hosts_.clear();
    HostDocs().clear();
  });
}

void GridTest::RunOffline(const std::function<void()>& script) {
  Run({"-x"}, [&] {
    script();
    for (CFrameWnd* pHost : hosts_) {
      if (::IsWindow(pHost->GetSafeHwnd())) pHost->DestroyWindow();
    }
    hosts_.clear();
    HostDocs().clear();
  });
}

CQRBusObjDef* GridTest::Def(const std::string& name) { return CDataManager::InitInstance()->GetBO(name.c_str(), 1, 1); }

static CGridHostView* OpenHost(GridTest& test, std::vector<CFrameWnd*>& hosts, const std::string& name,
                               CQRBusObjDef* pDef) {
  for (COrvexDoc* pDoc : HostDocs()) {
    if (pDoc->m_pBODef == pDef) return HostOf(pDoc);
  }
  auto* pDoc = new COrvexDoc;
  pDoc->SetBODef(pDef);
  auto* pFrame = new CFrameWnd;
  if (!halvane::test::CreateDocFrame(*pFrame, pDoc, RUNTIME_CLASS(CGridHostView), name.c_str())) return nullptr;
  pFrame->SetWindowPos(nullptr, 0, 0, 940, 560, SWP_NOZORDER);
  pFrame->InitialUpdateFrame(pDoc, TRUE);
  hosts.push_back(pFrame);
  HostDocs().push_back(pDoc);
  (void)test;
  return HostOf(pDoc);
}

CAttrGridCtrl& GridTest::OpenAttrs(const std::string& name) {
  CGridHostView* pHost = OpenHost(*this, hosts_, name, Def(name));
  EXPECT_NE(pHost, nullptr);
  robot.pumpUntilIdle();
  return pHost->m_attrs;
}

CVerbGridCtrl& GridTest::OpenVerbs(const std::string& name) {
  CGridHostView* pHost = OpenHost(*this, hosts_, name, Def(name));
  EXPECT_NE(pHost, nullptr);
  robot.pumpUntilIdle();
  return pHost->m_verbs;
}

std::vector<std::string> GridTest::Column(CGXGridCore& grid, ROWCOL col) {
  std::vector<std::string> texts;
  for (ROWCOL row = 1; row <= grid.GetRowCount(); ++row) texts.push_back(Cell(grid, row, col));
  return texts;
}

std::string GridTest::Cell(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  CString text;
  grid.GetControlText(text, row, col);
  return static_cast<LPCTSTR>(text);
}

std::vector<std::string> GridTest::Attrs(const CQRBusObjDef& def) {
  std::vector<std::string> attrs;
  for (INT_PTR i = 0; i < def.GetAttrs().GetSize(); ++i) {
    const CBODefAttr* pAttr = def.GetAttrs()[i];
    attrs.push_back(std::string(pAttr->GetName()) + ":" + static_cast<LPCTSTR>(pAttr->GetTypeName()));
  }
  return attrs;
}

std::vector<std::string> GridTest::Verbs(const CQRBusObjDef& def) {
  std::vector<std::string> verbs;
  for (INT_PTR i = 0; i < def.GetVerbs().GetSize(); ++i) verbs.emplace_back(def.GetVerbs()[i]->GetName());
  return verbs;
}

void GridTest::ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) {
  halvane::test::ClickGridCell(robot, Win(grid), row, col);
  robot.pumpUntilIdle();
}

void GridTest::TypeInto(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& text) {
  grid.SetCurrentCell(row, col);
  grid.SetFocus();
  robot.pumpUntilIdle();
  robot.type(text);
  robot.key(VK_TAB);
  robot.pumpUntilIdle();
}

void GridTest::ClickCheckBox(CGXGridWnd& grid, ROWCOL row, ROWCOL col) {
  auto* pBox = dynamic_cast<CGXCheckBox*>(grid.GetControl(row, col));
  ASSERT_NE(pBox, nullptr) << "no check box at " << row << "," << col;
  grid.ScrollCellInView(row, col);
  const CRect box = pBox->GetBoxRect(grid.GetCellRect(row, col), grid.LookupStyleRowCol(row, col));
  robot.click(Win(grid), POINT{box.CenterPoint().x, box.CenterPoint().y});
  robot.pumpUntilIdle();
  Pause();
}

void GridTest::Choose(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& item) {
  grid.SetCurrentCell(row, col);
  grid.SetFocus();
  robot.pumpUntilIdle();
  if (auto* pWindow = dynamic_cast<CGXComboBoxWnd*>(grid.GetControl(row, col))) {
    robot.choose(Window(pWindow->GetSafeHwnd()), item);
  } else if (auto* pList = dynamic_cast<CGXComboBox*>(grid.GetControl(row, col))) {
    // A choice-list cell: its list drops with F4.
    robot.key(VK_F4);
    ASSERT_NE(pList->GetListBox(), nullptr) << "the list of " << row << "," << col << " did not open";
    robot.select(Window(pList->GetListBox()->GetSafeHwnd()), item);
  } else {
    ADD_FAILURE() << "no drop-down list at " << row << "," << col;
  }
  robot.pumpUntilIdle();
}

void GridTest::ClickHeader(CGXGridWnd& grid, ROWCOL col) {
  halvane::test::ClickGridCell(robot, Win(grid), 0, col);
  robot.pumpUntilIdle();
  Pause();
}

void GridTest::SelectRows(CGXGridWnd& grid, ROWCOL from, ROWCOL to) {
  halvane::test::ClickGridCell(robot, Win(grid), from, 0);
  if (to != from) {
    robot.press(VK_SHIFT);
    halvane::test::ClickGridCell(robot, Win(grid), to, 0);
    robot.release(VK_SHIFT);
  }
  robot.pumpUntilIdle();
  Pause();
}

void GridTest::DragRows(CGXGridWnd& grid, ROWCOL from, ROWCOL to) {
  robot.drag(Win(grid), halvane::test::GridCellPoint(Win(grid), from, 0), halvane::test::GridCellPoint(Win(grid), to, 0));
  robot.pumpUntilIdle();
  Pause();
}

void GridTest::ContextMenu(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& choose,
                           std::vector<std::string>* items) {
  const POINT point = halvane::test::GridCellPoint(Win(grid), row, col);
  if (items != nullptr) {
    robot.onMenu([items](Robot& r, Window popup) {
      const HMENU menu = reinterpret_cast<HMENU>(::SendMessage(popup.hwnd(), MN_GETHMENU, 0, 0));
      items->clear();
      for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        ::GetMenuString(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        if (text[0] == '\0') continue;
        const bool grey = (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0;
        items->push_back(std::string(text) + (grey ? " (grey)" : ""));
      }
      r.key(VK_ESCAPE);
    });
    robot.rightClick(Win(grid), point);
    robot.pumpUntilIdle();
    Pause();
  }
  if (choose.empty()) return;
  robot.onPopupMenu({choose});
  robot.rightClick(Win(grid), point);
  robot.pumpUntilIdle();
  Pause();
}

void GridTest::Command(CWnd& wnd, UINT id) {
  wnd.SendMessage(WM_COMMAND, id);
  robot.pumpUntilIdle();
}

void GridTest::Pause() { robot.advance(::GetDoubleClickTime() + 1); }

void GridTest::AnswerBox(const std::string& caption, std::vector<std::string>& texts, int times) {
  robot.onDialog(caption, [&texts](Robot& r, Window box) {
    const std::vector<std::string> all = r.texts(box);
    std::string text;
    for (const std::string& t : all) {
      if (t.size() > text.size()) text = t;
    }
    texts.push_back(text);
    r.key(VK_RETURN);
  }).times(times);
}

void GridTest::PutOrderModel() {
  PutOnServer("Address", {"Street:String", "City:String"});
  PutOnServer("Customer", {"CustId:Integer", "CustName:String", "Home:Address"});
  PutOnServer("OrderLine", {"LineNo:Integer", "Product:String", "Quantity:Integer"});
  PutOnServer("Order", {"OrderId:Integer", "Buyer:Customer", "Lines:OrderLine", "Total:Double",
                        std::string(CBODefAttr::ATTR_OBJECT_EVENT_ID) + ":String"});
}

}  // namespace orvex_test
