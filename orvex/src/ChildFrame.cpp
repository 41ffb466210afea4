#include "ChildFrame.h"

#include <DefMessageBox.h>

#include <vector>

#include "BOImpExp.h"
#include "BusObjAttrsView.h"
#include "BusObjVerbsView.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "OrvexView.h"
#include "resource.h"

namespace {

constexpr DWORD kNewOrModified = HvStateNew | HvStateModified;
constexpr DWORD kOnServer = HvStateOnServer | HvStateSavedToServer;
// Yes to server, Yes to file, No, Cancel; and Yes, No, Cancel; both with
// the second button as the default.
constexpr UINT kNeverSavedOptions = 264;
constexpr UINT kSavedToFileOptions = 259;
constexpr int kYesToServer = 14;
constexpr int kYesToFile = 15;
constexpr int kTabFontHeight = -12;

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
  ON_COMMAND(ID_NEXT_TAB, OnNextPane)
END_MESSAGE_MAP()

CChildFrame::CChildFrame() : m_mapVisitedNames(10) {}

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
  cs.cx = 700;
  cs.cy = 400;
  return SECMDIChildWnd::PreCreateWindow(cs);
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (!m_wndTabs.Create(this, TWS_DEFAULT_PANE_STYLE, AFX_IDW_PANE_FIRST)) return FALSE;
  m_pTabFont = std::make_unique<CFont>();
  m_pTabFont->CreateFont(kTabFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  m_wndTabs.SetFontActiveTab(m_pTabFont.get());
  m_wndTabs.SetFontInactiveTab(m_pTabFont.get());
  if (m_wndTabs.AddTab(RUNTIME_CLASS(CBusObjVerbsView), "General", pContext) == nullptr) return FALSE;
  if (m_wndTabs.AddTab(RUNTIME_CLASS(CBusObjAttrsView), "Attributes", pContext) == nullptr) return FALSE;
  return m_wndTabs.ActivateTab(kAttributesTab);
}

COrvexDoc* CChildFrame::GetOrvexDoc() { return DYNAMIC_DOWNCAST(COrvexDoc, GetActiveDocument()); }

CWnd* CChildFrame::GetActiveTabView() {
  return m_wndTabs.GetSafeHwnd() != nullptr ? m_wndTabs.GetActiveWnd() : nullptr;
}

COrvexView* CChildFrame::GetTabView(int nTab) {
  return m_wndTabs.GetSafeHwnd() != nullptr ? DYNAMIC_DOWNCAST(COrvexView, m_wndTabs.GetTabWnd(nTab)) : nullptr;
}

void CChildFrame::OnNextPane() {
  m_wndTabs.ActivateTab(m_wndTabs.GetActiveTab() == kAttributesTab ? kGeneralTab : kAttributesTab);
}

void CChildFrame::ClearRememberedAnswers() {
  s_nNeverSavedAnswer = 0;
  s_nSavedToFileAnswer = 0;
}

void CChildFrame::OnClose() { PromptSaveOnClose(FALSE, TRUE); }

void CChildFrame::CloseFrame() { SECMDIChildWnd::OnClose(); }

// --- The close questions -------------------------------------------------------------

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

// Every step that runs a box or a save may end the window (a notice, a
// deleted definition, a renamed copy in its place), and the definition
// with it: after each, only the handle on the stack is looked at.
BOOL CChildFrame::CarryOutAnswer(HWND self, int answer, bool saves, CQRBusObjDef* pDef,
                                 const std::function<BOOL()>& save) {
  BOOL done = FALSE;
  if (!::IsWindow(self)) {
    done = saves || answer == IDNO;
  } else if (saves) {
    done = save();
  } else if (answer == IDNO) {
    RevertChanges(pDef, TRUE);
    done = TRUE;
  }
  if (!done) ClearRememberedAnswers();
  return !done;
}

BOOL CChildFrame::AskNeverSaved(CQRBusObjDef* pDef, BOOL applyToAll, const CString& caption) {
  const HWND self = GetSafeHwnd();
  const int answer =
      Ask(s_nNeverSavedAnswer, applyToAll, "This definition was never saved. Do you want to save changes?",
          "Apply this action to all definitions that were never saved.", caption, kNeverSavedOptions);
  return CarryOutAnswer(self, answer, answer == kYesToServer || answer == kYesToFile, pDef, [&]() -> BOOL {
    if (answer == kYesToFile) return SaveToFile();
    return GetOrvexApp()->SaveToServer(pDef) || (::IsWindow(self) && OfferFileInstead(pDef->name(0))) ? TRUE : FALSE;
  });
}

BOOL CChildFrame::OfferFileInstead(const CString& name) {
  const HWND self = GetSafeHwnd();
  const CString text = "Business object \"" + name + "\" could not be saved to the server. " +
                       "Would you like to save it to a file instead?";
  return ::MessageBox(self, text, "Failed to save to the server", MB_YESNO | MB_ICONEXCLAMATION) == IDYES &&
         ::IsWindow(self) && SaveToFile();
}

BOOL CChildFrame::AskSavedToFile(CQRBusObjDef* pDef, BOOL applyToAll, const CString& caption) {
  const HWND self = GetSafeHwnd();
  const int answer = Ask(
      s_nSavedToFileAnswer, applyToAll, "This definition was saved to a file. Do you want to save it to the server?",
      "Apply this action to all definitions that are already saved to a file.", caption, kSavedToFileOptions);
  return CarryOutAnswer(self, answer, answer == IDYES, pDef, [&] { return GetOrvexApp()->SaveToServer(pDef); });
}

BOOL CChildFrame::PromptSaveOnClose(BOOL applyToAll, BOOL closeAfter) {
  const HWND self = GetSafeHwnd();
  COrvexDoc* pDoc = GetOrvexDoc();
  CQRBusObjDef* pDef = pDoc != nullptr ? pDoc->m_pBODef : nullptr;
  if (pDef != nullptr) {
    const BOOL unsavedFile = IsModifiedRecursive(pDef, HvStateWrittenToFile, 0);
    ClearVisited();
    const BOOL unsaved = IsModifiedRecursive(pDef, kNewOrModified, HvStateWrittenToFile);
    ClearVisited();
    const CString caption = applyToAll ? "Save Business Object \"" + CString(pDef->name(0)) + "\"" : CString("Save");
    BOOL stay = FALSE;
    if (unsaved) {
      stay = AskNeverSaved(pDef, applyToAll, caption);
    } else if (unsavedFile) {
      stay = AskSavedToFile(pDef, applyToAll, caption);
    }
    if (!::IsWindow(self)) return stay;
    if (stay) {
      ClearVisited();
      return TRUE;
    }
  }
  ClearVisited();
  if (closeAfter) CloseFrame();
  return FALSE;
}

// --- Walks over the definitions used ---------------------------------------------------

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
  const HWND self = GetSafeHwnd();
  for (const CString& type : UsedTypeNames(*pDef)) {
    // What another window shows stays as it is there.
    if (pDoc != nullptr && pDoc->IsNameInDocs(type, TRUE)) continue;
    CQRBusObjDef* pUsed = pDM->GetBO(type, 0, 1);
    if (pUsed != nullptr && recurse) RevertChanges(pUsed, TRUE);
    // Deleting a new definition that this one uses may take this window along.
    if (!::IsWindow(self)) return;
  }
  if ((state & kOnServer) != 0 && (state & HvStateModified) != 0) {
    pDef->RevertAttrs();
  } else if ((state & HvStateNew) != 0) {
    if (CMainFrame* pFrame = GetOrvexApp()->GetMainFrame()) pFrame->DeleteBODef(name);
  } else if ((state & HvStateModified) != 0) {
    CBOImpExp().ReloadFromFile(pDef);
  }
}

// --- The end of a session ----------------------------------------------------------------

BOOL CChildFrame::CloseAfterServerLoss() {
  const HWND self = GetSafeHwnd();
  m_mutex.Lock();
  if (m_nServerLossDepth > 0) {
    // A notice inside this window's own question: the outer call closes.
    m_mutex.Unlock();
    return TRUE;
  }
  ++m_nServerLossDepth;
  COrvexDoc* pDoc = GetOrvexDoc();
  const BOOL changed = pDoc != nullptr && IsModifiedRecursive(pDoc->m_pBODef, kNewOrModified, HvStateWrittenToFile);
  ClearVisited();
  if (changed && MessageBox("Do you want to save to a file?", "Save", MB_YESNO) == IDYES && ::IsWindow(self))
    SaveToFile();
  // The window, and its lock with it, may have gone meanwhile.
  if (!::IsWindow(self)) return TRUE;
  --m_nServerLossDepth;
  ClearVisited();
  m_mutex.Unlock();
  CloseFrame();
  return TRUE;
}
