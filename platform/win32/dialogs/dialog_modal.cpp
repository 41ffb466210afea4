// CreateDialog*, DialogBox* and their modal loop, EndDialog.
#include "internal/dlg_create.h"
#include "dialogs/dialog_info.h"
#include "internal/dlg_modal.h"
#include "win32/dialogs.h"
#include "win32/winuser.h"

namespace win32::dlg {
namespace {

// Gives the owner back its input and the activation; runs once, whichever
// of EndDialog or the end of the loop comes first.
void ReleaseOwner(HWND dlg, DialogInfo& info) {
  if (info.disabledOwner) {
    EnableWindow(info.disabledOwner, TRUE);
    info.disabledOwner = nullptr;
  }
  if (info.owner && IsWindow(info.owner) && GetActiveWindow() == dlg) SetActiveWindow(info.owner);
}

// Reads one message for the loop: when the queue is empty the dialog is
// shown (first time), the idle hook and the owner's WM_ENTERIDLE get their
// turn before the loop waits. False when the loop must end.
bool NextMessage(HWND dlg, DialogInfo& info, bool& shown, MSG& msg) {
  while (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!shown) {
      shown = true;
      if (!IsWindowVisible(dlg)) ShowWindow(dlg, SW_SHOWNORMAL);
      continue;
    }
    if (win32::internal::RunModalIdle(dlg)) {
      if (info.ended || !IsWindow(dlg)) return false;
      continue;
    }
    if (info.owner && !(GetWindowLong(dlg, GWL_STYLE) & DS_NOIDLEMSG)) {
      SendMessage(info.owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dlg));
    }
    if (info.ended || !IsWindow(dlg)) return false;
    if (!GetMessage(&msg, nullptr, 0, 0)) break;
    return true;
  }
  if (msg.message != WM_QUIT) return true;
  // The quit request belongs to an outer loop: hand it on.
  PostQuitMessage(static_cast<int>(msg.wParam));
  return false;
}

INT_PTR RunModalLoop(HWND dlg, const std::shared_ptr<DialogInfo>& info) {
  win32::internal::ModalLoopGuard guard(dlg);
  bool shown = false;
  MSG msg{};
  while (!info->ended && IsWindow(dlg) && NextMessage(dlg, *info, shown, msg)) {
    // The message filter (the class library's PreTranslateMessage) comes first.
    if (!CallMsgFilter(&msg, MSGF_DIALOGBOX) && !IsDialogMessage(dlg, &msg)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
  ReleaseOwner(dlg, *info);
  const INT_PTR result = info->result;
  DestroyWindow(dlg);
  return result;
}

INT_PTR RunModal(DialogRequest request) {
  if (request.parent && !IsWindow(request.parent)) return 0;
  request.modal = true;
  HWND dlg = CreateDialogWindow(request);
  auto info = FindDialogInfo(dlg);
  if (!dlg || !info) return -1;
  return RunModalLoop(dlg, info);
}

}  // namespace
}  // namespace win32::dlg

HWND WINAPI CreateDialogParam(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                              LPARAM dwInitParam) {
  win32::dlg::DialogRequest request{hInstance, nullptr, 0, hWndParent, lpDialogFunc, dwInitParam, false};
  if (!win32::dlg::FindDialogResource(hInstance, lpTemplateName, request.data, request.size)) return nullptr;
  return win32::dlg::CreateDialogWindow(request);
}

HWND WINAPI CreateDialogIndirectParam(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return win32::dlg::CreateDialogWindow(
      {hInstance, lpTemplate, win32::dlg::kIndirectTemplateLimit, hWndParent, lpDialogFunc, dwInitParam, false});
}

INT_PTR WINAPI DialogBoxParam(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                              LPARAM dwInitParam) {
  win32::dlg::DialogRequest request{hInstance, nullptr, 0, hWndParent, lpDialogFunc, dwInitParam, true};
  if (!win32::dlg::FindDialogResource(hInstance, lpTemplateName, request.data, request.size)) return -1;
  return win32::dlg::RunModal(request);
}

INT_PTR WINAPI DialogBoxIndirectParam(HINSTANCE hInstance, LPCDLGTEMPLATE hDialogTemplate, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return win32::dlg::RunModal(
      {hInstance, hDialogTemplate, win32::dlg::kIndirectTemplateLimit, hWndParent, lpDialogFunc, dwInitParam, true});
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  auto info = win32::dlg::FindDialogInfo(hDlg);
  if (!info || !IsWindow(hDlg)) return FALSE;
  info->ended = true;
  info->result = nResult;
  // The owner is enabled before the dialog goes, so that the activation
  // can pass to it.
  if (info->modal) win32::dlg::ReleaseOwner(hDlg, *info);
  ShowWindow(hDlg, SW_HIDE);
  // Wakes a loop that waits in GetMessage (EndDialog from another thread).
  PostMessage(hDlg, WM_NULL, 0, 0);
  return TRUE;
}
