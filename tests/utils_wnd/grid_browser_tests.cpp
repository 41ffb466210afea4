// The grid library's cell and browser parts as the product uses them: the
// masked password cell whose stored value stays clear, and the browser
// grid over the program's own records.
#include <HLBrowserWnd.h>
#include <HLGrid.h>
#include <HLPasswordControl.h>

#include <string>
#include <vector>

#include "clipboard_text.h"
#include "grid_fixture.h"

namespace {

using halvane::test::Window;

TEST_F(GridWndTest, APasswordCellShowsMasksWhileTheStoredValueStaysClear) {
  HLGrid grid;
  Open(grid, 2, 1);
  ASSERT_NE(HLPasswordControl::Register(&grid), nullptr);
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(GX_IDS_CTRL_PASSWORD).SetValue("secret"));
  EXPECT_EQ(grid.GetValueRowCol(1, 1), "secret");
  CString shown;
  grid.GetControlText(shown, 1, 1);
  EXPECT_EQ(shown, "******");

  // The second click on the current cell opens its editor on the value.
  ClickCell(grid, 1, 1);
  ClickCell(grid, 1, 1);
  Window editor = Editor(grid);
  ASSERT_TRUE(editor);
  EXPECT_EQ(::SendMessage(editor.hwnd(), EM_GETPASSWORDCHAR, 0, 0), '*');
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::CloseClipboard();
  ::SendMessage(editor.hwnd(), EM_SETSEL, 0, -1);
  robot.keys({VK_CONTROL, 'C'});
  EXPECT_EQ(halvane::test::ClipboardText().find("secret"), std::string::npos)
      << "copying from the editor leaks nothing";

  ::SendMessage(editor.hwnd(), EM_SETSEL, 0, -1);
  robot.type("ab");
  robot.key(VK_RETURN);
  EXPECT_EQ(grid.GetValueRowCol(1, 1), "ab");
  grid.GetControlText(shown, 1, 1);
  EXPECT_EQ(shown, "**");
  EXPECT_EQ(HLPasswordControl::Register(nullptr), nullptr);
}

struct Verb {
  CString name;
  CString info;
};

class CVerbBrowser : public HLBrowserWnd {
 public:
  std::vector<Verb> verbs;
  long OnGetRecordCount() override { return static_cast<long>(verbs.size()); }
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR) override {
    if (nRow < 1 || nRow > verbs.size() || nCol < 1 || nCol > 2) return FALSE;
    const Verb& verb = verbs[nRow - 1];
    style.SetValue(nCol == 1 ? verb.name : verb.info);
    return TRUE;
  }
  BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszChangedValue) override {
    if (nRow < 1 || nRow > verbs.size()) return FALSE;
    (nCol == 1 ? verbs[nRow - 1].name : verbs[nRow - 1].info) = pszChangedValue;
    return TRUE;
  }
};

TEST_F(GridWndTest, TheBrowserGridReadsAndWritesTheProgramsRecords) {
  CVerbBrowser grid;
  grid.verbs = {{"Create", ""}, {"Update", "upd"}};
  Open(grid, 0, 2);
  EXPECT_EQ(grid.GetRowCount(), 2u);
  EXPECT_EQ(grid.GetValueRowCol(2, 2), "upd");

  ClickCell(grid, 1, 1);
  robot.type("Delete");
  EXPECT_TRUE(grid.IsEditing());
  robot.key(VK_RETURN);
  EXPECT_EQ(grid.verbs[0].name, "Delete");

  grid.verbs.push_back({"Retrieve", ""});
  grid.OnModelChanged();
  EXPECT_EQ(grid.GetRowCount(), 3u);
  EXPECT_EQ(grid.GetValueRowCol(3, 1), "Retrieve");
  EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CGXBrowserWnd)));
}

}  // namespace
