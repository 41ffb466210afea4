// Sheets of the classic 3-D look and the system icons, compared with their
// reference pictures.
#include <filesystem>
#include <string>

#include "gdi_test_support.h"
#include "internal/gdi_system.h"
#include "robot.h"

namespace {

// Writes the canvas and compares it with its reference picture.
void ExpectSheet(HBITMAP bitmap, const std::string& name) {
  const std::filesystem::path picture = halvane::test::PicturePath(name);
  ASSERT_TRUE(win32::gdi::WriteBitmapToPng(bitmap, picture.string().c_str()));
  halvane::test::ExpectMatchesReference(picture, name);
}

}  // namespace

using GdiSheets = GdiTest;

TEST_F(GdiSheets, EdgesAndFrameControls) {
  DibCanvas c(420, 150, GetSysColor(COLOR_BTNFACE));
  const UINT edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP};
  for (int i = 0; i < 4; ++i) {
    RECT r{10 + i * 60, 10, 60 + i * 60, 40};
    ASSERT_TRUE(DrawEdge(c.dc, &r, edges[i], BF_RECT | BF_ADJUST));
    EXPECT_EQ(r.left, 12 + i * 60);  // two rings, adjusted
  }
  struct Control {
    UINT type, state;
  };
  const Control controls[] = {
      {DFC_BUTTON, DFCS_BUTTONPUSH},
      {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
      {DFC_BUTTON, DFCS_BUTTONCHECK},
      {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
      {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE},
      {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED},
      {DFC_BUTTON, DFCS_BUTTONRADIO},
      {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
      {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE},
      {DFC_SCROLL, DFCS_SCROLLUP},
      {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED},
      {DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE},
      {DFC_SCROLL, DFCS_SCROLLRIGHT},
      {DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
      {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
      {DFC_CAPTION, DFCS_CAPTIONCLOSE},
      {DFC_CAPTION, DFCS_CAPTIONMIN},
      {DFC_CAPTION, DFCS_CAPTIONMAX},
      {DFC_CAPTION, DFCS_CAPTIONRESTORE},
      {DFC_CAPTION, DFCS_CAPTIONHELP},
  };
  int i = 0;
  for (const Control& ctl : controls) {
    RECT r{10 + (i % 10) * 40, 60 + (i / 10) * 40, 10 + (i % 10) * 40 + (ctl.type == DFC_BUTTON ? 30 : 16),
           60 + (i / 10) * 40 + (ctl.type == DFC_BUTTON ? 20 : 16)};
    EXPECT_TRUE(DrawFrameControl(c.dc, &r, ctl.type, ctl.state)) << i;
    ++i;
  }
  // A raised edge is dark at its bottom-right, a sunken one at its top-left.
  EXPECT_EQ(c.At(59, 39), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(c.At(70, 10), GetSysColor(COLOR_3DSHADOW));
  ExpectSheet(c.bitmap, "gdi_frame_controls");
}

TEST_F(GdiSheets, SystemIcons) {
  DibCanvas c(5 * 40 + 10, 90);
  LPCSTR ids[] = {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_APPLICATION};
  for (int i = 0; i < 5; ++i) {
    HICON icon = win32::gdi::CreateSystemIcon(ids[i]);
    ASSERT_NE(icon, nullptr) << i;
    EXPECT_EQ(win32::gdi::CreateSystemIcon(ids[i]), icon);  // one shared handle per id
    EXPECT_TRUE(DrawIcon(c.dc, 10 + i * 40, 10, icon));
    EXPECT_TRUE(DrawIconEx(c.dc, 10 + i * 40, 55, icon, 16, 16, 0, nullptr, DI_NORMAL));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(win32::gdi::CreateSystemIcon(ids[i]), icon);  // shared icons survive
  }
  // The stop sign is red in its middle ring.
  int red = 0;
  for (int y = 10; y < 42; ++y)
    for (int x = 10; x < 42; ++x) red += GetRValue(c.At(x, y)) > 180 && GetGValue(c.At(x, y)) < 80;
  EXPECT_GT(red, 100);
  EXPECT_EQ(win32::gdi::CreateSystemIcon(MAKEINTRESOURCE(1)), nullptr);
  EXPECT_NE(win32::gdi::CreateSystemCursor(IDC_ARROW), nullptr);
  HBITMAP arrow = win32::gdi::CreateSystemBitmap(OBM_UPARROW);
  ASSERT_NE(arrow, nullptr);
  EXPECT_TRUE(DeleteObject(arrow));
  ExpectSheet(c.bitmap, "gdi_system_icons");
}

TEST_F(GdiSheets, SystemCursors) {
  LPCSTR ids[] = {IDC_ARROW,  IDC_IBEAM,  IDC_WAIT,    IDC_CROSS, IDC_UPARROW, IDC_SIZENWSE,    IDC_SIZENESW,
                  IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_NO,    IDC_HAND,    IDC_APPSTARTING, IDC_HELP};
  constexpr int kCount = sizeof ids / sizeof ids[0];
  DibCanvas c(kCount * 36 + 10, 52, RGB(255, 255, 255));
  for (int i = 0; i < kCount; ++i) {
    HCURSOR cursor = LoadCursor(nullptr, ids[i]);
    ASSERT_NE(cursor, nullptr) << i;
    EXPECT_TRUE(DrawIcon(c.dc, 10 + i * 36, 10, cursor)) << i;
  }
  // Where the cursors point: the arrow at its tip, the beam and the
  // cross in their middles.
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(LoadCursor(nullptr, IDC_ARROW), &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 0u);
  EXPECT_EQ(info.yHotspot, 0u);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  for (LPCSTR centred : {IDC_IBEAM, IDC_CROSS}) {
    ASSERT_TRUE(GetIconInfo(LoadCursor(nullptr, centred), &info));
    EXPECT_GT(info.xHotspot, 4u);
    EXPECT_GT(info.yHotspot, 4u);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
  }
  ExpectSheet(c.bitmap, "gdi_system_cursors");
}
