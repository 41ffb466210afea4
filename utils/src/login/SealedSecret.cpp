#include "login/SealedSecret.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>
#include <vector>

namespace utils::login {
namespace {

constexpr std::string_view kSealedPrefix = "hv2:";
constexpr std::string_view kScrambledPrefix = "hv1:";
constexpr int kNonceSize = 12;
constexpr int kTagSize = 16;

using Bytes = std::vector<unsigned char>;

struct CipherFree {
  void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using Cipher = std::unique_ptr<EVP_CIPHER_CTX, CipherFree>;

std::string Base64(const Bytes& bytes) {
  std::string out(4 * ((bytes.size() + 2) / 3), '\0');
  const int n =
      EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()), bytes.data(), static_cast<int>(bytes.size()));
  out.resize(static_cast<size_t>(n));
  return out;
}

std::optional<Bytes> FromBase64(std::string_view text) {
  if (text.empty() || text.size() % 4 != 0) return std::nullopt;
  Bytes out(3 * text.size() / 4);
  const int n =
      EVP_DecodeBlock(out.data(), reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  if (n < 0) return std::nullopt;
  // The decoder counts the padding as zero bytes.
  size_t size = static_cast<size_t>(n);
  for (size_t i = text.size(); i > 0 && text[i - 1] == '=' && size > 0; --i) --size;
  out.resize(size);
  return out;
}

bool AddContext(EVP_CIPHER_CTX* ctx, const std::string& context) {
  int n = 0;
  return context.empty() || EVP_CipherUpdate(ctx, nullptr, &n, reinterpret_cast<const unsigned char*>(context.data()),
                                             static_cast<int>(context.size())) == 1;
}

// The position-dependent mask of the scrambled form.
uint8_t ScrambleMask(size_t position) {
  uint32_t x = static_cast<uint32_t>(position) * 2654435761u + 0x9E3779B9u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return static_cast<uint8_t>(x);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string Seal(const Key& key, const std::string& clear, const std::string& context) {
  Bytes out(kNonceSize + clear.size() + kTagSize);
  if (RAND_bytes(out.data(), kNonceSize) != 1) return {};
  Cipher ctx(EVP_CIPHER_CTX_new());
  int n = 0;
  if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, key.data(), out.data()) != 1 ||
      !AddContext(ctx.get(), context) ||
      EVP_EncryptUpdate(ctx.get(), out.data() + kNonceSize, &n, reinterpret_cast<const unsigned char*>(clear.data()),
                        static_cast<int>(clear.size())) != 1 ||
      EVP_EncryptFinal_ex(ctx.get(), out.data() + kNonceSize + n, &n) != 1 ||
      EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, kTagSize, out.data() + kNonceSize + clear.size()) != 1) {
    return {};
  }
  return std::string(kSealedPrefix) + Base64(out);
}

std::optional<std::string> Open(const Key& key, const std::string& sealed, const std::string& context) {
  if (!sealed.starts_with(kSealedPrefix)) return std::nullopt;
  const auto bytes = FromBase64(std::string_view(sealed).substr(kSealedPrefix.size()));
  if (!bytes || bytes->size() < static_cast<size_t>(kNonceSize + kTagSize)) return std::nullopt;
  const size_t textSize = bytes->size() - kNonceSize - kTagSize;
  std::string clear(textSize, '\0');
  Bytes tag(bytes->end() - kTagSize, bytes->end());
  Cipher ctx(EVP_CIPHER_CTX_new());
  int n = 0;
  if (!ctx || EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, key.data(), bytes->data()) != 1 ||
      !AddContext(ctx.get(), context) ||
      EVP_DecryptUpdate(ctx.get(), reinterpret_cast<unsigned char*>(clear.data()), &n, bytes->data() + kNonceSize,
                        static_cast<int>(textSize)) != 1 ||
      EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, kTagSize, tag.data()) != 1 ||
      EVP_DecryptFinal_ex(ctx.get(), reinterpret_cast<unsigned char*>(clear.data()) + n, &n) != 1) {
    return std::nullopt;
  }
  return clear;
}

bool IsScrambled(const std::string& stored) { return stored.starts_with(kScrambledPrefix); }

std::optional<std::string> Unscramble(const std::string& scrambled) {
  if (!IsScrambled(scrambled) || (scrambled.size() - kScrambledPrefix.size()) % 2 != 0) return std::nullopt;
  std::string clear;
  for (size_t i = kScrambledPrefix.size(); i < scrambled.size(); i += 2) {
    const int high = HexValue(scrambled[i]), low = HexValue(scrambled[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    clear += static_cast<char>(static_cast<uint8_t>(high << 4 | low) ^ ScrambleMask(clear.size()));
  }
  return clear;
}

}  // namespace utils::login
