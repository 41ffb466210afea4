#include "gx/gxcombo.h"

#include "gx/child_layout.h"
#include "gx/choices.h"
#include "gx/drop_list.h"
#include "gx/gxcore.h"

GRID_IMPLEMENT_CONTROL(CGXComboBox, CGXEditControl)

namespace {
constexpr LPCTSTR kNotInList = _T("Please choose a value from the list.");
}

CGXComboBox::CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT, UINT nFlags)
    : CGXEditControl(pGrid, nEditID),
      m_nFlags(nFlags),
      m_pArrow(AddChild(std::make_unique<CGXArrowButton>(this))),
      m_pList(std::make_unique<gx::DropListWindow>()) {}

CGXComboBox::~CGXComboBox() = default;

int CGXComboBox::IndexMode() const {
  if (m_nFlags & GXCOMBO_ZEROBASED) return 0;
  if (m_nFlags & GXCOMBO_ONEBASED) return 1;
  return -1;
}

CRect CGXComboBox::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.right = std::max(text.left, gx::RightButtonRect(rectCell, 0).left - 1);
  return text;
}

void CGXComboBox::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXEditControl::OnInitChildren(nRow, nCol, rect);
  m_pArrow->SetRect(gx::RightButtonRect(rect, 0));
}

BOOL CGXComboBox::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle& style) {
  const CString value = pszRawValue ? CString(pszRawValue) : style.GetValue();
  const int mode = gx::IndexModeOf(style, IndexMode());
  if (mode < 0) {
    strResult = value;
    return TRUE;
  }
  const std::vector<std::string> choices = gx::ChoicesOf(style);
  const int choice = gx::ChoiceOfValue(choices, value, mode);
  strResult = choice >= 0 ? CString(choices[static_cast<size_t>(choice)].c_str()) : CString();
  return TRUE;
}

BOOL CGXComboBox::SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags, const CGXStyle* pOldStyle) {
  const CGXStyle style = Grid()->LookupStyleRowCol(nRow, nCol);
  const std::vector<std::string> choices = gx::ChoicesOf(style);
  const int mode = gx::IndexModeOf(style, IndexMode());
  const int choice = gx::FindChoiceIndex(choices, str);
  if (choice < 0 && (mode >= 0 || (m_nFlags & GXCOMBO_TEXTFIT)) && !str.IsEmpty()) return FALSE;
  const CString value = choice >= 0 ? gx::ValueOfChoice(choices, choice, mode) : str;
  return Grid()->SetValueRange(CGXRange(nRow, nCol), value, gxOverride, 0, nFlags);
}

BOOL CGXComboBox::GetValue(CString& strResult) {
  CString text;
  if (!CGXEditControl::GetValue(text)) return FALSE;
  const int mode = gx::IndexModeOf(BoundStyle(), IndexMode());
  if (mode < 0) {
    strResult = text;
    return TRUE;
  }
  const std::vector<std::string> choices = gx::ChoicesOf(BoundStyle());
  strResult = gx::ValueOfChoice(choices, gx::FindChoiceIndex(choices, text), mode);
  return TRUE;
}

void CGXComboBox::SetValue(LPCTSTR pszRawValue) {
  CString text;
  GetControlText(text, m_nRow, m_nCol, pszRawValue, BoundStyle());
  CGXEditControl::SetValue(text);
}

// The editor shows the choice's text, also where the value is its index.
void CGXComboBox::SetActive(BOOL bActive) {
  const BOOL wasActive = IsActive();
  CGXEditControl::SetActive(bActive);
  if (!m_hWnd || !bActive) return;
  SetReadOnly((m_nFlags & GXCOMBO_NOTEDITABLE) != 0);
  if (!wasActive && gx::IndexModeOf(BoundStyle(), IndexMode()) >= 0) SetValue(Grid()->GetValueRowCol(m_nRow, m_nCol));
}

BOOL CGXComboBox::OnValidate() {
  if (!(m_nFlags & GXCOMBO_TEXTFIT) && IndexMode() < 0) return CGXEditControl::OnValidate();
  CString text;
  GetCurrentText(text);
  if (!text.IsEmpty() && gx::FindChoiceIndex(gx::ChoicesOf(BoundStyle()), text) < 0) {
    Grid()->SetWarningText(kNotInList);
    return FALSE;
  }
  return CGXEditControl::OnValidate();
}

BOOL CGXComboBox::KeyPressed(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nMessage == WM_KEYDOWN && OnGridKeyDown(nChar, nRepCnt, nFlags)) return TRUE;
  return CGXEditControl::KeyPressed(nMessage, nChar, nRepCnt, nFlags);
}

BOOL CGXComboBox::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (IsDroppedDown() && m_pList->ForwardKey(nChar)) return TRUE;
  const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
  if (nChar == VK_F4 || (alt && (nChar == VK_DOWN || nChar == VK_UP))) {
    DropDown();
    return TRUE;
  }
  return CGXEditControl::OnGridKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGXComboBox::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!(m_nFlags & GXCOMBO_NOTEDITABLE)) return CGXEditControl::OnGridChar(nChar, nRepCnt, nFlags);
  // A list-only cell takes no typing; the space key opens the list.
  if (nChar == ' ') DropDown();
  return TRUE;
}

void CGXComboBox::OnClickedButton(CGXChild* pChild) {
  if (pChild != m_pArrow) {
    CGXEditControl::OnClickedButton(pChild);
  } else if (IsDroppedDown()) {
    CloseUp();
  } else {
    DropDown();
  }
}

BOOL CGXComboBox::IsDroppedDown() const { return m_pList->IsOpen(); }

CListBox* CGXComboBox::GetListBox() const { return m_pList->m_hWnd ? m_pList.get() : nullptr; }

void CGXComboBox::DropDown() {
  if (m_nRow == GX_INVALID || !Grid()->IsCellEditable(m_nRow, m_nCol)) return;
  CRect cell = Grid()->CalcRectFromRowCol(m_nRow, m_nCol);
  if (cell.IsRectEmpty()) return;
  GridWnd()->ClientToScreen(&cell);
  const std::vector<std::string> choices = gx::ChoicesOf(BoundStyle());
  CString text;
  if (IsActive()) {
    GetCurrentText(text);
  } else {
    GetControlText(text, m_nRow, m_nCol, Grid()->GetValueRowCol(m_nRow, m_nCol), BoundStyle());
  }
  gx::DropListWindow::Options options;
  if (const int current = gx::FindChoiceIndex(choices, text); current >= 0) options.selected = {current};
  m_pList->Open(GridWnd(), cell, choices, options, [this](bool accepted, const std::vector<int>& chosen) {
    if (accepted && !chosen.empty()) OnChoice(chosen.front());
  });
}

void CGXComboBox::CloseUp() { m_pList->Close(false); }

void CGXComboBox::OnChoice(int nIndex) {
  const std::vector<std::string> choices = gx::ChoicesOf(BoundStyle());
  if (nIndex < 0 || nIndex >= static_cast<int>(choices.size())) return;
  const CString text(choices[static_cast<size_t>(nIndex)].c_str());
  if (IsActive()) {
    SetCurrentText(text);
    SetModify(TRUE);
    Grid()->TransferCurrentCell();
    return;
  }
  const int mode = gx::IndexModeOf(BoundStyle(), IndexMode());
  Grid()->SetValueByUser(m_nRow, m_nCol, gx::ValueOfChoice(choices, nIndex, mode));
}

int CGXComboBox::QueryEndEditing() {
  CloseUp();
  return CGXEditControl::QueryEndEditing();
}

void CGXComboBox::Hide() {
  CloseUp();
  CGXEditControl::Hide();
}
