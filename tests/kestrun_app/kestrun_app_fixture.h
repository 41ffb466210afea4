// The fixture of Kestrun's scenario tests: the programs' scenario base run
// with Kestrun's application object and the fake encryption service, and
// the helpers for its windows, dialogs, files and server.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ChildFrame.h"
#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "DataManager.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "KestrunView.h"
#include "MainFrame.h"
#include "fake_encryption.h"
#include "program_test.h"

namespace kestrun_app_test {

inline constexpr const char* kServer = halvane::test::ProgramTest::kServer;
inline constexpr const char* kUser = halvane::test::ProgramTest::kUser;
inline constexpr const char* kPassword = halvane::test::ProgramTest::kPassword;

std::string Text(const CString& text);

// Standard property names and values.
using PropertyValues = std::vector<std::pair<std::string, std::string>>;

// The application with a script for its first idle time and the fake
// encryption service in its codec.
class CTestKestrunApp : public halvane::test::ScriptedApp<CKestrunApp> {
 public:
  kestrun_test::FakeEncryptionSettings m_encryption;

 protected:
  std::unique_ptr<CConnectorFileCodec> CreateCodec() override;
};

// A tab of the tests' own: it validates as told, and once filled writes a
// line of its own, or refuses the write.
class CTestTabView : public CKestrunView {
  DECLARE_DYNCREATE(CTestTabView)

 public:
  static BOOL s_bValid;
  static BOOL s_bWrites;

  BOOL Validate() override;
  BOOL AppendConfigText(CString& text) override;
  void ApplyToServer(CQRConnector* pServer) override;

 protected:
  CTestTabView();
};

class KestrunAppTest : public halvane::test::ProgramTest {
 protected:
  KestrunAppTest() : ProgramTest("kestrun-app") {}
  void SetUp() override;

  // Runs Kestrun with the arguments after the program's name; `script` runs
  // at the first idle time. Windows the script leaves are closed without
  // questions. The exit code.
  int Run(const std::vector<std::string>& arguments, const std::function<void()>& script);

  CTestKestrunApp& App() { return static_cast<CTestKestrunApp&>(*Running()); }
  CMainFrame& Frame() { return *App().GetMainFrame(); }
  halvane::test::Window FrameWindow() { return halvane::test::Window(Frame().GetSafeHwnd()); }
  // The results bar's text and its lines.
  std::string Results();
  std::vector<std::string> ResultLines();
  void ClearResults() { Frame().GetResultsView().ClearText(); }
  std::string StatusText(int pane);
  // The open documents' titles, in the template's order.
  std::vector<std::string> OpenTitles();
  CKestrunDoc* Doc(const std::string& name, int type = CONNECTOR_QVS);
  CChildFrame* FrameOf(const std::string& name, int type = CONNECTOR_QVS);
  static CChildFrame* FrameOf(CKestrunDoc* pDoc) { return pDoc->GetChildFrame(); }
  std::vector<std::string> TabLabels(CChildFrame* pFrame);
  std::vector<std::string> TabLabels(CKestrunDoc* pDoc) { return TabLabels(pDoc->GetChildFrame()); }
  // Brings the tab of the label to the front by clicking it.
  void ShowTab(CKestrunDoc* pDoc, const std::string& label);
  // Adds a tab of CTestTabView to the document's window.
  void AddTestTab(CKestrunDoc* pDoc);

  // Connects through the Connect command's dialog.
  void Connect();
  // Connects as the application's callers do, without the dialog.
  bool ConnectDirectly() { return App().ConnectToServer(kServer, kUser, kPassword); }
  // A connector on the test server, made by a session of its own; the
  // standard property values given are set first.
  void PutOnServer(const std::string& name, const PropertyValues& values = {});
  // The server's connector's standard property (read by a session of its
  // own, outside a run); "<none>" when there is no such connector.
  std::string OnServer(const std::string& name, const std::string& property);

  // Answers the New Connector dialog.
  void AnswerNewConnector(const std::string& name, bool kbrx = false);
  // Answers a file dialog of the title with the path typed.
  void AnswerFileDialog(const std::string& title, const std::string& path);
  // Answers every message box with OK; their texts land in `messages`.
  void AnswerMessages();
  // New connectors through the New command.
  void NewConnector(const std::string& name, bool kbrx = false);

  std::string Path(const std::string& name) const { return folder_ / name; }
  std::string ReadFile(const std::string& name) const;
  void WriteFile(const std::string& name, const std::string& text) const;
  // A configuration file of the connector, as the program writes one.
  void WriteConfig(const std::string& file, const std::string& connector);
  // A repository copy of QVS connectors of these names, with its header or
  // (`header` false) only the connector blocks.
  void WriteRepositoryCopy(const std::string& file, const std::vector<std::string>& names, bool header = true);

  // The encryption service of the next run.
  kestrun_test::FakeEncryptionSettings encryption_;
  std::vector<std::string> messages;
};

}  // namespace kestrun_app_test
