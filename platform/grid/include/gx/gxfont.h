// CGXFont: the font attributes of a cell style, each included or not.
#pragma once

#include "gx/gxdefs.h"

class CGXFont {
 public:
  CGXFont() = default;

  CGXFont& SetFaceName(LPCTSTR pszFace);
  CGXFont& SetSize(double dPoints);
  CGXFont& SetBold(BOOL bBold);
  CGXFont& SetItalic(BOOL bItalic);

  BOOL GetIncludeFaceName() const { return m_bFace; }
  BOOL GetIncludeSize() const { return m_bSize; }
  BOOL GetIncludeBold() const { return m_bBold; }
  BOOL GetIncludeItalic() const { return m_bItalic; }
  BOOL IsEmpty() const { return !m_bFace && !m_bSize && !m_bBold && !m_bItalic; }

  // Defaults when not included: "MS Sans Serif", 8 points, regular.
  CString GetFaceName() const { return m_bFace ? m_sFace : CString(_T("MS Sans Serif")); }
  double GetSize() const { return m_bSize ? m_dSize : 8.0; }
  BOOL GetBold() const { return m_bBold && m_bBoldValue; }
  BOOL GetItalic() const { return m_bItalic && m_bItalicValue; }

  // Attributes included in font replace this one's (bOverride) or fill the gaps.
  void ChangeFont(const CGXFont& font, BOOL bOverride);
  // Removes the attributes included in font.
  void ExcludeFont(const CGXFont& font);
  // The LOGFONT for a device with nLogPixelsY pixels per inch.
  void GetLogFont(LOGFONT& lf, int nLogPixelsY) const;

  BOOL operator==(const CGXFont& f) const;

 private:
  CString m_sFace;
  double m_dSize = 8.0;
  BOOL m_bBoldValue = FALSE;
  BOOL m_bItalicValue = FALSE;
  BOOL m_bFace = FALSE;
  BOOL m_bSize = FALSE;
  BOOL m_bBold = FALSE;
  BOOL m_bItalic = FALSE;
};
