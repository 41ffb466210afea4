#include "gx/gxcontrol.h"

#include <map>
#include <string>

#include "celldraw.h"
#include "gx/gxcore.h"

namespace {

std::map<WORD, GXControlFactory>& FactoryTable() {
  static std::map<WORD, GXControlFactory> table;
  return table;
}

}  // namespace

void GXRegisterControlFactory(WORD nID, GXControlFactory pfnFactory) { FactoryTable()[nID] = pfnFactory; }

GXControlFactory GXFindControlFactory(WORD nID) {
  auto it = FactoryTable().find(nID);
  return it == FactoryTable().end() ? nullptr : it->second;
}

namespace {

std::map<std::string, GXControlFactory>& CreatorTable() {
  static std::map<std::string, GXControlFactory> table;
  return table;
}

}  // namespace

GXControlCreator::GXControlCreator(LPCSTR lpszClassName, GXControlFactory pfnFactory) {
  CreatorTable()[lpszClassName] = pfnFactory;
}

std::unique_ptr<CGXControl> GXCreateControl(LPCSTR lpszClassName, CGXGridCore* pGrid) {
  if (lpszClassName == nullptr) return nullptr;
  auto it = CreatorTable().find(lpszClassName);
  return it == CreatorTable().end() ? nullptr : it->second(pGrid);
}

// Run-time classes. The base record has no base of its own; every control
// is a CGXControl, whichever base its record names (an edit control's is
// its window class).

CRuntimeClass CGXControl::classCGXControl = {"CGXControl", sizeof(CGXControl), 0xFFFF, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT _init_CGXControl(&CGXControl::classCGXControl);

CRuntimeClass* CGXControl::GetRuntimeClass() const { return RUNTIME_CLASS(CGXControl); }

BOOL CGXControl::IsKindOf(const CRuntimeClass* pClass) const {
  return pClass == RUNTIME_CLASS(CGXControl) || GetRuntimeClass()->IsDerivedFrom(pClass);
}

// Children.

void CGXChild::Draw(CDC*, BOOL) {}

BOOL CGXChild::LButtonDown(UINT, CPoint pt) {
  if (!Intersects(pt)) return FALSE;
  m_bMouseDown = m_bPressed = TRUE;
  m_pComposite->InvalidateCell();
  return TRUE;
}

BOOL CGXChild::MouseMove(UINT, CPoint pt) {
  if (!m_bMouseDown) return FALSE;
  const BOOL bInside = Intersects(pt);
  if (bInside != m_bPressed) {
    m_bPressed = bInside;
    m_pComposite->InvalidateCell();
  }
  return TRUE;
}

BOOL CGXChild::LButtonUp(UINT, CPoint pt) {
  if (!m_bMouseDown) return FALSE;
  const BOOL bClicked = Intersects(pt);
  m_bMouseDown = m_bPressed = FALSE;
  m_pComposite->InvalidateCell();
  if (bClicked) m_pComposite->OnClickedButton(this);
  return TRUE;
}

void CGXButton::DrawFace(CDC* pDC, CRect& rectInner) {
  CRect rect = m_rect;
  pDC->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | (m_bPressed ? DFCS_PUSHED : 0));
  rectInner = m_rect;
  rectInner.DeflateRect(2, 2);
  if (m_bPressed) rectInner.OffsetRect(1, 1);
}

void CGXButton::Draw(CDC* pDC, BOOL) {
  if (m_rect.IsRectEmpty()) return;
  CRect rectInner;
  DrawFace(pDC, rectInner);
  if (m_nIDBitmap != 0) {
    CBitmap bitmap;
    if (bitmap.LoadBitmap(m_nIDBitmap)) {
      BITMAP bm{};
      bitmap.GetBitmap(&bm);
      CDC dcMem;
      dcMem.CreateCompatibleDC(pDC);
      CBitmap* pOld = dcMem.SelectObject(&bitmap);
      const int x = rectInner.left + (rectInner.Width() - bm.bmWidth) / 2;
      const int y = rectInner.top + (rectInner.Height() - bm.bmHeight) / 2;
      pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
      dcMem.SelectObject(pOld);
      return;
    }
  }
  if (!m_sText.IsEmpty()) {
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(m_sText, &rectInner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void CGXArrowButton::Draw(CDC* pDC, BOOL) {
  if (m_rect.IsRectEmpty()) return;
  CRect rect = m_rect;
  pDC->DrawFrameControl(&rect, DFC_SCROLL, DFCS_SCROLLDOWN | (m_bPressed ? DFCS_PUSHED : 0));
}

// The control.

CGXControl::CGXControl(CGXGridCore* pGrid) : m_pGrid(pGrid) {}
CGXControl::~CGXControl() = default;

CWnd* CGXControl::GridWnd() const { return m_pGrid->GridWnd(); }

void CGXControl::Init(ROWCOL nRow, ROWCOL nCol) {
  m_nRow = nRow;
  m_nCol = nCol;
  m_bModified = FALSE;
}

const CGXStyle& CGXControl::BoundStyle() {
  m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &m_boundStyle);
  return m_boundStyle;
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style) {
  pDC->FillSolidRect(&rect, style.GetInterior());
}

CRect CGXControl::GetTextRect(const CRect& rectCell, ROWCOL, ROWCOL, const CGXStyle&) {
  CRect rect = rectCell;
  rect.DeflateRect(2, 1);
  return rect;
}

CSize CGXControl::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, BOOL bVert) {
  CString sText;
  GetControlText(sText, nRow, nCol, style.GetValue(), style);
  gx::SelectedFont font(pDC, style.GetFont());
  CSize size = pDC->GetTextExtent(sText.IsEmpty() ? CString(_T("X")) : sText);
  size.cx += 5;
  size.cy += 3;
  return bVert ? CSize(0, size.cy) : CSize(size.cx, 0);
}

void CGXControl::OnInitChildren(ROWCOL, ROWCOL, const CRect&) {}

void CGXControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*) {
  DrawBackground(pDC, rect, style);
  CString sText;
  GetControlText(sText, nRow, nCol, style.GetValue(), style);
  gx::DrawCellText(pDC, GetTextRect(rect, nRow, nCol, style), sText, style);
  DrawChildren(pDC, m_pGrid->IsCurrentCell(nRow, nCol));
}

void CGXControl::DrawChildren(CDC* pDC, BOOL bActive) {
  for (const auto& pChild : m_children) pChild->Draw(pDC, bActive);
}

BOOL CGXControl::IsActive() { return m_bActive; }
void CGXControl::SetActive(BOOL bActive) { m_bActive = bActive; }
BOOL CGXControl::GetModify() { return m_bModified; }
void CGXControl::SetModify(BOOL bModified) { m_bModified = bModified; }
BOOL CGXControl::IsReadOnly() { return m_pGrid->IsReadOnly(); }
void CGXControl::Hide() {}
void CGXControl::Refresh() { InvalidateCell(); }

BOOL CGXControl::GetValue(CString& strResult) {
  strResult = m_pGrid->GetValueRowCol(m_nRow, m_nCol);
  return TRUE;
}

void CGXControl::SetValue(LPCTSTR) {}

BOOL CGXControl::GetCurrentText(CString& strResult) { return GetValue(strResult); }
void CGXControl::SetCurrentText(const CString& str) { SetValue(str); }

BOOL CGXControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle&) {
  strResult = pszRawValue ? pszRawValue : _T("");
  return TRUE;
}

BOOL CGXControl::SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags, const CGXStyle*) {
  return m_pGrid->SetValueRange(CGXRange(nRow, nCol), str, gxOverride, 0, nFlags);
}

BOOL CGXControl::OnValidate() { return TRUE; }

BOOL CGXControl::Store() {
  CString sValue;
  if (!GetValue(sValue)) return FALSE;
  return m_pGrid->SetValueByUser(m_nRow, m_nCol, sValue);
}

int CGXControl::QueryEndEditing() { return GX_ENDEDIT_STORE; }
BOOL CGXControl::OnStartEditing() { return TRUE; }
void CGXControl::OnCancelEditing() { m_bModified = FALSE; }

BOOL CGXControl::OnGridKeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::OnGridKeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::OnGridChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXControl::KeyPressed(UINT, UINT, UINT, UINT) { return FALSE; }

BOOL CGXControl::LButtonDown(UINT nFlags, CPoint pt, UINT) {
  m_pCapturedChild = ChildFromPt(pt);
  return m_pCapturedChild != nullptr && m_pCapturedChild->LButtonDown(nFlags, pt);
}

BOOL CGXControl::LButtonUp(UINT nFlags, CPoint pt, UINT) {
  CGXChild* pChild = m_pCapturedChild;
  m_pCapturedChild = nullptr;
  return pChild != nullptr && pChild->LButtonUp(nFlags, pt);
}

BOOL CGXControl::LButtonDblClk(UINT nFlags, CPoint pt) { return LButtonDown(nFlags, pt, GX_HITSTART | GX_HITINCELL); }

BOOL CGXControl::MouseMove(UINT nFlags, CPoint pt, UINT) {
  return m_pCapturedChild != nullptr && m_pCapturedChild->MouseMove(nFlags, pt);
}

void CGXControl::OnClickedButton(CGXChild*) { m_pGrid->OnClickedButtonRowCol(m_nRow, m_nCol); }

CGXChild* CGXControl::AddChild(std::unique_ptr<CGXChild> pChild) {
  m_children.push_back(std::move(pChild));
  return m_children.back().get();
}

CGXChild* CGXControl::ChildFromPt(CPoint pt) const {
  for (const auto& pChild : m_children) {
    if (pChild->Intersects(pt)) return pChild.get();
  }
  return nullptr;
}

void CGXControl::InvalidateCell() const {
  if (m_nRow != GX_INVALID) m_pGrid->RedrawRowCol(m_nRow, m_nCol, GX_INVALIDATE);
}
