// CGXStyle: the attributes of a cell; each is either included or not, so
// styles compose (cell over row over column over table over standard).
#pragma once

#include <map>

#include "gx/gxfont.h"

class CGXStyle {
 public:
  CGXStyle() = default;
  CGXStyle(const CGXStyle&) = default;
  CGXStyle& operator=(const CGXStyle&) = default;
  ~CGXStyle() = default;

  // Value (the cell's text).
  CGXStyle& SetValue(LPCTSTR pszValue);
  CGXStyle& SetValue(const CString& sValue) { return SetValue(static_cast<LPCTSTR>(sValue)); }
  CGXStyle& SetValue(long nValue);
  CGXStyle& SetValue(int nValue) { return SetValue(static_cast<long>(nValue)); }
  CGXStyle& SetValue(DWORD nValue);
  CGXStyle& SetValue(double dValue);
  const CString& GetValue() const { return m_sValue; }
  BOOL GetIncludeValue() const { return Has(bValue); }
  CGXStyle& SetIncludeValue(BOOL b) { return Include(bValue, b); }

  CGXStyle& SetControl(WORD nControl);
  WORD GetControl() const { return m_nControl; }
  BOOL GetIncludeControl() const { return Has(bControl); }
  CGXStyle& SetIncludeControl(BOOL b) { return Include(bControl, b); }

  // Choices, one per line ("a\nb\n").
  CGXStyle& SetChoiceList(LPCTSTR pszChoices);
  const CString& GetChoiceList() const { return m_sChoices; }
  BOOL GetIncludeChoiceList() const { return Has(bChoices); }
  CGXStyle& SetIncludeChoiceList(BOOL b) { return Include(bChoices, b); }

  CGXStyle& SetReadOnly(BOOL bReadOnly);
  BOOL GetReadOnly() const { return Has(bReadOnly) && m_bReadOnly; }
  BOOL GetIncludeReadOnly() const { return Has(bReadOnly); }
  CGXStyle& SetIncludeReadOnly(BOOL b) { return Include(bReadOnly, b); }

  // A disabled cell never becomes current.
  CGXStyle& SetEnabled(BOOL bEnabled);
  BOOL GetEnabled() const { return !Has(bEnabled) || m_bEnabled; }
  BOOL GetIncludeEnabled() const { return Has(bEnabled); }
  CGXStyle& SetIncludeEnabled(BOOL b) { return Include(bEnabled, b); }

  CGXStyle& SetInterior(COLORREF rgb);
  COLORREF GetInterior() const { return m_rgbInterior; }
  BOOL GetIncludeInterior() const { return Has(bInterior); }
  CGXStyle& SetIncludeInterior(BOOL b) { return Include(bInterior, b); }

  CGXStyle& SetTextColor(COLORREF rgb);
  COLORREF GetTextColor() const { return m_rgbText; }
  BOOL GetIncludeTextColor() const { return Has(bTextColor); }
  CGXStyle& SetIncludeTextColor(BOOL b) { return Include(bTextColor, b); }

  // Font attributes merge one by one.
  CGXStyle& SetFont(const CGXFont& font, GXModifyType mt = gxOverride);
  const CGXFont& GetFont() const { return m_font; }
  BOOL GetIncludeFont() const { return !m_font.IsEmpty(); }
  CGXStyle& SetIncludeFont(BOOL b);

  // DT_LEFT, DT_CENTER, DT_RIGHT.
  CGXStyle& SetHorizontalAlignment(DWORD dtAlign);
  DWORD GetHorizontalAlignment() const { return m_dtHorz; }
  BOOL GetIncludeHorizontalAlignment() const { return Has(bHorz); }
  CGXStyle& SetIncludeHorizontalAlignment(BOOL b) { return Include(bHorz, b); }
  // DT_TOP, DT_VCENTER, DT_BOTTOM.
  CGXStyle& SetVerticalAlignment(DWORD dtAlign);
  DWORD GetVerticalAlignment() const { return m_dtVert; }
  BOOL GetIncludeVerticalAlignment() const { return Has(bVert); }
  CGXStyle& SetIncludeVerticalAlignment(BOOL b) { return Include(bVert, b); }

  CGXStyle& SetWrapText(BOOL bWrap);
  BOOL GetWrapText() const { return Has(bWrap) && m_bWrap; }
  BOOL GetIncludeWrapText() const { return Has(bWrap); }
  CGXStyle& SetIncludeWrapText(BOOL b) { return Include(bWrap, b); }

  // Longest text the editor takes, in bytes (0: no limit).
  CGXStyle& SetMaxLength(WORD nMax);
  WORD GetMaxLength() const { return m_nMaxLength; }
  BOOL GetIncludeMaxLength() const { return Has(bMaxLength); }
  CGXStyle& SetIncludeMaxLength(BOOL b) { return Include(bMaxLength, b); }

  // A pointer the program keeps with the cell; the grid never owns it.
  CGXStyle& SetItemDataPtr(void* pData);
  void* GetItemDataPtr() const { return m_pItemData; }
  BOOL GetIncludeItemDataPtr() const { return Has(bItemData); }
  CGXStyle& SetIncludeItemDataPtr(BOOL b) { return Include(bItemData, b); }

  // User attributes: texts by id (ids registered with the styles map).
  CGXStyle& SetUserAttribute(WORD nID, const CString& sValue);
  CGXStyle& SetUserAttribute(WORD nID, LPCTSTR pszValue) { return SetUserAttribute(nID, CString(pszValue)); }
  CGXStyle& SetUserAttribute(WORD nID, long nValue);
  // The attribute's text; empty when not included.
  const CString& GetUserAttribute(WORD nID) const;
  BOOL GetIncludeUserAttribute(WORD nID) const { return m_userAttributes.count(nID) != 0; }
  CGXStyle& SetIncludeUserAttribute(WORD nID, BOOL b);

  // Check boxes: the texts meaning checked and unchecked ("1"/"0" unless set).
  CGXStyle& SetCheckBoxValues(LPCTSTR pszChecked, LPCTSTR pszUnchecked);
  CString GetCheckedValue() const;
  CString GetUncheckedValue() const;

  // Merges style into this one after mt.
  void ChangeStyle(const CGXStyle& style, GXModifyType mt);
  // Fills the attributes this style lacks from style (composition step).
  void Inherit(const CGXStyle& style) { ChangeStyle(style, gxApplyNew); }
  BOOL IsEmpty() const { return m_nInclude == 0 && m_font.IsEmpty() && m_userAttributes.empty(); }
  void Free();

  BOOL operator==(const CGXStyle& s) const;

 private:
  enum Bit : DWORD {
    bValue = 1u << 0,
    bControl = 1u << 1,
    bChoices = 1u << 2,
    bReadOnly = 1u << 3,
    bEnabled = 1u << 4,
    bInterior = 1u << 5,
    bTextColor = 1u << 6,
    bHorz = 1u << 7,
    bVert = 1u << 8,
    bWrap = 1u << 9,
    bMaxLength = 1u << 10,
    bItemData = 1u << 11
  };
  BOOL Has(Bit b) const { return (m_nInclude & b) != 0; }
  CGXStyle& Include(Bit b, BOOL bInclude);
  template <class T, class V>
  CGXStyle& Set(T& field, const V& value, Bit b) {
    field = value;
    return Include(b, TRUE);
  }
  // Calls f(mine, theirs) on attribute b of `self` and of `other`.
  template <class Self, class Other, class F>
  static void WithAttribute(Self& self, Other& other, Bit b, F f);
  void CopyAttribute(const CGXStyle& from, Bit b);
  BOOL SameAttribute(const CGXStyle& s, Bit b) const;

  DWORD m_nInclude = 0;
  CString m_sValue;
  WORD m_nControl = 0;
  CString m_sChoices;
  BOOL m_bReadOnly = FALSE;
  BOOL m_bEnabled = TRUE;
  COLORREF m_rgbInterior = RGB(255, 255, 255);
  COLORREF m_rgbText = RGB(0, 0, 0);
  CGXFont m_font;
  DWORD m_dtHorz = DT_LEFT;
  DWORD m_dtVert = DT_TOP;
  BOOL m_bWrap = FALSE;
  WORD m_nMaxLength = 0;
  void* m_pItemData = nullptr;
  std::map<WORD, CString> m_userAttributes;
};

// The names of the user attributes a grid knows (shown by style dialogs).
class CGXStylesMap {
 public:
  void AddUserAttribute(WORD nID, LPCTSTR pszName);
  BOOL IsUserAttribute(WORD nID) const { return m_names.count(nID) != 0; }
  CString GetUserAttributeName(WORD nID) const;

 private:
  std::map<WORD, CString> m_names;
};
