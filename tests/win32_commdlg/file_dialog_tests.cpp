// The open and save dialogs driven through the robot: listing, typing and
// picking names, types, folders, prompts and results.
#include <cstring>
#include <filesystem>

#include "commdlg_fixture.h"

namespace halvane::test {
namespace {

using Strings = std::vector<std::string>;

class FileDialogTest : public CommonDialogTest {
 protected:
  // Types into "File name" (replacing its text) and presses Enter.
  static void Enter(Robot& r, Window dlg, const std::string& text) {
    Window edit = dlg.child(edt1);
    SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.click(edit);
    SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.type(text);
    r.key(VK_RETURN);
  }
  static Strings Listed(Window dlg) { return dlg.child(lst1).listItems(); }
};

TEST_F(FileDialogTest, TheListShowsFoldersFirstThenTheFilesOfTheType) {
  Strings listed, lookIn;
  std::string selectedFolder;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    listed = Listed(dlg);
    lookIn = dlg.child(cmb2).listItems();
    selectedFolder = dlg.child(cmb2).text();
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(0);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(0u, CommDlgExtendedError());
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "a.txt", "B.txt"}), listed);
  ASSERT_FALSE(lookIn.empty());
  EXPECT_EQ("/", lookIn.front());
  EXPECT_EQ(dir.path(), lookIn.back());
  EXPECT_EQ(dir.path(), selectedFolder);
}

TEST_F(FileDialogTest, ATypedNameGivesTheFullPathItsOffsetsAndTitle) {
  robot.onDialog("Open", [&](Robot& r, Window dlg) { Enter(r, dlg, "a.txt"); });
  OPENFILENAME ofn = Ofn(OFN_FILEMUSTEXIST);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  const std::string path = dir / "a.txt";
  EXPECT_EQ(path, file);
  EXPECT_EQ(dir.path().size() + 1, ofn.nFileOffset);
  EXPECT_EQ(path.size() - 3, ofn.nFileExtension);
  EXPECT_STREQ("a.txt", title);
  EXPECT_EQ(1u, ofn.nFilterIndex);
}

TEST_F(FileDialogTest, PickingAFileFillsTheNameBoxAndOpenReturnsIt) {
  std::string typed;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "B.txt");
    typed = dlg.child(edt1).text();
    r.click(dlg.child(IDOK));
  });
  OPENFILENAME ofn = Ofn(0);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ("B.txt", typed);
  EXPECT_EQ(dir / "B.txt", file);
}

TEST_F(FileDialogTest, SeveralFilesComeBackAsTheFolderAndTheirNames) {
  std::string typed;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "a.txt");
    r.press(VK_CONTROL);
    r.select(dlg.child(lst1), "B.txt");
    r.release(VK_CONTROL);
    typed = dlg.child(edt1).text();
    r.click(dlg.child(IDOK));
  });
  OPENFILENAME ofn = Ofn(OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ("\"a.txt\" \"B.txt\"", typed);
  EXPECT_EQ((Strings{dir.path(), "a.txt", "B.txt"}), FileList());
  EXPECT_EQ(dir.path().size() + 1, ofn.nFileOffset);
}

TEST_F(FileDialogTest, OneNameOfAMultipleChoiceIsAFullPath) {
  robot.onDialog("Open", [&](Robot& r, Window dlg) { Enter(r, dlg, "\"c.log\""); });
  OPENFILENAME ofn = Ofn(OFN_ALLOWMULTISELECT);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{dir / "c.log"}), FileList());
}

TEST_F(FileDialogTest, ChangingTheTypeFiltersTheListAndIsReported) {
  Strings logs, all;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.choose(dlg.child(cmb1), "Logs");
    logs = Listed(dlg);
    r.choose(dlg.child(cmb1), "All Files (*.*)");
    all = Listed(dlg);
    r.select(dlg.child(lst1), "notes");
    r.click(dlg.child(IDOK));
  });
  OPENFILENAME ofn = Ofn(0);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "c.log"}), logs);
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "a.txt", "B.txt", "c.log", "notes"}), all);
  EXPECT_EQ(3u, ofn.nFilterIndex);
  EXPECT_EQ(dir / "notes", file);
}

TEST_F(FileDialogTest, ATypedPatternFiltersAndATypedFolderOpens) {
  Strings filtered, inSub, backUp;
  std::string lookIn;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    Enter(r, dlg, "*.LOG;*.txt");
    filtered = Listed(dlg);
    Enter(r, dlg, "sub");
    lookIn = dlg.child(cmb2).text();
    inSub = Listed(dlg);
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(0);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "a.txt", "B.txt", "c.log"}), filtered);
  EXPECT_EQ(dir / "sub", lookIn);
  EXPECT_EQ((Strings{"inner.txt"}), inSub);
}

TEST_F(FileDialogTest, DoubleClickOpensAFolderAndUpOneLevelGoesBack) {
  Strings inSub, back;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    Window list = dlg.child(lst1);
    r.select(list, "[sub]");
    RECT item{};
    SendMessage(list.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    r.doubleClick(list, POINT{item.left + 5, (item.top + item.bottom) / 2});
    inSub = Listed(dlg);
    r.click(dlg.childByText("Up one level"));
    back = Listed(dlg);
    r.select(dlg.child(lst1), "[sub]");
    r.key(VK_RETURN);
    r.select(dlg.child(lst1), "inner.txt");
    r.key(VK_RETURN);
  });
  OPENFILENAME ofn = Ofn(0);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"inner.txt"}), inSub);
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "a.txt", "B.txt"}), back);
  EXPECT_EQ(dir / "sub/inner.txt", file);
}

TEST_F(FileDialogTest, TheLookInComboGoesToAnAncestor) {
  Strings listed;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    Enter(r, dlg, "sub");
    r.choose(dlg.child(cmb2), dir.path());
    listed = Listed(dlg);
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(0);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "a.txt", "B.txt"}), listed);
}

TEST_F(FileDialogTest, OverwritePromptNoKeepsTheDialogAndYesReplaces) {
  std::string question;
  bool stayed = false;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    Enter(r, dlg, "a.txt");
    stayed = dlg.exists() && dlg.isVisible();
    Enter(r, dlg, "a.txt");
  });
  robot.onDialog("Save As", [&](Robot& r, Window box) {
    question = box.child(0xFFFF).text();
    r.click(box.child(IDNO));
  });
  robot.onMessageBox("Save As", IDYES);
  OPENFILENAME ofn = Ofn(OFN_OVERWRITEPROMPT);
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ("a.txt already exists.\nDo you want to replace it?", question);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(dir / "a.txt", file);
}

TEST_F(FileDialogTest, TheDefaultExtensionFollowsTheType) {
  struct Case {
    DWORD filterIndex;
    const char* typed;
    std::string expected;
  };
  const std::vector<Case> cases{{1, "report", "report.txt"},  // the type's own extension
                                {2, "report", "report.log"},  // several patterns: the default
                                {3, "report", "report"},      // all files: none
                                {1, "report.xml", "report.xml"}};
  for (const Case& c : cases) {
    robot.onDialog("Save As", [&](Robot& r, Window dlg) { Enter(r, dlg, c.typed); });
    OPENFILENAME ofn = Ofn(0);
    ofn.nFilterIndex = c.filterIndex;
    ofn.lpstrDefExt = "*.log";
    file[0] = '\0';
    ASSERT_TRUE(GetSaveFileName(&ofn)) << c.typed;
    EXPECT_EQ(dir / c.expected, file) << c.filterIndex;
  }
}

TEST_F(FileDialogTest, ATooSmallBufferFailsWithTheSizeNeeded) {
  robot.onDialog("Open", [&](Robot& r, Window dlg) { Enter(r, dlg, "a.txt"); });
  char small[8] = {};
  OPENFILENAME ofn = Ofn(0);
  ofn.lpstrFile = small;
  ofn.nMaxFile = sizeof small;
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(static_cast<DWORD>(FNERR_BUFFERTOOSMALL), CommDlgExtendedError());
  WORD needed = 0;
  std::memcpy(&needed, small, sizeof needed);
  EXPECT_EQ((dir / "a.txt").size() + 1, needed);
}

TEST_F(FileDialogTest, AMissingFileIsRefusedWhenItMustExist) {
  std::string refusal;
  robot.onDialog("Pick", [&](Robot& r, Window dlg) {
    Enter(r, dlg, "missing.txt");
    Enter(r, dlg, "nowhere/x.txt");
    r.click(dlg.child(IDCANCEL));
  });
  robot.onDialog("Pick", [&](Robot& r, Window box) {
    refusal = box.child(0xFFFF).text();
    r.click(box.child(IDOK));
  });
  robot.onMessageBox("Pick", IDOK);
  OPENFILENAME ofn = Ofn(OFN_FILEMUSTEXIST);
  ofn.lpstrTitle = "Pick";
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ("missing.txt\nFile not found.\nPlease verify the correct file name was given.", refusal);
}

TEST_F(FileDialogTest, CreatePromptAsksBeforeANewFile) {
  robot.onDialog("Save As", [&](Robot& r, Window dlg) { Enter(r, dlg, "new.txt"); });
  robot.onMessageBox("Save As", IDYES);
  OPENFILENAME ofn = Ofn(OFN_CREATEPROMPT);
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(dir / "new.txt", file);
}

TEST_F(FileDialogTest, TheReadOnlyBoxIsReadBackAndCanBeHidden) {
  bool shown = false, initiallyChecked = false;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    shown = dlg.child(chx1).isVisible();
    initiallyChecked = dlg.child(chx1).checked() == BST_CHECKED;
    r.click(dlg.child(chx1));
    Enter(r, dlg, "a.txt");
  });
  OPENFILENAME ofn = Ofn(OFN_READONLY);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_TRUE(shown);
  EXPECT_TRUE(initiallyChecked);
  EXPECT_FALSE(ofn.Flags & OFN_READONLY);

  bool hiddenBox = false, helpShown = true;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    hiddenBox = !dlg.child(chx1).isVisible();
    helpShown = dlg.child(pshHelp).isVisible();
    r.click(dlg.child(IDCANCEL));
  });
  ofn = Ofn(OFN_HIDEREADONLY);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_TRUE(hiddenBox);
  EXPECT_FALSE(helpShown);
}

TEST_F(FileDialogTest, HelpSendsTheRegisteredHelpMessageToTheOwner) {
  RecordingWindow owner("Owner");
  const UINT helpMessage = RegisterWindowMessage(HELPMSGSTRING);
  int helpCalls = 0;
  LPARAM helpParam = 0;
  owner.answer(helpMessage, [&](HWND, WPARAM, LPARAM lParam) {
    ++helpCalls;
    helpParam = lParam;
    return LRESULT{0};
  });
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.click(dlg.childByText("&Help"));
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(OFN_SHOWHELP);
  ofn.hwndOwner = owner.hwnd();
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(1, helpCalls);
  EXPECT_EQ(reinterpret_cast<LPARAM>(&ofn), helpParam);
}

TEST_F(FileDialogTest, TheCurrentFolderNeverChanges) {
  const std::string before = std::filesystem::current_path().string();
  for (DWORD flags : {DWORD{OFN_NOCHANGEDIR}, DWORD{0}}) {
    robot.onDialog("Open", [&](Robot& r, Window dlg) { Enter(r, dlg, "sub/inner.txt"); });
    OPENFILENAME ofn = Ofn(flags);
    file[0] = '\0';
    ASSERT_TRUE(GetOpenFileName(&ofn));
    EXPECT_EQ((std::filesystem::canonical(dir.path()) / "sub/inner.txt").string(),
              std::filesystem::canonical(file).string());
    EXPECT_EQ(before, std::filesystem::current_path().string()) << flags;
  }
}

TEST_F(FileDialogTest, AnInitialNameWithAFolderOpensThatFolder) {
  std::string typed;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    typed = dlg.child(edt1).text();
    r.key(VK_RETURN);
  });
  OPENFILENAME ofn = Ofn(0);
  ofn.lpstrInitialDir = nullptr;
  const std::string initial = dir / "sub/draft.txt";
  std::strcpy(file, initial.c_str());
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ("draft.txt", typed);
  EXPECT_EQ(initial, file);
}

TEST_F(FileDialogTest, TheSaveDialogSaysSaveAndEscapeCancels) {
  std::string button, lookIn, type;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    button = dlg.child(IDOK).text();
    lookIn = dlg.child(stc4).text();
    type = dlg.child(stc2).text();
    r.key(VK_ESCAPE);
  });
  OPENFILENAME ofn = Ofn(0);
  EXPECT_FALSE(GetSaveFileName(&ofn));
  EXPECT_EQ(0u, CommDlgExtendedError());
  EXPECT_EQ("&Save", button);
  EXPECT_EQ("Save &in:", lookIn);
  EXPECT_EQ("Save as &type:", type);
}

TEST_F(FileDialogTest, HiddenFilesShowOnlyWhenAsked) {
  Strings listed;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    listed = Listed(dlg);
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(OFN_FORCESHOWHIDDEN);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", ".hidden.txt", "a.txt", "B.txt"}), listed);
}

TEST_F(FileDialogTest, AnInitialPatternFiltersAndNoFilterShowsEveryFile) {
  Strings filtered, unfiltered;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    filtered = Listed(dlg);
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(0);
  std::strcpy(file, "*.log");
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "c.log"}), filtered);

  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    unfiltered = Listed(dlg);
    r.click(dlg.child(IDCANCEL));
  });
  ofn = Ofn(0);
  ofn.lpstrFilter = nullptr;
  file[0] = '\0';
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"[Alpha]", "[sub]", "a.txt", "B.txt", "c.log", "notes"}), unfiltered);
}

TEST_F(FileDialogTest, BadStructuresFailWithTheirErrors) {
  OPENFILENAME ofn = Ofn(0);
  ofn.lStructSize = 12;
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(static_cast<DWORD>(CDERR_STRUCTSIZE), CommDlgExtendedError());
  EXPECT_FALSE(GetOpenFileName(nullptr));
  ofn = Ofn(0);
  ofn.lpstrFile = nullptr;
  EXPECT_FALSE(GetSaveFileName(&ofn));
  EXPECT_EQ(static_cast<DWORD>(CDERR_INITIALIZATION), CommDlgExtendedError());
}

TEST_F(FileDialogTest, SnapshotOfTheOpenDialog) {
  robot.onDialog("Open File", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "a.txt");
    // The look-in box shows the temporary folder, whose name changes.
    r.snapshot(dlg, "open_dialog", false, {dlg.child(cmb2)});
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(OFN_SHOWHELP);
  ofn.lpstrTitle = "Open File";
  EXPECT_FALSE(GetOpenFileName(&ofn));
}

}  // namespace
}  // namespace halvane::test
