// A picture of the 3-D look for people to inspect: edges, frame controls
// in their states, system icons and cursors, and sample text.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "internal/gdi_system.h"
#include "text_test_support.h"

namespace gdi_text_test {
namespace {

class SheetTest : public GdiTest {};

void Label(HDC dc, int x, int y, const char* text) {
  RECT r{x, y, x + 90, y + 14};
  DrawText(dc, text, -1, &r, DT_SINGLELINE | DT_NOCLIP);
}

void EdgeRow(HDC dc, int y) {
  const UINT edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP};
  const char* names[] = {"raised", "sunken", "etched", "bump"};
  for (int i = 0; i < 4; ++i) {
    RECT r{10 + i * 70, y, 70 + i * 70, y + 30};
    DrawEdge(dc, &r, edges[i], BF_RECT | BF_MIDDLE);
    Label(dc, 14 + i * 70, y + 34, names[i]);
  }
  RECT soft{290, y, 350, y + 30};
  DrawEdge(dc, &soft, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
  RECT flat{360, y, 420, y + 30};
  DrawEdge(dc, &flat, EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_MIDDLE);
}

void ButtonRow(HDC dc, int y) {
  const UINT states[] = {0, DFCS_PUSHED, DFCS_CHECKED, DFCS_INACTIVE, DFCS_FLAT};
  for (int i = 0; i < 5; ++i) {
    RECT push{10 + i * 80, y, 80 + i * 80, y + 23};
    DrawFrameControl(dc, &push, DFC_BUTTON, DFCS_BUTTONPUSH | states[i]);
    RECT check{10 + i * 80, y + 30, 23 + i * 80, y + 43};
    DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | states[i]);
    RECT box{30 + i * 80, y + 30, 43 + i * 80, y + 43};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | states[i]);
    RECT radio{50 + i * 80, y + 30, 62 + i * 80, y + 42};
    DrawFrameControl(dc, &radio, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | states[i]);
    RECT tri{10 + i * 80, y + 50, 23 + i * 80, y + 63};
    DrawFrameControl(dc, &tri, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED | states[i]);
    RECT off{50 + i * 80, y + 50, 62 + i * 80, y + 62};
    DrawFrameControl(dc, &off, DFC_BUTTON, DFCS_BUTTONRADIO | states[i]);
  }
}

void GlyphRow(HDC dc, int y) {
  const UINT scroll[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLCOMBOBOX};
  for (int i = 0; i < 5; ++i)
    for (int s = 0; s < 3; ++s) {
      const UINT state = s == 0 ? 0 : s == 1 ? DFCS_PUSHED : DFCS_INACTIVE;
      RECT r{10 + i * 20, y + s * 20, 26 + i * 20, y + 16 + s * 20};
      DrawFrameControl(dc, &r, DFC_SCROLL, scroll[i] | state);
    }
  const UINT caption[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP};
  for (int i = 0; i < 5; ++i)
    for (int s = 0; s < 3; ++s) {
      const UINT state = s == 0 ? 0 : s == 1 ? DFCS_PUSHED : DFCS_INACTIVE;
      RECT r{130 + i * 20, y + s * 20, 146 + i * 20, y + 14 + s * 20};
      DrawFrameControl(dc, &r, DFC_CAPTION, caption[i] | state);
    }
  RECT grip{240, y, 256, y + 16};
  DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  HBITMAP boxes = win32::gdi::CreateSystemBitmap(OBM_CHECKBOXES);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, boxes);
  BitBlt(dc, 270, y, 52, 39, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(boxes);
}

void ImageRow(HDC dc, int y) {
  int x = 10;
  for (LPCSTR id : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_APPLICATION}) {
    DrawIconEx(dc, x, y, win32::gdi::CreateSystemIcon(id), 32, 32, 0, nullptr, DI_NORMAL);
    DrawIconEx(dc, x + 8, y + 40, win32::gdi::CreateSystemIcon(id), 16, 16, 0, nullptr, DI_NORMAL);
    x += 40;
  }
  for (LPCSTR id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_SIZEALL, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,
                    IDC_SIZENS, IDC_NO, IDC_HAND, IDC_APPSTARTING, IDC_HELP, IDC_UPARROW}) {
    DrawIconEx(dc, x, y, win32::gdi::CreateSystemCursor(id), 32, 32, 0, nullptr, DI_NORMAL);
    x += 34;
  }
}

void TextRow(HDC dc, int y) {
  ScopedFont font(dc, -11, "MS Sans Serif");
  SetBkMode(dc, TRANSPARENT);
  RECT wrap{10, y, 160, y + 60};
  DrawText(dc, "&Business objects are wrapped at word boundaries inside this box.", -1, &wrap, DT_WORDBREAK);
  FrameRect(dc, &wrap, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  RECT centre{170, y, 330, y + 20};
  DrawEdge(dc, &centre, EDGE_SUNKEN, BF_RECT);
  DrawText(dc, "Centred, &mnemonic", -1, &centre, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>("Disabled text"), 0, 170, y + 30, 0, 0,
            DST_TEXT | DSS_DISABLED);
  ScopedFont mono(dc, -14, "Courier New", 200);
  TextOut(dc, 340, y, "Results pane", 12);
  ScopedFont bold(dc, -15, "Times New Roman", FW_BOLD);
  TextOut(dc, 340, y + 20, "Print header", 12);
}

TEST_F(SheetTest, WritesTheClassicLookSheet) {
  PixelDc sheet(820, 360, GetSysColor(COLOR_3DFACE));
  HDC dc = sheet.dc();
  SetBkMode(dc, TRANSPARENT);
  EdgeRow(dc, 10);
  ButtonRow(dc, 70);
  GlyphRow(dc, 150);
  ImageRow(dc, 220);
  TextRow(dc, 290);
  const char* dir = std::getenv("HALVANE_TEST_OUTPUT");
  const std::filesystem::path out = std::filesystem::path(dir ? dir : ".") / "gdi_text_sheet.png";
  std::filesystem::create_directories(out.parent_path());
  ASSERT_TRUE(win32::gdi::WriteBitmapToPng(sheet.bitmap(), out.c_str()));
  EXPECT_GT(std::filesystem::file_size(out), 1000u);
  // Each row left its mark on the face colour.
  for (int y : {10, 70, 150, 220, 290})
    EXPECT_LT(sheet.Count(GetSysColor(COLOR_3DFACE), RECT{0, y, 820, y + 30}), 820 * 30) << y;
}

}  // namespace
}  // namespace gdi_text_test
