// The toolkit's image objects: SECImage holds a picture as 24-bit rows,
// taken from a bitmap or captured from a window; SECJpeg writes it as a
// JPEG (JFIF) file.
#pragma once

#include <vector>

#include <afxwin.h>

class SECImage : public CObject {
  DECLARE_DYNAMIC(SECImage)

 public:
  SECImage() = default;
  ~SECImage() override = default;

  // Copies the bitmap's pixels; FALSE for a null or invalid bitmap.
  BOOL CreateFromBitmap(CDC* pDC, CBitmap* pBitmap);
  BOOL CreateFromBitmap(HBITMAP hBitmap);
  // Captures the window as it is painted now: the whole window rectangle,
  // frame included, or the client area only.
  BOOL CreateFromWindow(CWnd* pWnd, BOOL bClientOnly = FALSE);

  BOOL IsEmpty() const { return m_pixels.empty(); }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  // The colour at a pixel, CLR_INVALID outside the image.
  COLORREF GetPixel(int x, int y) const;

  // Writes the image in this class's format; FALSE with a reason in
  // GetLastError when there is no image or the file cannot be written (an
  // existing file is then left as it was).
  virtual BOOL SaveImage(LPCTSTR lpszFileName);
  const CString& GetLastError() const { return m_strError; }

 protected:
  // Encodes the image; FALSE with m_strError set on failure.
  virtual BOOL Encode(std::vector<BYTE>& out) = 0;
  // Top-down rows of red, green, blue bytes.
  const std::vector<BYTE>& Pixels() const { return m_pixels; }
  CString m_strError;

 private:
  BOOL ReadBitmap(HDC hDC, HBITMAP hBitmap);

  std::vector<BYTE> m_pixels;
  int m_nWidth = 0;
  int m_nHeight = 0;
};

class SECJpeg : public SECImage {
  DECLARE_DYNAMIC(SECJpeg)

 public:
  SECJpeg() = default;

  // 1 (smallest) to 100 (best); 75 unless set.
  void SetQuality(int nQuality);
  int GetQuality() const { return m_nQuality; }

 protected:
  BOOL Encode(std::vector<BYTE>& out) override;

 private:
  int m_nQuality = 75;
};
