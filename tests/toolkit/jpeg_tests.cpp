// The image object: pixels taken from a bitmap or a window, written as a
// JFIF file that libjpeg reads back with the same size and colours, and
// failed saves that report why and leave what was there.
#include <secall.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "temp_folder.h"
#include "toolkit_fixture.h"

namespace {

struct Decoded {
  int width = 0;
  int height = 0;
  int components = 0;
  std::vector<unsigned char> rgb;
  COLORREF at(int x, int y) const {
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
    return RGB(p[0], p[1], p[2]);
  }
};

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Well-formed input only: the files come from the encoder under test.
Decoded Decode(const std::vector<unsigned char>& data) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr error;
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  Decoded out;
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  out.components = cinfo.output_components;
  out.rgb.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = &out.rgb[static_cast<size_t>(cinfo.output_scanline) * static_cast<size_t>(out.width) * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return out;
}

bool Near(COLORREF a, COLORREF b, int tolerance = 24) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class JpegTest : public ToolkitTest {
 protected:
  halvane::test::TempFolder temp_{"sec_jpeg"};
  const std::filesystem::path folder_{temp_.path()};
};

// A 40 x 30 bitmap: red on the left half, blue on the right.
bool PaintRedBlue(CBitmap& bitmap) { return PaintHalves(bitmap, 40, 30, RGB(220, 0, 0), RGB(0, 0, 200)); }

TEST_F(JpegTest, ABitmapIsWrittenAsAReadableJfifFile) {
  CBitmap bitmap;
  ASSERT_TRUE(PaintRedBlue(bitmap));
  SECJpeg jpeg;
  ASSERT_TRUE(jpeg.CreateFromBitmap(nullptr, &bitmap));
  EXPECT_EQ(jpeg.GetWidth(), 40);
  EXPECT_EQ(jpeg.GetHeight(), 30);
  EXPECT_EQ(jpeg.GetPixel(5, 5), RGB(220, 0, 0));
  EXPECT_EQ(jpeg.GetPixel(35, 25), RGB(0, 0, 200));
  EXPECT_EQ(jpeg.GetPixel(40, 0), CLR_INVALID);
  jpeg.SetQuality(90);
  const auto path = folder_ / "images";
  std::filesystem::create_directories(path);
  ASSERT_TRUE(jpeg.SaveImage((path / "Main_General.jpeg").c_str())) << jpeg.GetLastError().GetString();

  const auto bytes = ReadBytes(path / "Main_General.jpeg");
  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8) << "start of image";
  EXPECT_EQ(bytes[2], 0xFF);
  EXPECT_EQ(bytes[3], 0xE0) << "the JFIF segment comes first";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[6]), 5), std::string("JFIF", 5));
  const Decoded decoded = Decode(bytes);
  EXPECT_EQ(decoded.width, 40);
  EXPECT_EQ(decoded.height, 30);
  EXPECT_EQ(decoded.components, 3);
  EXPECT_TRUE(Near(decoded.at(5, 15), RGB(220, 0, 0)));
  EXPECT_TRUE(Near(decoded.at(34, 15), RGB(0, 0, 200)));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path), std::filesystem::directory_iterator()), 1)
      << "no temporary file is left";
}

TEST_F(JpegTest, AWindowIsCapturedWithItsFrameOrItsClientArea) {
  CWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, "Captured", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 240, 160, nullptr, nullptr));
  CRect window, client;
  wnd.GetWindowRect(&window);
  wnd.GetClientRect(&client);
  SECJpeg whole, inside;
  ASSERT_TRUE(whole.CreateFromWindow(&wnd));
  ASSERT_TRUE(inside.CreateFromWindow(&wnd, TRUE));
  EXPECT_EQ(whole.GetWidth(), window.Width());
  EXPECT_EQ(whole.GetHeight(), window.Height());
  EXPECT_EQ(inside.GetWidth(), client.Width());
  EXPECT_EQ(inside.GetHeight(), client.Height());
  EXPECT_EQ(inside.GetPixel(client.Width() / 2, client.Height() / 2),
            PixelAt(wnd, client.Width() / 2, client.Height() / 2));
  EXPECT_NE(whole.GetPixel(window.Width() / 2, 8), inside.GetPixel(client.Width() / 2, 8)) << "the caption is in";
  const auto path = folder_ / "window.jpeg";
  ASSERT_TRUE(whole.SaveImage(path.c_str()));
  EXPECT_EQ(Decode(ReadBytes(path)).width, window.Width());
  wnd.DestroyWindow();
  SECJpeg gone;
  EXPECT_FALSE(gone.CreateFromWindow(&wnd));
  EXPECT_FALSE(gone.CreateFromBitmap(HBITMAP(nullptr)));
}

TEST_F(JpegTest, FailedSavesSayWhyAndLeaveWhatWasThere) {
  SECJpeg empty;
  EXPECT_FALSE(empty.SaveImage((folder_ / "empty.jpeg").c_str()));
  EXPECT_EQ(empty.GetLastError(), CString("There is no image to save."));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "empty.jpeg"));

  CBitmap bitmap;
  ASSERT_TRUE(PaintRedBlue(bitmap));
  SECJpeg jpeg;
  ASSERT_TRUE(jpeg.CreateFromBitmap(HBITMAP(bitmap)));
  const auto missing = folder_ / "no" / "such" / "folder.jpeg";
  EXPECT_FALSE(jpeg.SaveImage(missing.c_str()));
  EXPECT_EQ(jpeg.GetLastError(), CString(("The file " + missing.string() + " could not be written.").c_str()));
  // A folder in the way stays, with what it holds, and no temporary file.
  const auto taken = folder_ / "taken.jpeg";
  std::filesystem::create_directories(taken);
  std::ofstream(taken / "keep.txt") << "kept";
  EXPECT_FALSE(jpeg.SaveImage(taken.c_str()));
  EXPECT_TRUE(std::filesystem::exists(taken / "keep.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 1);
}

}  // namespace
