#include "print/printing_dialog.h"

namespace afx {
namespace {

thread_local bool t_userAbort = false;
thread_local HWND t_statusDialog = nullptr;

}  // namespace

CPrintingDialog::CPrintingDialog(CWnd* pParent, const CString& document, const CString& printer, const CString& port) {
  t_userAbort = false;
  if (!Create(AFX_IDD_PRINTDLG, pParent)) return;
  t_statusDialog = m_hWnd;
  SetDlgItemText(AFX_IDC_PRINT_DOCNAME, document);
  SetDlgItemText(AFX_IDC_PRINT_PRINTERNAME, printer);
  SetDlgItemText(AFX_IDC_PRINT_PORTNAME, port);
  ShowWindow(SW_SHOW);
  UpdateWindow();
}

CPrintingDialog::~CPrintingDialog() {
  if (t_statusDialog == m_hWnd) t_statusDialog = nullptr;
  DestroyWindow();
}

void CPrintingDialog::ShowPage(UINT nPage) {
  if (m_hWnd == nullptr) return;
  CString format, text;
  format.LoadString(AFX_IDS_PRINTPAGENUM);
  text.Format(format, nPage);
  SetDlgItemText(AFX_IDC_PRINT_PAGENUM, text);
}

void CPrintingDialog::OnCancel() {
  t_userAbort = true;
  // The job ends at its next abort check; the dialog stays until then.
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->EnableWindow(FALSE);
}

BOOL CALLBACK CPrintingDialog::AbortProc(HDC, int) {
  MSG msg;
  while (!t_userAbort && ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The program is ending: the job stops, the quit goes on.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return FALSE;
    }
    if (t_statusDialog != nullptr && ::IsDialogMessage(t_statusDialog, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  return !t_userAbort;
}

BOOL CPrintingDialog::UserAborted() { return t_userAbort; }

}  // namespace afx
