#include "tabs_fixture.h"

#include "DataManager.h"

namespace kestrun_tabs_test {

using halvane::test::Window;

std::unique_ptr<CConnector> NewModel(const char* name, bool brokerMode) {
  auto connector = std::make_unique<CConnector>(name, brokerMode ? CONNECTOR_KBRX : CONNECTOR_QVS,
                                                CONNECTOR_NEW | CONNECTOR_MODIFIED);
  if (brokerMode) connector->SetStdProperty("DeliveryTransport", "KBRX-JMS");
  return connector;
}

CKestrunDoc* TabsTest::Open(std::unique_ptr<CConnector> connector) {
  CKestrunDoc* doc = App().OpenConnectorWindow(std::move(connector));
  if (doc == nullptr) return nullptr;
  doc->SetModifiedFlag(FALSE);
  // Maximized, the window shows its tabs above the results bar.
  if (CChildFrame* frame = FrameOf(doc)) frame->MDIMaximize();
  robot.pumpUntilIdle();
  return doc;
}

// Time passes between two clicks, so that none makes a double click.
void TabsTest::ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) {
  robot.advance(::GetDoubleClickTime() + 1);
  halvane::test::ClickGridCell(robot, Window(grid.GetSafeHwnd()), row, col);
}

void TabsTest::TypeInto(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& text) {
  ClickCell(grid, row, col);
  robot.type(text);
  robot.key(VK_RETURN);
}

void TabsTest::ClickCheckBox(CGXGridWnd& grid, ROWCOL row, ROWCOL col) {
  auto* box = dynamic_cast<CGXCheckBox*>(grid.GetControl(row, col));
  ASSERT_NE(box, nullptr) << "no check box at " << row << "," << col;
  const CRect rect = box->GetBoxRect(grid.GetCellRect(row, col), grid.LookupStyleRowCol(row, col));
  robot.advance(::GetDoubleClickTime() + 1);
  robot.click(Window(grid.GetSafeHwnd()), POINT{rect.CenterPoint().x, rect.CenterPoint().y});
}

void TabsTest::SelectRows(CGXGridWnd& grid, ROWCOL from, ROWCOL to) {
  const Window window(grid.GetSafeHwnd());
  robot.drag(window, halvane::test::GridCellPoint(window, from, 0), halvane::test::GridCellPoint(window, to, 0));
}

Window TabsTest::CellCombo(CGXGridWnd& grid) {
  for (const Window& child : Window(grid.GetSafeHwnd()).children()) {
    if (child.className() == "ComboBox" && child.isVisible()) return child;
  }
  return Window();
}

void TabsTest::ChooseInCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& item) {
  // A click on the current cell would land on its list box.
  if (!grid.IsCurrentCell(row, col)) ClickCell(grid, row, col);
  const Window combo = CellCombo(grid);
  ASSERT_TRUE(combo) << "no list over " << row << "," << col;
  robot.choose(combo, item);
}

std::string TabsTest::Cell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) { return Text(grid.GetValueRowCol(row, col)); }

std::vector<std::string> TabsTest::Rows(CGXGridWnd& grid, const std::vector<ROWCOL>& cols) {
  std::vector<std::string> rows;
  for (ROWCOL row = 1; row <= grid.GetRowCount(); ++row) {
    std::string line;
    for (size_t i = 0; i < cols.size(); ++i) line += (i > 0 ? "|" : "") + Cell(grid, row, cols[i]);
    rows.push_back(line);
  }
  return rows;
}

CString TabsTest::ConfigSections(CKestrunDoc* doc) {
  CString text;
  CChildFrame* frame = FrameOf(doc);
  for (int i = 0; frame != nullptr && i < frame->GetTabCount(); ++i) {
    CKestrunView* view = frame->GetTabView(i);
    if (view != nullptr && view->m_bFilled) {
      EXPECT_TRUE(view->AppendConfigText(text)) << "tab " << i;
    }
  }
  return text;
}

void TabsTest::PutBOsOnServer(const std::vector<std::string>& names) {
  CDataManager* dm = CDataManager::InitInstance();
  ASSERT_TRUE(dm->LogToServer(kServer, kUser, kPassword));
  for (const std::string& name : names) {
    auto def = std::make_unique<CQRBusObjDef>(name.c_str(), nullptr, HvStateNew);
    auto* attr = new CBODefAttr(1, "Id", "String");
    attr->SetKey(TRUE);
    def->GetAttrs().Add(attr);
    def->SetDefaultVerbs();
    ASSERT_EQ(def->Save(), 1);
  }
  dm->Disconnect(FALSE);
  delete dm;
}

}  // namespace kestrun_tabs_test
