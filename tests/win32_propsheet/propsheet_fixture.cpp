#include "propsheet_fixture.h"

namespace halvane::test {
namespace {

PageScript* ScriptOf(HWND page) { return reinterpret_cast<PageScript*>(GetWindowLongPtr(page, DWLP_USER)); }

INT_PTR Answer(HWND page, LRESULT result) {
  SetWindowLongPtr(page, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR OnNotify(HWND page, PageScript& s, const PSHNOTIFY& note) {
  const UINT code = note.hdr.code;
  std::string entry = s.name + ":" + NotificationName(code);
  if (code == PSN_APPLY || code == PSN_RESET) entry += note.lParam ? "(ok)" : "";
  s.log->push_back(entry);
  HWND sheet = GetParent(page);
  if (code == PSN_SETACTIVE && s.wizardButtons) SendMessage(sheet, PSM_SETWIZBUTTONS, 0, s.wizardButtons);
  if (code == PSN_WIZNEXT && s.needsName && GetWindowTextLength(GetDlgItem(page, 1001)) == 0) return Answer(page, -1);
  const auto it = s.answers.find(code);
  return Answer(page, it == s.answers.end() ? 0 : it->second);
}

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* script = reinterpret_cast<PageScript*>(reinterpret_cast<const PROPSHEETPAGE*>(lParam)->lParam);
    SetWindowLongPtr(page, DWLP_USER, reinterpret_cast<LONG_PTR>(script));
    script->wnd = page;
    script->log->push_back(script->name + ":init");
    return TRUE;
  }
  PageScript* s = ScriptOf(page);
  if (!s) return FALSE;
  switch (msg) {
    case WM_NOTIFY:
      return OnNotify(page, *s, *reinterpret_cast<const PSHNOTIFY*>(lParam));
    case WM_COMMAND:
      if (s->reportsChanges && LOWORD(wParam) == 1001 && HIWORD(wParam) == EN_CHANGE)
        SendMessage(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
      return TRUE;
    case PSM_QUERYSIBLINGS:
      return Answer(page, s->siblingsAnswer);
    default:
      return FALSE;
  }
}

UINT CALLBACK PageCallback(HWND, UINT msg, PROPSHEETPAGE* psp) {
  if (msg == PSPCB_RELEASE) ++reinterpret_cast<PageScript*>(psp->lParam)->releases;
  return 1;
}

}  // namespace

const char* NotificationName(UINT code) {
  switch (code) {
    case PSN_SETACTIVE:
      return "SETACTIVE";
    case PSN_KILLACTIVE:
      return "KILLACTIVE";
    case PSN_APPLY:
      return "APPLY";
    case PSN_RESET:
      return "RESET";
    case PSN_HELP:
      return "HELP";
    case PSN_WIZBACK:
      return "WIZBACK";
    case PSN_WIZNEXT:
      return "WIZNEXT";
    case PSN_WIZFINISH:
      return "WIZFINISH";
    case PSN_QUERYCANCEL:
      return "QUERYCANCEL";
    default:
      return "?";
  }
}

PROPSHEETPAGE PropertySheetTest::Page(int id, PageScript& script) {
  script.log = &log;
  PROPSHEETPAGE psp{};
  psp.dwSize = sizeof psp;
  psp.dwFlags = PSP_USECALLBACK;
  psp.hInstance = GetModuleHandle(nullptr);
  psp.pszTemplate = MAKEINTRESOURCE(id);
  psp.pfnDlgProc = PageProc;
  psp.pfnCallback = PageCallback;
  psp.lParam = reinterpret_cast<LPARAM>(&script);
  return psp;
}

HPROPSHEETPAGE PropertySheetTest::MakePage(int id, PageScript& script) {
  const PROPSHEETPAGE psp = Page(id, script);
  return CreatePropertySheetPage(&psp);
}

PROPSHEETHEADER PropertySheetTest::Header(DWORD flags, std::vector<HPROPSHEETPAGE>& pages) {
  PROPSHEETHEADER h{};
  h.dwSize = sizeof h;
  h.dwFlags = flags;
  h.hInstance = GetModuleHandle(nullptr);
  h.pszCaption = "Settings";
  h.nPages = static_cast<UINT>(pages.size());
  h.phpage = pages.data();
  return h;
}

}  // namespace halvane::test
