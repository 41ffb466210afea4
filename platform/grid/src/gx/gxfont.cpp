#include "gx/gxfont.h"

#include <cmath>
#include <cstring>

CGXFont& CGXFont::SetFaceName(LPCTSTR pszFace) {
  m_sFace = pszFace;
  m_bFace = TRUE;
  return *this;
}

CGXFont& CGXFont::SetSize(double dPoints) {
  m_dSize = dPoints;
  m_bSize = TRUE;
  return *this;
}

CGXFont& CGXFont::SetBold(BOOL bBold) {
  m_bBoldValue = bBold;
  m_bBold = TRUE;
  return *this;
}

CGXFont& CGXFont::SetItalic(BOOL bItalic) {
  m_bItalicValue = bItalic;
  m_bItalic = TRUE;
  return *this;
}

void CGXFont::ChangeFont(const CGXFont& font, BOOL bOverride) {
  if (font.m_bFace && (bOverride || !m_bFace)) SetFaceName(font.m_sFace);
  if (font.m_bSize && (bOverride || !m_bSize)) SetSize(font.m_dSize);
  if (font.m_bBold && (bOverride || !m_bBold)) SetBold(font.m_bBoldValue);
  if (font.m_bItalic && (bOverride || !m_bItalic)) SetItalic(font.m_bItalicValue);
}

void CGXFont::ExcludeFont(const CGXFont& font) {
  if (font.m_bFace) m_bFace = FALSE;
  if (font.m_bSize) m_bSize = FALSE;
  if (font.m_bBold) m_bBold = FALSE;
  if (font.m_bItalic) m_bItalic = FALSE;
}

void CGXFont::GetLogFont(LOGFONT& lf, int nLogPixelsY) const {
  lf = LOGFONT{};
  lf.lfHeight = -static_cast<LONG>(std::lround(GetSize() * nLogPixelsY / 72.0));
  lf.lfWeight = GetBold() ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = static_cast<BYTE>(GetItalic());
  lf.lfCharSet = DEFAULT_CHARSET;
  CString sFace = GetFaceName();
  std::strncpy(lf.lfFaceName, sFace, LF_FACESIZE - 1);
}

BOOL CGXFont::operator==(const CGXFont& f) const {
  return m_bFace == f.m_bFace && m_bSize == f.m_bSize && m_bBold == f.m_bBold && m_bItalic == f.m_bItalic &&
         GetFaceName() == f.GetFaceName() && GetSize() == f.GetSize() && GetBold() == f.GetBold() &&
         GetItalic() == f.GetItalic();
}
