// What the attribute grid's sources share: the ids of its cell controls,
// the field limits and the cell styles of its rows.
#pragma once

#include <gxall.h>

#include <algorithm>

#include "BusObjDef.h"

namespace attrgrid {

// The grid's own cell controls (the two drop-down lists use the same ids
// for their windows).
constexpr WORD kTypeListControl = 24320;
constexpr WORD kBooleanControl = 24321;
constexpr WORD kHeaderControl = 24322;
constexpr WORD kFirstEditor = 24400;
// The three kinds of name editors, one of each per nesting level.
constexpr int kExpandedEditor = 0;
constexpr int kCollapsedEditor = 1;
constexpr int kIndentEditor = 2;

constexpr WORD kMaxNameLength = 80;
constexpr WORD kMaxLengthLength = 10;
constexpr WORD kMaxTextLength = 255;
constexpr WORD kMaxCommentLength = 2000;
constexpr const char* kCardinalityChoices = "1\nN\n";
constexpr const char* kBooleanChoices = "\ntrue\nfalse";
constexpr const char* kEmptyRowMaxLength = "255";
constexpr const char* kNewBusinessObject = "New business object";
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr int kLastTintLevel = 12;
constexpr int kTintStep = 15;

// A business-object type: not one of the plain types, and named.
inline BOOL IsBusObjAttr(const CBODefAttr& attr) { return !attr.IsSimpleType() && !attr.GetTypeName().IsEmpty(); }

// The background of a row at a nesting level; deeper levels keep the last tint.
inline COLORREF LevelTint(int level) {
  const int n = std::clamp(level, 0, kLastTintLevel);
  return RGB(255 - kTintStep * n, 255, 255);
}

inline CGXStyle TextCell(const CString& text) {
  return CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetReadOnly(TRUE).SetValue(text);
}

inline CGXStyle GreyCell(const CString& text) { return TextCell(text).SetInterior(kGrey); }

inline CGXStyle EditCell(WORD control, const CString& text, WORD maxLength) {
  return CGXStyle().SetControl(control).SetMaxLength(maxLength).SetValue(text);
}

inline CGXStyle CheckCell(BOOL checked) {
  return CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue(checked ? "1" : "0");
}

inline CGXStyle TypeCell(const CString& type) { return CGXStyle().SetControl(kTypeListControl).SetValue(type); }

}  // namespace attrgrid
