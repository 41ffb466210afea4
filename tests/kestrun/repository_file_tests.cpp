// Repository copies of connectors: the blocks as written, read back field
// by field, round trips, and the faults of files written by hand.
#include <gtest/gtest.h>

#include <filesystem>

#include "kestrun_fixture.h"

namespace kestrun_test {
namespace {

class RepositoryFileTest : public KestrunTest {
 protected:
  void SetUp() override {
    KestrunTest::SetUp();
    codec = MakeCodec();
  }
  // Reads the text as a repository copy; the connectors it held.
  std::vector<std::unique_ptr<CConnector>> Read(const std::string& text, bool expectRead = true) {
    CConnectorArray read;
    EXPECT_EQ(expectRead, codec->ReadRepositoryFile(WriteFile("in.out", text), read) != FALSE);
    std::vector<std::unique_ptr<CConnector>> owned;
    for (INT_PTR i = 0; i < read.GetSize(); ++i) owned.emplace_back(read[i]);
    return owned;
  }
  std::string Header() const { return "[Pellisk]\r\nVersion = 4.0.0\r\nRepositoryID = " + key + "\r\n[End]\r\n\r\n"; }

  std::unique_ptr<CConnectorFileCodec> codec;
  std::string key = "file-key";
};

// A small connector with every kind of block.
std::unique_ptr<CConnector> SmallConnector() {
  auto c = NewConnector();
  // Only the standard properties the test names, for a readable layout.
  c->m_stdPropertyList.DeleteAll();
  c->m_stdPropertyList.AddTail(new HvProperty("PollInterval", "250", HvPropInteger, "dynamic"));
  c->SetName("Feed");
  c->m_strConfiguredStatus = "Configured";
  c->m_strListenQueue = "IN.Q";
  c->m_nTransLevel = 4;
  c->SetSupportedBO("Customer", 1);
  c->SetSupportedBO("Order", 0);
  NameType map("CustMap", "HlMap", 1);
  c->m_maps.SetAt("Customer", map);
  c->AddCodecRecord("Customer", 1);
  c->AddCodecRecord("Order", 0);
  auto* token = new HvProperty("Token", "t0ken", HvPropCipherText, "agent restart", HvPropFlagNew);
  token->SetDescription("first\nsecond");
  c->AddAppProperty(token);
  c->m_nParallelDegree = 3;
  c->m_pools[0].m_nMinAlloc = 1;
  c->m_pools[0].m_nMaxAlloc = 2;
  c->m_pools[1].m_strTag = "events";
  c->m_pools[1].m_nMaxAlloc = 1;
  return c;
}

TEST_F(RepositoryFileTest, TheBlocksAsWritten) {
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("feed.out").c_str(), SmallConnector().get()));
  const std::string session = Text(codec->m_strSessionKey);
  EXPECT_EQ(
      "[Pellisk]\r\nVersion = 4.0.0\r\nRepositoryID = " + session +
          "\r\n[End]\r\n\r\n"
          "[Connector]\r\nName = Feed\r\nVersion = 1.0.0\r\nConfiguredStatus = Configured\r\nListenQueue = IN.Q\r\n"
          "SendQueue = \r\nMaxTranLevelSupported = 4\r\n\r\n"
          "\t[SupportedBusObjSpecs]\r\n\tName = Customer\r\n\tMappingRequired = false\r\n\r\n"
          "\tName = Order\r\n\tMappingRequired = true\r\n\r\n\t[End]\r\n\r\n"
          "\t[Property]\r\n\tName = AssociatedMaps\r\n\tAttrName = CustMap\r\n\tAttrValue = HlMap\r\n"
          "\tAttrDescription = Customer\r\n\t[End]\r\n\r\n"
          "\r\n\t[DeltaSupport]\r\n\tName = Customer\r\n\tDeltaSupport = true\r\n\r\n"
          "\tName = Order\r\n\tDeltaSupport = false\r\n\r\n\t[End]\r\n"
          "\t[Property]\r\n\tName = AppEndConfInfo\r\n"
          "\tAttrName = PollInterval\r\n\tAttrType = 2\r\n\tAttrValue = 250\r\n"
          "\tAttrName = Token\r\n\tAttrType = 8\r\n\tAttrValue = " +
          FakeEncrypted("t0ken", session) +
          "\r\n"
          "\tAttrDescription = first  second\r\n\t[End]\r\n\r\n"
          "\r\n\t[Resource]\r\n\tName = Parallel Process Degree\r\n\tValue = 3\r\n\r\n"
          "\t\t[ResourcePoolAllocation]\r\n\t\tResourceClassName = Call Triggered Requests\r\n\t\tTag = \r\n"
          "\t\tMinAlloc = 1\r\n\t\tMaxAlloc = 2\r\n\t\t[End]\r\n\r\n"
          "\t\t[ResourcePoolAllocation]\r\n\t\tResourceClassName = Event Triggered Requests\r\n\t\tTag = events\r\n"
          "\t\tMinAlloc = 0\r\n\t\tMaxAlloc = 1\r\n\t\t[End]\r\n\r\n"
          "\t[End]\r\n\r\n[End]\r\n",
      ReadFile("feed.out"));
  EXPECT_EQ(session, Text(codec->m_strRepositoryId));
}

TEST_F(RepositoryFileTest, ReadBackFieldByFieldAndWrittenAgainTheSame) {
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("first.out").c_str(), SmallConnector().get()));
  CConnectorArray read;
  ASSERT_TRUE(codec->ReadRepositoryFile(Path("first.out").c_str(), read));
  ASSERT_EQ(1, read.GetSize());
  std::unique_ptr<CConnector> c(read[0]);
  EXPECT_EQ("Feed", Text(c->m_strName));
  EXPECT_EQ("Configured", Text(c->m_strConfiguredStatus));
  EXPECT_EQ("IN.Q", Text(c->m_strListenQueue));
  EXPECT_EQ(4, c->m_nTransLevel);
  ASSERT_EQ(2, c->m_supportedBOs.GetCount());
  EXPECT_EQ(1, c->FindSupportedBO("Customer")->agentSupport);
  EXPECT_EQ(0, c->FindSupportedBO("Order")->agentSupport);
  NameType map;
  ASSERT_TRUE(c->m_maps.Lookup("Customer", map));
  EXPECT_EQ("CustMap", Text(map.m_strName));
  ASSERT_EQ(2, c->m_deltaSupport.GetCount());
  EXPECT_EQ(1, c->m_deltaSupport.GetHead()->m_bDeltaSupport);
  EXPECT_EQ(0, c->m_deltaSupport.GetTail()->m_bDeltaSupport);
  EXPECT_EQ("250", StdValue(*c, "PollInterval"));
  const HvProperty* token = c->FindAppProperty("Token");
  ASSERT_NE(nullptr, token);
  EXPECT_EQ("t0ken", Text(token->GetValue()));
  EXPECT_EQ(HvPropCipherText, token->GetType());
  EXPECT_EQ("first  second", Text(token->GetDescription()));
  // The program's own resource name reads back with its pools.
  EXPECT_EQ(3, c->m_nParallelDegree);
  EXPECT_EQ(2, c->m_pools[0].m_nMaxAlloc);
  EXPECT_EQ("events", Text(c->m_pools[1].m_strTag));

  c->m_stdPropertyList.DeleteAll();
  c->m_stdPropertyList.AddTail(new HvProperty("PollInterval", "250", HvPropInteger, "dynamic"));
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("second.out").c_str(), c.get()));
  EXPECT_EQ(ReadFile("first.out"), ReadFile("second.out"));
}

TEST_F(RepositoryFileTest, AFullConnectorRoundTripsWithItsStandardProperties) {
  auto c = SmallConnector();
  c->m_stdPropertyList.DeleteAll();
  auto fresh = NewConnector();
  while (!fresh->m_stdPropertyList.IsEmpty()) c->m_stdPropertyList.AddTail(fresh->m_stdPropertyList.RemoveHead());
  c->SetStdProperty("DeliveryTransport", "JMS");
  c->SetStdProperty("QueueManager", "QM1");
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("a.out").c_str(), c.get()));
  auto read = Read(ReadFile("a.out"));
  ASSERT_EQ(1u, read.size());
  EXPECT_EQ("QM1", StdValue(*read[0], "QueueManager"));
  // The transport went through the model: its queues are active.
  EXPECT_TRUE(read[0]->FindStdProperty("QueueManager")->IsActive());
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("b.out").c_str(), read[0].get()));
  EXPECT_EQ(ReadFile("a.out"), ReadFile("b.out"));
}

TEST_F(RepositoryFileTest, TheHeaderVersionIsAlwaysTheCodecsOwn) {
  Read("[Pellisk]\r\nVersion = 9.9.9\r\n[End]\r\n");
  EXPECT_EQ("9.9.9", Text(codec->m_strVersion));
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("x.out").c_str(), SmallConnector().get()));
  EXPECT_EQ(0u, ReadFile("x.out").find("[Pellisk]\r\nVersion = 4.0.0\r\n"));
  CConnector* none = nullptr;
  codec->ReadRepositoryConnector(WriteFile("blocks.txt", "[Connector]\r\nName = X\r\n[End]\r\n"), none);
  delete none;
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("y.out").c_str(), SmallConnector().get()));
  EXPECT_EQ(0u, ReadFile("y.out").find("[Pellisk]\r\nVersion = 4.0.0\r\n"));
}

TEST_F(RepositoryFileTest, AKbrxConnectorIsRefusedBeforeAnythingIsWritten) {
  AnswerMessages();
  auto c = SmallConnector();
  c->m_nType = CONNECTOR_KBRX;
  const CString path = WriteFile("kept.out", "the user's file");
  EXPECT_FALSE(codec->WriteRepositoryFile(path, c.get()));
  EXPECT_EQ("the user's file", ReadFile("kept.out"));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("KBRX")) << messages[0];
}

TEST_F(RepositoryFileTest, AValueThatCannotBeEncryptedFailsTheWrite) {
  AnswerMessages();
  codec = MakeCodec(kestrun_test::Refusing("t0ken"));
  const CString path = WriteFile("kept.out", "old");
  EXPECT_FALSE(codec->WriteRepositoryFile(path, SmallConnector().get()));
  EXPECT_EQ("old", ReadFile("kept.out"));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("'Token' could not be encrypted")) << messages[0];
}

TEST_F(RepositoryFileTest, AValueWithALineBreakFailsTheWrite) {
  AnswerMessages();
  auto c = SmallConnector();
  c->m_strListenQueue = "IN\r\n[End]";
  EXPECT_FALSE(codec->WriteRepositoryFile(Path("broken.out").c_str(), c.get()));
  EXPECT_FALSE(std::filesystem::exists(Path("broken.out")));
  EXPECT_EQ(1u, messages.size());
}

TEST_F(RepositoryFileTest, WithoutTheServiceNothingIsReadOrWritten) {
  AnswerMessages();
  codec = MakeCodec(kestrun_test::ServiceOff());
  Read(Header() + "[Connector]\r\nName = X\r\n[End]\r\n", false);
  EXPECT_FALSE(codec->WriteRepositoryFile(Path("x.out").c_str(), SmallConnector().get()));
  EXPECT_EQ(2u, messages.size());
  codec = MakeCodec(kestrun_test::NoKeys());
  EXPECT_FALSE(codec->WriteRepositoryFile(Path("x.out").c_str(), SmallConnector().get()));
  EXPECT_EQ(3u, messages.size());
  EXPECT_FALSE(std::filesystem::exists(Path("x.out")));
}

TEST_F(RepositoryFileTest, TwoBlocksInFileOrderAndOneWithoutANameIsDropped) {
  const auto read = Read(Header() +
                         "[Connector]\r\nName = First\r\n[End]\r\n"
                         "[Connector]\r\nVersion = 2.0.0\r\n[End]\r\n"
                         "[Connector]\r\nName = Second\r\nVersion = 1.2.0\r\n[End]\r\n");
  ASSERT_EQ(2u, read.size());
  EXPECT_EQ("First", Text(read[0]->m_strName));
  EXPECT_EQ("Second", Text(read[1]->m_strName));
  EXPECT_EQ("1.2.0", Text(read[1]->GetVersion()));
}

TEST_F(RepositoryFileTest, SubBlocksWrittenByHand) {
  const auto read =
      Read(Header() +
           "[Connector]\r\nName = Feed\r\n"
           "\t[SupportedBusObjSpecs]\r\n\tName = Maybe\r\n\tMappingRequired = maybe\r\n"
           "\tName = Yes\r\n\tMappingRequired = FALSE\r\n\t[End]\r\n"
           "\t[Mapping]\r\n\tName = skipped\r\n\t\t[Inner]\r\n\t\t[End]\r\n\t[End]\r\n"
           "\t[Property]\r\n\tName = BO_SPEC_PROPERTY\r\n\tAttrName = Ignored\r\n\t[End]\r\n"
           "\t[Property]\r\n\tName = AssociatedMaps\r\n\tAttrName = M1\r\n\tAttrValue = Native\r\n"
           "\tAttrDescription = Yes\r\n\tAttrName = NoObject\r\n\t[End]\r\n"
           "\t[Resource]\r\n\tName = ParallelProcessDegree\r\n\tValue = 5\r\n"
           "\t\t[ResourcePoolAllocation]\r\n\t\tResourceClassName = event triggered requests\r\n"
           "\t\tMinAlloc = 2\r\n\t\tMaxAlloc = 4\r\n\t\t[End]\r\n"
           "\t\t[ResourcePoolAllocation]\r\n\t\tResourceClassName = Other Pool\r\n\t\tMaxAlloc = 9\r\n\t\t[End]\r\n"
           "\t[End]\r\n"
           "SendQueue = after the sub-blocks\r\n"
           "[End]\r\n"
           "[Connector]\r\nName = Next\r\n[End]\r\n");
  ASSERT_EQ(2u, read.size());
  const CConnector& c = *read[0];
  ASSERT_EQ(1, c.m_supportedBOs.GetCount());
  EXPECT_EQ("Yes", Text(c.m_supportedBOs.GetHead()->name));
  EXPECT_EQ(1, c.m_supportedBOs.GetHead()->agentSupport);
  EXPECT_EQ(nullptr, c.FindAppProperty("Ignored"));
  EXPECT_EQ(1, c.m_maps.GetCount());
  NameType map;
  ASSERT_TRUE(c.m_maps.Lookup("Yes", map));
  EXPECT_EQ("Native", Text(map.m_strType));
  EXPECT_EQ(1, map.m_nFlag);
  EXPECT_EQ(5, c.m_nParallelDegree);
  EXPECT_EQ(4, c.m_pools[1].m_nMaxAlloc);
  EXPECT_EQ("Call Triggered Requests", Text(c.m_pools[0].m_strClassName));
  EXPECT_EQ(0, c.m_pools[0].m_nMaxAlloc);
  // Every sub-block ended at its own "[End]": the block's last line counts.
  EXPECT_EQ("after the sub-blocks", Text(c.m_strSendQueue));
  EXPECT_EQ("Next", Text(read[1]->m_strName));
}

TEST_F(RepositoryFileTest, AValueThatCannotBeDecryptedStaysEncrypted) {
  AnswerMessages();
  const std::string foreign = FakeEncrypted("x", "another-key");
  const auto read =
      Read(Header() +
           "[Connector]\r\nName = Feed\r\n\t[Property]\r\n\tName = AppEndConfInfo\r\n"
           "\tAttrName = Token\r\n\tAttrType = 8\r\n\tAttrValue = " +
           foreign + "\r\n\tAttrName = Good\r\n\tAttrType = 8\r\n\tAttrValue = " + FakeEncrypted("g", key) +
           "\r\n\t[End]\r\n[End]\r\n");
  ASSERT_EQ(1u, read.size());
  const HvProperty* token = read[0]->FindAppProperty("Token");
  EXPECT_EQ(foreign, Text(token->GetValue()));
  EXPECT_EQ(HvPropCipherText, token->GetType());
  EXPECT_TRUE(read[0]->IsUndecryptable(token));
  EXPECT_EQ("g", AppValue(*read[0], "Good"));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("Token")) << messages[0];
  // Written out again as it came, never in clear.
  ASSERT_TRUE(codec->WriteRepositoryFile(Path("again.out").c_str(), read[0].get()));
  EXPECT_NE(std::string::npos,
            ReadFile("again.out").find("\tAttrName = Token\r\n\tAttrType = 8\r\n\tAttrValue = " + foreign));
}

TEST_F(RepositoryFileTest, TheFilesTypeDecidesTheValueAStandardPropertyTakes) {
  const std::string block =
      "[Connector]\r\nName = X\r\n\t[Property]\r\n\tName = AppEndConfInfo\r\n"
      "\tAttrName = PollInterval\r\n\tAttrType = 5\r\n\tAttrValue = often\r\n"
      // A type and value that do not fit each other change nothing.
      "\tAttrName = PollInterval\r\n\tAttrType = 1\r\n\tAttrValue = maybe\r\n\t[End]\r\n[End]\r\n";
  const auto read = Read(Header() + block);
  ASSERT_EQ(1u, read.size());
  EXPECT_EQ("often", StdValue(*read[0], "PollInterval"));
  EXPECT_EQ(HvPropString, read[0]->FindStdProperty("PollInterval")->GetType());
}

TEST_F(RepositoryFileTest, NulBytesInALineAreDropped) {
  const auto read =
      Read(Header() + std::string("[Connector]\r\nName = Fe\0ed\r\n\t[Property]\r\n\tName = AppEndConfInfo\r\n"
                                  "\tAttrName = \0Region\r\n\tAttrValue = no\0rth\r\n\t[End]\r\n[End]\r\n",
                                  121));
  ASSERT_EQ(1u, read.size());
  EXPECT_EQ("Feed", Text(read[0]->m_strName));
  EXPECT_EQ("north", AppValue(*read[0], "Region"));
}

TEST_F(RepositoryFileTest, AFileWithoutItsHeaderIsNotARepositoryCopy) {
  EXPECT_TRUE(Read("[Connector]\r\nName = X\r\n[End]\r\n", false).empty());
  EXPECT_TRUE(Read("[Pellisk]\r\nVersion = 4.0.0\r\n", false).empty());
  EXPECT_TRUE(Read(Header()).empty());
  EXPECT_TRUE(Read(Header() + "[Connector]\r\nName = Cut short\r\n").empty());
}

TEST_F(RepositoryFileTest, AConnectorBlockFileGivesItsFirstBlock) {
  CConnector* read = nullptr;
  ASSERT_TRUE(codec->ReadRepositoryConnector(
      WriteFile("b.txt", "junk\r\n[Connector]\r\nName = One\r\n[End]\r\n[Connector]\r\nName = Two\r\n[End]\r\n"),
      read));
  ASSERT_NE(nullptr, read);
  EXPECT_EQ("One", Text(read->m_strName));
  delete read;
  read = nullptr;
  EXPECT_TRUE(codec->ReadRepositoryConnector(WriteFile("none.txt", "nothing here\r\n"), read));
  EXPECT_EQ(nullptr, read);
}

}  // namespace
}  // namespace kestrun_test
