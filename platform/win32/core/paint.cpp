// Update regions (as rectangles), WM_PAINT, device contexts on the
// top-level windows' backing surfaces, and rendering to PNG.
#include <algorithm>

#include "core/state.h"
#include "core/window.h"
#include "internal/gdi_surface.h"

namespace win32::core {
namespace {

RECT ClientBounds(const Window& w) {
  return RECT{0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top};
}

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{};
  IntersectRect(&r, &a, &b);
  return r;
}

RECT Shift(RECT r, POINT by) {
  OffsetRect(&r, by.x, by.y);
  return r;
}

// Everything about a DC made on a window's surface.
HDC MakeDCLocked(Window& w, bool wholeWindow, const RECT* clipClient) {
  WindowPtr top = FindWindowLocked(TopLevelOfLocked(w.hwnd));
  if (!top) return nullptr;
  EnsureSurfaceLocked(*top);
  if (!top->surface) return nullptr;
  const POINT winOff = SurfaceOffsetLocked(w);
  const POINT clientOff{winOff.x + w.client.left - w.rect.left, winOff.y + w.client.top - w.rect.top};
  const POINT origin = wholeWindow ? winOff : clientOff;
  RECT clip = wholeWindow ? Shift(RECT{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top}, winOff)
                          : Shift(ClientBounds(w), clientOff);
  if (clipClient) clip = Intersect(clip, Shift(*clipClient, clientOff));
  // Ancestors clip their children to their client areas.
  for (WindowPtr a = (w.style & WS_CHILD) ? FindWindowLocked(w.parent) : nullptr; a;
       a = (a->style & WS_CHILD) ? FindWindowLocked(a->parent) : nullptr) {
    const POINT o = SurfaceOffsetLocked(*a);
    clip = Intersect(
        clip, Shift(ClientBounds(*a), POINT{o.x + a->client.left - a->rect.left, o.y + a->client.top - a->rect.top}));
  }
  HDC dc = internal::CreateSurfaceDC(top->surface.get(), origin, clip, w.hwnd);
  if (!dc) return nullptr;
  // Logical coordinates of the DC are relative to `origin`.
  auto exclude = [&](const RECT& surfaceRect) {
    ExcludeClipRect(dc, surfaceRect.left - origin.x, surfaceRect.top - origin.y, surfaceRect.right - origin.x,
                    surfaceRect.bottom - origin.y);
  };
  if (w.style & WS_CLIPCHILDREN) {
    for (HWND c : w.children) {
      WindowPtr cw = FindWindowLocked(c);
      if (cw && (cw->style & WS_VISIBLE)) exclude(Shift(cw->rect, clientOff));
    }
  }
  // The siblings above the window, and above each of its ancestors, hide
  // what lies under them (an MDI child behind another paints none of its
  // children over the one in front).
  WindowPtr held;
  for (Window* x = &w; x != nullptr && (x->style & WS_CHILD);) {
    WindowPtr parent = FindWindowLocked(x->parent);
    if (x->style & WS_CLIPSIBLINGS) {
      const POINT xOff = SurfaceOffsetLocked(*x);
      const POINT parentClient{xOff.x - x->rect.left, xOff.y - x->rect.top};
      for (HWND h : SiblingsLocked(*x)) {
        if (h == x->hwnd) break;
        WindowPtr sw = FindWindowLocked(h);
        if (sw && (sw->style & WS_VISIBLE)) exclude(Shift(sw->rect, parentClient));
      }
    }
    held = std::move(parent);
    x = held.get();
  }
  return dc;
}

void Present(HWND hwnd) {
  cairo_surface_t* surface = nullptr;
  HWND top;
  RECT whole{};
  {
    Lock lk(S());
    top = TopLevelOfLocked(hwnd);
    WindowPtr t = FindWindowLocked(top);
    if (!t || !t->surface) return;
    surface = t->surface.get();
    whole = RECT{0, 0, t->rect.right - t->rect.left, t->rect.bottom - t->rect.top};
  }
  cairo_surface_flush(surface);
  Backend().Present(top, surface, whole);
}

void PaintNow(HWND hwnd, bool children) {
  bool needs;
  std::vector<HWND> kids;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return;
    needs = NeedsPaintLocked(*w);
    kids = w->children;
  }
  if (needs) {
    SendMessage(hwnd, WM_PAINT, 0, 0);
    Lock lk(S());
    if (WindowPtr w = FindWindowLocked(hwnd); w && NeedsPaintLocked(*w)) ValidateLocked(*w, nullptr);
  }
  if (!children) return;
  std::reverse(kids.begin(), kids.end());  // bottom of the z-order first
  for (HWND c : kids) PaintNow(c, true);
}

}  // namespace

void EnsureSurfaceLocked(Window& w) {
  if (w.style & WS_CHILD) return;
  const int cx = std::max<LONG>(1, w.rect.right - w.rect.left), cy = std::max<LONG>(1, w.rect.bottom - w.rect.top);
  if (w.surface && cairo_image_surface_get_width(w.surface.get()) == cx &&
      cairo_image_surface_get_height(w.surface.get()) == cy)
    return;
  w.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy));
}

void InvalidateLocked(Window& w, const RECT* clientRect, bool erase, bool frame, std::optional<bool> children) {
  const RECT bounds = ClientBounds(w);
  const RECT r = clientRect ? Intersect(*clientRect, bounds) : bounds;
  if (!IsRectEmpty(&r)) {
    UnionRect(&w.update, &w.update, &r);
    w.erase = w.erase || erase;
  }
  if (frame) w.frameDirty = true;
  if (!children.value_or(!(w.style & WS_CLIPCHILDREN))) return;
  // The update area is one rectangle and the parent paints all of it: the
  // children under any part of it are painted again, not only those under `r`.
  const RECT painted = (w.style & WS_CLIPCHILDREN) ? r : w.update;
  // A parent that does not clip its children paints over their children as
  // well, whatever those clip: the whole subtree under it is painted again.
  const std::optional<bool> below = (w.style & WS_CLIPCHILDREN) ? children : std::optional<bool>(true);
  for (HWND c : w.children) {
    WindowPtr cw = FindWindowLocked(c);
    if (!cw || !(cw->style & WS_VISIBLE)) continue;
    RECT overlap = Intersect(painted, cw->rect);
    if (IsRectEmpty(&overlap)) continue;
    const RECT inChild = Shift(overlap, POINT{-cw->client.left, -cw->client.top});
    const bool frameHit = !EqualRect(&cw->rect, &cw->client);
    InvalidateLocked(*cw, &inChild, erase, frameHit, below);
  }
}

void InvalidateChildrenUnderLocked(Window& w, const RECT& clientRect) {
  if (IsRectEmpty(&clientRect)) return;
  for (HWND c : w.children) {
    WindowPtr cw = FindWindowLocked(c);
    if (!cw || !(cw->style & WS_VISIBLE)) continue;
    RECT overlap = Intersect(clientRect, cw->rect);
    if (IsRectEmpty(&overlap)) continue;
    const RECT inChild = Shift(overlap, POINT{-cw->client.left, -cw->client.top});
    InvalidateLocked(*cw, &inChild, true, !EqualRect(&cw->rect, &cw->client), true);
  }
}

void ValidateLocked(Window& w, const RECT* clientRect) {
  if (!clientRect) {
    w.update = RECT{};
    w.erase = false;
    w.frameDirty = false;
    w.internalPaint = false;
    return;
  }
  RECT rest{};
  // Rectangles only: validating a part that covers the update empties it.
  if (SubtractRect(&rest, &w.update, clientRect)) {
    w.update = rest;
  } else {
    w.update = RECT{};
  }
  if (IsRectEmpty(&w.update)) w.erase = false;
}

bool NeedsPaintLocked(const Window& w) {
  return IsReallyVisibleLocked(w.hwnd) && (!IsRectEmpty(&w.update) || w.frameDirty || w.internalPaint);
}

}  // namespace win32::core

using namespace win32::core;

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  return RedrawWindow(hWnd, lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

BOOL WINAPI InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
  return RedrawWindow(hWnd, nullptr, hRgn, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
  return RedrawWindow(hWnd, lpRect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI ValidateRgn(HWND hWnd, HRGN hRgn) {
  return RedrawWindow(hWnd, nullptr, hRgn, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
  RECT box{};
  if (hrgnUpdate && GetRgnBox(hrgnUpdate, &box)) lprcUpdate = &box;
  std::vector<HWND> targets;
  {
    State& st = S();
    Lock lk(st);
    if (!hWnd || hWnd == GetDesktopWindow()) {
      targets = st.topLevels;
      lprcUpdate = nullptr;
    } else if (FindWindowLocked(hWnd)) {
      targets = {hWnd};
    } else {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    std::optional<bool> children;
    if (flags & RDW_ALLCHILDREN) children = true;
    if (flags & RDW_NOCHILDREN) children = false;
    for (HWND h : targets) {
      WindowPtr w = FindWindowLocked(h);
      if (flags & RDW_INVALIDATE) InvalidateLocked(*w, lprcUpdate, flags & RDW_ERASE, flags & RDW_FRAME, children);
      if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
      if (flags & RDW_VALIDATE) {
        ValidateLocked(*w, lprcUpdate);
        if (flags & RDW_NOFRAME) w->frameDirty = false;
        if (children.value_or(false)) {
          for (HWND d : DescendantsLocked(h)) ValidateLocked(*FindWindowLocked(d), nullptr);
        }
      }
      if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
    }
    NotifyAll();
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
    for (HWND h : targets) PaintNow(h, !(flags & RDW_NOCHILDREN));
  }
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  if (!IsWindow(hWnd)) return FALSE;
  PaintNow(hWnd, true);
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
  bool eraseNow = false, any;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) return FALSE;
    if (lpRect) *lpRect = w->update;
    any = !IsRectEmpty(&w->update);
    eraseNow = bErase && w->erase;
    if (eraseNow) w->erase = false;
  }
  if (eraseNow) {
    HDC dc = GetDC(hWnd);
    SendMessage(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(hWnd, dc);
  }
  return any;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  if (!lpPaint) return nullptr;
  bool frame;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) return nullptr;
    frame = w->frameDirty;
    w->frameDirty = false;
  }
  if (frame) SendMessage(hWnd, WM_NCPAINT, 1, 0);
  RECT paint;
  bool erase;
  HDC dc;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) return nullptr;
    paint = Intersect(w->update, ClientBounds(*w));
    erase = w->erase;
    // A window that does not clip its children paints over them: what of
    // them lies under the painted area is painted again after it, also when
    // they were painted before it (UpdateWindow on one of them).
    if (!(w->style & WS_CLIPCHILDREN)) InvalidateChildrenUnderLocked(*w, paint);
    w->update = RECT{};
    w->erase = false;
    w->internalPaint = false;
    dc = MakeDCLocked(*w, false, &paint);
  }
  *lpPaint = PAINTSTRUCT{};
  lpPaint->hdc = dc;
  lpPaint->rcPaint = paint;
  lpPaint->fErase = TRUE;
  if (erase && dc)
    lpPaint->fErase = SendMessage(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
  else if (!erase)
    lpPaint->fErase = FALSE;
  return dc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (!lpPaint) return FALSE;
  ReleaseDC(hWnd, lpPaint->hdc);
  return TRUE;
}

HDC WINAPI GetDCEx(HWND hWnd, HRGN, DWORD flags) {
  Lock lk(S());
  if (!hWnd || hWnd == GetDesktopWindow()) {
    State& s = S();
    if (!s.screenSurface) s.screenSurface.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 768));
    return win32::internal::CreateSurfaceDC(s.screenSurface.get(), POINT{0, 0}, RECT{0, 0, 1024, 768}, nullptr);
  }
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) return nullptr;
  return MakeDCLocked(*w, (flags & DCX_WINDOW) != 0, nullptr);
}

HDC WINAPI GetDC(HWND hWnd) { return GetDCEx(hWnd, nullptr, DCX_CACHE); }
HDC WINAPI GetWindowDC(HWND hWnd) { return GetDCEx(hWnd, nullptr, DCX_WINDOW | DCX_CACHE); }

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
  if (!hDC) return 0;
  win32::internal::DeleteSurfaceDC(hDC);
  if (hWnd) Present(hWnd);
  return 1;
}

HWND WINAPI WindowFromDC(HDC hDC) { return win32::internal::WindowFromSurfaceDC(hDC); }

BOOL WINAPI LockWindowUpdate(HWND) { return TRUE; }

namespace win32 {

bool RenderWindowToPng(HWND topLevel, const char* path) {
  if (!path || !IsWindow(topLevel)) return false;
  PaintNow(topLevel, true);
  cairo_surface_t* surface;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(topLevel);
    if (!w || (w->style & WS_CHILD)) return false;
    EnsureSurfaceLocked(*w);
    surface = w->surface.get();
    cairo_surface_reference(surface);
  }
  cairo_surface_flush(surface);
  const bool ok = cairo_surface_write_to_png(surface, path) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

namespace {

// Whether `hwnd` is owned, directly or through its owners, by `owner`.
bool IsOwnedByLocked(HWND hwnd, HWND owner) {
  for (WindowPtr w = FindWindowLocked(hwnd); w && w->owner; w = FindWindowLocked(w->owner)) {
    if (w->owner == owner) return true;
  }
  return false;
}

}  // namespace

bool RenderWindowWithPopupsToPng(HWND topLevel, const char* path) {
  if (!path || !IsWindow(topLevel)) return false;
  std::vector<HWND> layers;  // bottom first
  {
    State& st = S();
    Lock lk(st);
    for (HWND h : st.topLevels) {
      if (h == topLevel) break;
      WindowPtr w = FindWindowLocked(h);
      if (w && (w->style & WS_VISIBLE) && IsOwnedByLocked(h, topLevel)) layers.insert(layers.begin(), h);
    }
  }
  layers.insert(layers.begin(), topLevel);
  RECT all{};
  for (HWND h : layers) {
    PaintNow(h, true);
    RECT r{};
    GetWindowRect(h, &r);
    UnionRect(&all, &all, &r);
  }
  cairo_surface_t* picture =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, all.right - all.left, all.bottom - all.top);
  cairo_t* cr = cairo_create(picture);
  for (HWND h : layers) {
    RECT r{};
    GetWindowRect(h, &r);
    Lock lk(S());
    WindowPtr w = FindWindowLocked(h);
    if (!w) continue;
    EnsureSurfaceLocked(*w);
    cairo_surface_flush(w->surface.get());
    cairo_set_source_surface(cr, w->surface.get(), r.left - all.left, r.top - all.top);
    cairo_paint(cr);
  }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(picture, path) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(picture);
  return ok;
}

}  // namespace win32

namespace win32::internal {

cairo_surface_t* GetWindowSurface(HWND topLevel) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(topLevel);
  if (!w || (w->style & WS_CHILD)) return nullptr;
  EnsureSurfaceLocked(*w);
  return w->surface.get();
}

}  // namespace win32::internal
