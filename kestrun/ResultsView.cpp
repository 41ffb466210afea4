#include "ResultsView.h"

IMPLEMENT_DYNAMIC(CResultsView, HLResultsBar)

void CResultsView::AddLine(const char* text) {
  CWnd* pMain = AfxGetMainWnd();
  if (!IsWindowVisible() && pMain != nullptr && pMain->GetSafeHwnd() != nullptr) {
    if (auto* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pMain)) pFrame->ShowControlBar(this, TRUE, FALSE);
  }
  HLResultsBar::AddLine(text);
}
