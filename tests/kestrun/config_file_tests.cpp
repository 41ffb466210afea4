// Reading configuration files written by hand into the model, field by
// field, and the reader's edge cases.
#include <gtest/gtest.h>

#include "kestrun_fixture.h"

namespace kestrun_test {
namespace {

std::vector<std::string> Lines(const CStringList& list) {
  std::vector<std::string> lines;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) lines.push_back(Text(list.GetNext(pos)));
  return lines;
}

std::vector<std::string> SupportedNames(const CConnector& c) {
  std::vector<std::string> names;
  for (POSITION pos = c.m_supportedBOs.GetHeadPosition(); pos != nullptr;) {
    const CQRSupportedBO* r = c.m_supportedBOs.GetNext(pos);
    names.push_back(Text(r->name) + (r->agentSupport ? "+" : "-"));
  }
  return names;
}

class ConfigFileTest : public KestrunTest {
 protected:
  void SetUp() override {
    KestrunTest::SetUp();
    codec = MakeCodec();
    connector = NewConnector();
  }
  // Reads the text as a file; the reader's answer.
  bool Read(const std::string& text) { return codec->ReadConfigFile(WriteFile("in.cfg", text), connector.get()); }

  std::unique_ptr<CConnectorFileCodec> codec;
  std::unique_ptr<CConnector> connector;
};

TEST_F(ConfigFileTest, AFileWrittenByHandFillsEveryField) {
  const std::string key = "file-key";
  ASSERT_TRUE(
      Read("ignored before the first section\r\n"
           "[CONFIGURATION_FILE]\r\n"
           "Version = 3.0.1\r\n"
           "\r\n"
           "INSTALLID=" +
           key +
           "\r\n"
           "Other = ignored\r\n"
           "\r\n"
           "[ConnectorAgent Order Feed]\r\n"
           "PollInterval = 250\r\n"
           "RepositoryFolder *= " +
           FakeEncrypted("admin.queue", key) +
           "\r\n"
           "# a comment of the section\r\n"
           "Region = north\r\n"
           "Password *= " +
           FakeEncrypted("s3cret", key) +
           "\r\n"
           "   #  an indented comment   \r\n"
           "SupportedBusinessObjects = Customer=true;Order=FALSE\r\n"
           "AssociatedMaps = Customer=CustMap,HlMap,TRUE;Order=OrdMap,Native,false\r\n"
           "Resource = ParallelProcessDegree=4;CTR=1,3;ETR=0,1\r\n"
           "\r\n"
           "[Unknown Section]\r\n"
           "LOG_FILE = not for the log\r\n"
           "[LOGGING]\r\n"
           "LOG_FILE = /var/log/orders.log\r\n"
           "MIRROR_LOG_TO_STDOUT = true\r\n"
           "MAX_LOG_FILE_SIZE = 500 KB\r\n"
           "NUMBER_OF_ARCHIVE_LOGS = 3\r\n"
           "#log comment\r\n"
           "\r\n"
           "[TRACING]\r\n"
           "TRACE_FILE = STDOUT\r\n"
           "MAX_TRACE_FILE_SIZE = unlimited\r\n"
           "NUMBER_OF_ARCHIVE_TRACES = 7\r\n"
           "[DATAHANDLERS]\r\n"
           "MimeType = text/xml\r\n"
           "DHClass = org.example.Handler\r\n"
           "DataHandlerConfigMOName = MO_Handler\r\n"
           "[MESSAGING]\r\n"
           "  indented = kept as it is\r\n"
           "\r\n"
           "\tTabbed=too\r\n"));
  const CConnector& c = *connector;
  EXPECT_EQ("3.0.1", Text(c.m_strConfigVersion));
  EXPECT_EQ(key, Text(codec->m_strInstallId));
  EXPECT_EQ("Order Feed", Text(c.m_strName));
  EXPECT_EQ(CONNECTOR_QVS, c.m_nType);

  EXPECT_EQ("250", StdValue(c, "PollInterval"));
  EXPECT_EQ(HvPropFlagRead, c.FindStdProperty("PollInterval")->GetState());
  EXPECT_EQ("admin.queue", StdValue(c, "RepositoryFolder"));
  EXPECT_EQ(HvPropCipherText, c.FindStdProperty("RepositoryFolder")->GetType());

  ASSERT_EQ(2, c.m_appPropertyList.GetCount());
  const HvProperty* region = c.FindAppProperty("Region");
  EXPECT_EQ("north", Text(region->GetValue()));
  EXPECT_EQ(HvPropString, region->GetType());
  EXPECT_EQ("connector restart", Text(region->GetUpdateMethod()));
  EXPECT_EQ(HvPropFlagNew, region->GetFlags());
  const HvProperty* password = c.FindAppProperty("Password");
  EXPECT_EQ("s3cret", Text(password->GetValue()));
  EXPECT_EQ(HvPropCipherText, password->GetType());
  EXPECT_EQ(HvPropFlagRead, password->GetState());
  EXPECT_EQ((std::vector<std::string>{"# a comment of the section", "#  an indented comment"}),
            Lines(c.m_connectorComments));

  EXPECT_EQ((std::vector<std::string>{"Customer+", "Order-"}), SupportedNames(c));
  NameType map;
  ASSERT_TRUE(c.m_maps.Lookup("Customer", map));
  EXPECT_EQ("CustMap", Text(map.m_strName));
  EXPECT_EQ("HlMap", Text(map.m_strType));
  EXPECT_EQ(1, map.m_nFlag);
  ASSERT_TRUE(c.m_maps.Lookup("Order", map));
  EXPECT_EQ("Native", Text(map.m_strType));
  EXPECT_EQ(0, map.m_nFlag);
  EXPECT_EQ(4, c.m_nParallelDegree);
  EXPECT_EQ(1, c.m_pools[0].m_nMinAlloc);
  EXPECT_EQ(3, c.m_pools[0].m_nMaxAlloc);
  EXPECT_EQ(0, c.m_pools[1].m_nMinAlloc);
  EXPECT_EQ(1, c.m_pools[1].m_nMaxAlloc);

  EXPECT_TRUE(c.m_log.m_bToFile);
  EXPECT_TRUE(c.m_log.m_bToStdout);
  EXPECT_EQ("/var/log/orders.log", Text(c.m_log.m_strFileName));
  EXPECT_EQ(500, c.m_log.m_nMaxSize);
  EXPECT_EQ("KB", Text(c.m_log.m_strSizeUnit));
  EXPECT_EQ(3, c.m_log.m_nArchives);
  EXPECT_EQ((std::vector<std::string>{"#log comment"}), Lines(c.m_loggingComments));
  EXPECT_FALSE(c.m_trace.m_bToFile);
  EXPECT_TRUE(c.m_trace.m_bToStdout);
  EXPECT_EQ("", Text(c.m_trace.m_strFileName));
  EXPECT_TRUE(c.m_trace.m_bUnlimited);
  EXPECT_EQ(7, c.m_trace.m_nArchives);

  EXPECT_EQ("text/xml", Text(c.m_strMimeType));
  EXPECT_EQ("org.example.Handler", Text(c.m_strDHClass));
  EXPECT_EQ("MO_Handler", Text(c.m_strDataHandlerConfigMOName));
  EXPECT_EQ("[MESSAGING]\r\n  indented = kept as it is\r\n\tTabbed=too\r\n", Text(c.m_strMessagingText));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigFileTest, KeysAndValuesSplitAtTheFirstEquals) {
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\n"
           "A=1\r\n"
           "B = 2\r\n"
           "C   =    spaced out   \r\n"
           "Note = a*=b\r\n"
           "Formula = x = y\r\n"
           "Empty =\r\n"));
  EXPECT_EQ("1", AppValue(*connector, "A")) << "a one-character value is a value";
  EXPECT_EQ("2", AppValue(*connector, "B"));
  EXPECT_EQ("spaced out", AppValue(*connector, "C"));
  // "*=" later in the line is part of a clear value.
  EXPECT_EQ("a*=b", AppValue(*connector, "Note"));
  EXPECT_EQ(HvPropString, connector->FindAppProperty("Note")->GetType());
  EXPECT_EQ("x = y", AppValue(*connector, "Formula"));
  EXPECT_EQ("", AppValue(*connector, "Empty"));
}

TEST_F(ConfigFileTest, AValueMarkedEncryptedKeepsItsTextWhenItCannotBeDecrypted) {
  AnswerMessages();
  ASSERT_TRUE(
      Read("[CONFIGURATION_FILE]\r\nINSTALLID=the-key\r\n"
           "[ConnectorAgent X]\r\n"
           "Region *= xyz\r\n"
           "RepositoryFolder *= " +
           FakeEncrypted("q", "another-key") + "\r\n"));
  const HvProperty* region = connector->FindAppProperty("Region");
  ASSERT_NE(nullptr, region);
  EXPECT_EQ("xyz", Text(region->GetValue()));
  EXPECT_EQ(HvPropCipherText, region->GetType());
  EXPECT_EQ(HvPropFlagNew, region->GetState());
  EXPECT_TRUE(connector->IsUndecryptable(region));
  EXPECT_EQ(FakeEncrypted("q", "another-key"), StdValue(*connector, "RepositoryFolder"));
  EXPECT_TRUE(connector->IsUndecryptable(connector->FindStdProperty("RepositoryFolder")));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("could not be decrypted")) << messages[0];
  EXPECT_NE(std::string::npos, messages[0].find("Region, RepositoryFolder")) << messages[0];
}

TEST_F(ConfigFileTest, WithoutAnInstallIdOnlyEncryptedValuesAreBlanked) {
  AnswerMessages();
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\n"
           "RepositoryFolder *= " +
           FakeEncrypted("q", "k") +
           "\r\n"
           "PollInterval = 99\r\n"
           "Secret *= " +
           FakeEncrypted("s", "k") +
           "\r\n"
           "Plain = kept\r\n"));
  EXPECT_EQ((std::vector<std::string>(2, "Configuration file: Install ID is empty.")), messages);
  EXPECT_EQ("", StdValue(*connector, "RepositoryFolder"));
  EXPECT_EQ("99", StdValue(*connector, "PollInterval"));
  EXPECT_EQ(FakeEncrypted("s", "k"), AppValue(*connector, "Secret"));
  EXPECT_EQ("kept", AppValue(*connector, "Plain"));
}

TEST_F(ConfigFileTest, EveryReadStartsWithoutTheEarlierFilesKey) {
  AnswerMessages();
  ASSERT_TRUE(Read("[CONFIGURATION_FILE]\r\nINSTALLID=k\r\n[ConnectorAgent X]\r\nSecret *= " + FakeEncrypted("s", "k") +
                   "\r\n"));
  EXPECT_EQ("s", AppValue(*connector, "Secret"));
  connector = NewConnector();
  ASSERT_TRUE(Read("[ConnectorAgent Y]\r\nSecret *= " + FakeEncrypted("s", "k") + "\r\n"));
  EXPECT_EQ(FakeEncrypted("s", "k"), AppValue(*connector, "Secret"));
  EXPECT_EQ((std::vector<std::string>{"Configuration file: Install ID is empty."}), messages);
  EXPECT_EQ("", Text(codec->m_strInstallId));
}

TEST_F(ConfigFileTest, AnEmptyLineEndsTheConnectorSection) {
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\nA = 1\r\n\r\nB = 2\r\nnot a key line\r\nC = 3\r\n[LOGGING]\r\nLOG_FILE = x.log\r\n"));
  EXPECT_EQ("1", AppValue(*connector, "A"));
  EXPECT_EQ("<none>", AppValue(*connector, "B"));
  EXPECT_EQ("<none>", AppValue(*connector, "C"));
  EXPECT_EQ("x.log", Text(connector->m_log.m_strFileName));
  // A line that is no key ends it too.
  connector = NewConnector();
  ASSERT_TRUE(Read("[ConnectorAgent X]\r\nA = 1\r\njunk\r\nB = 2\r\n"));
  EXPECT_EQ("<none>", AppValue(*connector, "B"));
}

TEST_F(ConfigFileTest, SectionNamesAndTheirCase) {
  AnswerMessages();
  EXPECT_FALSE(Read("[connectoragent X]\r\nA = 1\r\n")) << "the connector test is case-sensitive";
  EXPECT_EQ((std::vector<std::string>{"The file '" + Path("in.cfg") + "' holds no connector."}), messages);
  EXPECT_EQ("<none>", AppValue(*connector, "A"));
  ASSERT_TRUE(Read("[configuration_file]\r\nversion = 9\r\ninstallid=k\r\n[ConnectorAgent]\r\n"));
  EXPECT_EQ("9", Text(connector->m_strConfigVersion));
  EXPECT_EQ("k", Text(codec->m_strInstallId));
  EXPECT_EQ("ConnectorAgent", Text(connector->m_strName)) << "no blank: the whole section name";
  EXPECT_FALSE(Read("[ConnectorAgent   ]\r\nA = 1\r\n"));
  EXPECT_FALSE(Read("")) << "an empty file holds no connector";
  EXPECT_EQ(2u, messages.size());
}

TEST_F(ConfigFileTest, TheTransportDecidesTheModeAndTheListThatIsFilled) {
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\n"
           "SupportedBusinessObjects = Early=true\r\n"
           "DeliveryTransport = kbrx-jms\r\n"
           "SupportedBusinessObjects = A=1;B=2;=3;C=\r\n"
           "AssociatedMaps = A=M1,HlMap,TRUE\r\n"
           "Resource = ParallelProcessDegree=9\r\n"));
  EXPECT_EQ(CONNECTOR_KBRX, connector->m_nType);
  EXPECT_EQ((std::vector<std::string>{"Early+"}), SupportedNames(*connector));
  ASSERT_EQ(3, connector->m_messageSets.GetCount());
  EXPECT_EQ("A", Text(connector->m_messageSets.GetHead()->m_strName));
  EXPECT_EQ("1", Text(connector->m_messageSets.GetHead()->m_strId));
  EXPECT_EQ("", Text(connector->m_messageSets.GetTail()->m_strId));
  EXPECT_TRUE(connector->m_maps.IsEmpty());
  EXPECT_EQ(1, connector->m_nParallelDegree);
  // The property itself is read as written; the mode ignores case.
  EXPECT_EQ("<none>", AppValue(*connector, "DeliveryTransport"));
}

TEST_F(ConfigFileTest, SupportedObjectsMapsAndResourcesOfAQvsConnector) {
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\n"
           "SupportedBusinessObjects = A=true;B=TRUE;C=no;=x;\r\n"
           "AssociatedMaps = A=M1,HlMap,TRUE;B=,HlMap,FALSE;=M3,HlMap,TRUE;C=M4\r\n"
           "Resource = ParallelProcessDegree=3;CTR=1,2;Other=5\r\n"));
  EXPECT_EQ((std::vector<std::string>{"A+", "B+", "C-"}), SupportedNames(*connector));
  EXPECT_EQ(2, connector->m_maps.GetCount());
  NameType map;
  ASSERT_TRUE(connector->m_maps.Lookup("C", map));
  EXPECT_EQ("M4", Text(map.m_strName));
  EXPECT_EQ("", Text(map.m_strType));
  EXPECT_EQ(3, connector->m_nParallelDegree);
  EXPECT_EQ(1, connector->m_pools[0].m_nMinAlloc);
  EXPECT_EQ(2, connector->m_pools[0].m_nMaxAlloc);
  // Without an "ETR" entry the event-triggered pool stays as it was.
  EXPECT_EQ(0, connector->m_pools[1].m_nMinAlloc);
  EXPECT_EQ(0, connector->m_pools[1].m_nMaxAlloc);
}

TEST_F(ConfigFileTest, LogAndTraceSizes) {
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\n[LOGGING]\r\nLOG_FILE = a.log\r\nMAX_LOG_FILE_SIZE = 500\r\n"
           "MIRROR_LOG_TO_STDOUT = maybe\r\n"
           "[TRACING]\r\nTRACE_FILE =\r\nMAX_TRACE_FILE_SIZE = UNLIMITED\r\n"));
  EXPECT_EQ(500, connector->m_log.m_nMaxSize);
  EXPECT_EQ("", Text(connector->m_log.m_strSizeUnit));
  EXPECT_FALSE(connector->m_log.m_bToStdout);
  EXPECT_TRUE(connector->m_trace.m_bUnlimited);
  EXPECT_FALSE(connector->m_trace.m_bToFile);
  EXPECT_FALSE(connector->m_trace.m_bToStdout);
  // "UNLIMITED" sets only its flag.
  EXPECT_EQ(0, connector->m_trace.m_nMaxSize);
  EXPECT_EQ("Bytes", Text(connector->m_trace.m_strSizeUnit));
}

TEST_F(ConfigFileTest, NumbersOutOfRangeStayWithinRange) {
  ASSERT_TRUE(
      Read("[ConnectorAgent X]\r\nResource = ParallelProcessDegree=99999999999999999999;CTR=-99999999999999,x\r\n"
           "[LOGGING]\r\nNUMBER_OF_ARCHIVE_LOGS = 12abc\r\n"));
  EXPECT_EQ(INT_MAX, connector->m_nParallelDegree);
  EXPECT_EQ(INT_MIN, connector->m_pools[0].m_nMinAlloc);
  EXPECT_EQ(0, connector->m_pools[0].m_nMaxAlloc);
  EXPECT_EQ(12, connector->m_log.m_nArchives);
}

TEST_F(ConfigFileTest, WithoutTheEncryptionServiceNothingIsReadAndTheUserIsTold) {
  AnswerMessages();
  codec = MakeCodec(kestrun_test::ServiceOff());
  EXPECT_FALSE(Read("[ConnectorAgent X]\r\nA = 1\r\n"));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("The Java encryption service is unavailable: the test service is off."))
      << messages[0];
  EXPECT_EQ("<none>", AppValue(*connector, "A"));
}

TEST_F(ConfigFileTest, AMissingFileIsReported) {
  AnswerMessages();
  EXPECT_FALSE(codec->ReadConfigFile(CString(Path("none.cfg").c_str()), connector.get()));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("none.cfg")) << messages[0];
}

TEST_F(ConfigFileTest, ANewConnectorKeepsItsEnteredNameAndMode) {
  const std::string templ =
      "[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\n[ConnectorAgent TemplateName]\r\n"
      "DeliveryTransport = KBRX-JMS\r\nPollInterval = 123\r\n";
  for (int type : {CONNECTOR_QVS, CONNECTOR_KBRX}) {
    CConnector fresh("Entered", type, CONNECTOR_NEW | CONNECTOR_MODIFIED);
    ASSERT_TRUE(codec->ReadNewConnector(WriteFile("template.cfg", templ), &fresh));
    EXPECT_EQ("Entered", Text(fresh.m_strName));
    EXPECT_EQ(type, fresh.m_nType);
    EXPECT_EQ("Entered", StdValue(fresh, "ApplicationName"));
    EXPECT_EQ(type == CONNECTOR_KBRX ? "KBRX-JMS" : "ORB", StdValue(fresh, "DeliveryTransport"));
    EXPECT_EQ("123", StdValue(fresh, "PollInterval"));
  }
}

TEST_F(ConfigFileTest, TheInstalledTemplateMakesANewConnector) {
  CConnector fresh("Orders", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
  ASSERT_TRUE(codec->ReadNewConnector(CConnectorFileCodec::TemplatePath(), &fresh));
  EXPECT_EQ("Orders", StdValue(fresh, "ApplicationName"));
  EXPECT_EQ("3.1.2", Text(fresh.m_strConfigVersion));
  EXPECT_EQ(1, fresh.m_nParallelDegree);
  EXPECT_TRUE(fresh.m_appPropertyList.IsEmpty());
  EXPECT_TRUE(fresh.m_log.m_bToStdout);
}

}  // namespace
}  // namespace kestrun_test
