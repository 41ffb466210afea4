#include "store/Password.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>
#include <openssl/sha.h>

#include <array>
#include <charconv>
#include <random>

#include "DravonTestHooks.h"

namespace dravon {
namespace {

constexpr std::string_view kScheme = "pbkdf2-sha256$";
// The work factor of new entries (current guidance for PBKDF2-HMAC-SHA256).
constexpr int kIterations = 600000;
constexpr int kMinIterations = 1000;
constexpr size_t kKeyBytes = 32;
// The first repositories: SHA-256 of salt and password, then 2,047 more
// rounds of SHA-256 over the digest and the salt.
constexpr int kLegacyRounds = 2048;

int g_iterations = kIterations;

std::string ToHex(const unsigned char* bytes, size_t count) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(2 * count);
  for (size_t i = 0; i < count; ++i) {
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0xf]);
  }
  return text;
}

std::string Pbkdf2(std::string_view salt, std::string_view password, int iterations) {
  std::array<unsigned char, kKeyBytes> key{};
  if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                        reinterpret_cast<const unsigned char*>(salt.data()), static_cast<int>(salt.size()), iterations,
                        EVP_sha256(), static_cast<int>(key.size()), key.data()) != 1) {
    return {};
  }
  return ToHex(key.data(), key.size());
}

std::string LegacyHash(std::string_view salt, std::string_view password) {
  std::array<unsigned char, SHA256_DIGEST_LENGTH> digest{};
  std::string input = std::string(salt) + std::string(password);
  SHA256(reinterpret_cast<const unsigned char*>(input.data()), input.size(), digest.data());
  for (int i = 1; i < kLegacyRounds; ++i) {
    input.assign(reinterpret_cast<const char*>(digest.data()), digest.size());
    input += salt;
    SHA256(reinterpret_cast<const unsigned char*>(input.data()), input.size(), digest.data());
  }
  return ToHex(digest.data(), digest.size());
}

// The iterations and key of a current entry; false for any other form.
bool ParseEntry(std::string_view stored, int& iterations, std::string_view& key) {
  if (stored.substr(0, kScheme.size()) != kScheme) return false;
  stored.remove_prefix(kScheme.size());
  const size_t dollar = stored.find('$');
  if (dollar == std::string_view::npos) return false;
  const auto [end, ec] = std::from_chars(stored.data(), stored.data() + dollar, iterations);
  if (ec != std::errc() || end != stored.data() + dollar || iterations < 1) return false;
  key = stored.substr(dollar + 1);
  return key.size() == 2 * kKeyBytes;
}

bool SameInConstantTime(std::string_view a, std::string_view b) {
  return a.size() == b.size() && !a.empty() && CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

std::string HashPassword(std::string_view salt, std::string_view password) {
  const std::string key = Pbkdf2(salt, password, g_iterations);
  if (key.empty()) return {};
  return std::string(kScheme) + std::to_string(g_iterations) + "$" + key;
}

bool VerifyPassword(std::string_view salt, std::string_view stored, std::string_view password) {
  int iterations = 0;
  std::string_view key;
  if (ParseEntry(stored, iterations, key)) return SameInConstantTime(Pbkdf2(salt, password, iterations), key);
  return SameInConstantTime(LegacyHash(salt, password), stored);
}

bool NeedsRehash(std::string_view stored) {
  int iterations = 0;
  std::string_view key;
  return !ParseEntry(stored, iterations, key) || iterations < g_iterations;
}

std::string MakeSalt() {
  std::array<unsigned char, 16> bytes{};
  if (RAND_bytes(bytes.data(), static_cast<int>(bytes.size())) != 1) {
    std::random_device device;
    for (auto& b : bytes) b = static_cast<unsigned char>(device());
  }
  return ToHex(bytes.data(), bytes.size());
}

namespace test {
void SetPasswordIterations(int iterations) { g_iterations = iterations < kMinIterations ? kMinIterations : iterations; }
void ResetPasswordIterations() { g_iterations = kIterations; }
}  // namespace test

}  // namespace dravon
