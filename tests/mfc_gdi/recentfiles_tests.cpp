// The recent-file list: order, duplicates, display names, the profile and
// the File menu.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "mfc/cmdtarget.h"
#include "mfc/handlemap.h"
#include "mfc/menu.h"
#include "mfc/recentfiles.h"
#include "profile.h"
#include "temp_profile.h"

namespace {

std::vector<CString> Names(const CRecentFileList& list) { return list.m_arrNames; }

TEST(RecentFileListTest, AddPutsFirstAndDropsTheOldest) {
  CRecentFileList list(0, "Recent File List", "File%d", 3);
  EXPECT_EQ(list.GetSize(), 3);
  list.Add("/data/a.cfg");
  list.Add("/data/b.cfg");
  list.Add("/data/c.cfg");
  list.Add("/data/d.cfg");
  EXPECT_EQ(Names(list), (std::vector<CString>{"/data/d.cfg", "/data/c.cfg", "/data/b.cfg"}));
  // The same file in another case moves up and is written as now given.
  list.Add("/DATA/B.cfg");
  EXPECT_EQ(Names(list), (std::vector<CString>{"/DATA/B.cfg", "/data/d.cfg", "/data/c.cfg"}));
  list.Add("/data/./x/../c.cfg");
  EXPECT_EQ(Names(list), (std::vector<CString>{"/data/c.cfg", "/DATA/B.cfg", "/data/d.cfg"}));
  list.Add("");
  list.Add(nullptr);
  EXPECT_STREQ(list[0], "/data/c.cfg");
}

TEST(RecentFileListTest, RelativeNamesBecomeAbsolute) {
  CRecentFileList list(0, "Recent File List", "File%d", 2);
  list.Add("doc.bo");
  const auto expected = (std::filesystem::current_path() / "doc.bo").string();
  EXPECT_STREQ(list[0], expected.c_str());
}

TEST(RecentFileListTest, RemoveClosesTheGap) {
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  for (const char* name : {"/a", "/b", "/c"}) list.Add(name);
  list.Remove(1);
  EXPECT_EQ(Names(list), (std::vector<CString>{"/c", "/a", "", ""}));
  list.Remove(7);
  list.Remove(-1);
  EXPECT_EQ(Names(list), (std::vector<CString>{"/c", "/a", "", ""}));
}

TEST(RecentFileListTest, DisplayNamesAreRelativeOrAbbreviated) {
  CRecentFileList list(0, "Recent File List", "File%d", 4, 24);
  list.Add("/home/user/projects/connectors/very/deep/Customer.cfg");
  list.Add("/home/user/Short.cfg");
  CString name;
  EXPECT_TRUE(list.GetDisplayName(name, 0, "/home/user", 10));
  EXPECT_STREQ(name, "Short.cfg");
  EXPECT_TRUE(list.GetDisplayName(name, 0, "/elsewhere", 10));
  EXPECT_STREQ(name, "/home/user/Short.cfg");
  EXPECT_TRUE(list.GetDisplayName(name, 1, "/elsewhere", 10));
  EXPECT_STREQ(name, "/home/.../Customer.cfg");
  EXPECT_LE(name.GetLength(), 24);
  EXPECT_FALSE(list.GetDisplayName(name, 2, "/elsewhere", 10));
  EXPECT_FALSE(list.GetDisplayName(name, 9, "/elsewhere", 10));
}

TEST(RecentFileListTest, AbbreviationKeepsAsMuchOfTheEndAsFits) {
  const CString path("/home/user/projects/deep/name.cfg");
  EXPECT_EQ(AfxAbbreviateName(path, 100, TRUE), path);
  EXPECT_EQ(AfxAbbreviateName(path, 27, TRUE), CString("/home/.../deep/name.cfg"));
  EXPECT_EQ(AfxAbbreviateName(path, 21, TRUE), CString("/home/.../name.cfg"));
  EXPECT_EQ(AfxAbbreviateName(path, 12, TRUE), CString("name.cfg"));
  EXPECT_EQ(AfxAbbreviateName(path, 4, TRUE), CString("name.cfg"));
  EXPECT_EQ(AfxAbbreviateName(path, 4, FALSE), CString());
  EXPECT_EQ(AfxAbbreviateName(CString("C:\\data\\sub\\dir\\file.bo"), 20, TRUE), CString("C:\\...\\dir\\file.bo"));
}

class RecentFileProfileTest : public ::testing::Test {
 protected:
  halvane::test::TempProfile profile_{"mfc-recent"};
  const std::filesystem::path folder_{profile_.folder().path()};
};

TEST_F(RecentFileProfileTest, WritesAndReadsFileEntries) {
  const afx::ProfileStore store("Halvane", "Kestrun");
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.Add("/a.cfg");
  list.Add("/b.cfg");
  list.WriteList(store);
  EXPECT_STREQ(store.GetString("Recent File List", "File1", ""), "/b.cfg");
  EXPECT_STREQ(store.GetString("Recent File List", "File2", ""), "/a.cfg");

  CRecentFileList read(0, "Recent File List", "File%d", 4);
  read.ReadList(store);
  EXPECT_EQ(Names(read), Names(list));
  // A shorter list leaves no stale entries behind.
  read.Remove(0);
  read.WriteList(store);
  EXPECT_STREQ(store.GetString("Recent File List", "File2", "removed"), "removed");
}

class RecentFileMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    ASSERT_TRUE(menu_.CreatePopupMenu());
    menu_.AppendMenu(MF_STRING, 100, "&Open");
    menu_.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    menu_.AppendMenu(MF_SEPARATOR);
    menu_.AppendMenu(MF_STRING, 101, "E&xit");
  }
  void TearDown() override {
    AfxUnlockTempMaps();
    menu_.DestroyMenu();
    win32::ResetWindowSystem();
  }
  void Update(CRecentFileList& list) {
    CCmdUI state;
    state.m_pMenu = &menu_;
    state.m_nIndex = 1;
    state.m_nID = ID_FILE_MRU_FILE1;
    state.m_nIndexMax = menu_.GetMenuItemCount();
    list.UpdateMenu(&state);
    lastIndex_ = state.m_nIndex;
  }
  std::vector<CString> Texts() {
    std::vector<CString> texts;
    for (UINT i = 0; i < menu_.GetMenuItemCount(); ++i) {
      CString text;
      menu_.GetMenuString(i, text, MF_BYPOSITION);
      texts.push_back(text);
    }
    return texts;
  }
  CMenu menu_;
  UINT lastIndex_ = 0;
};

TEST_F(RecentFileMenuTest, ListsTheFilesAsNumberedItems) {
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.Add("/data/R&D.cfg");
  list.Add("/data/Main.cfg");
  Update(list);
  EXPECT_EQ(Texts(), (std::vector<CString>{"&Open", "&1 /data/Main.cfg", "&2 /data/R&&D.cfg", "", "E&xit"}));
  EXPECT_EQ(menu_.GetMenuItemID(2), static_cast<UINT>(ID_FILE_MRU_FILE1 + 1));
  EXPECT_EQ(lastIndex_, 2u);  // the caller goes on after the items added
  // Updating again replaces the items instead of adding more.
  list.Add("/data/Third.cfg");
  Update(list);
  EXPECT_EQ(menu_.GetMenuItemCount(), 6u);
  EXPECT_STREQ(Texts()[1], "&1 /data/Third.cfg");
}

TEST_F(RecentFileMenuTest, AnEmptyListShowsThePlaceholderGreyed) {
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.Add("/data/Main.cfg");
  Update(list);
  list.Remove(0);
  Update(list);
  EXPECT_EQ(Texts(), (std::vector<CString>{"&Open", "Recent File", "", "E&xit"}));
  EXPECT_EQ(menu_.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
}

}  // namespace
