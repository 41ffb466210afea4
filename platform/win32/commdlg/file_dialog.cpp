// The file dialog's template, set-up and folder listing.
#include "commdlg/file_dialog.h"

#include <algorithm>
#include <filesystem>

#include "commdlg/commdlg_common.h"

namespace win32::commdlg {
namespace {

namespace fs = std::filesystem;

// The standard controls in dialog units, in tab order. The "Look in"
// combo comes before the type combo, as in the classic dialog.
void AddStandardControls(internal::DialogTemplateBuilder& b, bool multiSelect) {
  const DWORD list = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                     (multiSelect ? LBS_EXTENDEDSEL : 0);
  b.Item(kLabel, 0, RECT{7, 8, 45, 16}, stc4, "Static", "Look &in:")
      .Item(kDropList, 0, RECT{47, 6, 209, 106}, cmb2, "ComboBox", "")
      .Item(kPushButton | BS_BITMAP, 0, RECT{213, 5, 229, 19}, kUpOneLevelId, "Button", "Up one level")
      .Item(list, WS_EX_CLIENTEDGE, RECT{7, 24, 273, 100}, lst1, "ListBox", "")
      .Item(kLabel, 0, RECT{7, 108, 60, 116}, stc3, "Static", "File &name:")
      .Item(kEdit, WS_EX_CLIENTEDGE, RECT{62, 106, 212, 118}, edt1, "Edit", "")
      .Item(kLabel, 0, RECT{7, 126, 60, 134}, stc2, "Static", "Files of &type:")
      .Item(kDropList, 0, RECT{62, 124, 212, 200}, cmb1, "ComboBox", "")
      .Item(kCheckBox, 0, RECT{62, 140, 180, 150}, chx1, "Button", "Open as &read-only")
      .Item(kDefButton, 0, RECT{223, 105, 273, 119}, IDOK, "Button", "&Open")
      .Item(kPushButton, 0, RECT{223, 123, 273, 137}, IDCANCEL, "Button", "Cancel")
      .Item(kPushButton, 0, RECT{223, 141, 273, 155}, pshHelp, "Button", "&Help");
}

std::string CurrentFolder() {
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  return ec ? std::string("/") : cwd.string();
}

}  // namespace

HBITMAP MakeUpArrowBitmap() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT all{0, 0, 16, 16};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (int row = 0; row < 6; ++row) {
    RECT line{7 - row, 2 + row, 9 + row, 3 + row};
    FillRect(dc, &line, black);
  }
  RECT stem{6, 8, 10, 14};
  FillRect(dc, &stem, black);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

FileDialog::FileDialog(OPENFILENAME& ofn, bool save) : ofn_(ofn), save_(save) {}

BOOL FileDialog::Run() {
  ReadInitialState();
  const std::string title = ofn_.lpstrTitle ? ofn_.lpstrTitle : (save_ ? "Save As" : "Open");
  internal::DialogTemplateBuilder b(kDialogStyle, 0, RECT{0, 0, 280, 162}, title, kDialogFont);
  AddStandardControls(b, (ofn_.Flags & OFN_ALLOWMULTISELECT) != 0);
  const INT_PTR answer =
      DialogBoxIndirectParam(nullptr, b.Get(), ofn_.hwndOwner, DialogProc, reinterpret_cast<LPARAM>(this));
  if (upImage_) DeleteObject(upImage_);
  if (answer == -1 && !error_) error_ = CDERR_DIALOGFAILURE;
  if (!done_) result_ = FALSE;
  SetExtendedError(result_ ? 0 : error_);
  return result_;
}

void FileDialog::ReadInitialState() {
  types_ = ParseFilter(ofn_.lpstrFilter);
  if (ofn_.nFilterIndex >= 1 && ofn_.nFilterIndex <= types_.size()) typeIndex_ = ofn_.nFilterIndex - 1;
  defExt_ = ofn_.lpstrDefExt ? CleanExtension(ofn_.lpstrDefExt) : std::string();
  // An initial name with a folder opens that folder; otherwise the initial
  // folder, else the current one.
  const std::string initial = ofn_.lpstrFile ? ofn_.lpstrFile : "";
  const bool hasFolder = initial.find_first_of("/\\") != std::string::npos;
  if (hasFolder && IsFolder(ParentOf(initial))) {
    folder_ = ParentOf(initial);
    initialName_ = LeafOf(initial);
  } else {
    initialName_ = initial;
    const std::string dir = ofn_.lpstrInitialDir ? ofn_.lpstrInitialDir : "";
    folder_ = !dir.empty() && IsFolder(dir) ? dir : CurrentFolder();
  }
  folder_ = NormalizePath(JoinPath(CurrentFolder(), folder_));
  // An initial pattern filters the list, as a typed one does.
  if (HasWildcard(initialName_)) typedPatterns_ = SplitPatterns(initialName_);
}

FileDialog* FileDialog::FromDialog(HWND dlg) { return reinterpret_cast<FileDialog*>(GetWindowLongPtr(dlg, DWLP_USER)); }

INT_PTR CALLBACK FileDialog::DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<FileDialog*>(lParam);
    SetWindowLongPtr(dlg, DWLP_USER, lParam);
    self->dlg_ = dlg;
    return self->OnInitDialog();
  }
  FileDialog* self = FromDialog(dlg);
  return self ? self->Handle(msg, wParam, lParam) : FALSE;
}

INT_PTR FileDialog::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    OnCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  LRESULT result = 0;
  if (HandleCdm(msg, wParam, lParam, result)) return Answer(dlg_, result);
  return FALSE;
}

BOOL FileDialog::OnInitDialog() {
  ApplyFlags();
  FillTypes();
  SetUpButtonImage();
  Navigate(folder_, false);
  SetDlgItemText(dlg_, edt1, initialName_.c_str());
  FitToVisibleControls();
  if (!CreateChild()) return FALSE;
  PlaceChild();
  Notify(CDN_INITDONE);
  Notify(CDN_FOLDERCHANGE);
  if (!done_) {
    HWND edit = GetDlgItem(dlg_, edt1);
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 0, -1);
  }
  return FALSE;
}

void FileDialog::ApplyFlags() {
  if (ofn_.Flags & OFN_HIDEREADONLY) ShowWindow(GetDlgItem(dlg_, chx1), SW_HIDE);
  CheckDlgButton(dlg_, chx1, (ofn_.Flags & OFN_READONLY) ? BST_CHECKED : BST_UNCHECKED);
  if (!(ofn_.Flags & OFN_SHOWHELP)) ShowWindow(GetDlgItem(dlg_, pshHelp), SW_HIDE);
  if (save_) SetDlgItemText(dlg_, IDOK, "&Save");
  if (save_) SetDlgItemText(dlg_, stc4, "Save &in:");
  if (save_) SetDlgItemText(dlg_, stc2, "Save as &type:");
}

void FileDialog::FillTypes() {
  HWND combo = GetDlgItem(dlg_, cmb1);
  for (const FileType& type : types_)
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.description.c_str()));
  SendMessage(combo, CB_SETCURSEL, types_.empty() ? static_cast<WPARAM>(-1) : typeIndex_, 0);
}

void FileDialog::SetUpButtonImage() {
  upImage_ = MakeUpArrowBitmap();
  SendDlgItemMessage(dlg_, kUpOneLevelId, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(upImage_));
}

// The dialog ends 7 dialog units below its lowest visible control.
void FileDialog::FitToVisibleControls() {
  LONG bottom = 0;
  for (HWND c = GetWindow(dlg_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    // The dialog is not shown yet: the controls' own style tells.
    const bool shown = (GetWindowLong(c, GWL_STYLE) & WS_VISIBLE) != 0;
    if (!shown || GetDlgCtrlID(c) == cmb1 || GetDlgCtrlID(c) == cmb2) continue;
    RECT rc{};
    GetWindowRect(c, &rc);
    MapWindowPoints(nullptr, dlg_, reinterpret_cast<POINT*>(&rc), 2);
    bottom = std::max(bottom, rc.bottom);
  }
  RECT margin{0, 0, 0, 7};
  MapDialogRect(dlg_, &margin);
  RECT client{};
  GetClientRect(dlg_, &client);
  RECT frame{0, 0, client.right, bottom + margin.bottom};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(dlg_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLong(dlg_, GWL_EXSTYLE)));
  SetWindowPos(dlg_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FileDialog::Navigate(const std::string& folder, bool notify) {
  const std::string target = NormalizePath(folder);
  if (!IsFolder(target)) return;
  folder_ = target;
  FillLookIn();
  FillList();
  if (notify) Notify(CDN_FOLDERCHANGE);
}

void FileDialog::FillLookIn() {
  HWND combo = GetDlgItem(dlg_, cmb2);
  SendMessage(combo, CB_RESETCONTENT, 0, 0);
  const std::vector<std::string> chain = AncestorsOf(folder_);
  for (const std::string& p : chain) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.c_str()));
  SendMessage(combo, CB_SETCURSEL, chain.size() - 1, 0);
}

const std::vector<std::string>& FileDialog::CurrentPatterns() const {
  static const std::vector<std::string> kAll{"*.*"};
  if (!typedPatterns_.empty()) return typedPatterns_;
  return typeIndex_ < types_.size() ? types_[typeIndex_].patterns : kAll;
}

// Folders first ("[name]"), then the files the type shows, each sorted
// without regard to case; hidden names only with OFN_FORCESHOWHIDDEN.
void FileDialog::FillList() {
  const FolderContents contents = ListFolder(folder_, (ofn_.Flags & OFN_FORCESHOWHIDDEN) != 0);
  entries_.clear();
  HWND list = GetDlgItem(dlg_, lst1);
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& f : contents.folders) {
    entries_.push_back({f, true});
    const std::string shown = "[" + f + "]";
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
  }
  for (const std::string& f : contents.files) {
    if (!MatchesAny(f, CurrentPatterns())) continue;
    entries_.push_back({f, false});
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
  }
}

std::vector<FileDialog::ListEntry> FileDialog::SelectedEntries() const {
  HWND list = GetDlgItem(dlg_, lst1);
  std::vector<int> indexes;
  if (ofn_.Flags & OFN_ALLOWMULTISELECT) {
    const auto count = static_cast<int>(SendMessage(list, LB_GETSELCOUNT, 0, 0));
    indexes.resize(static_cast<size_t>(std::max(count, 0)));
    if (count > 0) SendMessage(list, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(indexes.data()));
  } else {
    const auto index = static_cast<int>(SendMessage(list, LB_GETCURSEL, 0, 0));
    if (index >= 0) indexes.push_back(index);
  }
  std::vector<ListEntry> selected;
  for (int i : indexes)
    if (i >= 0 && static_cast<size_t>(i) < entries_.size()) selected.push_back(entries_[static_cast<size_t>(i)]);
  return selected;
}

}  // namespace win32::commdlg
