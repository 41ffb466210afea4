// The robot's hands on Velmora's import-results dialog, as the merge after
// a log-in and the import of files show it: a row's action, its new name,
// and the rows by name.
#pragma once

#include <DlgImportResults.h>
#include <GridImportResults.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "robot.h"
#include "robot_grid.h"

namespace orvex_test {

inline constexpr int kImportResultsGrid = 1003;

inline void ChooseAction(halvane::test::Robot& r, halvane::test::Window dlg, ROWCOL row, const std::string& action) {
  const halvane::test::Window grid = dlg.child(kImportResultsGrid);
  halvane::test::ClickGridCell(r, grid, row, CGridImportResults::kObjectCol);
  r.advance(GetDoubleClickTime() + 1);
  halvane::test::ClickGridCell(r, grid, row, CGridImportResults::kActionCol);
  const halvane::test::Window combo = grid.childByClass("ComboBox");
  ASSERT_TRUE(combo.isVisible()) << "no action list at row " << row;
  r.choose(combo, action);
}

inline void TypeNewName(halvane::test::Robot& r, halvane::test::Window dlg, ROWCOL row, const std::string& name) {
  const halvane::test::Window grid = dlg.child(kImportResultsGrid);
  halvane::test::ClickGridCell(r, grid, row, CGridImportResults::kNewNameCol);
  r.type(name);
  halvane::test::ClickGridCell(r, grid, row, CGridImportResults::kObjectCol);
}

inline CDlgImportResults* ImportResultsOf(halvane::test::Window dlg) {
  return dynamic_cast<CDlgImportResults*>(CWnd::FromHandlePermanent(dlg.hwnd()));
}

// The dialog's row (from 1) of a name.
inline ROWCOL RowOf(halvane::test::Window dlg, const std::string& name) {
  const CDlgImportResults* pDlg = ImportResultsOf(dlg);
  if (pDlg == nullptr) return 0;
  for (INT_PTR i = 0; i < pDlg->m_arrEntities.GetSize(); ++i) {
    if (name == static_cast<LPCTSTR>(pDlg->m_arrEntities[i]->m_strName)) return static_cast<ROWCOL>(i + 1);
  }
  return 0;
}

// The rows' names, sorted.
inline std::vector<std::string> RowNames(halvane::test::Window dlg) {
  std::vector<std::string> names;
  if (const CDlgImportResults* pDlg = ImportResultsOf(dlg)) {
    for (INT_PTR i = 0; i < pDlg->m_arrEntities.GetSize(); ++i)
      names.emplace_back(static_cast<LPCTSTR>(pDlg->m_arrEntities[i]->m_strName));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace orvex_test
