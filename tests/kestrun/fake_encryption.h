// An encryption service for tests: reversible, tied to its key, and able to
// be switched off or to refuse a value, so that every path of the codec can
// be reached without a Java virtual machine.
#pragma once

#include <string>

#include "ValueEncryption.h"

namespace kestrun_test {

struct FakeEncryptionSettings {
  bool starts = true;
  bool makesKeys = true;
  // Clear values holding this text cannot be encrypted (empty: none).
  std::string refuse;
};

inline FakeEncryptionSettings ServiceOff() {
  FakeEncryptionSettings settings;
  settings.starts = false;
  return settings;
}
inline FakeEncryptionSettings NoKeys() {
  FakeEncryptionSettings settings;
  settings.makesKeys = false;
  return settings;
}
inline FakeEncryptionSettings Refusing(std::string text) {
  FakeEncryptionSettings settings;
  settings.refuse = std::move(text);
  return settings;
}

class FakeEncryption : public IValueEncryption {
 public:
  explicit FakeEncryption(FakeEncryptionSettings settings = {}) : m_settings(std::move(settings)) {}

  bool Start() override;
  bool IsRunning() const override { return m_running; }
  CString UnavailableReason() const override { return m_running ? CString() : CString("the test service is off."); }
  bool GenerateKey(CString& out) override;
  bool Encrypt(const CString& clear, const CString& key, CString& out) override;
  bool Decrypt(const CString& value, const CString& key, CString& out) override;

 private:
  FakeEncryptionSettings m_settings;
  bool m_running = false;
  int m_keys = 0;
};

// The text the fake makes of `clear` with `key`, for files written by hand.
std::string FakeEncrypted(const std::string& clear, const std::string& key);

}  // namespace kestrun_test
