// The pop-up list a drop-down cell opens below itself: a list box window
// owned by the grid that never activates. The cell's control forwards the
// keys while it is open. Single-choice lists end with a click or Enter;
// check lists (several items marked) end with Enter or when focus leaves
// them after a click. Escape, and focus leaving a single-choice list,
// cancel.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <afxwin.h>

namespace gx {

class DropListWindow : public CListBox {
 public:
  // The chosen items in list order; empty and `accepted` false on cancel.
  using Done = std::function<void(bool accepted, const std::vector<int>& chosen)>;

  struct Options {
    bool checkList = false;
    std::vector<int> selected;
  };

  // Opens (or reopens) the list below `cellScreen`; false when the window
  // cannot be made.
  bool Open(CWnd* owner, const CRect& cellScreen, const std::vector<std::string>& items, const Options& options,
            Done done);
  bool IsOpen() const { return m_hWnd != nullptr && IsWindowVisible(); }
  // Ends the list as a choice (accept) or as a cancel.
  void Close(bool accept);
  // A key the cell got while the list is open: Enter accepts, Escape
  // cancels, the others move in the list. False when the list is closed.
  bool ForwardKey(UINT nChar);
  ~DropListWindow() override;

  // Check lists draw a check box before each item, marked when chosen.
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  bool MakeWindow(CWnd* owner);
  std::vector<int> Chosen() const;

  Done done_;
  bool checkList_ = false;
  bool closing_ = false;
};

}  // namespace gx
