#include "sec/secjpeg.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csetjmp>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(SECImage, CObject)
IMPLEMENT_DYNAMIC(SECJpeg, SECImage)

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the compressing function with the message.
struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* error = reinterpret_cast<JpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, error->message);
  std::longjmp(error->jump, 1);
}

// Plain C data only between setjmp and longjmp: no destructor is skipped.
bool CompressRgb(const unsigned char* rgb, int width, int height, int quality, unsigned char** out, unsigned long* size,
                 char* message) {
  jpeg_compress_struct cinfo;
  JpegError error;
  cinfo.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegErrorExit;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::strcpy(message, error.message);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, out, size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  const size_t stride = static_cast<size_t>(width) * 3;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + stride * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

BOOL SECImage::CreateFromBitmap(CDC* pDC, CBitmap* pBitmap) {
  if (!pBitmap) return FALSE;
  if (!pDC) return CreateFromBitmap(static_cast<HBITMAP>(pBitmap->GetSafeHandle()));
  return ReadBitmap(pDC->GetSafeHdc(), static_cast<HBITMAP>(pBitmap->GetSafeHandle()));
}

BOOL SECImage::CreateFromBitmap(HBITMAP hBitmap) {
  HDC screen = ::GetDC(nullptr);
  BOOL ok = ReadBitmap(screen, hBitmap);
  ::ReleaseDC(nullptr, screen);
  return ok;
}

BOOL SECImage::ReadBitmap(HDC hDC, HBITMAP hBitmap) {
  BITMAP bm{};
  if (!hBitmap || !::GetObject(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return FALSE;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bm.bmWidth;
  info.bmiHeader.biHeight = -bm.bmHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const size_t count = static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight);
  std::vector<BYTE> bgra(count * 4);
  if (::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), bgra.data(), &info, DIB_RGB_COLORS) != bm.bmHeight)
    return FALSE;
  m_pixels.resize(count * 3);
  for (size_t i = 0; i < count; ++i) {
    m_pixels[i * 3] = bgra[i * 4 + 2];
    m_pixels[i * 3 + 1] = bgra[i * 4 + 1];
    m_pixels[i * 3 + 2] = bgra[i * 4];
  }
  m_nWidth = bm.bmWidth;
  m_nHeight = bm.bmHeight;
  return TRUE;
}

BOOL SECImage::CreateFromWindow(CWnd* pWnd, BOOL bClientOnly) {
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  if (!hWnd || !::IsWindow(hWnd)) return FALSE;
  ::UpdateWindow(hWnd);
  CRect rc;
  if (bClientOnly)
    ::GetClientRect(hWnd, &rc);
  else
    ::GetWindowRect(hWnd, &rc);
  if (rc.IsRectEmpty()) return FALSE;
  HDC source = bClientOnly ? ::GetDC(hWnd) : ::GetWindowDC(hWnd);
  HBITMAP bitmap = ::CreateCompatibleBitmap(source, rc.Width(), rc.Height());
  HDC memory = ::CreateCompatibleDC(source);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  BOOL copied = ::BitBlt(memory, 0, 0, rc.Width(), rc.Height(), source, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  BOOL ok = copied && ReadBitmap(memory, bitmap);
  ::DeleteDC(memory);
  ::DeleteObject(bitmap);
  ::ReleaseDC(hWnd, source);
  return ok;
}

COLORREF SECImage::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return CLR_INVALID;
  const BYTE* p = &m_pixels[(static_cast<size_t>(y) * static_cast<size_t>(m_nWidth) + static_cast<size_t>(x)) * 3];
  return RGB(p[0], p[1], p[2]);
}

BOOL SECImage::SaveImage(LPCTSTR lpszFileName) {
  m_strError.Empty();
  if (IsEmpty()) {
    m_strError = "There is no image to save.";
    return FALSE;
  }
  std::vector<BYTE> data;
  if (!Encode(data)) return FALSE;
  // Written beside the target and renamed over it: a failed save leaves
  // no half-written file.
  const std::filesystem::path target(lpszFileName ? lpszFileName : "");
  std::filesystem::path temporary = target;
  temporary += ".tmp" + std::to_string(::getpid());
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
      written = out.good();
    }
  }
  std::error_code ec;
  if (written) std::filesystem::rename(temporary, target, ec);
  if (!written || ec) {
    std::filesystem::remove(temporary, ec);
    m_strError.Format("The file %s could not be written.", lpszFileName ? lpszFileName : "");
    return FALSE;
  }
  return TRUE;
}

void SECJpeg::SetQuality(int nQuality) { m_nQuality = std::clamp(nQuality, 1, 100); }

BOOL SECJpeg::Encode(std::vector<BYTE>& out) {
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  const bool ok = CompressRgb(Pixels().data(), GetWidth(), GetHeight(), m_nQuality, &buffer, &size, message);
  if (ok) out.assign(buffer, buffer + size);
  std::free(buffer);
  if (!ok) m_strError.Format("The JPEG image could not be made: %s", message);
  return ok;
}
