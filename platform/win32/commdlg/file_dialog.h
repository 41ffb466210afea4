// The explorer-style file open and save dialog: a real dialog of this
// window system with the classic controls ("Look in" combo, the file list,
// "File name" edit, "Files of type" combo, Open/Save, Cancel, Help, the
// read-only box and "Up one level"), an optional child dialog from the
// caller's template, and the hook notifications.
#pragma once

#include <string>
#include <vector>

#include "commdlg/file_names.h"
#include "win32/commdlg.h"

namespace win32::commdlg {

// The "Up one level" button (the toolbar of the classic dialog).
inline constexpr int kUpOneLevelId = ctl1;
// Its 16x16 picture, an arrow pointing up; the caller deletes it.
HBITMAP MakeUpArrowBitmap();

class FileDialog {
 public:
  FileDialog(OPENFILENAME& ofn, bool save);
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;

  // Runs the dialog: TRUE with the result in the structure; FALSE on
  // cancel or failure (CommDlgExtendedError tells which).
  BOOL Run();

 private:
  struct ListEntry {
    std::string name;
    bool folder = false;
  };

  static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK ChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam);
  static FileDialog* FromDialog(HWND dlg);
  INT_PTR Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  // Set-up (file_dialog.cpp).
  void ReadInitialState();
  BOOL OnInitDialog();
  void FillTypes();
  void ApplyFlags();
  void FitToVisibleControls();
  void SetUpButtonImage();

  // The folder and its listing (file_dialog.cpp).
  void Navigate(const std::string& folder, bool notify);
  void FillLookIn();
  void FillList();
  const std::vector<std::string>& CurrentPatterns() const;
  std::vector<ListEntry> SelectedEntries() const;

  // User actions (file_dialog_actions.cpp).
  void OnCommand(int id, int code);
  void OnListSelection();
  void OnListDoubleClick();
  void OnTypeChange();
  void OnLookInChange();
  void OnHelp();
  void OnOk();
  bool AcceptNames(const std::vector<std::string>& names);
  bool CheckNames(const std::vector<std::string>& names);
  bool ConfirmSave(const std::string& path);
  std::string WithDefaultExtension(const std::string& name) const;
  void Finish(BOOL result, DWORD error);

  // The child dialog, the hook and the CDM_* messages (file_dialog_hook.cpp).
  bool CreateChild();
  void PlaceChild();
  LRESULT Notify(UINT code);
  bool HandleCdm(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  std::string CurrentFilePath() const;

  OPENFILENAME& ofn_;
  bool save_;
  HWND dlg_ = nullptr;
  HWND child_ = nullptr;
  SIZE childTemplateSize_{};
  std::vector<FileType> types_;
  size_t typeIndex_ = 0;
  std::vector<std::string> typedPatterns_;  // a pattern typed into "File name"
  std::string folder_;
  std::string initialName_;
  std::string defExt_;
  std::vector<ListEntry> entries_;
  HBITMAP upImage_ = nullptr;
  bool done_ = false;
  BOOL result_ = FALSE;
  DWORD error_ = 0;
};

}  // namespace win32::commdlg
