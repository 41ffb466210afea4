// CControlSizingDefinition: how one control of a resizable dialog follows
// its container when the container changes size.
#pragma once

#include <afxwin.h>

// Anchor word: the edges of the control that keep their distance to the
// same edge of the container. Left and right together stretch the control,
// right alone moves it, neither keeps it centred in the space it had (the
// same for top and bottom).
#define HLSIZE_ANCHOR_LEFT 0x0001
#define HLSIZE_ANCHOR_RIGHT 0x0002
#define HLSIZE_ANCHOR_TOP 0x0004
#define HLSIZE_ANCHOR_BOTTOM 0x0008
#define HLSIZE_ANCHOR_ALL 0x000F                                                // fills: stretches both ways (15)
#define HLSIZE_ANCHOR_BOTTOMRIGHT (HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_BOTTOM)  // a button in the corner (10)
// Stretches across and keeps its distance to the bottom (11): a rule above the buttons.
#define HLSIZE_ANCHOR_BOTTOMWIDE (HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_BOTTOM)

// The share of the container's growth the anchored edges follow, in
// percent; 0 stands for all of it.
#define HLSIZE_SHARE_ALL 0

// The positioning flags of SetWindowPos used when nothing else is asked:
// SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER (532).
#define HLSIZE_SWP_DEFAULT (SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER)

class AFX_EXT_CLASS CControlSizingDefinition {
 public:
  // nAnchor: HLSIZE_ANCHOR_* bits. nShareX, nShareY: the percent of the
  // container's growth across and down that the control follows (0 = 100).
  // bRepaint: the control is repainted whole after each move (group boxes,
  // centred texts). nSwpFlags: SetWindowPos flags of the moves.
  CControlSizingDefinition(CWnd* pControl, UINT nAnchor, UINT nShareX = HLSIZE_SHARE_ALL,
                           UINT nShareY = HLSIZE_SHARE_ALL, BOOL bRepaint = FALSE, UINT nSwpFlags = HLSIZE_SWP_DEFAULT);

  // The control's window; null while it is not one yet.
  HWND GetControl() const;
  // Whether this definition is the one of pControl.
  BOOL IsFor(const CWnd* pControl) const;
  UINT GetAnchor() const { return m_nAnchor; }
  // Whether the control's place at the reference size is known: a control
  // that is not a window yet (a property page not shown so far) is measured
  // when it first is one.
  BOOL IsMeasured() const { return m_bMeasured; }
  // Measures the control now, as placed for a container of `reference`.
  BOOL Measure(CSize reference);
  // The control's rectangle (in its parent's client coordinates) for a
  // container of `container`.
  CRect LayoutFor(CSize container) const;
  // Moves the control for a container of `container`; remembers the size.
  void ApplyFor(CSize container);
  // Puts the control back where the last ApplyFor placed it (something
  // else moved it, such as a property sheet showing its page).
  void RestoreLayout();

 private:
  static int Share(int growth, UINT percent);
  // One axis: the near and far edges for a growth of `growth`.
  static void Follow(LONG& nearEdge, LONG& farEdge, int growth, bool anchorNear, bool anchorFar);

  HWND m_hControl;
  // A control that was not a window when defined (a property page), kept
  // to find its window later; a permanent object of the caller.
  const CWnd* m_pPending;
  UINT m_nAnchor;
  UINT m_nShareX;
  UINT m_nShareY;
  BOOL m_bRepaint;
  UINT m_nSwpFlags;
  BOOL m_bMeasured = FALSE;
  CRect m_rcOrigin;     // the control at the reference size
  CSize m_szReference;  // the container's client size it was measured at
  CSize m_szApplied;    // the container size of the last ApplyFor
  BOOL m_bApplied = FALSE;
};
