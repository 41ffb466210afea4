// The property sheet: a dialog holding the standard buttons, a tab control
// (hidden in a wizard) and one child dialog per page, made when the page
// is first shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "win32/cc_tab.h"
#include "win32/prsht.h"

// A page handle: the caller's structure (with whatever it keeps behind it)
// and the title read when the page was made.
struct _PSP {
  std::vector<BYTE> block;
  std::string title;  // empty: the template's caption
  PROPSHEETPAGE& psp() { return *reinterpret_cast<PROPSHEETPAGE*>(block.data()); }
};

namespace win32::propsheet {

// The text of a string or of a string resource id of `instance`.
std::string TextOrResource(HINSTANCE instance, LPCSTR textOrId);

// What a page's template says before its window exists.
struct PageTemplate {
  SIZE dialogUnits{};
  std::string caption;
};
bool ReadPageTemplate(HPROPSHEETPAGE page, PageTemplate& out);
// The page's dialog as a child of the sheet, hidden; null when its
// template is missing or its callback refuses.
HWND CreatePageWindow(HPROPSHEETPAGE page, HWND sheet);
// The resource id of the page's template, 0 for a named or memory one.
int PageTemplateId(HPROPSHEETPAGE page);

class Sheet {
 public:
  explicit Sheet(const PROPSHEETHEADER& header);
  ~Sheet();
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  // Makes the sheet's window; the window then owns the object. Null on
  // failure, the object still the caller's.
  static HWND Create(std::unique_ptr<Sheet> sheet);
  // Runs the modal loop of a sheet made by Create; 1 for OK or Finish, 0
  // for Cancel. The window and the object are gone afterwards.
  static INT_PTR RunModal(HWND sheet);

 private:
  struct Page {
    HPROPSHEETPAGE handle = nullptr;
    HWND wnd = nullptr;
    PageTemplate info;
    std::string title;
    bool changed = false;
  };

  static INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
  static Sheet* From(HWND dlg);

  // Set-up and layout (sheet_create.cpp).
  bool IsWizard() const { return (flags_ & (PSH_WIZARD | PSH_WIZARD97 | PSH_WIZARD_LITE)) != 0; }
  std::vector<WORD> BuildTemplate() const;
  void OnInitDialog();
  void Layout();
  SIZE LargestPage() const;
  void PlaceButtons(int top, int right);
  void CenterOnOwner();
  void ShowTitle();
  void ReleaseOwner();

  // Messages (sheet_proc.cpp).
  bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandlePageMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool OnTabNotify(const NMHDR& note, LRESULT& result);
  bool IsSheetMessage(MSG& msg);
  LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
  void SetTitle(DWORD style, LPCSTR text);

  // Pages (sheet_pages.cpp).
  int PageCount() const { return static_cast<int>(pages_.size()); }
  bool InsertPage(int at, HPROPSHEETPAGE page);
  int InsertionPoint(WPARAM where) const;
  bool RemovePage(int index);
  bool EnsureWindow(int index);
  LRESULT NotifyPage(int index, UINT code, LPARAM lParam = 0);
  // The current page refuses to be left (PSN_KILLACTIVE).
  bool Leave();
  // Activates `index`, following the pages' PSN_SETACTIVE answers in the
  // direction of travel; false when no page accepted.
  bool Activate(int index, int direction);
  bool SelectPage(int index);
  int IndexOfHandle(HPROPSHEETPAGE page) const;
  int IndexOfWindow(HWND wnd) const;
  int IndexOfId(LRESULT id) const;
  void MarkChanged(HWND page, bool changed);

  // Buttons (sheet_buttons.cpp).
  void OnCommand(int id);
  bool Apply(bool fromOk);
  void OnCancel();
  void OnBack();
  void OnNext();
  void OnFinish();
  void PressButton(int button);
  void SetWizardButtons(DWORD buttons);
  void SetFinishText(LPCSTR text);
  void CancelToClose();
  void UpdateApply();
  void UpdateHelp();
  void End(INT_PTR result);

  HWND hwnd_ = nullptr;
  HWND tab_ = nullptr;
  HWND owner_ = nullptr;
  HWND disabledOwner_ = nullptr;
  DWORD flags_;
  HINSTANCE instance_;
  std::string caption_;
  PFNPROPSHEETCALLBACK callback_ = nullptr;
  std::vector<Page> pages_;
  int start_ = 0;
  int current_ = -1;
  RECT pageRect_{};
  DWORD wizButtons_ = PSWIZB_BACK | PSWIZB_NEXT;
  bool ended_ = false;
  INT_PTR result_ = 0;
};

}  // namespace win32::propsheet
