#include "kestrun_app_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "resource.h"

namespace kestrun_app_test {

using halvane::test::Robot;
using halvane::test::Window;

std::string Text(const CString& text) { return std::string(text, size_t(text.GetLength())); }

namespace {

// The test program's name, which the utility library's boxes carry.
std::string ProgramName() {
  char path[4096] = {};
  const DWORD length = ::GetModuleFileName(nullptr, path, sizeof(path));
  return std::filesystem::path(std::string(path, length)).stem();
}

}  // namespace

std::unique_ptr<CConnectorFileCodec> CTestKestrunApp::CreateCodec() {
  return std::make_unique<CConnectorFileCodec>(std::make_unique<kestrun_test::FakeEncryption>(m_encryption));
}

// --- The tests' own tab -------------------------------------------------------------

BOOL CTestTabView::s_bValid = TRUE;
BOOL CTestTabView::s_bWrites = TRUE;

IMPLEMENT_DYNCREATE(CTestTabView, CKestrunView)

CTestTabView::CTestTabView() : CKestrunView(IDD_DATA_HANDLER) { m_bFilled = TRUE; }

BOOL CTestTabView::Validate() {
  if (s_bValid) return TRUE;
  AddResultLine("The test tab is not valid.");
  return FALSE;
}

BOOL CTestTabView::AppendConfigText(CString& text) {
  if (!s_bWrites) return FALSE;
  text += "TestTab = " + GetConnector()->m_strName + "\r\n";
  return TRUE;
}

void CTestTabView::ApplyToServer(CQRConnector* pServer) { pServer->SetStdProperty("PollInterval", "4242"); }

// --- The fixture ----------------------------------------------------------------------

void KestrunAppTest::SetUp() {
  ProgramTest::SetUp();
  CTestTabView::s_bValid = TRUE;
  CTestTabView::s_bWrites = TRUE;
}

int KestrunAppTest::Run(const std::vector<std::string>& arguments, const std::function<void()>& script) {
  auto app = std::make_unique<CTestKestrunApp>();
  app->m_encryption = encryption_;
  return RunApplication(std::move(app), "kestrun", arguments, script);
}

std::string KestrunAppTest::Results() { return Window(Frame().GetResultsView().GetEdit().GetSafeHwnd()).text(); }

std::vector<std::string> KestrunAppTest::ResultLines() {
  std::vector<std::string> lines;
  std::stringstream text(Results());
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string KestrunAppTest::StatusText(int pane) { return Text(Frame().GetStatusBar().GetPaneText(pane)); }

std::vector<std::string> KestrunAppTest::OpenTitles() {
  std::vector<std::string> titles;
  for (CKestrunDoc* pDoc : App().GetDocuments()) titles.push_back(Text(pDoc->GetTitle()));
  return titles;
}

CKestrunDoc* KestrunAppTest::Doc(const std::string& name, int type) {
  return App().FindConnectorDocument(name.c_str(), type);
}

CChildFrame* KestrunAppTest::FrameOf(const std::string& name, int type) {
  CKestrunDoc* pDoc = Doc(name, type);
  return pDoc != nullptr ? pDoc->GetChildFrame() : nullptr;
}

std::vector<std::string> KestrunAppTest::TabLabels(CChildFrame* pFrame) {
  std::vector<std::string> labels;
  if (pFrame == nullptr) return labels;
  for (int i = 0; i < pFrame->GetTabCount(); ++i) labels.push_back(Text(pFrame->GetTabWnd().GetTabLabel(i)));
  return labels;
}

void KestrunAppTest::ShowTab(CKestrunDoc* pDoc, const std::string& label) {
  CChildFrame* pFrame = pDoc->GetChildFrame();
  ASSERT_NE(pFrame, nullptr);
  SECTabWnd& tabs = pFrame->GetTabWnd();
  for (int i = 0; i < tabs.GetTabCount(); ++i) {
    if (Text(tabs.GetTabLabel(i)) != label) continue;
    const CPoint centre = tabs.GetTabRect(i).CenterPoint();
    robot.click(Window(tabs.GetSafeHwnd()), {centre.x, centre.y});
    return;
  }
  ADD_FAILURE() << "no tab " << label;
}

void KestrunAppTest::AddTestTab(CKestrunDoc* pDoc) {
  CChildFrame* pFrame = pDoc->GetChildFrame();
  ASSERT_NE(pFrame, nullptr);
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CTestTabView);
  context.m_pCurrentDoc = pDoc;
  context.m_pNewDocTemplate = pDoc->GetDocTemplate();
  context.m_pCurrentFrame = pFrame;
  CWnd* pView = pFrame->GetTabWnd().AddTab(RUNTIME_CLASS(CTestTabView), "Test", &context);
  ASSERT_NE(pView, nullptr);
  pView->SendMessage(WM_INITIALUPDATE);
}

void KestrunAppTest::Connect() {
  AnswerLogin({kServer, kUser, kPassword});
  robot.chooseMenu({"&Server", "&Connect...\tCtrl+K"});
  ASSERT_TRUE(App().IsConnected());
}

void KestrunAppTest::PutOnServer(const std::string& name, const PropertyValues& values) {
  const bool own = CDataManager::PeekInstance() == nullptr;
  CDataManager* pDM = CDataManager::InitInstance();
  const bool connected = pDM->IsConnected();
  ASSERT_TRUE(connected || pDM->LogToServer(kServer, kUser, kPassword));
  CConnector model(name.c_str(), CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
  for (const auto& [property, value] : values) model.SetStdProperty(property.c_str(), value.c_str());
  CQRConnector* pServer = pDM->AddConnector(model.m_strName, model.GetVersion(), model.m_nTransLevel,
                                            model.m_supportedBOs, model.m_stdPropertyList, model.m_appPropertyList);
  ASSERT_NE(pServer, nullptr) << name;
  if (!connected) pDM->Disconnect(FALSE);
  if (own) delete pDM;
}

std::string KestrunAppTest::OnServer(const std::string& name, const std::string& property) {
  delete CDataManager::PeekInstance();
  CDataManager* pDM = CDataManager::InitInstance();
  std::string value = "<none>";
  if (pDM->LogToServer(kServer, kUser, kPassword)) {
    if (CQRConnector* pConnector = pDM->GetConnector(name.c_str())) {
      const auto& properties = pConnector->GetStandardProperties();
      for (INT_PTR i = 0; i < properties.GetSize(); ++i) {
        if (properties[i]->GetName() == CString(property.c_str())) value = Text(properties[i]->GetValue());
      }
      if (value == "<none>") value = "";
    }
  }
  delete pDM;
  return value;
}

void KestrunAppTest::AnswerNewConnector(const std::string& name, bool kbrx) {
  robot.onDialog("New Connector", [name, kbrx](Robot& r, Window dlg) {
    r.click(dlg.child(IDC_NEW_NAME));
    r.type(name);
    if (kbrx) r.choose(dlg.child(IDC_NEW_BROKER), "KBRX Connectivity");
    r.click(dlg.child(IDOK));
  });
}

void KestrunAppTest::NewConnector(const std::string& name, bool kbrx) {
  AnswerNewConnector(name, kbrx);
  robot.chooseMenu({"&File", "&New...\tCtrl+N"});
}

void KestrunAppTest::AnswerFileDialog(const std::string& title, const std::string& path) {
  robot.onDialog(title, [path](Robot& r, Window files) {
    const Window name = files.child(edt1);
    r.click(name);
    ::SendMessage(name.hwnd(), EM_SETSEL, 0, -1);
    r.type(path);
    r.key(VK_RETURN);
  });
}

void KestrunAppTest::AnswerMessages() {
  // The class library's boxes carry the application's title, the utility
  // library's the program's name.
  for (const std::string& caption : {std::string("Kestrun"), ProgramName()}) {
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

std::string KestrunAppTest::ReadFile(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void KestrunAppTest::WriteFile(const std::string& name, const std::string& text) const {
  std::ofstream(Path(name), std::ios::binary) << text;
}

void KestrunAppTest::WriteConfig(const std::string& file, const std::string& connector) {
  WriteFile(file, "[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\nINSTALLID=\r\n\r\n[ConnectorAgent " + connector +
                      "]\r\nApplicationName = " + connector + "\r\nDeliveryTransport = JMS\r\n");
}

void KestrunAppTest::WriteRepositoryCopy(const std::string& file, const std::vector<std::string>& names, bool header) {
  CConnectorFileCodec codec(std::make_unique<kestrun_test::FakeEncryption>());
  std::string text;
  for (const std::string& name : names) {
    CConnector connector(name.c_str(), CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
    ASSERT_TRUE(codec.WriteRepositoryFile(Path("one.out").c_str(), &connector));
    std::string one = ReadFile("one.out");
    // Each block after its file's header, which the file gets once.
    const size_t end = one.find("[End]\r\n");
    ASSERT_NE(end, std::string::npos);
    if (text.empty() && header) text = one.substr(0, end + 7);
    text += one.substr(end + 7);
  }
  std::filesystem::remove(Path("one.out"));
  WriteFile(file, text);
}

}  // namespace kestrun_app_test
