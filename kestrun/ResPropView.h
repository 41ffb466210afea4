// The "Resources" tab of a QVS connector's window: the connector's
// parallel process degree and its two resource pools in a grid. It writes
// the "Resource = " line of the configuration file and applies the numbers
// to the server's connector.
#pragma once

#include "FormTabView.h"
#include "ResGrid.h"
#include "resource.h"

class CResPropView : public CFormTabView {
  DECLARE_DYNCREATE(CResPropView)

 public:
  enum { IDD = IDD_RESOURCES };

  CResPropView();
  ~CResPropView() override;

  void ApplyToServer(CQRConnector* pServer) override;
  BOOL AppendConfigText(CString& text) override;
  BOOL Validate() override;

  CResGrid& Grid() { return m_grid; }

 protected:
  void OnInitialUpdate() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

 private:
  CResGrid m_grid;
};
