// Copy, cut and paste of cell ranges as CF_TEXT, and the text export.
#include <cstring>

#include "gx/gxcore.h"
#include "gx/gxedit.h"
#include "gx/text_table.h"

namespace {

// The cells a command works on: the one selected range (whole rows,
// columns or the table bounded by the grid, headers left out), else the
// current cell. Several ranges at once are refused.
bool CommandRange(CGXGridCore& grid, CGXRange& range) {
  const CGXRangeList* selection = grid.GetParam()->GetRangeList();
  if (selection->GetCount() > 1) return false;
  if (selection->GetCount() == 1) {
    range = selection->GetHead();
  } else {
    ROWCOL row = 0, col = 0;
    if (!grid.GetCurrentCell(row, col)) return false;
    range = CGXRange(row, col);
  }
  return true;
}

bool BoundToData(CGXGridCore& grid, CGXRange& range) {
  const ROWCOL rows = grid.GetRowCount(), cols = grid.GetColCount();
  if (rows == 0 || cols == 0) return false;
  range.ExpandRange(1, 1, rows, cols);
  if (range.top < 1) range.top = 1;
  if (range.left < 1) range.left = 1;
  if (range.bottom > rows) range.bottom = rows;
  if (range.right > cols) range.right = cols;
  return range.top <= range.bottom && range.left <= range.right;
}

std::string RangeText(CGXGridCore& grid, const CGXRange& range) {
  gx::TextTable table;
  for (ROWCOL row = range.top; row <= range.bottom; ++row) {
    gx::TextRow& cells = table.emplace_back();
    for (ROWCOL col = range.left; col <= range.right; ++col) {
      CString text;
      grid.GetControlText(text, row, col);
      cells.emplace_back(static_cast<LPCTSTR>(text));
    }
  }
  return gx::FormatTextTable(table);
}

bool PutText(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool placed = false;
  if (memory) {
    if (void* bytes = GlobalLock(memory)) {
      std::memcpy(bytes, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    if (!placed) GlobalFree(memory);
  }
  CloseClipboard();
  return placed;
}

bool GetText(HWND owner, std::string& text) {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) return false;
  bool read = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
      read = true;
    }
  }
  CloseClipboard();
  return read;
}

// The current cell's editor when it is open: the clipboard commands then
// work on its text, as in any edit field.
CEdit* ActiveEditor(CGXGridCore& grid) {
  if (!grid.IsActiveCurrentCell()) return nullptr;
  auto* edit = dynamic_cast<CGXEditControl*>(grid.GetCurrentCellControl());
  return edit && edit->IsActive() ? edit->GetEditWnd() : nullptr;
}

HWND OwnerOf(CGXGridCore& grid) { return grid.GridWnd() ? grid.GridWnd()->GetSafeHwnd() : nullptr; }

}  // namespace

BOOL CGXGridCore::CanCopy() {
  CGXRange range;
  return ActiveEditor(*this) != nullptr || (CommandRange(*this, range) && BoundToData(*this, range));
}

BOOL CGXGridCore::CanPaste() {
  CGXRange range;
  return !IsReadOnly() && IsClipboardFormatAvailable(CF_TEXT) && CommandRange(*this, range);
}

BOOL CGXGridCore::Copy() {
  if (CEdit* editor = ActiveEditor(*this)) {
    editor->Copy();
    return TRUE;
  }
  CGXRange range;
  if (!CommandRange(*this, range) || !BoundToData(*this, range)) return FALSE;
  return PutText(OwnerOf(*this), RangeText(*this, range));
}

BOOL CGXGridCore::Cut() {
  if (CEdit* editor = ActiveEditor(*this)) {
    editor->Cut();
    return TRUE;
  }
  CGXRange range;
  if (IsReadOnly() || !CommandRange(*this, range) || !BoundToData(*this, range)) return FALSE;
  if (!PutText(OwnerOf(*this), RangeText(*this, range))) return FALSE;
  const BOOL locked = LockUpdate(TRUE);
  // The counts are read again after each cell: OnModifyCell may refill the grid.
  for (ROWCOL row = range.top; row <= range.bottom && row <= GetRowCount(); ++row) {
    for (ROWCOL col = range.left; col <= range.right && col <= GetColCount(); ++col) {
      if (!IsCellEditable(row, col)) continue;
      const CString sOld = GetValueRowCol(row, col);
      if (SetValueRange(CGXRange(row, col), _T(""), gxOverride, 0, GX_INVALIDATE)) AfterUserChange(row, col, sOld);
    }
  }
  LockUpdate(locked);
  RedrawRowCol(range);
  return TRUE;
}

// The text goes in from the range's top-left cell; what lies past the last
// row or column is left out, and read-only cells keep their values.
BOOL CGXGridCore::Paste() {
  if (CEdit* editor = ActiveEditor(*this)) {
    editor->Paste();
    return TRUE;
  }
  CGXRange range;
  std::string text;
  if (IsReadOnly() || !CommandRange(*this, range) || !GetText(OwnerOf(*this), text)) return FALSE;
  const ROWCOL top = range.IsCols() || range.IsTable() ? 1 : std::max<ROWCOL>(range.top, 1);
  const ROWCOL left = range.IsRows() || range.IsTable() ? 1 : std::max<ROWCOL>(range.left, 1);
  const gx::TextTable table = gx::ParseTextTable(text);
  BOOL pasted = FALSE;
  const BOOL locked = LockUpdate(TRUE);
  // The counts are read again after each cell: OnModifyCell may refill the grid.
  for (size_t r = 0; r < table.size() && top + r <= GetRowCount(); ++r) {
    for (size_t c = 0; c < table[r].size() && left + c <= GetColCount(); ++c) {
      const ROWCOL row = top + static_cast<ROWCOL>(r), col = left + static_cast<ROWCOL>(c);
      if (!IsCellEditable(row, col)) continue;
      const CString sOld = GetValueRowCol(row, col);
      if (!SetControlTextRowCol(row, col, CString(table[r][c].c_str()), GX_INVALIDATE)) continue;
      pasted = TRUE;
      AfterUserChange(row, col, sOld);
    }
  }
  LockUpdate(locked);
  Redraw(GX_INVALIDATE);
  return pasted;
}

BOOL CGXGridCore::CopyTextToFile(CFile& destFile, const CGXRange& range) {
  CGXRange bounded = range;
  if (!BoundToData(*this, bounded)) return TRUE;
  const std::string text = RangeText(*this, bounded);
  try {
    destFile.Write(text.data(), static_cast<UINT>(text.size()));
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}
