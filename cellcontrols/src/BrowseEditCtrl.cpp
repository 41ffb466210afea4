#include "BrowseEditCtrl.h"

#include <afxdlgs.h>
#include <shlobj.h>

#include "CellBitmapButton.h"
#include "cellcontrols_resource.h"

GRID_IMPLEMENT_CONTROL(CBrowseEditCtrl, CGXEditControl)

// Made by its name, the cell picks files.
static const GXControlCreator _create_CBrowseEditCtrl("CBrowseEditCtrl",
                                                      [](CGXGridCore* pGrid) -> std::unique_ptr<CGXControl> {
                                                        return std::make_unique<CBrowseEditCtrl>(TRUE, pGrid);
                                                      });

namespace {

constexpr LPCTSTR kFolderTitle = _T("Pick a folder, any folder:");

// The shell's item list, freed through the shell's allocator.
struct ItemListFree {
  void operator()(ITEMIDLIST* pidl) const {
    LPMALLOC pMalloc = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&pMalloc)) && pMalloc != nullptr) {
      pMalloc->Free(pidl);
      pMalloc->Release();
    }
  }
};

}  // namespace

CBrowseEditCtrl::CBrowseEditCtrl(BOOL bFileMode, CGXGridCore* pGrid, UINT nID)
    : CGXEditControl(pGrid, nID),
      m_bFileMode(bFileMode),
      m_pButton(AddChild(std::make_unique<CCellBitmapButton>(this, IDB_BROWSE_UP, IDB_BROWSE_DOWN))) {}

// The button is drawn for the cell the control now serves.
void CBrowseEditCtrl::Init(ROWCOL nRow, ROWCOL nCol) {
  CGXEditControl::Init(nRow, nCol);
  CWnd* pGridWnd = GridWnd();
  if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr) return;
  const CRect rectButton = GetButtonRect(Grid()->GetCellRect(nRow, nCol));
  if (!rectButton.IsRectEmpty()) pGridWnd->InvalidateRect(&rectButton, FALSE);
}

CRect CBrowseEditCtrl::GetButtonRect(const CRect& rectCell) const {
  if (rectCell.IsRectEmpty()) return CRect(0, 0, 0, 0);
  const int right = rectCell.right - kButtonGap;
  CRect rect(right - kButtonWidth, rectCell.top, right, rectCell.top + kBitmapHeight);
  rect.IntersectRect(rect, rectCell);
  return rect;
}

CRect CBrowseEditCtrl::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.right = std::max(text.left, text.right - (kButtonWidth + kButtonGap));
  return text;
}

void CBrowseEditCtrl::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXEditControl::OnInitChildren(nRow, nCol, rect);
  m_pButton->SetRect(GetButtonRect(rect));
}

void CBrowseEditCtrl::OnClickedButton(CGXChild* pChild) {
  if (pChild != m_pButton) {
    CGXEditControl::OnClickedButton(pChild);
    return;
  }
  const ROWCOL nRow = GetRow();
  const ROWCOL nCol = GetCol();
  if (nRow == GX_INVALID || !Grid()->IsCellEditable(nRow, nCol)) return;
  const HWND hFocus = ::GetFocus();
  const CString sPath = m_bFileMode ? PickFile() : PickFolder();
  // The dialog ran its own loop: the grid may have moved on meanwhile.
  if (!sPath.IsEmpty() && Grid()->IsCurrentCell(nRow, nCol) && GetRow() == nRow && GetCol() == nCol)
    SetPickedPath(sPath);
  // The focus comes back to where it was, an open editor most of all.
  if (hFocus != nullptr && ::IsWindow(hFocus) && ::IsWindowVisible(hFocus)) ::SetFocus(hFocus);
}

CString CBrowseEditCtrl::PickFile() {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, GridWnd());
  if (dialog.DoModal() != IDOK) return CString();
  return dialog.GetPathName();
}

CString CBrowseEditCtrl::PickFolder() {
  BROWSEINFO info{};
  info.hwndOwner = GridWnd()->GetSafeHwnd();
  info.lpszTitle = kFolderTitle;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  std::unique_ptr<ITEMIDLIST, ItemListFree> pidl(::SHBrowseForFolder(&info));
  if (!pidl) return CString();
  TCHAR szPath[MAX_PATH + 1] = {};
  if (!::SHGetPathFromIDList(pidl.get(), szPath)) return CString();
  return CString(szPath);
}

void CBrowseEditCtrl::SetPickedPath(const CString& sPath) {
  if (IsActive()) {
    SetCurrentText(sPath);
    SetModify(TRUE);
    Grid()->TransferCurrentCell();
    return;
  }
  Grid()->SetValueByUser(GetRow(), GetCol(), sPath);
}
