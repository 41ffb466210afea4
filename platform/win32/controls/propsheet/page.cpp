// Page handles: CreatePropertySheetPage, DestroyPropertySheetPage, and the
// page's dialog made from its template as a child of the sheet.
#include <cstddef>
#include <cstring>

#include "controls/propsheet/sheet.h"
#include "internal/dlg_create.h"
#include "internal/res_templates.h"
#include "win32/winres.h"

namespace win32::propsheet {
namespace {

// A page is a control container inside the sheet, whatever its template
// says about frames and visibility.
constexpr DWORD kPageStyleOff = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_DISABLED | WS_VISIBLE |
                                WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_CENTERMOUSE |
                                DS_ABSALIGN | DS_SYSMODAL | DS_SETFOREGROUND;
constexpr DWORD kPageStyleOn = WS_CHILD | DS_CONTROL | DS_3DLOOK;

// The structure up to pcRefParent is the least a caller must give.
constexpr DWORD kMinPageSize = offsetof(PROPSHEETPAGE, pszHeaderTitle);

bool FindTemplate(PROPSHEETPAGE& psp, const void*& data, size_t& size) {
  if (psp.dwFlags & PSP_DLGINDIRECT) {
    data = psp.pResource;
    size = dlg::kIndirectTemplateLimit;
    return data != nullptr;
  }
  return psp.pszTemplate != nullptr && dlg::FindDialogResource(psp.hInstance, psp.pszTemplate, data, size);
}

UINT Callback(PROPSHEETPAGE& psp, UINT message) {
  if (!(psp.dwFlags & PSP_USECALLBACK) || !psp.pfnCallback) return 1;
  return psp.pfnCallback(nullptr, message, &psp);
}

}  // namespace

std::string TextOrResource(HINSTANCE instance, LPCSTR textOrId) {
  if (!textOrId) return {};
  if (!IS_INTRESOURCE(textOrId)) return textOrId;
  char text[256] = {};
  LoadString(instance, static_cast<UINT>(reinterpret_cast<UINT_PTR>(textOrId)), text, sizeof text);
  return text;
}

bool ReadPageTemplate(HPROPSHEETPAGE page, PageTemplate& out) {
  const void* data = nullptr;
  size_t size = 0;
  internal::DialogTemplate t;
  if (!FindTemplate(page->psp(), data, size) || !internal::ParseDialogTemplate(data, size, t)) return false;
  out.dialogUnits = SIZE{t.cx, t.cy};
  out.caption = t.caption;
  return true;
}

HWND CreatePageWindow(HPROPSHEETPAGE page, HWND sheet) {
  PROPSHEETPAGE& psp = page->psp();
  const void* data = nullptr;
  size_t size = 0;
  // The callback comes last: a class library may wait for the next window.
  if (!FindTemplate(psp, data, size) || !Callback(psp, PSPCB_CREATE)) return nullptr;
  const dlg::DialogRequest request{psp.hInstance, data, size, sheet, psp.pfnDlgProc, reinterpret_cast<LPARAM>(&psp),
                                   false};
  return dlg::CreateDialogWindowStyled(request, kPageStyleOff, kPageStyleOn);
}

int PageTemplateId(HPROPSHEETPAGE page) {
  const PROPSHEETPAGE& psp = page->psp();
  if ((psp.dwFlags & PSP_DLGINDIRECT) || !IS_INTRESOURCE(psp.pszTemplate)) return 0;
  return static_cast<int>(reinterpret_cast<UINT_PTR>(psp.pszTemplate));
}

}  // namespace win32::propsheet

HPROPSHEETPAGE WINAPI CreatePropertySheetPage(LPCPROPSHEETPAGE lppsp) {
  if (!lppsp || lppsp->dwSize < win32::propsheet::kMinPageSize) return nullptr;
  auto page = std::make_unique<_PSP>();
  page->block.assign(std::max<size_t>(lppsp->dwSize, sizeof(PROPSHEETPAGE)), 0);
  std::memcpy(page->block.data(), lppsp, lppsp->dwSize);
  PROPSHEETPAGE& psp = page->psp();
  // The title is read now: the caller's string need not outlive the call.
  if (psp.dwFlags & PSP_USETITLE) page->title = win32::propsheet::TextOrResource(psp.hInstance, psp.pszTitle);
  if ((psp.dwFlags & PSP_USEREFPARENT) && psp.pcRefParent) ++*psp.pcRefParent;
  win32::propsheet::Callback(psp, PSPCB_ADDREF);
  return page.release();
}

BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPage) {
  if (!hPage) return FALSE;
  std::unique_ptr<_PSP> page(hPage);
  PROPSHEETPAGE& psp = page->psp();
  win32::propsheet::Callback(psp, PSPCB_RELEASE);
  if ((psp.dwFlags & PSP_USEREFPARENT) && psp.pcRefParent && *psp.pcRefParent > 0) --*psp.pcRefParent;
  return TRUE;
}
