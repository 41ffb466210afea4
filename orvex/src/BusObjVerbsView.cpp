#include "BusObjVerbsView.h"

#include <Constants.h>

#include "ChildFrame.h"
#include "OrvexDoc.h"
#include "resource.h"

namespace {

constexpr int kAppInfoLimit = 255;
constexpr int kMargin = 5;
constexpr int kAppInfoHeight = 20;

bool IsEditWindow(HWND hWnd) {
  char className[16] = {};
  ::GetClassName(hWnd, className, sizeof(className));
  return ::lstrcmpi(className, "Edit") == 0;
}

}  // namespace

IMPLEMENT_DYNCREATE(CBusObjVerbsView, COrvexView)

BEGIN_MESSAGE_MAP(CBusObjVerbsView, COrvexView)
  ON_WM_SIZE()
  ON_EN_CHANGE(IDC_VERBS_APPINFO, OnChangeAppInfo)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCutCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCutCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
  ON_COMMAND(ID_EDIT_DELETE_ROW, OnDeleteRow)
  ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_ROW, OnUpdateDeleteRow)
  ON_COMMAND(ID_EDIT_SELECT_ROWS, OnSelectAll)
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CBusObjVerbsView::CBusObjVerbsView() : COrvexView(IDD_VERBS_VIEW) {}

CBusObjVerbsView::~CBusObjVerbsView() = default;

void CBusObjVerbsView::DoDataExchange(CDataExchange* pDX) {
  COrvexView::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_VERBS_APPINFO, m_editAppInfo);
  DDX_Text(pDX, IDC_VERBS_APPINFO, m_strAppInfo);
}

void CBusObjVerbsView::OnInitialUpdate() {
  COrvexView::OnInitialUpdate();
  m_wndVerbGrid.SubclassDlgItem(IDC_VERB_GRID, this);
  m_wndVerbGrid.Initialize();
  CQRBusObjDef* pDef = GetBODef();
  m_strAppInfo = pDef != nullptr ? pDef->GetAppInfo() : CString();
  UpdateData(FALSE);
  m_editAppInfo.SetLimitText(kAppInfoLimit);
  CRect client;
  GetClientRect(&client);
  OnSize(SIZE_RESTORED, client.Width(), client.Height());
}

void CBusObjVerbsView::OnSize(UINT nType, int cx, int cy) {
  COrvexView::OnSize(nType, cx, cy);
  if (m_wndVerbGrid.GetSafeHwnd() != nullptr) {
    CRect grid;
    m_wndVerbGrid.GetWindowRect(&grid);
    ScreenToClient(&grid);
    m_wndVerbGrid.MoveWindow(grid.left, grid.top, std::max(0, cx - kMargin - grid.left),
                             std::max(0, cy - kMargin - grid.top));
  }
  if (m_editAppInfo.GetSafeHwnd() != nullptr) {
    CRect edit;
    m_editAppInfo.GetWindowRect(&edit);
    ScreenToClient(&edit);
    m_editAppInfo.MoveWindow(edit.left, edit.top, std::max(0, cx - kMargin - edit.left), kAppInfoHeight);
  }
  // The controls follow the tab: the form never scrolls.
  SetScrollSizes(MM_TEXT, CSize(0, 0));
}

void CBusObjVerbsView::OnChangeAppInfo() {
  CQRBusObjDef* pDef = GetBODef();
  if (pDef == nullptr || m_editAppInfo.GetSafeHwnd() == nullptr) return;
  CString text;
  m_editAppInfo.GetWindowText(text);
  if (text == pDef->GetAppInfo()) return;
  pDef->SetAppInfo(text);
  // A change of the text is a change of the definition, as a grid edit is.
  pDef->AddState(HvStateModified);
  pDef->RemoveState(HvStateWrittenToFile);
}

void CBusObjVerbsView::RefreshFromDef() {
  auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, GetParentFrame());
  if (pFrame == nullptr || pFrame->GetActiveTabView() == nullptr || m_wndVerbGrid.GetSafeHwnd() == nullptr) return;
  const CQRBusObjDef* pDef = GetBODef();
  m_wndVerbGrid.FillGrid(pDef != nullptr && pDef->GetVerbs().GetSize() > 0);
}

BOOL CBusObjVerbsView::WriteGridToTextFile(const char* path) {
  return WriteRowsToTextFile(path, m_wndVerbGrid, m_wndVerbGrid.GetRowCount());
}

// --- Clipboard -------------------------------------------------------------------------

CEdit* CBusObjVerbsView::FocusedPlainEdit() {
  const HWND focus = ::GetFocus();
  if (focus == nullptr || !IsEditWindow(focus) || ::GetParent(focus) == m_wndVerbGrid.GetSafeHwnd()) return nullptr;
  return focus == m_editAppInfo.GetSafeHwnd() ? &m_editAppInfo : nullptr;
}

BOOL CBusObjVerbsView::GridHasSelection() {
  CRowColArray starts;
  CRowColArray ends;
  return m_wndVerbGrid.GetSelectedRows(starts, ends, FALSE, FALSE) > 0;
}

BOOL CBusObjVerbsView::ClipboardHoldsVerbRows() {
  const UINT format = ::RegisterClipboardFormat(g_strClipboardFormat);
  if (!::IsClipboardFormatAvailable(format) || !::OpenClipboard(nullptr)) return FALSE;
  const auto* pDef =
      DYNAMIC_DOWNCAST(CQRBusObjDef, CQRObj::FromClipboardData(::GetClipboardData(format), QR_CLIPBOARD_BODEF));
  const BOOL holds = pDef != nullptr && pDef->GetVerbs().GetSize() > 0;
  ::CloseClipboard();
  return holds;
}

void CBusObjVerbsView::OnEditCut() {
  if (CEdit* pEdit = FocusedPlainEdit()) {
    pEdit->SendMessage(WM_CUT);
  } else {
    m_wndVerbGrid.CutSelection();
  }
}

void CBusObjVerbsView::OnEditCopy() {
  if (CEdit* pEdit = FocusedPlainEdit()) {
    pEdit->SendMessage(WM_COPY);
  } else {
    m_wndVerbGrid.CopySelection();
  }
}

void CBusObjVerbsView::OnEditPaste() {
  if (CEdit* pEdit = FocusedPlainEdit()) {
    pEdit->SendMessage(WM_PASTE);
  } else {
    m_wndVerbGrid.PasteSelection();
  }
}

void CBusObjVerbsView::OnUpdateEditCutCopy(CCmdUI* pCmdUI) {
  if (CEdit* pEdit = FocusedPlainEdit()) {
    int start = 0;
    int end = 0;
    pEdit->GetSel(start, end);
    pCmdUI->Enable(end > start);
    return;
  }
  const auto* pEditor = dynamic_cast<CGXEditControl*>(m_wndVerbGrid.GetCurrentCellControl());
  const BOOL editorSelection = pEditor != nullptr && m_wndVerbGrid.IsActiveCurrentCell() && pEditor->HasSelectedText();
  pCmdUI->Enable(GridHasSelection() || editorSelection);
}

void CBusObjVerbsView::OnUpdateEditPaste(CCmdUI* pCmdUI) {
  const BOOL text = ::IsClipboardFormatAvailable(CF_TEXT);
  if (FocusedPlainEdit() != nullptr) {
    pCmdUI->Enable(text);
    return;
  }
  const BOOL target = GridHasSelection() || m_wndVerbGrid.IsActiveCurrentCell();
  pCmdUI->Enable(target && (text || ClipboardHoldsVerbRows()));
}

void CBusObjVerbsView::OnDeleteRow() { m_wndVerbGrid.DeleteSelectedRows(); }

void CBusObjVerbsView::OnUpdateDeleteRow(CCmdUI* pCmdUI) { pCmdUI->Enable(m_wndVerbGrid.HasRowSelection()); }

void CBusObjVerbsView::OnSelectAll() { m_wndVerbGrid.SelectAllRows(); }

// --- Printing ----------------------------------------------------------------------------

BOOL CBusObjVerbsView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

CGXGridCore* CBusObjVerbsView::GetPrintedGrid() { return &m_wndVerbGrid; }
