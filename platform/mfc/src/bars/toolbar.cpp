// CToolBar: creation, resources and images, buttons and their layout.
#include <algorithm>
#include <cstring>
#include <string>

#include "afxext.h"
#include "bars/bar_layout.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
END_MESSAGE_MAP()

namespace {

// The TOOLBAR resource: version 1, image width and height, count, ids.
struct ToolbarResource {
  int width = 0;
  int height = 0;
  std::vector<UINT> ids;
};

bool ReadToolbarResource(LPCTSTR lpszResourceName, ToolbarResource& out) {
  HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
  HRSRC found = ::FindResource(module, lpszResourceName, RT_TOOLBAR);
  if (found == nullptr) return false;
  const DWORD size = ::SizeofResource(module, found);
  HGLOBAL loaded = ::LoadResource(module, found);
  const auto* data = static_cast<const BYTE*>(::LockResource(loaded));
  if (data == nullptr || size < 4 * sizeof(WORD)) return false;
  WORD header[4];
  std::memcpy(header, data, sizeof(header));
  if (header[0] != 1 || size < (4 + static_cast<DWORD>(header[3])) * sizeof(WORD)) return false;
  out.width = header[1];
  out.height = header[2];
  out.ids.resize(header[3]);
  for (size_t i = 0; i < out.ids.size(); ++i) {
    WORD id = 0;
    std::memcpy(&id, data + (4 + i) * sizeof(WORD), sizeof(id));
    out.ids[i] = id;
  }
  return out.width > 0 && out.height > 0;
}

}  // namespace

CToolBar::CToolBar() {
  m_cxLeftBorder = m_cxRightBorder = 2;
  m_cyTopBorder = m_cyBottomBorder = 1;
}

CToolBar::~CToolBar() {
  m_toolBarCtrl.m_hWnd = nullptr;
  DestroyWindow();
  for (HBITMAP well : m_imageWells) ::DeleteObject(well);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
  SetBorders(rcBorders);
  // The bar places itself: the control neither aligns nor sizes itself.
  DWORD ctrlStyle = (dwCtrlStyle & 0xFFFF) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
  if (dwStyle & CBRS_TOOLTIPS) ctrlStyle |= TBSTYLE_TOOLTIPS;
  if (!CreateBar(TOOLBARCLASSNAME, dwStyle, ctrlStyle, pParentWnd, nID)) return FALSE;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  SetSizes(m_sizeButton, m_sizeImage);
  return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  m_sizeButton = sizeButton;
  m_sizeImage = sizeImage;
  if (m_hWnd == nullptr) return;
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

void CToolBar::SetHeight(int cyHeight) {
  // What the bar adds around its buttons stays; the buttons take the rest.
  const int around = static_cast<int>(CalcFixedLayout(FALSE, TRUE).cy) - static_cast<int>(m_sizeButton.cy);
  SetSizes(CSize(m_sizeButton.cx, std::max(static_cast<int>(m_sizeImage.cy), cyHeight - around)), m_sizeImage);
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName) {
  ToolbarResource resource;
  if (m_hWnd == nullptr || !ReadToolbarResource(lpszResourceName, resource)) return FALSE;
  if (!SetButtons(resource.ids.data(), static_cast<int>(resource.ids.size()))) return FALSE;
  SetSizes(CSize(resource.width + 7, resource.height + 7), CSize(resource.width, resource.height));
  return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName) {
  HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  HBITMAP well = ::LoadBitmap(module, lpszResourceName);
  if (well == nullptr) return FALSE;
  if (SetBitmap(well)) return TRUE;
  ::DeleteObject(well);
  return FALSE;
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell) {
  BITMAP bm{};
  if (m_hWnd == nullptr || hbmImageWell == nullptr || !::GetObject(hbmImageWell, sizeof(bm), &bm)) return FALSE;
  TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
  const int count = m_sizeImage.cx > 0 ? static_cast<int>(bm.bmWidth / m_sizeImage.cx) : 0;
  const auto first =
      static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&add)));
  if (first < 0) return FALSE;
  // A new well replaces the old one: the buttons' images move to it.
  const int shift = first - m_nImageBase;
  if (shift != 0) {
    for (int i = 0; i < ButtonCount(); ++i) {
      TBBUTTON button{};
      if (!GetButton(i, button) || (button.fsStyle & TBSTYLE_SEP)) continue;
      button.iBitmap += shift;
      SetButton(i, button);
    }
  }
  m_nImageBase = first;
  m_imageWells.push_back(hbmImageWell);
  return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  if (m_hWnd == nullptr || nIDCount < 0) return FALSE;
  while (ButtonCount() > 0) SendMessage(TB_DELETEBUTTON, 0);
  std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
  int image = m_nImageBase;
  for (size_t i = 0; i < buttons.size(); ++i) {
    TBBUTTON& button = buttons[i];
    const UINT id = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
    button.fsState = TBSTATE_ENABLED;
    button.iString = -1;
    if (id == ID_SEPARATOR) {
      button.fsStyle = TBSTYLE_SEP;
    } else {
      button.idCommand = static_cast<int>(id);
      button.iBitmap = image++;
      button.fsStyle = TBSTYLE_BUTTON;
    }
  }
  m_nCount = nIDCount;
  m_bVertical = false;
  if (buttons.empty()) return TRUE;
  return SendMessage(TB_ADDBUTTONS, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != FALSE;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const {
  m_toolBarCtrl.m_hWnd = m_hWnd;
  return m_toolBarCtrl;
}

int CToolBar::CommandToIndex(UINT nIDFind) const { return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind)); }

BOOL CToolBar::GetButton(int nIndex, TBBUTTON& button) const {
  button = TBBUTTON{};
  return nIndex >= 0 && SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
}

void CToolBar::SetButton(int nIndex, const TBBUTTON& button) {
  TBBUTTON old{};
  if (!GetButton(nIndex, old)) return;
  const bool sameButton = old.idCommand == button.idCommand && old.fsStyle == button.fsStyle &&
                          old.iBitmap == button.iBitmap && old.iString == button.iString && old.idCommand != 0;
  if (sameButton) {
    if (old.fsState != button.fsState) SendMessage(TB_SETSTATE, static_cast<WPARAM>(button.idCommand), button.fsState);
    return;
  }
  SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
  SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
}

UINT CToolBar::GetItemID(int nIndex) const {
  TBBUTTON button{};
  return GetButton(nIndex, button) ? static_cast<UINT>(button.idCommand) : ID_SEPARATOR;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  if (lpRect == nullptr) return;
  if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
    ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
  TBBUTTON button{};
  if (!GetButton(nIndex, button)) return 0;
  return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  TBBUTTON button{};
  if (!GetButton(nIndex, button)) return;
  button.fsStyle = LOBYTE(LOWORD(nStyle));
  button.fsState = static_cast<BYTE>(LOBYTE(HIWORD(nStyle)) ^ TBSTATE_ENABLED);
  // The layout's wrapping stays the layout's.
  TBBUTTON old{};
  GetButton(nIndex, old);
  button.fsState = static_cast<BYTE>((button.fsState & ~TBSTATE_WRAP) | (old.fsState & TBSTATE_WRAP));
  SetButton(nIndex, button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
  TBBUTTON button{};
  GetButton(nIndex, button);
  nID = static_cast<UINT>(button.idCommand);
  nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
  iImage = button.iBitmap - ((button.fsStyle & TBSTYLE_SEP) ? 0 : m_nImageBase);
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  TBBUTTON button{};
  if (!GetButton(nIndex, button)) return;
  const BYTE wrap = button.fsState & TBSTATE_WRAP;
  button.idCommand = static_cast<int>(nID);
  button.fsStyle = LOBYTE(LOWORD(nStyle));
  button.fsState = static_cast<BYTE>(((LOBYTE(HIWORD(nStyle)) ^ TBSTATE_ENABLED) & ~TBSTATE_WRAP) | wrap);
  // A separator's "image" is its width.
  button.iBitmap = (button.fsStyle & TBSTYLE_SEP) ? iImage : iImage + m_nImageBase;
  SetButton(nIndex, button);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText) {
  TBBUTTON button{};
  if (!GetButton(nIndex, button) || (button.fsStyle & TBSTYLE_SEP) || lpszText == nullptr) return FALSE;
  // The control's list of texts: each ended by a null, an empty one last.
  std::string texts(lpszText);
  if (texts.empty()) {
    button.iString = -1;
  } else {
    texts.push_back('\0');
    const auto index = SendMessage(TB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts.c_str()));
    if (index < 0) return FALSE;
    button.iString = index;
  }
  SetButton(nIndex, button);
  // The control grew its buttons for the text: the bar's sizes follow.
  const auto size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
  m_sizeButton = CSize(LOWORD(size), HIWORD(size));
  return TRUE;
}

CString CToolBar::GetButtonText(int nIndex) const {
  const UINT id = GetItemID(nIndex);
  const auto length = SendMessage(TB_GETBUTTONTEXT, id, 0);
  if (id == ID_SEPARATOR || length < 0) return CString();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessage(TB_GETBUTTONTEXT, id, reinterpret_cast<LPARAM>(text.data()));
  return CString(text.c_str());
}

void CToolBar::SetOrientation(bool vertical) {
  if (m_bVertical == vertical || m_hWnd == nullptr) return;
  m_bVertical = vertical;
  const int count = ButtonCount();
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (!GetButton(i, button)) continue;
    const bool wrap = vertical && i + 1 < count;
    const BYTE state = static_cast<BYTE>(wrap ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP));
    if (state == button.fsState) continue;
    button.fsState = state;
    SetButton(i, button);
  }
  SendMessage(TB_AUTOSIZE);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  SetOrientation(!bHorz);
  CRect extent(0, 0, 0, 0);
  int top = -1;
  for (int i = 0; i < ButtonCount(); ++i) {
    CRect item;
    if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    if (top < 0) top = item.top;
    extent.right = std::max(extent.right, item.right);
    extent.bottom = std::max(extent.bottom, item.bottom);
  }
  // The control leaves as much room below the buttons as above.
  if (top > 0) extent.bottom += top;
  CRect inside(0, 0, 0, 0);
  CalcInsideRect(inside, bHorz);
  return afx::StretchedSize(CSize(extent.Width() - inside.Width(), extent.Height() - inside.Height()), bStretch, bHorz);
}

CSize CToolBar::CalcDynamicLayout(int, DWORD nMode) {
  const bool horz = (nMode & (LM_HORZ | LM_HORZDOCK)) != 0 && !(nMode & LM_VERTDOCK);
  return CalcFixedLayout((nMode & LM_STRETCH) != 0, horz);
}
