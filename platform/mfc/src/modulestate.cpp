// Module state, the resource chain and string lookups through it.
#include <algorithm>
#include <vector>

#include <windows.h>

#include "mfc/modulestate.h"
#include "winthread_state.h"

namespace {

// Immortal: the detaches of extension libraries run at exit and take their
// records out of its resource chain.
AFX_MODULE_STATE& AppModuleState() {
  static AFX_MODULE_STATE* state = new AFX_MODULE_STATE;
  return *state;
}

// Every module a lookup searches, current resource module first.
std::vector<HINSTANCE> SearchOrder() {
  std::vector<HINSTANCE> order;
  auto add = [&order](HINSTANCE h) {
    if (h != nullptr && std::find(order.begin(), order.end(), h) == order.end()) order.push_back(h);
  };
  add(AfxGetResourceHandle());
  for (CDynLinkLibrary* library : AfxGetAppModuleState()->m_libraryList) add(library->m_hResource);
  add(AfxGetLibraryResourceHandle());
  return order;
}

}  // namespace

AFX_THREAD_STATE* AfxGetThreadState() {
  thread_local AFX_THREAD_STATE state;
  return &state;
}

AFX_MODULE_STATE* AfxGetAppModuleState() { return &AppModuleState(); }
AFX_MODULE_STATE* AfxGetStaticModuleState() { return &AppModuleState(); }

AFX_MODULE_STATE* AfxGetModuleState() {
  AFX_MODULE_STATE* selected = AfxGetThreadState()->m_pModuleState;
  return selected != nullptr ? selected : &AppModuleState();
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState)
    : m_pPrevModuleState(AfxGetThreadState()->m_pModuleState) {
  AfxGetThreadState()->m_pModuleState = pNewState;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { AfxGetThreadState()->m_pModuleState = m_pPrevModuleState; }

HINSTANCE AfxGetInstanceHandle() {
  HINSTANCE h = AfxGetModuleState()->m_hCurrentInstanceHandle;
  return h != nullptr ? h : GetModuleHandle(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
  HINSTANCE h = AfxGetModuleState()->m_hCurrentResourceHandle;
  return h != nullptr ? h : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource; }

HINSTANCE AfxGetLibraryResourceHandle() { return GetModuleHandle("mfc"); }

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
  for (HINSTANCE h : SearchOrder()) {
    if (FindResource(h, lpszName, lpszType) != nullptr) return h;
  }
  return AfxGetResourceHandle();
}

BOOL AfxLoadString(UINT nID, CString& rString) {
  // LoadString truncates to the buffer: grow until the text fits.
  for (HINSTANCE h : SearchOrder()) {
    std::vector<char> buffer(256);
    for (;;) {
      const int length = ::LoadString(h, nID, buffer.data(), static_cast<int>(buffer.size()));
      if (length <= 0) break;
      if (static_cast<size_t>(length) < buffer.size() - 1) {
        rString = CString(buffer.data(), length);
        return TRUE;
      }
      buffer.resize(buffer.size() * 2);
    }
  }
  return FALSE;
}
