#include "BOImpExp.h"

#include <Constants.h>
#include <RepositoryCopyBO.h>

#include <string>
#include <vector>

#include "OrvexApp.h"

namespace {

bool IsSchemaPath(const CString& path) { return path.Right(4).CompareNoCase(".xsd") == 0; }

}  // namespace

CString CBOImpExp::GetErrorText(int code) const { return g_impExpErrors.GetMessage(static_cast<DWORD>(code)); }

int CBOImpExp::Export(const CBODefArray& defs, CString path) {
  if (IsSchemaPath(path)) return ExportSchema();
  COrvexApp* pApp = GetOrvexApp();
  // Each definition once, the ones it uses before it; the visited mark
  // stands for "already in the list" during this run only.
  pApp->ClearStateBits(defs, HvStateVisited);
  std::vector<CQRBusObjDef*> order;
  for (INT_PTR i = 0; i < defs.GetSize(); ++i) {
    const CBODefArray& used = defs[i]->GetDependentBos(TRUE);
    for (INT_PTR j = 0; j < used.GetSize(); ++j) {
      CQRBusObjDef* pDef = used[j];
      if ((pDef->GetState() & HvStateVisited) != 0) continue;
      COrvexApp::MoveObjectEventIdLast(*pDef);
      pDef->AddState(HvStateVisited);
      order.push_back(pDef);
    }
  }
  pApp->ClearStateBits(defs, HvStateVisited);
  const std::vector<const CQRBusObjDef*> written(order.begin(), order.end());
  const dravon::repocopy::WriteError error = dravon::repocopy::WriteFile(std::string(path), written);
  if (error) {
    // A file that cannot be made says so as the product always has; a
    // value that cannot stand on one line names itself.
    AfxMessageBox(error.kind == dravon::repocopy::WriteError::kFile ? CString("Not enough memory to process the file")
                                                                     : error.message);
    return kWriteFailed;
  }
  // Only what reached the file counts as written to it.
  for (CQRBusObjDef* pDef : order) {
    pDef->RemoveState(HvStateNew);
    pDef->AddState(HvStateWrittenToFile);
    pDef->SetImportPath(path);
  }
  return 0;
}

// Until the broker export's schema writer is wired in, a schema file is
// not written.
int CBOImpExp::ExportSchema() {
  CWnd* pMain = AfxGetMainWnd();
  ::MessageBox(pMain != nullptr ? pMain->GetSafeHwnd() : nullptr, GetErrorText(kSchemaExportUnavailable),
               "Export error", MB_OK | MB_ICONSTOP);
  return kSchemaExportUnavailable;
}

BOOL CBOImpExp::ReloadFromFile(CQRBusObjDef* pDef) {
  if (pDef == nullptr) return FALSE;
  const CString path = pDef->GetImportPath();
  // Schema files come back through the broker import, which is not wired yet.
  if (path.IsEmpty() || IsSchemaPath(path)) return FALSE;
  std::unique_ptr<CQRBusObjDef> found;
  const dravon::repocopy::Error error = dravon::repocopy::ReadDefinitionNamed(std::string(path), pDef->name(0), found);
  if (error && error.code != dravon::repocopy::kCannotRead) {
    AfxMessageBox(dravon::repocopy::ErrorText(error), MB_ICONSTOP);
    return FALSE;
  }
  if (found == nullptr) return FALSE;
  pDef->CleanBusObjDef();
  pDef->Copy(*found);
  // As it is in the file again.
  pDef->RemoveState(HvStateModified);
  pDef->AddState(HvStateWrittenToFile);
  return TRUE;
}
