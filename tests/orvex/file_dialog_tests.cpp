// The import/export file dialog in its three modes: the options each shows,
// the rename option following the file type, the names a save refuses,
// and its picture in save mode.
#include <Constants.h>

#include <filesystem>
#include <string>

#include "DlgImportFile.h"
#include "orvex_fixture.h"

namespace orvex_test {
namespace {

constexpr int kOpenImported = 1010;
constexpr int kGenerateBrokerFiles = 1011;
constexpr int kUseProfile = 1040;
constexpr int kRename = 1070;
constexpr const char* kSaveDialog = "Save Business Object to File";
constexpr const char* kSchemaType = "Xml Schema Definition (*.xsd)";

// The caption of the utility library's boxes: the program file's name.
std::string ProgramName() {
  char path[4096] = {};
  ::GetModuleFileName(nullptr, path, sizeof(path));
  return std::filesystem::path(path).stem().string();
}

CString Filter(const char* rest) {
  CString schema;
  schema.LoadString(61634);
  return schema + rest;
}

class FileDialogTest : public OrvexTest {
 protected:
  std::string Path(const std::string& file) { return folder_ / file; }
  static void TypeName(Robot& r, Window dlg, const std::string& name) {
    const Window edit = dlg.child(edt1);
    r.click(edit);
    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.type(name);
  }
  // The texts of the boxes the robot answered, in order.
  std::vector<std::string> boxes_;
  void AnswerBox(const std::string& caption) {
    robot.onDialog(caption, [this](Robot& r, Window box) {
      for (const std::string& text : r.texts(box)) {
        if (!text.empty() && text != "OK") boxes_.push_back(text);
      }
      r.click(box.child(IDOK));
    });
  }
};

TEST_F(FileDialogTest, OpenModeOffersOnlyToOpenTheImportedDefinitions) {
  RunScript({"-x"}, [&] {
    CDlgImportFile dlg(TRUE, ".txt", nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST,
                       Filter("|Halvane (*.in)|*.in|*.txt|*.txt|All Files (*.*)|*.*||"), &Frame(), FALSE);
    folder_.file("orders.in");
    robot.onDialog("Import Business Object(s) From File(s)", [&](Robot& r, Window dlg) {
      const Window options = FileOptions(dlg);
      EXPECT_TRUE(options.child(kOpenImported).isVisible());
      EXPECT_EQ(options.child(kOpenImported).checked(), BST_CHECKED);
      for (int id : {kGenerateBrokerFiles, kUseProfile, kRename}) EXPECT_FALSE(options.child(id).isVisible()) << id;
      EXPECT_EQ(Window(dlg.child(cmb1)).text(), "*.txt") << "the type of the default extension";
      EXPECT_TRUE(dlg.child(pshHelp).isVisible());
      r.click(options.child(kOpenImported));
      // Any name passes here: the import reads what it finds.
      TypeName(r, dlg, Path("orders.in"));
      r.click(dlg.child(IDOK));
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nOpenImported, BST_UNCHECKED);
    EXPECT_EQ(std::string(dlg.GetPathName()), Path("orders.in"));
  });
}

TEST_F(FileDialogTest, WithoutBrokerOptionsNothingIsOfferedAndNoNameIsChecked) {
  RunScript({"-x"}, [&] {
    CDlgImportFile dlg(FALSE, ".txt", "Order", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Text Files (*.in)|*.in|(*.xls)|*.xls|*.txt|*.txt|All Files (*.*)|*.*||", &Frame(), TRUE);
    dlg.m_ofn.lpstrTitle = "Save All Business Objects to File";
    robot.onDialog("Save All Business Objects to Files", [&](Robot& r, Window dlg) {
      const Window options = FileOptions(dlg);
      for (int id : {kOpenImported, kGenerateBrokerFiles, kUseProfile, kRename})
        EXPECT_FALSE(options.child(id).isVisible()) << id;
      TypeName(r, dlg, Path("all of them.txt"));
      r.click(dlg.child(IDOK));
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(std::string(dlg.GetFileTitle()), "all of them");
  });
}

TEST_F(FileDialogTest, SaveModeOffersTheRenameWhichASchemaFileDoesWithout) {
  PutOnServer("Customer", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    robot.onDialog(kSaveDialog, [&](Robot& r, Window dlg) {
      const Window options = FileOptions(dlg);
      EXPECT_FALSE(options.child(kOpenImported).isVisible());
      const Window generate = options.child(kGenerateBrokerFiles);
      const Window profile = options.child(kUseProfile);
      const Window rename = options.child(kRename);
      EXPECT_TRUE(generate.isVisible() && profile.isVisible() && rename.isVisible());
      EXPECT_EQ(generate.checked(), BST_CHECKED);
      EXPECT_FALSE(generate.isEnabled()) << "deployment files come only with a schema file";
      EXPECT_FALSE(profile.isEnabled());
      EXPECT_EQ(rename.checked(), BST_CHECKED);
      EXPECT_TRUE(rename.isEnabled());
      EXPECT_EQ(dlg.child(edt1).text(), "Customer");
      EXPECT_EQ(Window(dlg.child(cmb1)).text(), "*.txt");

      r.choose(dlg.child(cmb1), kSchemaType);
      EXPECT_EQ(rename.checked(), BST_INDETERMINATE);
      EXPECT_FALSE(rename.isEnabled());
      EXPECT_TRUE(generate.isEnabled());
      EXPECT_TRUE(profile.isEnabled());
      r.click(generate);
      EXPECT_FALSE(profile.isEnabled()) << "no profile without deployment files";
      r.click(generate);
      EXPECT_TRUE(profile.isEnabled());
      r.choose(dlg.child(cmb1), "Text Files (*.in)");
      EXPECT_FALSE(generate.isEnabled());
      EXPECT_FALSE(profile.isEnabled());
      EXPECT_EQ(rename.checked(), BST_UNCHECKED) << "back from the schema type unchecked";
      EXPECT_TRUE(rename.isEnabled());
      r.click(rename);
      EXPECT_EQ(rename.checked(), BST_CHECKED) << "a two-state box again";
      r.click(rename);
      EXPECT_EQ(rename.checked(), BST_UNCHECKED);
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "Save As", "To File..."});
  });
}

TEST_F(FileDialogTest, ASaveRefusesBadNamesAndARenameToATakenName) {
  PutOnServer("Customer", {"Id:String"});
  PutOnServer("Order", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    AnswerBox(ProgramName());
    AnswerBox("Error Renaming Definition \"Customer\"");
    AnswerBox("Error Renaming Definition \"Customer\"");
    bool stayed = false;
    robot.onDialog(kSaveDialog, [&](Robot& r, Window dlg) {
      TypeName(r, dlg, Path("bad name.txt"));
      r.click(dlg.child(IDOK));
      TypeName(r, dlg, Path("ORDER.txt"));
      r.click(dlg.child(IDOK));
      // Its own name in another case would clash with itself.
      TypeName(r, dlg, Path("customer.txt"));
      r.click(dlg.child(IDOK));
      stayed = dlg.exists();
      // Without the rename the name of the file is free.
      r.click(FileOptions(dlg).child(kRename));
      TypeName(r, dlg, Path("ORDER.txt"));
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "Save As", "To File..."});
    EXPECT_TRUE(stayed);
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[0], "The name contains the character \" \", which is not allowed");
    EXPECT_EQ(boxes_[1], "A business object with this name already exists");
    EXPECT_EQ(boxes_[2], "A business object with this name already exists");
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"});
    EXPECT_NE(ReadFile(Path("ORDER.txt")).find("Name = Customer\r\n"), std::string::npos);
  });
}

TEST_F(FileDialogTest, TheSaveDialogWithItsOptions) {
  PutOnServer("Customer", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    robot.onDialog(kSaveDialog, [&](Robot& r, Window dlg) {
      // The list shows the working folder, which differs from run to run.
      r.snapshot(dlg, "save_with_options", false, {dlg.child(lst1), dlg.child(cmb2)});
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "Save As", "To File..."});
  });
}

TEST_F(FileDialogTest, TheOpenFromFileDialogAndTheSchemaOptions) {
  PutOnServer("Customer", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    robot.onDialog("Import Business Object(s) From File(s)", [&](Robot& r, Window dlg) {
      r.snapshot(dlg, "open_from_file", false, {dlg.child(lst1), dlg.child(cmb2)});
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "Open From &File..."});
    robot.onDialog(kSaveDialog, [&](Robot& r, Window dlg) {
      r.choose(dlg.child(cmb1), kSchemaType);
      r.snapshot(dlg, "save_schema_options", false, {dlg.child(lst1), dlg.child(cmb2)});
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "Save As", "To File..."});
  });
}

}  // namespace
}  // namespace orvex_test
