#include "gx/drop_list.h"

#include <algorithm>

namespace gx {
namespace {
constexpr int kVisibleItems = 8;  // longer lists scroll
}  // namespace

BEGIN_MESSAGE_MAP(DropListWindow, CListBox)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_LBUTTONUP()
  ON_WM_KEYDOWN()
  ON_WM_KILLFOCUS()
  ON_WM_MOUSEACTIVATE()
  ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
END_MESSAGE_MAP()

DropListWindow::~DropListWindow() {
  done_ = nullptr;
  if (m_hWnd) DestroyWindow();
}

bool DropListWindow::MakeWindow(CWnd* owner) {
  if (m_hWnd) DestroyWindow();
  const DWORD style = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS |
                      (checkList_ ? LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED : 0);
  return CreateEx(0, _T("ListBox"), _T(""), style, 0, 0, 10, 10, owner->GetSafeHwnd(), nullptr) != FALSE;
}

bool DropListWindow::Open(CWnd* owner, const CRect& cellScreen, const std::vector<std::string>& items,
                          const Options& options, Done done) {
  Close(false);
  checkList_ = options.checkList;
  if (!owner || !MakeWindow(owner)) return false;
  for (const std::string& item : items) AddString(item.c_str());
  for (int index : options.selected) {
    if (index < 0 || index >= static_cast<int>(items.size())) continue;
    if (checkList_) {
      SetSel(index, TRUE);
    } else {
      SetCurSel(index);
    }
  }
  const int itemHeight = std::max(1, GetItemHeight(0));
  const int shown = std::clamp(static_cast<int>(items.size()), 1, kVisibleItems);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, cellScreen.left, cellScreen.bottom, cellScreen.Width(), shown * itemHeight + 2,
                 SWP_NOACTIVATE);
  done_ = std::move(done);
  ShowWindow(SW_SHOWNA);
  SetCapture();
  return true;
}

void DropListWindow::DrawItem(LPDRAWITEMSTRUCT dis) {
  if (dis->itemID == static_cast<UINT>(-1)) return;
  CDC* dc = CDC::FromHandle(dis->hDC);
  CRect item(dis->rcItem);
  dc->FillSolidRect(&item, ::GetSysColor(COLOR_WINDOW));
  const int box = std::min(13, static_cast<int>(item.Height()) - 2);
  CRect check(item.left + 2, item.top + (item.Height() - box) / 2, item.left + 2 + box,
              item.top + (item.Height() - box) / 2 + box);
  dc->DrawFrameControl(&check, DFC_BUTTON, DFCS_BUTTONCHECK | ((dis->itemState & ODS_SELECTED) ? DFCS_CHECKED : 0));
  CString text;
  GetText(static_cast<int>(dis->itemID), text);
  CRect textRect = item;
  textRect.left = check.right + 4;
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
  dc->DrawText(text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (dis->itemState & ODS_FOCUS) dc->DrawFocusRect(&item);
}

std::vector<int> DropListWindow::Chosen() const {
  std::vector<int> chosen;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    if (checkList_ ? GetSel(i) > 0 : GetCurSel() == i) chosen.push_back(i);
  }
  return chosen;
}

void DropListWindow::Close(bool accept) {
  if (closing_ || !m_hWnd || !IsWindowVisible()) return;
  closing_ = true;
  const std::vector<int> chosen = accept ? Chosen() : std::vector<int>{};
  Done done = std::move(done_);
  done_ = nullptr;
  if (::GetCapture() == m_hWnd) ReleaseCapture();
  ShowWindow(SW_HIDE);
  closing_ = false;
  if (done) done(accept, chosen);
}

// The list box's own click handling would take the focus from the cell.
void DropListWindow::OnLButtonDown(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) {
    Close(checkList_);
    return;
  }
  const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  if (HIWORD(hit)) return;
  const int item = LOWORD(hit);
  if (checkList_) {
    SetSel(item, GetSel(item) <= 0);
  } else {
    SetCurSel(item);
  }
}

void DropListWindow::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void DropListWindow::OnLButtonUp(UINT, CPoint point) {
  const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  if (!checkList_ && !HIWORD(hit)) Close(true);
}

void DropListWindow::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  switch (nChar) {
    case VK_RETURN:
      Close(true);
      return;
    case VK_ESCAPE:
      Close(false);
      return;
    default:
      CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

bool DropListWindow::ForwardKey(UINT nChar) {
  if (!IsOpen()) return false;
  SendMessage(WM_KEYDOWN, nChar, 1);
  return true;
}

int DropListWindow::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

LRESULT DropListWindow::OnCaptureChanged(WPARAM, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) != m_hWnd) Close(checkList_);
  return 0;
}

void DropListWindow::OnKillFocus(CWnd* pNewWnd) {
  CListBox::OnKillFocus(pNewWnd);
  Close(checkList_);
}

}  // namespace gx
