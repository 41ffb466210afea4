// CFormTabView: the base of the connector window's tabs whose form holds
// their own controls rather than one CConnectorGrid: the tab holds the
// connector's values once it first came to the front, and its change
// handlers can tell the user's edits from the program filling the form.
#pragma once

#include "KestrunView.h"

class CFormTabView : public CKestrunView {
  DECLARE_DYNAMIC(CFormTabView)

 public:
  ~CFormTabView() override;

  // The text of a string resource (empty when there is none).
  static CString LoadText(UINT id);

 protected:
  explicit CFormTabView(UINT nIDTemplate);

  // A call with a sender (the tab came to the front) marks the tab filled,
  // so that it writes its section.
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
  // Puts the values into the controls through the data exchange with the
  // change handlers told that the program writes.
  void FillControls();

  // While the form is made and filled, and while the program itself writes
  // into the controls.
  bool m_bFilling = true;
};
