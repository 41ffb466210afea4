#include "DlgStatus.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgStatus, CDialog)
  ON_COMMAND(IDC_STATUS_CANCEL, OnCancel)
END_MESSAGE_MAP()

CDlgStatus::~CDlgStatus() = default;

void CDlgStatus::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_STATUS_PERCENT, m_percent);
  DDX_Control(pDX, IDC_STATUS_PROGRESS, m_progress);
  DDX_Control(pDX, IDC_STATUS_CANCEL, m_cancel);
  DDX_Control(pDX, IDC_STATUS_CLIP, m_animate);
  DDX_Control(pDX, IDC_STATUS_MESSAGE, m_message);
}

BOOL CDlgStatus::OnInitDialog() {
  CDialog::OnInitDialog();
  // Every frame, repeated without end.
  if (m_animate.Open(IDR_STATUS_CLIP)) m_animate.Play(0, 0xFFFF, static_cast<UINT>(-1));
  m_progress.SetRange(0, 100);
  return TRUE;
}

void CDlgStatus::OnCancel() { m_bCanceled = true; }
