// The commit of read definitions into the session: new names join it; for
// a name it has, the import-results dialog's choice is carried out; then
// the definitions are opened or saved.
#include <DlgImportResults.h>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "BOImpExp.h"
#include "NameKey.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "OrvexView.h"

namespace {

// The import-mode actions, by index.
enum ImportAction {
  kKeepImportRenameLocal = 0,
  kKeepLocalRenameImport = 1,
  kOverwriteLocal = 2,
  kDontImport = 3,
};

CDataManager* DM() { return CDataManager::InitInstance(); }

void NameAdded(const CString& name) { COrvexDoc::BroadcastToViews(COrvexDoc::kNameAdded, name); }

// The windows of a definition that was renamed follow it.
void FollowRename(CQRBusObjDef* pDef, const CString& oldName) {
  const CString newName = pDef->name(0);
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) {
    if (pDoc->m_pBODef != pDef) continue;
    pDoc->m_mapBODefs.RemoveKey(oldName);
    pDoc->m_mapBODefs.SetAt(newName, pDef);
    pDoc->SetTitle(newName);
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
      if (auto* pView = DYNAMIC_DOWNCAST(COrvexView, pDoc->GetNextView(pos))) pView->m_strBOName = newName;
    }
  }
}

// For each definition, whether another of them uses it (other than one it
// uses in turn: of a cycle, each stands for itself).
std::vector<bool> UsedByOthers(const std::vector<CQRBusObjDef*>& defs) {
  std::unordered_map<const CQRBusObjDef*, size_t> index;
  for (size_t i = 0; i < defs.size(); ++i) index.emplace(defs[i], i);
  std::vector<std::unordered_set<const CQRBusObjDef*>> uses(defs.size());
  for (size_t i = 0; i < defs.size(); ++i) {
    const CBODefArray& used = defs[i]->GetDependentBos(FALSE);
    uses[i].insert(used.GetData(), used.GetData() + used.GetSize());
  }
  std::vector<bool> usedByOthers(defs.size(), false);
  for (size_t i = 0; i < defs.size(); ++i) {
    for (const CQRBusObjDef* pUsed : uses[i]) {
      const auto it = index.find(pUsed);
      if (it != index.end() && it->second != i && uses[it->second].count(defs[i]) == 0) usedByOthers[it->second] = true;
    }
  }
  return usedByOthers;
}

}  // namespace

// A read definition whose name the session has.
struct CBOImpExp::Collision {
  std::unique_ptr<CQRBusObjDef> read;
  // The name as the session lists it (it may differ in case).
  CString listedName;
};

CQRBusObjDef* CBOImpExp::HandOver(std::unique_ptr<CQRBusObjDef> read) { return DM()->AdoptBODef(std::move(read)); }

void CBOImpExp::CommitImport(BOOL bOpenImported, BOOL bSaveToServer) {
  CDataManager* pDM = DM();
  CStringList* pNames = pDM->RefreshBONames(0);
  // The session's names by their keys, looked up once each.
  std::unordered_map<std::string, CString> listed;
  for (POSITION pos = pNames->GetHeadPosition(); pos != nullptr;) {
    const CString& name = pNames->GetNext(pos);
    listed.emplace(NameKey(name), name);
  }
  std::vector<CString> entered;
  std::vector<Collision> collisions;
  for (std::unique_ptr<CQRBusObjDef>& read : m_imported) {
    const CString name = read->name(0);
    if (const auto it = listed.find(NameKey(name)); it != listed.end()) {
      collisions.push_back({std::move(read), it->second});
      continue;
    }
    pDM->GetBODefs(1)->SetAt(name, HandOver(std::move(read)));
    pNames->AddTail(name);
    listed.emplace(NameKey(name), name);
    NameAdded(name);
    entered.push_back(name);
  }
  m_imported.clear();

  std::vector<CQRBusObjDef*> kept;
  std::vector<CQRBusObjDef*> alsoToSave;
  if (!collisions.empty()) {
    // The rows point at the read copies, which stay this object's: Cancel
    // frees only the rows, and the copies go with `collisions`.
    CDlgImportResults dlg(AfxGetMainWnd(), CDlgImportResults::kImportMode, FALSE);
    dlg.m_pBONames = pNames;
    for (const Collision& row : collisions)
      dlg.m_arrEntities.Add(new Entity(row.read->name(0), "Business Object", 0, row.read.get()));
    const INT_PTR answer = dlg.DoModal();
    // A lost server may have released the session's definitions while
    // the dialog ran: those entered are looked up again by name.
    pDM = DM();
    if (answer == IDOK) {
      for (INT_PTR i = 0; i < dlg.m_arrEntities.GetSize(); ++i) {
        const Entity* pRow = dlg.m_arrEntities[i];
        if (CQRBusObjDef* pKept =
                Resolve(collisions[static_cast<size_t>(i)], pRow->m_nAction, pRow->m_strNewName, alsoToSave))
          kept.push_back(pKept);
        delete pRow;
      }
      dlg.m_arrEntities.RemoveAll();
    }
  }
  std::vector<CQRBusObjDef*> committed;
  for (const CString& name : entered) {
    if (CQRBusObjDef* pDef = pDM->GetBO(name, 0, 0)) committed.push_back(pDef);
  }
  committed.insert(committed.end(), kept.begin(), kept.end());

  COrvexApp* pApp = GetOrvexApp();
  if (bOpenImported) OpenInWindows(committed);
  if (pApp->IsConnected() && bSaveToServer) {
    std::vector<CQRBusObjDef*> toSave = bOpenImported ? std::vector<CQRBusObjDef*>() : committed;
    for (CQRBusObjDef* pDef : alsoToSave) {
      if (std::find(toSave.begin(), toSave.end(), pDef) == toSave.end()) toSave.push_back(pDef);
    }
    SaveEachOnce(toSave);
  }
  for (const CQRBusObjDef* pDef : committed) m_arrImportedNames.Add(pDef->name(0));
}

CQRBusObjDef* CBOImpExp::Resolve(Collision& row, int nAction, const CString& newName,
                                 std::vector<CQRBusObjDef*>& toSave) {
  CDataManager* pDM = DM();
  const CString& name = row.listedName;
  const CString importName = row.read->name(0);
  CQRBusObjDef* pKept = nullptr;
  switch (nAction) {
    case kKeepImportRenameLocal: {
      // The local definition must be at hand to be renamed; the import
      // takes its name as the session spells it.
      CQRBusObjDef* pLocal = pDM->GetBO(name, 0, 1);
      CQRBusObjDef* pImport = nullptr;
      if (pLocal != nullptr) {
        row.read->SetName(name);
        pImport = HandOver(std::move(row.read));
      }
      if (pImport != nullptr && pDM->RenameOld(newName, pImport)) {
        FollowRename(pLocal, name);
        NameAdded(newName);
        // The server no longer has the name's definition: both go there.
        toSave.push_back(pLocal);
        toSave.push_back(pImport);
        pKept = pImport;
      } else {
        delete pImport;
      }
      break;
    }
    case kKeepLocalRenameImport: {
      CQRBusObjDef* pImport = HandOver(std::move(row.read));
      if (pDM->RenameNew(newName, pImport)) {
        NameAdded(newName);
        pKept = pImport;
      } else {
        delete pImport;
      }
      break;
    }
    case kOverwriteLocal:
      pKept = pDM->GetBO(name, 0, 1);
      if (pKept != nullptr) {
        pKept->Copy(*row.read);
        pDM->SendRefreshMsg(name);
        pKept->AddState(HvStateModified);
      }
      break;
    default:
      // Don't Import: the read copy goes with the row.
      return nullptr;
  }
  if (pKept == nullptr) WriteResult("Business object " + importName + " could not be imported");
  return pKept;
}

void CBOImpExp::OpenInWindows(const std::vector<CQRBusObjDef*>& defs) const {
  // A definition another one uses opens with it, as its attribute.
  const std::vector<bool> usedByOthers = UsedByOthers(defs);
  COrvexApp* pApp = GetOrvexApp();
  for (size_t i = 0; i < defs.size(); ++i) {
    if (!usedByOthers[i]) pApp->OpenBODefWindow(defs[i]);
  }
}

void CBOImpExp::SaveEachOnce(const std::vector<CQRBusObjDef*>& defs) {
  // Those no other uses first: each saves the ones it uses, which are then
  // not saved again; a definition whose user failed is still saved alone.
  const std::vector<bool> usedByOthers = UsedByOthers(defs);
  std::vector<CQRBusObjDef*> order;
  for (size_t i = 0; i < defs.size(); ++i) {
    if (!usedByOthers[i]) order.push_back(defs[i]);
  }
  for (size_t i = 0; i < defs.size(); ++i) {
    if (usedByOthers[i]) order.push_back(defs[i]);
  }
  COrvexApp* pApp = GetOrvexApp();
  std::unordered_set<const CQRBusObjDef*> saved;
  for (CQRBusObjDef* pDef : order) {
    if (saved.count(pDef) != 0 || !pApp->SaveToServer(pDef)) continue;
    saved.insert(pDef);
    const CBODefArray& used = pDef->GetDependentBos(FALSE);
    saved.insert(used.GetData(), used.GetData() + used.GetSize());
  }
}
