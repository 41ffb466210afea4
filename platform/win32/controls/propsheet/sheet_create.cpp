// PropertySheet: the sheet's template, its set-up and layout, and the
// modal loop of a modal sheet.
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

#include "controls/propsheet/sheet.h"
#include "internal/dlg_modal.h"
#include "internal/dlg_template_builder.h"

namespace win32::propsheet {
namespace {

constexpr internal::DialogFontSpec kSheetFont{8, "MS Sans Serif"};
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
// Dialog units of the layout.
constexpr int kMargin = 4;
constexpr int kGap = 4;
constexpr SIZE kButtonSize{50, 14};

// The windows that own their sheet objects.
std::mutex& RegistryLock() {
  static std::mutex lock;
  return lock;
}
std::map<HWND, std::unique_ptr<Sheet>>& Registry() {
  static std::map<HWND, std::unique_ptr<Sheet>> sheets;
  return sheets;
}

SIZE Pixels(HWND dlg, int cx, int cy) {
  RECT rc{0, 0, cx, cy};
  MapDialogRect(dlg, &rc);
  return SIZE{rc.right, rc.bottom};
}

bool IsVisibleItem(HWND dlg, int id) {
  HWND item = GetDlgItem(dlg, id);
  return item && (GetWindowLong(item, GWL_STYLE) & WS_VISIBLE);
}

}  // namespace

Sheet::Sheet(const PROPSHEETHEADER& header)
    : owner_(header.hwndParent ? GetAncestor(header.hwndParent, GA_ROOT) : nullptr),
      flags_(header.dwFlags),
      instance_(header.hInstance),
      caption_(TextOrResource(header.hInstance, header.pszCaption)),
      callback_((header.dwFlags & PSH_USECALLBACK) ? header.pfnCallback : nullptr) {
  std::string startName;
  if (header.dwFlags & PSH_USEPSTARTPAGE)
    startName = TextOrResource(header.hInstance, header.pStartPage);
  else
    start_ = static_cast<int>(header.nStartPage);
  for (UINT i = 0; i < header.nPages; ++i) {
    HPROPSHEETPAGE page = nullptr;
    if (header.dwFlags & PSH_PROPSHEETPAGE) {
      // The structures follow each other, each as long as it says.
      const auto* bytes = reinterpret_cast<const BYTE*>(header.ppsp);
      size_t offset = 0;
      for (UINT k = 0; k < i; ++k) offset += reinterpret_cast<const PROPSHEETPAGE*>(bytes + offset)->dwSize;
      page = CreatePropertySheetPage(reinterpret_cast<const PROPSHEETPAGE*>(bytes + offset));
    } else {
      page = header.phpage[i];
    }
    if (!InsertPage(PageCount(), page)) DestroyPropertySheetPage(page);
  }
  if (!startName.empty()) {
    for (int i = 0; i < PageCount(); ++i)
      if (pages_[static_cast<size_t>(i)].title == startName) start_ = i;
  }
}

Sheet::~Sheet() {
  for (Page& page : pages_) DestroyPropertySheetPage(page.handle);
}

Sheet* Sheet::From(HWND dlg) {
  std::lock_guard lock(RegistryLock());
  auto it = Registry().find(dlg);
  return it == Registry().end() ? nullptr : it->second.get();
}

// The buttons come before the tab control and the pages go on top, so that
// the tab order runs page, buttons, tabs.
std::vector<WORD> Sheet::BuildTemplate() const {
  // The sheet never paints over its pages and buttons.
  DWORD style =
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_CENTER;
  if (flags_ & PSH_MODELESS) style |= WS_VISIBLE;
  if (!IsWizard() && !(flags_ & PSH_NOCONTEXTHELP)) style |= DS_CONTEXTHELP;
  internal::DialogTemplateBuilder b(style, WS_EX_CONTROLPARENT, RECT{0, 0, 200, 100}, caption_, kSheetFont);
  const RECT none{0, 0, kButtonSize.cx, kButtonSize.cy};
  if (IsWizard()) {
    // The etched line comes right after the first page.
    b.Item(WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, RECT{0, 0, 10, 1}, ID_PSETCHED, "Static", "")
        .Item(kButton, 0, none, ID_PSBACK, "Button", "< &Back")
        .Item(kButton, 0, none, ID_PSNEXT, "Button", "&Next >")
        .Item(kButton, 0, none, ID_PSFINISH, "Button", "Finish")
        .Item(kButton, 0, none, IDCANCEL, "Button", "Cancel")
        .Item(kButton, 0, none, IDHELP, "Button", "Help");
  } else {
    b.Item(kButton | BS_DEFPUSHBUTTON, 0, none, IDOK, "Button", "OK")
        .Item(kButton, 0, none, IDCANCEL, "Button", "Cancel")
        .Item(kButton, 0, none, ID_APPLY_NOW, "Button", "&Apply")
        .Item(kButton, 0, none, IDHELP, "Button", "Help");
  }
  const DWORD tabStyle = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | WS_GROUP | (IsWizard() ? 0 : WS_VISIBLE);
  b.Item(tabStyle, 0, RECT{0, 0, 10, 10}, ID_PSTABCONTROL, WC_TABCONTROL, "");
  std::vector<WORD> words(b.Size() / sizeof(WORD));
  std::memcpy(words.data(), b.Get(), b.Size());
  return words;
}

HWND Sheet::Create(std::unique_ptr<Sheet> sheet) {
  std::vector<WORD> words = sheet->BuildTemplate();
  // The callback may change the template (its style) before it is used.
  if (sheet->callback_) sheet->callback_(nullptr, PSCB_PRECREATE, reinterpret_cast<LPARAM>(words.data()));
  const bool modal = !(sheet->flags_ & PSH_MODELESS);
  HWND owner = sheet->owner_;
  if (modal && owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    sheet->disabledOwner_ = owner;
  }
  HWND disabled = sheet->disabledOwner_;
  HWND dlg = CreateDialogIndirectParam(sheet->instance_, reinterpret_cast<LPCDLGTEMPLATE>(words.data()), owner, &Proc,
                                       reinterpret_cast<LPARAM>(&sheet));
  // Without a window the object never moved to the registry.
  if (!dlg && disabled) EnableWindow(disabled, TRUE);
  return dlg;
}

void Sheet::ReleaseOwner() {
  if (disabledOwner_) {
    EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
  }
  if (owner_ && IsWindow(owner_) && GetActiveWindow() == hwnd_) SetActiveWindow(owner_);
}

INT_PTR Sheet::RunModal(HWND dlg) {
  internal::ModalLoopGuard guard(dlg);
  Sheet* sheet = From(dlg);
  // EndDialog on the sheet ends it too, with its result.
  auto endedByDialog = [&] {
    INT_PTR result = 0;
    if (!sheet || sheet->ended_ || !internal::DialogEnded(dlg, &result)) return false;
    sheet->ended_ = true;
    sheet->result_ = result;
    return true;
  };
  bool shown = false;
  MSG msg{};
  // Idle handlers, the owner and dispatched messages may destroy the sheet: it is looked up
  // again before each use.
  while ((sheet = From(dlg)) != nullptr && !sheet->ended_ && !endedByDialog()) {
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!shown) {
        shown = true;
        ShowWindow(dlg, SW_SHOWNORMAL);
        continue;
      }
      if (internal::RunModalIdle(dlg)) continue;
      sheet = From(dlg);
      if (!sheet) break;
      if (sheet->owner_) SendMessage(sheet->owner_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dlg));
      sheet = From(dlg);
      if (!sheet || sheet->ended_) break;
      if (!GetMessage(&msg, nullptr, 0, 0)) msg.message = WM_QUIT;
    }
    if (msg.message == WM_QUIT) {
      // The quit request belongs to an outer loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (CallMsgFilter(&msg, MSGF_DIALOGBOX)) continue;
    // A message that arrived as the sheet went still reaches its window.
    sheet = From(dlg);
    if (!sheet || !sheet->IsSheetMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
  sheet = From(dlg);
  if (!sheet) return 0;
  sheet->ReleaseOwner();
  const INT_PTR result = sheet->result_;
  DestroyWindow(dlg);
  return result;
}

INT_PTR CALLBACK Sheet::Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto& owned = *reinterpret_cast<std::unique_ptr<Sheet>*>(lParam);
    Sheet* sheet = owned.get();
    sheet->hwnd_ = dlg;
    {
      std::lock_guard lock(RegistryLock());
      Registry()[dlg] = std::move(owned);
    }
    sheet->OnInitDialog();
    return FALSE;
  }
  if (msg == WM_NCDESTROY) {
    std::unique_ptr<Sheet> gone;
    {
      std::lock_guard lock(RegistryLock());
      auto it = Registry().find(dlg);
      if (it != Registry().end()) {
        gone = std::move(it->second);
        Registry().erase(it);
      }
    }
    // A modal sheet destroyed before it ended leaves its owner usable.
    if (gone) gone->ReleaseOwner();
    return FALSE;
  }
  Sheet* sheet = From(dlg);
  LRESULT result = 0;
  if (!sheet || !sheet->Handle(msg, wParam, lParam, result)) return FALSE;
  SetWindowLongPtr(dlg, DWLP_MSGRESULT, result);
  return TRUE;
}

void Sheet::OnInitDialog() {
  tab_ = GetDlgItem(hwnd_, ID_PSTABCONTROL);
  for (int i = 0; i < PageCount(); ++i) {
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = pages_[static_cast<size_t>(i)].title.data();
    TabCtrl_InsertItem(tab_, i, &item);
  }
  ShowWindow(GetDlgItem(hwnd_, ID_APPLY_NOW), (flags_ & PSH_NOAPPLYNOW) ? SW_HIDE : SW_SHOWNA);
  ShowWindow(GetDlgItem(hwnd_, IDHELP), (flags_ & PSH_HASHELP) ? SW_SHOWNA : SW_HIDE);
  if (IsWizard()) {
    ShowWindow(GetDlgItem(hwnd_, ID_PSFINISH), (flags_ & PSH_WIZARDHASFINISH) ? SW_SHOWNA : SW_HIDE);
    SetWizardButtons(wizButtons_);
  }
  Layout();
  UpdateApply();
  ShowTitle();
  const int start = start_ >= 0 && start_ < PageCount() ? start_ : 0;
  if (PageCount() > 0 && !Activate(start, 1)) Activate(0, 1);
  if (callback_) callback_(hwnd_, PSCB_INITIALIZED, 0);
}

SIZE Sheet::LargestPage() const {
  SIZE largest{0, 0};
  for (const Page& page : pages_) {
    largest.cx = std::max(largest.cx, page.info.dialogUnits.cx);
    largest.cy = std::max(largest.cy, page.info.dialogUnits.cy);
  }
  if (largest.cx == 0) largest = SIZE{212, 114};
  return Pixels(hwnd_, largest.cx, largest.cy);
}

void Sheet::Layout() {
  const SIZE margin = Pixels(hwnd_, kMargin, kMargin);
  const SIZE gap = Pixels(hwnd_, kGap, kGap);
  const SIZE button = Pixels(hwnd_, kButtonSize.cx, kButtonSize.cy);
  const SIZE page = LargestPage();
  RECT content{margin.cx, margin.cy, margin.cx + page.cx, margin.cy + page.cy};
  pageRect_ = content;
  int buttonsTop = 0;
  if (IsWizard()) {
    const int line = content.bottom + gap.cy;
    buttonsTop = line + 2 + gap.cy;
    SetWindowPos(GetDlgItem(hwnd_, ID_PSETCHED), nullptr, margin.cx, line, content.right - margin.cx, 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    TabCtrl_AdjustRect(tab_, TRUE, &content);
    OffsetRect(&content, margin.cx - content.left, margin.cy - content.top);
    SetWindowPos(tab_, nullptr, content.left, content.top, content.right - content.left, content.bottom - content.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    pageRect_ = content;
    TabCtrl_AdjustRect(tab_, FALSE, &pageRect_);
    buttonsTop = content.bottom + gap.cy;
  }
  PlaceButtons(buttonsTop, content.right);
  RECT frame{0, 0, content.right + margin.cx, buttonsTop + button.cy + margin.cy};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLong(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterOnOwner();
  for (const Page& p : pages_) {
    if (p.wnd)
      SetWindowPos(p.wnd, nullptr, pageRect_.left, pageRect_.top, pageRect_.right - pageRect_.left,
                   pageRect_.bottom - pageRect_.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Right to left from `right`: the visible buttons of the row; in a wizard
// Back sits against Next, and Finish takes Next's place unless both show.
void Sheet::PlaceButtons(int top, int right) {
  const SIZE gap = Pixels(hwnd_, kGap, kGap);
  const SIZE button = Pixels(hwnd_, kButtonSize.cx, kButtonSize.cy);
  int x = right;
  auto moveTo = [&](int id, int left) {
    SetWindowPos(GetDlgItem(hwnd_, id), nullptr, left, top, button.cx, button.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  auto place = [&](int id, int spaceBefore) {
    x -= button.cx;
    moveTo(id, x);
    x -= spaceBefore;
  };
  if (IsVisibleItem(hwnd_, IDHELP)) place(IDHELP, gap.cx);
  if (!IsWizard()) {
    if (IsVisibleItem(hwnd_, ID_APPLY_NOW)) place(ID_APPLY_NOW, gap.cx);
    place(IDCANCEL, gap.cx);
    place(IDOK, gap.cx);
    return;
  }
  place(IDCANCEL, gap.cx);
  if (flags_ & PSH_WIZARDHASFINISH)
    place(ID_PSFINISH, gap.cx);
  else
    moveTo(ID_PSFINISH, x - button.cx);
  place(ID_PSNEXT, 0);
  place(ID_PSBACK, 0);
}

void Sheet::CenterOnOwner() {
  RECT outer{};
  if (owner_ && IsWindowVisible(owner_) && !IsIconic(owner_))
    GetWindowRect(owner_, &outer);
  else
    SystemParametersInfo(SPI_GETWORKAREA, 0, &outer, 0);
  RECT rc{};
  GetWindowRect(hwnd_, &rc);
  const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
  const int x = std::max(0, outer.left + (outer.right - outer.left - cx) / 2);
  const int y = std::max(0, outer.top + (outer.bottom - outer.top - cy) / 2);
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A wizard shows the current page's title when it has one.
void Sheet::ShowTitle() {
  std::string title = caption_;
  if (!IsWizard() && (flags_ & PSH_PROPTITLE)) title += " Properties";
  if (IsWizard() && current_ >= 0 && !pages_[static_cast<size_t>(current_)].title.empty())
    title = pages_[static_cast<size_t>(current_)].title;
  SetWindowText(hwnd_, title.c_str());
}

}  // namespace win32::propsheet

INT_PTR WINAPI PropertySheet(LPCPROPSHEETHEADER lppsph) {
  using win32::propsheet::Sheet;
  if (!lppsph || lppsph->dwSize < offsetof(PROPSHEETHEADER, pfnCallback)) return -1;
  if (lppsph->hwndParent && !IsWindow(lppsph->hwndParent)) return -1;
  HWND sheet = Sheet::Create(std::make_unique<Sheet>(*lppsph));
  if (!sheet) return -1;
  if (lppsph->dwFlags & PSH_MODELESS) return reinterpret_cast<INT_PTR>(sheet);
  return Sheet::RunModal(sheet);
}
