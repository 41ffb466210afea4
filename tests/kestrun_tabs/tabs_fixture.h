// The fixture of the connector window's tab tests: the scenario tests'
// fixture (Kestrun run in-process over the fake encryption service, against
// a server of its own) with what the tab tests add: windows opened from
// models the tests build, their grids driven with the robot, the text the
// tabs write, and business objects on the server.
#pragma once

#include <gxall.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kestrun_app_fixture.h"
#include "robot_grid.h"

namespace kestrun_tabs_test {

using kestrun_app_test::kPassword;
using kestrun_app_test::kServer;
using kestrun_app_test::kUser;
using kestrun_app_test::Text;

class TabsTest : public kestrun_app_test::KestrunAppTest {
 protected:
  // Runs Kestrun; `script` runs at its first idle time. An argument keeps
  // the splash away.
  void Run(const std::function<void()>& script) { KestrunAppTest::Run({std::string("-u") + kUser}, script); }

  // Opens a window over the model; the document, settled (not modified).
  CKestrunDoc* Open(std::unique_ptr<CConnector> connector);
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

  // The configuration-file text the window's tabs append, in tab order.
  CString ConfigSections(CKestrunDoc* doc);

  // Business-object definitions on the test server, made before Kestrun runs.
  void PutBOsOnServer(const std::vector<std::string>& names);
};

// A connector as a new one is made; `brokerMode` makes a KBRX one.
std::unique_ptr<CConnector> NewModel(const char* name, bool brokerMode = false);

}  // namespace kestrun_tabs_test
