// The results pane: the docked bar at the bottom of the main frame in which
// validating, saving, importing, exporting and deleting write one line per
// step.
#pragma once

#include <HLControlBar.h>

#include <memory>

class CResultsView : public HLControlBar {
  DECLARE_DYNAMIC(CResultsView)

 public:
  CResultsView();
  ~CResultsView() override;

  void ClearText();
  // Appends the text as a line (a line end is added unless the text ends
  // with one) and scrolls to it. The text already shown is left as it is.
  void AddLine(const char* text);

  CEdit& GetEdit() { return m_edit; }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CEdit m_edit;
  std::unique_ptr<CFont> m_pFont;
};
