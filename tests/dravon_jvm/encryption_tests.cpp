#include <gtest/gtest.h>

#include <set>
#include <string>

#include "JVM.h"
#include "java_support.h"
#include "probe_support.h"

namespace {

using jvmtest::Encryption;

// Base64 of n bytes.
size_t Base64Length(size_t bytes) { return (bytes + 2) / 3 * 4; }

class EncryptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    REQUIRE_JAR();
    ASSERT_TRUE(jvmtest::StartMachine()) << JVM::GetFailureReason();
    env_ = JVM::GetJNIEnv();
    ASSERT_NE(nullptr, env_);
    encryption_ = std::make_unique<Encryption>(env_);
    ASSERT_TRUE(encryption_->Ready());
    auto key = encryption_->GenKey();
    ASSERT_TRUE(key);
    key_ = *key;
  }

  void TearDown() override {
    if (env_ != nullptr) {
      EXPECT_FALSE(env_->ExceptionCheck());
    }
  }

  JNIEnv* env_ = nullptr;
  std::unique_ptr<Encryption> encryption_;
  std::string key_;
};

TEST_F(EncryptionTest, ValuesRoundTrip) {
  const std::string values[] = {
      "secret",
      "",
      "p@ss w0rd;=[]\\\"\t",
      "Grüße aus Köln, 東京, Ελλάδα",
      "smile \xF0\x9F\x98\x80 done",
      std::string(100000, 'x') + "end",
  };
  for (const std::string& value : values) {
    auto encrypted = encryption_->Encrypt(value, key_);
    ASSERT_TRUE(encrypted) << value.substr(0, 40);
    if (value.size() >= 6) {
      EXPECT_EQ(std::string::npos, encrypted->find(value.substr(0, 6)));
    }
    EXPECT_EQ(value, encryption_->Decrypt(*encrypted, key_)) << value.substr(0, 40);
  }
}

TEST_F(EncryptionTest, CipherTextIsBase64OfNonceTextAndTag) {
  const std::string value = "twelve chars";
  auto first = encryption_->Encrypt(value, key_);
  auto second = encryption_->Encrypt(value, key_);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(Base64Length(12 + value.size() + 16), first->size());
  EXPECT_EQ(std::string::npos,
            first->find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="));
  // A fresh nonce per value: the same value never encrypts the same way twice.
  EXPECT_NE(*first, *second);
  EXPECT_EQ(value, encryption_->Decrypt(*second, key_));
}

TEST_F(EncryptionTest, KeysAreDistinct256BitBase64) {
  std::set<std::string> keys{key_};
  for (int i = 0; i < 20; ++i) {
    auto key = encryption_->GenKey();
    ASSERT_TRUE(key);
    EXPECT_EQ(Base64Length(32), key->size());
    keys.insert(*key);
  }
  EXPECT_EQ(21u, keys.size());
}

TEST_F(EncryptionTest, WrongKeyFailsCleanly) {
  auto encrypted = encryption_->Encrypt("the value", key_);
  ASSERT_TRUE(encrypted);
  auto otherKey = encryption_->GenKey();
  ASSERT_TRUE(otherKey);
  EXPECT_EQ(std::nullopt, encryption_->Decrypt(*encrypted, *otherKey));
  for (const std::string badKey : {"", "not base64 !", "c2hvcnQ=", "QUJD"}) {
    EXPECT_EQ(std::nullopt, encryption_->Decrypt(*encrypted, badKey)) << badKey;
    EXPECT_EQ(std::nullopt, encryption_->Encrypt("x", badKey)) << badKey;
  }
  EXPECT_EQ(std::nullopt, encryption_->Encrypt("x", std::nullopt));
  EXPECT_EQ(std::nullopt, encryption_->Decrypt(*encrypted, std::nullopt));
}

TEST_F(EncryptionTest, DamagedTextFailsCleanly) {
  auto encrypted = encryption_->Encrypt("a value long enough to damage", key_);
  ASSERT_TRUE(encrypted);
  // Every position: the nonce, the text and the tag are all covered.
  for (size_t at = 0; at + 4 < encrypted->size(); at += 3) {
    std::string damaged = *encrypted;
    damaged[at] = damaged[at] == 'A' ? 'B' : 'A';
    EXPECT_EQ(std::nullopt, encryption_->Decrypt(damaged, key_)) << "at " << at;
  }
  EXPECT_EQ(std::nullopt, encryption_->Decrypt(encrypted->substr(0, encrypted->size() - 8), key_));
  EXPECT_EQ(std::nullopt, encryption_->Decrypt(encrypted->substr(0, 16), key_));
  for (const std::string bad : {"", "%%%%", "AAAA"}) EXPECT_EQ(std::nullopt, encryption_->Decrypt(bad, key_)) << bad;
  EXPECT_EQ(std::nullopt, encryption_->Decrypt(std::nullopt, key_));
  EXPECT_EQ(std::nullopt, encryption_->Encrypt(std::nullopt, key_));
}

}  // namespace
