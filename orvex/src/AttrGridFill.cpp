// The attribute grid's rows: filling them from the definitions (depth
// first through expanded attributes, then the empty row) and finding the
// attribute of a row from its row path.
#include <algorithm>
#include <cstdlib>

#include "AttrGridCtrl.h"
#include "AttrGridStyles.h"

struct CAttrGridCtrl::RowDesc {
  CQRBusObjDef* pDef = nullptr;
  CBODefAttr* pAttr = nullptr;  // null: the empty row
  int nLevel = 0;
  CString strRowPath;
  CString strPosPath;
};

using namespace attrgrid;

namespace {

CString ChildPath(const CString& parent, int component) {
  CString path;
  if (parent.IsEmpty())
    path.Format("%d", component);
  else
    path.Format("%s.%d", static_cast<LPCTSTR>(parent), component);
  return path;
}

// The path up to and including its last ".", or empty at the top level.
CString ParentPrefix(const CString& path) {
  const int dot = path.ReverseFind('.');
  return dot >= 0 ? path.Left(dot + 1) : CString();
}

// The components of a path ("2.3" gives 2, 3); empty when it is malformed.
std::vector<int> PathComponents(const CString& path) {
  std::vector<int> components;
  const char* p = path;
  while (*p != '\0') {
    char* end = nullptr;
    const long value = std::strtol(p, &end, 10);
    if (end == p || value < 1) return {};
    components.push_back(static_cast<int>(value));
    if (*end == '.')
      ++end;
    else if (*end != '\0')
      return {};
    p = end;
  }
  return components;
}

}  // namespace

BOOL CAttrGridCtrl::IsVisited(const CString& name) const {
  void* pDef = nullptr;
  return m_mapVisited.Lookup(name, pDef);
}

void CAttrGridCtrl::CollectRows(CQRBusObjDef* pDef, int level, const CString& rowParent, const CString& posParent,
                                std::vector<RowDesc>& rows) {
  CBODefAttrArray& attrs = pDef->GetAttrs();
  for (INT_PTR i = 0; i < attrs.GetSize(); ++i) {
    CBODefAttr* pAttr = attrs[i];
    RowDesc desc;
    desc.pDef = pDef;
    desc.pAttr = pAttr;
    desc.nLevel = level;
    desc.strRowPath = ChildPath(rowParent, static_cast<int>(i) + 1);
    desc.strPosPath = ChildPath(posParent, pAttr->GetPosition());
    // A definition already on the way down shows collapsed there: that
    // breaks cycles. An expansion without its definition is none.
    if (IsBusObjAttr(*pAttr) && pAttr->IsExpanded() &&
        (IsVisited(pAttr->GetTypeName()) || pAttr->GetContainedDef() == nullptr)) {
      pAttr->Collapse();
    }
    rows.push_back(desc);
    if (IsBusObjAttr(*pAttr) && pAttr->IsExpanded()) {
      const CString type = pAttr->GetTypeName();
      m_mapVisited.SetAt(type, pAttr->GetContainedDef());
      CollectRows(pAttr->GetContainedDef(), level + 1, desc.strRowPath, desc.strPosPath, rows);
      m_mapVisited.RemoveKey(type);
    }
  }
}

// The empty row belongs to the definition of the last row and continues
// its numbering; with no rows at all, to the shown definition.
CAttrGridCtrl::RowDesc CAttrGridCtrl::EmptyRowDesc(const std::vector<RowDesc>& rows) {
  RowDesc desc;
  desc.pDef = rows.empty() ? m_pBODef : rows.back().pDef;
  desc.nLevel = rows.empty() ? 0 : rows.back().nLevel;
  const int next = static_cast<int>(desc.pDef->GetAttrs().GetSize()) + 1;
  CString number;
  number.Format("%d", next);
  desc.strRowPath = (rows.empty() ? CString() : ParentPrefix(rows.back().strRowPath)) + number;
  desc.strPosPath = (rows.empty() ? CString() : ParentPrefix(rows.back().strPosPath)) + number;
  return desc;
}

void CAttrGridCtrl::FillGrid() {
  if (m_pBODef == nullptr) return;
  // An open editor's text goes to the model before the rows go.
  if (IsActiveCurrentCell()) TransferCurrentCell(TRUE, GX_INVALIDATE);
  ResetCurrentCell(FALSE);
  ClearSelection(FALSE);
  const ROWCOL topRow = GetTopRow();
  const BOOL wasLocked = LockUpdate(TRUE);
  CGXGridParam* param = GetParam();
  const BOOL lockReadOnly = param->IsLockReadOnly();
  param->SetLockReadOnly(FALSE);

  std::vector<RowDesc> rows;
  m_mapVisited.RemoveAll();
  m_mapVisited.SetAt(m_pBODef->name(0), m_pBODef);
  CollectRows(m_pBODef, 0, CString(), CString(), rows);
  m_mapVisited.RemoveAll();
  rows.push_back(EmptyRowDesc(rows));

  SetRowCount(0, GX_NOREDRAW);
  SetRowCount(static_cast<ROWCOL>(rows.size()), GX_NOREDRAW);
  m_rowAttrs.clear();
  m_rowAttrs.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const ROWCOL row = static_cast<ROWCOL>(i) + 1;
    if (rows[i].pAttr != nullptr)
      ApplyRow(row, rows[i]);
    else
      ApplyEmptyRow(row, rows[i]);
    m_rowAttrs.push_back(rows[i].pAttr);
  }

  param->SetLockReadOnly(lockReadOnly);
  SyncSortMarker();
  SetTopRow(std::min(std::max<ROWCOL>(topRow, 1), GetRowCount()), GX_NOREDRAW);
  LockUpdate(wasLocked);
  Redraw();
}

void CAttrGridCtrl::FillGridKeeping(ROWCOL nRow, ROWCOL nCol) {
  FillGrid();
  if (nRow >= 1 && nRow <= GetRowCount()) SetCurrentCell(nRow, nCol);
}

void CAttrGridCtrl::ApplyRow(ROWCOL nRow, const RowDesc& desc) {
  const CBODefAttr& attr = *desc.pAttr;
  using Col = CBOColumnTable;
  SetStyleRange(CGXRange().SetRows(nRow), CGXStyle().SetInterior(LevelTint(desc.nLevel)), gxOverride, 0, GX_NOREDRAW);
  SetValueRange(CGXRange(nRow, Col::kRowPath), desc.strRowPath, gxOverride, 0, GX_NOREDRAW);
  auto put = [this, nRow](ROWCOL col, const CGXStyle& style) {
    SetStyleRange(CGXRange(nRow, col), style, gxOverride, 0, GX_NOREDRAW);
  };
  put(Col::kPos, TextCell(desc.strPosPath));

  if (attr.GetName() == CBODefAttr::ATTR_OBJECT_EVENT_ID) {
    put(Col::kName, GreyCell(attr.GetName()));
    put(Col::kType, GreyCell(attr.GetTypeName()));
    for (ROWCOL col = Col::kKey; col <= Col::kDefault; ++col) put(col, GreyCell(""));
  } else if (IsBusObjAttr(attr)) {
    const int kind = attr.IsExpanded() ? kExpandedEditor : kCollapsedEditor;
    CGXStyle name = EditCell(EditorId(kind, desc.nLevel), attr.GetName(), kMaxNameLength);
    if (attr.IsExpanded()) name.SetInterior(LevelTint(desc.nLevel + 1));
    put(Col::kName, name);
    put(Col::kType, TypeCell(attr.GetTypeName()));
    PutFlags(nRow, attr);
    put(Col::kCard, CGXStyle()
                        .SetControl(GX_IDS_CTRL_CHOICELIST)
                        .SetChoiceList(kCardinalityChoices)
                        .SetValue(attr.GetCardinality()));
    put(Col::kMaxLength, GreyCell(""));
    put(Col::kDefault, GreyCell(""));
  } else {
    put(Col::kName, EditCell(EditorId(kIndentEditor, desc.nLevel), attr.GetName(), kMaxNameLength));
    put(Col::kType, TypeCell(attr.GetTypeName()));
    PutFlags(nRow, attr);
    put(Col::kCard, TextCell(""));
    const BOOL hasLength = attr.GetTypeName().IsEmpty() || attr.GetTypeName().CompareNoCase("String") == 0;
    put(Col::kMaxLength, hasLength ? EditCell(GX_IDS_CTRL_EDIT, attr.GetMaxLength(), kMaxLengthLength) : TextCell(""));
    if (attr.GetTypeName().CompareNoCase("Boolean") == 0)
      put(Col::kDefault,
          CGXStyle().SetControl(kBooleanControl).SetChoiceList(kBooleanChoices).SetValue(attr.GetDefaultValue()));
    else
      put(Col::kDefault, EditCell(GX_IDS_CTRL_EDIT, attr.GetDefaultValue(), kMaxTextLength));
  }
  put(Col::kAppInfo, EditCell(GX_IDS_CTRL_EDIT, attr.GetAppInfo(), kMaxTextLength));
  put(Col::kComments, EditCell(GX_IDS_CTRL_EDIT, attr.GetComments(), kMaxCommentLength));
}

void CAttrGridCtrl::PutFlags(ROWCOL nRow, const CBODefAttr& attr) {
  const BOOL flags[] = {attr.IsKey(), attr.IsForeignKey(), attr.IsRequired()};
  for (ROWCOL i = 0; i < 3; ++i) {
    SetStyleRange(CGXRange(nRow, CBOColumnTable::kKey + i), CheckCell(flags[i]), gxOverride, 0, GX_NOREDRAW);
  }
}

void CAttrGridCtrl::ApplyEmptyRow(ROWCOL nRow, const RowDesc& desc) {
  using Col = CBOColumnTable;
  SetStyleRange(CGXRange().SetRows(nRow), CGXStyle().SetInterior(LevelTint(desc.nLevel)), gxOverride, 0, GX_NOREDRAW);
  SetValueRange(CGXRange(nRow, Col::kRowPath), desc.strRowPath, gxOverride, 0, GX_NOREDRAW);
  auto put = [this, nRow](ROWCOL col, const CGXStyle& style) {
    SetStyleRange(CGXRange(nRow, col), style, gxOverride, 0, GX_NOREDRAW);
  };
  put(Col::kPos, TextCell(desc.strPosPath));
  put(Col::kName, EditCell(EditorId(kIndentEditor, desc.nLevel), "", kMaxNameLength));
  put(Col::kType, TypeCell(""));
  for (ROWCOL col = Col::kKey; col <= Col::kRequired; ++col) put(col, CheckCell(FALSE));
  put(Col::kCard, GreyCell(""));
  put(Col::kMaxLength, EditCell(GX_IDS_CTRL_EDIT, kEmptyRowMaxLength, kMaxLengthLength));
  put(Col::kDefault, EditCell(GX_IDS_CTRL_EDIT, "", kMaxTextLength));
  put(Col::kAppInfo, EditCell(GX_IDS_CTRL_EDIT, "", kMaxTextLength));
  put(Col::kComments, EditCell(GX_IDS_CTRL_EDIT, "", kMaxCommentLength));
}

// --- Finding a row's attribute ------------------------------------------

BOOL CAttrGridCtrl::ResolveRow(ROWCOL nRow, RowRef& ref) {
  ref = RowRef{};
  if (nRow < 1 || nRow > GetRowCount()) return FALSE;
  if (!ResolvePath(GetValueRowCol(nRow, CBOColumnTable::kRowPath), nRow == GetEmptyRow(), ref)) return FALSE;
  ref.nRow = nRow;
  return TRUE;
}

BOOL CAttrGridCtrl::ResolvePath(const CString& rowPath, BOOL bEmptyRow, RowRef& ref) {
  ref = RowRef{};
  if (m_pBODef == nullptr) return FALSE;
  const std::vector<int> path = PathComponents(rowPath);
  if (path.empty()) return FALSE;
  CQRBusObjDef* pDef = m_pBODef;
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const INT_PTR index = path[i] - 1;
    if (index >= pDef->GetAttrs().GetSize()) return FALSE;
    const CBODefAttr* pAttr = pDef->GetAttrs()[index];
    if (!pAttr->IsExpanded() || pAttr->GetContainedDef() == nullptr) return FALSE;
    pDef = pAttr->GetContainedDef();
  }
  const INT_PTR index = path.back() - 1;
  const INT_PTR count = pDef->GetAttrs().GetSize();
  ref.pDef = pDef;
  if (bEmptyRow) {
    // The empty row names the definition a new attribute goes into.
    ref.nIndex = static_cast<int>(count);
    return TRUE;
  }
  if (index >= count) return FALSE;
  ref.nIndex = static_cast<int>(index);
  ref.pAttr = pDef->GetAttrs()[index];
  return TRUE;
}

CBODefAttr* CAttrGridCtrl::GetRowAttr(ROWCOL nRow) {
  RowRef ref;
  return ResolveRow(nRow, ref) ? ref.pAttr : nullptr;
}

BOOL CAttrGridCtrl::IsObjectEventIdRow(ROWCOL nRow) {
  const CBODefAttr* pAttr = GetRowAttr(nRow);
  return pAttr != nullptr && pAttr->GetName() == CBODefAttr::ATTR_OBJECT_EVENT_ID;
}

ROWCOL CAttrGridCtrl::RowOfAttr(const CBODefAttr* pAttr) const {
  if (pAttr == nullptr) return 0;
  const auto it = std::find(m_rowAttrs.begin(), m_rowAttrs.end(), pAttr);
  return it != m_rowAttrs.end() ? static_cast<ROWCOL>(it - m_rowAttrs.begin()) + 1 : 0;
}
