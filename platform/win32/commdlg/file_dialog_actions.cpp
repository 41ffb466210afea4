// What the file dialog does with the user's actions: list selection, type
// and folder changes, and the checks of Open/Save.
#include <strings.h>

#include "commdlg/commdlg_common.h"
#include "commdlg/file_dialog.h"

namespace win32::commdlg {
namespace {

std::string Quoted(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& n : names) text += (text.empty() ? "\"" : " \"") + n + "\"";
  return text;
}

}  // namespace

void FileDialog::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      OnOk();
      break;
    case IDCANCEL:
      Finish(FALSE, 0);
      break;
    case pshHelp:
      OnHelp();
      break;
    case kUpOneLevelId:
      if (code == BN_CLICKED) Navigate(ParentOf(folder_), true);
      break;
    case lst1:
      if (code == LBN_SELCHANGE) OnListSelection();
      if (code == LBN_DBLCLK) OnListDoubleClick();
      break;
    case cmb1:
      if (code == CBN_SELCHANGE) OnTypeChange();
      break;
    case cmb2:
      if (code == CBN_SELCHANGE) OnLookInChange();
      break;
    default:
      break;
  }
}

// Chosen files go into "File name"; a chosen folder leaves it alone.
void FileDialog::OnListSelection() {
  std::vector<std::string> files;
  for (const ListEntry& e : SelectedEntries())
    if (!e.folder) files.push_back(e.name);
  if (files.size() == 1) SetDlgItemText(dlg_, edt1, files.front().c_str());
  if (files.size() > 1) SetDlgItemText(dlg_, edt1, Quoted(files).c_str());
  Notify(CDN_SELCHANGE);
}

void FileDialog::OnListDoubleClick() {
  const std::vector<ListEntry> selected = SelectedEntries();
  if (selected.size() == 1 && selected.front().folder) {
    Navigate(JoinPath(folder_, selected.front().name), true);
  } else if (!selected.empty()) {
    OnOk();
  }
}

void FileDialog::OnTypeChange() {
  const auto index = SendDlgItemMessage(dlg_, cmb1, CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  typeIndex_ = static_cast<size_t>(index);
  typedPatterns_.clear();
  ofn_.nFilterIndex = static_cast<DWORD>(typeIndex_ + 1);
  FillList();
  Notify(CDN_TYPECHANGE);
}

void FileDialog::OnLookInChange() {
  const auto index = SendDlgItemMessage(dlg_, cmb2, CB_GETCURSEL, 0, 0);
  const std::vector<std::string> chain = AncestorsOf(folder_);
  if (index >= 0 && static_cast<size_t>(index) < chain.size()) Navigate(chain[static_cast<size_t>(index)], true);
}

void FileDialog::OnHelp() {
  Notify(CDN_HELP);
  if (ofn_.hwndOwner)
    SendMessage(ofn_.hwndOwner, RegisterWindowMessage(HELPMSGSTRING), reinterpret_cast<WPARAM>(dlg_),
                reinterpret_cast<LPARAM>(&ofn_));
}

// Open/Save: a folder opens it, a pattern filters the list, names are
// checked and become the result.
void FileDialog::OnOk() {
  const std::vector<std::string> names = SplitTypedNames(ItemText(dlg_, edt1));
  if (names.empty()) {
    const std::vector<ListEntry> selected = SelectedEntries();
    if (selected.size() == 1 && selected.front().folder) Navigate(JoinPath(folder_, selected.front().name), true);
    return;
  }
  if (names.size() == 1) {
    const std::string path = JoinPath(folder_, names.front());
    if (IsFolder(path)) {
      Navigate(path, true);
      SetDlgItemText(dlg_, edt1, "");
      return;
    }
    if (HasWildcard(LeafOf(path))) {
      Navigate(ParentOf(path), true);
      typedPatterns_ = SplitPatterns(LeafOf(path));
      FillList();
      SetDlgItemText(dlg_, edt1, LeafOf(path).c_str());
      return;
    }
  }
  if (names.size() > 1 && !(ofn_.Flags & OFN_ALLOWMULTISELECT)) {
    const std::string text = ItemText(dlg_, edt1) + "\nThe file name is not valid.";
    MessageBox(dlg_, text.c_str(), ControlText(dlg_).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  AcceptNames(names);
}

std::string FileDialog::WithDefaultExtension(const std::string& name) const {
  if (HasExtension(name)) return name;
  // An existing file opens as typed.
  if (!save_ && Exists(JoinPath(folder_, name))) return name;
  const std::string ext = ExtensionToAdd(CurrentPatterns(), defExt_);
  return ext.empty() ? name : name + "." + ext;
}

bool FileDialog::AcceptNames(const std::vector<std::string>& typed) {
  std::vector<std::string> names;
  for (const std::string& n : typed) names.push_back(WithDefaultExtension(n));
  if (!CheckNames(names)) return false;
  if (IsDlgButtonChecked(dlg_, chx1) == BST_CHECKED)
    ofn_.Flags |= OFN_READONLY;
  else
    ofn_.Flags &= ~static_cast<DWORD>(OFN_READONLY);
  const std::string ext = HasExtension(names.front()) ? names.front().substr(names.front().rfind('.') + 1) : "";
  if (!defExt_.empty() && strcasecmp(ext.c_str(), defExt_.c_str()) != 0)
    ofn_.Flags |= OFN_EXTENSIONDIFFERENT;
  else
    ofn_.Flags &= ~static_cast<DWORD>(OFN_EXTENSIONDIFFERENT);
  const DWORD error = WriteFileResult(ofn_, folder_, names);
  if (error) {
    Finish(FALSE, error);
    return false;
  }
  // The hook sees the result and may refuse it; the dialog then stays.
  if (Notify(CDN_FILEOK) != 0) return false;
  Finish(TRUE, 0);
  return true;
}

bool FileDialog::CheckNames(const std::vector<std::string>& names) {
  const std::string caption = ControlText(dlg_);
  auto refuse = [&](const std::string& text) {
    MessageBox(dlg_, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
  };
  const bool fileMustExist = !save_ && (ofn_.Flags & OFN_FILEMUSTEXIST);
  for (const std::string& name : names) {
    const std::string path = JoinPath(folder_, name);
    if ((fileMustExist || (ofn_.Flags & OFN_PATHMUSTEXIST)) && !IsFolder(ParentOf(path)))
      return refuse(name + "\nPath does not exist.\nPlease verify the correct path was given.");
    if (fileMustExist && !Exists(path))
      return refuse(name + "\nFile not found.\nPlease verify the correct file name was given.");
    if (!ConfirmSave(path)) return false;
  }
  return true;
}

bool FileDialog::ConfirmSave(const std::string& path) {
  const std::string caption = ControlText(dlg_);
  const bool exists = Exists(path);
  std::string question;
  UINT icon = MB_ICONEXCLAMATION;
  if (exists && save_ && (ofn_.Flags & OFN_OVERWRITEPROMPT)) {
    question = LeafOf(path) + " already exists.\nDo you want to replace it?";
  } else if (!exists && (ofn_.Flags & OFN_CREATEPROMPT)) {
    question = LeafOf(path) + "\nThis file does not exist.\nDo you want to create it?";
    icon = MB_ICONQUESTION;
  }
  return question.empty() || MessageBox(dlg_, question.c_str(), caption.c_str(), MB_YESNO | icon) == IDYES;
}

void FileDialog::Finish(BOOL result, DWORD error) {
  done_ = true;
  result_ = result;
  error_ = error;
  // The current folder is left alone whatever the flags: it is shared by
  // every thread and window of the process, and the caller gets full paths.
  EndDialog(dlg_, result);
}

}  // namespace win32::commdlg
