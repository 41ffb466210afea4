// The "Trace/Log Files" tab of a connector window: where the connector
// writes its log and its trace (a file, the console or both), the largest
// file size with its unit or no limit, and how many older files are kept.
// It writes the [LOGGING] and [TRACING] sections of the configuration file.
#pragma once

#include <afxcmn.h>

#include "FormTabView.h"
#include "resource.h"

struct CLogTraceRecord;

class CLogTraceView : public CFormTabView {
  DECLARE_DYNCREATE(CLogTraceView)

 public:
  enum { IDD = IDD_LOG_TRACE };

  CLogTraceView();
  ~CLogTraceView() override;

  BOOL AppendConfigText(CString& text) override;
  BOOL Validate() override;

 protected:
  void OnInitialUpdate() override;
  void DoDataExchange(CDataExchange* pDX) override;

  afx_msg void OnLogBrowse();
  afx_msg void OnTraceBrowse();
  afx_msg void OnCheckBox();
  afx_msg void OnLogSizeSpin(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnTraceSizeSpin(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnLogSizeChange();
  afx_msg void OnTraceSizeChange();
  afx_msg void OnLogArchivesChange();
  afx_msg void OnTraceArchivesChange();
  afx_msg void OnFileNameChange();
  afx_msg void OnLogUnitChange();
  afx_msg void OnTraceUnitChange();
  DECLARE_MESSAGE_MAP()

 private:
  enum Group { LOG = 0, TRACE = 1, GROUP_COUNT = 2 };
  struct GroupControls {
    CComboBox m_unit;
    CSpinButtonCtrl m_sizeSpin;
    CSpinButtonCtrl m_archivesSpin;
  };

  CLogTraceRecord* Record(int group) const;
  void ExchangeGroup(CDataExchange* pDX, int group);
  void ApplyEnabling();
  void MarkModified();
  // Takes the controls' values into the model through the data exchange,
  // which checks the numbers (and marks the model modified).
  BOOL TakeValues();
  // Takes what the controls show into the model as each edit happens, so
  // that nothing typed is lost when the tab goes (a mode switch); a number
  // that does not read yet leaves the record's number for the save's check.
  void SyncRecords();
  bool ReadNumber(int id, int& value) const;
  void BrowseFile(int group);
  void StepSize(int group, NMHDR* pNMHDR, LRESULT* pResult);
  void SizeChanged(int group);
  void ArchivesChanged(int group);
  void UnitChanged(int group);
  // Writes the text into the edit as the program, not the user.
  void SetEditText(int id, const CString& text);
  BOOL ValidateGroup(int group, CString& fileName);

  GroupControls m_groups[GROUP_COUNT];
};
