// The business-object test-data editor: a tree list over one instance of
// Fennick's model. Each attribute is a row with its name, type and value;
// object attributes and containers open into their objects' rows. Values
// of simple attributes are edited in place; child objects are added and
// removed, and given verbs, through the context menu.
#pragma once

#include <memory>
#include <unordered_map>

#include "TLBase.h"

class BusinessObject;
class BusObjContainer;
class CQRServer;

// The record of one row, referred to by the row's item data.
struct AFX_EXT_CLASS CBOInstItem {
  BusinessObject* m_pOwner = nullptr;  // holds the attribute
  // The text of a simple attribute, the child BusinessObject* of a single
  // object attribute, or the BusObjContainer* of a multiple one (also for
  // its element rows).
  void* m_pValue = nullptr;
  int m_nAttrIndex = -1;
  CString m_strName;
  CString m_strTypeName;
  CString m_strCardinality;
  int m_bMultiple = 0;
  int m_nTypeNum = 0;          // 0 for an object attribute
  int m_nContainerIndex = -1;  // the element's position, for element rows

  bool IsSimple() const { return m_nTypeNum != 0; }
  bool IsSingleObject() const { return m_nTypeNum == 0 && !m_bMultiple; }
  bool IsContainer() const { return m_nTypeNum == 0 && m_bMultiple && m_nContainerIndex < 0; }
  bool IsElement() const { return m_nContainerIndex >= 0; }
};

class AFX_EXT_CLASS CTLBOInst : public CTLBase {
  DECLARE_DYNAMIC(CTLBOInst)

 public:
  static constexpr UINT kEditorId = 1850;

  CTLBOInst();
  ~CTLBOInst() override;

  // Keeps the server and adds the three columns.
  void Initialize(CQRServer* pServer);
  CQRServer* GetServer() const { return m_pServer; }
  // Shows the object (not owned) in place of the one shown before.
  void Populate(BusinessObject* pObject);
  BusinessObject* GetBusObj() const { return m_pBusObj; }
  // The rows of an object's attributes under a row (none: the rows under
  // it go), and of a container's elements under its container row.
  void Populate(BusinessObject* pObject, HTREEITEM hParent);
  void PopulateContainer(BusObjContainer* pContainer, HTREEITEM hParent);
  using CTLBase::AddItem;
  // A row with the record's three texts; the control keeps the record.
  HTREEITEM AddItem(HTREEITEM hParent, std::unique_ptr<CBOInstItem> pRecord);
  // The record of a row, or null.
  CBOInstItem* GetRecord(HTREEITEM hItem) const;

  void OnDeleteItem(HTREEITEM hItem) override;
  using CTLBase::DoInplaceEditing;
  void DoInplaceEditing(HTREEITEM hItem, int nColumn) override;
  BOOL UpdateItem(HTREEITEM hItem, int nColumn, CString strText) override;

  // Whether a command of the context menu applies to the row's record.
  BOOL IsCommandEnabled(UINT nID, const CBOInstItem& record) const;

 protected:
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnAddInstance();
  afx_msg void OnRemoveInstance();
  afx_msg void OnRemoveAllInstance();
  afx_msg void OnVerb(UINT nID);
  DECLARE_MESSAGE_MAP()

 private:
  // The object a single object row or an element row stands for.
  BusinessObject* ObjectOf(const CBOInstItem& record) const;
  BusObjContainer* ContainerOf(const CBOInstItem& record) const;
  CString RowName(const CBOInstItem& record) const;
  // The selected row and its record when the command applies to it.
  CBOInstItem* SelectedRecord(UINT nID, HTREEITEM& hItem) const;

  BusinessObject* m_pBusObj = nullptr;
  // The one owner of the row records; a row's deletion frees its record.
  std::unordered_map<const CBOInstItem*, std::unique_ptr<CBOInstItem>> m_records;
  CQRServer* m_pServer = nullptr;
};
