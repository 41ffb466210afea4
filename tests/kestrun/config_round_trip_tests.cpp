// Writing configuration files: a connector with every section in both modes
// written, read and written again gives the same bytes; encrypted values;
// and writes that fail keep the old file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "ConfigFileText.h"
#include "kestrun_fixture.h"

namespace kestrun_test {
namespace {

// A connector with something in every field the configuration file holds.
std::unique_ptr<CConnector> FullConnector(int type) {
  auto c = NewConnector();
  c->SetName("Order Feed");
  c->SetStdProperty("PollInterval", "250");
  c->SetStdProperty("RepositoryFolder", "admin.queue");
  c->FindStdProperty("RepositoryFolder")->SetType(HvPropCipherText);
  c->SetStdProperty("ContainerManagedEvents", "JMS");
  if (type == CONNECTOR_KBRX) c->SetStdProperty("DeliveryTransport", "KBRX-JMS");
  c->m_nType = type;
  c->AddAppProperty(new HvProperty("Region", "north", HvPropString, "agent restart", HvPropFlagNew));
  c->AddAppProperty(new HvProperty("Password", "p@ss w0rd=;[]", HvPropCipherText, "agent restart", HvPropFlagNew));
  c->m_connectorComments.AddTail("# kept comment");
  c->SetSupportedBO("Customer", 1);
  c->SetSupportedBO("Order", 0);
  c->SetMessageSet("Customer", "11");
  c->SetMessageSet("Order", "12");
  NameType map("CustMap", "HlMap", 1);
  c->m_maps.SetAt("Customer", map);
  c->m_nParallelDegree = 10;
  c->m_pools[0].m_nMinAlloc = 1;
  c->m_pools[0].m_nMaxAlloc = 7;
  c->m_pools[1].m_nMinAlloc = 1;
  c->m_pools[1].m_nMaxAlloc = 3;
  c->m_log = {"/var/log/feed.log", "KB", TRUE, TRUE, 5, 3, FALSE};
  c->m_trace = {"/var/log/feed.trc", "MB", FALSE, TRUE, 0, 2, TRUE};
  c->m_loggingComments.AddTail("#log note");
  c->m_tracingComments.AddTail("#trace note");
  c->m_strMimeType = "text/xml";
  c->m_strDHClass = "org.example.Handler";
  c->m_strDataHandlerConfigMOName = "MO_Handler";
  c->m_strMessagingText = "[MESSAGING]\r\n  QueueName = IN\r\n";
  return c;
}

class ConfigRoundTrip : public KestrunTest, public ::testing::WithParamInterface<int> {};

TEST_P(ConfigRoundTrip, ASecondWriteGivesTheSameBytes) {
  auto codec = MakeCodec();
  auto original = FullConnector(GetParam());
  ASSERT_TRUE(WriteWholeConfigFile(*codec, *original, Path("first.cfg").c_str()));
  auto read = NewConnector();
  ASSERT_TRUE(codec->ReadConfigFile(Path("first.cfg").c_str(), read.get()));
  EXPECT_EQ(GetParam(), read->m_nType);
  EXPECT_EQ("p@ss w0rd=;[]", AppValue(*read, "Password"));
  EXPECT_EQ("admin.queue", StdValue(*read, "RepositoryFolder"));
  ASSERT_TRUE(WriteWholeConfigFile(*codec, *read, Path("second.cfg").c_str()));

  // The fake encrypts alike with one key; a new session key would not.
  const std::string first = ReadFile("first.cfg");
  EXPECT_EQ(first, ReadFile("second.cfg"));
  EXPECT_EQ(std::string::npos, first.find("p@ss w0rd")) << "a secret never reaches the file in clear";
  EXPECT_NE(std::string::npos, first.find("\r\nPassword *= ENC["));
  EXPECT_NE(std::string::npos, first.find("\r\nRepositoryFolder *= ENC["));
  EXPECT_NE(std::string::npos, first.find("INSTALLID=" + Text(codec->m_strSessionKey) + "\r\n"));
  EXPECT_EQ(0u, first.find("[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\n"));
  EXPECT_NE(std::string::npos, first.find("\r\n[ConnectorAgent Order Feed]\r\n"));
  if (GetParam() == CONNECTOR_QVS) {
    EXPECT_NE(std::string::npos, first.find("\r\nSupportedBusinessObjects = Customer=TRUE;Order=FALSE\r\n"));
    EXPECT_NE(std::string::npos, first.find("\r\nAssociatedMaps = Customer=CustMap,HlMap,TRUE;Order=,HlMap,FALSE\r\n"));
    EXPECT_NE(std::string::npos, first.find("\r\nResource = ParallelProcessDegree=10;CTR=1,7;ETR=1,3\r\n"));
    EXPECT_EQ(std::string::npos, first.find("[DATAHANDLERS]"));
  } else {
    EXPECT_NE(std::string::npos, first.find("\r\nSupportedBusinessObjects = Customer=11;Order=12\r\n"));
    EXPECT_EQ(std::string::npos, first.find("Resource ="));
    EXPECT_NE(std::string::npos, first.find("\r\n[DATAHANDLERS]\r\nMimeType = text/xml\r\n"));
  }
  EXPECT_NE(std::string::npos,
            first.find("\r\n\r\n[LOGGING]\r\nLOG_FILE = /var/log/feed.log\r\nMIRROR_LOG_TO_STDOUT = "
                       "TRUE\r\nMAX_LOG_FILE_SIZE = 5 KB\r\nNUMBER_OF_ARCHIVE_LOGS = 3\r\n#log note\r\n"));
  EXPECT_NE(std::string::npos, first.find("\r\n[TRACING]\r\nTRACE_FILE = /var/log/feed.trc\r\nMIRROR_TRACE_TO_STDOUT = "
                                          "FALSE\r\nMAX_TRACE_FILE_SIZE = UNLIMITED\r\n"));
  EXPECT_EQ(first.size() - std::string("\r\n[MESSAGING]\r\n  QueueName = IN\r\n\r\n").size(),
            first.rfind("\r\n[MESSAGING]\r\n  QueueName = IN\r\n\r\n"));
}

INSTANTIATE_TEST_SUITE_P(BothModes, ConfigRoundTrip, ::testing::Values(CONNECTOR_QVS, CONNECTOR_KBRX),
                         [](const auto& info) { return info.param == CONNECTOR_QVS ? "Qvs" : "Kbrx"; });

TEST_F(KestrunTest, AnEmptyConfigurationVersionIsWrittenAsTheCurrentOne) {
  auto codec = MakeCodec();
  auto connector = NewConnector();
  connector->SetName("X");
  ASSERT_TRUE(codec->WriteConfigFile(Path("x.cfg").c_str(), connector.get(), ""));
  EXPECT_EQ("[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\nINSTALLID=session-key-1\r\n\r\n[ConnectorAgent X]\r\n\r\n",
            ReadFile("x.cfg"));
  EXPECT_EQ("3.1.2", Text(connector->m_strConfigVersion));
  EXPECT_EQ("session-key-1", Text(codec->m_strInstallId));
}

TEST_F(KestrunTest, AValueThatCannotBeEncryptedFailsTheSave) {
  for (const kestrun_test::FakeEncryptionSettings& settings :
       {kestrun_test::Refusing("secret"), kestrun_test::ServiceOff(), kestrun_test::NoKeys()}) {
    auto codec = MakeCodec(settings);
    auto connector = NewConnector();
    connector->AddAppProperty(new HvProperty("Token", "my secret", HvPropCipherText, "agent restart", HvPropFlagNew));
    CString text;
    CString error;
    EXPECT_FALSE(CConfigFileText::AppendApplicationProperties(*codec, *connector, text, error));
    EXPECT_EQ(std::string::npos, Text(text).find("my secret"));
    EXPECT_NE(std::string::npos, Text(error).find("The value of the property 'Token' could not be encrypted"))
        << Text(error);
  }
  // The standard properties tab writes its cipher values the same way.
  auto codec = MakeCodec(kestrun_test::Refusing("queue"));
  auto connector = NewConnector();
  connector->SetStdProperty("RepositoryFolder", "the queue");
  connector->FindStdProperty("RepositoryFolder")->SetType(HvPropCipherText);
  CString text;
  CString error;
  EXPECT_FALSE(CConfigFileText::AppendStandardProperties(*codec, *connector, text, error));
  EXPECT_EQ(std::string::npos, Text(text).find("the queue"));
}

TEST_F(KestrunTest, AnUndecryptableValueGoesOutAsItCameIn) {
  AnswerMessages();
  auto codec = MakeCodec();
  const std::string foreign = kestrun_test::FakeEncrypted("x", "old-key");
  auto connector = NewConnector();
  ASSERT_TRUE(codec->ReadConfigFile(
      WriteFile("in.cfg",
                "[CONFIGURATION_FILE]\r\nINSTALLID=other\r\n[ConnectorAgent X]\r\nToken *= " + foreign + "\r\n"),
      connector.get()));
  CString text;
  CString error;
  ASSERT_TRUE(CConfigFileText::AppendApplicationProperties(*codec, *connector, text, error));
  EXPECT_EQ("Token *= " + foreign + "\r\n", Text(text));
  // Typed anew, the value is the user's and is encrypted with the session key.
  connector->SetAppProperty("Token", "fresh");
  text.Empty();
  ASSERT_TRUE(CConfigFileText::AppendApplicationProperties(*codec, *connector, text, error));
  EXPECT_EQ("Token *= " + kestrun_test::FakeEncrypted("fresh", Text(codec->m_strSessionKey)) + "\r\n", Text(text));
}

TEST_F(KestrunTest, SectionTextsOfTheTabs) {
  auto connector = NewConnector();
  CString text;
  CStringList unassociated;
  CConfigFileText::AppendAssociatedMaps(*connector, text, unassociated);
  EXPECT_EQ("AssociatedMaps = \r\n", Text(text));
  // Explicit binding without a map is left out and named.
  connector->SetSupportedBO("A", 1);
  connector->SetSupportedBO("B", 1);
  connector->SetSupportedBO("Gone", 1);
  connector->FindSupportedBO("Gone")->state = RECORD_STALE;
  NameType none("", "", 1);
  connector->m_maps.SetAt("A", none);
  NameType map("M", "", 1);
  connector->m_maps.SetAt("B", map);
  text.Empty();
  CConfigFileText::AppendAssociatedMaps(*connector, text, unassociated);
  EXPECT_EQ("AssociatedMaps = B=M,HlMap,TRUE\r\n", Text(text));
  ASSERT_EQ(1, unassociated.GetCount());
  EXPECT_EQ("A", Text(unassociated.GetHead()));

  // Console only: no size or archive keys; a byte size ends in a blank.
  connector->m_log = {"", "Bytes", TRUE, FALSE, 512, 1, FALSE};
  connector->m_trace = {"t.trc", "Bytes", FALSE, TRUE, 512, 0, FALSE};
  text.Empty();
  CConfigFileText::AppendLogTrace(*connector, text);
  EXPECT_EQ(
      "\r\n[LOGGING]\r\nLOG_FILE = STDOUT\r\nMIRROR_LOG_TO_STDOUT = FALSE\r\n\r\n"
      "\r\n[TRACING]\r\nTRACE_FILE = t.trc\r\nMIRROR_TRACE_TO_STDOUT = FALSE\r\nMAX_TRACE_FILE_SIZE = 512 \r\n"
      "NUMBER_OF_ARCHIVE_TRACES = 0\r\n",
      Text(text));

  // Data handlers only while the events are exactly "JMS".
  connector->m_nType = CONNECTOR_KBRX;
  connector->SetStdProperty("ContainerManagedEvents", "jms");
  text.Empty();
  CConfigFileText::AppendDataHandlers(*connector, text);
  EXPECT_EQ("", Text(text));
}

class FailingWrites : public KestrunTest {
 protected:
  void TearDown() override {
    std::signal(SIGXFSZ, SIG_DFL);
    KestrunTest::TearDown();
  }
};

TEST_F(FailingWrites, ADiskThatFillsUpKeepsTheOldFile) {
  AnswerMessages();
  auto codec = MakeCodec();
  auto connector = NewConnector();
  connector->SetName("Big");
  const CString path = WriteFile("big.cfg", "the old file");
  const CString huge(std::string(1 << 20, 'x').c_str());
  // A file-size limit fails the write as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = 4096;
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &limited));
  const BOOL written = codec->WriteConfigFile(path, connector.get(), huge);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(written);
  EXPECT_EQ("the old file", ReadFile("big.cfg"));
  // No temporary file stays behind.
  EXPECT_EQ(1,
            std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()));
  EXPECT_EQ(1u, messages.size());
}

TEST_F(FailingWrites, AFolderThatDoesNotExistIsReported) {
  AnswerMessages();
  auto codec = MakeCodec();
  auto connector = NewConnector();
  EXPECT_FALSE(codec->WriteConfigFile(Path("no/such/folder/x.cfg").c_str(), connector.get(), ""));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("x.cfg")) << messages[0];
}

TEST_F(FailingWrites, AReplacedFileKeepsItsPermissions) {
  auto codec = MakeCodec();
  auto connector = NewConnector();
  const CString path = WriteFile("private.cfg", "old");
  std::filesystem::permissions(Text(path), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(codec->WriteConfigFile(path, connector.get(), ""));
  EXPECT_EQ(std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::status(Text(path)).permissions());
}

}  // namespace
}  // namespace kestrun_test
