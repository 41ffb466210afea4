// SHBrowseForFolder: a dialog of this window system with the folders of
// the current folder in a list; double-click descends, "Up one level"
// goes back, the chosen folder is the selected entry or the current one.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "commdlg/commdlg_common.h"
#include "commdlg/file_dialog.h"
#include "commdlg/file_names.h"
#include "commdlg/item_lists.h"

namespace win32::commdlg {
namespace {

bool IsWithin(const std::string& path, const std::string& root) {
  if (root == "/") return true;
  return path == root ||
         (path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/');
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && IsFolder(home) ? NormalizePath(home) : "/";
}

class FolderBrowser {
 public:
  explicit FolderBrowser(BROWSEINFO& info) : info_(info) {
    const std::string root = PathOfItemList(info.pidlRoot);
    root_ = IsFolder(root) ? NormalizePath(root) : "/";
    folder_ = IsWithin(HomeFolder(), root_) ? HomeFolder() : root_;
  }

  PIDLIST_ABSOLUTE Run() {
    const bool editBox = (info_.ulFlags & BIF_EDITBOX) != 0;
    internal::DialogTemplateBuilder b(kDialogStyle, 0, RECT{0, 0, 220, editBox ? 196 : 180}, "Browse for Folder",
                                      kDialogFont);
    const DWORD list = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    const int buttons = editBox ? 175 : 159;
    b.Item(kLabel, 0, RECT{7, 7, 213, 27}, stc1, "Static", info_.lpszTitle ? info_.lpszTitle : "")
        .Item(kLabel | SS_LEFTNOWORDWRAP, 0, RECT{7, 32, 193, 40}, stc2, "Static", "")
        .Item(kPushButton | BS_BITMAP, 0, RECT{197, 28, 213, 42}, kUpOneLevelId, "Button", "Up one level")
        .Item(list, WS_EX_CLIENTEDGE, RECT{7, 45, 213, 152}, lst1, "ListBox", "");
    if (editBox) {
      b.Item(kLabel, 0, RECT{7, 158, 40, 166}, stc3, "Static", "&Folder:")
          .Item(kEdit, WS_EX_CLIENTEDGE, RECT{42, 156, 213, 168}, edt1, "Edit", "");
    }
    b.Item(kDefButton, 0, RECT{107, buttons, 157, buttons + 14}, IDOK, "Button", "OK")
        .Item(kPushButton, 0, RECT{163, buttons, 213, buttons + 14}, IDCANCEL, "Button", "Cancel");
    DialogBoxIndirectParam(nullptr, b.Get(), info_.hwndOwner, Proc, reinterpret_cast<LPARAM>(this));
    if (upImage_) DeleteObject(upImage_);
    if (chosen_.empty()) return nullptr;
    if (info_.pszDisplayName) {
      const std::string name = chosen_ == "/" ? "/" : LeafOf(chosen_);
      const size_t n = std::min<size_t>(name.size(), MAX_PATH - 1);
      std::memcpy(info_.pszDisplayName, name.data(), n);
      info_.pszDisplayName[n] = '\0';
    }
    return MakeItemList(chosen_);
  }

 private:
  static INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
      SetWindowLongPtr(dlg, DWLP_USER, lParam);
      auto* self = reinterpret_cast<FolderBrowser*>(lParam);
      self->dlg_ = dlg;
      self->Init();
      return TRUE;
    }
    auto* self = reinterpret_cast<FolderBrowser*>(GetWindowLongPtr(dlg, DWLP_USER));
    return self ? self->Handle(msg, wParam, lParam) : FALSE;
  }

  void Init() {
    upImage_ = MakeUpArrowBitmap();
    SendDlgItemMessage(dlg_, kUpOneLevelId, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(upImage_));
    Navigate(folder_);
    Callback(BFFM_INITIALIZED, 0);
    NotifySelection();
  }

  INT_PTR Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
      case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      case BFFM_SETSELECTION:
        Select(wParam ? std::string(lParam ? reinterpret_cast<LPCSTR>(lParam) : "")
                      : PathOfItemList(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam)));
        return Answer(dlg_, TRUE);
      case BFFM_ENABLEOK:
        EnableWindow(GetDlgItem(dlg_, IDOK), lParam != 0);
        return Answer(dlg_, TRUE);
      default:
        return FALSE;
    }
  }

  void OnCommand(int id, int code) {
    if (id == IDOK) OnOk();
    if (id == IDCANCEL) EndDialog(dlg_, IDCANCEL);
    if (id == kUpOneLevelId && code == BN_CLICKED && folder_ != root_) {
      Navigate(ParentOf(folder_));
      NotifySelection();
    }
    if (id == lst1 && code == LBN_SELCHANGE) {
      if (GetDlgItem(dlg_, edt1)) SetDlgItemText(dlg_, edt1, SelectedName().c_str());
      NotifySelection();
    }
    if (id == lst1 && code == LBN_DBLCLK && !SelectedName().empty()) {
      Navigate(JoinPath(folder_, SelectedName()));
      NotifySelection();
    }
  }

  void OnOk() {
    std::string path = Selection();
    if (HWND edit = GetDlgItem(dlg_, edt1)) {
      const std::string typed = ControlText(edit);
      if (!typed.empty() && typed != SelectedName()) path = JoinPath(folder_, typed);
      if (!IsFolder(path)) {
        if (info_.ulFlags & BIF_VALIDATE) {
          if (Callback(BFFM_VALIDATEFAILED, reinterpret_cast<LPARAM>(typed.c_str())) == 0) EndDialog(dlg_, IDCANCEL);
        } else {
          const std::string text = typed + "\nThe folder does not exist.";
          MessageBox(dlg_, text.c_str(), "Browse for Folder", MB_OK | MB_ICONEXCLAMATION);
        }
        return;
      }
    }
    chosen_ = path;
    EndDialog(dlg_, IDOK);
  }

  void Navigate(const std::string& folder) {
    const std::string target = NormalizePath(folder);
    if (!IsFolder(target) || !IsWithin(target, root_)) return;
    folder_ = target;
    SetDlgItemText(dlg_, stc2, folder_.c_str());
    HWND list = GetDlgItem(dlg_, lst1);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& n : ListFolder(folder_, false).folders)
      SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    if (HWND edit = GetDlgItem(dlg_, edt1)) SetWindowText(edit, "");
  }

  // Shows `path` chosen: its parent opened with it selected.
  void Select(const std::string& path) {
    const std::string target = NormalizePath(path);
    if (!IsFolder(target) || !IsWithin(target, root_)) return;
    if (target == root_) {
      Navigate(target);
    } else {
      Navigate(ParentOf(target));
      const auto index = SendDlgItemMessage(dlg_, lst1, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(LeafOf(target).c_str()));
      SendDlgItemMessage(dlg_, lst1, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
      if (HWND edit = GetDlgItem(dlg_, edt1)) SetWindowText(edit, LeafOf(target).c_str());
    }
    NotifySelection();
  }

  std::string SelectedName() const {
    HWND list = GetDlgItem(dlg_, lst1);
    const auto index = SendMessage(list, LB_GETCURSEL, 0, 0);
    if (index < 0) return {};
    std::string text(static_cast<size_t>(SendMessage(list, LB_GETTEXTLEN, index, 0)) + 1, '\0');
    SendMessage(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
  }

  std::string Selection() const {
    const std::string name = SelectedName();
    return name.empty() ? folder_ : JoinPath(folder_, name);
  }

  // BFFM_SELCHANGED once per new selection, so that a callback that sets
  // the selection again does not loop.
  void NotifySelection() {
    const std::string selection = Selection();
    if (selection == notified_) return;
    notified_ = selection;
    PIDLIST_ABSOLUTE pidl = MakeItemList(selection);
    Callback(BFFM_SELCHANGED, reinterpret_cast<LPARAM>(pidl));
    ILFree(pidl);
  }

  int Callback(UINT msg, LPARAM lParam) { return info_.lpfn ? info_.lpfn(dlg_, msg, lParam, info_.lParam) : 0; }

  BROWSEINFO& info_;
  HWND dlg_ = nullptr;
  std::string root_;
  std::string folder_;
  std::string chosen_;
  std::string notified_;
  HBITMAP upImage_ = nullptr;
};

}  // namespace
}  // namespace win32::commdlg

PIDLIST_ABSOLUTE WINAPI SHBrowseForFolder(LPBROWSEINFO lpbi) {
  if (!lpbi || (lpbi->hwndOwner && !IsWindow(lpbi->hwndOwner))) return nullptr;
  win32::commdlg::FolderBrowser browser(*lpbi);
  return browser.Run();
}
