// CFormView: the view window is a child dialog made from the template.
#include "mfc/formview.h"

#include <cstring>
#include <vector>

#include <windows.h>

#include "mfc/document.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/frame.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
  ON_WM_CREATE()
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {

// The template as a child: no caption or frame of its own.
std::vector<BYTE> ChildTemplate(LPCTSTR lpszTemplateName, HINSTANCE& hInst) {
  hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC resource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
  if (resource == nullptr) return {};
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(hInst, resource)));
  const DWORD size = ::SizeofResource(hInst, resource);
  if (data == nullptr || size < sizeof(DLGTEMPLATE)) return {};
  std::vector<BYTE> copy(data, data + size);
  WORD head[2];
  std::memcpy(head, copy.data(), sizeof head);
  // An extended template has its style after version, signature and help id.
  const size_t styleOffset = (head[0] == 1 && head[1] == 0xFFFF) ? 12 : 0;
  if (copy.size() < styleOffset + sizeof(DWORD)) return {};
  DWORD style;
  std::memcpy(&style, copy.data() + styleOffset, sizeof style);
  style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_VISIBLE | WS_DISABLED | WS_BORDER |
             WS_DLGFRAME);
  style |= WS_CHILD;
  std::memcpy(copy.data() + styleOffset, &style, sizeof style);
  return copy;
}

INT_PTR CALLBACK FormDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

CFormView::CFormView(LPCTSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)) {}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext) {
  if (m_hWnd != nullptr || pParentWnd == nullptr) return FALSE;
  HINSTANCE hInst = nullptr;
  const std::vector<BYTE> dialog = ChildTemplate(m_lpszTemplateName, hInst);
  if (dialog.empty()) {
    PostNcDestroy();
    return FALSE;
  }
  // A dialog's WM_CREATE has no room for the context: it waits here.
  auto* context = static_cast<CCreateContext*>(pContext);
  m_pCreateContext = context;
  HookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(hInst, reinterpret_cast<LPCDLGTEMPLATE>(dialog.data()), pParentWnd->m_hWnd,
                                          &FormDialogProc, 0);
  const BOOL consumed = UnhookWindowCreate();
  m_pCreateContext = nullptr;
  if (hWnd == nullptr) {
    if (!consumed) PostNcDestroy();
    return FALSE;
  }
  if (m_pDocument == nullptr && context != nullptr && context->m_pCurrentDoc != nullptr)
    context->m_pCurrentDoc->AddView(this);
  SetDlgCtrlID(static_cast<int>(nID));
  if (dwStyle & WS_BORDER) ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
  // The template's size is the form's scroll size.
  CRect rectTemplate;
  GetWindowRect(&rectTemplate);
  SetScrollSizes(MM_TEXT, rectTemplate.Size());
  SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (dwStyle & WS_VISIBLE) ShowWindow(SW_SHOWNORMAL);
  return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs) {
  CREATESTRUCT cs = *lpcs;
  cs.lpCreateParams = m_pCreateContext;
  return CScrollView::OnCreate(&cs);
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

void CFormView::SaveFocusControl() {
  HWND hWndFocus = ::GetFocus();
  if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus)) m_hWndFocus = hWndFocus;
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  if (!bActivate) SaveFocusControl();
  CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) {
  // The focus comes back to the same control when the frame does.
  if (nState == WA_INACTIVE) SaveFocusControl();
  CScrollView::OnActivateFrame(nState, pFrameWnd);
}

void CFormView::OnSetFocus(CWnd* pOldWnd) {
  // The focus goes back to the control that had it, else the first one.
  HWND hWnd = m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)
                  ? m_hWndFocus
                  : ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
  if (hWnd != nullptr) {
    ::SetFocus(hWnd);
    return;
  }
  CScrollView::OnSetFocus(pOldWnd);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
  if (CScrollView::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // The frames' accelerators come before the dialog keys would eat them.
  for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame()) {
    if (pFrame->PreTranslateMessage(pMsg)) return TRUE;
  }
  if (::GetWindow(m_hWnd, GW_CHILD) == nullptr) return FALSE;
  return ::IsDialogMessage(m_hWnd, pMsg);
}
