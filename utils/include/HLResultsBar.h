// HLResultsBar: the results bar of a program's main frame, a docking bar
// holding a read-only view of lines in a fixed-pitch font, to which
// validating, saving and the server steps write one line each.
#pragma once

#include "HLControlBar.h"

#include <memory>

class AFX_EXT_CLASS HLResultsBar : public HLControlBar {
  DECLARE_DYNAMIC(HLResultsBar)

 public:
  HLResultsBar();
  ~HLResultsBar() override;

  void ClearText();
  // Appends the text as a line (a line end is added unless the text ends
  // with one) and scrolls to it. The text already shown is left as it is.
  virtual void AddLine(const char* text);

  CEdit& GetEdit() { return m_edit; }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CEdit m_edit;
  std::unique_ptr<CFont> m_pFont;
};
