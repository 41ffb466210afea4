#include "gx/child_layout.h"
#include "gx/choices.h"
#include "gx/gxcombo.h"
#include "gx/gxcore.h"
#include "gx/text_table.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CGXComboBoxWnd, CComboBox)

namespace {

constexpr int kDroppedHeight = 200;

// The choices a window filled by the program offers: its own items.
std::vector<std::string> WindowItems(const CComboBox& combo) {
  std::vector<std::string> items;
  const int count = combo.GetCount();
  for (int i = 0; i < count; ++i) {
    CString text;
    combo.GetLBText(i, text);
    items.emplace_back(static_cast<LPCTSTR>(text));
  }
  return items;
}

}  // namespace

BEGIN_MESSAGE_MAP(CGXComboBoxWnd, CComboBox)
  ON_WM_KEYDOWN()
  ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CGXComboBoxWnd::CGXComboBoxWnd(CGXGridCore* pGrid) : CGXControl(pGrid) {}

CGXComboBoxWnd::~CGXComboBoxWnd() {
  if (m_hWnd) DestroyWindow();
}

BOOL CGXComboBoxWnd::Create(DWORD dwStyle, UINT nID) {
  m_dwCreateStyle = (dwStyle | WS_CHILD) & ~static_cast<DWORD>(WS_VISIBLE);
  m_nCreateID = nID;
  CWnd* grid = GridWnd();
  return !grid || !grid->GetSafeHwnd() || MakeWindow();
}

BOOL CGXComboBoxWnd::MakeWindow() {
  if (m_hWnd) return TRUE;
  CWnd* grid = GridWnd();
  if (m_nCreateID == 0 || !grid || !grid->GetSafeHwnd()) return FALSE;
  return CComboBox::Create(m_dwCreateStyle, CRect(0, 0, 10, kDroppedHeight), grid, m_nCreateID);
}

int CGXComboBoxWnd::IndexMode(const CGXStyle& style) const { return gx::IndexModeOf(style, m_nIndexValue); }

// The window's item positions equal the choice positions: it is filled in
// choice order, and a sorted window keeps each choice's position as item
// data. A window the program fills is its own list of choices.
bool CGXComboBoxWnd::ChoicesAsItemData() const { return m_bFillWithChoiceList && (GetStyle() & CBS_SORT) != 0; }

int CGXComboBoxWnd::ItemOfValue(const CGXStyle& style, const CString& value) {
  const int mode = IndexMode(style);
  if (mode < 0) return m_hWnd ? FindStringExact(-1, value) : -1;
  const int choice = gx::ChoiceOfValue(m_bFillWithChoiceList ? gx::ChoicesOf(style) : WindowItems(*this), value, mode);
  if (choice < 0 || !m_hWnd) return -1;
  if (!ChoicesAsItemData()) return choice;
  for (int i = 0; i < CComboBox::GetCount(); ++i) {
    if (static_cast<int>(GetItemData(i)) == choice) return i;
  }
  return -1;
}

CString CGXComboBoxWnd::ValueOfItem(const CGXStyle& style, int nItem) {
  if (!m_hWnd || nItem < 0 || nItem >= CComboBox::GetCount()) return CString();
  const int mode = IndexMode(style);
  if (mode < 0) {
    CString text;
    GetLBText(nItem, text);
    return text;
  }
  const int choice = ChoicesAsItemData() ? static_cast<int>(GetItemData(nItem)) : nItem;
  CString value;
  value.Format(_T("%d"), choice + mode);
  return value;
}

void CGXComboBoxWnd::FillFromStyle(const CGXStyle& style) {
  if (!m_hWnd || !m_bFillWithChoiceList) return;
  const CString choices = style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
  if (choices == m_sFilledFrom && CComboBox::GetCount() > 0) return;
  m_sFilledFrom = choices;
  ResetContent();
  const std::vector<std::string> items = gx::SplitChoiceList(static_cast<LPCTSTR>(choices));
  for (size_t i = 0; i < items.size(); ++i) {
    const int at = AddString(items[i].c_str());
    SetItemData(at, i);
  }
}

void CGXComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol) {
  CGXControl::Init(nRow, nCol);
  MakeWindow();
  m_bPendingStore = FALSE;
  m_bModified = FALSE;
  if (!m_hWnd) return;
  FillFromStyle(BoundStyle());
  SetValue(BoundStyle().GetValue());
  if (Grid()->IsCurrentCell(nRow, nCol)) ShowOverCell();
}

void CGXComboBoxWnd::ShowOverCell() {
  if (!m_hWnd || m_nRow == GX_INVALID || !Grid()->IsCellEditable(m_nRow, m_nCol)) return;
  CRect cell = Grid()->CalcRectFromRowCol(m_nRow, m_nCol);
  if (cell.IsRectEmpty()) {
    Hide();
    return;
  }
  cell.right -= 1;
  SetWindowPos(nullptr, cell.left, cell.top, cell.Width(), cell.Height() + kDroppedHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(SW_SHOWNA);
}

void CGXComboBoxWnd::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle) {
  if (nRow == m_nRow && nCol == m_nCol && IsActive()) {
    // The window paints the cell itself.
    DrawBackground(pDC, rect, style);
    return;
  }
  CRect textPart = rect;
  CRect button = gx::RightButtonRect(rect, 0);
  textPart.right = button.left;
  CGXControl::Draw(pDC, textPart, nRow, nCol, style, pStandardStyle);
  pDC->DrawFrameControl(&button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
}

BOOL CGXComboBoxWnd::IsActive() { return m_hWnd && IsWindowVisible(); }

void CGXComboBoxWnd::SetActive(BOOL bActive) {
  if (bActive) {
    ShowOverCell();
  } else {
    Hide();
  }
}

void CGXComboBoxWnd::Hide() {
  if (!m_hWnd) return;
  if (GetDroppedState()) ShowDropDown(FALSE);
  if (IsWindowVisible()) {
    ShowWindow(SW_HIDE);
    if (m_nRow != GX_INVALID) Grid()->RedrawRowCol(m_nRow, m_nCol);
  }
}

void CGXComboBoxWnd::Refresh() {
  if (m_nRow != GX_INVALID) Init(m_nRow, m_nCol);
}

BOOL CGXComboBoxWnd::GetValue(CString& strResult) {
  if (!m_hWnd) return FALSE;
  strResult = ValueOfItem(BoundStyle(), GetCurSel());
  return TRUE;
}

void CGXComboBoxWnd::SetValue(LPCTSTR pszRawValue) {
  if (!m_hWnd) return;
  m_bLoading = TRUE;
  SetCurSel(ItemOfValue(BoundStyle(), pszRawValue ? CString(pszRawValue) : CString()));
  m_bLoading = FALSE;
}

BOOL CGXComboBoxWnd::GetCurrentText(CString& strResult) {
  if (!m_hWnd) return FALSE;
  const int sel = GetCurSel();
  strResult.Empty();
  if (sel >= 0) GetLBText(sel, strResult);
  return TRUE;
}

void CGXComboBoxWnd::SetCurrentText(const CString& str) {
  if (!m_hWnd) return;
  m_bLoading = TRUE;
  SetCurSel(FindStringExact(-1, str));
  m_bLoading = FALSE;
}

BOOL CGXComboBoxWnd::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle& style) {
  const CString value = pszRawValue ? CString(pszRawValue) : style.GetValue();
  const int mode = IndexMode(style);
  if (mode < 0) {
    strResult = value;
    return TRUE;
  }
  const std::vector<std::string> choices = m_bFillWithChoiceList ? gx::ChoicesOf(style) : WindowItems(*this);
  const int choice = gx::ChoiceOfValue(choices, value, mode);
  strResult = choice >= 0 ? CString(choices[static_cast<size_t>(choice)].c_str()) : CString();
  return TRUE;
}

BOOL CGXComboBoxWnd::SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags, const CGXStyle*) {
  const CGXStyle style = Grid()->LookupStyleRowCol(nRow, nCol);
  const int mode = IndexMode(style);
  CString value = str;
  if (mode >= 0) {
    const std::vector<std::string> choices = m_bFillWithChoiceList ? gx::ChoicesOf(style) : WindowItems(*this);
    const int choice = gx::FindChoiceIndex(choices, str);
    if (choice < 0 && !str.IsEmpty()) return FALSE;
    value = gx::ValueOfChoice(choices, choice, mode);
  }
  const BOOL stored = Grid()->SetValueRange(CGXRange(nRow, nCol), value, gxOverride, 0, nFlags);
  if (stored && nRow == m_nRow && nCol == m_nCol) SetValue(value);
  return stored;
}

void CGXComboBoxWnd::StoreChoice() {
  m_bPendingStore = FALSE;
  m_bModified = FALSE;
  CString value;
  if (!GetValue(value) || value == Grid()->GetValueRowCol(m_nRow, m_nCol)) return;
  Grid()->SetValueByUser(m_nRow, m_nCol, value);
}

BOOL CGXComboBoxWnd::Store() {
  if (m_bModified || m_bPendingStore) StoreChoice();
  return TRUE;
}

int CGXComboBoxWnd::QueryEndEditing() {
  if (m_hWnd && GetDroppedState()) ShowDropDown(FALSE);
  if (m_bPendingStore) StoreChoice();
  return GX_ENDEDIT_DONE;
}

BOOL CGXComboBoxWnd::IsDroppedDown() const { return m_hWnd && GetDroppedState(); }

BOOL CGXComboBoxWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND && !m_bLoading) {
    switch (HIWORD(wParam)) {
      case CBN_SELCHANGE:
        // While the list is open the choice is only tracked; it is stored
        // when the list closes, so a handler sees one change.
        if (GetDroppedState()) {
          m_bPendingStore = TRUE;
        } else {
          StoreChoice();
        }
        return TRUE;
      case CBN_CLOSEUP:
        if (m_bPendingStore) StoreChoice();
        return TRUE;
      default:
        break;
    }
  }
  return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
}

UINT CGXComboBoxWnd::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTARROWS; }

void CGXComboBoxWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const bool dropped = GetDroppedState() != FALSE;
  const bool arrow = nChar == VK_UP || nChar == VK_DOWN;
  const bool keepInCombo = dropped || nChar == VK_F4 || (arrow && m_bWantArrowKeys);
  if (!keepInCombo && Grid()->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags)) return;
  CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGXComboBoxWnd::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!m_hWnd || m_nRow == GX_INVALID || !Grid()->IsCellEditable(m_nRow, m_nCol)) return FALSE;
  const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
  if (nChar == VK_F4 || (alt && (nChar == VK_DOWN || nChar == VK_UP))) {
    ShowOverCell();
    SetFocus();
    ShowDropDown(TRUE);
    return TRUE;
  }
  if (!m_bWantArrowKeys || (nChar != VK_UP && nChar != VK_DOWN)) return FALSE;
  const int count = CComboBox::GetCount();
  if (count == 0) return TRUE;
  const int sel = GetCurSel();
  const int next = nChar == VK_DOWN ? std::min(sel + 1, count - 1) : std::max(sel < 0 ? 0 : sel - 1, 0);
  if (next != sel) {
    m_bLoading = TRUE;
    SetCurSel(next);
    m_bLoading = FALSE;
    StoreChoice();
    Grid()->RedrawRowCol(m_nRow, m_nCol);
  }
  return TRUE;
}

BOOL CGXComboBoxWnd::OnGridChar(UINT nChar, UINT, UINT) {
  if (!m_hWnd || m_nRow == GX_INVALID || !Grid()->IsCellEditable(m_nRow, m_nCol) || nChar < ' ') return FALSE;
  // Typing picks the next item starting with the character, as the window does.
  ShowOverCell();
  SetFocus();
  SendMessage(WM_CHAR, nChar, 1);
  return TRUE;
}

BOOL CGXComboBoxWnd::LButtonDown(UINT, CPoint pt, UINT) {
  if (!m_hWnd || m_nRow == GX_INVALID || !Grid()->IsCellEditable(m_nRow, m_nCol)) return FALSE;
  const CRect cell = Grid()->CalcRectFromRowCol(m_nRow, m_nCol);
  ShowOverCell();
  if (gx::RightButtonRect(cell, 0).PtInRect(pt)) {
    SetFocus();
    ShowDropDown(TRUE);
  }
  return TRUE;
}
