// PrintDlg: the print dialog (printer, range, copies) and the print setup
// dialog (paper and orientation) for the PDF printer, the device mode and
// names in global memory, and the printer DC.
#include <cstdio>
#include <cstring>
#include <string>

#include "commdlg/commdlg_common.h"
#include "internal/print_printer.h"

namespace win32::commdlg {
namespace {

using print::PageSetup;

// The print setup dialog's paper combo lists these, in this order.
constexpr short kPapers[] = {DMPAPER_A4, DMPAPER_LETTER, DMPAPER_LEGAL};
constexpr int kPrinterNameId = cmb4;
constexpr int kSetupPrinterId = cmb1;
constexpr int kPaperId = cmb2;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kGroupBox = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

struct PrintChoice {
  PRINTDLG& pd;
  PageSetup setup;
  LPPRINTHOOKPROC hook = nullptr;  // the caller's hook of the running dialog
};

PageSetup ReadSetup(HGLOBAL devMode) {
  if (!devMode || GlobalSize(devMode) < sizeof(DEVMODE)) return print::SetupFromDevMode(nullptr);
  const PageSetup setup = print::SetupFromDevMode(static_cast<const DEVMODE*>(GlobalLock(devMode)));
  GlobalUnlock(devMode);
  return setup;
}

// Copies `size` bytes into the block of `handle`, made or grown as needed.
bool StoreBlock(HGLOBAL& handle, const void* data, size_t size) {
  if (!handle)
    handle = GlobalAlloc(GMEM_MOVEABLE, size);
  else if (GlobalSize(handle) < size)
    handle = GlobalReAlloc(handle, size, GMEM_MOVEABLE);
  void* p = handle ? GlobalLock(handle) : nullptr;
  if (!p) return false;
  std::memcpy(p, data, size);
  GlobalUnlock(handle);
  return true;
}

bool StoreDevNames(HGLOBAL& handle) {
  const std::string strings =
      std::string(print::kDriverName) + '\0' + print::kPrinterName + '\0' + print::kPortName + '\0';
  DEVNAMES names{};
  names.wDriverOffset = sizeof(DEVNAMES);
  names.wDeviceOffset = static_cast<WORD>(names.wDriverOffset + std::strlen(print::kDriverName) + 1);
  names.wOutputOffset = static_cast<WORD>(names.wDeviceOffset + std::strlen(print::kPrinterName) + 1);
  names.wDefault = DN_DEFAULTPRN;
  std::string block(reinterpret_cast<const char*>(&names), sizeof names);
  block += strings;
  return StoreBlock(handle, block.data(), block.size());
}

BOOL Fail(DWORD error) {
  SetExtendedError(error);
  return FALSE;
}

// The device mode, device names and the DC or IC the flags ask for.
BOOL Deliver(PRINTDLG& pd, const PageSetup& setup) {
  const DEVMODE devmode = print::MakeDevMode(setup);
  if (!StoreBlock(pd.hDevMode, &devmode, sizeof devmode) || !StoreDevNames(pd.hDevNames))
    return Fail(CDERR_MEMALLOCFAILURE);
  pd.hDC = nullptr;
  if (pd.Flags & PD_RETURNDC)
    pd.hDC = CreateDC(print::kDriverName, print::kPrinterName, print::kPortName, &devmode);
  else if (pd.Flags & PD_RETURNIC)
    pd.hDC = CreateIC(print::kDriverName, print::kPrinterName, print::kPortName, &devmode);
  if ((pd.Flags & (PD_RETURNDC | PD_RETURNIC)) && !pd.hDC) return Fail(PDERR_CREATEICFAILURE);
  SetExtendedError(0);
  return TRUE;
}

void AddPrinterName(HWND dlg, int id) {
  SendDlgItemMessage(dlg, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(print::kPrinterName));
  SendDlgItemMessage(dlg, id, CB_SETCURSEL, 0, 0);
}

// --- The print dialog ------------------------------------------------------

void SetPageEdit(HWND dlg, int id, WORD page) {
  if (page != 0xFFFF) SetDlgItemInt(dlg, id, page, FALSE);
}

void InitPrint(HWND dlg, PrintChoice& c) {
  const PRINTDLG& pd = c.pd;
  AddPrinterName(dlg, kPrinterNameId);
  const int range = (pd.Flags & PD_PAGENUMS) ? rad3 : (pd.Flags & PD_SELECTION) ? rad2 : rad1;
  CheckRadioButton(dlg, rad1, rad3, range);
  EnableWindow(GetDlgItem(dlg, rad2), !(pd.Flags & PD_NOSELECTION));
  for (int id : {rad3, edt1, edt2}) EnableWindow(GetDlgItem(dlg, id), !(pd.Flags & PD_NOPAGENUMS));
  SetPageEdit(dlg, edt1, pd.nFromPage);
  SetPageEdit(dlg, edt2, pd.nToPage);
  const int copies = (pd.Flags & PD_USEDEVMODECOPIES) ? c.setup.copies : pd.nCopies;
  SetDlgItemInt(dlg, edt3, copies > 0 ? copies : 1, FALSE);
  CheckDlgButton(dlg, chx2, (pd.Flags & PD_COLLATE) ? BST_CHECKED : BST_UNCHECKED);
}

bool ReadPageRange(HWND dlg, PRINTDLG& pd) {
  BOOL fromOk = FALSE, toOk = FALSE;
  const UINT from = GetDlgItemInt(dlg, edt1, &fromOk, FALSE);
  UINT to = GetDlgItemInt(dlg, edt2, &toOk, FALSE);
  if (!toOk) to = from;
  if (!fromOk || from < pd.nMinPage || to > pd.nMaxPage || from > to) {
    char text[96];
    std::snprintf(text, sizeof text, "Enter page numbers from %u to %u.", pd.nMinPage, pd.nMaxPage);
    MessageBox(dlg, text, ControlText(dlg).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  pd.nFromPage = static_cast<WORD>(from);
  pd.nToPage = static_cast<WORD>(to);
  return true;
}

bool AcceptPrint(HWND dlg, PrintChoice& c) {
  PRINTDLG& pd = c.pd;
  const bool pages = IsDlgButtonChecked(dlg, rad3) == BST_CHECKED;
  if (pages && !ReadPageRange(dlg, pd)) return false;
  BOOL copiesOk = FALSE;
  const UINT copies = GetDlgItemInt(dlg, edt3, &copiesOk, FALSE);
  if (!copiesOk || copies < 1 || copies > 9999) {
    MessageBox(dlg, "Enter a number of copies from 1 to 9999.", ControlText(dlg).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  pd.Flags &= ~static_cast<DWORD>(PD_SELECTION | PD_PAGENUMS | PD_COLLATE | PD_PRINTTOFILE);
  if (pages) pd.Flags |= PD_PAGENUMS;
  if (IsDlgButtonChecked(dlg, rad2) == BST_CHECKED) pd.Flags |= PD_SELECTION;
  if (IsDlgButtonChecked(dlg, chx2) == BST_CHECKED) pd.Flags |= PD_COLLATE;
  c.setup.copies = static_cast<short>(copies);
  pd.nCopies = (pd.Flags & PD_USEDEVMODECOPIES) ? 1 : static_cast<WORD>(copies);
  return true;
}

// --- The print setup dialog --------------------------------------------------

void InitSetup(HWND dlg, PrintChoice& c) {
  AddPrinterName(dlg, kSetupPrinterId);
  HWND paper = GetDlgItem(dlg, kPaperId);
  for (short id : kPapers) {
    SendMessage(paper, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(print::PaperName(id)));
    if (id == c.setup.paper) SendMessage(paper, CB_SETCURSEL, SendMessage(paper, CB_GETCOUNT, 0, 0) - 1, 0);
  }
  CheckRadioButton(dlg, rad1, rad2, c.setup.orientation == DMORIENT_LANDSCAPE ? rad2 : rad1);
}

bool AcceptSetup(HWND dlg, PrintChoice& c) {
  const auto index = SendDlgItemMessage(dlg, kPaperId, CB_GETCURSEL, 0, 0);
  if (index >= 0 && static_cast<size_t>(index) < std::size(kPapers)) c.setup.paper = kPapers[index];
  c.setup.orientation = IsDlgButtonChecked(dlg, rad2) == BST_CHECKED ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  return true;
}

// The caller's hook sees every message first (WM_INITDIALOG after the
// dialog's own set-up, with the structure); an answer other than zero
// means it handled the message.
template <void (*Init)(HWND, PrintChoice&), bool (*Accept)(HWND, PrintChoice&)>
INT_PTR CALLBACK ChoiceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtr(dlg, DWLP_USER, lParam);
    auto& c = *reinterpret_cast<PrintChoice*>(lParam);
    Init(dlg, c);
    if (c.hook) return static_cast<INT_PTR>(c.hook(dlg, msg, wParam, reinterpret_cast<LPARAM>(&c.pd)));
    return TRUE;
  }
  auto* c = reinterpret_cast<PrintChoice*>(GetWindowLongPtr(dlg, DWLP_USER));
  if (!c) return FALSE;
  if (c->hook && c->hook(dlg, msg, wParam, lParam)) return TRUE;
  if (msg != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK && Accept(dlg, *c)) EndDialog(dlg, IDOK);
  if (LOWORD(wParam) == IDCANCEL) EndDialog(dlg, IDCANCEL);
  return TRUE;
}

INT_PTR RunPrintDialog(PrintChoice& c) {
  c.hook = (c.pd.Flags & PD_ENABLEPRINTHOOK) ? c.pd.lpfnPrintHook : nullptr;
  internal::DialogTemplateBuilder b(kDialogStyle, 0, RECT{0, 0, 260, 147}, "Print", kDialogFont);
  b.Item(kGroupBox, 0, RECT{7, 4, 253, 42}, grp1, "Button", "Printer")
      .Item(kLabel, 0, RECT{14, 17, 42, 25}, stc1, "Static", "&Name:")
      .Item(kDropList, 0, RECT{44, 15, 246, 80}, kPrinterNameId, "ComboBox", "")
      .Item(kLabel, 0, RECT{14, 30, 42, 38}, stc2, "Static", "Where:")
      .Item(kLabel, 0, RECT{44, 30, 246, 38}, stc3, "Static", print::kPortName)
      .Item(kGroupBox, 0, RECT{7, 46, 150, 116}, grp2, "Button", "Print range")
      .Item(kRadio | WS_GROUP | WS_TABSTOP, 0, RECT{14, 58, 100, 68}, rad1, "Button", "&All")
      .Item(kRadio, 0, RECT{14, 72, 46, 82}, rad3, "Button", "Pa&ges")
      .Item(kLabel, 0, RECT{48, 73, 66, 81}, stc4, "Static", "&from:")
      .Item(kEdit | ES_NUMBER | WS_GROUP, WS_EX_CLIENTEDGE, RECT{68, 71, 92, 83}, edt1, "Edit", "")
      .Item(kLabel, 0, RECT{96, 73, 106, 81}, stc5, "Static", "&to:")
      .Item(kEdit | ES_NUMBER, WS_EX_CLIENTEDGE, RECT{108, 71, 132, 83}, edt2, "Edit", "")
      .Item(kRadio | WS_GROUP | WS_TABSTOP, 0, RECT{14, 90, 100, 100}, rad2, "Button", "&Selection")
      .Item(kGroupBox, 0, RECT{158, 46, 253, 116}, grp3, "Button", "Copies")
      .Item(kLabel, 0, RECT{165, 60, 228, 68}, stc6, "Static", "Number of &copies:")
      .Item(kEdit | ES_NUMBER | WS_GROUP, WS_EX_CLIENTEDGE, RECT{228, 58, 246, 70}, edt3, "Edit", "")
      .Item(kCheckBox, 0, RECT{165, 80, 240, 90}, chx2, "Button", "C&ollate")
      .Item(kCheckBox & ~static_cast<DWORD>(WS_VISIBLE), 0, RECT{14, 126, 100, 136}, chx1, "Button", "Print to fi&le")
      .Item(kDefButton | WS_GROUP, 0, RECT{147, 126, 197, 140}, IDOK, "Button", "OK")
      .Item(kPushButton, 0, RECT{203, 126, 253, 140}, IDCANCEL, "Button", "Cancel");
  return DialogBoxIndirectParam(nullptr, b.Get(), c.pd.hwndOwner, ChoiceProc<InitPrint, AcceptPrint>,
                                reinterpret_cast<LPARAM>(&c));
}

INT_PTR RunSetupDialog(PrintChoice& c) {
  c.hook = (c.pd.Flags & PD_ENABLESETUPHOOK) ? c.pd.lpfnSetupHook : nullptr;
  internal::DialogTemplateBuilder b(kDialogStyle, 0, RECT{0, 0, 260, 110}, "Print Setup", kDialogFont);
  b.Item(kGroupBox, 0, RECT{7, 4, 253, 30}, grp3, "Button", "Printer")
      .Item(kLabel, 0, RECT{14, 15, 42, 23}, stc1, "Static", "&Name:")
      .Item(kDropList, 0, RECT{44, 13, 246, 80}, kSetupPrinterId, "ComboBox", "")
      .Item(kGroupBox, 0, RECT{7, 34, 150, 84}, grp2, "Button", "Paper")
      .Item(kLabel, 0, RECT{14, 48, 38, 56}, stc2, "Static", "Si&ze:")
      .Item(kDropList, 0, RECT{40, 46, 143, 110}, kPaperId, "ComboBox", "")
      .Item(kGroupBox, 0, RECT{158, 34, 253, 84}, grp1, "Button", "Orientation")
      .Item(kRadio | WS_GROUP | WS_TABSTOP, 0, RECT{165, 48, 246, 58}, rad1, "Button", "P&ortrait")
      .Item(kRadio, 0, RECT{165, 64, 246, 74}, rad2, "Button", "L&andscape")
      .Item(kDefButton | WS_GROUP, 0, RECT{147, 90, 197, 104}, IDOK, "Button", "OK")
      .Item(kPushButton, 0, RECT{203, 90, 253, 104}, IDCANCEL, "Button", "Cancel");
  return DialogBoxIndirectParam(nullptr, b.Get(), c.pd.hwndOwner, ChoiceProc<InitSetup, AcceptSetup>,
                                reinterpret_cast<LPARAM>(&c));
}

}  // namespace
}  // namespace win32::commdlg

BOOL WINAPI PrintDlg(LPPRINTDLG lppd) {
  using namespace win32::commdlg;
  if (!lppd || lppd->lStructSize != sizeof(PRINTDLG)) return Fail(CDERR_STRUCTSIZE);
  if (lppd->hwndOwner && !IsWindow(lppd->hwndOwner)) return Fail(CDERR_INITIALIZATION);
  const bool setup = (lppd->Flags & PD_PRINTSETUP) != 0;
  if ((!setup && (lppd->Flags & PD_ENABLEPRINTHOOK) && !lppd->lpfnPrintHook) ||
      (setup && (lppd->Flags & PD_ENABLESETUPHOOK) && !lppd->lpfnSetupHook))
    return Fail(CDERR_NOHOOK);
  PrintChoice choice{*lppd, ReadSetup(lppd->hDevMode)};
  if (lppd->Flags & PD_RETURNDEFAULT) {
    if (lppd->hDevMode || lppd->hDevNames) return Fail(PDERR_RETDEFFAILURE);
    return Deliver(*lppd, choice.setup);
  }
  const INT_PTR answer = setup ? RunSetupDialog(choice) : RunPrintDialog(choice);
  if (answer != IDOK) return Fail(answer == -1 ? CDERR_DIALOGFAILURE : 0);
  return Deliver(*lppd, choice.setup);
}
