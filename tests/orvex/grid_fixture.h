// The fixture of the grid tests: Orvex run against the test server with a
// definition window open, and robot helpers for the attribute and verb
// grids' cells, headers, rows and menus.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "AttrGridCtrl.h"
#include "VerbGridCtrl.h"
#include "orvex_fixture.h"
#include "robot_grid.h"

namespace orvex_test {

using Col = CBOColumnTable;
using Strings = std::vector<std::string>;

class GridTest : public OrvexTest {
 protected:
  // Orvex logged in to the test server; the script runs at its first idle time.
  void RunConnected(const std::function<void()>& script);
  // Orvex without a server.
  void RunOffline(const std::function<void()>& script);

  // Opens the definition's window (the server's definition, else a new
  // local one), brings the grid's tab to the front and answers the grid.
  CAttrGridCtrl& OpenAttrs(const std::string& name);
  CVerbGridCtrl& OpenVerbs(const std::string& name);
  CQRBusObjDef* Def(const std::string& name);
  // Whether the document of the grid's window holds the definition named.
  static bool IsOpen(CAttrGridCtrl& grid, const char* name);

  static halvane::test::Window Win(CWnd& wnd) { return halvane::test::Window(wnd.GetSafeHwnd()); }
  // The texts of a column, rows 1 to the last.
  static std::vector<std::string> Column(CGXGridCore& grid, ROWCOL col);
  static std::string Cell(CGXGridCore& grid, ROWCOL row, ROWCOL col);
  // "name:type" of each attribute of the definition, in array order.
  static std::vector<std::string> Attrs(const CQRBusObjDef& def);
  static std::vector<std::string> Verbs(const CQRBusObjDef& def);

  void ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  // Makes the cell current, types the text and presses Tab.
  void TypeInto(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& text);
  void ClickCheckBox(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  // Picks an item of the cell's drop-down list.
  void Choose(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& item);
  void ClickHeader(CGXGridWnd& grid, ROWCOL col);
  // Selects whole rows by their headers (a press, then Shift on the last).
  void SelectRows(CGXGridWnd& grid, ROWCOL from, ROWCOL to);
  // Drags the headers of the selected rows from one row to another.
  void DragRows(CGXGridWnd& grid, ROWCOL from, ROWCOL to);
  // Right-clicks the cell and chooses the context menu's item; the
  // menu's items, each with "(grey)" when disabled, go to `items`.
  void ContextMenu(CGXGridWnd& grid, ROWCOL row, ROWCOL col, const std::string& choose,
                   std::vector<std::string>* items = nullptr);
  void Command(CWnd& wnd, UINT id);
  // The user waits before pressing again, so the next press is no double click.
  void Pause();
  // Answers the next box of the caption by OK, keeping its text.
  void AnswerBox(const std::string& caption, std::vector<std::string>& texts, int times = 1);

  // Three definitions of the server: Order holds a Customer, which holds
  // an Address, and the order's lines; the last attribute of Order is its
  // ObjectEventId.
  void PutOrderModel();
};

}  // namespace orvex_test
