#include "grid_fixture.h"

#include <gtest/gtest.h>

#include "BusObjAttrsView.h"
#include "BusObjVerbsView.h"

namespace orvex_test {
namespace {

// The definition's window, opened when it is not yet, with the tab in front.
COrvexView* OpenTab(CQRBusObjDef* pDef, int tab) {
  COrvexApp* pApp = GetOrvexApp();
  if (pDef == nullptr || pApp == nullptr || pApp->OpenBODefWindow(pDef) == nullptr) return nullptr;
  COrvexDoc* pDoc = COrvexDoc::FindByName(pDef->name(0));
  auto* pFrame = pDoc != nullptr ? DYNAMIC_DOWNCAST(CChildFrame, pDoc->GetFrame()) : nullptr;
  if (pFrame == nullptr) return nullptr;
  pFrame->MDIMaximize();
  pFrame->GetTabWnd().ActivateTab(tab);
  return pFrame->GetTabView(tab);
}

}  // namespace

void GridTest::RunConnected(const std::function<void()>& script) {
  RunScript(Login(), [&] {
    Frame().SetWindowPos(nullptr, 0, 0, 1000, 640, SWP_NOZORDER | SWP_NOMOVE);
    script();
  });
}

void GridTest::RunOffline(const std::function<void()>& script) {
  RunScript({"-x"}, [&] {
    Frame().SetWindowPos(nullptr, 0, 0, 1000, 640, SWP_NOZORDER | SWP_NOMOVE);
    script();
  });
}

bool GridTest::IsOpen(CAttrGridCtrl& grid, const char* name) {
  auto* pView = DYNAMIC_DOWNCAST(CView, grid.GetParent());
  auto* pDoc = DYNAMIC_DOWNCAST(COrvexDoc, pView->GetDocument());
  void* pDef = nullptr;
  return pDoc->m_mapBODefs.Lookup(name, pDef) != FALSE;
}

CQRBusObjDef* GridTest::Def(const std::string& name) { return CDataManager::InitInstance()->GetBO(name.c_str(), 1, 1); }

CAttrGridCtrl& GridTest::OpenAttrs(const std::string& name) {
  auto* pView = DYNAMIC_DOWNCAST(CBusObjAttrsView, OpenTab(Def(name), CChildFrame::kAttributesTab));
  EXPECT_NE(pView, nullptr) << "no attributes tab for " << name;
  robot.pumpUntilIdle();
  return pView->GetAttrGrid();
}

CVerbGridCtrl& GridTest::OpenVerbs(const std::string& name) {
  auto* pView = DYNAMIC_DOWNCAST(CBusObjVerbsView, OpenTab(Def(name), CChildFrame::kGeneralTab));
  EXPECT_NE(pView, nullptr) << "no general tab for " << name;
  robot.pumpUntilIdle();
  return pView->GetVerbGrid();
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
  robot.drag(Win(grid), halvane::test::GridCellPoint(Win(grid), from, 0),
             halvane::test::GridCellPoint(Win(grid), to, 0));
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
  robot
      .onDialog(caption,
                [&texts](Robot& r, Window box) {
                  const std::vector<std::string> all = r.texts(box);
                  std::string text;
                  for (const std::string& t : all) {
                    if (t.size() > text.size()) text = t;
                  }
                  texts.push_back(text);
                  r.key(VK_RETURN);
                })
      .times(times);
}

void GridTest::PutOrderModel() {
  PutOnServer("Address", {"Street:String", "City:String"});
  PutOnServer("Customer", {"CustId:Integer", "CustName:String", "Home:Address"});
  PutOnServer("OrderLine", {"LineNo:Integer", "Product:String", "Quantity:Integer"});
  PutOnServer("Order", {"OrderId:Integer", "Buyer:Customer", "Lines:OrderLine", "Total:Double",
                        std::string(CBODefAttr::ATTR_OBJECT_EVENT_ID) + ":String"});
}

}  // namespace orvex_test
