#include "tabs_fixture.h"

#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <Orb.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "DataManager.h"

namespace kestrun_tabs_test {

using halvane::test::Robot;
using halvane::test::Window;

std::string Text(const CString& text) { return std::string(text, static_cast<size_t>(text.GetLength())); }

BOOL CTestKestrunApp::OnIdle(LONG lCount) {
  const BOOL more = CKestrunApp::OnIdle(lCount);
  if (lCount == 0 && m_script) {
    auto script = std::move(m_script);
    m_script = nullptr;
    script();
    // What the script left open goes without questions, so the pump ends.
    if (m_pMainWnd != nullptr) m_pMainWnd->DestroyWindow();
  }
  return more;
}

std::unique_ptr<CConnectorFileCodec> CTestKestrunApp::CreateCodec() {
  return std::make_unique<CConnectorFileCodec>(std::make_unique<kestrun_test::FakeEncryption>(m_encryption));
}

void TabsTest::SetUp() {
  MfcTest::SetUp();
  ASSERT_FALSE(folder.path().empty());
  std::filesystem::create_directories(folder / "servers");
  ::setenv("HALVANE_SERVERS", (folder / "servers").c_str(), 1);
  ::setenv("HALVANE_REGISTRY", (folder / "registry.reg").c_str(), 1);
  dravon::test::ResetFaults();
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(1000);
  std::string error;
  ASSERT_TRUE(dravon::admin::CreateServer(kServer, kUser, kPassword, error)) << error;
}

void TabsTest::TearDown() {
  delete CDataManager::PeekInstance();
  dravon::test::ResetFaults();
  SetOrbBusy(0);
  MfcTest::TearDown();
  ::unsetenv("HALVANE_SERVERS");
  ::unsetenv("HALVANE_REGISTRY");
}

void TabsTest::Run(const std::function<void()>& script) {
  auto app = std::make_unique<CTestKestrunApp>();
  app_ = app.get();
  app->m_script = script;
  app->m_encryption = encryption;
  // An argument keeps the splash away.
  AfxRunApplication({"kestrun", std::string("-u") + kUser});
  app_ = nullptr;
}

bool TabsTest::Connect() { return App().ConnectToServer(kServer, kUser, kPassword); }

std::unique_ptr<CConnector> NewConnector(const char* name, bool brokerMode) {
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

std::vector<std::string> TabsTest::TabLabels(CKestrunDoc* doc) {
  std::vector<std::string> labels;
  CChildFrame* frame = FrameOf(doc);
  if (frame == nullptr) return labels;
  for (int i = 0; i < frame->GetTabCount(); ++i) labels.push_back(Text(frame->GetTabWnd().GetTabLabel(i)));
  return labels;
}

void TabsTest::SelectTab(CKestrunDoc* doc, const std::string& label) {
  CChildFrame* frame = FrameOf(doc);
  ASSERT_NE(frame, nullptr);
  SECTabWnd& tabs = frame->GetTabWnd();
  for (int i = 0; i < tabs.GetTabCount(); ++i) {
    if (Text(tabs.GetTabLabel(i)) != label) continue;
    const CRect rect = tabs.GetTabRect(i);
    robot.click(Window(tabs.GetSafeHwnd()), POINT{rect.CenterPoint().x, rect.CenterPoint().y});
    return;
  }
  ADD_FAILURE() << "no tab " << label;
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

std::vector<std::string> TabsTest::ResultLines() {
  std::vector<std::string> lines;
  std::istringstream in(Window(Frame().GetResultsView().GetEdit().GetSafeHwnd()).text());
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

void TabsTest::ClearResults() { Frame().GetResultsView().ClearText(); }

void TabsTest::AnswerMessages() {
  // The class library's boxes carry the application's name, the utility
  // library's the program's.
  for (const char* caption : {"Kestrun", "kestrun_tabs_tests"}) {
    robot
        .onDialog(caption,
                  [this](Robot& r, Window box) {
                    std::string text;
                    for (const auto& child : box.children()) {
                      if (child.className() == "Static" && !child.text().empty()) text += child.text();
                    }
                    messages.push_back(text);
                    r.click(box.childByText("OK"));
                  })
        .always();
  }
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
