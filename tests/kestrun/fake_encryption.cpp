#include "fake_encryption.h"

namespace kestrun_test {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

std::string Hex(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

bool Unhex(const std::string& hex, std::string& out) {
  if (hex.size() % 2 != 0) return false;
  out.clear();
  for (size_t i = 0; i < hex.size(); i += 2) {
    const auto hi = std::string(kDigits).find(hex[i]);
    const auto lo = std::string(kDigits).find(hex[i + 1]);
    if (hi == std::string::npos || lo == std::string::npos || hex[i] == '\0' || hex[i + 1] == '\0') return false;
    out += char(hi * 16 + lo);
  }
  return true;
}

std::string Text(const CString& s) { return std::string(s, size_t(s.GetLength())); }

}  // namespace

std::string FakeEncrypted(const std::string& clear, const std::string& key) {
  return "ENC[" + Hex(key) + "]" + Hex(clear);
}

bool FakeEncryption::Start() {
  m_running = m_settings.starts;
  return m_running;
}

bool FakeEncryption::GenerateKey(CString& out) {
  if (!m_running || !m_settings.makesKeys) return false;
  out.Format("session-key-%d", ++m_keys);
  return true;
}

bool FakeEncryption::Encrypt(const CString& clear, const CString& key, CString& out) {
  if (!m_running || key.IsEmpty()) return false;
  if (!m_settings.refuse.empty() && Text(clear).find(m_settings.refuse) != std::string::npos) return false;
  const std::string text = FakeEncrypted(Text(clear), Text(key));
  out = CString(text.c_str(), int(text.size()));
  return true;
}

bool FakeEncryption::Decrypt(const CString& value, const CString& key, CString& out) {
  if (!m_running || key.IsEmpty()) return false;
  const std::string prefix = "ENC[" + Hex(Text(key)) + "]";
  const std::string text = Text(value);
  std::string clear;
  if (text.compare(0, prefix.size(), prefix) != 0 || !Unhex(text.substr(prefix.size()), clear)) return false;
  out = CString(clear.c_str(), int(clear.size()));
  return true;
}

}  // namespace kestrun_test
