#include "GeneratedImport.h"

#include <Constants.h>
#include <DataManager.h>
#include <RepositoryCopyBO.h>

#include <memory>
#include <string_view>
#include <vector>

#include "OrvexApp.h"
#include "OrvexDoc.h"

namespace repocopy = dravon::repocopy;

namespace {

std::string_view View(const CString& text) { return {text, static_cast<size_t>(text.GetLength())}; }

}  // namespace

int CheckGeneratedText(const CString& text, CString& message) {
  repocopy::LineReader in(View(text));
  std::vector<std::unique_ptr<CQRBusObjDef>> defs;
  const repocopy::Error error = repocopy::ReadDefinitions(in, defs);
  if (error) message = repocopy::ErrorText(error);
  return error.code;
}

void CommitGeneratedText(const CString& text, BOOL bOpenInWindows, CStringArray& names) {
  // Placeholder until the repository-copy import's commit comes: new names are entered, the session's are kept.
  CDataManager* pDM = CDataManager::InitInstance();
  repocopy::LineReader in(View(text));
  CBODefArray defs;
  if (repocopy::ReadDefinitions(in, defs, [pDM](const char* name) { return pDM->CreateNewBODef(name); })) return;
  for (INT_PTR i = 0; i < defs.GetSize(); ++i) {
    CQRBusObjDef* pDef = defs[i];
    const CString name = pDef->name(0);
    CStringList& known = *pDM->RefreshBONames(0);
    if (FindNoCase(known, name) != nullptr) {
      delete pDef;
      continue;
    }
    pDM->GetBODefs(1)->SetAt(name, pDef);
    known.AddTail(name);
    names.Add(name);
    COrvexDoc::BroadcastToViews(COrvexDoc::kNameAdded, name);
    if (bOpenInWindows) GetOrvexApp()->OpenBODefWindow(pDef);
  }
}

BOOL WriteGeneratedText(const CString& path, const CString& text, CString& error) {
  repocopy::ReplacingFile file(static_cast<LPCTSTR>(path));
  if (file.Open() && file.Write(View(text)) && file.Commit()) return TRUE;
  error = file.ErrorMessage().c_str();
  return FALSE;
}
