// Drawing: GDI objects and device contexts, text, bitmaps, icons, system
// colours and the classic 3-D drawing helpers every control uses.
#pragma once

#include "win32/wintypes.h"

// ---------------------------------------------------------------------------
// MulDiv is declared here only; other headers test this macro.
#ifndef HALVANE_MULDIV_DECLARED
#define HALVANE_MULDIV_DECLARED
int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);
#endif

#include "win32/wingdi_objects.h"
#include "win32/wingdi_bitmaps.h"
#include "win32/wingdi_drawing.h"
#include "win32/wingdi_api.h"

// ---------------------------------------------------------------------------
// This window system's own GDI services (tests, dialog manager, snapshots).
#ifdef __cplusplus
#include <string>
#include <vector>

namespace win32::gdi {

// Puts GDI back to its first-use state: system colours, screen depth, and
// every object and DC created since (handles become stale).
void ResetGdi();

// The colour depth GetDeviceCaps reports for the display (32 by default;
// 8 or less turns on the palette path: RC_PALETTE, SIZEPALETTE 256).
void SetScreenBitsPerPixel(int bitsPerPixel);

// Dialog base units of a font by the classic rule: cx is the average width
// of "A".."Z","a".."z" rounded, cy is tmHeight.
SIZE GetDialogBaseUnits(HFONT font);

// What a DC drew while recording, so that a test can check a paint handler
// without comparing pixels. Coordinates are device coordinates.
struct GdiRecord {
  std::string op;  // "FillRect", "LineTo", "TextOut", "DrawText", "BitBlt", ...
  RECT rect{};
  std::vector<POINT> points;
  std::string text;
  std::string face;
  int fontHeight = 0;
  COLORREF textColor = 0;
  COLORREF bkColor = 0;
  COLORREF penColor = 0;
  COLORREF brushColor = 0;
  RECT clip{};
  DWORD flags = 0;
};

// Starts (or restarts) recording on a DC; StopRecording answers what was
// recorded and ends it. Other DCs are not affected.
BOOL StartRecording(HDC dc);
std::vector<GdiRecord> StopRecording(HDC dc);

// Writes a bitmap to a PNG file.
bool WriteBitmapToPng(HBITMAP bitmap, const char* path);

}  // namespace win32::gdi
#endif
