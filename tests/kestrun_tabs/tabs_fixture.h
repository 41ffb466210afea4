// The fixture of the connector window's tab tests: a fresh window system on
// the virtual clock, a temporary registry and servers folder with one server
// of our own, and the real application object run in-process over a codec
// with the fake encryption service. A test opens connector windows from
// models it builds and drives their grids with the robot.
#pragma once

#include <gxall.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChildFrame.h"
#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "KestrunView.h"
#include "MainFrame.h"
#include "fake_encryption.h"
#include "mfc_test.h"
#include "robot_grid.h"
#include "temp_folder.h"

namespace kestrun_tabs_test {

inline constexpr const char* kServer = "TabServer";
inline constexpr const char* kUser = "tester";
inline constexpr const char* kPassword = "secret";

// The application with a script for its first idle time.
class CTestKestrunApp : public CKestrunApp {
 public:
  std::function<void()> m_script;
  kestrun_test::FakeEncryptionSettings m_encryption;
  BOOL OnIdle(LONG lCount) override;

 protected:
  std::unique_ptr<CConnectorFileCodec> CreateCodec() override;
};

class TabsTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs Kestrun; `script` runs at its first idle time. Windows the script
  // leaves are closed without questions.
  void Run(const std::function<void()>& script);

  CTestKestrunApp& App() { return *app_; }
  CMainFrame& Frame() { return *app_->GetMainFrame(); }
  bool Connect();

  // Opens a window over the model; the document, settled (not modified).
  CKestrunDoc* Open(std::unique_ptr<CConnector> connector);
  static CChildFrame* FrameOf(CKestrunDoc* doc) { return doc->GetChildFrame(); }
  static std::vector<std::string> TabLabels(CKestrunDoc* doc);
  // Brings the tab with the label to the front by clicking it.
  void SelectTab(CKestrunDoc* doc, const std::string& label);
  template <class T>
  static T* Tab(CKestrunDoc* doc, int index) {
    CChildFrame* frame = FrameOf(doc);
    return frame != nullptr ? dynamic_cast<T*>(frame->GetTabView(index)) : nullptr;
  }

  // Grid cells through the robot.
  void ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  // Clicks the cell, types the text and presses Enter.
  void TypeInto(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& text);
  void ClickCheckBox(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  // Selects the rows by dragging over their row headers.
  void SelectRows(CGXGridWnd& grid, ROWCOL from, ROWCOL to);
  static std::string Cell(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  // The combo box a drop-down list cell shows over the current cell, or
  // an empty window.
  static halvane::test::Window CellCombo(CGXGridWnd& grid);
  // Picks the item from the drop-down list of the cell.
  void ChooseInCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& item);
  // The grid's rows as "cell|cell|..." of the columns given.
  static std::vector<std::string> Rows(CGXGridWnd& grid, const std::vector<ROWCOL>& cols);

  // The lines of the results bar.
  std::vector<std::string> ResultLines();
  void ClearResults();
  // Answers every message box with OK from now on; its texts land in
  // `messages`, in order.
  void AnswerMessages();
  // The configuration-file text the window's tabs append, in tab order.
  CString ConfigSections(CKestrunDoc* doc);

  // Business-object definitions on the test server, made before Kestrun runs.
  void PutBOsOnServer(const std::vector<std::string>& names);

  std::vector<std::string> messages;
  // The encryption service of the next run.
  kestrun_test::FakeEncryptionSettings encryption;
  halvane::test::TempFolder folder{"kestrun-tabs"};

 private:
  CTestKestrunApp* app_ = nullptr;
};

// A connector as a new one is made; `brokerMode` makes a KBRX one.
std::unique_ptr<CConnector> NewConnector(const char* name, bool brokerMode = false);
// The text of a CString, for comparisons.
std::string Text(const CString& text);

}  // namespace kestrun_tabs_test
