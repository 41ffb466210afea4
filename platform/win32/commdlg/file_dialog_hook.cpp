// The file dialog's child dialog (the caller's template, or an empty one
// for a bare hook), the hook's notifications and the CDM_* messages.
#include <algorithm>

#include "commdlg/commdlg_common.h"
#include "commdlg/file_dialog.h"
#include "commdlg/item_lists.h"
#include "win32/winres.h"

namespace win32::commdlg {
namespace {

bool HasHook(const OPENFILENAME& ofn) { return (ofn.Flags & OFN_ENABLEHOOK) && ofn.lpfnHook; }

SIZE SizeOf(const RECT& rc) { return SIZE{rc.right - rc.left, rc.bottom - rc.top}; }

}  // namespace

// The child's dialog procedure is the hook; this records the size the
// template gave the child before the hook may change it.
INT_PTR CALLBACK FileDialog::ChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) {
  FileDialog* self = FromDialog(GetParent(child));
  if (!self) return FALSE;
  if (msg == WM_INITDIALOG) {
    RECT rc{};
    GetWindowRect(child, &rc);
    self->childTemplateSize_ = SizeOf(rc);
    self->child_ = child;
  }
  if (!HasHook(self->ofn_)) return FALSE;
  return static_cast<INT_PTR>(self->ofn_.lpfnHook(child, msg, wParam, lParam));
}

bool FileDialog::CreateChild() {
  const bool hook = (ofn_.Flags & OFN_ENABLEHOOK) != 0;
  const bool fromMemory = (ofn_.Flags & OFN_ENABLETEMPLATEHANDLE) != 0;
  const bool custom = !fromMemory && (ofn_.Flags & OFN_ENABLETEMPLATE) != 0;
  if (!hook && !custom && !fromMemory) return true;
  if (hook && !ofn_.lpfnHook) {
    Finish(FALSE, CDERR_NOHOOK);
    return false;
  }
  const auto param = reinterpret_cast<LPARAM>(&ofn_);
  if (fromMemory) {
    // hInstance then holds a block of global memory with the template.
    HGLOBAL block = reinterpret_cast<HGLOBAL>(ofn_.hInstance);
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATE>(GlobalLock(block));
    if (!dialogTemplate) {
      Finish(FALSE, CDERR_NOTEMPLATE);
      return false;
    }
    CreateDialogIndirectParam(nullptr, dialogTemplate, dlg_, ChildProc, param);
    GlobalUnlock(block);
  } else if (custom) {
    if (!ofn_.lpTemplateName || !FindResource(ofn_.hInstance, ofn_.lpTemplateName, RT_DIALOG)) {
      Finish(FALSE, ofn_.lpTemplateName ? CDERR_FINDRESFAILURE : CDERR_NOTEMPLATE);
      return false;
    }
    CreateDialogParam(ofn_.hInstance, ofn_.lpTemplateName, dlg_, ChildProc, param);
  } else {
    const internal::DialogTemplateBuilder empty(WS_CHILD | WS_VISIBLE | DS_CONTROL | DS_3DLOOK | DS_SETFONT, 0,
                                                RECT{0, 0, 0, 0}, "", kDialogFont);
    CreateDialogIndirectParam(nullptr, empty.Get(), dlg_, ChildProc, param);
  }
  if (!child_ || !IsWindow(child_)) {
    child_ = nullptr;
    if (!done_) Finish(FALSE, CDERR_DIALOGFAILURE);
    return false;
  }
  return true;
}

// The child goes below the standard controls; the dialog grows to hold it.
void FileDialog::PlaceChild() {
  if (!child_) return;
  RECT client{};
  GetClientRect(dlg_, &client);
  const SIZE child = childTemplateSize_;
  SetWindowPos(child_, HWND_TOP, 0, client.bottom, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(child_, SW_SHOWNA);
  RECT frame{0, 0, std::max(client.right, child.cx), client.bottom + child.cy};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(dlg_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLong(dlg_, GWL_EXSTYLE)));
  SetWindowPos(dlg_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT FileDialog::Notify(UINT code) {
  if (!child_ || done_ || !HasHook(ofn_)) return 0;
  OFNOTIFY note{};
  note.hdr.hwndFrom = dlg_;
  note.hdr.idFrom = 0;
  note.hdr.code = code;
  note.lpOFN = &ofn_;
  SetWindowLongPtr(child_, DWLP_MSGRESULT, 0);
  return SendMessage(child_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&note));
}

std::string FileDialog::CurrentFilePath() const {
  const std::vector<std::string> names = SplitTypedNames(ItemText(dlg_, edt1));
  return names.empty() ? folder_ : JoinPath(folder_, names.front());
}

bool FileDialog::HandleCdm(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  auto* buffer = reinterpret_cast<LPSTR>(lParam);
  const int size = static_cast<int>(wParam);
  switch (msg) {
    case CDM_GETSPEC:
      result = CopyOut(ItemText(dlg_, edt1), buffer, size);
      return true;
    case CDM_GETFILEPATH:
      result = CopyOut(CurrentFilePath(), buffer, size);
      return true;
    case CDM_GETFOLDERPATH:
      result = CopyOut(folder_, buffer, size);
      return true;
    case CDM_GETFOLDERIDLIST:
      result = CopyItemList(folder_, reinterpret_cast<void*>(lParam), size);
      return true;
    case CDM_SETCONTROLTEXT:
      result = SetDlgItemText(dlg_, static_cast<int>(wParam), reinterpret_cast<LPCSTR>(lParam));
      return true;
    case CDM_HIDECONTROL:
      result = ShowWindow(GetDlgItem(dlg_, static_cast<int>(wParam)), SW_HIDE);
      return true;
    case CDM_SETDEFEXT:
      defExt_ = lParam ? CleanExtension(reinterpret_cast<LPCSTR>(lParam)) : std::string();
      result = TRUE;
      return true;
    default:
      return false;
  }
}

}  // namespace win32::commdlg
