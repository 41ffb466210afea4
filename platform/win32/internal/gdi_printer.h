// The bridge between GDI and printing: a printer DC is a GDI DC whose
// device (its capabilities, its pages) belongs to the printing part.
#pragma once

#include <cairo.h>

#include <memory>

#include "win32/wingdi.h"

namespace win32::internal {

// A printer device behind a DC; it lives as long as the DC.
class PrinterDevice {
 public:
  virtual ~PrinterDevice() = default;
  // GetDeviceCaps for this device.
  virtual int DeviceCaps(int index) const = 0;
};

// Made by the printing part for CreateDC/CreateIC of a printer; null when
// the driver or device names no printer.
std::shared_ptr<PrinterDevice> OpenPrinterDevice(LPCSTR driver, LPCSTR device, LPCSTR port, const void* devmode);

// A DC on `device`; it draws nothing until a page surface is set.
// `printable` is the drawable area in page pixels (the device origin at its
// top-left corner); `dpi` scales pixels to the surface's points.
HDC CreatePrinterDC(std::shared_ptr<PrinterDevice> device, const RECT& printable, int dpi);

// The device of a printer DC, or null for any other handle.
PrinterDevice* PrinterDeviceOf(HDC dc);

// Makes `page` (a PDF surface in points; null for none) the DC's drawing
// target. The DC keeps its attributes from page to page.
BOOL SetPrinterPage(HDC dc, cairo_surface_t* page);

}  // namespace win32::internal
