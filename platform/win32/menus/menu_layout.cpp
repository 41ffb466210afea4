#include "menus/menu_layout.h"

#include <algorithm>

namespace win32::menus {
namespace {

constexpr int kBarPadding = 6;       // each side of a bar item's text
constexpr int kBarButtonWidth = 18;  // the MDI child's buttons in the bar
constexpr int kCheckColumn = 18;     // check marks left of the labels
constexpr int kArrowColumn = 18;     // submenu arrows right of everything
constexpr int kAcceleratorGap = 18;
constexpr int kSeparatorHeight = 9;
constexpr int kMinItemHeight = 17;

// A memory DC with the menu font selected, for measuring.
class MeasuringDc {
 public:
  explicit MeasuringDc(bool bold = false) : font_(bold), dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_, font_.get());
  }
  ~MeasuringDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MeasuringDc(const MeasuringDc&) = delete;
  MeasuringDc& operator=(const MeasuringDc&) = delete;

  int width(const std::string& text, bool prefix) const {
    if (text.empty()) return 0;
    RECT r{0, 0, 0, 0};
    DrawText(dc_, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | (prefix ? 0 : DT_NOPREFIX));
    return r.right - r.left;
  }
  int lineHeight() const {
    TEXTMETRIC tm{};
    GetTextMetrics(dc_, &tm);
    return tm.tmHeight;
  }

 private:
  MenuFont font_;
  HDC dc_;
  HGDIOBJ old_;
};

bool IsBarButton(const MenuItem& item) { return (item.type & MFT_BITMAP) != 0; }

}  // namespace

MenuFont::MenuFont(bool bold) {
  NONCLIENTMETRICS metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  font_ = CreateFontIndirect(&metrics.lfMenuFont);
}

MenuFont::~MenuFont() { DeleteObject(font_); }

std::vector<RECT> LayOutBar(const std::vector<MenuItem>& items, const RECT& bar) {
  MeasuringDc dc;
  std::vector<int> widths;
  for (const MenuItem& item : items)
    widths.push_back(IsBarButton(item) ? kBarButtonWidth : dc.width(item.text, true) + 2 * kBarPadding);
  const auto firstRight = std::find_if(items.begin(), items.end(),
                                       [](const MenuItem& item) { return (item.type & MFT_RIGHTJUSTIFY) != 0; });
  const size_t split = size_t(firstRight - items.begin());
  const int rowHeight = GetSystemMetrics(SM_CYMENU);
  std::vector<RECT> rects(items.size());
  // Items that do not fit go on to the next row.
  int x = bar.left, y = bar.top;
  for (size_t i = 0; i < split; ++i) {
    if (x > bar.left && x + widths[i] > bar.right) {
      x = bar.left;
      y += rowHeight;
    }
    rects[i] = RECT{x, y, x + widths[i], y + rowHeight};
    x += widths[i];
  }
  // Right-justified items end the last row.
  int right = bar.right;
  for (size_t i = items.size(); i > split; --i) {
    rects[i - 1] = RECT{right - widths[i - 1], y, right, y + rowHeight};
    right -= widths[i - 1];
  }
  return rects;
}

int BarRows(const std::vector<MenuItem>& items, int width) {
  const auto rects = LayOutBar(items, RECT{0, 0, width, GetSystemMetrics(SM_CYMENU)});
  int bottom = GetSystemMetrics(SM_CYMENU);
  for (const RECT& r : rects) bottom = std::max<int>(bottom, r.bottom);
  return bottom / GetSystemMetrics(SM_CYMENU);
}

PopupLayout LayOutPopup(const std::vector<MenuItem>& items) {
  MeasuringDc dc;
  MeasuringDc bold(true);
  const int itemHeight = std::max(dc.lineHeight() + 5, kMinItemHeight);
  int labelWidth = 0, acceleratorWidth = 0;
  for (const MenuItem& item : items) {
    if (IsSeparator(item)) continue;
    const MeasuringDc& measure = (item.state & MF_DEFAULT) ? bold : dc;
    labelWidth = std::max(labelWidth, measure.width(LabelOf(item), true));
    acceleratorWidth = std::max(acceleratorWidth, measure.width(AcceleratorOf(item), false));
  }
  // Offsets within an item's rectangle.
  PopupLayout layout;
  layout.labelLeft = kCheckColumn;
  const int textRight = kCheckColumn + labelWidth + (acceleratorWidth > 0 ? kAcceleratorGap + acceleratorWidth : 0);
  layout.acceleratorRight = textRight;
  const int clientWidth = textRight + kArrowColumn;
  int y = 0;
  for (const MenuItem& item : items) {
    const int h = IsSeparator(item) ? kSeparatorHeight : itemHeight;
    layout.items.push_back(RECT{kPopupBorder, kPopupBorder + y, kPopupBorder + clientWidth, kPopupBorder + y + h});
    y += h;
  }
  layout.size = SIZE{clientWidth + 2 * kPopupBorder, y + 2 * kPopupBorder};
  return layout;
}

int ItemAt(const std::vector<RECT>& rects, POINT point) {
  for (size_t i = 0; i < rects.size(); ++i)
    if (PtInRect(&rects[i], point)) return int(i);
  return -1;
}

}  // namespace win32::menus
