// CGXFont: the font attributes of a cell style, each included or not.
#pragma once

#include <optional>

#include "gx/gxdefs.h"

class CGXFont {
 public:
  CGXFont() = default;

  CGXFont& SetFaceName(LPCTSTR pszFace);
  CGXFont& SetSize(double dPoints);
  CGXFont& SetBold(BOOL bBold);
  CGXFont& SetItalic(BOOL bItalic);

  BOOL GetIncludeFaceName() const { return m_face.has_value(); }
  BOOL GetIncludeSize() const { return m_size.has_value(); }
  BOOL GetIncludeBold() const { return m_bold.has_value(); }
  BOOL GetIncludeItalic() const { return m_italic.has_value(); }
  BOOL IsEmpty() const { return !m_face && !m_size && !m_bold && !m_italic; }

  // Defaults when not included: "MS Sans Serif", 8 points, regular.
  CString GetFaceName() const { return m_face.value_or(CString(_T("MS Sans Serif"))); }
  double GetSize() const { return m_size.value_or(8.0); }
  BOOL GetBold() const { return m_bold.value_or(FALSE); }
  BOOL GetItalic() const { return m_italic.value_or(FALSE); }

  // Attributes included in font replace this one's (bOverride) or fill the gaps.
  void ChangeFont(const CGXFont& font, BOOL bOverride);
  // Removes the attributes included in font.
  void ExcludeFont(const CGXFont& font);
  // The LOGFONT for a device with nLogPixelsY pixels per inch.
  void GetLogFont(LOGFONT& lf, int nLogPixelsY) const;

  BOOL operator==(const CGXFont& f) const;

 private:
  // Each attribute is included when it holds a value.
  std::optional<CString> m_face;
  std::optional<double> m_size;
  std::optional<BOOL> m_bold;
  std::optional<BOOL> m_italic;
};
