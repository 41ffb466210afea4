#include "generate_fixture.h"

#include <DataManager.h>
#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <Orb.h>
#include <RepositoryCopyBO.h>

#include <filesystem>
#include <regex>

#include "PropGrid.h"
#include "robot_grid.h"
#include "DlgStep3.h"
#include "DlgStep4.h"
#include "OrvexDoc.h"
#include "wizard_resource.h"

namespace generatetest {

using halvane::test::Robot;
using halvane::test::Window;

std::string DefinitionsText(const std::vector<std::string>& names) {
  std::vector<std::unique_ptr<CQRBusObjDef>> defs;
  std::vector<const CQRBusObjDef*> order;
  for (const std::string& name : names) {
    auto def = std::make_unique<CQRBusObjDef>(name.c_str(), nullptr, HvStateNew);
    auto* pId = new CBODefAttr(1, "Id", "String");
    pId->SetKey(TRUE);
    pId->SetMaxLength("20");
    def->GetAttrs().Add(pId);
    def->GetAttrs().Add(new CBODefAttr(2, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String"));
    def->AddVerb("Create", "");
    order.push_back(def.get());
    defs.push_back(std::move(def));
  }
  std::string text;
  dravon::repocopy::WriteText(text, order);
  return text;
}

std::vector<std::string> Strings(const CStringArray& array) {
  std::vector<std::string> strings;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) strings.emplace_back(static_cast<LPCTSTR>(array[i]));
  return strings;
}

dravon::test::ScriptedAgent StandardAgent() {
  dravon::test::ScriptedAgent agent;
  CStringList values;
  values.AddTail("sales.example");
  agent.properties.Add(AgentProperty("Host", "The system the agent reads", "5", values, 1, 1, "1"));
  agent.metadata.SetContentProtocol(ZTK::CONTENT_BODEFS, ZTK::CONTENT_PROTOCOL_ONREQUEST);
  agent.metadata.SetSearch(true, "A name or part of one");
  agent.tree[""] = {{"Sales", "The sales ledgers", false, true}, {"Customers", "Who buys", true, false}};
  agent.tree["Sales"] = {{"Orders", "Orders taken", true, false},
                         {"Invoices", "Invoices sent", true, false},
                         {"Notes", "Free text", false, false}};
  agent.content[ZTK::CONTENT_BODEFS] = {{"Customers", DefinitionsText({"Customers"})}};
  return agent;
}

void GenerateTest::SetUp() {
  MfcTest::SetUp();
  ASSERT_FALSE(folder_.path().empty());
  std::filesystem::create_directories(folder_ / "servers");
  std::filesystem::create_directories(folder_ / "temp");
  std::filesystem::create_directories(folder_ / "Users/tester");
  servers_.emplace("HALVANE_SERVERS", folder_ / "servers");
  userProfile_.emplace("USERPROFILE", folder_ / "Users/tester");
  temp_.emplace("TEMP", folder_ / "temp");
  dravon::test::ResetFaults();
  std::string error;
  ASSERT_TRUE(dravon::admin::CreateServer(kServer, kUser, kPassword, error)) << error;
}

void GenerateTest::TearDown() {
  dravon::test::RemoveScriptedAgents();
  delete CDataManager::PeekInstance();
  dravon::test::ResetFaults();
  SetOrbBusy(0);
  MfcTest::TearDown();
  temp_.reset();
  userProfile_.reset();
  servers_.reset();
}

void GenerateTest::Run(bool connected, const std::function<void()>& script) {
  auto app = std::make_unique<CScriptedOrvexApp>();
  app_ = app.get();
  app->m_script = script;
  // An empty command line would bring up the splash.
  std::vector<std::string> commandLine{"orvex", "-x"};
  if (connected)
    commandLine.insert(commandLine.end(),
                       {std::string("-s") + kServer, std::string("-u") + kUser, std::string("-p") + kPassword});
  AfxRunApplication(commandLine);
  app_ = nullptr;
}

CGenerateWizard* GenerateTest::OpenWizard() {
  robot.chooseMenu({"&File", "New Using ZTA..."});
  return Wizard();
}

Window GenerateTest::Sheet() const { return robot.topLevelMatching(std::regex("Business Object Wizard - .*")); }

Window GenerateTest::Page() const {
  return Window(reinterpret_cast<HWND>(::SendMessage(Sheet().hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0)));
}

CGenerateWizard* GenerateTest::Wizard() const {
  const Window sheet = Sheet();
  return sheet ? DYNAMIC_DOWNCAST(CGenerateWizard, CWnd::FromHandlePermanent(sheet.hwnd())) : nullptr;
}

int GenerateTest::Step() const {
  CGenerateWizard* pWizard = Wizard();
  return pWizard != nullptr ? pWizard->GetActiveIndex() : -1;
}

std::string GenerateTest::Title() const { return Sheet().text(); }

void GenerateTest::Next() { robot.click(Sheet().child(ID_PSNEXT)); }
void GenerateTest::Back() { robot.click(Sheet().child(ID_PSBACK)); }
void GenerateTest::Cancel() { robot.click(Sheet().child(IDCANCEL)); }

void GenerateTest::ConnectTo(const std::string& name) {
  const Window field = Page().child(IDC_AGENT_NAME);
  ::SetWindowText(field.hwnd(), "");
  robot.click(field);
  robot.type(name);
  Next();
}

CGenerateWizard* GenerateTest::OpenAt(int step) {
  CGenerateWizard* pWizard = OpenWizard();
  if (pWizard == nullptr || step == 0) return pWizard;
  ConnectTo(kAgent);
  for (int i = 1; i < step; ++i) {
    if (i == 2) ClickItem(SourceTree(), {"Customers"});
    Next();
    // Step 5 moves on by itself once the agent has generated.
    if (i == 3 && step == 5) {
      WaitFor([this] { return Step() == 5; }, 10000);
      break;
    }
  }
  return Wizard();
}

void GenerateTest::TypeProperty(unsigned row, const std::string& text) {
  const Window grid = Page().child(IDC_PROP_GRID);
  // From another cell: typing on a cell made current replaces its text.
  robot.advance(::GetDoubleClickTime() + 1);
  halvane::test::ClickGridCell(robot, grid, row, CPropGrid::kNameCol);
  robot.advance(::GetDoubleClickTime() + 1);
  halvane::test::ClickGridCell(robot, grid, row, CPropGrid::kValueCol);
  robot.type(text);
  robot.key(VK_RETURN);
}

CNodeTree& GenerateTest::SourceTree() { return Wizard()->GetSourceStep()->GetTree(); }
CNodeTree& GenerateTest::ReviewTree() { return Wizard()->GetReviewStep()->GetTree(); }

HTREEITEM GenerateTest::Item(CNodeTree& tree, const std::vector<std::string>& path) {
  HTREEITEM hItem = TVI_ROOT;
  for (const std::string& text : path) {
    hItem = tree.FindChildItem(hItem, text.c_str());
    if (hItem == nullptr) return nullptr;
  }
  return hItem;
}

std::vector<std::string> GenerateTest::Children(CNodeTree& tree, const std::vector<std::string>& path) {
  std::vector<std::string> texts;
  HTREEITEM hParent = path.empty() ? TVI_ROOT : Item(tree, path);
  if (hParent == nullptr) return texts;
  for (HTREEITEM h = hParent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(hParent); h != nullptr;
       h = tree.GetNextSiblingItem(h))
    texts.emplace_back(static_cast<LPCTSTR>(tree.GetItemText(h)));
  return texts;
}

void GenerateTest::ClickItem(CNodeTree& tree, const std::vector<std::string>& path, std::initializer_list<UINT> keys) {
  HTREEITEM hItem = Item(tree, path);
  ASSERT_NE(hItem, nullptr);
  tree.EnsureVisible(hItem);
  CRect rc;
  ASSERT_TRUE(tree.GetItemRect(hItem, rc, TRUE));
  for (UINT key : keys) robot.press(key);
  robot.click(Window(tree.m_hWnd), rc.CenterPoint());
  for (UINT key : keys) robot.release(key);
}

void GenerateTest::ContextMenu(CNodeTree& tree, const std::vector<std::string>& item,
                               const std::vector<std::string>& path, std::vector<std::string>* items) {
  HTREEITEM hItem = Item(tree, item);
  ASSERT_NE(hItem, nullptr);
  tree.EnsureVisible(hItem);
  CRect rc;
  ASSERT_TRUE(tree.GetItemRect(hItem, rc, TRUE));
  // The items as shown, a grey one marked "(grey)".
  robot.onMenu([items](Robot&, Window popup) {
    const auto menu = reinterpret_cast<HMENU>(::SendMessage(popup.hwnd(), MN_GETHMENU, 0, 0));
    for (int i = 0; items != nullptr && i < ::GetMenuItemCount(menu); ++i) {
      const UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
      char text[128] = {};
      ::GetMenuString(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
      items->push_back((state & MF_SEPARATOR) ? std::string("-")
                                              : std::string(text) + ((state & MF_GRAYED) ? " (grey)" : ""));
    }
  });
  if (path.empty())
    robot.onPopupMenuCancel();
  else
    robot.onPopupMenu(path);
  robot.rightClick(Window(tree.m_hWnd), rc.CenterPoint());
}

bool GenerateTest::WaitFor(const std::function<bool()>& done, DWORD limitMs) {
  const DWORD start = ::GetTickCount();
  robot.pumpUntilIdle();
  while (!done()) {
    const DWORD waited = ::GetTickCount() - start;
    if (waited >= limitMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, limitMs - waited, QS_ALLINPUT);
    robot.pumpUntilIdle();
  }
  return true;
}

halvane::test::HandlerRegistration GenerateTest::AnswerBox(const std::string& caption, int button, std::string* text) {
  return robot.onDialog(caption, [button, text](Robot& r, Window box) {
    if (text != nullptr) {
      const Window message = box.child(0xFFFF);
      *text = message ? message.text() : std::string();
    }
    r.click(box.child(button));
  });
}

std::vector<std::string> GenerateTest::OpenTitles() {
  std::vector<std::string> titles;
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) titles.emplace_back(static_cast<LPCTSTR>(pDoc->GetTitle()));
  return titles;
}

}  // namespace generatetest
