#include "gx/gxfont.h"

#include <cmath>
#include <cstring>

CGXFont& CGXFont::SetFaceName(LPCTSTR pszFace) {
  m_face = CString(pszFace);
  return *this;
}

CGXFont& CGXFont::SetSize(double dPoints) {
  m_size = dPoints;
  return *this;
}

CGXFont& CGXFont::SetBold(BOOL bBold) {
  m_bold = bBold;
  return *this;
}

CGXFont& CGXFont::SetItalic(BOOL bItalic) {
  m_italic = bItalic;
  return *this;
}

namespace {

template <class T>
void Merge(std::optional<T>& mine, const std::optional<T>& theirs, BOOL bOverride) {
  if (theirs && (bOverride || !mine)) mine = theirs;
}

template <class T>
void Exclude(std::optional<T>& mine, const std::optional<T>& theirs) {
  if (theirs) mine.reset();
}

}  // namespace

void CGXFont::ChangeFont(const CGXFont& font, BOOL bOverride) {
  Merge(m_face, font.m_face, bOverride);
  Merge(m_size, font.m_size, bOverride);
  Merge(m_bold, font.m_bold, bOverride);
  Merge(m_italic, font.m_italic, bOverride);
}

void CGXFont::ExcludeFont(const CGXFont& font) {
  Exclude(m_face, font.m_face);
  Exclude(m_size, font.m_size);
  Exclude(m_bold, font.m_bold);
  Exclude(m_italic, font.m_italic);
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
  return GetIncludeFaceName() == f.GetIncludeFaceName() && GetIncludeSize() == f.GetIncludeSize() &&
         GetIncludeBold() == f.GetIncludeBold() && GetIncludeItalic() == f.GetIncludeItalic() &&
         GetFaceName() == f.GetFaceName() && GetSize() == f.GetSize() && GetBold() == f.GetBold() &&
         GetItalic() == f.GetItalic();
}
