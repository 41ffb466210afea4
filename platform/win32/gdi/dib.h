// Device-independent bitmap layouts and their conversion to and from the
// 24-bit pixels GDI draws on.
#pragma once

#include <optional>

#include "gdi/objects.h"

namespace win32::gdi::detail {

// The layout a BITMAPINFO describes; `available` bounds the bytes of header,
// masks and colour table that may be read.
std::optional<DibFormat> ParseDib(const BITMAPINFO* bmi, size_t available = SIZE_MAX);
// Bytes of header, masks and colour table in front of the bits.
size_t DibHeaderBytes(const BITMAPINFO* bmi);

// Decodes a DIB's bits into `surface` (RGB24, at least as large) at row
// `top`; encodes a surface's rows back into DIB bits.
void DecodeDib(const DibFormat& f, const uint8_t* bits, cairo_surface_t* surface, int top = 0);
void EncodeDib(const DibFormat& f, cairo_surface_t* surface, uint8_t* bits, int top = 0);

// The colour table GDI uses for a depth when a bitmap has none of its own.
std::vector<RGBQUAD> DefaultColorTable(int bpp);

// A new bitmap object holding a DIB's pixels.
BitmapObject BitmapFromDib(const DibFormat& f, const uint8_t* bits);

}  // namespace win32::gdi::detail
