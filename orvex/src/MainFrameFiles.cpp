// The main frame's commands on repository-copy files: Open From File and
// Save All To One File.
#include "BOImpExp.h"
#include "DlgImportFile.h"
#include "MainFrame.h"

void CMainFrame::OnOpenFromFile() { CBOImpExp().Import(); }

void CMainFrame::OnSaveAllToOneFile() {
  const CQRBusObjDef* pMost = CQRBusObjDef::GetBoWithMostChildren();
  CDlgImportFile dlg(FALSE, ".txt", pMost != nullptr ? pMost->name(0) : "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     "Text Files (*.in)|*.in|(*.xls)|*.xls|*.txt|*.txt|All Files (*.*)|*.*||", this, TRUE);
  dlg.m_ofn.lpstrTitle = "Save All Business Objects to File";
  if (dlg.DoModal() != IDOK) return;
  CWaitCursor wait;
  CDataManager* pDM = CDataManager::InitInstance();
  // The names first: fetching a definition may change the list.
  CStringArray names;
  const CStringList* pNames = pDM->RefreshBONames(0);
  for (POSITION pos = pNames->GetHeadPosition(); pos != nullptr;) names.Add(pNames->GetNext(pos));
  CBODefArray defs;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) {
    if (CQRBusObjDef* pDef = pDM->GetBO(names[i], 0, 1)) defs.Add(pDef);
  }
  // A failure has told the user itself.
  CBOImpExp().Export(defs, dlg.GetPathName());
}

void CMainFrame::OnUpdateSaveAllToOneFile(CCmdUI* pCmdUI) {
  // Asking makes no session where there is none.
  CDataManager* pDM = CDataManager::PeekInstance();
  pCmdUI->Enable(pDM != nullptr && !pDM->RefreshBONames(0)->IsEmpty());
}
