// Text output shared by TextOut, ExtTextOut and DrawText.
#pragma once

#include <string_view>

#include "gdi/canvas.h"
#include "gdi/fonts.h"

namespace win32::gdi::detail {

// Draws one line of text with its top-left corner at device (x, y) in the
// text colour, without background; `dx` gives per-byte advances or null.
void DrawGlyphs(Canvas& canvas, const FontInstance& font, const LOGFONT& lf, int x, int y, std::string_view text,
                const INT* dx);

// Advances of each byte position: the advance of a character sits on its
// first byte, its other bytes advance by nothing.
std::vector<int> ByteAdvances(const FontInstance& font, std::string_view text);

}  // namespace win32::gdi::detail
