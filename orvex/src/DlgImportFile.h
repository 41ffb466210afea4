// The file dialog of every repository-copy import and export: the system's
// open or save dialog with the options of template 172 below its list.
// Open mode offers "Open the imported business objects"; save mode offers
// the broker deployment files, a broker profile and the rename of the
// written definition to the file's title; with no broker options (a save
// of several definitions) none is offered.
//
// The broker options follow the file type: only a schema file offers the
// deployment files (1011) and, while they are asked for, the broker
// profile (1040), whose dialog edits the process-wide broker property list
// that every export takes.
#pragma once

#include <afxdlgs.h>

#include <AgentProperty.h>
#include <SizingList.h>

#include <memory>

class CGenerateWizard;

class CDlgImportFile : public CFileDialog {
  DECLARE_DYNAMIC(CDlgImportFile)

 public:
  // `flags` gain the template and the Help button; the title is "Open
  // BusinessObject File" until the caller sets m_ofn.lpstrTitle. The file
  // name is also the name of the definition being written.
  CDlgImportFile(BOOL bOpen, LPCTSTR defExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter, CWnd* parent,
                 BOOL noBrokerOptions);
  ~CDlgImportFile() override;

  // The options after DoModal: BST_CHECKED or BST_UNCHECKED; the rename
  // option of a schema file is BST_INDETERMINATE (no rename).
  int m_nOpenImported = BST_CHECKED;
  int m_nGenerateBrokerFiles = BST_CHECKED;
  int m_nRename = BST_CHECKED;

  // The broker connection properties of the run, for every export.
  static AgentPropArray& GetBrokerProperties();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnFileNameOK() override;
  void OnTypeChange() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGenerateBrokerFiles();
  afx_msg void OnUseProfile();
  DECLARE_MESSAGE_MAP()

 private:
  // The options follow the chosen file type.
  void UpdateControls();
  BOOL IsSchemaTypeSelected() const;
  // Takes the control away: hidden and disabled.
  void RemoveControl(int nID);

  BOOL m_bOpen;
  BOOL m_bNoBrokerOptions;
  CString m_strGivenName;
  // The system dialog's file-type combo box.
  HWND m_hFileType = nullptr;
  CButton m_btnGenerateBrokerFiles;
  CButton m_btnUseProfile;
  CButton m_btnRename;
  CSizingList m_sizing;
  // The broker's profile book for the profile dialog, made at its first use.
  std::unique_ptr<CGenerateWizard> m_pBrokerBook;
};
