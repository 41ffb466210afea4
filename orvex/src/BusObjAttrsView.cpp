#include "BusObjAttrsView.h"

#include <afxdlgs.h>

#include "OrvexDoc.h"
#include "resource.h"

namespace {

constexpr UINT kOpenPageCount = 0xFFFF;

}  // namespace

IMPLEMENT_DYNCREATE(CBusObjAttrsView, COrvexView)

BEGIN_MESSAGE_MAP(CBusObjAttrsView, COrvexView)
  ON_WM_SIZE()
  ON_WM_DESTROY()
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCopyOrCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateCopyOrCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
  ON_COMMAND(ID_ATTR_TO_PARENT, OnToParent)
  ON_UPDATE_COMMAND_UI(ID_ATTR_TO_PARENT, OnUpdateToParent)
  ON_COMMAND(ID_EDIT_SELECT_ROWS, OnSelectAll)
  ON_COMMAND(ID_EDIT_DELETE_ROW, OnDeleteRow)
  ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_ROW, OnUpdateDeleteRow)
  ON_COMMAND(ID_ATTR_INSERT_ABOVE, OnInsertAbove)
  ON_UPDATE_COMMAND_UI(ID_ATTR_INSERT_ABOVE, OnUpdateInsertAbove)
  ON_COMMAND(ID_ATTR_INSERT_BELOW, OnInsertBelow)
  ON_UPDATE_COMMAND_UI(ID_ATTR_INSERT_BELOW, OnUpdateInsertBelow)
  ON_COMMAND(ID_ATTR_MOVE_UP, OnMoveUp)
  ON_COMMAND(ID_ATTR_MOVE_DOWN, OnMoveDown)
  ON_UPDATE_COMMAND_UI(ID_ATTR_MOVE_UP, OnUpdateMove)
  ON_UPDATE_COMMAND_UI(ID_ATTR_MOVE_DOWN, OnUpdateMove)
  ON_COMMAND(ID_ATTR_EXPAND, OnExpandAll)
  ON_COMMAND(ID_ATTR_COLLAPSE, OnCollapseAll)
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
  ON_MESSAGE(WM_HV_DEF_GONE, OnDefGoneNotice)
END_MESSAGE_MAP()

CBusObjAttrsView::CBusObjAttrsView() : COrvexView(IDD_ATTRS_VIEW) {}

CBusObjAttrsView::~CBusObjAttrsView() = default;

// The base registers this window for the shown definition, and lets it go
// once, when the window goes.
void CBusObjAttrsView::OnInitialUpdate() {
  COrvexView::OnInitialUpdate();
  m_wndAttrGrid.SortAllByPosition(GetBODef());
  m_wndAttrGrid.SubclassDlgItem(IDC_ATTR_GRID, this);
  m_wndAttrGrid.Initialize();
  CRect client;
  GetClientRect(&client);
  SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
}

void CBusObjAttrsView::OnSize(UINT nType, int cx, int cy) {
  COrvexView::OnSize(nType, cx, cy);
  if (m_wndAttrGrid.GetSafeHwnd() != nullptr) m_wndAttrGrid.MoveWindow(0, 0, cx, cy);
  // The grid follows the tab: the form never scrolls.
  SetScrollSizes(MM_TEXT, CSize(0, 0));
}

// The contained definitions this window expanded are let go and shown
// collapsed everywhere; the shown one is the base's to let go.
void CBusObjAttrsView::OnDestroy() {
  COrvexDoc* pDoc = GetDocument();
  if (pDoc != nullptr) {
    CDataManager* pDM = CDataManager::InitInstance();
    for (POSITION pos = pDoc->m_mapBODefs.GetStartPosition(); pos != nullptr;) {
      CString name;
      void* pDef = nullptr;
      pDoc->m_mapBODefs.GetNextAssoc(pos, name, pDef);
      if (name != m_strBOName) pDM->RemoveView(name, GetSafeHwnd());
      static_cast<CQRBusObjDef*>(pDef)->CloseAllAttrs();
    }
    pDoc->m_mapBODefs.RemoveAll();
    if (CQRBusObjDef* pShown = GetBODef()) pDoc->m_mapBODefs.SetAt(pShown->name(0), pShown);
  }
  COrvexView::OnDestroy();
}

// --- What the document tells every view -------------------------------------

void CBusObjAttrsView::OnBONameAdded(CString name) { m_wndAttrGrid.InsertTypeName(name); }

void CBusObjAttrsView::OnBONameRemoved(CString name) { m_wndAttrGrid.RemoveTypeName(name); }

void CBusObjAttrsView::OnBONamesReset() { m_wndAttrGrid.FillTypeList(); }

void CBusObjAttrsView::RefreshFromDef() {
  if (m_wndAttrGrid.GetSafeHwnd() != nullptr) m_wndAttrGrid.FillGrid();
}

// The attribute rows, not the empty one, every column as text.
BOOL CBusObjAttrsView::WriteGridToTextFile(const char* path) {
  return WriteRowsToTextFile(path, m_wndAttrGrid, m_wndAttrGrid.GetEmptyRow() - 1);
}

void CBusObjAttrsView::ApplyToDef(CQRBusObjDef* pDef) {
  m_wndAttrGrid.SortAllByPosition(pDef);
  if (pDef == GetBODef()) RefreshFromDef();
}

// --- Commands -------------------------------------------------------------------

void CBusObjAttrsView::OnEditCopy() {
  if (m_wndAttrGrid.CanCopySelection()) m_wndAttrGrid.CopySelection();
}

void CBusObjAttrsView::OnEditCut() {
  if (m_wndAttrGrid.CanCopySelection()) m_wndAttrGrid.CutSelection();
}

void CBusObjAttrsView::OnEditPaste() { m_wndAttrGrid.PasteSelection(); }

void CBusObjAttrsView::OnUpdateCopyOrCut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.CanCopySelection()); }

void CBusObjAttrsView::OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.CanPasteSelection()); }

void CBusObjAttrsView::OnToParent() {
  if (m_wndAttrGrid.CanMoveToParentLevel()) m_wndAttrGrid.MoveToParentLevel();
}

void CBusObjAttrsView::OnUpdateToParent(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.CanMoveToParentLevel()); }

void CBusObjAttrsView::OnSelectAll() { m_wndAttrGrid.SelectAllRows(); }

void CBusObjAttrsView::OnDeleteRow() {
  if (m_wndAttrGrid.CanDeleteRows()) m_wndAttrGrid.DeleteSelectedRows();
}

void CBusObjAttrsView::OnUpdateDeleteRow(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.CanDeleteRows()); }

void CBusObjAttrsView::OnInsertAbove() {
  if (m_wndAttrGrid.CanInsertAbove()) m_wndAttrGrid.InsertAbove();
}

void CBusObjAttrsView::OnUpdateInsertAbove(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.CanInsertAbove()); }

void CBusObjAttrsView::OnInsertBelow() {
  if (m_wndAttrGrid.CanInsertBelow()) m_wndAttrGrid.InsertBelow();
}

void CBusObjAttrsView::OnUpdateInsertBelow(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.CanInsertBelow()); }

void CBusObjAttrsView::OnMoveUp() { m_wndAttrGrid.MoveRowsUp(); }

void CBusObjAttrsView::OnMoveDown() { m_wndAttrGrid.MoveRowsDown(); }

void CBusObjAttrsView::OnUpdateMove(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndAttrGrid.IsSortedByPosition()); }

void CBusObjAttrsView::OnExpandAll() { m_wndAttrGrid.ExpandAll(); }

void CBusObjAttrsView::OnCollapseAll() { m_wndAttrGrid.CollapseAll(); }

void CBusObjAttrsView::OnFilePrintPreview() {
  CWaitCursor wait;
  CView::OnFilePrintPreview();
}

// --- The data manager's notice of a definition that goes ---------------------

// The window closes when its own definition goes; a contained one that goes
// only collapses where this window shows it.
LRESULT CBusObjAttrsView::OnDefGoneNotice(WPARAM wParam, LPARAM lParam) {
  const CString name = CDataManager::TakeNoticeName(wParam, lParam);
  if (name.IsEmpty()) return 0;
  if (name == m_strBOName) {
    if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DestroyWindow();
    return 0;
  }
  // The grid lets the expansion go: the map entry and this window's hold.
  m_wndAttrGrid.CollapseWithdrawn(name);
  return 0;
}

// --- Printing ---------------------------------------------------------------------

BOOL CBusObjAttrsView::OnPreparePrinting(CPrintInfo* pInfo) {
  pInfo->m_pPD->m_pd.Flags &= ~static_cast<DWORD>(PD_NOSELECTION);
  pInfo->SetMaxPage(kOpenPageCount);
  return DoPreparePrinting(pInfo);
}

CGXGridCore* CBusObjAttrsView::GetPrintedGrid() { return &m_wndAttrGrid; }
