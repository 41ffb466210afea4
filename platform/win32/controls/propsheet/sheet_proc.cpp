// The sheet's messages: the PSM_* requests of programs and pages, the tab
// control's notifications and the keyboard.
#include "controls/propsheet/sheet.h"

namespace win32::propsheet {
namespace {

bool ControlDown() { return GetKeyState(VK_CONTROL) < 0; }
bool ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }

}  // namespace

bool Sheet::Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED || lParam == 0) OnCommand(LOWORD(wParam));
      return true;
    case WM_NOTIFY: {
      const auto* note = reinterpret_cast<const NMHDR*>(lParam);
      return note && note->hwndFrom == tab_ && OnTabNotify(*note, result);
    }
    default:
      return HandlePageMessage(msg, wParam, lParam, result);
  }
}

bool Sheet::HandlePageMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  auto handleAt = [&](WPARAM index, LPARAM page) {
    return page ? IndexOfHandle(reinterpret_cast<HPROPSHEETPAGE>(page)) : static_cast<int>(index);
  };
  switch (msg) {
    case PSM_SETCURSEL:
      result = SelectPage(handleAt(wParam, lParam));
      return true;
    case PSM_SETCURSELID:
      result = SelectPage(IndexOfId(lParam));
      return true;
    case PSM_REMOVEPAGE:
      result = RemovePage(handleAt(wParam, lParam));
      return true;
    case PSM_ADDPAGE:
    case PSM_INSERTPAGE: {
      const int at = msg == PSM_ADDPAGE ? PageCount() : InsertionPoint(wParam);
      result = at >= 0 && InsertPage(at, reinterpret_cast<HPROPSHEETPAGE>(lParam));
      if (result && current_ < 0) Activate(at, 1);
      return true;
    }
    case PSM_CHANGED:
    case PSM_UNCHANGED:
      MarkChanged(reinterpret_cast<HWND>(wParam), msg == PSM_CHANGED);
      result = TRUE;
      return true;
    case PSM_CANCELTOCLOSE:
      CancelToClose();
      return true;
    case PSM_QUERYSIBLINGS:
      result = QuerySiblings(wParam, lParam);
      return true;
    case PSM_APPLY:
      result = Apply(false);
      return true;
    case PSM_SETTITLE:
      SetTitle(static_cast<DWORD>(wParam), reinterpret_cast<LPCSTR>(lParam));
      return true;
    case PSM_SETWIZBUTTONS:
      SetWizardButtons(static_cast<DWORD>(lParam));
      return true;
    case PSM_PRESSBUTTON:
      PressButton(static_cast<int>(wParam));
      return true;
    case PSM_SETFINISHTEXT:
      SetFinishText(reinterpret_cast<LPCSTR>(lParam));
      return true;
    case PSM_GETTABCONTROL:
      result = reinterpret_cast<LRESULT>(tab_);
      return true;
    case PSM_ISDIALOGMESSAGE:
      result = lParam && IsSheetMessage(*reinterpret_cast<MSG*>(lParam));
      return true;
    case PSM_GETCURRENTPAGEHWND:
      // Null once the sheet has ended: a modeless sheet's owner then
      // destroys it.
      result = ended_ || current_ < 0 ? 0 : reinterpret_cast<LRESULT>(pages_[static_cast<size_t>(current_)].wnd);
      return true;
    case PSM_GETRESULT:
      result = ended_ ? result_ : -1;
      return true;
    default:
      break;
  }
  const int index = static_cast<int>(wParam);
  const bool valid = index >= 0 && index < PageCount();
  switch (msg) {
    case PSM_INDEXTOPAGE:
      result = valid ? reinterpret_cast<LRESULT>(pages_[static_cast<size_t>(index)].handle) : 0;
      return true;
    case PSM_INDEXTOHWND:
      result = valid ? reinterpret_cast<LRESULT>(pages_[static_cast<size_t>(index)].wnd) : 0;
      return true;
    case PSM_INDEXTOID:
      result = valid ? PageTemplateId(pages_[static_cast<size_t>(index)].handle) : 0;
      return true;
    case PSM_PAGETOINDEX:
      result = IndexOfHandle(reinterpret_cast<HPROPSHEETPAGE>(lParam));
      return true;
    case PSM_HWNDTOINDEX:
      result = IndexOfWindow(reinterpret_cast<HWND>(wParam));
      return true;
    case PSM_IDTOINDEX:
      result = IndexOfId(lParam);
      return true;
    default:
      return false;
  }
}

// The user's tab click: the page shown may refuse to go.
bool Sheet::OnTabNotify(const NMHDR& note, LRESULT& result) {
  if (note.code == TCN_SELCHANGING) {
    result = Leave() ? FALSE : TRUE;
    return true;
  }
  if (note.code == TCN_SELCHANGE) {
    const int chosen = TabCtrl_GetCurSel(tab_);
    if (!Activate(chosen, chosen < current_ ? -1 : 1)) TabCtrl_SetCurSel(tab_, current_);
    return true;
  }
  return false;
}

// Ctrl+Tab and Ctrl+PageDown move to the next tab, with Shift or PageUp
// to the previous one; the rest is the dialog keyboard.
bool Sheet::IsSheetMessage(MSG& msg) {
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  if (msg.message == WM_KEYDOWN && ControlDown() && !IsWizard() && PageCount() > 1) {
    int step = 0;
    if (msg.wParam == VK_TAB) step = ShiftDown() ? -1 : 1;
    if (msg.wParam == VK_NEXT) step = 1;
    if (msg.wParam == VK_PRIOR) step = -1;
    if (step != 0) {
      SelectPage((current_ + step + PageCount()) % PageCount());
      return true;
    }
  }
  return IsDialogMessage(hwnd_, &msg) != FALSE;
}

LRESULT Sheet::QuerySiblings(WPARAM wParam, LPARAM lParam) {
  for (const Page& page : pages_) {
    if (!page.wnd) continue;
    if (const LRESULT answer = SendMessage(page.wnd, PSM_QUERYSIBLINGS, wParam, lParam)) return answer;
  }
  return 0;
}

void Sheet::SetTitle(DWORD style, LPCSTR text) {
  caption_ = TextOrResource(instance_, text);
  flags_ = (flags_ & ~static_cast<DWORD>(PSH_PROPTITLE)) | (style & PSH_PROPTITLE);
  ShowTitle();
}

}  // namespace win32::propsheet
