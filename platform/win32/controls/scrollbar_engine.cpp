#include "controls/scrollbar_engine.h"

#include <algorithm>
#include <array>

namespace win32::controls {

// ---- Model ---------------------------------------------------------------

int ScrollModel::MaxPos() const {
  int pageSpan = page > 0 ? static_cast<int>(page) - 1 : 0;
  return std::max(min, max - pageSpan);
}

bool ScrollModel::Scrollable() const { return MaxPos() > min; }

int ScrollModel::Apply(const SCROLLINFO& info) {
  if (info.fMask & SIF_PAGE) page = info.nPage;
  if ((info.fMask & SIF_RANGE) && info.nMin <= info.nMax) {
    min = info.nMin;
    max = info.nMax;
  }
  if (info.fMask & SIF_POS) pos = info.nPos;
  long long span = static_cast<long long>(max) - min + 1;
  if (static_cast<long long>(page) > span) page = static_cast<UINT>(span);
  pos = std::clamp(pos, min, MaxPos());
  return pos;
}

void ScrollModel::Fill(SCROLLINFO& info) const {
  if (info.fMask & SIF_RANGE) {
    info.nMin = min;
    info.nMax = max;
  }
  if (info.fMask & SIF_PAGE) info.nPage = page;
  if (info.fMask & SIF_POS) info.nPos = pos;
  if (info.fMask & SIF_TRACKPOS) info.nTrackPos = trackPos;
}

// ---- Layout --------------------------------------------------------------

namespace {

constexpr int kMinThumb = 8;

int Scale(int value, long long numerator, long long denominator) {
  if (denominator <= 0) return 0;
  return static_cast<int>((value * numerator + denominator / 2) / denominator);
}

}  // namespace

ScrollLayout ScrollLayout::Make(const RECT& bar, bool vertical, const ScrollModel& model, int pos) {
  ScrollLayout layout;
  layout.bar = bar;
  layout.vertical = vertical;
  layout.start = vertical ? bar.top : bar.left;
  layout.end = vertical ? bar.bottom : bar.right;
  int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
  int length = layout.end - layout.start;
  layout.arrow = std::max(0, std::min(thickness, length / 2));
  int shaft = length - 2 * layout.arrow;
  if (!model.Scrollable() || model.disabledArrows == ESB_DISABLE_BOTH) return layout;
  long long range = static_cast<long long>(model.max) - model.min + 1;
  int thumb = model.page ? Scale(shaft, model.page, range) : thickness;
  thumb = std::max(thumb, kMinThumb);
  if (thumb > shaft) return layout;
  layout.thumbLength = thumb;
  long long posRange = static_cast<long long>(model.MaxPos()) - model.min;
  layout.thumbStart = layout.start + layout.arrow +
                      Scale(shaft - thumb, std::clamp(pos, model.min, model.MaxPos()) - model.min, posRange);
  return layout;
}

ScrollPart ScrollLayout::HitTest(POINT pt) const {
  if (!PtInRect(&bar, pt)) return ScrollPart::None;
  int at = Along(pt);
  if (at < start + arrow) return ScrollPart::LineUp;
  if (at >= end - arrow) return ScrollPart::LineDown;
  if (thumbLength == 0) return ScrollPart::None;
  if (at < thumbStart) return ScrollPart::PageUp;
  if (at < thumbStart + thumbLength) return ScrollPart::Thumb;
  return ScrollPart::PageDown;
}

int ScrollLayout::PosFromThumb(const ScrollModel& model, int thumbAt) const {
  int movable = end - start - 2 * arrow - thumbLength;
  if (movable <= 0) return model.min;
  int offset = std::clamp(thumbAt - (start + arrow), 0, movable);
  return model.min + Scale(offset, static_cast<long long>(model.MaxPos()) - model.min, movable);
}

RECT ScrollLayout::PartRect(ScrollPart part) const {
  int from = start;
  int to = start;
  switch (part) {
    case ScrollPart::LineUp:
      to = start + arrow;
      break;
    case ScrollPart::LineDown:
      from = end - arrow;
      to = end;
      break;
    case ScrollPart::PageUp:
      from = start + arrow;
      to = thumbLength ? thumbStart : end - arrow;
      break;
    case ScrollPart::Thumb:
      from = thumbStart;
      to = thumbStart + thumbLength;
      break;
    case ScrollPart::PageDown:
      from = thumbLength ? thumbStart + thumbLength : end - arrow;
      to = end - arrow;
      break;
    case ScrollPart::None:
      break;
  }
  RECT rc = bar;
  if (vertical) {
    rc.top = from;
    rc.bottom = to;
  } else {
    rc.left = from;
    rc.right = to;
  }
  return rc;
}

// ---- Painting ------------------------------------------------------------

namespace {

// The classic shaft: a checkerboard of highlight and face.
class DitherBrush {
 public:
  DitherBrush() {
    std::array<DWORD, 64> pixels{};
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        COLORREF c = ((x + y) % 2) ? face : light;
        pixels[static_cast<size_t>(y * 8 + x)] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
    }
    bitmap_ = CreateBitmap(8, 8, 1, 32, pixels.data());
    brush_ = bitmap_ ? CreatePatternBrush(bitmap_) : nullptr;
  }
  ~DitherBrush() {
    if (brush_) DeleteObject(brush_);
    if (bitmap_) DeleteObject(bitmap_);
  }
  DitherBrush(const DitherBrush&) = delete;
  DitherBrush& operator=(const DitherBrush&) = delete;
  HBRUSH get() const { return brush_ ? brush_ : GetSysColorBrush(COLOR_SCROLLBAR); }

 private:
  HBITMAP bitmap_ = nullptr;
  HBRUSH brush_ = nullptr;
};

void PaintArrow(HDC dc, const ScrollLayout& layout, ScrollPart part, bool pressed, bool inactive) {
  RECT rc = layout.PartRect(part);
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  bool up = part == ScrollPart::LineUp;
  UINT state = layout.vertical ? (up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) : (up ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
  if (pressed) state |= DFCS_PUSHED | DFCS_FLAT;
  if (inactive) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &rc, DFC_SCROLL, state);
}

void PaintPage(HDC dc, const ScrollLayout& layout, ScrollPart part, bool pressed, HBRUSH shaft) {
  RECT rc = layout.PartRect(part);
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  FillRect(dc, &rc, pressed ? GetSysColorBrush(COLOR_3DDKSHADOW) : shaft);
}

}  // namespace

void PaintScrollBar(HDC dc, const ScrollLayout& layout, const ScrollModel& model, ScrollPart pressed, bool enabled,
                    HBRUSH shaft) {
  DitherBrush dither;
  HBRUSH pageBrush = shaft ? shaft : dither.get();
  bool inactive = !enabled || !model.Scrollable();
  PaintArrow(dc, layout, ScrollPart::LineUp, pressed == ScrollPart::LineUp,
             inactive || (model.disabledArrows & ESB_DISABLE_LTUP));
  PaintArrow(dc, layout, ScrollPart::LineDown, pressed == ScrollPart::LineDown,
             inactive || (model.disabledArrows & ESB_DISABLE_RTDN));
  PaintPage(dc, layout, ScrollPart::PageUp, pressed == ScrollPart::PageUp, pageBrush);
  if (layout.thumbLength == 0) return;
  PaintPage(dc, layout, ScrollPart::PageDown, pressed == ScrollPart::PageDown, pageBrush);
  RECT thumb = layout.PartRect(ScrollPart::Thumb);
  DrawFrameControl(dc, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

// ---- Tracking ------------------------------------------------------------

namespace {

UINT CodeOf(ScrollPart part) {
  switch (part) {
    case ScrollPart::LineUp:
      return SB_LINEUP;
    case ScrollPart::LineDown:
      return SB_LINEDOWN;
    case ScrollPart::PageUp:
      return SB_PAGEUP;
    case ScrollPart::PageDown:
      return SB_PAGEDOWN;
    default:
      return SB_ENDSCROLL;
  }
}

bool ArrowDisabled(const ScrollModel& model, ScrollPart part) {
  if (part == ScrollPart::LineUp) return (model.disabledArrows & ESB_DISABLE_LTUP) != 0;
  if (part == ScrollPart::LineDown) return (model.disabledArrows & ESB_DISABLE_RTDN) != 0;
  return false;
}

}  // namespace

void ScrollTracker::Send(UINT code, int pos) const {
  if (!target_.notify) return;
  WPARAM wParam = (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) ? MAKEWPARAM(code, pos) : code;
  SendMessage(target_.notify, vertical_ ? WM_VSCROLL : WM_HSCROLL, wParam, target_.control);
}

ScrollPart ScrollTracker::Press(const Target& target, const ScrollLayout& layout, ScrollModel& model, POINT pt) {
  ScrollPart part = layout.HitTest(pt);
  if (part == ScrollPart::None || ArrowDisabled(model, part) || !model.Scrollable()) return ScrollPart::None;
  target_ = target;
  part_ = part;
  inside_ = true;
  vertical_ = layout.vertical;
  last_ = pt;
  if (part == ScrollPart::Thumb) {
    grab_ = layout.Along(pt) - layout.thumbStart;
    model.trackPos = model.pos;
    return part;
  }
  SetTimer(target_.timerWindow, kTimerId, kFirstDelay, target_.timerProc);
  Send(CodeOf(part));
  return part;
}

bool ScrollTracker::PartStillUnderCursor(const ScrollLayout& layout) const { return layout.HitTest(last_) == part_; }

bool ScrollTracker::Move(const ScrollLayout& layout, ScrollModel& model, POINT pt) {
  if (!active()) return false;
  last_ = pt;
  if (part_ == ScrollPart::Thumb) {
    int track = layout.PosFromThumb(model, layout.Along(pt) - grab_);
    if (track == model.trackPos) return false;
    model.trackPos = track;
    Send(SB_THUMBTRACK, track);
    return true;
  }
  bool inside = PtInRect(&layout.bar, pt) && PartStillUnderCursor(layout);
  if (inside == inside_) return false;
  inside_ = inside;
  return true;
}

void ScrollTracker::Repeat(const ScrollLayout& layout, const ScrollModel& model) {
  if (!active() || part_ == ScrollPart::Thumb) return;
  SetTimer(target_.timerWindow, kTimerId, kRepeatDelay, target_.timerProc);
  inside_ = PartStillUnderCursor(layout);
  if (inside_ && model.Scrollable()) Send(CodeOf(part_));
}

void ScrollTracker::Release(ScrollModel& model) {
  if (!active()) return;
  ScrollPart part = part_;
  part_ = ScrollPart::None;
  inside_ = false;
  KillTimer(target_.timerWindow, kTimerId);
  if (part == ScrollPart::Thumb) Send(SB_THUMBPOSITION, model.trackPos);
  Send(SB_ENDSCROLL);
}

bool SendScrollKey(HWND notify, LPARAM control, bool vertical, WPARAM key) {
  UINT code = 0;
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      code = SB_LINEUP;
      break;
    case VK_DOWN:
    case VK_RIGHT:
      code = SB_LINEDOWN;
      break;
    case VK_PRIOR:
      code = SB_PAGEUP;
      break;
    case VK_NEXT:
      code = SB_PAGEDOWN;
      break;
    case VK_HOME:
      code = SB_TOP;
      break;
    case VK_END:
      code = SB_BOTTOM;
      break;
    default:
      return false;
  }
  UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
  SendMessage(notify, msg, code, control);
  SendMessage(notify, msg, SB_ENDSCROLL, control);
  return true;
}

}  // namespace win32::controls
