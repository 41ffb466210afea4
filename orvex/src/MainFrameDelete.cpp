// The main frame's delete of business-object definitions: the confirmation,
// the report of the objects that use a definition, and the delete on the
// server or, without one, of the local definition.
#include <algorithm>
#include <vector>

#include "DlgConfirm.h"
#include "DlgDependency.h"
#include "DlgOpenBO.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "UserPref.h"

namespace {

constexpr int kOnServer = HvStateOnServer | HvStateSavedToServer;

struct UserGroup {
  int type;
  const char* heading;
};

// The report's groups in their order.
constexpr UserGroup kGroups[] = {
    {HvObjCollabTemplate, "Collaboration templates:"}, {HvObjCollaboration, "Collaboration objects:"},
    {HvObjConnector, "Connector definitions:"},        {HvObjBusObj, "Business object definitions:"},
    {HvObjNativeMap, "Native map definitions:"},       {HvObjRelationship, "Relationship definitions:"},
};

const char* const kFindingLines[] = {
    "Finding templates using ",        "Finding collaborations using ", "Finding connectors using ",
    "Finding business objects using ", "Finding maps using ",           "Finding relationships using ",
};

struct User {
  int type;
  CString name;
};

void AppendGroup(CString& report, const char* heading, const std::vector<User>& users, int type) {
  CString lines;
  for (const User& user : users) {
    if (user.type == type) lines += "    " + user.name + "\r\n";
  }
  if (lines.IsEmpty()) return;
  report += CString(heading) + "\r\n" + lines + "\r\n";
}

void AddUnique(std::vector<User>& users, int type, const CString& name) {
  const bool listed =
      std::any_of(users.begin(), users.end(), [&](const User& user) { return user.type == type && user.name == name; });
  if (!listed) users.push_back({type, name});
}

// The definitions of the session that are not on the server and use `name`.
std::vector<CString> LocalUsers(CDataManager& dm, const CString& name) {
  std::vector<CString> users;
  CBODefMap* pDefs = dm.GetBODefs(1);
  for (POSITION pos = pDefs->GetStartPosition(); pos != nullptr;) {
    CString key;
    CQRBusObjDef* pDef = nullptr;
    pDefs->GetNextAssoc(pos, key, pDef);
    if (key != name && pDef != nullptr && (pDef->GetState() & kOnServer) == 0 && dm.is_bo1_using_bo2(pDef, name))
      users.push_back(key);
  }
  std::sort(users.begin(), users.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
  return users;
}

CString Formatted(const char* format, const CString& name) {
  CString text;
  text.Format(format, static_cast<LPCTSTR>(name));
  return text;
}

}  // namespace

void CMainFrame::OnDelete() {
  CDlgOpenBO dlg(0, nullptr);
  if (dlg.DoModal() != IDOK) return;
  for (INT_PTR i = 0; i < dlg.m_arrSelected.GetSize(); ++i) DeleteBODef(dlg.m_arrSelected[i]);
}

void CMainFrame::DeleteBODef(CString name) {
  CWaitCursor wait;
  COrvexApp* pApp = GetOrvexApp();
  if (pApp->m_pPreferences == nullptr || pApp->m_pPreferences->m_nDoDelBODef == 0) {
    CDlgConfirm dlg(name, this);
    if (dlg.DoModal() != IDOK) return;
  }
  if (pApp->IsConnected()) {
    DeleteServerBODef(name);
  } else {
    DeleteLocalBODef(name);
  }
}

BOOL CMainFrame::ConfirmDependencies(const CString& name, std::vector<CString>& strip) {
  CDataManager& dm = *CDataManager::InitInstance();
  std::vector<User> users;
  const bool connected = GetOrvexApp()->IsConnected();
  if (connected) {
    const CQRObjRefArray* pServerUsers = dm.FindSuperDepsForBO(HvObjBusObj, name);
    for (INT_PTR i = 0; i < pServerUsers->GetSize(); ++i) {
      const CQRObjRef* pRef = (*pServerUsers)[i];
      users.push_back({pRef->GetObjType(), pRef->name(0)});
    }
    // A business object that no longer uses it since it was loaded here is
    // not reported.
    std::erase_if(users, [&](const User& user) {
      if (user.type != HvObjBusObj) return false;
      CQRBusObjDef* pUser = dm.GetBO(user.name, 0, 1);
      return pUser != nullptr && (pUser->GetState() & kOnServer) != 0 && !dm.is_bo1_using_bo2(pUser, name);
    });
    for (const CString& local : LocalUsers(dm, name)) AddUnique(users, HvObjBusObj, local);
  } else {
    CBODefArray defs;
    dm.find_bos_using_bo(name, defs);
    for (INT_PTR i = 0; i < defs.GetSize(); ++i) AddUnique(users, HvObjBusObj, defs[i]->name(0));
  }
  strip.clear();
  for (const User& user : users) {
    if (user.type == HvObjBusObj) strip.push_back(user.name);
  }
  if (users.empty()) return TRUE;

  CString report;
  if (connected) {
    for (const char* finding : kFindingLines) AppendResult(CString(finding) + name + "...", 2);
    for (const UserGroup& group : kGroups) AppendGroup(report, group.heading, users, group.type);
  } else {
    AppendGroup(report, "Business object definitions:", users, HvObjBusObj);
  }
  CDlgDependency dlg(this);
  dlg.m_strObjectLabel = "Business object definition:";
  dlg.m_strObjectName = name;
  dlg.m_strMessage =
      "Before you can delete the business object definition " + name + ", you must delete the objects that use it.";
  dlg.m_strUsedBy = report;
  return dlg.DoModal() == IDOK;
}

void CMainFrame::StripReferences(const CString& name, const std::vector<CString>& users) {
  CDataManager* pDM = CDataManager::InitInstance();
  for (const CString& user : users) {
    CQRBusObjDef* pUser = pDM->GetBO(user, 0, 1);
    if (pUser == nullptr) continue;
    if (pUser->DeleteAttribute(name) > 0) pUser->AddState(HvStateModified);
    pDM->SendRefreshMsg(user);
  }
}

void CMainFrame::DeleteServerBODef(const CString& name) {
  ShowResults(TRUE);
  std::vector<CString> users;
  if (!ConfirmDependencies(name, users)) return;
  AppendResult(Formatted("Deleting business object %s...", name), 2);
  CDataManager* pDM = CDataManager::InitInstance();
  pDM->CloseBO(name, GetSafeHwnd());
  if (pDM->DeleteBO(name) == 0) {
    // Refused: the definitions that use it stay as they were.
    AppendResult(Formatted("Cannot delete %s", name), 2);
    return;
  }
  StripReferences(name, users);
  CloseDocumentsOf(name);
  COrvexDoc::BroadcastToViews(COrvexDoc::kNameRemoved, name);
  AppendResult(Formatted("Deleted %s", name), 2);
}

void CMainFrame::DeleteLocalBODef(const CString& name) {
  std::vector<CString> users;
  if (!ConfirmDependencies(name, users)) return;
  AppendResult(Formatted("Deleting business object %s...", name), 2);
  StripReferences(name, users);
  // Its windows go first; then it leaves the session and is freed.
  CloseDocumentsOf(name);
  CDataManager* pDM = CDataManager::InitInstance();
  CQRBusObjDef* pDef = pDM->GetBO(name, 0, 0);
  pDM->GetBODefs(1)->RemoveKey(name);
  CStringList* pNames = pDM->RefreshBONames(0);
  if (POSITION pos = pNames->Find(name)) pNames->RemoveAt(pos);
  delete pDef;
  COrvexDoc::BroadcastToViews(COrvexDoc::kNameRemoved, name);
  AppendResult(Formatted("Deleted %s", name), 2);
}
