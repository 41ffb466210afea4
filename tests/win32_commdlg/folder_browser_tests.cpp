// The folder browser: descending and going up, the callback and its
// messages, the edit box, and the item lists it returns.
#include "commdlg_fixture.h"

namespace halvane::test {
namespace {

using Strings = std::vector<std::string>;

class FolderBrowserTest : public CommonDialogTest {
 protected:
  void SetUp() override {
    CommonDialogTest::SetUp();
    root = ILCreateFromPath(dir.path().c_str());
  }
  void TearDown() override {
    ILFree(root);
    CommonDialogTest::TearDown();
  }
  BROWSEINFO Info(UINT flags) {
    BROWSEINFO bi{};
    bi.pidlRoot = root;
    bi.pszDisplayName = displayName;
    bi.lpszTitle = "Select the ClassPath Directory";
    bi.ulFlags = flags;
    return bi;
  }
  // The path of a returned list, which is then freed.
  static std::string TakePath(PIDLIST_ABSOLUTE pidl) {
    char path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDList(pidl, path);
    CoTaskMemFree(pidl);
    return ok ? path : "";
  }
  static void DoubleClickItem(Robot& r, Window list, int index) {
    RECT item{};
    SendMessage(list.hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    r.doubleClick(list, POINT{item.left + 5, (item.top + item.bottom) / 2});
  }

  PIDLIST_ABSOLUTE root = nullptr;
  char displayName[MAX_PATH] = {};
};

TEST_F(FolderBrowserTest, DoubleClickDescendsAndOkReturnsTheCurrentFolder) {
  Strings top, inSub, afterUp;
  std::string titleText;
  robot.onDialog("Browse for Folder", [&](Robot& r, Window dlg) {
    titleText = dlg.child(stc1).text();
    top = dlg.child(lst1).listItems();
    // The path line shows the temporary folder, whose name changes.
    r.snapshot(dlg, "folder_browser", false, {dlg.child(stc2)});
    DoubleClickItem(r, dlg.child(lst1), 1);
    inSub = dlg.child(lst1).listItems();
    r.click(dlg.childByText("Up one level"));
    r.click(dlg.childByText("Up one level"));  // the root stops it
    afterUp = dlg.child(lst1).listItems();
    DoubleClickItem(r, dlg.child(lst1), 1);
    r.click(dlg.child(IDOK));
  });
  BROWSEINFO bi = Info(BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX);
  EXPECT_EQ(dir / "sub", TakePath(SHBrowseForFolder(&bi)));
  EXPECT_EQ("Select the ClassPath Directory", titleText);
  EXPECT_EQ((Strings{"Alpha", "sub"}), top);
  EXPECT_TRUE(inSub.empty());
  EXPECT_EQ(top, afterUp);
  EXPECT_STREQ("sub", displayName);
}

TEST_F(FolderBrowserTest, ASelectedEntryIsTheChoice) {
  robot.onDialog("Browse for Folder", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "Alpha");
    r.click(dlg.child(IDOK));
  });
  BROWSEINFO bi = Info(0);
  EXPECT_EQ(dir / "Alpha", TakePath(SHBrowseForFolder(&bi)));
}

struct CallbackLog {
  Strings events;
  std::string select;
};

int CALLBACK Callback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data) {
  auto* log = reinterpret_cast<CallbackLog*>(data);
  if (msg == BFFM_INITIALIZED) {
    log->events.push_back("initialized");
    SendMessage(hwnd, BFFM_SETSELECTION, TRUE, reinterpret_cast<LPARAM>(log->select.c_str()));
  }
  if (msg == BFFM_SELCHANGED) {
    char path[MAX_PATH] = {};
    SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path);
    log->events.push_back(std::string("selected ") + path);
  }
  return 0;
}

TEST_F(FolderBrowserTest, TheCallbackSetsTheSelectionAndHearsItsChanges) {
  CallbackLog log;
  log.select = dir / "sub";
  robot.onDialog("Browse for Folder", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "Alpha");
    r.select(dlg.child(lst1), "sub");
    r.key(VK_RETURN);
  });
  BROWSEINFO bi = Info(0);
  bi.lpfn = Callback;
  bi.lParam = reinterpret_cast<LPARAM>(&log);
  EXPECT_EQ(dir / "sub", TakePath(SHBrowseForFolder(&bi)));
  EXPECT_EQ((Strings{"initialized", "selected " + dir / "sub", "selected " + dir / "Alpha", "selected " + dir / "sub"}),
            log.events);
}

TEST_F(FolderBrowserTest, TheEditBoxNamesAFolderAndAMissingOneIsRefused) {
  std::string refusal;
  robot.onDialog("Browse for Folder", [&](Robot& r, Window dlg) {
    r.click(dlg.child(edt1));
    r.type("nowhere");
    r.click(dlg.child(IDOK));
    SetWindowText(dlg.child(edt1).hwnd(), "");
    r.click(dlg.child(edt1));
    r.type("Alpha");
    r.click(dlg.child(IDOK));
  });
  robot.onDialog("Browse for Folder", [&](Robot& r, Window box) {
    refusal = box.child(0xFFFF).text();
    r.click(box.child(IDOK));
  });
  BROWSEINFO bi = Info(BIF_EDITBOX | BIF_SHAREABLE | BIF_NEWDIALOGSTYLE);
  EXPECT_EQ(dir / "Alpha", TakePath(SHBrowseForFolder(&bi)));
  EXPECT_EQ("nowhere\nThe folder does not exist.", refusal);
}

TEST_F(FolderBrowserTest, CancelReturnsNothing) {
  robot.onDialog("Browse for Folder", [&](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
  BROWSEINFO bi = Info(0);
  EXPECT_EQ(nullptr, SHBrowseForFolder(&bi));
  EXPECT_EQ(nullptr, SHBrowseForFolder(nullptr));
}

TEST(ItemListTest, ListsHoldTheirPathAndAnyAllocatorFreesThem) {
  PIDLIST_ABSOLUTE pidl = ILCreateFromPath("/");
  char path[MAX_PATH] = "x";
  ASSERT_TRUE(SHGetPathFromIDList(pidl, path));
  EXPECT_STREQ("/", path);
  LPMALLOC shell = nullptr;
  ASSERT_EQ(S_OK, SHGetMalloc(&shell));
  shell->Free(pidl);
  EXPECT_EQ(nullptr, ILCreateFromPath("/no/such/folder"));
  EXPECT_FALSE(SHGetPathFromIDList(nullptr, path));
  EXPECT_STREQ("", path);
  const BYTE malformed[4] = {3, 0, 'a', 'b'};
  EXPECT_FALSE(SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(malformed), path));
}

}  // namespace
}  // namespace halvane::test
