// The scroll-bar engine shared by scroll-bar controls and the standard
// scroll bars of windows: the range/page/position model, the geometry of a
// bar, its painting and the tracking of a press.
#pragma once

#include "controls/controls_common.h"

namespace win32::controls {

struct ScrollModel {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  UINT disabledArrows = ESB_ENABLE_BOTH;  // ESB_DISABLE_* bits

  bool operator==(const ScrollModel&) const = default;

  // Answers the new position; clamps page and position into the range.
  int Apply(const SCROLLINFO& info);
  void Fill(SCROLLINFO& info) const;
  // The largest position the page leaves room for.
  int MaxPos() const;
  // True when there is something to scroll.
  bool Scrollable() const;
};

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// The parts of one bar along its axis, in the coordinates of its rectangle.
struct ScrollLayout {
  RECT bar{};
  bool vertical = true;
  int start = 0;        // first pixel of the bar along the axis
  int end = 0;          // one past the last
  int arrow = 0;        // length of each arrow button
  int thumbStart = 0;   // thumb position along the axis (when thumbLength > 0)
  int thumbLength = 0;  // 0: no thumb (nothing to scroll, disabled or too short)

  static ScrollLayout Make(const RECT& bar, bool vertical, const ScrollModel& model, int pos);
  ScrollPart HitTest(POINT pt) const;
  // The position a thumb whose leading edge sits at `thumbAt` stands for.
  int PosFromThumb(const ScrollModel& model, int thumbAt) const;
  int Along(POINT pt) const { return vertical ? pt.y : pt.x; }
  RECT PartRect(ScrollPart part) const;
};

// Paints a bar. `pressed` is the part held down (drawn pushed); `shaft` is
// the brush of the page areas, null for the classic dither.
void PaintScrollBar(HDC dc, const ScrollLayout& layout, const ScrollModel& model, ScrollPart pressed, bool enabled,
                    HBRUSH shaft);

// Follows one press on a bar: sends the scroll codes to the notify window,
// repeats with a timer while an arrow or page area is held, drags the thumb.
class ScrollTracker {
 public:
  struct Target {
    HWND notify;       // receives WM_HSCROLL / WM_VSCROLL
    LPARAM control;    // the scroll-bar control, 0 for a window's own bar
    HWND timerWindow;  // the window the repeat timer belongs to
    TIMERPROC timerProc;
  };

  static constexpr UINT_PTR kTimerId = 0xFFF0;
  static constexpr UINT kFirstDelay = 200;
  static constexpr UINT kRepeatDelay = 50;

  bool active() const { return part_ != ScrollPart::None; }
  ScrollPart pressedPart() const { return inside_ ? part_ : ScrollPart::None; }

  // A press at `pt` (coordinates of the layout). Answers the part pressed.
  ScrollPart Press(const Target& target, const ScrollLayout& layout, ScrollModel& model, POINT pt);
  // The mouse moved while pressed; answers true when the bar must repaint.
  bool Move(const ScrollLayout& layout, ScrollModel& model, POINT pt);
  // The repeat timer fired.
  void Repeat(const ScrollLayout& layout, const ScrollModel& model);
  // The button went up (or the capture was lost): final codes, timer off.
  void Release(ScrollModel& model);

 private:
  void Send(UINT code, int pos = 0) const;
  bool PartStillUnderCursor(const ScrollLayout& layout) const;

  Target target_{};
  ScrollPart part_ = ScrollPart::None;
  bool inside_ = false;
  bool vertical_ = true;
  int grab_ = 0;  // cursor offset from the thumb's leading edge
  POINT last_{};
};

// Sends one scroll code for a key (arrows, Home, End, PgUp, PgDn) followed
// by SB_ENDSCROLL; answers false for other keys.
bool SendScrollKey(HWND notify, LPARAM control, bool vertical, WPARAM key);

}  // namespace win32::controls
