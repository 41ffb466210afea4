// CImageList: the handle map and the members that take class-library
// objects.
#include "mfc/cmn_imagelist.h"

#include "mfc/handlemap.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

struct ImageListHandle {
  static void Set(CImageList& list, HIMAGELIST handle) { list.m_hImageList = handle; }
  static void Clear(CImageList& list) { list.m_hImageList = nullptr; }
};

using ImageListMap = afx::HandleMap<CImageList, HIMAGELIST, ImageListHandle>;

ImageListMap& ImageLists() {
  thread_local ImageListMap map;
  return map;
}

HBITMAP BitmapHandle(const CBitmap* bitmap) {
  return bitmap != nullptr ? static_cast<HBITMAP>(bitmap->GetSafeHandle()) : nullptr;
}

}  // namespace

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  // Checked before making one: a list Attach refuses would be lost.
  if (m_hImageList != nullptr) return FALSE;
  return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
  return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
  if (m_hImageList != nullptr) return FALSE;
  const HINSTANCE module = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
  HIMAGELIST made = ImageList_LoadBitmap(module, lpszBitmapID, cx, nGrow, crMask);
  if (Attach(made)) return TRUE;
  if (made != nullptr) ImageList_Destroy(made);
  return FALSE;
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (hImageList == nullptr || m_hImageList != nullptr) return FALSE;
  m_hImageList = hImageList;
  ImageLists().SetPermanent(hImageList, this);
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST hImageList = m_hImageList;
  if (hImageList != nullptr) ImageLists().RemoveHandle(hImageList, this);
  m_hImageList = nullptr;
  return hImageList;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  return ImageList_Destroy(Detach());
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) { return ImageLists().FromHandle(hImageList); }

void PASCAL CImageList::DeleteTempMap() { ImageLists().DeleteTemp(); }

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Add(m_hImageList, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return ImageList_AddMasked(m_hImageList, BitmapHandle(pbmImage), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Replace(m_hImageList, nImage, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  return DrawEx(pDC, nImage, pt, SIZE{0, 0}, CLR_DEFAULT, CLR_DEFAULT, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle) {
  if (pDC == nullptr) return FALSE;
  return ImageList_DrawEx(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}
