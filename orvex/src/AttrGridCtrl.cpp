// The attribute grid's set-up, type list, commands and input.
#include "AttrGridCtrl.h"

#include <BitmapBtnEdit.h>
#include <HeaderBtnControl.h>
#include <IndentEdit.h>
#include <XUMfc.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "AttrGridStyles.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "resource.h"

using namespace attrgrid;

namespace {

constexpr const char* kPlainTypes[] = {"Boolean", "Integer", "Float", "Double", "String", "Date", "LongText"};

BOOL KeyIsDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

IMPLEMENT_DYNAMIC(CAttrGridCtrl, HLGrid)

BEGIN_MESSAGE_MAP(CAttrGridCtrl, HLGrid)
  ON_COMMAND(ID_ATTR_INSERT_ABOVE, OnInsertAbove)
  ON_UPDATE_COMMAND_UI(ID_ATTR_INSERT_ABOVE, OnUpdateInsertAbove)
  ON_COMMAND(ID_ATTR_INSERT_BELOW, OnInsertBelow)
  ON_UPDATE_COMMAND_UI(ID_ATTR_INSERT_BELOW, OnUpdateInsertBelow)
  ON_COMMAND(ID_EDIT_DELETE_ROW, OnDeleteRows)
  ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_ROW, OnUpdateDeleteRows)
  ON_COMMAND(ID_ATTR_EXPAND, OnExpand)
  ON_UPDATE_COMMAND_UI(ID_ATTR_EXPAND, OnUpdateExpand)
  ON_COMMAND(ID_ATTR_COLLAPSE, OnCollapse)
  ON_UPDATE_COMMAND_UI(ID_ATTR_COLLAPSE, OnUpdateCollapse)
  ON_COMMAND(ID_ATTR_OPEN_IN_WINDOW, OnOpenInWindow)
  ON_UPDATE_COMMAND_UI(ID_ATTR_OPEN_IN_WINDOW, OnUpdateOpenInWindow)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCopyOrCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateCopyOrCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
END_MESSAGE_MAP()

CAttrGridCtrl::CAttrGridCtrl() : m_mapVisited(10) {}

CAttrGridCtrl::~CAttrGridCtrl() = default;

void CAttrGridCtrl::OnGridInitialUpdate() {
  HLGrid::OnGridInitialUpdate();
  m_pView = DYNAMIC_DOWNCAST(CView, GetParent());
  m_pDoc = m_pView != nullptr ? DYNAMIC_DOWNCAST(COrvexDoc, m_pView->GetDocument()) : nullptr;
  m_pBODef = m_pDoc != nullptr ? m_pDoc->m_pBODef : nullptr;

  CGXGridParam* param = GetParam();
  // The rows mirror the definitions: a value change undone behind the
  // model's back would leave it out of step.
  param->EnableUndo(FALSE);
  param->SetNumberedRowHeaders(FALSE);
  param->SetNumberedColHeaders(FALSE);

  const CBOColumnTable& columns = CBOColumnTable::Get();
  SetColCount(CBOColumnTable::kColumnCount - 1, GX_INVALIDATE);
  for (int id = 0; id < columns.GetCount(); ++id) {
    SetColWidth(columns[id].m_nId, columns[id].m_nId, columns[id].m_nWidth, GX_INVALIDATE);
    SetValueRange(CGXRange(0, columns[id].m_nId), columns[id].m_strTitle, gxOverride, 0, GX_INVALIDATE);
  }
  SetDefaultRowHeight(kRowHeight);
  SetRowHeight(0, 0, kHeaderHeight, GX_INVALIDATE);

  RegisterCellControls();
  FillTypeList();
  SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kHeaderControl).SetReadOnly(TRUE), gxOverride, 0,
                GX_INVALIDATE);
  FillGrid();
}

void CAttrGridCtrl::RegisterCellControls() {
  auto boolean = std::make_unique<CGXComboBoxWnd>(this);
  boolean->Create(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, kBooleanControl);
  boolean->m_bFillWithChoiceList = TRUE;
  boolean->m_bWantArrowKeys = TRUE;
  RegisterControl(kBooleanControl, boolean.release());

  // The type list is filled by the grid. Up and Down move between rows:
  // stepping through the list would store every type on the way.
  auto types = std::make_unique<CGXComboBoxWnd>(this);
  types->Create(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, kTypeListControl);
  types->m_bFillWithChoiceList = FALSE;
  types->m_bWantArrowKeys = FALSE;
  m_pTypeList = types.get();
  RegisterControl(kTypeListControl, types.release());

  for (int level = 0; level < kMaxLevels; ++level) {
    const int indent = level * kIndentStep;
    RegisterControl(EditorId(kExpandedEditor, level),
                    new CBitmapBtnEdit(this, EditorId(kExpandedEditor, level), CBitmapBtnEdit::kExpanded, indent));
    RegisterControl(EditorId(kCollapsedEditor, level),
                    new CBitmapBtnEdit(this, EditorId(kCollapsedEditor, level), CBitmapBtnEdit::kCollapsed, indent));
    RegisterControl(EditorId(kIndentEditor, level), new CIndentEdit(this, EditorId(kIndentEditor, level), indent));
  }
  RegisterControl(kHeaderControl, new CHeaderBtnControl(this));
}

WORD CAttrGridCtrl::EditorId(int kind, int level) const {
  const int clamped = std::clamp(level, 0, kMaxLevels - 1);
  return static_cast<WORD>(kFirstEditor + kind * kMaxLevels + clamped);
}

CComboBox* CAttrGridCtrl::GetTypeList() const { return m_pTypeList; }

// --- The type list ------------------------------------------------------

void CAttrGridCtrl::FillTypeList() {
  CComboBox* list = GetTypeList();
  if (list == nullptr || list->GetSafeHwnd() == nullptr) return;
  list->ResetContent();
  list->AddString(kNewBusinessObject);
  for (const char* type : kPlainTypes) list->AddString(type);
  std::vector<CString> names;
  const CStringList* known = CDataManager::InitInstance()->RefreshBONames(0);
  for (POSITION pos = known->GetHeadPosition(); pos != nullptr;) names.push_back(known->GetNext(pos));
  std::stable_sort(names.begin(), names.end(),
                   [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
  for (const CString& name : names) list->AddString(name);
  AdjustDropDownWidth(list);
}

void CAttrGridCtrl::InsertTypeName(const CString& name) {
  CComboBox* list = GetTypeList();
  if (list == nullptr || list->GetSafeHwnd() == nullptr || name.IsEmpty()) return;
  const int count = list->GetCount();
  int at = count;
  for (int i = kFirstBusObjItem; i < count; ++i) {
    CString item;
    list->GetLBText(i, item);
    if (item == name) return;
    if (at == count && item.CompareNoCase(name) > 0) at = i;
  }
  list->InsertString(at, name);
  AdjustDropDownWidth(list);
}

void CAttrGridCtrl::RemoveTypeName(const CString& name) {
  CComboBox* list = GetTypeList();
  if (list == nullptr || list->GetSafeHwnd() == nullptr) return;
  for (int i = list->GetCount() - 1; i >= kFirstBusObjItem; --i) {
    CString item;
    list->GetLBText(i, item);
    if (item == name) list->DeleteString(i);
  }
  AdjustDropDownWidth(list);
}

int CAttrGridCtrl::TypeListIndex(const CString& type) const {
  CComboBox* list = GetTypeList();
  if (list == nullptr || list->GetSafeHwnd() == nullptr) return -1;
  for (int i = 0; i < list->GetCount(); ++i) {
    CString item;
    list->GetLBText(i, item);
    if (item == type) return i;
  }
  return -1;
}

// --- Enabling -------------------------------------------------------------

BOOL CAttrGridCtrl::CanInsertAbove() {
  ROWCOL row = 0;
  return GetCurrentCell(&row, nullptr) && row >= 1 && row < GetEmptyRow();
}

BOOL CAttrGridCtrl::CanInsertBelow() {
  ROWCOL row = 0;
  return GetCurrentCell(&row, nullptr) && row >= 1 && row + 1 < GetEmptyRow() && !IsObjectEventIdRow(row);
}

BOOL CAttrGridCtrl::CanDeleteRows() {
  CRowColArray starts, ends;
  const ROWCOL spans = GetSelectedRows(starts, ends, TRUE, FALSE);
  if (spans == 0) return FALSE;
  for (ROWCOL i = 0; i < spans; ++i) {
    if (starts[static_cast<INT_PTR>(i)] == 0) return FALSE;
  }
  return TRUE;
}

// --- Commands -------------------------------------------------------------

void CAttrGridCtrl::OnInsertAbove() {
  if (CanInsertAbove()) InsertAbove();
}

void CAttrGridCtrl::OnUpdateInsertAbove(CCmdUI* pCmdUI) { pCmdUI->Enable(CanInsertAbove()); }

void CAttrGridCtrl::OnInsertBelow() {
  if (CanInsertBelow()) InsertBelow();
}

void CAttrGridCtrl::OnUpdateInsertBelow(CCmdUI* pCmdUI) { pCmdUI->Enable(CanInsertBelow()); }

void CAttrGridCtrl::OnDeleteRows() {
  if (CanDeleteRows()) DeleteSelectedRows();
}

void CAttrGridCtrl::OnUpdateDeleteRows(CCmdUI* pCmdUI) { pCmdUI->Enable(CanDeleteRows()); }

void CAttrGridCtrl::OnExpand() {
  ROWCOL row = 0;
  CBODefAttr* pAttr = GetCurrentCell(&row, nullptr) ? GetRowAttr(row) : nullptr;
  if (pAttr == nullptr || pAttr->IsSimpleType() || pAttr->IsExpanded() || IsOpenInWindow(pAttr->GetTypeName())) return;
  CWaitCursor wait;
  if (ExpandAttr(*pAttr)) ExpandSubtree(pAttr->GetContainedDef());
  m_mapVisited.RemoveAll();
  FillGridKeeping(row, CBOColumnTable::kName);
}

void CAttrGridCtrl::OnUpdateExpand(CCmdUI* pCmdUI) {
  ROWCOL row = 0;
  const CBODefAttr* pAttr = GetCurrentCell(&row, nullptr) ? GetRowAttr(row) : nullptr;
  pCmdUI->Enable(pAttr != nullptr && !pAttr->IsSimpleType() && !pAttr->GetTypeName().IsEmpty() &&
                 !pAttr->IsExpanded() && !IsOpenInWindow(pAttr->GetTypeName()));
}

void CAttrGridCtrl::OnCollapse() {
  ROWCOL row = 0;
  CBODefAttr* pAttr = GetCurrentCell(&row, nullptr) ? GetRowAttr(row) : nullptr;
  if (pAttr == nullptr || !pAttr->IsExpanded()) return;
  CollapseAttr(*pAttr);
  FillGridKeeping(row, CBOColumnTable::kName);
}

void CAttrGridCtrl::OnUpdateCollapse(CCmdUI* pCmdUI) {
  ROWCOL row = 0;
  const CBODefAttr* pAttr = GetCurrentCell(&row, nullptr) ? GetRowAttr(row) : nullptr;
  pCmdUI->Enable(pAttr != nullptr && pAttr->IsExpanded());
}

void CAttrGridCtrl::OnOpenInWindow() {
  ROWCOL row = 0;
  const CBODefAttr* pAttr = GetCurrentCell(&row, nullptr) ? GetRowAttr(row) : nullptr;
  if (pAttr == nullptr || pAttr->IsSimpleType() || pAttr->GetTypeName().IsEmpty()) return;
  CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(pAttr->GetTypeName(), 0, 1);
  COrvexApp* pApp = GetOrvexApp();
  if (pDef != nullptr && pApp != nullptr) pApp->OpenBODefWindow(pDef);
}

// Every attribute row, the last one too.
void CAttrGridCtrl::OnUpdateOpenInWindow(CCmdUI* pCmdUI) {
  ROWCOL row = 0;
  const CBODefAttr* pAttr = GetCurrentCell(&row, nullptr) ? GetRowAttr(row) : nullptr;
  pCmdUI->Enable(pAttr != nullptr && !pAttr->GetTypeName().IsEmpty() &&
                 !CBODefAttr::IsSimpleTypeName(pAttr->GetTypeName()));
}

void CAttrGridCtrl::OnEditCopy() {
  if (CanCopySelection()) CopySelection();
}

void CAttrGridCtrl::OnEditCut() {
  if (CanCopySelection()) CutSelection();
}

void CAttrGridCtrl::OnEditPaste() { PasteSelection(); }

void CAttrGridCtrl::OnUpdateCopyOrCut(CCmdUI* pCmdUI) { pCmdUI->Enable(CanCopySelection()); }

void CAttrGridCtrl::OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->Enable(CanPasteSelection()); }

// --- Input ------------------------------------------------------------------

void CAttrGridCtrl::ToggleRowExpansion(ROWCOL nRow) {
  CBODefAttr* pAttr = GetRowAttr(nRow);
  if (pAttr == nullptr || pAttr->IsSimpleType()) return;
  if (pAttr->IsExpanded()) {
    CollapseAttr(*pAttr);
  } else {
    if (IsOpenInWindow(pAttr->GetTypeName())) return;
    CWaitCursor wait;
    ExpandAttr(*pAttr);
  }
  FillGridKeeping(nRow, CBOColumnTable::kName);
}

void CAttrGridCtrl::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  HLGrid::OnClickedButtonRowCol(nRow, nCol);
  if (nRow == 0 && nCol >= CBOColumnTable::kPos && nCol <= CBOColumnTable::kComments) SortByColumn(nCol);
}

// The popup's items are enabled for the clicked row, which becomes current
// unless it is one of the selected rows.
BOOL CAttrGridCtrl::OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) {
  if (nRow >= 1 && nCol >= 1 && !GetParam()->GetRangeList()->IsCellInList(nRow, nCol)) SetCurrentCell(nRow, nCol);
  CMenu menu;
  if (menu.LoadMenu(IDR_ATTR_GRID_MENU)) {
    CMenu* pPopup = menu.GetSubMenu(0);
    XUMfc::UpdateCmdUI(pPopup, this);
    CPoint screen = pt;
    ClientToScreen(&screen);
    const UINT id = pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, this);
    if (id != 0) SendMessage(WM_COMMAND, id);
  }
  return HLGrid::OnRButtonClickedRowCol(nRow, nCol, nFlags, pt);
}

// Delete removes selected whole rows (the key then has done its work: the
// library would empty the cell that is current afterwards). The clipboard
// keys outside an open editor are the grid's commands.
BOOL CAttrGridCtrl::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const BOOL ctrl = KeyIsDown(VK_CONTROL);
  if (nChar == VK_DELETE && !ctrl && CanDeleteRows()) {
    DeleteSelectedRows();
    return TRUE;
  }
  if (ctrl && TextEditor() == nullptr) {
    switch (nChar) {
      case 'C':
        OnEditCopy();
        return TRUE;
      case 'X':
        OnEditCut();
        return TRUE;
      case 'V':
        OnEditPaste();
        return TRUE;
      default:
        break;
    }
  }
  return HLGrid::OnGridKeyDown(nChar, nRepCnt, nFlags);
}
