// Device-context internals shared by the drawing functions.
#pragma once

#include "gdi/objects.h"

namespace win32::gdi::detail {

DcObject* GetDc(HDC hdc);

// Logical to device coordinates (window/viewport origins and extents).
POINT ToDevice(const DcAttributes& a, LONG x, LONG y);
RECT ToDevice(const DcAttributes& a, const RECT& r);  // normalised
POINT ToLogical(const DcAttributes& a, LONG x, LONG y);
int ScaleWidth(const DcAttributes& a, int width);

// The surface a DC draws on and the device offset of its origin.
cairo_surface_t* TargetOf(const DcObject& dc);
BitmapObject* SelectedBitmap(const DcObject& dc);
// The drawable area of the DC in device coordinates, clipped.
Region EffectiveClip(const DcObject& dc);

// The selected objects, falling back on the stock defaults when a
// selected object was deleted meanwhile.
LOGPEN PenOf(const DcObject& dc);
const BrushObject& BrushOf(const DcObject& dc);
const LOGFONT& FontOf(const DcObject& dc);
const BrushObject* BrushFromHandle(HBRUSH brush);  // also (HBRUSH)(COLOR_* + 1)

// Appends a record when the DC is recording.
void Record(DcObject& dc, GdiRecord record);
GdiRecord MakeRecord(const DcObject& dc, const char* op, const RECT& rect);

}  // namespace win32::gdi::detail
