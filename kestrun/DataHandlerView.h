// The "Data Handler" tab of a broker connector's window: the MIME type, the
// class and the configuration object of the data handler that turns
// business objects into messages. It writes the [DATAHANDLERS] section of
// the configuration file while the connector's events are "JMS".
#pragma once

#include "FormTabView.h"
#include "resource.h"

class CDataHandlerView : public CFormTabView {
  DECLARE_DYNCREATE(CDataHandlerView)

 public:
  enum { IDD = IDD_DATA_HANDLER };

  CDataHandlerView();
  ~CDataHandlerView() override;

  BOOL AppendConfigText(CString& text) override;
  BOOL Validate() override;

 protected:
  void OnInitialUpdate() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

  afx_msg void OnValueChange();
  DECLARE_MESSAGE_MAP()

 private:
  // The standard property "ContainerManagedEvents"; empty when absent.
  CString EventsValue() const;
  // Takes the edits into the view's copies and the copies into the model.
  BOOL TakeValues();

  CString m_strMimeType;
  CString m_strDHClass;
  CString m_strDataHandlerConfigMOName;
};
