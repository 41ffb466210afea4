#include "controls/animate_clip.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace win32::controls {
namespace {

constexpr int kMaxDimension = 4096;

struct Span {
  const BYTE* data = nullptr;
  size_t size = 0;
};

DWORD ReadDword(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24); }
WORD ReadWord(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }
std::string_view FourCc(const BYTE* p) { return std::string_view(reinterpret_cast<const char*>(p), 4); }

// Calls `visit(id, body)` for each chunk of a RIFF list body; a list chunk
// passes its list type as the first four bytes of its body. A chunk that
// runs past the end (a truncated file) is visited with what there is.
template <class Visit>
void ForEachChunk(Span list, Visit visit) {
  size_t at = 0;
  while (at + 8 <= list.size) {
    std::string_view id = FourCc(list.data + at);
    DWORD size = ReadDword(list.data + at + 4);
    size_t available = std::min<size_t>(size, list.size - at - 8);
    visit(id, Span{list.data + at + 8, available});
    at += 8 + available + (size & 1);
  }
}

struct VideoFormat {
  int width = 0;
  int height = 0;  // negative: top row first
  int bitCount = 0;
  DWORD compression = BI_RGB;
  std::vector<uint32_t> palette;
};

struct ParsedFile {
  DWORD microsecondsPerFrame = 0;
  DWORD scale = 0;
  DWORD rate = 0;
  int streamIndex = -1;
  std::optional<VideoFormat> format;
  std::vector<Span> frameChunks;
};

std::optional<VideoFormat> ParseFormat(Span strf) {
  if (strf.size < sizeof(BITMAPINFOHEADER)) return std::nullopt;
  VideoFormat format;
  DWORD headerSize = ReadDword(strf.data);
  format.width = static_cast<int32_t>(ReadDword(strf.data + 4));
  format.height = static_cast<int32_t>(ReadDword(strf.data + 8));
  format.bitCount = ReadWord(strf.data + 14);
  format.compression = ReadDword(strf.data + 16);
  DWORD colorsUsed = ReadDword(strf.data + 32);
  if (format.width <= 0 || format.width > kMaxDimension || format.height == 0 ||
      std::abs(format.height) > kMaxDimension || headerSize > strf.size) {
    return std::nullopt;
  }
  size_t colors = format.bitCount == 8 ? (colorsUsed ? std::min<DWORD>(colorsUsed, 256) : 256) : 0;
  colors = std::min(colors, (strf.size - headerSize) / 4);
  for (size_t i = 0; i < colors; ++i) {
    const BYTE* q = strf.data + headerSize + i * 4;
    format.palette.push_back((static_cast<uint32_t>(q[2]) << 16) | (q[1] << 8) | q[0]);
  }
  return format;
}

void ParseStreamList(Span strl, int index, ParsedFile& file) {
  bool video = false;
  ForEachChunk(strl, [&](std::string_view id, Span body) {
    if (id == "strh" && body.size >= 36 && FourCc(body.data) == "vids" && file.streamIndex < 0) {
      video = true;
      file.streamIndex = index;
      file.scale = ReadDword(body.data + 20);
      file.rate = ReadDword(body.data + 24);
    } else if (id == "strf" && video && !file.format) {
      file.format = ParseFormat(body);
    }
  });
}

void ParseHeaders(Span hdrl, ParsedFile& file) {
  int streams = 0;
  ForEachChunk(hdrl, [&](std::string_view id, Span body) {
    if (id == "avih" && body.size >= 40) file.microsecondsPerFrame = ReadDword(body.data);
    if (id == "LIST" && body.size >= 4 && FourCc(body.data) == "strl") {
      ParseStreamList(Span{body.data + 4, body.size - 4}, streams++, file);
    }
  });
}

// Frame chunks are "00db" (uncompressed) or "00dc" (compressed) for
// stream 0; "rec " lists group them.
void CollectFrames(Span movi, ParsedFile& file) {
  int stream = file.streamIndex % 100;
  const char prefix[] = {static_cast<char>('0' + stream / 10), static_cast<char>('0' + stream % 10), '\0'};
  ForEachChunk(movi, [&](std::string_view id, Span body) {
    if (id == "LIST" && body.size >= 4 && FourCc(body.data) == "rec ") {
      CollectFrames(Span{body.data + 4, body.size - 4}, file);
    } else if (id.substr(0, 2) == prefix && (id.substr(2) == "db" || id.substr(2) == "dc")) {
      file.frameChunks.push_back(body);
    }
  });
}

class FrameDecoder {
 public:
  explicit FrameDecoder(const VideoFormat& format)
      : format_(format),
        width_(format.width),
        height_(std::abs(format.height)),
        indices_(static_cast<size_t>(width_) * height_, 0),
        pixels_(indices_.size(), 0) {}

  bool Supported() const {
    if (format_.compression == BI_RGB) return format_.bitCount == 8 || format_.bitCount == 24 || format_.bitCount == 32;
    return format_.compression == BI_RLE8 && format_.bitCount == 8;
  }

  // Decodes one chunk on top of the previous frame; false when it cannot.
  bool Decode(Span chunk) {
    if (chunk.size == 0) return true;  // a dropped frame repeats the last one
    if (format_.compression == BI_RLE8) return DecodeRle(chunk);
    return DecodeRgb(chunk);
  }

  const std::vector<uint32_t>& Pixels() const { return pixels_; }

 private:
  // Row `y` of the file (bottom-up unless the height is negative) as our
  // top-down row.
  int DisplayRow(int y) const { return format_.height > 0 ? height_ - 1 - y : y; }

  uint32_t Color(BYTE index) const { return index < format_.palette.size() ? format_.palette[index] : 0; }

  bool DecodeRgb(Span chunk) {
    size_t bytesPerPixel = static_cast<size_t>(format_.bitCount) / 8;
    size_t stride = (static_cast<size_t>(width_) * bytesPerPixel + 3) & ~static_cast<size_t>(3);
    if (chunk.size < stride * height_) return false;
    for (int y = 0; y < height_; ++y) {
      const BYTE* row = chunk.data + stride * y;
      uint32_t* out = &pixels_[static_cast<size_t>(DisplayRow(y)) * width_];
      for (int x = 0; x < width_; ++x) {
        const BYTE* p = row + x * bytesPerPixel;
        out[x] = bytesPerPixel == 1 ? Color(p[0]) : (static_cast<uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
      }
    }
    return true;
  }

  void Put(int x, int y, BYTE index) {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
    size_t at = static_cast<size_t>(DisplayRow(y)) * width_ + x;
    indices_[at] = index;
    pixels_[at] = Color(index);
  }

  bool DecodeRle(Span chunk) {
    int x = 0;
    int y = 0;
    size_t at = 0;
    while (at + 2 <= chunk.size) {
      BYTE count = chunk.data[at];
      BYTE value = chunk.data[at + 1];
      at += 2;
      if (count > 0) {
        for (int i = 0; i < count; ++i) Put(x++, y, value);
        continue;
      }
      if (value == 0) {  // end of line
        x = 0;
        ++y;
      } else if (value == 1) {  // end of bitmap
        return true;
      } else if (value == 2) {  // move by a delta
        if (at + 2 > chunk.size) return false;
        x += chunk.data[at];
        y += chunk.data[at + 1];
        at += 2;
      } else {  // a run of literal indices, padded to a word
        if (at + value > chunk.size) return false;
        for (int i = 0; i < value; ++i) Put(x++, y, chunk.data[at + i]);
        at += value + (value & 1);
      }
    }
    return true;
  }

  const VideoFormat& format_;
  int width_;
  int height_;
  std::vector<BYTE> indices_;
  std::vector<uint32_t> pixels_;
};

DWORD FrameMilliseconds(const ParsedFile& file) {
  double ms = file.microsecondsPerFrame ? file.microsecondsPerFrame / 1000.0
              : file.rate               ? 1000.0 * file.scale / file.rate
                                        : 100.0;
  return static_cast<DWORD>(std::clamp(ms, 1.0, 60000.0));
}

}  // namespace

const std::vector<uint32_t>* AnimationClip::Frame(int index) const {
  if (frames.empty()) return nullptr;
  return &frames[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(frames.size()) - 1))];
}

std::optional<AnimationClip> ParseAnimationClip(const BYTE* data, size_t size) {
  if (!data || size < 12 || FourCc(data) != "RIFF" || FourCc(data + 8) != "AVI ") return std::nullopt;
  size_t riffSize = std::min<size_t>(ReadDword(data + 4), size - 8);
  if (riffSize < 4) return std::nullopt;
  ParsedFile file;
  Span body{data + 12, riffSize - 4};
  ForEachChunk(body, [&](std::string_view id, Span chunk) {
    if (id != "LIST" || chunk.size < 4) return;
    Span inside{chunk.data + 4, chunk.size - 4};
    if (FourCc(chunk.data) == "hdrl") ParseHeaders(inside, file);
    if (FourCc(chunk.data) == "movi" && file.streamIndex >= 0) CollectFrames(inside, file);
  });
  if (!file.format || file.frameChunks.empty()) return std::nullopt;
  AnimationClip clip;
  clip.width = file.format->width;
  clip.height = std::abs(file.format->height);
  clip.frameMilliseconds = FrameMilliseconds(file);
  clip.frameCount = static_cast<int>(file.frameChunks.size());
  FrameDecoder decoder(*file.format);
  if (!decoder.Supported()) return clip;
  for (const Span& chunk : file.frameChunks) {
    if (!decoder.Decode(chunk)) break;
    clip.frames.push_back(decoder.Pixels());
  }
  return clip;
}

}  // namespace win32::controls
