// CGXPasswordControl: an edit cell whose text is shown and edited masked
// (one mask character per byte); the stored value stays clear text and
// GetControlText, the text exports and copies see the mask only.
#pragma once

#include "gx/gxedit.h"

class CGXPasswordControl : public CGXEditControl {
  GRID_DECLARE_CONTROL(CGXPasswordControl)

 public:
  CGXPasswordControl(CGXGridCore* pGrid, UINT nID, TCHAR chPassword = _T('*'));

  BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                      const CGXStyle& style) override;
  void Init(ROWCOL nRow, ROWCOL nCol) override;
  void SetActive(BOOL bActive) override;

  TCHAR GetPasswordChar() const { return m_chPassword; }
  CString Mask(LPCTSTR pszText) const;

 protected:
  // Keeps the editor window masking.
  void ApplyMask();
  TCHAR m_chPassword;
};
