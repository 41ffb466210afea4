// Extension libraries and their place in the resource chain.
#include <algorithm>

#include <windows.h>

#include "mfc/modulestate.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (hModule == nullptr) return FALSE;
  if (state.bInitialized) return TRUE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.bInitialized = TRUE;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  auto& chain = AfxGetAppModuleState()->m_libraryList;
  // Deleting a library takes it out of the chain: collect first.
  std::vector<CDynLinkLibrary*> doomed;
  for (CDynLinkLibrary* library : chain) {
    if (bAll || library->m_hModule == state.hModule) doomed.push_back(library);
  }
  for (CDynLinkLibrary* library : doomed) delete library;
  state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
  AfxGetAppModuleState()->m_libraryList.push_back(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE) {
  AfxGetAppModuleState()->m_libraryList.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
  auto& chain = AfxGetAppModuleState()->m_libraryList;
  chain.erase(std::remove(chain.begin(), chain.end(), this), chain.end());
}
