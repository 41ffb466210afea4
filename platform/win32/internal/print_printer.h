// The one printer of this system: "PDF Printer" on port "FILE:", 600 dpi,
// A4, Letter or Legal paper in either orientation. The printing part keeps
// it; the print dialog offers it.
#pragma once

#include <string>

#include "win32/print.h"

namespace win32::print {

inline constexpr const char* kPrinterName = "PDF Printer";
inline constexpr const char* kDriverName = "winspool";
inline constexpr const char* kPortName = "FILE:";
inline constexpr int kDpi = 600;
// The unprintable edge on every side, in printer pixels (1/6 inch).
inline constexpr int kMargin = 100;

// What a device mode chooses, with defaults for what it leaves out.
struct PageSetup {
  short paper = DMPAPER_A4;
  short orientation = DMORIENT_PORTRAIT;
  short copies = 1;
};

// Paper sizes in tenths of a millimetre (portrait), or false for a paper
// the printer does not have.
bool PaperSize(short paper, int& widthTenthsMm, int& heightTenthsMm);
const char* PaperName(short paper);

// The fields of `devmode` the printer honours; null gives the defaults.
PageSetup SetupFromDevMode(const DEVMODE* devmode);
// A full device mode of the printer for `setup`.
DEVMODE MakeDevMode(const PageSetup& setup);

// The page geometry of a setup.
struct PageGeometry {
  int physicalWidth = 0;  // printer pixels, orientation applied
  int physicalHeight = 0;
  double widthPoints = 0;  // the PDF page
  double heightPoints = 0;
};
PageGeometry GeometryOf(const PageSetup& setup);

// GetDeviceCaps of the printer for a setup.
int PrinterCaps(const PageSetup& setup, int index);

// Whether driver/device names this printer (device names it, or only a
// driver "winspool"/"PDF Printer" is given).
bool NamesPrinter(LPCSTR driver, LPCSTR device);

// The file a document goes to (see StartDoc).
std::string OutputPathFor(LPCSTR output, LPCSTR docName);

}  // namespace win32::print
