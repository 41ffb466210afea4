// The import-results dialog: rows, actions, select-all, the new-name
// checks of OK and the freeing of Cancel.
#include "DlgImportResults.h"

#include <UtilFunc.h>

#include <cstdlib>

#include "ResourceScope.h"
#include "resource.h"

const CString g_strImportActions[kEntityActionCount] = {"Keep Import\\RenameLocal", "Keep Local\\Rename Import",
                                                        "Overwrite Local", "Don't Import"};
const CString g_strServerActions[kEntityActionCount] = {"Keep Local\\Rename Server", "Keep Server\\Rename Local",
                                                        "Overwrite Server", "Overwrite Local"};

namespace {

constexpr UINT WM_APPLY_SELECT_ALL = WM_USER + 10;

// The rename actions need a new name; the others none.
bool IsRename(int nAction) { return nAction == 0 || nAction == 1; }

struct ObjectType {
  const char* type;
  const char* prefix;  // of the "... name already exists" message
};

constexpr ObjectType kTypes[] = {
    {"Business Object", "Business Object with "},
    {"Collaboration Template", "Collaboration Template with "},
    {"Collaboration", "Collaboration with "},
    {"Connector", "Connector with "},
    {"Map", "Map with "},
    {"Relationship", "Relationship with "},
};

const ObjectType* TypeOf(const CString& strType) {
  for (const ObjectType& type : kTypes) {
    if (strType.CompareNoCase(type.type) == 0) return &type;
  }
  return nullptr;
}

bool ListHolds(const CStringList* pList, const CString& name) {
  if (pList == nullptr) return false;
  for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
    if (pList->GetNext(pos).CompareNoCase(name) == 0) return true;
  }
  return false;
}

CString NameExists(const ObjectType& type, const CString& name) {
  return CString(type.prefix) + name + " name already exists";
}

void ColumnTitle(CGXGridCore& grid, ROWCOL nCol, LPCTSTR title, int nWidth) {
  grid.SetValueRange(CGXRange(0, nCol), title);
  grid.SetColWidth(nCol, nCol, nWidth);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgImportResults, CDlgResultsBase)
  ON_BN_CLICKED(IDC_SELECT_ALL_FIRST, OnSelectAll)
  ON_BN_CLICKED(IDC_SELECT_ALL_SECOND, OnSelectAll)
  ON_MESSAGE(WM_APPLY_SELECT_ALL, OnApplySelectAll)
END_MESSAGE_MAP()

CDlgImportResults::CDlgImportResults(CWnd* pParent, int nMode, BOOL bDeleteObjects)
    : CDlgResultsBase(IDD, pParent), m_nMode(nMode), m_bDeleteObjects(bDeleteObjects) {}

CDlgImportResults::~CDlgImportResults() = default;

const CString* CDlgImportResults::GetActions() const {
  return m_nMode == kServerMode ? g_strServerActions : g_strImportActions;
}

void CDlgImportResults::DoDataExchange(CDataExchange* pDX) {
  CDlgResultsBase::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_SELECT_ALL_FIRST, m_nSelectAll);
}

BOOL CDlgImportResults::OnInitDialog() {
  velmora::ResourceScope resources;
  CDlgResultsBase::OnInitDialog();
  if (m_nMode == kServerMode) {
    SetDlgItemText(IDC_SELECT_ALL_SECOND, "Overwrite Server");
    m_wndHeader.SetWindowText(
        "The connection process found the following duplicate object names.\n Choose the appropriate action to "
        "resolve the duplication.");
  }
  return FALSE;
}

void CDlgImportResults::FillGrid() {
  CGridImportResults& grid = m_wndGrid;
  grid.LockUpdate(TRUE);
  grid.SetColCount(4);
  grid.SetRowCount(static_cast<ROWCOL>(m_arrEntities.GetSize()));
  ColumnTitle(grid, CGridImportResults::kObjectCol, "Object", 120);
  ColumnTitle(grid, CGridImportResults::kTypeCol, "Type", 100);
  ColumnTitle(grid, CGridImportResults::kActionCol, "Action", 150);
  ColumnTitle(grid, CGridImportResults::kNewNameCol, "New Name", 130);
  CString choices;
  for (int i = 0; i < kEntityActionCount; ++i) choices += GetActions()[i] + "\n";
  for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) {
    const Entity& entity = *m_arrEntities[i];
    const auto nRow = static_cast<ROWCOL>(i + 1);
    grid.SetStaticText(nRow, CGridImportResults::kObjectCol, entity.m_strName);
    grid.SetStaticText(nRow, CGridImportResults::kTypeCol, entity.m_strType);
    grid.SetStyleRange(CGXRange(nRow, CGridImportResults::kActionCol),
                       CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(choices).SetValue("0"));
    grid.SetStyleRange(CGXRange(nRow, CGridImportResults::kNewNameCol),
                       CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetValue("").SetReadOnly(FALSE));
  }
  grid.LockUpdate(FALSE);
  grid.Redraw();
}

int CDlgImportResults::SelectAllAction(int nRadio) const {
  if (nRadio != 0 && nRadio != 1) return -1;
  if (m_nMode == kServerMode) return nRadio == 0 ? 3 : 2;
  return nRadio == 0 ? 2 : 3;
}

void CDlgImportResults::OnActionChanged(ROWCOL nRow, int nAction) {
  if (m_nSelectAll != -1 && SelectAllAction(m_nSelectAll) != nAction) {
    m_nSelectAll = -1;
    CheckDlgButton(IDC_SELECT_ALL_FIRST, BST_UNCHECKED);
    CheckDlgButton(IDC_SELECT_ALL_SECOND, BST_UNCHECKED);
  }
  if (nRow >= 1 && nRow <= static_cast<ROWCOL>(m_arrEntities.GetSize())) m_arrEntities[nRow - 1]->m_nAction = nAction;
}

void CDlgImportResults::OnSelectAll() {
  UpdateData(TRUE);
  PostMessage(WM_APPLY_SELECT_ALL);
}

LRESULT CDlgImportResults::OnApplySelectAll(WPARAM, LPARAM) {
  const int nAction = SelectAllAction(m_nSelectAll);
  if (nAction < 0) return 0;
  for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) {
    const auto nRow = static_cast<ROWCOL>(i + 1);
    if (std::atoi(m_wndGrid.GetValueRowCol(nRow, CGridImportResults::kActionCol)) == nAction) continue;
    m_wndGrid.SetControlTextRowCol(nRow, CGridImportResults::kActionCol, GetActions()[nAction]);
    m_wndGrid.SetColReadOnly(nRow, CGridImportResults::kNewNameCol);
    m_arrEntities[i]->m_nAction = nAction;
  }
  return 0;
}

const CStringList* CDlgImportResults::NamesInUse(const CString& strType) const {
  const ObjectType* type = TypeOf(strType);
  if (type == nullptr) return nullptr;
  if (type == &kTypes[0]) return m_pBONames;
  const CStringList* lists[] = {&m_lstTemplateNames, &m_lstCollaborationNames, &m_lstConnectorNames, &m_lstMapNames,
                                &m_lstRelationshipNames};
  return lists[type - &kTypes[1]];
}

CString CDlgImportResults::CheckNewName(ROWCOL nRow) {
  const CString strNewName = m_wndGrid.GetValueRowCol(nRow, CGridImportResults::kNewNameCol);
  const CString strType = m_wndGrid.GetValueRowCol(nRow, CGridImportResults::kTypeCol);
  const int nAction = std::atoi(m_wndGrid.GetValueRowCol(nRow, CGridImportResults::kActionCol));
  if (IsRename(nAction) &&
      (strNewName.IsEmpty() || !CUtilFunc::ValidateName(HvObjBusObj, strNewName, FALSE, nullptr))) {
    CString message;
    message.Format("Please Enter Valid Name at row %d", static_cast<int>(nRow));
    return message;
  }
  const ObjectType* type = TypeOf(strType);
  if (type == nullptr) return CString();
  if (ListHolds(NamesInUse(strType), strNewName)) return NameExists(*type, strNewName);
  if (!IsRename(nAction)) return CString();
  // No two objects may end under one name: a rename takes neither a row's
  // own name nor the new name given to another row.
  for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) {
    if (m_arrEntities[i]->m_strType.CompareNoCase(strType) != 0) continue;
    const auto nOther = static_cast<ROWCOL>(i + 1);
    const bool takesName = m_arrEntities[i]->m_strName.CompareNoCase(strNewName) == 0;
    const bool takesNewName =
        nOther != nRow && IsRename(std::atoi(m_wndGrid.GetValueRowCol(nOther, CGridImportResults::kActionCol))) &&
        m_wndGrid.GetValueRowCol(nOther, CGridImportResults::kNewNameCol).CompareNoCase(strNewName) == 0;
    if (takesName || takesNewName) return NameExists(*type, strNewName);
  }
  return CString();
}

void CDlgImportResults::OnOK() {
  m_wndGrid.TransferCurrentCell();
  const ROWCOL nRows = static_cast<ROWCOL>(m_arrEntities.GetSize());
  for (ROWCOL nRow = 1; nRow <= nRows; ++nRow) {
    const CString message = CheckNewName(nRow);
    if (!message.IsEmpty()) {
      AfxMessageBox(message, MB_OK);
      return;
    }
  }
  for (ROWCOL nRow = 1; nRow <= nRows; ++nRow) {
    Entity& entity = *m_arrEntities[nRow - 1];
    entity.m_nAction = std::atoi(m_wndGrid.GetValueRowCol(nRow, CGridImportResults::kActionCol));
    entity.m_strNewName =
        IsRename(entity.m_nAction) ? m_wndGrid.GetValueRowCol(nRow, CGridImportResults::kNewNameCol) : CString();
  }
  CDlgResultsBase::OnOK();
}

void CDlgImportResults::OnCancel() {
  const bool deleteObjects = m_nMode != kServerMode && m_bDeleteObjects;
  for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) {
    if (deleteObjects) delete m_arrEntities[i]->m_pObject;
    delete m_arrEntities[i];
  }
  m_arrEntities.RemoveAll();
  CDlgResultsBase::OnCancel();
}
