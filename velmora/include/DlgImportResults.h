// The import-results dialog: the objects that collide with objects of the
// same name, one row each, with the action the user chooses for each row
// (or for all rows at once) and, for the rename actions, the new name.
//
//   CDlgImportResults dlg(pMainWnd, 1);
//   dlg.m_arrEntities.Add(new Entity(name, "Business Object", 0, pDef));
//   dlg.m_pBONames = pNames;
//   if (dlg.DoModal() == IDOK) { ... each row's m_nAction and m_strNewName ... }
#pragma once

#include <afxtempl.h>

#include <QRObj.h>

#include "DlgResultsBase.h"
#include "GridImportResults.h"

// One row of the dialog.
struct AFX_EXT_CLASS Entity {
  Entity(LPCTSTR lpszName, LPCTSTR lpszType, int nAction, CQRObj* pObject)
      : m_strName(lpszName), m_strType(lpszType), m_nAction(nAction), m_pObject(pObject) {}

  // The object's name as it collides; never changed by the dialog.
  CString m_strName;
  // "Business Object", "Collaboration Template", "Collaboration",
  // "Connector", "Map" or "Relationship".
  CString m_strType;
  // An index into the mode's action list (g_strImportActions or
  // g_strServerActions); callers start it at 0.
  int m_nAction;
  // The repository object the row stands for (not owned by the row).
  CQRObj* m_pObject;
  // Written on IDOK: for the rename actions (indexes 0 and 1) the new name
  // of the side that is renamed, checked valid and free (not in use, not
  // given to another row, not another row's name); empty for the others.
  // Callers rename under this name, never under m_strName.
  CString m_strNewName;
};

constexpr int kEntityActionCount = 4;
// Import mode: "Keep Import\RenameLocal", "Keep Local\Rename Import",
// "Overwrite Local", "Don't Import".
AFX_EXT_DATA extern const CString g_strImportActions[kEntityActionCount];
// Server mode: "Keep Local\Rename Server", "Keep Server\Rename Local",
// "Overwrite Server", "Overwrite Local".
AFX_EXT_DATA extern const CString g_strServerActions[kEntityActionCount];

class AFX_EXT_CLASS CDlgImportResults : public CDlgResultsBase {
 public:
  enum { IDD = 342 };
  enum Mode { kServerMode = 0, kImportMode = 1 };

  // nMode 0 is server mode, any other import mode. With bDeleteObjects,
  // Cancel in import mode also deletes the rows' objects.
  CDlgImportResults(CWnd* pParent, int nMode, BOOL bDeleteObjects = TRUE);
  ~CDlgImportResults() override;

  // The grid's notice that the user gave row nRow (from 1) action nAction:
  // the select-all radio stays only when it stands for that action, and
  // the row's Entity takes it.
  void OnActionChanged(ROWCOL nRow, int nAction);
  // The action list of the dialog's mode.
  const CString* GetActions() const;

  int m_nMode;
  BOOL m_bDeleteObjects;
  // The rows, filled by the caller. After IDOK they stay the caller's;
  // Cancel deletes them (and, in import mode with m_bDeleteObjects, their
  // objects) and empties the array.
  CArray<Entity*, Entity*> m_arrEntities;
  // The business-object names in use (the caller's; required for
  // "Business Object" rows, null counts as empty).
  CStringList* m_pBONames = nullptr;
  // The other names in use, by type, filled by the caller as needed.
  CStringList m_lstTemplateNames;
  CStringList m_lstCollaborationNames;
  CStringList m_lstConnectorNames;
  CStringList m_lstMapNames;
  CStringList m_lstRelationshipNames;
  // The select-all radio: -1 none, 0 the first (2013), 1 the second (2014).
  int m_nSelectAll = -1;

 protected:
  CGridResultsBase& GetResultsGrid() override { return m_wndGrid; }
  void FillGrid() override;
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  afx_msg void OnSelectAll();
  afx_msg LRESULT OnApplySelectAll(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CGridImportResults m_wndGrid;

 private:
  // The action a select-all radio stands for in this mode (-1 for none).
  int SelectAllAction(int nRadio) const;
  // The names in use for objects of the type (null for an unknown type).
  const CStringList* NamesInUse(const CString& strType) const;
  // The message when the row's new name may not be used, else empty.
  CString CheckNewName(ROWCOL nRow);
};
