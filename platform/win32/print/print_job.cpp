// Print jobs of the PDF printer: each document is one PDF file written
// through cairo, each StartPage/EndPage pair one of its pages.
#include <cairo-pdf.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "internal/gdi_printer.h"
#include "internal/print_printer.h"
#include "win32/winbase.h"

namespace win32::print {
namespace {

struct SurfaceRelease {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using PdfSurface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

std::atomic<int> g_nextJobId{1};

class PdfDevice final : public internal::PrinterDevice {
 public:
  explicit PdfDevice(const PageSetup& setup) : setup_(setup) {}
  ~PdfDevice() override { Discard(); }

  int DeviceCaps(int index) const override { return PrinterCaps(setup_, index); }

  int Start(const DOCINFO& info) {
    if (pdf_) return SP_ERROR;
    path_ = OutputPathFor(info.lpszOutput, info.lpszDocName);
    temp_ = path_ + ".part" + std::to_string(getpid());
    const PageGeometry g = GeometryOf(setup_);
    pdf_.reset(cairo_pdf_surface_create(temp_.c_str(), g.widthPoints, g.heightPoints));
    if (cairo_surface_status(pdf_.get()) != CAIRO_STATUS_SUCCESS) {
      pdf_.reset();
      std::remove(temp_.c_str());
      return SP_ERROR;
    }
    if (info.lpszDocName) cairo_pdf_surface_set_metadata(pdf_.get(), CAIRO_PDF_METADATA_TITLE, info.lpszDocName);
    aborted_ = false;
    return jobId_ = g_nextJobId++;
  }

  int BeginPage(HDC dc) {
    if (!pdf_ || inPage_) return SP_ERROR;
    inPage_ = true;
    return internal::SetPrinterPage(dc, pdf_.get()) ? 1 : SP_ERROR;
  }

  int FinishPage(HDC dc) {
    if (!pdf_ || !inPage_) return SP_ERROR;
    inPage_ = false;
    internal::SetPrinterPage(dc, nullptr);
    cairo_surface_show_page(pdf_.get());
    if (abortProc_ && !abortProc_(dc, 0)) {
      Discard();
      aborted_ = true;
      return SP_APPABORT;
    }
    return 1;
  }

  int Finish(HDC dc) {
    if (!pdf_) return aborted_ ? SP_APPABORT : SP_ERROR;
    if (inPage_) FinishPage(dc);
    if (!pdf_) return SP_APPABORT;
    cairo_surface_finish(pdf_.get());
    const bool written = cairo_surface_status(pdf_.get()) == CAIRO_STATUS_SUCCESS;
    pdf_.reset();
    if (!written || std::rename(temp_.c_str(), path_.c_str()) != 0) {
      std::remove(temp_.c_str());
      return SP_OUTOFDISK;
    }
    return 1;
  }

  int Abort(HDC dc) {
    if (!pdf_) return SP_ERROR;
    internal::SetPrinterPage(dc, nullptr);
    Discard();
    return 1;
  }

  void SetAbortProc(ABORTPROC proc) { abortProc_ = proc; }
  const PageSetup& Setup() const { return setup_; }

 private:
  // Drops the job's partial file.
  void Discard() {
    inPage_ = false;
    if (!pdf_) return;
    cairo_surface_finish(pdf_.get());
    pdf_.reset();
    std::remove(temp_.c_str());
  }

  PageSetup setup_;
  PdfSurface pdf_;
  std::string path_;
  std::string temp_;
  bool inPage_ = false;
  bool aborted_ = false;
  int jobId_ = 0;
  ABORTPROC abortProc_ = nullptr;
};

PdfDevice* DeviceOf(HDC dc) { return dynamic_cast<PdfDevice*>(internal::PrinterDeviceOf(dc)); }

template <typename F>
int WithDevice(HDC dc, F&& f) {
  PdfDevice* device = DeviceOf(dc);
  if (!device) {
    SetLastError(ERROR_INVALID_HANDLE);
    return SP_ERROR;
  }
  return f(*device);
}

}  // namespace
}  // namespace win32::print

namespace win32::internal {

std::shared_ptr<PrinterDevice> OpenPrinterDevice(LPCSTR driver, LPCSTR device, LPCSTR, const void* devmode) {
  if (!print::NamesPrinter(driver, device)) return nullptr;
  return std::make_shared<print::PdfDevice>(print::SetupFromDevMode(static_cast<const DEVMODE*>(devmode)));
}

}  // namespace win32::internal

using win32::print::PdfDevice;
using win32::print::WithDevice;

int WINAPI StartDoc(HDC hdc, const DOCINFO* lpdi) {
  if (!lpdi) return SP_ERROR;
  return WithDevice(hdc, [&](PdfDevice& d) { return d.Start(*lpdi); });
}

int WINAPI StartPage(HDC hdc) {
  return WithDevice(hdc, [&](PdfDevice& d) { return d.BeginPage(hdc); });
}

int WINAPI EndPage(HDC hdc) {
  return WithDevice(hdc, [&](PdfDevice& d) { return d.FinishPage(hdc); });
}

int WINAPI EndDoc(HDC hdc) {
  return WithDevice(hdc, [&](PdfDevice& d) { return d.Finish(hdc); });
}

int WINAPI AbortDoc(HDC hdc) {
  return WithDevice(hdc, [&](PdfDevice& d) { return d.Abort(hdc); });
}

int WINAPI SetAbortProc(HDC hdc, ABORTPROC proc) {
  return WithDevice(hdc, [&](PdfDevice& d) {
    d.SetAbortProc(proc);
    return 1;
  });
}

int WINAPI ExtEscape(HDC hdc, int iEscape, int cjInput, LPCSTR lpInData, int, LPSTR lpOutData) {
  PdfDevice* device = win32::print::DeviceOf(hdc);
  if (!device) return 0;
  auto* point = reinterpret_cast<POINT*>(lpOutData);
  switch (iEscape) {
    case QUERYESCSUPPORT: {
      if (cjInput < static_cast<int>(sizeof(int)) || !lpInData) return 0;
      int asked = 0;
      std::memcpy(&asked, lpInData, sizeof asked);
      return asked == QUERYESCSUPPORT || asked == GETPHYSPAGESIZE || asked == GETPRINTINGOFFSET;
    }
    case GETPHYSPAGESIZE:
      if (!point) return 0;
      *point = POINT{GetDeviceCaps(hdc, PHYSICALWIDTH), GetDeviceCaps(hdc, PHYSICALHEIGHT)};
      return 1;
    case GETPRINTINGOFFSET:
      if (!point) return 0;
      *point = POINT{GetDeviceCaps(hdc, PHYSICALOFFSETX), GetDeviceCaps(hdc, PHYSICALOFFSETY)};
      return 1;
    default:
      return 0;
  }
}

int WINAPI Escape(HDC hdc, int iEscape, int cjIn, LPCSTR pvIn, LPVOID pvOut) {
  return ExtEscape(hdc, iEscape, cjIn, pvIn, 0, static_cast<LPSTR>(pvOut));
}

BOOL WINAPI GetDefaultPrinter(LPSTR pszBuffer, LPDWORD pcchBuffer) {
  if (!pcchBuffer) return FALSE;
  const DWORD needed = static_cast<DWORD>(std::strlen(win32::print::kPrinterName) + 1);
  if (!pszBuffer || *pcchBuffer < needed) {
    *pcchBuffer = needed;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(pszBuffer, win32::print::kPrinterName, needed);
  *pcchBuffer = needed;
  return TRUE;
}
