// The broker's deployment files: the parameter file and the import batch.
#include <gtest/gtest.h>

#include <filesystem>

#include "broker_fixture.h"

namespace brokertest {
namespace {

// The broker profile's 14 properties in their order, with values as a
// user may have set them.
AgentPropArray BrokerProperties() {
  const std::pair<const char*, const char*> values[] = {
      {"VSK_DB", "brokerdb"}, {"DB_User", "admin"},      {"DB_PW", "p=w d"},     {"xsiPrefix", "xsi"},
      {"FilePath", ""},       {"DefNameSpace", "urn:x"}, {"NoNameSpaceLoc", ""}, {"XMLTabName", "HlXML"},
      {"ReportOnly", "N"},    {"Verbose", "Y"},          {"Trace", "N"},         {"DateStringOnly", "N"},
      {"InclTimeFrac", "N"},  {"ShowSchema", "N"},
  };
  AgentPropArray properties;
  for (const auto& [name, value] : values) {
    AgentProperty property;
    property.m_strName = name;
    property.SetValue(value);
    properties.Add(property);
  }
  return properties;
}

const char* const kParams =
    "[HEADER]\r\n"
    "MessageSet=Customer\r\n"
    "RootElement=Customer\r\n"
    "SchemaLoc=\"http://schemas.halvane.example/2002/BOSchema/Customer Customer.xsd\"\r\n"
    "VSK_DB=brokerdb\r\n"
    "DB_User=admin\r\n"
    "DB_PW=p=w d\r\n"
    "xsiPrefix=xsi\r\n"
    "FilePath=\r\n"
    "DefNameSpace=urn:x\r\n"
    "NoNameSpaceLoc=\r\n"
    "XMLTabName=HlXML\r\n"
    "ReportOnly=N\r\n"
    "Verbose=Y\r\n"
    "Trace=N\r\n"
    "DateStringOnly=N\r\n"
    "InclTimeFrac=N\r\n"
    "ShowSchema=N\r\n"
    "\r\n"
    "[FILELIST]\r\n"
    "Customer.xsd\r\n"
    "\r\n"
    "[NAMESPACEPREFIX]\r\n"
    "http://schemas.halvane.example/2002/BOSchema/Customer Customer";

using DeploymentTest = BrokerTest;

TEST_F(DeploymentTest, ParameterFileHoldsTheSchemaAndTheFourteenProperties) {
  CKBRXExportTransaction transaction(&owner_);
  // An earlier file of the name is replaced.
  WriteFile(out_ / "CustomerParams.txt", "old content that is longer than nothing");
  ASSERT_TRUE(transaction.WriteParamsFile(out_.path().c_str(), "Customer", BrokerProperties()));
  EXPECT_EQ(kParams, ReadFile(out_ / "CustomerParams.txt"));
  EXPECT_EQ((std::vector<std::string>{"CustomerParams.txt"}), FolderNames(out_.path()));
}

TEST_F(DeploymentTest, ParameterFileNeedsExactlyFourteenProperties) {
  CKBRXExportTransaction transaction(&owner_);
  AgentPropArray thirteen;
  AgentPropArray fifteen = BrokerProperties();
  for (INT_PTR i = 0; i < 13; ++i) thirteen.Add(*fifteen.GetAt(i));
  fifteen.Add(*fifteen.GetAt(0));
  EXPECT_FALSE(transaction.WriteParamsFile(out_.path().c_str(), "Customer", thirteen));
  EXPECT_FALSE(transaction.WriteParamsFile(out_.path().c_str(), "Customer", fifteen));
  EXPECT_FALSE(transaction.WriteParamsFile(out_.path().c_str(), "Customer", AgentPropArray()));
  EXPECT_TRUE(FolderNames(out_.path()).empty());
}

TEST_F(DeploymentTest, ATextThatWouldBreakTheFileWritesNothing) {
  CKBRXExportTransaction transaction(&owner_);
  WriteFile(out_ / "CustomerParams.txt", "kept");
  AgentPropArray properties = BrokerProperties();
  properties.GetAt(4)->SetValue("C:\\x\n[FILELIST]\nother.xsd");
  EXPECT_FALSE(transaction.WriteParamsFile(out_.path().c_str(), "Customer", properties));
  EXPECT_EQ("kept", ReadFile(out_ / "CustomerParams.txt"));
  EXPECT_FALSE(transaction.WriteParamsFile(out_.path().c_str(), "Cus\ntomer", BrokerProperties()));
  EXPECT_FALSE(transaction.WriteParamsFile(out_.path().c_str(), "../Customer", BrokerProperties()));
  EXPECT_FALSE(transaction.WriteImportBatch(out_.path().c_str(), "Cus\rtomer"));
  EXPECT_FALSE(transaction.WriteImportBatch(out_.path().c_str(), ""));
  EXPECT_EQ((std::vector<std::string>{"CustomerParams.txt"}), FolderNames(out_.path()));
}

TEST_F(DeploymentTest, ImportBatchRunsTheBrokersToolOnTheParameterFile) {
  CKBRXExportTransaction transaction(&owner_);
  ASSERT_TRUE(transaction.WriteImportBatch(out_.path().c_str(), "Customer"));
  EXPECT_EQ("NVRTIMPXMLSCHEMA.EXE -c -f CustomerParams.txt -o CustomerMSetIdsToSpecNames.set\r\n",
            ReadFile(out_ / "ImportCustomer.bat"));
}

TEST_F(DeploymentTest, AFolderThatCannotBeWrittenIsAFailure) {
  CKBRXExportTransaction transaction(&owner_);
  const std::string missing = out_ / "missing";
  EXPECT_FALSE(transaction.WriteParamsFile(missing.c_str(), "Customer", BrokerProperties()));
  EXPECT_FALSE(transaction.WriteImportBatch(missing.c_str(), "Customer"));
  // A folder in place of the file.
  std::filesystem::create_directory(out_ / "ImportCustomer.bat");
  EXPECT_FALSE(transaction.WriteImportBatch(out_.path().c_str(), "Customer"));
  EXPECT_FALSE(Exists(missing));
}

}  // namespace
}  // namespace brokertest
