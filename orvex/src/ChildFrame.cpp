#include "ChildFrame.h"

#include <DefMessageBox.h>

#include <vector>

#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "OrvexView.h"

namespace {

constexpr DWORD kNewOrModified = HvStateNew | HvStateModified;
constexpr DWORD kOnServer = HvStateOnServer | HvStateSavedToServer;
// Yes to server, Yes to file, No, Cancel; and Yes, No, Cancel; both with
// the second button as the default.
constexpr UINT kNeverSavedOptions = 264;
constexpr UINT kSavedToFileOptions = 259;
constexpr int kYesToServer = 14;
constexpr int kYesToFile = 15;

// The business objects the definition's attributes name, read before the
// walk so that changes made on the way do not disturb it.
std::vector<CString> UsedTypeNames(const CQRBusObjDef& def) {
  std::vector<CString> names;
  for (INT_PTR i = 0; i < def.GetAttrs().GetSize(); ++i) {
    const CBODefAttr* pAttr = def.GetAttrs()[i];
    if (!pAttr->IsSimpleType()) names.push_back(pAttr->GetTypeName());
  }
  return names;
}

}  // namespace

int CChildFrame::s_nNeverSavedAnswer = 0;
int CChildFrame::s_nSavedToFileAnswer = 0;

IMPLEMENT_DYNCREATE(CChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, SECMDIChildWnd)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

CChildFrame::CChildFrame() : m_mapVisitedNames(10) {}

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
  cs.cx = 700;
  cs.cy = 400;
  return SECMDIChildWnd::PreCreateWindow(cs);
}

COrvexDoc* CChildFrame::GetOrvexDoc() { return DYNAMIC_DOWNCAST(COrvexDoc, GetActiveDocument()); }

CWnd* CChildFrame::GetActiveTabView() { return GetActiveView(); }

void CChildFrame::ClearRememberedAnswers() {
  s_nNeverSavedAnswer = 0;
  s_nSavedToFileAnswer = 0;
}

void CChildFrame::OnClose() { PromptSaveOnClose(FALSE, TRUE); }

int CChildFrame::Ask(int& remembered, BOOL applyToAll, const char* text, const char* checkText, const CString& caption,
                     UINT options) {
  if (applyToAll && remembered != 0) return remembered;
  int checked = 0;
  const int answer = DMessageBox(text, applyToAll ? checkText : nullptr, caption, &checked, options);
  remembered = applyToAll && checked != 0 ? answer : 0;
  return answer;
}

BOOL CChildFrame::SaveToFile() {
  auto* pView = DYNAMIC_DOWNCAST(COrvexView, GetActiveTabView());
  return pView != nullptr && pView->OnSaveToFile() == 0;
}

BOOL CChildFrame::PromptSaveOnClose(BOOL applyToAll, BOOL closeAfter) {
  // Reverting a new definition deletes it, and its window with it.
  const HWND self = GetSafeHwnd();
  COrvexDoc* pDoc = GetOrvexDoc();
  CQRBusObjDef* pDef = pDoc != nullptr ? pDoc->m_pBODef : nullptr;
  if (pDef != nullptr) {
    const BOOL unsavedFile = IsModifiedRecursive(pDef, HvStateWrittenToFile, 0);
    ClearVisited();
    const BOOL unsaved = IsModifiedRecursive(pDef, kNewOrModified, HvStateWrittenToFile);
    ClearVisited();
    const CString name = pDef->name(0);
    const CString caption = applyToAll ? "Save Business Object \"" + name + "\"" : CString("Save");
    COrvexApp* pApp = GetOrvexApp();
    if (unsaved) {
      switch (Ask(s_nNeverSavedAnswer, applyToAll, "This definition was never saved. Do you want to save changes?",
                  "Apply this action to all definitions that were never saved.", caption, kNeverSavedOptions)) {
        case kYesToServer:
          if (!pApp->SaveToServer(pDef)) {
            const CString text = "Business object \"" + name + "\" could not be saved to the server. " +
                                 "Would you like to save it to a file instead?";
            // A file save that did not happen keeps the window and its changes.
            if (MessageBox(text, "Failed to save to the server", MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
              return !SaveToFile();
          }
          break;
        case kYesToFile:
          return !SaveToFile();
        case IDNO:
          RevertChanges(pDef, TRUE);
          if (!::IsWindow(self)) return FALSE;
          break;
        case IDCANCEL:
          ClearRememberedAnswers();
          return TRUE;
        default:
          break;
      }
    } else if (unsavedFile) {
      switch (Ask(s_nSavedToFileAnswer, applyToAll,
                  "This definition was saved to a file. Do you want to save it to the server?",
                  "Apply this action to all definitions that are already saved to a file.", caption,
                  kSavedToFileOptions)) {
        case IDYES:
          if (!pApp->SaveToServer(pDef)) return FALSE;
          break;
        case IDNO:
          RevertChanges(pDef, TRUE);
          if (!::IsWindow(self)) return FALSE;
          break;
        case IDCANCEL:
          ClearRememberedAnswers();
          return TRUE;
        default:
          break;
      }
    }
  }
  ClearVisited();
  if (closeAfter) SECMDIChildWnd::OnClose();
  return FALSE;
}

BOOL CChildFrame::IsModifiedRecursive(CQRBusObjDef* pDef, DWORD bits, DWORD excluded) {
  if (pDef == nullptr) return FALSE;
  const CString name = pDef->name(0);
  CString seen;
  if (m_mapVisitedNames.Lookup(name, seen)) return FALSE;
  m_mapVisitedNames.SetAt(name, name);
  const auto state = static_cast<DWORD>(pDef->GetState());
  if ((state & bits) != 0 && (state & excluded) == 0) return TRUE;
  // A walk that only looks creates no definition for a missing type.
  CDataManager* pDM = CDataManager::InitInstance();
  for (const CString& type : UsedTypeNames(*pDef)) {
    CQRBusObjDef* pUsed = pDM->GetBO(type, 0, 1);
    if (pUsed != nullptr && IsModifiedRecursive(pUsed, bits, excluded)) return TRUE;
  }
  return FALSE;
}

void CChildFrame::RevertChanges(CQRBusObjDef* pDef, BOOL recurse) {
  if (pDef == nullptr) return;
  const CString name = pDef->name(0);
  CString seen;
  if (m_mapVisitedNames.Lookup(name, seen)) return;
  m_mapVisitedNames.SetAt(name, name);
  const int state = pDef->GetState();
  COrvexDoc* pDoc = GetOrvexDoc();
  CDataManager* pDM = CDataManager::InitInstance();
  for (const CString& type : UsedTypeNames(*pDef)) {
    if (pDoc != nullptr && pDoc->IsNameInDocs(type, TRUE)) continue;
    CQRBusObjDef* pUsed = pDM->GetBO(type, 0, 1);
    if (pUsed != nullptr && recurse) RevertChanges(pUsed, TRUE);
  }
  if ((state & kOnServer) != 0 && (state & HvStateModified) != 0) {
    pDef->RevertAttrs();
  } else if ((state & HvStateNew) != 0) {
    if (CMainFrame* pFrame = GetOrvexApp()->GetMainFrame()) pFrame->DeleteBODef(name);
  }
  // A definition changed without a server goes back to the file it came
  // from; that comes with the repository-copy reader.
}

BOOL CChildFrame::CloseAfterServerLoss() {
  CSingleLock lock(&m_mutex, TRUE);
  COrvexDoc* pDoc = GetOrvexDoc();
  if (pDoc != nullptr && IsModifiedRecursive(pDoc->m_pBODef, kNewOrModified, HvStateWrittenToFile)) {
    if (MessageBox("Do you want to save to a file?", "Save", MB_YESNO) == IDYES) SaveToFile();
  }
  ClearVisited();
  lock.Unlock();
  SECMDIChildWnd::OnClose();
  return TRUE;
}
