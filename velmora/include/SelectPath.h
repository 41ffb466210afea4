// Asks where the product's Java classes are, a jar file or a class-path
// folder, and remembers the answer in the registry ("Settings" of the
// application key "Pellisk": "isFile" the choice, "Path" the path). IDOK
// means that the path exists and was stored.
#pragma once

#include <afxwin.h>

#include <memory>

class CWinRegistry;

class AFX_EXT_CLASS CSelectPath : public CDialog {
 public:
  enum { IDD = 131 };
  enum Choice { kJarFile = 0, kDirectory = 1 };

  // Reads the choice and the path stored last (a jar file and an empty
  // path when none are).
  explicit CSelectPath(CWnd* pParent = nullptr);
  ~CSelectPath() override;

  INT_PTR DoModal() override;

  // The chosen jar file or folder (edit 1011).
  CString m_strPath;
  // 0 "Select Jar File", 1 "Select Directory" (the radio group at 1013).
  // Stored as "isFile", 1 meaning the folder, as files written before rely on.
  int m_nChoice = kJarFile;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnBrowse();
  DECLARE_MESSAGE_MAP()

 private:
  // The path chosen in the shell's folder browser, or empty when cancelled.
  CString BrowseForFolder();
  // The jar file chosen in a file-open dialog, or empty when cancelled.
  CString BrowseForJar();

  std::unique_ptr<CWinRegistry> m_pRegistry;
};
