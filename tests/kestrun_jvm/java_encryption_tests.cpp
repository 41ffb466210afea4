// The codec over the real encryption service: the test program stands in
// build/tests, so the installation folder's lib/Halvane.jar is the one the
// build made. The process has one virtual machine, which the shared codec
// below starts.
#include <gtest/gtest.h>

#include "ConfigFileText.h"
#include "JavaEncryption.h"
#include "kestrun_fixture.h"

namespace {

using kestrun_test::AppValue;
using kestrun_test::KestrunTest;
using kestrun_test::NewConnector;
using kestrun_test::Text;

// The program's codec, made once: the first one starts the machine.
CConnectorFileCodec& SharedCodec() {
  static CConnectorFileCodec codec;
  return codec;
}

class JavaEncryptionTest : public KestrunTest {
 protected:
  void SetUp() override {
    KestrunTest::SetUp();
    ASSERT_TRUE(SharedCodec().IsEncryptionRunning()) << Text(SharedCodec().EncryptionUnavailableReason());
  }
};

TEST_F(JavaEncryptionTest, TheServiceRunsWithASessionKey) {
  // A 256-bit key in Base64.
  EXPECT_EQ(44, SharedCodec().m_strSessionKey.GetLength());
  EXPECT_EQ("", Text(SharedCodec().EncryptionUnavailableReason()));
  // Another codec in the same process finds the running machine.
  CConnectorFileCodec second;
  EXPECT_TRUE(second.IsEncryptionRunning());
  EXPECT_NE(Text(SharedCodec().m_strSessionKey), Text(second.m_strSessionKey));
}

TEST_F(JavaEncryptionTest, ValuesRoundTripAsUtf16) {
  CConnectorFileCodec& codec = SharedCodec();
  for (const std::string& value : std::vector<std::string>{"secret", "", "p@ss w0rd;=[]\\\"\t", "Grüße, 東京",
                                                           "smile \xF0\x9F\x98\x80 done", std::string(20000, 'x')}) {
    CString encrypted;
    ASSERT_TRUE(codec.EncryptValue(CString(value.c_str(), int(value.size())), encrypted));
    if (value.size() >= 6) {
      EXPECT_EQ(std::string::npos, Text(encrypted).find(value.substr(0, 6)));
    }
    CString clear;
    ASSERT_TRUE(codec.DecryptValue(encrypted, codec.m_strSessionKey, clear));
    EXPECT_EQ(value, Text(clear));
  }
  // Bytes that are not UTF-8 cross as replacement characters, never as
  // malformed text that the machine would misread.
  CString encrypted;
  ASSERT_TRUE(
      codec.EncryptValue("a\xFF"
                         "b",
                         encrypted));
  CString clear;
  ASSERT_TRUE(codec.DecryptValue(encrypted, codec.m_strSessionKey, clear));
  EXPECT_EQ(
      "a\xEF\xBF\xBD"
      "b",
      Text(clear));
}

TEST_F(JavaEncryptionTest, AWrongKeyOrDamagedTextFailsCleanly) {
  CConnectorFileCodec& codec = SharedCodec();
  CString encrypted;
  ASSERT_TRUE(codec.EncryptValue("the value", encrypted));
  CConnectorFileCodec other;
  CString clear = "unchanged";
  EXPECT_FALSE(codec.DecryptValue(encrypted, other.m_strSessionKey, clear));
  EXPECT_FALSE(codec.DecryptValue(encrypted, "", clear));
  EXPECT_FALSE(codec.DecryptValue(encrypted, "not a key", clear));
  CString damaged = encrypted;
  damaged.SetAt(10, damaged[10] == 'A' ? 'B' : 'A');
  EXPECT_FALSE(codec.DecryptValue(damaged, codec.m_strSessionKey, clear));
  EXPECT_FALSE(codec.DecryptValue("%%%%", codec.m_strSessionKey, clear));
  EXPECT_EQ("unchanged", Text(clear));
}

TEST_F(JavaEncryptionTest, AConfigurationFileIsReadWithTheKeyItNames) {
  CConnectorFileCodec writer;
  auto connector = NewConnector();
  connector->SetName("Secure");
  connector->AddAppProperty(new HvProperty("Token", "t0ken ü", HvPropCipherText, "agent restart", HvPropFlagNew));
  ASSERT_TRUE(kestrun_test::WriteWholeConfigFile(writer, *connector, Path("secure.cfg").c_str()));
  const std::string file = ReadFile("secure.cfg");
  EXPECT_NE(std::string::npos, file.find("INSTALLID=" + Text(writer.m_strSessionKey) + "\r\n"));
  EXPECT_EQ(std::string::npos, file.find("t0ken"));

  // Another run, another session key: the file's own key decrypts it.
  auto read = NewConnector();
  ASSERT_TRUE(SharedCodec().ReadConfigFile(Path("secure.cfg").c_str(), read.get()));
  EXPECT_EQ("t0ken ü", AppValue(*read, "Token"));
  EXPECT_FALSE(read->IsUndecryptable(read->FindAppProperty("Token")));
}

TEST_F(JavaEncryptionTest, AFileWhoseKeyIsWrongKeepsItsValueEncrypted) {
  AnswerMessages();
  CString encrypted;
  ASSERT_TRUE(SharedCodec().EncryptValue("hidden", encrypted));
  CConnectorFileCodec other;
  const std::string text = "[CONFIGURATION_FILE]\r\nINSTALLID=" + Text(other.m_strSessionKey) +
                           "\r\n[ConnectorAgent X]\r\nToken *= " + Text(encrypted) + "\r\n";
  auto read = NewConnector();
  ASSERT_TRUE(SharedCodec().ReadConfigFile(WriteFile("wrong.cfg", text), read.get()));
  EXPECT_EQ(Text(encrypted), AppValue(*read, "Token"));
  EXPECT_TRUE(read->IsUndecryptable(read->FindAppProperty("Token")));
  EXPECT_EQ(1u, messages.size());
}

TEST_F(JavaEncryptionTest, ARepositoryCopyIsReadWithTheKeyItNames) {
  CConnectorFileCodec writer;
  auto connector = NewConnector();
  connector->SetName("Secure");
  connector->AddAppProperty(
      new HvProperty("Token", "t0ken \xF0\x9F\x98\x80", HvPropCipherText, "agent restart", HvPropFlagNew));
  ASSERT_TRUE(writer.WriteRepositoryFile(Path("secure.out").c_str(), connector.get()));
  const std::string file = ReadFile("secure.out");
  EXPECT_NE(std::string::npos, file.find("RepositoryID = " + Text(writer.m_strSessionKey) + "\r\n"));
  EXPECT_EQ(std::string::npos, file.find("t0ken"));

  CConnectorArray read;
  ASSERT_TRUE(SharedCodec().ReadRepositoryFile(Path("secure.out").c_str(), read));
  ASSERT_EQ(1, read.GetSize());
  std::unique_ptr<CConnector> back(read[0]);
  EXPECT_EQ("t0ken \xF0\x9F\x98\x80", AppValue(*back, "Token"));
  EXPECT_EQ(HvPropCipherText, back->FindAppProperty("Token")->GetType());
}

TEST_F(JavaEncryptionTest, ADamagedValueInARepositoryCopyStaysEncrypted) {
  AnswerMessages();
  CString encrypted;
  ASSERT_TRUE(SharedCodec().EncryptValue("hidden", encrypted));
  encrypted.SetAt(5, encrypted[5] == 'A' ? 'B' : 'A');
  const std::string text = "[Pellisk]\r\nVersion = 4.0.0\r\nRepositoryID = " + Text(SharedCodec().m_strSessionKey) +
                           "\r\n[End]\r\n[Connector]\r\nName = X\r\n\t[Property]\r\n\tName = AppEndConfInfo\r\n"
                           "\tAttrName = Token\r\n\tAttrType = 8\r\n\tAttrValue = " +
                           Text(encrypted) + "\r\n\t[End]\r\n[End]\r\n";
  CConnectorArray read;
  ASSERT_TRUE(SharedCodec().ReadRepositoryFile(WriteFile("damaged.out", text), read));
  ASSERT_EQ(1, read.GetSize());
  std::unique_ptr<CConnector> back(read[0]);
  const HvProperty* token = back->FindAppProperty("Token");
  EXPECT_EQ(Text(encrypted), Text(token->GetValue()));
  EXPECT_EQ(HvPropCipherText, token->GetType());
  EXPECT_TRUE(back->IsUndecryptable(token));
  EXPECT_EQ(1u, messages.size());
}

TEST(JavaEncryptionPaths, TheJarLiesInLibUnderTheInstallationFolder) {
  EXPECT_EQ("/opt/halvane/lib/Halvane.jar", Text(CJavaEncryption::JarPath("/opt/halvane")));
}

}  // namespace
