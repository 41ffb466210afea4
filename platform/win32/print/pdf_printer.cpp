#include "internal/print_printer.h"

#include <strings.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace win32::print {
namespace {

struct Paper {
  short id;
  int width;  // tenths of a millimetre
  int height;
  const char* name;
};

constexpr Paper kPapers[] = {
    {DMPAPER_A4, 2100, 2970, "A4"}, {DMPAPER_LETTER, 2159, 2794, "Letter"}, {DMPAPER_LEGAL, 2159, 3556, "Legal"}};

const Paper* FindPaper(short id) {
  for (const Paper& p : kPapers)
    if (p.id == id) return &p;
  return nullptr;
}

int ToPixels(int tenthsMm) { return static_cast<int>(std::lround(tenthsMm * kDpi / 254.0)); }
double ToPoints(int tenthsMm) { return tenthsMm * 72.0 / 254.0; }

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : fallback;
}

// The user's documents folder: $XDG_DOCUMENTS_DIR, ~/Documents, ~.
std::string DocumentsFolder() {
  const std::string home = EnvOr("HOME", ".");
  std::string dir = EnvOr("XDG_DOCUMENTS_DIR", "");
  if (dir.empty()) {
    std::error_code ec;
    dir = std::filesystem::is_directory(home + "/Documents", ec) ? home + "/Documents" : home;
  }
  return dir;
}

// A document name as a file name: no folder separators or control bytes.
std::string FileNameOf(LPCSTR docName) {
  std::string name = docName && *docName ? docName : "Untitled";
  for (char& c : name)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
  if (name == "." || name == "..") name = "Untitled";
  return name + ".pdf";
}

}  // namespace

bool PaperSize(short paper, int& widthTenthsMm, int& heightTenthsMm) {
  const Paper* p = FindPaper(paper);
  if (!p) return false;
  widthTenthsMm = p->width;
  heightTenthsMm = p->height;
  return true;
}

const char* PaperName(short paper) {
  const Paper* p = FindPaper(paper);
  return p ? p->name : "";
}

PageSetup SetupFromDevMode(const DEVMODE* devmode) {
  PageSetup setup;
  if (!devmode) return setup;
  if ((devmode->dmFields & DM_PAPERSIZE) && FindPaper(devmode->dmPaperSize)) setup.paper = devmode->dmPaperSize;
  if ((devmode->dmFields & DM_ORIENTATION) &&
      (devmode->dmOrientation == DMORIENT_PORTRAIT || devmode->dmOrientation == DMORIENT_LANDSCAPE))
    setup.orientation = devmode->dmOrientation;
  if ((devmode->dmFields & DM_COPIES) && devmode->dmCopies > 0) setup.copies = devmode->dmCopies;
  return setup;
}

DEVMODE MakeDevMode(const PageSetup& setup) {
  DEVMODE dm{};
  std::strncpy(reinterpret_cast<char*>(dm.dmDeviceName), kPrinterName, CCHDEVICENAME - 1);
  dm.dmSpecVersion = DM_SPECVERSION;
  dm.dmSize = sizeof(DEVMODE);
  dm.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_COPIES | DM_PRINTQUALITY |
                DM_COLOR | DM_YRESOLUTION | DM_COLLATE | DM_FORMNAME;
  dm.dmOrientation = setup.orientation;
  dm.dmPaperSize = setup.paper;
  int width = 0, height = 0;
  PaperSize(setup.paper, width, height);
  dm.dmPaperWidth = static_cast<short>(width);
  dm.dmPaperLength = static_cast<short>(height);
  dm.dmScale = 100;
  dm.dmCopies = setup.copies;
  dm.dmPrintQuality = kDpi;
  dm.dmYResolution = kDpi;
  dm.dmColor = DMCOLOR_COLOR;
  dm.dmDuplex = DMDUP_SIMPLEX;
  dm.dmCollate = DMCOLLATE_TRUE;
  std::strncpy(reinterpret_cast<char*>(dm.dmFormName), PaperName(setup.paper), CCHFORMNAME - 1);
  return dm;
}

PageGeometry GeometryOf(const PageSetup& setup) {
  int width = 0, height = 0;
  if (!PaperSize(setup.paper, width, height)) PaperSize(DMPAPER_A4, width, height);
  if (setup.orientation == DMORIENT_LANDSCAPE) std::swap(width, height);
  return PageGeometry{ToPixels(width), ToPixels(height), ToPoints(width), ToPoints(height)};
}

int PrinterCaps(const PageSetup& setup, int index) {
  const PageGeometry g = GeometryOf(setup);
  const int horzRes = g.physicalWidth - 2 * kMargin;
  const int vertRes = g.physicalHeight - 2 * kMargin;
  switch (index) {
    case TECHNOLOGY:
      return DT_RASPRINTER;
    case HORZRES:
    case DESKTOPHORZRES:
      return horzRes;
    case VERTRES:
    case DESKTOPVERTRES:
      return vertRes;
    case HORZSIZE:
      return static_cast<int>(std::lround(horzRes * 25.4 / kDpi));
    case VERTSIZE:
      return static_cast<int>(std::lround(vertRes * 25.4 / kDpi));
    case LOGPIXELSX:
    case LOGPIXELSY:
      return kDpi;
    case PHYSICALWIDTH:
      return g.physicalWidth;
    case PHYSICALHEIGHT:
      return g.physicalHeight;
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY:
      return kMargin;
    case BITSPIXEL:
      return 24;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case ASPECTX:
    case ASPECTY:
      return kDpi;
    case ASPECTXY:
      return static_cast<int>(std::lround(kDpi * std::sqrt(2.0)));
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case COLORRES:
      return 24;
    default:
      return 0;
  }
}

bool NamesPrinter(LPCSTR driver, LPCSTR device) {
  if (device && *device) return strcasecmp(device, kPrinterName) == 0;
  return driver && (strcasecmp(driver, kDriverName) == 0 || strcasecmp(driver, kPrinterName) == 0);
}

std::string OutputPathFor(LPCSTR output, LPCSTR docName) {
  if (output && *output && strcasecmp(output, kPortName) != 0) return output;
  return EnvOr("HALVANE_PRINT_DIR", DocumentsFolder()) + "/" + FileNameOf(docName);
}

}  // namespace win32::print
