// Repository-copy files through the commands: Save All To One File written
// byte for byte as a file written out here by hand, Open From File reading
// that file back field by field, each choice of the import-results dialog
// with the definitions it leaves (and the saves it makes), damaged files
// that leave nothing behind, a reload that fails and keeps the definition,
// and a value that cannot stand on one line.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "BOImpExp.h"
#include "import_results_robot.h"
#include "orvex_fixture.h"

namespace orvex_test {
namespace {

constexpr const char* kOpenDialog = "Import Business Object(s) From File(s)";
constexpr const char* kSaveAllDialog = "Save All Business Objects to Files";
constexpr int kOpenImported = 1010;

// The text with every line ended by CR LF, as the program writes it.
std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Two definitions with every field the format has, as they are written:
// Address first, since Customer uses it; Customer's event id last.
const std::string kWritten = Crlf(
    "[Pellisk]\nVersion = 3.0.0\n[End]\n"
    "[BusinessObjectDefinition]\nName = Address\nVersion = 1.0.0\nAppSpecificInfo = table=addr\n"
    "\n\t[Attribute]\n\tName = Id\n\tType = String\n\tMaxLength = 10\n\tIsKey = true\n\tIsForeignKey = false\n"
    "\tIsRequired = true\n\tAppSpecificInfo = col=ID\n\tIsRequiredServerBound = false\n\tComments = the key\n"
    "\t[End]\n"
    "\n\t[Attribute]\n\tName = Street\n\tType = String\n\tMaxLength = 40\n\tIsKey = false\n\tIsForeignKey = false\n"
    "\tIsRequired = false\n\tDefaultValue = Main Street  \n\tIsRequiredServerBound = false\n\t[End]\n"
    "\n\t[Verb]\n\tName = Create\n\tAppSpecificInfo = insert into addr\n\t[End]\n"
    "\n\t[Verb]\n\tName = Retrieve\n\t[End]\n"
    "\n\t[Property]\n\tName = BO_SPEC_PROPERTY\n\tAttrName = Table\n\tAttrType = String\n\tAttrValue = ADDR\n"
    "\tAttrDescription = \n\t[End]\n"
    "[End]\n"
    "[BusinessObjectDefinition]\nName = Customer\nVersion = 2.0.0\n"
    "\n\t[Attribute]\n\tName = CustomerId\n\tType = String\n\tMaxLength = 3\n\tIsKey = true\n\tIsForeignKey = false\n"
    "\tIsRequired = true\n\tIsRequiredServerBound = false\n\t[End]\n"
    "\n\t[Attribute]\n\tName = Home\n\tType = Address\n\tContainedObjectVersion = 1.0.0\n"
    "\tRelationship = Containment\n\tCardinality = 1\n\tMaxLength = \n\tIsKey = false\n\tIsForeignKey = true\n"
    "\tIsRequired = false\n\tIsRequiredServerBound = false\n\t[End]\n"
    "\n\t[Attribute]\n\tName = ObjectEventId\n\tType = String\n\tMaxLength = \n\tIsKey = false\n"
    "\tIsForeignKey = false\n\tIsRequired = false\n\tIsRequiredServerBound = false\n\t[End]\n"
    "\n\t[Verb]\n\tName = Create\n\t[End]\n"
    "[End]\n");

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A definition block of one key attribute.
std::string Block(const std::string& name, const std::string& attribute) {
  return "[BusinessObjectDefinition]\nName = " + name + "\nVersion = 1.0.0\n\n\t[Attribute]\n\tName = " + attribute +
         "\n\tType = String\n\tMaxLength = 10\n\tIsKey = true\n\tIsForeignKey = false\n\tIsRequired = false\n"
         "\tIsRequiredServerBound = false\n\t[End]\n\n\t[Verb]\n\tName = Create\n\t[End]\n[End]\n";
}

class ImportExportTest : public OrvexTest {
 protected:
  // The two definitions above, made in the session; Customer's event id is
  // second of three.
  static void MakeAddressAndCustomer() {
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pAddress = pDM->GetBO("Address", 1, 0);
    pAddress->SetAppInfo("table=addr");
    CBODefAttr& id = AddAttribute(pAddress, "Id", "String", "10");
    id.SetKey(TRUE);
    id.SetRequired(TRUE);
    id.SetAppInfo("col=ID");
    id.SetComments("the key");
    AddAttribute(pAddress, "Street", "String", "40").SetDefaultValue("Main Street  ");
    pAddress->AddVerb("Create", "insert into addr");
    pAddress->AddVerb("Retrieve", "");
    pAddress->AddProperty("Table", "String", "ADDR", "");

    CQRBusObjDef* pCustomer = pDM->GetBO("Customer", 1, 0);
    pCustomer->SetVersion("2.0.0");
    CBODefAttr& key = AddAttribute(pCustomer, "CustomerId", "String", "3");
    key.SetKey(TRUE);
    key.SetRequired(TRUE);
    AddAttribute(pCustomer, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String", "");
    CBODefAttr& home = AddAttribute(pCustomer, "Home", "Address", "");
    home.SetContainedObjectVersion("1.0.0");
    home.SetRelationship("Containment");
    home.SetCardinality("1");
    home.SetForeignKey(TRUE);
    pCustomer->AddVerb("Create", "");
  }
  std::string Path(const std::string& file) { return folder_ / file; }
  static CQRBusObjDef* Held(const char* name) { return CDataManager::InitInstance()->GetBO(name, 0, 0); }
  static std::vector<std::string> Attributes(const char* name) { return Content(Held(name)).attributes; }
  // Open From File on the path; `openImported` as the dialog's option.
  void OpenFromFile(const std::string& path, bool openImported = true) {
    AnswerFileDialog(kOpenDialog, path, [openImported](Robot& r, Window dlg) {
      if (!openImported) r.click(FileOptions(dlg).child(kOpenImported));
    });
    robot.chooseMenu({"&File", "Open From &File..."});
  }
  // Local definitions of one key attribute each.
  static void MakeLocal(const std::vector<std::string>& names, const char* attribute) {
    for (const std::string& name : names) {
      CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(name.c_str(), 1, 0);
      AddAttribute(pDef, attribute, "String", "10").SetKey(TRUE);
      pDef->AddVerb("Create", "");
    }
  }
  // The saves the server logged for a name after `since` (a log position).
  int SavesOf(const std::string& name, long long since) const {
    return static_cast<int>(
        LogCount("SELECT COUNT(*) FROM change_log WHERE action = 'S' AND seq > ? AND name = ?", since, name));
  }
  long long LogEnd() const { return LogCount("SELECT COALESCE(MAX(seq), 0) FROM change_log WHERE seq > ?", 0, ""); }

 private:
  long long LogCount(const char* query, long long since, const std::string& name) const {
    sqlite3* db = nullptr;
    long long value = -1;
    const std::string path = folder_ / ("servers/" + std::string(kServer) + ".db");
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
      sqlite3_stmt* stmt = nullptr;
      if (sqlite3_prepare_v2(db, query, -1, &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_int64(stmt, 1, since);
        if (sqlite3_bind_parameter_count(stmt) > 1) sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) == SQLITE_ROW) value = sqlite3_column_int64(stmt, 0);
      }
      sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return value;
  }
};

TEST_F(ImportExportTest, SaveAllToOneFileWritesWhatOpenFromFileReadsBack) {
  std::string address;
  std::string customer;
  RunScript({"-x"}, [&] {
    MakeAddressAndCustomer();
    AnswerFileDialog(kSaveAllDialog, Path("all.txt"), [](Robot&, Window dlg) {
      EXPECT_EQ(dlg.child(edt1).text(), "Customer") << "the definition with the most it uses";
      for (int id : {kOpenImported, 1011, 1040, 1070}) EXPECT_FALSE(FileOptions(dlg).child(id).isVisible()) << id;
    });
    robot.chooseMenu({"&File", "Save All", "To One File"});
    EXPECT_EQ(ReadFile(Path("all.txt")), kWritten);
    for (const char* name : {"Address", "Customer"}) {
      const int state = Held(name)->GetState();
      EXPECT_EQ(state & (HvStateNew | HvStateVisited | HvStateWrittenToFile), HvStateWrittenToFile) << name;
      EXPECT_EQ(std::string(Held(name)->GetImportPath()), Path("all.txt"));
    }
    EXPECT_EQ(Attributes("Customer"),
              (std::vector<std::string>{"CustomerId:String", "Home:Address", "ObjectEventId:String"}))
        << "the event id stays last in the definition";
    address = AllFields(Held("Address"));
    customer = AllFields(Held("Customer"));
  });
  delete CDataManager::PeekInstance();

  // The file written by hand, read into a session of its own.
  WriteText(Path("by hand.in"), kWritten);
  RunScript({"-x"}, [&] {
    OpenFromFile(Path("by hand.in"));
    EXPECT_EQ(AllFields(Held("Address")), address);
    EXPECT_EQ(AllFields(Held("Customer")), customer);
    EXPECT_TRUE(Contains(Results(), "Importing business object Address\r\nImporting business object Customer\r\n"))
        << Results();
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"}) << "Address opens inside Customer";
    for (const char* name : {"Address", "Customer"}) {
      EXPECT_EQ(Held(name)->GetState(), HvStateWrittenToFile) << name;
      EXPECT_EQ(std::string(Held(name)->GetImportPath()), Path("by hand.in"));
    }
  });
}

TEST_F(ImportExportTest, ADefinitionUsedTwiceIsWrittenOnce) {
  RunScript({"-x"}, [&] {
    MakeAddressAndCustomer();
    CQRBusObjDef* pOrder = CDataManager::InitInstance()->GetBO("Order", 1, 0);
    AddAttribute(pOrder, "Ship", "Address", "").SetCardinality("1");
    CBODefArray defs;
    defs.Add(Held("Customer"));
    defs.Add(pOrder);
    EXPECT_EQ(CBOImpExp().Export(defs, Path("two.txt").c_str()), 0);
    const std::string text = ReadFile(Path("two.txt"));
    EXPECT_EQ(text.find("Name = Address\r\n"), text.rfind("Name = Address\r\n"));
    EXPECT_LT(text.find("Name = Address\r\n"), text.find("Name = Customer\r\n"));
    EXPECT_LT(text.find("Name = Customer\r\n"), text.find("Name = Order\r\n"));
  });
}

TEST_F(ImportExportTest, AValueWithALineBreakWritesNothingAndSaysWhere) {
  WriteText(Path("kept.txt"), "what was there\r\n");
  RunScript({"-x"}, [&] {
    MakeAddressAndCustomer();
    Held("Address")->GetAttrs()[1]->SetComments("two\nlines");
    std::string message;
    AnswerBoxKeepingText(message);
    AnswerFileDialog(kSaveAllDialog, Path("kept.txt"));
    robot.onMessageBox(kSaveAllDialog, IDYES);
    robot.chooseMenu({"&File", "Save All", "To One File"});
    EXPECT_EQ(message,
              "The business object Address cannot be written: the Comments of attribute Street holds a line "
              "break.");
    EXPECT_EQ(Held("Address")->GetState() & HvStateWrittenToFile, 0) << "nothing counts as written";
  });
  EXPECT_EQ(ReadFile(Path("kept.txt")), "what was there\r\n");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    if (entry.path().filename() != "registry.reg") names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"kept.txt", "servers"})) << "no file left half-written";
}

TEST_F(ImportExportTest, TheImportResultsChoicesEachLeaveTheirDefinitions) {
  WriteText(Path("import.txt"),
            Crlf("[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("Keep0", "Imp") + Block("Keep1", "Imp") +
                 Block("over", "Imp") + Block("Skip", "Imp") + Block("Fresh", "Imp")));
  RunScript({"-x"}, [&] {
    MakeLocal({"Keep0", "Keep1", "Over", "Skip"}, "Loc");
    CQRBusObjDef* pLocal0 = Held("Keep0");
    CQRBusObjDef* pOver = Held("Over");
    App().OpenBODefWindow(pLocal0);
    robot.onDialog("Import Results", [](Robot& r, Window dlg) {
      EXPECT_EQ(RowNames(dlg), (std::vector<std::string>{"Keep0", "Keep1", "Skip", "over"}))
          << "a name the session has in another case collides too";
      ChooseAction(r, dlg, RowOf(dlg, "Keep0"), "Keep Import\\RenameLocal");
      TypeNewName(r, dlg, RowOf(dlg, "Keep0"), "Keep0_Local");
      ChooseAction(r, dlg, RowOf(dlg, "Keep1"), "Keep Local\\Rename Import");
      TypeNewName(r, dlg, RowOf(dlg, "Keep1"), "Keep1_Import");
      ChooseAction(r, dlg, RowOf(dlg, "over"), "Overwrite Local");
      ChooseAction(r, dlg, RowOf(dlg, "Skip"), "Don't Import");
      r.click(dlg.child(IDOK));
    });
    OpenFromFile(Path("import.txt"));

    // 0: the import has the name, the local one the new name, and its window follows it.
    EXPECT_EQ(Attributes("Keep0"), std::vector<std::string>{"Imp:String"});
    EXPECT_NE(Held("Keep0"), pLocal0);
    EXPECT_EQ(Held("Keep0_Local"), pLocal0);
    EXPECT_EQ(Attributes("Keep0_Local"), std::vector<std::string>{"Loc:String"});
    ASSERT_NE(COrvexDoc::FindByName("Keep0_Local"), nullptr);
    EXPECT_EQ(COrvexDoc::FindByName("Keep0_Local")->m_pBODef, pLocal0);
    // 1: the local one keeps the name, the import takes the new one.
    EXPECT_EQ(Attributes("Keep1"), std::vector<std::string>{"Loc:String"});
    EXPECT_EQ(Attributes("Keep1_Import"), std::vector<std::string>{"Imp:String"});
    // 2: the local definition itself gets the import's content.
    EXPECT_EQ(Held("Over"), pOver);
    EXPECT_EQ(Attributes("Over"), std::vector<std::string>{"Imp:String"});
    EXPECT_EQ(pOver->GetState() & HvStateModified, HvStateModified);
    EXPECT_EQ(Held("over"), nullptr);
    // 3: nothing of the import.
    EXPECT_EQ(Attributes("Skip"), std::vector<std::string>{"Loc:String"});
    // A new name joins as read from the file.
    EXPECT_EQ(Attributes("Fresh"), std::vector<std::string>{"Imp:String"});
    EXPECT_EQ(Held("Fresh")->GetState(), HvStateWrittenToFile);
    std::vector<std::string> titles = OpenTitles();
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"Fresh", "Keep0", "Keep0_Local", "Keep1_Import", "Over"}));
    EXPECT_EQ(CDataManager::InitInstance()->RefreshBONames(0)->GetCount(), 7);
    pOver->RemoveState(HvStateModified);
  });
}

TEST_F(ImportExportTest, ConnectedWithoutWindowsEachKeptDefinitionIsSavedOnce) {
  for (const char* name : {"Keep0", "Keep1", "Over", "Skip"}) PutOnServer(name, {"Srv:String"});
  WriteText(Path("import.txt"),
            Crlf("[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("Keep0", "Imp") + Block("Keep1", "Imp") +
                 Block("Over", "Imp") + Block("Skip", "Imp") + Block("Fresh", "Imp")));
  const long long before = LogEnd();
  RunScript(Login(), [&] {
    robot.onDialog("Import Results", [](Robot& r, Window dlg) {
      ChooseAction(r, dlg, RowOf(dlg, "Keep0"), "Keep Import\\RenameLocal");
      TypeNewName(r, dlg, RowOf(dlg, "Keep0"), "Keep0_Server");
      ChooseAction(r, dlg, RowOf(dlg, "Keep1"), "Keep Local\\Rename Import");
      TypeNewName(r, dlg, RowOf(dlg, "Keep1"), "Keep1_Import");
      ChooseAction(r, dlg, RowOf(dlg, "Over"), "Overwrite Local");
      ChooseAction(r, dlg, RowOf(dlg, "Skip"), "Don't Import");
      r.click(dlg.child(IDOK));
    });
    OpenFromFile(Path("import.txt"), false);
    EXPECT_TRUE(OpenTitles().empty());
  });
  EXPECT_EQ(OnServer("Keep0").attributes, std::vector<std::string>{"Imp:String"});
  EXPECT_EQ(OnServer("Keep0_Server").attributes, std::vector<std::string>{"Srv:String"});
  EXPECT_EQ(OnServer("Keep1").attributes, std::vector<std::string>{"Srv:String"});
  EXPECT_EQ(OnServer("Keep1_Import").attributes, std::vector<std::string>{"Imp:String"});
  EXPECT_EQ(OnServer("Over").attributes, std::vector<std::string>{"Imp:String"});
  EXPECT_EQ(OnServer("Skip").attributes, std::vector<std::string>{"Srv:String"});
  EXPECT_EQ(OnServer("Fresh").attributes, std::vector<std::string>{"Imp:String"});
  for (const char* name : {"Keep0", "Keep1_Import", "Over", "Fresh"}) EXPECT_EQ(SavesOf(name, before), 1) << name;
  EXPECT_EQ(SavesOf("Keep0_Server", before), 2) << "renamed on the server, then saved";
  EXPECT_EQ(SavesOf("Keep1", before) + SavesOf("Skip", before), 0);
}

TEST_F(ImportExportTest, CancelDropsTheCollidingImportsAndKeepsTheNewOnes) {
  WriteText(Path("import.txt"),
            Crlf("[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("Keep0", "Imp") + Block("Fresh", "Imp")));
  RunScript({"-x"}, [&] {
    MakeLocal({"Keep0"}, "Loc");
    robot.onDialog("Import Results", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    OpenFromFile(Path("import.txt"), false);
    EXPECT_EQ(Attributes("Keep0"), std::vector<std::string>{"Loc:String"});
    EXPECT_EQ(Attributes("Fresh"), std::vector<std::string>{"Imp:String"});
    EXPECT_EQ(CDataManager::InitInstance()->RefreshBONames(0)->GetCount(), 2);
  });
}

TEST_F(ImportExportTest, AServerLostWhileTheDialogIsOpenLeavesNothingDangling) {
  PutOnServer("Keep0", {"Srv:String"});
  WriteText(Path("import.txt"),
            Crlf("[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("Keep0", "Imp") + Block("Fresh", "Imp")));
  RunScript(Login(), [&] {
    robot.onDialog("Import Results", [&](Robot& r, Window dlg) {
      // What the server-lost notice does: the session ends and every
      // definition no window shows is released, the entered ones too.
      App().Disconnect(false);
      ChooseAction(r, dlg, RowOf(dlg, "Keep0"), "Overwrite Local");
      r.click(dlg.child(IDOK));
    });
    OpenFromFile(Path("import.txt"));
    EXPECT_TRUE(OpenTitles().empty()) << "nothing released is opened";
    EXPECT_TRUE(Contains(Results(), "Business object Keep0 could not be imported")) << Results();
  });
}

TEST_F(ImportExportTest, ADamagedFileLeavesNothingAndItsHeaderIsRead) {
  const std::string good = Block("Good", "Id");
  // Line 27 is the unknown field of the second block.
  WriteText(Path("damaged.txt"), "[Pellisk]\nVersion = 3.0.0\n[End]\n" + good +
                                     "[BusinessObjectDefinition]\nName = Bad\n\n\t[Attribute]\n\tName = Id\n"
                                     "\tColour = red\n\t[End]\n[End]\n");
  // A header without its version, and a block of a name only.
  WriteText(Path("noversion.txt"), "[Pellisk]\n[BusinessObjectDefinition]\nName = Bare\n[End]\n");
  WriteText(Path("noheader.txt"),
            "[BusinessObjectDefinition]\nName = Headless\n\n\t[Attribute]\n\tName = Id\n"
            "\tType = String\n\tIsKey = TRUE\n\t[End]\n[End]\n");
  RunScript({"-x"}, [&] {
    std::string message;
    AnswerBoxKeepingText(message);
    OpenFromFile(Path("damaged.txt"));
    EXPECT_EQ(message, "Line 27: Unknown field name Colour encountered");
    EXPECT_EQ(Held("Good"), nullptr) << "what was read before the fault is not kept";
    EXPECT_TRUE(CDataManager::InitInstance()->RefreshBONames(0)->IsEmpty());
    EXPECT_TRUE(OpenTitles().empty());

    Frame().ShowResults(TRUE);
    OpenFromFile(Path("noversion.txt"));
    EXPECT_TRUE(Contains(Results(), "Warning: Line 2: No repository copy version available\r\n")) << Results();
    EXPECT_EQ(Attributes("Bare"), std::vector<std::string>{"ObjectEventId:String"})
        << "the definition after the header is read, and gets the event id";

    Frame().ShowResults(TRUE);
    OpenFromFile(Path("noheader.txt"));
    EXPECT_TRUE(Contains(Results(), "Warning: Line 1: No repository copy version available\r\n")) << Results();
    ASSERT_NE(Held("Headless"), nullptr);
    EXPECT_FALSE(Held("Headless")->GetAttrs()[0]->IsKey()) << "only \"true\" is true";

    AnswerBoxKeepingText(message);
    OpenFromFile(Path("missing.txt"));
    EXPECT_EQ(message, "File " + Path("missing.txt") + " could not be opened!");
  });
}

TEST_F(ImportExportTest, AFailedReloadKeepsTheDefinitionAsItIs) {
  WriteText(Path("reload.txt"), "[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("Other", "Id") + Block("Draft", "Id"));
  RunScript({"-x"}, [&] {
    OpenFromFile(Path("reload.txt"), false);
    CQRBusObjDef* pDraft = Held("Draft");
    ASSERT_NE(pDraft, nullptr);
    AddAttribute(pDraft, "Extra", "String", "5");
    pDraft->AddState(HvStateModified);

    // The file damaged since: the definition stays as it was, changes and all.
    WriteText(Path("reload.txt"),
              "[Pellisk]\nVersion = 3.0.0\n[End]\n[BusinessObjectDefinition]\nName = Draft\n"
              "Colour = red\n[End]\n");
    std::string message;
    AnswerBoxKeepingText(message);
    EXPECT_FALSE(CBOImpExp().ReloadFromFile(pDraft));
    EXPECT_EQ(message, "Line 6: Colour = red Invalid attribute");
    EXPECT_EQ(Attributes("Draft"), (std::vector<std::string>{"Id:String", "Extra:String"}));
    EXPECT_EQ(pDraft->GetState() & HvStateModified, HvStateModified);
    // Without a version, or without the definition, no answer either.
    WriteText(Path("reload.txt"), "[Pellisk]\n[End]\n" + Block("Draft", "Id"));
    EXPECT_FALSE(CBOImpExp().ReloadFromFile(pDraft));
    WriteText(Path("reload.txt"), "[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("Other", "Id"));
    EXPECT_FALSE(CBOImpExp().ReloadFromFile(pDraft));
    EXPECT_EQ(Attributes("Draft").size(), 2u);

    WriteText(Path("reload.txt"), "[Pellisk]\nVersion = 3.0.0\n[End]\n" + Block("draft", "Back"));
    EXPECT_TRUE(CBOImpExp().ReloadFromFile(pDraft));
    EXPECT_EQ(Attributes("Draft"), std::vector<std::string>{"Back:String"});
    EXPECT_EQ(pDraft->GetState() & (HvStateModified | HvStateWrittenToFile), HvStateWrittenToFile);
  });
}

}  // namespace
}  // namespace orvex_test
