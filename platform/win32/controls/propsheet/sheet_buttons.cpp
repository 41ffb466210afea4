// The sheet's buttons: OK, Cancel, Apply and Help of a tabbed sheet, Back,
// Next and Finish of a wizard, and the states programs give them.
#include "controls/propsheet/sheet.h"

namespace win32::propsheet {
namespace {

void Show(HWND dlg, int id, bool show) { ShowWindow(GetDlgItem(dlg, id), show ? SW_SHOWNA : SW_HIDE); }
void Enable(HWND dlg, int id, bool enable) { EnableWindow(GetDlgItem(dlg, id), enable); }
bool IsUsable(HWND dlg, int id) {
  HWND button = GetDlgItem(dlg, id);
  return button && IsWindowEnabled(button) && (GetWindowLong(button, GWL_STYLE) & WS_VISIBLE);
}

}  // namespace

void Sheet::OnCommand(int id) {
  if (ended_) return;
  switch (id) {
    case IDOK:
      // Enter in a wizard is its default button.
      if (IsWizard()) {
        const auto answer = static_cast<DWORD>(SendMessage(hwnd_, DM_GETDEFID, 0, 0));
        if (HIWORD(answer) == DC_HASDEFID && LOWORD(answer) != IDOK && IsUsable(hwnd_, LOWORD(answer)))
          OnCommand(LOWORD(answer));
      } else if (Apply(true)) {
        End(1);
      }
      break;
    case IDCANCEL:
      OnCancel();
      break;
    case ID_APPLY_NOW:
      Apply(false);
      break;
    case IDHELP:
      NotifyPage(current_, PSN_HELP);
      break;
    case ID_PSBACK:
      OnBack();
      break;
    case ID_PSNEXT:
      OnNext();
      break;
    case ID_PSFINISH:
      OnFinish();
      break;
    default:
      break;
  }
}

// The page shown checks its values first; then every page made so far
// applies them. A page that answers PSNRET_INVALID is shown.
bool Sheet::Apply(bool fromOk) {
  if (!Leave()) return false;
  for (int i = 0; i < PageCount(); ++i) {
    const LRESULT answer = NotifyPage(i, PSN_APPLY, fromOk);
    if (answer == PSNRET_INVALID) {
      if (i != current_) Activate(i, 1);
      return false;
    }
    if (answer == PSNRET_INVALID_NOCHANGEPAGE) return false;
  }
  for (Page& page : pages_) page.changed = false;
  UpdateApply();
  return true;
}

void Sheet::OnCancel() {
  if (NotifyPage(current_, PSN_QUERYCANCEL) != 0) return;
  for (int i = 0; i < PageCount(); ++i) NotifyPage(i, PSN_RESET);
  End(0);
}

// PSN_WIZBACK and PSN_WIZNEXT answer 0 for the neighbour, -1 to stay or
// the template id of the page to go to.
void Sheet::OnBack() {
  const LRESULT answer = NotifyPage(current_, PSN_WIZBACK);
  if (answer == -1) return;
  const int target = answer == 0 ? current_ - 1 : IndexOfId(answer);
  if (target >= 0) Activate(target, -1);
}

// The page's values are taken first, so that its handler sees them.
void Sheet::OnNext() {
  if (!Leave()) return;
  const LRESULT answer = NotifyPage(current_, PSN_WIZNEXT);
  if (answer == -1) return;
  const int target = answer == 0 ? current_ + 1 : IndexOfId(answer);
  if (target >= 0 && target < PageCount()) Activate(target, 1);
}

void Sheet::OnFinish() {
  if (!Leave()) return;
  if (NotifyPage(current_, PSN_WIZFINISH) != 0) return;
  End(1);
}

void Sheet::PressButton(int button) {
  static constexpr int kIds[] = {ID_PSBACK, ID_PSNEXT, ID_PSFINISH, IDOK, ID_APPLY_NOW, IDCANCEL, IDHELP};
  if (button < 0 || button > PSBTN_MAX) return;
  const int id = kIds[button];
  // A button the user could not press is not pressed for the program.
  if (!IsUsable(hwnd_, id)) return;
  PostMessage(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
}

void Sheet::SetWizardButtons(DWORD buttons) {
  if (!IsWizard()) return;
  wizButtons_ = buttons;
  const bool finish = (buttons & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
  const bool both = (flags_ & PSH_WIZARDHASFINISH) != 0;
  Show(hwnd_, ID_PSBACK, true);
  Enable(hwnd_, ID_PSBACK, (buttons & PSWIZB_BACK) != 0);
  Show(hwnd_, ID_PSNEXT, both || !finish);
  Enable(hwnd_, ID_PSNEXT, (buttons & PSWIZB_NEXT) != 0);
  Show(hwnd_, ID_PSFINISH, both || finish);
  Enable(hwnd_, ID_PSFINISH, (buttons & PSWIZB_FINISH) != 0);
  const int def = IsUsable(hwnd_, ID_PSFINISH) && finish ? ID_PSFINISH
                  : IsUsable(hwnd_, ID_PSNEXT)           ? ID_PSNEXT
                                                         : ID_PSFINISH;
  SendMessage(hwnd_, DM_SETDEFID, static_cast<WPARAM>(def), 0);
  // The focus does not stay on a button that went away.
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus) && (!IsWindowEnabled(focus) || !(GetWindowLong(focus, GWL_STYLE) & WS_VISIBLE)))
    SendMessage(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd_, def)), TRUE);
}

// The last step: Finish with this text, enabled, in place of Back and Next.
void Sheet::SetFinishText(LPCSTR text) {
  if (!IsWizard()) return;
  SetDlgItemText(hwnd_, ID_PSFINISH, text ? text : "");
  Show(hwnd_, ID_PSBACK, false);
  Show(hwnd_, ID_PSNEXT, false);
  Show(hwnd_, ID_PSFINISH, true);
  Enable(hwnd_, ID_PSFINISH, true);
  SendMessage(hwnd_, DM_SETDEFID, ID_PSFINISH, 0);
}

// Changes can no longer be undone: Cancel is disabled, OK reads Close.
void Sheet::CancelToClose() {
  Enable(hwnd_, IDCANCEL, false);
  SetDlgItemText(hwnd_, IDOK, "Close");
}

void Sheet::UpdateApply() {
  bool changed = false;
  for (const Page& page : pages_) changed = changed || page.changed;
  Enable(hwnd_, ID_APPLY_NOW, changed);
}

// Help works for a page that has some.
void Sheet::UpdateHelp() {
  const bool help = current_ >= 0 && (pages_[static_cast<size_t>(current_)].handle->psp().dwFlags & PSP_HASHELP) != 0;
  Enable(hwnd_, IDHELP, help);
}

void Sheet::End(INT_PTR result) {
  ended_ = true;
  result_ = result;
  if (!(flags_ & PSH_MODELESS)) {
    ReleaseOwner();
    ShowWindow(hwnd_, SW_HIDE);
  }
  // Wakes a loop that waits.
  PostMessage(hwnd_, WM_NULL, 0, 0);
}

}  // namespace win32::propsheet
