// CPrintDialog: PrintDlg with the structure kept in the object, and the
// printer's names and device mode read from the blocks it returns.
#include "mfc/printdialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

namespace {

// Reads a locked block as T, unlocking it again.
template <class T, class F>
auto WithBlock(HGLOBAL block, F read) -> decltype(read(static_cast<const T*>(nullptr))) {
  if (block == nullptr || ::GlobalSize(block) < sizeof(T)) return read(static_cast<const T*>(nullptr));
  const auto* data = static_cast<const T*>(::GlobalLock(block));
  auto result = read(data);
  ::GlobalUnlock(block);
  return result;
}

}  // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd) {
  m_pd.lStructSize = sizeof m_pd;
  m_pd.Flags = dwFlags;
  if (bPrintSetupOnly)
    m_pd.Flags |= PD_PRINTSETUP;
  else
    m_pd.Flags |= PD_RETURNDC;
  m_pd.nFromPage = 1;
  m_pd.nToPage = 1;
  m_pd.nMinPage = 1;
  m_pd.nMaxPage = 0xFFFF;
  m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal() {
  m_pd.hwndOwner = PreModal();
  if (::PrintDlg(&m_pd)) return IDOK;
  return ::CommDlgExtendedError() == 0 ? IDCANCEL : -1;
}

BOOL CPrintDialog::GetDefaults() {
  m_pd.Flags |= PD_RETURNDEFAULT;
  const BOOL ok = ::PrintDlg(&m_pd);
  m_pd.Flags &= ~static_cast<DWORD>(PD_RETURNDEFAULT);
  return ok;
}

HDC CPrintDialog::GetPrinterDC() const { return m_pd.hDC; }

HDC CPrintDialog::CreatePrinterDC() {
  const CString driver = GetDriverName();
  const CString device = GetDeviceName();
  const CString port = GetPortName();
  if (device.IsEmpty()) return nullptr;
  const DEVMODE* devMode = GetDevMode();
  m_pd.hDC = ::CreateDC(driver, device, port, devMode);
  return m_pd.hDC;
}

CString CPrintDialog::DevNamesString(WORD DEVNAMES::*offset) const {
  return WithBlock<DEVNAMES>(m_pd.hDevNames, [&](const DEVNAMES* names) {
    if (names == nullptr) return CString();
    const SIZE_T size = ::GlobalSize(m_pd.hDevNames);
    const WORD at = names->*offset;
    if (at >= size) return CString();
    const char* text = reinterpret_cast<const char*>(names) + at;
    return CString(text, static_cast<int>(strnlen(text, size - at)));
  });
}

CString CPrintDialog::GetDeviceName() const { return DevNamesString(&DEVNAMES::wDeviceOffset); }
CString CPrintDialog::GetDriverName() const { return DevNamesString(&DEVNAMES::wDriverOffset); }
CString CPrintDialog::GetPortName() const { return DevNamesString(&DEVNAMES::wOutputOffset); }

LPDEVMODE CPrintDialog::GetDevMode() const {
  if (m_pd.hDevMode == nullptr || ::GlobalSize(m_pd.hDevMode) < sizeof(DEVMODE)) return nullptr;
  // The block does not move here, so the pointer stays good while m_pd
  // holds the block.
  auto* devMode = static_cast<LPDEVMODE>(::GlobalLock(m_pd.hDevMode));
  ::GlobalUnlock(m_pd.hDevMode);
  return devMode;
}

int CPrintDialog::GetCopies() const {
  if (m_pd.Flags & PD_USEDEVMODECOPIES) {
    const LPDEVMODE devMode = GetDevMode();
    if (devMode != nullptr) return devMode->dmCopies;
  }
  return m_pd.nCopies;
}

BOOL CPrintDialog::PrintCollate() const {
  if (m_pd.Flags & PD_USEDEVMODECOPIESANDCOLLATE) {
    const LPDEVMODE devMode = GetDevMode();
    if (devMode != nullptr && devMode->dmCollate == DMCOLLATE_TRUE) return TRUE;
  }
  return (m_pd.Flags & PD_COLLATE) != 0;
}

int CPrintDialog::GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
int CPrintDialog::GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }
