// CDialogBar: a control bar made from a dialog template (a WS_CHILD
// template); its controls' commands go to the owner like menu commands
// and follow their update handlers at idle.
#pragma once

#include "mfc/ctrlbar.h"

class CDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CDialogBar)

 public:
  CDialogBar();
  ~CDialogBar() override;

  BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
  BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
    return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID);
  }

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  CSize m_sizeDefault;  // the template's size

 protected:
  // Each control with an id follows its command's update handler.
  void UpdateControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
