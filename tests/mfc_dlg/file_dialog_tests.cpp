// CFileDialog over the window system's file dialog, answered by the robot:
// a derived class on a child template with data exchange, the name check
// that keeps the dialog open, several names, the default extension and
// the parts of the chosen path.
#include <filesystem>
#include <string>
#include <vector>

#include "dlg_fixture.h"
#include "resource.h"

namespace dlgtest {
namespace {

// A save dialog with its own options below the standard controls.
class CExportDialog : public CFileDialog {
 public:
  explicit CExportDialog(const std::string& folder)
      : CFileDialog(FALSE, "cfg", "export", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Configurations (*.cfg)|*.cfg|All files (*.*)|*.*||") {
    m_folder = folder.c_str();
    m_ofn.lpstrInitialDir = m_folder;
    m_ofn.Flags |= OFN_ENABLETEMPLATE;
    m_ofn.lpTemplateName = MAKEINTRESOURCE(IDD_FILE_OPTIONS);
  }

  CString m_label = "first";
  int m_openAfter = 1;
  int m_refusals = 0;  // names to refuse before one is taken
  Strings log;
  CString m_pathAtCheck;
  bool m_parentHasNameEdit = false;

 protected:
  BOOL OnInitDialog() override {
    CFileDialog::OnInitDialog();
    m_parentHasNameEdit = GetParent() != nullptr && GetParent()->GetDlgItem(edt1) != nullptr;
    log.push_back("init");
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_LABEL, m_label);
    DDX_Check(pDX, IDC_OPEN_AFTER, m_openAfter);
  }
  void OnInitDone() override {
    log.push_back("initdone");
    SetControlText(IDOK, "&Export");
    HideControl(stc2);
    HideControl(cmb1);
  }
  void OnTypeChange() override { log.push_back("type " + std::to_string(m_ofn.nFilterIndex)); }
  BOOL OnFileNameOK() override {
    log.push_back("check");
    m_pathAtCheck = GetPathName();
    if (m_refusals == 0) return FALSE;
    --m_refusals;
    return TRUE;
  }

 private:
  CString m_folder;
};

class FileDialogTest : public DlgTest {};

TEST_F(FileDialogTest, ADerivedDialogRunsOnItsChildTemplateWithDataExchange) {
  CExportDialog dialog(dir.path());
  std::string okText, labelShown, nameShown;
  bool typeShown = true;
  HWND childParent = nullptr, systemDialog = nullptr;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    systemDialog = dlg.hwnd();
    childParent = ::GetParent(dialog.m_hWnd);
    okText = dlg.child(IDOK).text();
    typeShown = dlg.child(cmb1).isVisible();
    Window label = dlg.childByText("&Label:").parent().child(IDC_LABEL);
    labelShown = label.text();
    nameShown = dlg.child(edt1).text();
    Retype(r, label, "second");
    r.click(label.parent().child(IDC_OPEN_AFTER));
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ(systemDialog, childParent) << "the object sits on the child, the standard controls on its parent";
  EXPECT_TRUE(dialog.m_parentHasNameEdit);
  EXPECT_EQ("&Export", okText);
  EXPECT_FALSE(typeShown);
  EXPECT_EQ("first", labelShown) << "OnInitDialog filled the child";
  EXPECT_EQ("export", nameShown);
  EXPECT_EQ((Strings{"init", "initdone", "check"}), dialog.log);
  EXPECT_STREQ("second", dialog.m_label);
  EXPECT_EQ(0, dialog.m_openAfter);
  EXPECT_EQ(nullptr, dialog.m_hWnd) << "the object lets go of the destroyed child";
  EXPECT_STREQ((dir / "export.cfg").c_str(), dialog.GetPathName());
  EXPECT_STREQ((dir / "export.cfg").c_str(), dialog.m_pathAtCheck) << "the check sees the final name";
}

TEST_F(FileDialogTest, ARefusedNameKeepsTheDialogOpen) {
  CExportDialog dialog(dir.path());
  dialog.m_refusals = 1;
  bool openAfterRefusal = false;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    Retype(r, dlg.child(edt1), "bad");
    r.click(dlg.child(IDOK));
    openAfterRefusal = dlg.exists() && dlg.isVisible();
    Retype(r, dlg.child(edt1), "good");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ((Strings{"init", "initdone", "check", "check"}), dialog.log);
  EXPECT_STREQ((dir / "good.cfg").c_str(), dialog.GetPathName());
}

// A child whose value must be a number.
class CNumberedExport : public CExportDialog {
 public:
  using CExportDialog::CExportDialog;
  int m_copies = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_LABEL, m_copies); }
};

TEST_F(FileDialogTest, AValueTheChildRefusesKeepsTheDialogOpen) {
  CNumberedExport dialog(dir.path());
  bool openAfterRefusal = false;
  robot.onMessageBox("Dialog Tests", IDOK);
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    Window copies = dlg.childByText("&Label:").parent().child(IDC_LABEL);
    Retype(r, copies, "many");
    r.click(dlg.child(IDOK));
    openAfterRefusal = dlg.exists() && dlg.isVisible();
    Retype(r, copies, "3");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(3, dialog.m_copies);
  EXPECT_EQ((Strings{"init", "initdone", "check"}), dialog.log) << "the name is checked once the values are good";
}

TEST_F(FileDialogTest, TheDefaultExtensionAndThePartsOfThePath) {
  for (const char* defExt : {"cfg", ".cfg", "*.cfg"}) {
    CFileDialog dialog(FALSE, defExt, nullptr, OFN_HIDEREADONLY, "Settings (*.cfg;*.ini)|*.cfg;*.ini||");
    dialog.m_ofn.lpstrInitialDir = dir.path().c_str();
    robot.onDialog("Save As", [&](Robot& r, Window dlg) {
      Retype(r, dlg.child(edt1), "setup");
      r.key(VK_RETURN);
    });
    ASSERT_EQ(IDOK, dialog.DoModal()) << defExt;
    EXPECT_STREQ((dir / "setup.cfg").c_str(), dialog.GetPathName()) << defExt;
    EXPECT_STREQ("setup.cfg", dialog.GetFileName());
    EXPECT_STREQ("setup", dialog.GetFileTitle());
    EXPECT_STREQ("cfg", dialog.GetFileExt());
    EXPECT_STREQ(dir.path().c_str(), dialog.GetFolderPath());
  }
}

TEST_F(FileDialogTest, ANameInAFolderDeeperThanMaxPathComesBackWhole) {
  const std::string deep = dir / (std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c'));
  std::filesystem::create_directories(deep);
  CFileDialog dialog(FALSE, "cfg", nullptr, OFN_HIDEREADONLY, "Settings (*.cfg)|*.cfg||");
  dialog.m_ofn.lpstrInitialDir = deep.c_str();
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    Retype(r, dlg.child(edt1), "setup");
    r.key(VK_RETURN);
  });
  const std::string path = deep + "/setup.cfg";
  ASSERT_GT(path.size(), static_cast<size_t>(MAX_PATH));
  ASSERT_EQ(IDOK, dialog.DoModal()) << "the chosen name fits the dialog's own buffer";
  EXPECT_STREQ(path.c_str(), dialog.GetPathName());
  EXPECT_STREQ("setup.cfg", dialog.GetFileName());
}

TEST_F(FileDialogTest, TheFilterTitleAndReadOnlyChoice) {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, "Text (*.txt)|*.txt|Logs (*.log)|*.log");
  dialog.m_ofn.lpstrInitialDir = dir.path().c_str();
  dialog.m_ofn.lpstrTitle = "Pick a log";
  Strings types, listed;
  robot.onDialog("Pick a log", [&](Robot& r, Window dlg) {
    types = dlg.child(cmb1).listItems();
    r.choose(dlg.child(cmb1), "Logs (*.log)");
    listed = dlg.child(lst1).listItems();
    r.select(dlg.child(lst1), "c.log");
    r.click(dlg.child(chx1));
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ((Strings{"Text (*.txt)", "Logs (*.log)"}), types) << "a filter without the final bars still ends";
  EXPECT_EQ((Strings{"c.log"}), listed);
  EXPECT_STREQ((dir / "c.log").c_str(), dialog.GetPathName());
  EXPECT_TRUE(dialog.GetReadOnlyPref());
  EXPECT_EQ(2u, dialog.m_ofn.nFilterIndex);
}

TEST_F(FileDialogTest, SeveralNamesComeBackOneByOne) {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, "Text (*.txt)|*.txt||");
  dialog.m_ofn.lpstrInitialDir = dir.path().c_str();
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    Retype(r, dlg.child(edt1), "\"a.txt\" \"b.txt\"");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  Strings paths;
  for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;) paths.emplace_back(dialog.GetNextPathName(pos));
  EXPECT_EQ((Strings{dir / "a.txt", dir / "b.txt"}), paths);
}

TEST_F(FileDialogTest, OneNameAfterSeveralInTheSameDialogIsOneName) {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, "All (*.*)|*.*||");
  dialog.m_ofn.lpstrInitialDir = dir.path().c_str();
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    Retype(r, dlg.child(edt1), "\"a.txt\" \"b.txt\"");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  // The second answer is shorter than the first list: what is left of that
  // list behind it must not read as more names.
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    Retype(r, dlg.child(edt1), dir / "c.log");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  Strings paths;
  for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;) paths.emplace_back(dialog.GetNextPathName(pos));
  EXPECT_EQ((Strings{dir / "c.log"}), paths);
}

TEST_F(FileDialogTest, OneNameOfAMultipleChoiceAndCancel) {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT, "Text (*.txt)|*.txt||");
  dialog.m_ofn.lpstrInitialDir = dir.path().c_str();
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "b.txt");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  Strings paths;
  for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;) paths.emplace_back(dialog.GetNextPathName(pos));
  EXPECT_EQ((Strings{dir / "b.txt"}), paths);

  CFileDialog cancelled(TRUE);
  robot.onDialog("Open", [&](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
  EXPECT_EQ(IDCANCEL, cancelled.DoModal());
  EXPECT_EQ(nullptr, cancelled.GetStartPosition());
}

}  // namespace
}  // namespace dlgtest
