// Module state: which application, instance and resource module the code
// runs for, and the resource chain of extension libraries that lookups
// search after the current resource module.
#pragma once

#include <vector>

#include "afxstr.h"
#include "mfc/object.h"

class CWinApp;
class CDynLinkLibrary;

struct AFX_MODULE_STATE {
  explicit AFX_MODULE_STATE(BOOL bDLL = FALSE) : m_bDLL(bDLL) {}

  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  LPCTSTR m_lpszCurrentAppName = nullptr;
  BOOL m_bDLL;
  // The extension libraries, in the order they joined; not owned.
  std::vector<CDynLinkLibrary*> m_libraryList;
};

// The state of the code now running: the one AFX_MANAGE_STATE selected on
// this thread, else the application's.
AFX_MODULE_STATE* AfxGetModuleState();
// The application's own module state (one per process here).
AFX_MODULE_STATE* AfxGetAppModuleState();
AFX_MODULE_STATE* AfxGetStaticModuleState();

// Selects a module state for a scope, restoring the previous one after.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 private:
  AFX_MODULE_STATE* m_pPrevModuleState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds a resource: the current resource module, else the
// first library of the chain that has it, else the class library's own;
// the current resource module when no one has it.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The class library's own module (its standard strings and bitmaps).
HINSTANCE AfxGetLibraryResourceHandle();
// Loads a string through the chain; FALSE when no module has it.
BOOL AfxLoadString(UINT nID, CString& rString);

// An extension library's record, filled by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HMODULE hModule = nullptr;
  HMODULE hResource = nullptr;
  CRuntimeClass* pFirstSharedClass = nullptr;
};

// FALSE for a null module (the library's attach then fails).
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Takes the module's libraries out of the chain and deletes them.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// A library in the resource chain. Made with new in the library's attach;
// the chain deletes it in AfxTermExtensionModule.
class CDynLinkLibrary : public CObject {
  DECLARE_DYNAMIC(CDynLinkLibrary)

 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;
  BOOL m_bSystem;
};
