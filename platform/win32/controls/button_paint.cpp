// Classic painting of the "Button" class.
#include <algorithm>

#include "controls/button.h"

namespace win32::controls {
namespace {

constexpr int kCheckSize = 13;  // check boxes and radio buttons
constexpr int kCheckGap = 4;    // between the box and its text
constexpr int kGroupTextIndent = 8;

struct Context {
  HWND hwnd;
  const ButtonState& state;
  HDC dc;
  DWORD style;
  DWORD type;
  bool disabled;
  RECT client;
};

UINT HorizontalFormat(DWORD style, UINT fallback) {
  switch (style & BS_CENTER) {
    case BS_LEFT:
      return DT_LEFT;
    case BS_RIGHT:
      return DT_RIGHT;
    case BS_CENTER:
      return DT_CENTER;
    default:
      return fallback;
  }
}

enum class VAlign { Top, Center, Bottom };

VAlign VerticalAlign(DWORD style, VAlign fallback) {
  switch (style & BS_VCENTER) {
    case BS_TOP:
      return VAlign::Top;
    case BS_BOTTOM:
      return VAlign::Bottom;
    case BS_VCENTER:
      return VAlign::Center;
    default:
      return fallback;
  }
}

// Places `height` pixels in `area` by the vertical alignment.
int AlignedTop(const RECT& area, int height, VAlign align) {
  switch (align) {
    case VAlign::Top:
      return area.top;
    case VAlign::Bottom:
      return area.bottom - height;
    case VAlign::Center:
      break;
  }
  return area.top + (area.bottom - area.top - height) / 2;
}

// The rectangle the label's text takes inside `area`, by the style's
// alignment and word wrapping.
RECT LabelRect(const Context& c, const std::string& text, const RECT& area, UINT hformat, VAlign valign, UINT& format) {
  format = hformat | ((c.style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
  RECT measured = area;
  DrawText(c.dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
  int width = std::min(measured.right - measured.left, area.right - area.left);
  int height = measured.bottom - measured.top;
  RECT label = area;
  label.top = AlignedTop(area, height, valign);
  label.bottom = label.top + height;
  if (hformat == DT_CENTER) label.left = area.left + (area.right - area.left - width) / 2;
  if (hformat == DT_RIGHT) label.left = area.right - width;
  label.right = label.left + width;
  return label;
}

bool HasImage(const Context& c) {
  return ((c.style & BS_BITMAP) && c.state.bitmap) || ((c.style & BS_ICON) && c.state.icon);
}

// Draws the text or image of the button in `area`; answers the rectangle
// a focus frame goes around.
RECT DrawLabel(const Context& c, const RECT& area, UINT hfallback, VAlign vfallback) {
  if (HasImage(c)) {
    bool bitmap = (c.style & BS_BITMAP) != 0;
    DrawImage(c.dc, bitmap ? IMAGE_BITMAP : IMAGE_ICON,
              bitmap ? static_cast<HANDLE>(c.state.bitmap) : static_cast<HANDLE>(c.state.icon), area, true, c.disabled);
    return area;
  }
  std::string text = WindowText(c.hwnd);
  if (text.empty()) return area;
  UINT format = 0;
  RECT label =
      LabelRect(c, text, area, HorizontalFormat(c.style, hfallback), VerticalAlign(c.style, vfallback), format);
  DrawControlText(c.dc, text, label, format, c.disabled);
  return label;
}

void DrawFocus(const Context& c, RECT rc) {
  if (!c.state.focused) return;
  IntersectRect(&rc, &rc, &c.client);
  DrawFocusRect(c.dc, &rc);
}

bool IsPushLike(const Context& c) {
  return IsPushType(c.type) || ((c.style & BS_PUSHLIKE) && (IsCheckType(c.type) || IsRadioType(c.type)));
}

void PaintPushButton(const Context& c) {
  RECT frame = c.client;
  bool isDefault = c.type == BS_DEFPUSHBUTTON;
  bool sunken = c.state.pushed || (!IsPushType(c.type) && c.state.check != BST_UNCHECKED);
  if (isDefault) {
    FrameRect(c.dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&frame, -1, -1);
  }
  if (c.state.pushed) {
    // Pressed: a flat shadow frame, the face and the label one pixel down.
    FrameRect(c.dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT face = frame;
    InflateRect(&face, -1, -1);
    FillSysColor(c.dc, face, COLOR_BTNFACE);
  } else if (sunken) {
    RECT face = frame;
    DrawEdge(c.dc, &face, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillSysColor(c.dc, face, COLOR_3DLIGHT);
  } else if (c.style & BS_FLAT) {
    FrameRect(c.dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    RECT face = frame;
    InflateRect(&face, -1, -1);
    FillSysColor(c.dc, face, COLOR_BTNFACE);
  } else {
    RECT face = frame;
    DrawFrameControl(c.dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
  }
  RECT content = frame;
  InflateRect(&content, -3, -3);
  if (sunken) OffsetRect(&content, 1, 1);
  SetTextColor(c.dc, GetSysColor(COLOR_BTNTEXT));
  DrawLabel(c, content, DT_CENTER, VAlign::Center);
  RECT focus = frame;
  InflateRect(&focus, -3, -3);
  DrawFocus(c, focus);
}

UINT CheckFrameState(const Context& c) {
  UINT state = IsRadioType(c.type) ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (c.state.check == BST_CHECKED) state |= DFCS_CHECKED;
  if (c.state.check == BST_INDETERMINATE) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (c.state.pushed) state |= DFCS_PUSHED;
  if (c.disabled) state |= DFCS_INACTIVE;
  if (c.style & BS_FLAT) state |= DFCS_FLAT;
  return state;
}

void PaintCheckOrRadio(const Context& c) {
  VAlign valign = VerticalAlign(c.style, VAlign::Center);
  bool boxOnRight = (c.style & BS_LEFTTEXT) != 0;
  RECT box{0, 0, kCheckSize, kCheckSize};
  int top = AlignedTop(c.client, kCheckSize, valign);
  int left = boxOnRight ? c.client.right - kCheckSize : c.client.left;
  OffsetRect(&box, left, top);
  DrawFrameControl(c.dc, &box, DFC_BUTTON, CheckFrameState(c));
  RECT text = c.client;
  if (boxOnRight) {
    text.right = box.left - kCheckGap;
  } else {
    text.left = box.right + kCheckGap;
  }
  RECT label = DrawLabel(c, text, boxOnRight ? DT_RIGHT : DT_LEFT, valign);
  InflateRect(&label, 1, 1);
  DrawFocus(c, label);
}

void PaintGroupBox(const Context& c, HBRUSH background) {
  int lineHeight = FontLineHeight(c.dc);
  RECT frame = c.client;
  frame.top += lineHeight / 2;
  DrawEdge(c.dc, &frame, EDGE_ETCHED, BF_RECT);
  std::string text = WindowText(c.hwnd);
  if (text.empty()) return;
  RECT area{c.client.left + kGroupTextIndent, c.client.top, c.client.right - kGroupTextIndent,
            c.client.top + lineHeight};
  UINT format = 0;
  RECT label = LabelRect(c, text, area, HorizontalFormat(c.style, DT_LEFT), VAlign::Top, format);
  RECT gap = label;
  InflateRect(&gap, 2, 0);
  FillRect(c.dc, &gap, background);
  DrawControlText(c.dc, text, label, format | DT_SINGLELINE, c.disabled);
}

void PaintOwnerDraw(const Context& c) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(c.hwnd));
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState =
      (c.state.pushed ? ODS_SELECTED : 0) | (c.state.focused ? ODS_FOCUS : 0) | (c.disabled ? ODS_DISABLED : 0);
  dis.hwndItem = c.hwnd;
  dis.hDC = c.dc;
  dis.rcItem = c.client;
  HWND parent = GetParent(c.hwnd);
  if (parent) SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

}  // namespace

void PaintButton(HWND hwnd, const ButtonState& state, HDC dc) {
  DWORD style = StyleOf(hwnd);
  Context c{hwnd, state, dc, style, ButtonType(style), !IsWindowEnabled(hwnd), {}};
  GetClientRect(hwnd, &c.client);
  bool pushLike = IsPushLike(c) || c.type == BS_OWNERDRAW;
  HBRUSH background = ControlColor(hwnd, dc, pushLike ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
  FillRect(dc, &c.client, background);
  SelectGuard font(dc, PaintFont(state.font));
  if (c.type == BS_OWNERDRAW) {
    PaintOwnerDraw(c);
  } else if (c.type == BS_GROUPBOX) {
    PaintGroupBox(c, background);
  } else if (pushLike) {
    PaintPushButton(c);
  } else {
    PaintCheckOrRadio(c);
  }
}

}  // namespace win32::controls
