// DrawFrameControl: push buttons, check boxes, radio buttons, scroll-bar
// arrows, caption buttons and menu glyphs in the classic look.
#include <algorithm>

#include "gdi/dc.h"
#include "gdi/edge_glyphs.h"

namespace win32::gdi::detail {
namespace {

constexpr UINT kButtonKind = 0x1F;

RECT Square(const RECT& r) {
  const int s = std::min(r.right - r.left, r.bottom - r.top);
  return CenterBox(r, s, s);
}

// A push-button face: raised when up, sunken when pushed; answers the
// area inside the edge.
RECT PaintButtonFace(Canvas& canvas, const RECT& r, UINT state, UINT softness) {
  const bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
  UINT flags = BF_RECT | BF_MIDDLE | softness;
  if (state & DFCS_FLAT) flags |= BF_FLAT;
  if (state & DFCS_MONO) flags |= BF_MONO;
  const RECT inner = PaintEdge(canvas, r, down ? EDGE_SUNKEN : EDGE_RAISED, flags);
  // A checked (latched) button shows a dithered face.
  if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED))
    PaintDither(canvas, inner, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DFACE));
  return inner;
}

void PaintCheckBox(Canvas& canvas, const RECT& r, UINT state) {
  const RECT box = Square(r);
  RECT inner;
  if (state & (DFCS_FLAT | DFCS_MONO))
    inner = PaintEdge(canvas, box, BDR_SUNKENOUTER, BF_RECT | ((state & DFCS_MONO) ? BF_MONO : BF_FLAT));
  else
    inner = PaintEdge(canvas, box, EDGE_SUNKEN, BF_RECT);
  const bool indeterminate = (state & kButtonKind) == DFCS_BUTTON3STATE && (state & DFCS_CHECKED);
  const bool grey = state & (DFCS_PUSHED | DFCS_INACTIVE);
  if (indeterminate)
    PaintDither(canvas, inner, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DFACE));
  else
    FillDevice(canvas, inner, GetSysColor(grey ? COLOR_3DFACE : COLOR_WINDOW));
  if (!(state & DFCS_CHECKED)) return;
  const bool dim = indeterminate || (state & DFCS_INACTIVE);
  PaintCheckMark(canvas, inner, GetSysColor(dim ? COLOR_3DSHADOW : COLOR_WINDOWTEXT));
}

void PaintRadioButton(Canvas& canvas, const RECT& r, UINT state) {
  const RECT square = Square(r);
  if ((state & kButtonKind) == DFCS_BUTTONRADIOMASK) return PaintRadioMask(canvas, square);
  const bool grey = state & (DFCS_PUSHED | DFCS_INACTIVE);
  PaintRadio(canvas, square,
             RadioLook{GetSysColor(grey ? COLOR_3DFACE : COLOR_WINDOW),
                       GetSysColor((state & DFCS_INACTIVE) ? COLOR_3DSHADOW : COLOR_WINDOWTEXT),
                       (state & DFCS_CHECKED) != 0, (state & DFCS_MONO) != 0});
}

BOOL PaintButtonControl(Canvas& canvas, RECT& r, UINT state) {
  switch (state & kButtonKind) {
    case DFCS_BUTTONPUSH: {
      const RECT inner = PaintButtonFace(canvas, r, state, BF_SOFT);
      if (state & DFCS_ADJUSTRECT) r = inner;
      return TRUE;
    }
    case DFCS_BUTTONCHECK:
    case DFCS_BUTTON3STATE:
      PaintCheckBox(canvas, r, state);
      return TRUE;
    case DFCS_BUTTONRADIO:
    case DFCS_BUTTONRADIOIMAGE:
    case DFCS_BUTTONRADIOMASK:
      PaintRadioButton(canvas, r, state);
      return TRUE;
    default:
      return FALSE;
  }
}

// The face of a small button carrying a glyph; pushed glyphs move by one
// pixel down and right, as the face sinks.
template <typename F>
void PaintGlyphButton(Canvas& canvas, const RECT& r, UINT state, F glyph) {
  const RECT face = (state & DFCS_PUSHED) ? PaintEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_FLAT)
                                          : PaintButtonFace(canvas, r, state & ~DFCS_CHECKED, 0);
  const RECT inner = Shifted(face, (state & DFCS_PUSHED) ? 1 : 0);
  PaintGlyphState((state & DFCS_INACTIVE) != 0,
                  [&](int offset, COLORREF color) { glyph(Shifted(inner, offset), color); });
}

BOOL PaintScrollControl(Canvas& canvas, const RECT& r, UINT state) {
  Arrow arrow;
  switch (state & 0x1F) {
    case DFCS_SCROLLUP:
      arrow = Arrow::Up;
      break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX:
      arrow = Arrow::Down;
      break;
    case DFCS_SCROLLLEFT:
      arrow = Arrow::Left;
      break;
    case DFCS_SCROLLRIGHT:
      arrow = Arrow::Right;
      break;
    case DFCS_SCROLLSIZEGRIP:
    case DFCS_SCROLLSIZEGRIPRIGHT:
      FillDevice(canvas, r, GetSysColor(COLOR_3DFACE));
      PaintSizeGrip(canvas, r);
      return TRUE;
    default:
      return FALSE;
  }
  PaintGlyphButton(canvas, r, state, [&](const RECT& box, COLORREF color) { PaintArrow(canvas, box, arrow, color); });
  return TRUE;
}

BOOL PaintCaptionControl(Canvas& canvas, const RECT& r, UINT state) {
  CaptionGlyph glyph;
  switch (state & 0x1F) {
    case DFCS_CAPTIONCLOSE:
      glyph = CaptionGlyph::Close;
      break;
    case DFCS_CAPTIONMIN:
      glyph = CaptionGlyph::Minimize;
      break;
    case DFCS_CAPTIONMAX:
      glyph = CaptionGlyph::Maximize;
      break;
    case DFCS_CAPTIONRESTORE:
      glyph = CaptionGlyph::Restore;
      break;
    case DFCS_CAPTIONHELP:
      glyph = CaptionGlyph::Help;
      break;
    default:
      return FALSE;
  }
  PaintGlyphButton(canvas, r, state,
                   [&](const RECT& box, COLORREF color) { PaintCaptionGlyph(canvas, box, glyph, color); });
  return TRUE;
}

// Menu glyphs are masks: black on white, for the caller to blit.
BOOL PaintMenuControl(Canvas& canvas, const RECT& r, UINT state) {
  FillDevice(canvas, r, RGB(255, 255, 255));
  const COLORREF black = RGB(0, 0, 0);
  switch (state & 0x1F) {
    case DFCS_MENUARROW:
      PaintArrow(canvas, r, Arrow::Right, black);
      return TRUE;
    case DFCS_MENUARROWRIGHT:
      PaintArrow(canvas, r, Arrow::Left, black);
      return TRUE;
    case DFCS_MENUCHECK:
      PaintCheckMark(canvas, r, black);
      return TRUE;
    case DFCS_MENUBULLET:
      PaintBullet(canvas, r, black);
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL PaintFrameControl(Canvas& canvas, RECT& r, UINT type, UINT state) {
  switch (type) {
    case DFC_BUTTON:
      return PaintButtonControl(canvas, r, state);
    case DFC_SCROLL:
      return PaintScrollControl(canvas, r, state);
    case DFC_CAPTION:
      return PaintCaptionControl(canvas, r, state);
    case DFC_MENU:
    case DFC_POPUPMENU:
      return PaintMenuControl(canvas, r, state);
    default:
      return FALSE;
  }
}

}  // namespace
}  // namespace win32::gdi::detail

using namespace win32::gdi::detail;

BOOL WINAPI DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState) {
  DcObject* dc = GetDc(hdc);
  if (!dc || !lprc) return FALSE;
  const RECT device = ToDevice(dc->attrs, *lprc);
  RECT adjusted = device;
  {
    Canvas canvas(hdc);
    // An information context has nothing to draw on but accepts the call.
    if (canvas.Valid() && !PaintFrameControl(canvas, adjusted, uType, uState)) return FALSE;
  }
  GdiRecord rec = MakeRecord(*dc, "DrawFrameControl", device);
  rec.flags = (uType << 16) | (uState & 0xFFFF);
  Record(*dc, std::move(rec));
  // DFCS_ADJUSTRECT: the caller gets the face inside the button's edge.
  lprc->left += adjusted.left - device.left;
  lprc->top += adjusted.top - device.top;
  lprc->right += adjusted.right - device.right;
  lprc->bottom += adjusted.bottom - device.bottom;
  return TRUE;
}
