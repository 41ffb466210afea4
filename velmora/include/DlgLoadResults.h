// The load-results dialog: names that a loaded file gives several values,
// each with a drop-down of its candidates, so that the user picks one per
// name. The dialog never frees its rows.
//
//   SetEntity row("Customer", "ID-1");  row.m_arrValues.Add("ID-1"); ...
//   CDlgLoadResults dlg(pMainWnd);  dlg.m_arrEntities.Add(&row);
//   if (dlg.DoModal() == IDOK) { ... row.m_strValue ... }
#pragma once

#include <afxtempl.h>

#include "DlgResultsBase.h"
#include "GridLoadResults.h"

// One row of the dialog.
struct AFX_EXT_CLASS SetEntity {
  SetEntity(LPCTSTR lpszName, LPCTSTR lpszValue) : m_strName(lpszName), m_strValue(lpszValue) {}
  void SetValue(LPCTSTR lpszName, LPCTSTR lpszValue) {
    m_strName = lpszName;
    m_strValue = lpszValue;
  }

  CString m_strName;
  // The chosen value: the row starts on the last candidate equal to it
  // (ignoring case), else on the first; after IDOK the candidate chosen.
  CString m_strValue;
  // The candidates, in the order shown; filled by the caller. A row
  // without candidates keeps its value.
  CArray<CString, const CString&> m_arrValues;
};

class AFX_EXT_CLASS CDlgLoadResults : public CDlgResultsBase {
 public:
  enum { IDD = 2008 };

  explicit CDlgLoadResults(CWnd* pParent = nullptr);
  ~CDlgLoadResults() override;

  // The rows, the caller's (written directly before DoModal).
  CArray<SetEntity*, SetEntity*> m_arrEntities;

 protected:
  CGridResultsBase& GetResultsGrid() override { return m_wndGrid; }
  void FillGrid() override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  CGridLoadResults m_wndGrid;
};
