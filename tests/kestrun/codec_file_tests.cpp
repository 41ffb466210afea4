// Message-set files and the open command's file-type tests.
#include <gtest/gtest.h>

#include "kestrun_fixture.h"

namespace kestrun_test {
namespace {

std::vector<std::string> Entries(const CMessageSetEntries& entries) {
  std::vector<std::string> out;
  for (INT_PTR i = 0; i < entries.GetSize(); ++i)
    out.push_back(Text(entries[i].m_strName) + "=" + Text(entries[i].m_strId));
  return out;
}

TEST_F(KestrunTest, MessageSetFilesSkipBlankAndCommentLines) {
  auto codec = MakeCodec();
  CMessageSetEntries entries;
  ASSERT_TRUE(codec->ReadMessageSetFile(WriteFile("a.set",
                                                  "# identifiers of the order feed\r\n\r\n  Customer = 11 \r\n"
                                                  "Order=12\r\n   \r\nInvoice =\r\n"),
                                        entries));
  EXPECT_EQ((std::vector<std::string>{"Customer=11", "Order=12", "Invoice="}), Entries(entries));
}

TEST_F(KestrunTest, AMessageSetLineWithABadNameEndsTheRead) {
  auto codec = MakeCodec();
  CMessageSetEntries entries;
  EXPECT_FALSE(codec->ReadMessageSetFile(WriteFile("b.set", "Good=1\nNot_Good=2\nLater=3\n"), entries));
  // What was read before stays, for the caller to decide.
  EXPECT_EQ((std::vector<std::string>{"Good=1"}), Entries(entries));
  EXPECT_FALSE(codec->ReadMessageSetFile(WriteFile("c.set", "no equals sign\n"), entries));
}

TEST_F(KestrunTest, AMissingMessageSetFileIsReported) {
  AnswerMessages();
  auto codec = MakeCodec();
  CMessageSetEntries entries;
  EXPECT_FALSE(codec->ReadMessageSetFile(Path("missing.set").c_str(), entries));
  EXPECT_EQ(1u, messages.size());
}

TEST_F(KestrunTest, FileTypesAreToldBySectionLines) {
  auto codec = MakeCodec();
  const CString repository = WriteFile("r.txt", "[Pellisk]\nVersion = 4.0.0\n[End]\n\n[Connector]\nName = X\n[End]\n");
  const CString blocks = WriteFile("b.txt", "junk\n[connector]\nName = X\n");
  const CString config = WriteFile("c.txt", "\n[Configuration_File]\nVersion = 3.1.2\n");
  const CString indented = WriteFile("i.txt", "\t[Connector]\nConnector = not a section\n");
  EXPECT_TRUE(codec->IsRepositoryFile(repository));
  EXPECT_TRUE(codec->IsConnectorFile(repository));
  EXPECT_FALSE(codec->IsConfigurationFile(repository));
  EXPECT_FALSE(codec->IsRepositoryFile(blocks));
  EXPECT_TRUE(codec->IsConnectorFile(blocks));
  EXPECT_TRUE(codec->IsConfigurationFile(config));
  EXPECT_FALSE(codec->IsConnectorFile(config));
  EXPECT_FALSE(codec->IsConnectorFile(indented)) << "the untrimmed line's first piece is its tab";
}

TEST_F(KestrunTest, FileTypeTestOfAMissingFileIsReported) {
  AnswerMessages();
  auto codec = MakeCodec();
  EXPECT_FALSE(codec->IsConfigurationFile(Path("gone.cfg").c_str()));
  EXPECT_EQ(1u, messages.size());
}

TEST_F(KestrunTest, TheSessionKeyComesFromTheService) {
  EXPECT_EQ("session-key-1", Text(MakeCodec()->m_strSessionKey));
  EXPECT_EQ("4.0.0", Text(MakeCodec()->m_strVersion));
  auto keyless = MakeCodec(kestrun_test::NoKeys());
  EXPECT_TRUE(keyless->IsEncryptionRunning());
  EXPECT_EQ("", Text(keyless->m_strSessionKey));
  EXPECT_EQ("The Java encryption service made no key.", Text(keyless->EncryptionUnavailableReason()));
  auto off = MakeCodec(kestrun_test::ServiceOff());
  EXPECT_FALSE(off->IsEncryptionRunning());
  EXPECT_FALSE(off->InitEncryption());
  CString encrypted;
  EXPECT_FALSE(off->EncryptValue("x", encrypted));
}

}  // namespace
}  // namespace kestrun_test
