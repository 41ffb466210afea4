// Builds small AVI files in memory for the animation tests: one video
// stream of 8-bit (palette), 24-bit or RLE8 frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "windows.h"

namespace bars_test {

inline std::vector<BYTE> operator+(std::vector<BYTE> a, const std::vector<BYTE>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class AviBuilder {
 public:
  AviBuilder(int width, int height, int bitCount, DWORD compression = BI_RGB)
      : width_(width), height_(height), bitCount_(bitCount), compression_(compression) {}

  AviBuilder& microsecondsPerFrame(DWORD us) {
    usPerFrame_ = us;
    return *this;
  }
  AviBuilder& palette(std::vector<uint32_t> colors) {
    palette_ = std::move(colors);
    return *this;
  }
  // One frame's bytes as stored (bottom row first for BI_RGB).
  AviBuilder& frame(std::vector<BYTE> bytes) {
    frames_.push_back(std::move(bytes));
    return *this;
  }
  // An 8-bit frame filled with one palette index.
  AviBuilder& solidFrame(BYTE index) {
    size_t stride = (static_cast<size_t>(width_) + 3) & ~static_cast<size_t>(3);
    return frame(std::vector<BYTE>(stride * static_cast<size_t>(height_), index));
  }

  std::vector<BYTE> build() const {
    std::vector<BYTE> avih(56, 0);
    Put32(avih, 0, usPerFrame_);
    Put32(avih, 16, static_cast<DWORD>(frames_.size()));
    Put32(avih, 24, 1);
    Put32(avih, 32, static_cast<DWORD>(width_));
    Put32(avih, 36, static_cast<DWORD>(height_));
    std::vector<BYTE> strh(56, 0);
    Put4(strh, 0, "vids");
    Put32(strh, 20, 1);
    Put32(strh, 24, usPerFrame_ ? 1000000 / usPerFrame_ : 10);
    Put32(strh, 32, static_cast<DWORD>(frames_.size()));
    std::vector<BYTE> strf(40, 0);
    Put32(strf, 0, 40);
    Put32(strf, 4, static_cast<DWORD>(width_));
    Put32(strf, 8, static_cast<DWORD>(height_));
    Put16(strf, 12, 1);
    Put16(strf, 14, static_cast<WORD>(bitCount_));
    Put32(strf, 16, compression_);
    Put32(strf, 32, static_cast<DWORD>(palette_.size()));
    for (uint32_t color : palette_) {
      strf.push_back(static_cast<BYTE>(color & 0xFF));
      strf.push_back(static_cast<BYTE>((color >> 8) & 0xFF));
      strf.push_back(static_cast<BYTE>((color >> 16) & 0xFF));
      strf.push_back(0);
    }
    std::vector<BYTE> strl = List("strl", Chunk("strh", strh) + Chunk("strf", strf));
    std::vector<BYTE> hdrl = List("hdrl", Chunk("avih", avih) + strl);
    std::vector<BYTE> movi;
    for (const auto& f : frames_) movi = movi + Chunk(compression_ == BI_RGB ? "00db" : "00dc", f);
    std::vector<BYTE> body{'A', 'V', 'I', ' '};
    body = body + hdrl + List("movi", movi);
    return Chunk("RIFF", body);
  }

 private:
  static void Put16(std::vector<BYTE>& v, size_t at, WORD value) {
    v[at] = static_cast<BYTE>(value);
    v[at + 1] = static_cast<BYTE>(value >> 8);
  }
  static void Put32(std::vector<BYTE>& v, size_t at, DWORD value) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<BYTE>(value >> (8 * i));
  }
  static void Put4(std::vector<BYTE>& v, size_t at, const char* id) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<BYTE>(id[i]);
  }
  static std::vector<BYTE> Chunk(const char* id, const std::vector<BYTE>& data) {
    std::vector<BYTE> out(8, 0);
    Put4(out, 0, id);
    Put32(out, 4, static_cast<DWORD>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
    return out;
  }
  static std::vector<BYTE> List(const char* type, const std::vector<BYTE>& data) {
    std::vector<BYTE> body(4, 0);
    Put4(body, 0, type);
    return Chunk("LIST", body + data);
  }

  int width_;
  int height_;
  int bitCount_;
  DWORD compression_;
  DWORD usPerFrame_ = 100000;
  std::vector<uint32_t> palette_;
  std::vector<std::vector<BYTE>> frames_;
};

}  // namespace bars_test
