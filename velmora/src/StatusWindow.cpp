// The status window: the shared text buffers, creation and the members the
// caller drives between the steps of its work.
#include "StatusWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>

#include "BoundedFormat.h"
#include "DlgStatus.h"
#include "ResourceScope.h"
#include "resource.h"

namespace {

// Shared by every status window of the process.
char titleBuffer[512];
char messageBuffer[1024];

void Show(CWnd& control, bool show) { control.ShowWindow(show ? SW_SHOW : SW_HIDE); }

}  // namespace

CStatusWindow::CStatusWindow(CWnd* pParent, BOOL bShowCancel, BOOL bShowProgress) {
  velmora::ResourceScope resources;
  auto dialog = std::make_unique<CDlgStatus>();
  if (!dialog->Create(bShowCancel || bShowProgress ? IDD_STATUS : IDD_STATUS_SMALL, pParent)) {
    AfxMessageBox("CStatusWindow dialog creation failed!");
    return;
  }
  m_pDlg = std::move(dialog);
  m_pDlg->SetWindowText("Please wait ...");
  m_pDlg->CenterWindow();
  Show(m_pDlg->m_cancel, bShowCancel);
  Show(m_pDlg->m_progress, bShowProgress);
  Show(m_pDlg->m_percent, bShowProgress);
  m_pDlg->ShowWindow(SW_SHOW);
  m_pDlg->UpdateWindow();
}

CStatusWindow::~CStatusWindow() {
  velmora::ResourceScope resources;
  if (m_pDlg) m_pDlg->DestroyWindow();
}

void CStatusWindow::SetTitle(const char* format, ...) {
  velmora::ResourceScope resources;
  if (!m_pDlg) return;
  va_list args;
  va_start(args, format);
  velmora::FormatBounded(titleBuffer, sizeof titleBuffer, format, args);
  va_end(args);
  m_pDlg->SetWindowText(titleBuffer);
}

void CStatusWindow::SetMsg(const char* format, ...) {
  velmora::ResourceScope resources;
  if (!m_pDlg) return;
  va_list args;
  va_start(args, format);
  velmora::FormatBounded(messageBuffer, sizeof messageBuffer, format, args);
  va_end(args);
  m_pDlg->m_message.SetWindowText(messageBuffer);
}

void CStatusWindow::SetProgressBar(float percent) {
  velmora::ResourceScope resources;
  if (!m_pDlg) return;
  // Clamped before the conversion, so that no value (NaN, huge ones)
  // leaves the range an int can hold.
  const float rounded = std::isnan(percent) ? 1.0f : std::clamp(percent + 0.5f, 1.0f, 100.0f);
  const int value = static_cast<int>(rounded);
  m_pDlg->m_progress.SetPos(value);
  CString text;
  text.Format("%d%%", value);
  m_pDlg->m_percent.SetWindowText(text);
}

BOOL CStatusWindow::ProcessWindowMessages() {
  velmora::ResourceScope resources;
  if (!m_pDlg || m_pDlg->GetSafeHwnd() == nullptr) return FALSE;
  const HWND dialog = m_pDlg->GetSafeHwnd();
  MSG msg;
  while (::PeekMessage(&msg, dialog, 0, 0, PM_NOREMOVE)) {
    if (::GetMessage(&msg, dialog, 0, 0) <= 0) return FALSE;
    // Escape and the dialog keys, as in any modeless dialog.
    if (::IsDialogMessage(dialog, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  return TRUE;
}

void CStatusWindow::SetCanceled(BOOL bCanceled) {
  velmora::ResourceScope resources;
  if (m_pDlg) m_pDlg->m_bCanceled = bCanceled != FALSE;
}

BOOL CStatusWindow::GetCanceled() {
  velmora::ResourceScope resources;
  return m_pDlg && m_pDlg->m_bCanceled ? TRUE : FALSE;
}
