// The class-path dialog: what a first run shows, a missing path refused,
// the folder browser and the file dialog, the registry values it keeps
// (read back from the registry file), and the library's resources.
#include <commdlg.h>
#include <shlobj.h>
#include <win32/winreg.h>

#include <fstream>
#include <sstream>
#include <string>

#include "SelectPath.h"
#include "host_fixture.h"
#include "resource.h"
#include "temp_folder.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr const char* kTitle = "Set ClassPath";

class SelectPathTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_FALSE(folder.path().empty());
    win32::SetRegistryFile(folder / "registry.reg");
    folder.folder("classes");
    folder.file("Halvane.jar");
  }
  void TearDown() override {
    win32::SetRegistryFile("");
    HostTest::TearDown();
  }

  std::string RegistryText() const {
    std::ifstream in(folder / "registry.reg");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Replaces the edit's text by typing.
  static void TypeInto(Robot& r, Window edit, const std::string& text) {
    r.click(edit);
    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.type(text);
  }

  halvane::test::TempFolder folder{"velmora-path"};
};

TEST_F(SelectPathTest, AFirstRunShowsAnEmptyPathWithTheJarFileChosen) {
  CSelectPath dialog;
  EXPECT_EQ(dialog.m_nChoice, CSelectPath::kJarFile);
  EXPECT_EQ(std::string(dialog.m_strPath), "");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(AfxGetResourceHandle(), Library());
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH).text(), "");
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH_JAR).checked(), BST_CHECKED);
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH_FOLDER).checked(), BST_UNCHECKED);
    r.snapshot(dlg, "select_path");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(RegistryText().find("Pellisk"), std::string::npos) << "Cancel writes nothing";
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(SelectPathTest, AMissingPathIsRefusedAndNothingIsStored) {
  CSelectPath dialog;
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please, enter the valid path or filename!") << "an empty path";
    TypeInto(r, dlg.child(IDC_CLASS_PATH), folder / "missing.jar");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please, enter the valid path or filename!");
    ASSERT_TRUE(dlg.exists());
    EXPECT_EQ(RegistryText().find("Pellisk"), std::string::npos);
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(SelectPathTest, AFolderFromTheBrowserIsStoredWithIsFile1AndReadBackNextTime) {
  CSelectPath dialog;
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    r.click(dlg.child(IDC_CLASS_PATH_FOLDER));
    robot.onDialog("Browse for Folder", [&](Robot& rb, Window browser) {
      EXPECT_EQ(browser.childByText("Select the ClassPath Directory").text(), "Select the ClassPath Directory");
      EXPECT_EQ(AfxGetResourceHandle(), Library());
      TypeInto(rb, browser.child(edt1), folder / "classes");
      rb.click(browser.child(IDOK));
    });
    r.click(dlg.child(IDC_CLASS_PATH_BROWSE));
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH).text(), folder / "classes");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strPath), folder / "classes");
  const std::string text = RegistryText();
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Halvane\\Pellisk\\Settings]"), std::string::npos) << text;
  EXPECT_NE(text.find("\"isFile\"=dword:00000001"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Path\"=\"" + folder / "classes" + "\""), std::string::npos) << text;

  CSelectPath again;
  EXPECT_EQ(again.m_nChoice, CSelectPath::kDirectory);
  EXPECT_EQ(std::string(again.m_strPath), folder / "classes");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH_FOLDER).checked(), BST_CHECKED);
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH).text(), folder / "classes");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(again.DoModal(), IDCANCEL);
}

TEST_F(SelectPathTest, AJarFromTheFileDialogIsStoredWithIsFile0) {
  CSelectPath dialog;
  dialog.m_nChoice = CSelectPath::kDirectory;
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    r.click(dlg.child(IDC_CLASS_PATH_JAR));
    robot.onDialog("Select Halvane.jar File", [&](Robot& rf, Window files) {
      EXPECT_EQ(files.child(edt1).text(), "Halvane.jar");
      EXPECT_EQ(files.child(cmb1).listItems(), (std::vector<std::string>{"Jar Files(*.jar;*.zip)", "All Files (*.*)"}));
      EXPECT_FALSE(files.child(chx1).isVisible()) << "no read-only box";
      EXPECT_TRUE(files.child(pshHelp).isVisible());
      TypeInto(rf, files.child(edt1), folder / "Halvane.jar");
      rf.key(VK_RETURN);
    });
    r.click(dlg.child(IDC_CLASS_PATH_BROWSE));
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH).text(), folder / "Halvane.jar");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_nChoice, CSelectPath::kJarFile);
  const std::string text = RegistryText();
  EXPECT_NE(text.find("\"isFile\"=dword:00000000"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Path\"=\"" + folder / "Halvane.jar" + "\""), std::string::npos) << text;
}

TEST_F(SelectPathTest, ACancelledPickerLeavesThePathAsItWas) {
  CSelectPath dialog;
  dialog.m_strPath = (folder / "Halvane.jar").c_str();
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    robot.onDialog("Select Halvane.jar File", [](Robot& rf, Window files) { rf.click(files.child(IDCANCEL)); });
    r.click(dlg.child(IDC_CLASS_PATH_BROWSE));
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH).text(), folder / "Halvane.jar");
    r.click(dlg.child(IDC_CLASS_PATH_FOLDER));
    robot.onDialog("Browse for Folder", [](Robot& rb, Window browser) { rb.click(browser.child(IDCANCEL)); });
    r.click(dlg.child(IDC_CLASS_PATH_BROWSE));
    EXPECT_EQ(dlg.child(IDC_CLASS_PATH).text(), folder / "Halvane.jar");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(SelectPathTest, TheLibrarysTemplateAndMessageWinOverTheHostsOfTheSameIds) {
  ASSERT_NE(::FindResource(Host(), MAKEINTRESOURCE(IDD_SELECT_PATH), RT_DIALOG), nullptr);
  CSelectPath dialog;
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_TRUE(dlg.child(IDC_CLASS_PATH));
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please, enter the valid path or filename!");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

}  // namespace
