// CPrintDialog: the window system's print and print setup dialogs, the
// default printer's settings and its device context.
#pragma once

#include "mfc/commondialog.h"
#include "win32/commdlg.h"

class CPrintDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CPrintDialog)

 public:
  explicit CPrintDialog(BOOL bPrintSetupOnly,
                        DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                        PD_NOSELECTION,
                        CWnd* pParentWnd = nullptr);

  // The device mode and names blocks it returns are the caller's to free
  // (GlobalFree) or to keep for later dialogs.
  PRINTDLG m_pd{};

  INT_PTR DoModal() override;
  // The default printer's settings, without a dialog. The device mode and
  // names must not be set yet (they belong to whoever set them).
  BOOL GetDefaults();

  // The DC made by the dialog (PD_RETURNDC); the caller deletes it.
  HDC GetPrinterDC() const;
  // A DC from the chosen device mode and names, kept in m_pd.hDC.
  HDC CreatePrinterDC();

  CString GetDeviceName() const;
  CString GetDriverName() const;
  CString GetPortName() const;
  // The locked device mode, or NULL; it stays locked while m_pd holds it.
  LPDEVMODE GetDevMode() const;
  int GetCopies() const;
  BOOL PrintCollate() const;
  BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
  BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
  BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
  // The range asked for, or -1 when not printing a range.
  int GetFromPage() const;
  int GetToPage() const;

 private:
  CString DevNamesString(WORD DEVNAMES::*offset) const;
};
