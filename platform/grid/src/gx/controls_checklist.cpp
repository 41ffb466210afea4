#include "gx/gxchklst.h"

#include <cstdlib>

#include "gx/child_layout.h"
#include "gx/choices.h"
#include "gx/drop_list.h"
#include "gx/gxcore.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CGXCheckListComboBox, CGXControl)

namespace {
constexpr size_t kMaskBits = 32;
}

CGXCheckListComboBox::CGXCheckListComboBox(CGXGridCore* pGrid)
    : CGXControl(pGrid),
      m_pArrow(AddChild(std::make_unique<CGXArrowButton>(this))),
      m_pList(std::make_unique<gx::DropListWindow>()) {}

CGXCheckListComboBox::~CGXCheckListComboBox() = default;

CString CGXCheckListComboBox::MaskOf(const std::vector<int>& items) {
  unsigned long mask = 0;
  for (int item : items) {
    if (item >= 0 && static_cast<size_t>(item) < kMaskBits) mask |= 1ul << item;
  }
  CString text;
  text.Format(_T("%lu"), mask);
  return text;
}

std::vector<int> CGXCheckListComboBox::ItemsOf(LPCTSTR pszMask, size_t nItems) {
  const unsigned long mask = pszMask ? std::strtoul(pszMask, nullptr, 10) : 0;
  std::vector<int> items;
  for (size_t i = 0; i < std::min(nItems, kMaskBits); ++i) {
    if (mask & (1ul << i)) items.push_back(static_cast<int>(i));
  }
  return items;
}

BOOL CGXCheckListComboBox::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                          const CGXStyle& style) {
  const std::vector<std::string> choices = gx::ChoicesOf(style);
  strResult.Empty();
  for (int item : ItemsOf(pszRawValue ? pszRawValue : static_cast<LPCTSTR>(style.GetValue()), choices.size())) {
    if (!strResult.IsEmpty()) strResult += _T(", ");
    strResult += choices[static_cast<size_t>(item)].c_str();
  }
  return TRUE;
}

// Takes a mask ("5") or the shown form ("a, c").
BOOL CGXCheckListComboBox::SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags, const CGXStyle*) {
  CString value = str;
  char* end = nullptr;
  std::strtoul(str, &end, 10);
  if (!str.IsEmpty() && *end != '\0') {
    const std::vector<std::string> choices = gx::ChoicesOf(Grid()->LookupStyleRowCol(nRow, nCol));
    std::vector<int> items;
    std::string rest = static_cast<LPCTSTR>(str);
    for (size_t start = 0; start <= rest.size();) {
      size_t comma = rest.find(',', start);
      if (comma == std::string::npos) comma = rest.size();
      CString part(rest.substr(start, comma - start).c_str());
      part.Trim();
      const int index = gx::FindChoiceIndex(choices, part);
      if (index < 0) return FALSE;
      items.push_back(index);
      start = comma + 1;
    }
    value = MaskOf(items);
  }
  return Grid()->SetValueRange(CGXRange(nRow, nCol), value, gxOverride, 0, nFlags);
}

CRect CGXCheckListComboBox::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXControl::GetTextRect(rectCell, nRow, nCol, style);
  text.right = std::max(text.left, gx::RightButtonRect(rectCell, 0).left - 1);
  return text;
}

void CGXCheckListComboBox::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXControl::OnInitChildren(nRow, nCol, rect);
  m_pArrow->SetRect(gx::RightButtonRect(rect, 0));
}

BOOL CGXCheckListComboBox::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (IsDroppedDown() && m_pList->ForwardKey(nChar)) return TRUE;
  const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
  if (nChar == VK_F4 || (alt && (nChar == VK_DOWN || nChar == VK_UP))) {
    DropDown();
    return TRUE;
  }
  return CGXControl::OnGridKeyDown(nChar, nRepCnt, nFlags);
}

void CGXCheckListComboBox::OnClickedButton(CGXChild* pChild) {
  if (pChild != m_pArrow) {
    CGXControl::OnClickedButton(pChild);
  } else if (IsDroppedDown()) {
    m_pList->Close(true);
  } else {
    DropDown();
  }
}

BOOL CGXCheckListComboBox::IsDroppedDown() const { return m_pList->IsOpen(); }

CListBox* CGXCheckListComboBox::GetListBox() const { return m_pList->m_hWnd ? m_pList.get() : nullptr; }

void CGXCheckListComboBox::DropDown() {
  if (m_nRow == GX_INVALID || !Grid()->IsCellEditable(m_nRow, m_nCol)) return;
  CRect cell = Grid()->CalcRectFromRowCol(m_nRow, m_nCol);
  if (cell.IsRectEmpty()) return;
  GridWnd()->ClientToScreen(&cell);
  const std::vector<std::string> choices = gx::ChoicesOf(BoundStyle());
  gx::DropListWindow::Options options;
  options.checkList = true;
  options.selected = ItemsOf(Grid()->GetValueRowCol(m_nRow, m_nCol), choices.size());
  m_pList->Open(GridWnd(), cell, choices, options, [this](bool accepted, const std::vector<int>& chosen) {
    if (accepted) OnChosen(chosen);
  });
}

void CGXCheckListComboBox::OnChosen(const std::vector<int>& items) {
  const CString mask = MaskOf(items);
  if (mask != Grid()->GetValueRowCol(m_nRow, m_nCol)) Grid()->SetValueByUser(m_nRow, m_nCol, mask);
}

// Leaving the cell keeps what the open list marks.
int CGXCheckListComboBox::QueryEndEditing() {
  m_pList->Close(true);
  return CGXControl::QueryEndEditing();
}

void CGXCheckListComboBox::Hide() {
  m_pList->Close(true);
  CGXControl::Hide();
}
