// XML schema files through the commands and the real translator (the
// build's lib/Halvane.jar): Save As To File writes a schema per definition
// after the schema-mode validation, with the broker's deployment files from
// the profile the file dialog's "Use profile..." confirmed; Open From File
// reads a schema back field by field; a definition that fails the schema
// validation and deployment files without a profile are reported.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "BOImpExp.h"
#include "DlgImportFile.h"
#include "KBRXExportTransaction.h"
#include "PropGrid.h"
#include "orvex_fixture.h"
#include "robot_grid.h"
#include "win32/services.h"
#include "wizard_resource.h"

namespace orvex_test {
namespace {

constexpr const char* kSaveDialog = "Save Business Object to File";
constexpr const char* kOpenDialog = "Import Business Object(s) From File(s)";
constexpr const char* kSchemaType = "Xml Schema Definition (*.xsd)";
constexpr const char* kProfileDialog = "Deployment to KBRX - KBRX Connection Properties";
constexpr int kGenerateBrokerFiles = 1011;
constexpr int kUseProfile = 1040;

// Sets an environment variable for the test's life and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (saved_) {
      ::setenv(name_.c_str(), saved_->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

class SchemaTest : public OrvexTest {
 protected:
  void SetUp() override {
    OrvexTest::SetUp();
    if (!HALVANE_HAVE_JAR) GTEST_SKIP() << "lib/Halvane.jar was not built (no JDK at configure time)";
    if (win32::FindProgram("java.exe").empty()) GTEST_SKIP() << "no java program on PATH";
    CKBRXExportTransaction::ResetTemporaryFolder();
    CDlgImportFile::GetBrokerProperties().RemoveAll();
  }
  void TearDown() override {
    CDlgImportFile::GetBrokerProperties().RemoveAll();
    CKBRXExportTransaction::ResetTemporaryFolder();
    OrvexTest::TearDown();
  }

  std::string Path(const std::string& file) { return folder_ / file; }
  static CQRBusObjDef* Held(const char* name) { return CDataManager::InitInstance()->GetBO(name, 0, 0); }

  // Customer, which holds an Address, in a window of its own.
  void OpenCustomer() {
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pAddress = pDM->GetBO("Address", 1, 0);
    AddAttribute(pAddress, "Id", "Integer", "").SetKey(TRUE);
    AddAttribute(pAddress, "Street", "String", "40").SetDefaultValue("Main Street");
    pAddress->AddVerb("Create", "insert");
    CQRBusObjDef* pCustomer = pDM->GetBO("Customer", 1, 0);
    pCustomer->SetAppInfo("table=cust");
    AddAttribute(pCustomer, "CustomerId", "String", "8").SetKey(TRUE);
    CBODefAttr& home = AddAttribute(pCustomer, "Home", "Address", "");
    home.SetCardinality("1");
    home.SetContainedObjectVersion("1.0.0");
    AddAttribute(pCustomer, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String", "");
    pCustomer->AddVerb("Create", "");
    pCustomer->AddProperty("Table", "String", "CUSTOMERS", "");
    App().OpenBODefWindow(pCustomer);
  }
  // Types a value into row `row` of the broker profile's grid.
  static void TypeValue(Robot& r, Window dlg, ROWCOL row, const std::string& text) {
    const Window grid = dlg.child(IDC_PROP_GRID);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, grid, row, CPropGrid::kNameCol);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, grid, row, CPropGrid::kValueCol);
    r.type(text);
    r.key(VK_RETURN);
  }
  // Save As To File of the active window as a schema file; `deploy` is the
  // deployment option, and `withProfile` gives the broker profile's two
  // required values first.
  void SaveAsSchema(const std::string& path, bool deploy, bool withProfile) {
    AnswerFileDialog(kSaveDialog, path, [this, deploy, withProfile](Robot& r, Window dlg) {
      r.choose(dlg.child(cmb1), kSchemaType);
      const Window options = FileOptions(dlg);
      if (!deploy) r.click(options.child(kGenerateBrokerFiles));
      if (withProfile) {
        robot.onDialog(kProfileDialog, [](Robot& r2, Window profile) {
          TypeValue(r2, profile, 1, "ORDERS");
          TypeValue(r2, profile, 2, "loader");
          r2.click(profile.child(IDOK));
        });
        r.click(options.child(kUseProfile));
      }
    });
    robot.chooseMenu({"&File", "Save As", "To File..."});
  }

  halvane::test::TempFolder temp_{"orvex-schema-temp"};
  ScopedVariable tempVariable_{"TEMP", temp_.path()};
  ScopedVariable homeVariable_{"HALVANE", HALVANE_BUILD_DIR};
  // The broker's profile book goes beside this user's folder.
  ScopedVariable userProfile_{"USERPROFILE", folder_ / "Users/tester"};
};

TEST_F(SchemaTest, SchemasAreWrittenWithTheirDeploymentFilesAndReadBack) {
  std::filesystem::create_directories(Path("out"));
  std::string address;
  std::string customer;
  RunScript({"-x"}, [&] {
    OpenCustomer();
    SaveAsSchema(Path("out/Customer.xsd"), true, true);
    EXPECT_TRUE(Contains(Results(), "Validating \"Customer...\"\r\nValidating \"Address...\"\r\n")) << Results();
    EXPECT_TRUE(Contains(Results(), "Succeeded saving \"Customer\" to file")) << Results();
    for (const char* file : {"Address.xsd", "Customer.xsd", "CustomerParams.txt", "ImportCustomer.bat"})
      EXPECT_TRUE(std::filesystem::exists(Path("out/") + file)) << file;
    const std::string params = ReadFile(Path("out/CustomerParams.txt"));
    EXPECT_TRUE(Contains(params, "VSK_DB=ORDERS\r\nDB_User=loader\r\n")) << params;
    EXPECT_EQ(std::string(CDlgImportFile::GetBrokerProperties().Find("VSK_DB")->GetValue()), "ORDERS")
        << "the profile is the run's for every export";
    for (const char* name : {"Address", "Customer"}) {
      EXPECT_EQ(Held(name)->GetState() & (HvStateNew | HvStateVisited | HvStateWrittenToFile), HvStateWrittenToFile);
      EXPECT_EQ(std::string(Held(name)->GetImportPath()), Path("out/") + name + ".xsd");
    }
    address = AllFields(Held("Address"));
    customer = AllFields(Held("Customer"));
  });
  EXPECT_TRUE(std::filesystem::is_empty(temp_.path())) << "the translator's files went again";
  delete CDataManager::PeekInstance();

  RunScript({"-x"}, [&] {
    AnswerFileDialog(kOpenDialog, Path("out/Customer.xsd"));
    robot.chooseMenu({"&File", "Open From &File..."});
    EXPECT_EQ(AllFields(Held("Address")), address);
    EXPECT_EQ(AllFields(Held("Customer")), customer);
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"});
    EXPECT_EQ(std::string(Held("Customer")->GetImportPath()), Path("out/Customer.xsd"));

    // A changed definition goes back to its schema file.
    CQRBusObjDef* pCustomer = Held("Customer");
    AddAttribute(pCustomer, "Extra", "String", "5");
    pCustomer->AddState(HvStateModified);
    EXPECT_TRUE(CBOImpExp().ReloadFromFile(pCustomer));
    EXPECT_EQ(AllFields(pCustomer), customer);
  });
}

TEST_F(SchemaTest, ASchemaNeedsXmlNamesAndDeploymentFilesNeedAProfile) {
  std::filesystem::create_directories(Path("out"));
  RunScript({"-x"}, [&] {
    OpenCustomer();
    AddAttribute(Held("Customer"), "1st", "String", "4");
    std::string message;
    AnswerBoxKeepingText(message, "Export error");
    SaveAsSchema(Path("out/Customer.xsd"), false, false);
    EXPECT_EQ(message,
              "Export failed due to any/all of the following unresolved dependencies: Error: Attribute 1st is "
              "not a valid XML name. You can export this definition in repository copy format, but not in "
              "XSD\n");
    EXPECT_TRUE(std::filesystem::is_empty(Path("out")));

    // Valid, but the broker's properties were never given.
    Held("Customer")->GetAttrs().DeleteAt(3);
    AnswerBoxKeepingText(message, "Export error");
    SaveAsSchema(Path("out/Customer.xsd"), true, false);
    EXPECT_EQ(message, "Creating of KBRX deployment files failed");
    EXPECT_FALSE(std::filesystem::exists(Path("out/CustomerParams.txt")));
    EXPECT_EQ(Held("Customer")->GetState() & HvStateWrittenToFile, 0) << "a failed export marks nothing";
  });
}

}  // namespace
}  // namespace orvex_test
