#include "HLResultsBar.h"

IMPLEMENT_DYNAMIC(HLResultsBar, HLControlBar)

BEGIN_MESSAGE_MAP(HLResultsBar, HLControlBar)
  ON_WM_CREATE()
  ON_WM_SIZE()
END_MESSAGE_MAP()

HLResultsBar::HLResultsBar() = default;

HLResultsBar::~HLResultsBar() = default;

int HLResultsBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (HLControlBar::OnCreate(lpCreateStruct) == -1) return -1;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                      ES_AUTOVSCROLL | ES_WANTRETURN;
  if (!m_edit.Create(style, CRect(10, 10, 100, 100), this, 1)) return -1;
  // No limit: a long run of results must not stop at the default size.
  m_edit.SetLimitText(0);
  SetHLStyle(HLCBS_GRIPPER);
  m_pFont = std::make_unique<CFont>();
  if (m_pFont->CreateFont(-14, 0, 0, 0, 200, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Courier New"))
    m_edit.SetFont(m_pFont.get(), TRUE);
  return 0;
}

void HLResultsBar::OnSize(UINT nType, int cx, int cy) {
  CRect inside;
  GetClientRect(&inside);
  m_edit.SetWindowPos(nullptr, inside.left, inside.top, inside.Width(), inside.Height(),
                      SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER);
  m_edit.Invalidate();
  HLControlBar::OnSize(nType, cx, cy);
}

void HLResultsBar::ClearText() { m_edit.SetWindowText(""); }

void HLResultsBar::AddLine(const char* text) {
  CString line = text != nullptr ? text : "";
  if (line.IsEmpty()) {
    line = "\r\n";
  } else if (line.Right(1) != "\n") {
    if (line.Right(1) != "\r") line += "\r";
    line += "\n";
  }
  const int end = m_edit.GetWindowTextLength();
  m_edit.SetSel(end, end, TRUE);
  m_edit.ReplaceSel(line);
  m_edit.LineScroll(m_edit.GetLineCount());
}
