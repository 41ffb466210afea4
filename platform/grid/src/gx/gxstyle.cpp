#include "gx/gxstyle.h"

CGXStyle& CGXStyle::Include(Bit b, BOOL bInclude) {
  if (bInclude)
    m_nInclude |= b;
  else
    m_nInclude &= ~static_cast<DWORD>(b);
  return *this;
}

CGXStyle& CGXStyle::SetValue(LPCTSTR pszValue) {
  m_sValue = pszValue ? pszValue : _T("");
  return Include(bValue, TRUE);
}

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

CGXStyle& CGXStyle::SetControl(WORD nControl) {
  m_nControl = nControl;
  return Include(bControl, TRUE);
}

CGXStyle& CGXStyle::SetChoiceList(LPCTSTR pszChoices) {
  m_sChoices = pszChoices ? pszChoices : _T("");
  return Include(bChoices, TRUE);
}

CGXStyle& CGXStyle::SetReadOnly(BOOL bReadOnly) {
  m_bReadOnly = bReadOnly;
  return Include(CGXStyle::bReadOnly, TRUE);
}

CGXStyle& CGXStyle::SetEnabled(BOOL bEnabled) {
  m_bEnabled = bEnabled;
  return Include(CGXStyle::bEnabled, TRUE);
}

CGXStyle& CGXStyle::SetInterior(COLORREF rgb) {
  m_rgbInterior = rgb;
  return Include(bInterior, TRUE);
}

CGXStyle& CGXStyle::SetTextColor(COLORREF rgb) {
  m_rgbText = rgb;
  return Include(bTextColor, TRUE);
}

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

CGXStyle& CGXStyle::SetHorizontalAlignment(DWORD dtAlign) {
  m_dtHorz = dtAlign;
  return Include(bHorz, TRUE);
}

CGXStyle& CGXStyle::SetVerticalAlignment(DWORD dtAlign) {
  m_dtVert = dtAlign;
  return Include(bVert, TRUE);
}

CGXStyle& CGXStyle::SetWrapText(BOOL bWrap) {
  m_bWrap = bWrap;
  return Include(CGXStyle::bWrap, TRUE);
}

CGXStyle& CGXStyle::SetMaxLength(WORD nMax) {
  m_nMaxLength = nMax;
  return Include(bMaxLength, TRUE);
}

CGXStyle& CGXStyle::SetItemDataPtr(void* pData) {
  m_pItemData = pData;
  return Include(bItemData, TRUE);
}

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

void CGXStyle::CopyAttribute(const CGXStyle& from, Bit b) {
  switch (b) {
    case bValue: m_sValue = from.m_sValue; break;
    case bControl: m_nControl = from.m_nControl; break;
    case bChoices: m_sChoices = from.m_sChoices; break;
    case bReadOnly: m_bReadOnly = from.m_bReadOnly; break;
    case bEnabled: m_bEnabled = from.m_bEnabled; break;
    case bInterior: m_rgbInterior = from.m_rgbInterior; break;
    case bTextColor: m_rgbText = from.m_rgbText; break;
    case bHorz: m_dtHorz = from.m_dtHorz; break;
    case bVert: m_dtVert = from.m_dtVert; break;
    case bWrap: m_bWrap = from.m_bWrap; break;
    case bMaxLength: m_nMaxLength = from.m_nMaxLength; break;
    case bItemData: m_pItemData = from.m_pItemData; break;
  }
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
  switch (b) {
    case bValue: return m_sValue == s.m_sValue;
    case bControl: return m_nControl == s.m_nControl;
    case bChoices: return m_sChoices == s.m_sChoices;
    case bReadOnly: return m_bReadOnly == s.m_bReadOnly;
    case bEnabled: return m_bEnabled == s.m_bEnabled;
    case bInterior: return m_rgbInterior == s.m_rgbInterior;
    case bTextColor: return m_rgbText == s.m_rgbText;
    case bHorz: return m_dtHorz == s.m_dtHorz;
    case bVert: return m_dtVert == s.m_dtVert;
    case bWrap: return m_bWrap == s.m_bWrap;
    case bMaxLength: return m_nMaxLength == s.m_nMaxLength;
    case bItemData: return m_pItemData == s.m_pItemData;
  }
  return FALSE;
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
