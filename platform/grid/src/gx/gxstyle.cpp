#include "gx/gxstyle.h"

CGXStyle& CGXStyle::Include(Bit b, BOOL bInclude) {
  if (bInclude)
    m_nInclude |= b;
  else
    m_nInclude &= ~static_cast<DWORD>(b);
  return *this;
}

CGXStyle& CGXStyle::SetValue(LPCTSTR pszValue) { return Set(m_sValue, pszValue ? pszValue : _T(""), bValue); }

CGXStyle& CGXStyle::SetValue(long nValue) {
  CString s;
  s.Format(_T("%ld"), nValue);
  return SetValue(s);
}

CGXStyle& CGXStyle::SetValue(DWORD nValue) {
  CString s;
  s.Format(_T("%lu"), static_cast<unsigned long>(nValue));
  return SetValue(s);
}

CGXStyle& CGXStyle::SetValue(double dValue) {
  CString s;
  s.Format(_T("%g"), dValue);
  return SetValue(s);
}

CGXStyle& CGXStyle::SetControl(WORD nControl) { return Set(m_nControl, nControl, bControl); }

CGXStyle& CGXStyle::SetChoiceList(LPCTSTR pszChoices) {
  return Set(m_sChoices, pszChoices ? pszChoices : _T(""), bChoices);
}

CGXStyle& CGXStyle::SetReadOnly(BOOL bReadOnly) { return Set(m_bReadOnly, bReadOnly, CGXStyle::bReadOnly); }

CGXStyle& CGXStyle::SetEnabled(BOOL bEnabled) { return Set(m_bEnabled, bEnabled, CGXStyle::bEnabled); }

CGXStyle& CGXStyle::SetInterior(COLORREF rgb) { return Set(m_rgbInterior, rgb, bInterior); }

CGXStyle& CGXStyle::SetTextColor(COLORREF rgb) { return Set(m_rgbText, rgb, bTextColor); }

CGXStyle& CGXStyle::SetFont(const CGXFont& font, GXModifyType mt) {
  if (mt == gxCopy)
    m_font = font;
  else if (mt == gxExclude)
    m_font.ExcludeFont(font);
  else
    m_font.ChangeFont(font, mt == gxOverride);
  return *this;
}

CGXStyle& CGXStyle::SetIncludeFont(BOOL b) {
  if (!b) m_font = CGXFont();
  return *this;
}

CGXStyle& CGXStyle::SetHorizontalAlignment(DWORD dtAlign) { return Set(m_dtHorz, dtAlign, bHorz); }

CGXStyle& CGXStyle::SetVerticalAlignment(DWORD dtAlign) { return Set(m_dtVert, dtAlign, bVert); }

CGXStyle& CGXStyle::SetWrapText(BOOL bWrap) { return Set(m_bWrap, bWrap, CGXStyle::bWrap); }

CGXStyle& CGXStyle::SetMaxLength(WORD nMax) { return Set(m_nMaxLength, nMax, bMaxLength); }

CGXStyle& CGXStyle::SetItemDataPtr(void* pData) { return Set(m_pItemData, pData, bItemData); }

CGXStyle& CGXStyle::SetUserAttribute(WORD nID, const CString& sValue) {
  m_userAttributes[nID] = sValue;
  return *this;
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nID, long nValue) {
  CString s;
  s.Format(_T("%ld"), nValue);
  return SetUserAttribute(nID, s);
}

const CString& CGXStyle::GetUserAttribute(WORD nID) const {
  static const CString sEmpty;
  auto it = m_userAttributes.find(nID);
  return it == m_userAttributes.end() ? sEmpty : it->second;
}

CGXStyle& CGXStyle::SetIncludeUserAttribute(WORD nID, BOOL b) {
  if (!b)
    m_userAttributes.erase(nID);
  else
    m_userAttributes.try_emplace(nID);
  return *this;
}

CGXStyle& CGXStyle::SetCheckBoxValues(LPCTSTR pszChecked, LPCTSTR pszUnchecked) {
  SetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED, pszChecked);
  return SetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED, pszUnchecked);
}

CString CGXStyle::GetCheckedValue() const {
  return GetIncludeUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED) ? GetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED)
                                                             : CString(_T("1"));
}

CString CGXStyle::GetUncheckedValue() const {
  return GetIncludeUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED) ? GetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED)
                                                               : CString(_T("0"));
}

template <class Self, class Other, class F>
void CGXStyle::WithAttribute(Self& self, Other& other, Bit b, F f) {
  switch (b) {
    case bValue:
      f(self.m_sValue, other.m_sValue);
      return;
    case bControl:
      f(self.m_nControl, other.m_nControl);
      return;
    case bChoices:
      f(self.m_sChoices, other.m_sChoices);
      return;
    case bReadOnly:
      f(self.m_bReadOnly, other.m_bReadOnly);
      return;
    case bEnabled:
      f(self.m_bEnabled, other.m_bEnabled);
      return;
    case bInterior:
      f(self.m_rgbInterior, other.m_rgbInterior);
      return;
    case bTextColor:
      f(self.m_rgbText, other.m_rgbText);
      return;
    case bHorz:
      f(self.m_dtHorz, other.m_dtHorz);
      return;
    case bVert:
      f(self.m_dtVert, other.m_dtVert);
      return;
    case bWrap:
      f(self.m_bWrap, other.m_bWrap);
      return;
    case bMaxLength:
      f(self.m_nMaxLength, other.m_nMaxLength);
      return;
    case bItemData:
      f(self.m_pItemData, other.m_pItemData);
      return;
  }
}

void CGXStyle::CopyAttribute(const CGXStyle& from, Bit b) {
  WithAttribute(*this, from, b, [](auto& mine, const auto& theirs) { mine = theirs; });
  m_nInclude |= b;
}

void CGXStyle::ChangeStyle(const CGXStyle& style, GXModifyType mt) {
  switch (mt) {
    case gxCopy:
      *this = style;
      return;
    case gxRemove:
      Free();
      return;
    case gxExclude:
      m_nInclude &= ~style.m_nInclude;
      m_font.ExcludeFont(style.m_font);
      for (const auto& [id, text] : style.m_userAttributes) m_userAttributes.erase(id);
      return;
    case gxOverride:
    case gxApplyNew:
      break;
  }
  const BOOL bOverride = mt == gxOverride;
  for (DWORD bit = 1; bit <= bItemData; bit <<= 1) {
    if ((style.m_nInclude & bit) != 0 && (bOverride || (m_nInclude & bit) == 0))
      CopyAttribute(style, static_cast<Bit>(bit));
  }
  m_font.ChangeFont(style.m_font, bOverride);
  for (const auto& [id, text] : style.m_userAttributes) {
    if (bOverride)
      m_userAttributes[id] = text;
    else
      m_userAttributes.try_emplace(id, text);
  }
}

void CGXStyle::Free() { *this = CGXStyle(); }

BOOL CGXStyle::SameAttribute(const CGXStyle& s, Bit b) const {
  BOOL same = FALSE;
  WithAttribute(*this, s, b, [&same](const auto& mine, const auto& theirs) { same = mine == theirs; });
  return same;
}

// Equal when the same attributes are included with the same values.
BOOL CGXStyle::operator==(const CGXStyle& s) const {
  if (m_nInclude != s.m_nInclude || !(m_font == s.m_font) || m_userAttributes != s.m_userAttributes) return FALSE;
  for (DWORD bit = 1; bit <= bItemData; bit <<= 1) {
    if ((m_nInclude & bit) != 0 && !SameAttribute(s, static_cast<Bit>(bit))) return FALSE;
  }
  return TRUE;
}

void CGXStylesMap::AddUserAttribute(WORD nID, LPCTSTR pszName) { m_names[nID] = pszName ? pszName : _T(""); }

CString CGXStylesMap::GetUserAttributeName(WORD nID) const {
  auto it = m_names.find(nID);
  return it == m_names.end() ? CString() : it->second;
}
