// Committing an edited cell of the attribute grid to its attribute: the
// empty row becomes a new attribute when it was really edited, and a type
// change follows its rules.
#include "AttrGridCtrl.h"
#include "AttrGridStyles.h"
#include "DefModified.h"
#include "DlgBOName.h"
#include "OrvexDoc.h"

using namespace attrgrid;

void CAttrGridCtrl::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  HLGrid::OnModifyCell(nRow, nCol);
  if (nRow < 1 || nRow > GetRowCount() || nCol <= CBOColumnTable::kPos) return;
  CString text = GetValueRowCol(nRow, nCol);
  if (nCol != CBOColumnTable::kDefault) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed != text) SetValueRange(CGXRange(nRow, nCol), trimmed, gxOverride, 0, GX_INVALIDATE);
    text = trimmed;
  }
  RowRef ref;
  if (!ResolveRow(nRow, ref)) return;
  const BOOL created = ref.pAttr == nullptr;
  if (created) {
    // The empty row shows defaults: storing one of them adds nothing.
    if (IsEmptyRowDefault(nCol, text)) return;
    ref.pAttr = AppendAttribute(ref);
  }
  if (nCol == CBOColumnTable::kType) {
    if (!ChangeType(nRow, ref, text) && created) FillGridKeeping(nRow, nCol);
    return;
  }
  MarkDefModified(*ref.pDef);
  StoreField(*ref.pAttr, nCol, text);
  if (created) FillGridKeeping(nRow, nCol);
}

BOOL CAttrGridCtrl::IsEmptyRowDefault(ROWCOL nCol, const CString& text) const {
  switch (nCol) {
    case CBOColumnTable::kKey:
    case CBOColumnTable::kForeign:
    case CBOColumnTable::kRequired:
      return text.IsEmpty() || text == "0";
    case CBOColumnTable::kMaxLength:
      return text == kEmptyRowMaxLength;
    default:
      return text.IsEmpty();
  }
}

// A new attribute at the end of the definition the empty row names, with
// the maximum length the empty row showed.
CBODefAttr* CAttrGridCtrl::AppendAttribute(const RowRef& ref) {
  CBODefAttrArray& attrs = ref.pDef->GetAttrs();
  auto* pAttr = new CBODefAttr(static_cast<int>(attrs.GetSize()) + 1, "", "");
  pAttr->SetMaxLength(kEmptyRowMaxLength);
  attrs.Add(pAttr);
  MarkDefModified(*ref.pDef);
  return pAttr;
}

void CAttrGridCtrl::StoreField(CBODefAttr& attr, ROWCOL nCol, const CString& text) {
  switch (nCol) {
    case CBOColumnTable::kName:
      attr.SetName(text);
      break;
    case CBOColumnTable::kKey:
      attr.SetKey(text == "1");
      break;
    case CBOColumnTable::kForeign:
      attr.SetForeignKey(text == "1");
      break;
    case CBOColumnTable::kRequired:
      attr.SetRequired(text == "1");
      break;
    case CBOColumnTable::kCard:
      attr.SetCardinality(text);
      break;
    case CBOColumnTable::kMaxLength:
      attr.SetMaxLength(text);
      break;
    case CBOColumnTable::kDefault:
      attr.SetDefaultValue(text);
      break;
    case CBOColumnTable::kAppInfo:
      attr.SetAppInfo(text);
      break;
    case CBOColumnTable::kComments:
      attr.SetComments(text);
      break;
    default:
      break;
  }
}

BOOL CAttrGridCtrl::ChangeType(ROWCOL nRow, const RowRef& ref, CString type) {
  CBODefAttr& attr = *ref.pAttr;
  if (type == attr.GetTypeName()) return FALSE;
  int item = TypeListIndex(type);
  if (item == kNewBusObjItem || type.CompareNoCase(kNewBusinessObject) == 0) {
    if (!AskNewBusinessObject(type)) {
      SetValueRange(CGXRange(nRow, CBOColumnTable::kType), attr.GetTypeName(), gxOverride, 0, GX_INVALIDATE);
      return FALSE;
    }
    item = TypeListIndex(type);
  }
  MarkDefModified(*ref.pDef);
  if (item >= kFirstBusObjItem) {
    CollapseAttr(attr);
    attr.SetMaxLength("");
    attr.SetDefaultValue("");
    attr.SetTypeName(type);
    attr.SetSimpleType(FALSE);
    attr.SetContainedObjectVersion("1.0.0");
  } else {
    if (IsBusObjAttr(attr)) {
      CollapseAttr(attr);
      attr.SetCardinality("");
      attr.SetMaxLength(type.CompareNoCase("String") == 0 ? "255" : "");
    } else if (!type.IsEmpty() && type.CompareNoCase("String") != 0) {
      attr.SetMaxLength("");
    }
    attr.SetTypeName(type);
    attr.SetSimpleType(TRUE);
  }
  FillGridKeeping(nRow, CBOColumnTable::kType);
  return TRUE;
}

// The name dialog over the window's frame; on OK a new definition of that
// name, which every open attributes tab then lists.
BOOL CAttrGridCtrl::AskNewBusinessObject(CString& name) {
  CWnd* pOwner = m_pView != nullptr ? static_cast<CWnd*>(m_pView->GetParentFrame()) : GetParent();
  CDlgBOName dialog(pOwner);
  if (dialog.DoModal() != IDOK) return FALSE;
  CQRBusObjDef* pNew = CDataManager::InitInstance()->GetBO(dialog.m_strName, 1, 1);
  if (pNew == nullptr) return FALSE;
  pNew->SetDefaultVerbs();
  pNew->SetAppInfo(dialog.m_strAppInfo);
  name = pNew->name(0);
  COrvexDoc::BroadcastToViews(COrvexDoc::kNameAdded, name);
  InsertTypeName(name);
  return TRUE;
}
