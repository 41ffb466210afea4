// The glyphs of frame controls: arrows, check marks, radio circles,
// caption symbols and the size grip, scaled to the box they are drawn in.
#pragma once

#include "gdi/edge_draw.h"

namespace win32::gdi::detail {

enum class Arrow { Up, Down, Left, Right };
enum class CaptionGlyph { Close, Minimize, Maximize, Restore, Help };

void PaintArrow(Canvas& canvas, const RECT& box, Arrow arrow, COLORREF color);
void PaintCheckMark(Canvas& canvas, const RECT& box, COLORREF color);
void PaintCaptionGlyph(Canvas& canvas, const RECT& box, CaptionGlyph glyph, COLORREF color);
void PaintBullet(Canvas& canvas, const RECT& box, COLORREF color);
void PaintSizeGrip(Canvas& canvas, const RECT& rect);

// The classic radio button in a square: a two-ring sunken circle with its
// interior, and the dot when `checked`.
struct RadioLook {
  COLORREF interior;
  COLORREF dot;
  bool checked;
  bool mono;
};
void PaintRadio(Canvas& canvas, const RECT& square, const RadioLook& look);
// The radio button's shape in black on white (DFCS_BUTTONRADIOMASK).
void PaintRadioMask(Canvas& canvas, const RECT& square);

// Paints a glyph normally, or embossed when inactive: highlight offset by
// one pixel, then the shadow on top.
template <typename F>
void PaintGlyphState(bool inactive, F paint) {
  if (!inactive) {
    paint(0, GetSysColor(COLOR_BTNTEXT));
    return;
  }
  paint(1, GetSysColor(COLOR_3DHILIGHT));
  paint(0, GetSysColor(COLOR_3DSHADOW));
}

}  // namespace win32::gdi::detail
