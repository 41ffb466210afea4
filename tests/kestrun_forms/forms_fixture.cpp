#include "forms_fixture.h"

#include <DravonAdmin.h>
#include <DravonTestHooks.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ConnectorFileCodec.h"
#include "MainFrame.h"
#include "fake_encryption.h"

namespace kforms_test {

using halvane::test::Robot;
using halvane::test::Window;

namespace {
size_t g_beepsTaken = 0;
}  // namespace

std::string Text(const CString& text) { return std::string(text, static_cast<size_t>(text.GetLength())); }

BOOL CFormsTestApp::OnIdle(LONG lCount) {
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

std::unique_ptr<CConnectorFileCodec> CFormsTestApp::CreateCodec() {
  return std::make_unique<CConnectorFileCodec>(std::make_unique<kestrun_test::FakeEncryption>());
}

void FormsTest::SetUp() {
  MfcTest::SetUp();
  ASSERT_FALSE(folder_.path().empty());
  std::filesystem::create_directories(folder_ / "servers");
  ::setenv("HALVANE_SERVERS", (folder_ / "servers").c_str(), 1);
  ::setenv("HALVANE_REGISTRY", (folder_ / "registry.reg").c_str(), 1);
  dravon::test::ResetFaults();
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(1000);
  std::string error;
  ASSERT_TRUE(dravon::admin::CreateServer(kServer, kUser, kPassword, error)) << error;
  g_beepsTaken = win32::GetRecordedBeeps().size();
}

void FormsTest::TearDown() {
  delete CDataManager::PeekInstance();
  dravon::test::ResetFaults();
  MfcTest::TearDown();
  ::unsetenv("HALVANE_SERVERS");
  ::unsetenv("HALVANE_REGISTRY");
}

void FormsTest::Run(const std::function<void()>& script) {
  auto app = std::make_unique<CFormsTestApp>();
  app_ = app.get();
  app->m_script = script;
  // An argument keeps the splash picture away.
  AfxRunApplication({"kestrun", std::string("-s") + kServer});
  app_ = nullptr;
}

Window FormsTest::MainWindow() const { return Window(app_->m_pMainWnd->GetSafeHwnd()); }

CKestrunDoc* FormsTest::OpenNew(const std::string& name, int typeCode) {
  auto connector = std::make_unique<CConnector>(name.c_str(), typeCode, CONNECTOR_NEW | CONNECTOR_MODIFIED);
  if (!App().GetCodec()->ReadNewConnector(CConnectorFileCodec::TemplatePath(), connector.get())) return nullptr;
  connector->m_nFlags &= ~CONNECTOR_MODIFIED;
  CKestrunDoc* doc = App().OpenConnectorWindow(std::move(connector));
  if (doc == nullptr) return nullptr;
  doc->SetModifiedFlag(FALSE);
  ShowWhole(doc);
  return doc;
}

CKestrunDoc* FormsTest::OpenConfig(const std::string& text) {
  const std::string path = Path("open" + std::to_string(++files_) + ".cfg");
  std::ofstream(path, std::ios::binary) << text;
  if (!App().LoadConnectorFile(path.c_str(), "cfg")) return nullptr;
  for (CKestrunDoc* doc : App().GetDocuments()) {
    if (doc->m_strPath != path.c_str()) continue;
    ShowWhole(doc);
    return doc;
  }
  return nullptr;
}

void FormsTest::ShowWhole(CKestrunDoc* doc) {
  // The window fills the main window, so that its tabs along the bottom show.
  if (CChildFrame* frame = doc->GetChildFrame()) frame->MDIMaximize();
  robot.pumpUntilIdle();
}

CKestrunView* FormsTest::TabView(CKestrunDoc* doc, const std::string& label) {
  CChildFrame* frame = doc != nullptr ? doc->GetChildFrame() : nullptr;
  if (frame == nullptr) return nullptr;
  for (int i = 0; i < frame->GetTabCount(); ++i) {
    if (Text(frame->GetTabWnd().GetTabLabel(i)) == label) return frame->GetTabView(i);
  }
  return nullptr;
}

std::vector<std::string> FormsTest::TabLabels(CKestrunDoc* doc) {
  std::vector<std::string> labels;
  CChildFrame* frame = doc->GetChildFrame();
  for (int i = 0; i < frame->GetTabCount(); ++i) labels.push_back(Text(frame->GetTabWnd().GetTabLabel(i)));
  return labels;
}

void FormsTest::ShowTab(CKestrunDoc* doc, const std::string& label) {
  SECTabWnd& tabs = doc->GetChildFrame()->GetTabWnd();
  for (int i = 0; i < tabs.GetTabCount(); ++i) {
    if (Text(tabs.GetTabLabel(i)) != label) continue;
    const CRect rect = tabs.GetTabRect(i);
    robot.click(Window(tabs.GetSafeHwnd()), {rect.CenterPoint().x, rect.CenterPoint().y});
    return;
  }
  ADD_FAILURE() << "no tab " << label;
}

void FormsTest::ClearResults() { App().GetMainFrame()->GetResultsView().ClearText(); }

std::vector<std::string> FormsTest::ResultLines() {
  std::vector<std::string> lines;
  std::istringstream in(Window(App().GetMainFrame()->GetResultsView().GetEdit().GetSafeHwnd()).text());
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string FormsTest::SavedConfig(CKestrunDoc* doc) {
  const std::string path = Path("saved" + std::to_string(++files_) + ".cfg");
  if (!CKestrunView::WriteConfigFile(path.c_str(), doc)) return "<not written>";
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

std::vector<std::string> FormsTest::Section(const std::string& text, const std::string& header) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (inside && (line.empty() || line[0] == '[')) break;
    if (line == header) inside = true;
    if (inside) lines.push_back(line);
  }
  return lines;
}

void FormsTest::AnswerMessages() {
  robot
      .onDialog("Kestrun",
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

std::vector<std::pair<DWORD, DWORD>> FormsTest::TakeBeeps() {
  const std::vector<win32::RecordedBeep> all = win32::GetRecordedBeeps();
  std::vector<std::pair<DWORD, DWORD>> beeps;
  for (size_t i = g_beepsTaken; i < all.size(); ++i) {
    if (!all[i].messageBeep) beeps.emplace_back(all[i].frequency, all[i].duration);
  }
  g_beepsTaken = all.size();
  return beeps;
}

}  // namespace kforms_test
