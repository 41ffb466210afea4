// Fonts: the fixed mapping from Windows face names to the DejaVu files, and
// integer metrics computed from the font tables, so that every layout is
// the same on every machine, with or without a screen.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "win32/wingdi.h"

namespace win32::gdi::detail {

class FontFile;

// One face at one pixel size.
class FontInstance {
 public:
  FontInstance(FontFile& file, int emPixels, const LOGFONT& lf);

  const TEXTMETRIC& Metrics() const { return tm_; }
  int EmPixels() const { return em_; }
  cairo_font_face_t* CairoFace() const;
  unsigned GlyphIndex(uint32_t codepoint) const;
  // The advance of a character in whole pixels.
  int Advance(uint32_t codepoint) const;
  int UnderlineOffset() const { return underlineOffset_; }  // below the baseline
  int UnderlineThickness() const { return underlineThickness_; }
  int StrikeoutOffset() const { return strikeoutOffset_; }  // above the baseline

 private:
  int Scale(long fontUnits) const;

  FontFile& file_;
  int em_;
  TEXTMETRIC tm_{};
  int underlineOffset_ = 1;
  int underlineThickness_ = 1;
  int strikeoutOffset_ = 3;
  mutable std::map<uint32_t, int> advances_;
};

// The instance for a logical font (cached for the life of the process: the
// font files never change).
const FontInstance& FontFor(const LOGFONT& lf);

// The face name GetTextFace reports for a logical font.
std::string FaceNameOf(const LOGFONT& lf);

// UTF-8 text as code points; `starts` receives the byte offset of each code
// point. Bytes that are not valid UTF-8 stand for themselves (Latin-1).
std::vector<uint32_t> DecodeText(std::string_view text, std::vector<int>* starts = nullptr);

// Width of a run of text in pixels (one line, no tab expansion).
int TextWidth(const FontInstance& font, std::string_view text);

}  // namespace win32::gdi::detail
