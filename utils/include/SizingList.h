// CSizingList: the controls of a resizable dialog, sheet or page and how
// each follows the container's client area.
//
//   m_sizing.Add(CControlSizingDefinition(GetDlgItem(IDOK), HLSIZE_ANCHOR_BOTTOMRIGHT));
//   m_sizing.SetContainerInitialSize(rcWindow.Size());
//   m_sizing.SetMinDimensions(rcWindow.Width(), rcWindow.Height());
//   OnSize: m_sizing.ResizeTo(cx, cy);  OnGetMinMaxInfo: m_sizing.ApplyMinDimensions(lpMMI);
#pragma once

#include <afxwin.h>

#include <vector>

#include "ControlSizingDefinition.h"

class AFX_EXT_CLASS CSizingList {
 public:
  CSizingList() = default;

  // A second definition of the same control replaces the first. The
  // container is the controls' parent.
  void Add(const CControlSizingDefinition& definition);
  BOOL Remove(const CWnd* pControl);
  void RemoveAll();
  int GetCount() const { return static_cast<int>(m_definitions.size()); }

  // The client size the controls are placed for now. The container's window
  // size is also taken, as its client size, so callers may pass either.
  void SetContainerInitialSize(CSize size);
  void SetContainerInitialSize(int cx, int cy) { SetContainerInitialSize(CSize(cx, cy)); }
  CSize GetContainerSize() const { return m_szCurrent; }

  // The smallest window size a user can drag the container to.
  void SetMinDimensions(int cx, int cy) { m_szMin = CSize(cx, cy); }
  CSize GetMinDimensions() const { return m_szMin; }
  // WM_GETMINMAXINFO: raises the minimum tracking size to the minimum.
  void ApplyMinDimensions(MINMAXINFO* pMMI) const;

  // Places every control for a client area of cx by cy. A minimised
  // container (0 by 0) leaves them where they are.
  void ResizeTo(int cx, int cy);
  // Whether the controls are already placed for this client size (and every
  // control has been measured), so ResizeTo would change nothing.
  BOOL IsUpToScale(int cx, int cy) const;
  BOOL IsUpToScale(CSize size) const { return IsUpToScale(size.cx, size.cy); }

  // The definition of a control (a page of a sheet, a button), or null.
  CControlSizingDefinition* GetForControl(const CWnd* pControl);
  CControlSizingDefinition* GetForControl(HWND hControl);

  // The child of pParent with the id nID: among its direct children, or
  // among all its descendants when bDeep (a control inside a page of a
  // sheet). Null when there is none.
  static CWnd* PASCAL GetChildItem(CWnd* pParent, UINT nID, BOOL bDeep);

 private:
  HWND Container() const;

  std::vector<CControlSizingDefinition> m_definitions;
  CSize m_szInitial;  // the client size of the container's first layout
  CSize m_szCurrent;
  BOOL m_bSized = FALSE;
  CSize m_szMin;
};
