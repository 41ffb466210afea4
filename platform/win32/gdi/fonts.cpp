#include "gdi/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <strings.h>

namespace win32::gdi::detail {

enum class Family { Sans, Mono, Serif };

struct FamilyFiles {
  const char* fcFamily;
  std::array<const char*, 4> files;  // regular, bold, italic, bold italic
};

constexpr FamilyFiles kFamilies[] = {
    {"DejaVu Sans", {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf", "DejaVuSans-BoldOblique.ttf"}},
    {"DejaVu Sans Mono",
     {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf", "DejaVuSansMono-BoldOblique.ttf"}},
    {"DejaVu Serif",
     {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf", "DejaVuSerif-BoldItalic.ttf"}},
};

Family FamilyOf(const char* face) {
  static constexpr const char* kMono[] = {"Courier New", "Courier", "Fixedsys", "Terminal", "Lucida Console"};
  for (const char* name : kMono)
    if (strcasecmp(face, name) == 0) return Family::Mono;
  if (strcasecmp(face, "Times New Roman") == 0) return Family::Serif;
  return Family::Sans;
}

// One font file: a FreeType face for the tables and a cairo face for
// drawing (which owns a second FreeType face, as cairo changes its size).
class FontFile {
 public:
  FontFile(FT_Library lib, const std::string& path) {
    if (FT_New_Face(lib, path.c_str(), 0, &face_) != 0) face_ = nullptr;
    FT_Face drawFace = nullptr;
    if (FT_New_Face(lib, path.c_str(), 0, &drawFace) == 0) {
      cairo_ = cairo_ft_font_face_create_for_ft_face(drawFace, FT_LOAD_TARGET_LIGHT);
      static cairo_user_data_key_t key;
      cairo_font_face_set_user_data(cairo_, &key, drawFace, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
    }
  }
  ~FontFile() {
    if (cairo_) cairo_font_face_destroy(cairo_);
    if (face_) FT_Done_Face(face_);
  }
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  FT_Face Face() const { return face_; }
  cairo_font_face_t* Cairo() const { return cairo_; }

 private:
  FT_Face face_ = nullptr;
  cairo_font_face_t* cairo_ = nullptr;
};

namespace {

std::string FontDirectory() {
  if (const char* env = std::getenv("HALVANE_FONT_DIR")) return env;
  static constexpr const char* kDirs[] = {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu",
                                          "/usr/share/fonts/TTF", "/usr/local/share/fonts"};
  for (const char* dir : kDirs)
    if (std::filesystem::exists(std::filesystem::path(dir) / "DejaVuSans.ttf")) return dir;
  return kDirs[0];
}

// The process's font files, loaded once. Only the DejaVu files enter the
// fontconfig configuration, so other fonts on a machine never take part.
class FontEngine {
 public:
  FontEngine() {
    FT_Init_FreeType(&lib_);
    config_ = FcConfigCreate();
    const std::filesystem::path dir = FontDirectory();
    for (const FamilyFiles& family : kFamilies)
      for (const char* file : family.files)
        FcConfigAppFontAddFile(config_, reinterpret_cast<const FcChar8*>((dir / file).c_str()));
  }
  ~FontEngine() {
    instances_.clear();
    files_.clear();
    FcConfigDestroy(config_);
    FT_Done_FreeType(lib_);
  }
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  FontFile& File(Family family, bool bold, bool italic) {
    const int index = static_cast<int>(family) * 4 + (bold ? 1 : 0) + (italic ? 2 : 0);
    auto it = files_.find(index);
    if (it == files_.end())
      it = files_.emplace(index, std::make_unique<FontFile>(lib_, Locate(family, bold, italic))).first;
    return *it->second;
  }

  const FontInstance& Instance(const LOGFONT& lf) {
    const bool bold = lf.lfWeight >= FW_SEMIBOLD;
    const bool italic = lf.lfItalic != 0;
    const Family family = FamilyOf(lf.lfFaceName);
    FontFile& file = File(family, bold, italic);
    const int em = EmPixels(file, lf.lfHeight);
    const auto key =
        std::make_tuple(static_cast<int>(family), bold, italic, em, lf.lfUnderline != 0, lf.lfStrikeOut != 0);
    auto it = instances_.find(key);
    if (it == instances_.end()) it = instances_.emplace(key, std::make_unique<FontInstance>(file, em, lf)).first;
    return *it->second;
  }

 private:
  std::string Locate(Family family, bool bold, bool italic) {
    const FamilyFiles& files = kFamilies[static_cast<int>(family)];
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(files.fcFamily));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern, FC_WIDTH, FC_WIDTH_NORMAL);
    FcConfigSubstitute(config_, pattern, FcMatchPattern);
    FcResult result;
    FcPattern* match = FcFontMatch(config_, pattern, &result);
    std::string path = (std::filesystem::path(FontDirectory()) / files.files[(bold ? 1 : 0) + (italic ? 2 : 0)]);
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) path = reinterpret_cast<char*>(file);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return path;
  }

  // Negative heights are the em in pixels, positive ones the cell height.
  static int EmPixels(const FontFile& file, LONG height) {
    constexpr int kDefaultEm = 11;
    if (height < 0) return std::max(1, static_cast<int>(-height));
    if (height == 0 || !file.Face()) return kDefaultEm;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(file.Face(), FT_SFNT_OS2));
    const long cell = os2 ? os2->usWinAscent + os2->usWinDescent : file.Face()->height;
    const long upem = file.Face()->units_per_EM;
    return std::max(1L, (height * upem + cell / 2) / cell);
  }

  FT_Library lib_ = nullptr;
  FcConfig* config_ = nullptr;
  std::map<int, std::unique_ptr<FontFile>> files_;
  std::map<std::tuple<int, bool, bool, int, bool, bool>, std::unique_ptr<FontInstance>> instances_;
};

FontEngine& Engine() {
  static FontEngine engine;
  return engine;
}

}  // namespace

FontInstance::FontInstance(FontFile& file, int emPixels, const LOGFONT& lf) : file_(file), em_(emPixels) {
  FT_Face face = file.Face();
  tm_.tmWeight = lf.lfWeight >= FW_SEMIBOLD ? FW_BOLD : FW_NORMAL;
  tm_.tmItalic = lf.lfItalic ? 1 : 0;
  tm_.tmUnderlined = lf.lfUnderline ? 1 : 0;
  tm_.tmStruckOut = lf.lfStrikeOut ? 1 : 0;
  tm_.tmDigitizedAspectX = tm_.tmDigitizedAspectY = 96;
  tm_.tmFirstChar = 0x1E;
  tm_.tmLastChar = 0xFF;
  tm_.tmDefaultChar = 0x1F;
  tm_.tmBreakChar = 0x20;
  tm_.tmCharSet = ANSI_CHARSET;
  if (!face) {
    tm_.tmHeight = em_;
    tm_.tmAscent = em_;
    tm_.tmAveCharWidth = tm_.tmMaxCharWidth = std::max(1, em_ / 2);
    return;
  }
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const long winAscent = os2 ? os2->usWinAscent : face->ascender;
  const long winDescent = os2 ? os2->usWinDescent : -face->descender;
  tm_.tmAscent = Scale(winAscent);
  tm_.tmDescent = Scale(winDescent);
  tm_.tmHeight = tm_.tmAscent + tm_.tmDescent;
  tm_.tmInternalLeading = std::max(0, static_cast<int>(tm_.tmHeight) - em_);
  if (hhea) {
    const long extra = hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
    tm_.tmExternalLeading = std::max(0, Scale(extra));
  }
  tm_.tmAveCharWidth = std::max(1, os2 ? Scale(os2->xAvgCharWidth) : em_ / 2);
  tm_.tmMaxCharWidth = std::max(1, Scale(face->max_advance_width));
  const bool fixed = FT_IS_FIXED_WIDTH(face);
  // The classic (inverted) meaning: the bit is set for variable pitch.
  tm_.tmPitchAndFamily =
      static_cast<BYTE>((fixed ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                        (fixed ? FF_MODERN : (FamilyOf(lf.lfFaceName) == Family::Serif ? FF_ROMAN : FF_SWISS)));
  underlineOffset_ = std::max(1, Scale(-face->underline_position));
  underlineThickness_ = std::max(1, Scale(face->underline_thickness));
  strikeoutOffset_ = os2 ? std::max(1, Scale(os2->yStrikeoutPosition)) : tm_.tmAscent / 3;
}

int FontInstance::Scale(long fontUnits) const {
  const long upem = file_.Face() ? file_.Face()->units_per_EM : 1;
  const long scaled = fontUnits * em_;
  return static_cast<int>(scaled >= 0 ? (scaled + upem / 2) / upem : -((-scaled + upem / 2) / upem));
}

cairo_font_face_t* FontInstance::CairoFace() const { return file_.Cairo(); }

unsigned FontInstance::GlyphIndex(uint32_t codepoint) const {
  return file_.Face() ? FT_Get_Char_Index(file_.Face(), codepoint) : 0;
}

int FontInstance::Advance(uint32_t codepoint) const {
  auto it = advances_.find(codepoint);
  if (it != advances_.end()) return it->second;
  int advance = tm_.tmAveCharWidth;
  FT_Face face = file_.Face();
  // Unscaled advances rounded in integer arithmetic: the same pixels on
  // every machine and FreeType version.
  if (face && FT_Load_Glyph(face, GlyphIndex(codepoint), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0)
    advance = Scale(face->glyph->advance.x);
  advances_.emplace(codepoint, advance);
  return advance;
}

const FontInstance& FontFor(const LOGFONT& lf) { return Engine().Instance(lf); }

std::string FaceNameOf(const LOGFONT& lf) { return lf.lfFaceName[0] ? lf.lfFaceName : "MS Sans Serif"; }

std::vector<uint32_t> DecodeText(std::string_view text, std::vector<int>* starts) {
  std::vector<uint32_t> out;
  size_t i = 0;
  while (i < text.size()) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int length = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
    uint32_t cp = length == 1 ? b0 : length == 2 ? (b0 & 0x1F) : length == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    if (length == 0 || i + length > text.size()) length = 0;
    for (int k = 1; k < length; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if ((b >> 6) != 2) {
        length = 0;
        break;
      }
      cp = (cp << 6) | (b & 0x3F);
    }
    if (length == 0) {
      cp = b0;
      length = 1;
    }
    if (starts) starts->push_back(static_cast<int>(i));
    out.push_back(cp);
    i += length;
  }
  return out;
}

int TextWidth(const FontInstance& font, std::string_view text) {
  int width = 0;
  for (uint32_t cp : DecodeText(text)) width += font.Advance(cp);
  return width;
}

}  // namespace win32::gdi::detail
