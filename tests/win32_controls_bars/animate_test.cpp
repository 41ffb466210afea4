#include <cstdio>
#include <filesystem>
#include <fstream>

#include "avi_builder.h"
#include "bars_fixture.h"
#include "controls/animate_clip.h"
#include "internal/res_store.h"
#include "temp_folder.h"

namespace bars_test {
namespace {

using win32::controls::ParseAnimationClip;
using Animation = BarsTest;
using AnimationClips = ::testing::Test;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kWhite = 0xFFFFFF;

// Three solid 8 by 6 frames: red, green, blue, ten frames a second.
std::vector<BYTE> ThreeColourClip() {
  return AviBuilder(8, 6, 8).palette({kRed, kGreen, kBlue, kWhite}).solidFrame(0).solidFrame(1).solidFrame(2).build();
}

TEST_F(AnimationClips, UncompressedFramesDecodeTopRowFirst) {
  // A 2 by 2 frame, rows stored bottom first and padded to four bytes.
  std::vector<BYTE> eight{0, 1, 0, 0, 2, 3, 0, 0};
  auto clip8 = AviBuilder(2, 2, 8).palette({kRed, kGreen, kBlue, kWhite}).frame(eight).build();
  auto parsed = ParseAnimationClip(clip8.data(), clip8.size());
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->width, 2);
  EXPECT_EQ(parsed->height, 2);
  EXPECT_EQ(parsed->frameMilliseconds, 100u);
  ASSERT_EQ(parsed->frames.size(), 1u);
  EXPECT_THAT(parsed->frames[0], ::testing::ElementsAre(kBlue, kWhite, kRed, kGreen));
  std::vector<BYTE> bgr{0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
  auto clip24 = AviBuilder(2, 2, 24).microsecondsPerFrame(50000).frame(bgr).build();
  parsed = ParseAnimationClip(clip24.data(), clip24.size());
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->frameMilliseconds, 50u);
  EXPECT_THAT(parsed->frames[0], ::testing::ElementsAre(kBlue, kWhite, kRed, kGreen));
}

TEST_F(AnimationClips, RleFramesDrawOverThePreviousOne) {
  // Frame one: every row two pixels of index 1, then two of index 2.
  std::vector<BYTE> first{2, 1, 2, 2, 0, 0, 2, 1, 2, 2, 0, 1};
  // Frame two: skip to (1, 1) and put a literal run of two (3, 0).
  std::vector<BYTE> second{0, 2, 1, 1, 0, 3, 3, 0, 3, 0, 0, 1};
  auto bytes = AviBuilder(4, 2, 8, BI_RLE8).palette({kRed, kGreen, kBlue, kWhite}).frame(first).frame(second).build();
  auto clip = ParseAnimationClip(bytes.data(), bytes.size());
  ASSERT_TRUE(clip);
  ASSERT_EQ(clip->frames.size(), 2u);
  EXPECT_THAT(clip->frames[0], ::testing::ElementsAre(kGreen, kGreen, kBlue, kBlue, kGreen, kGreen, kBlue, kBlue));
  // The bottom row (stored first) is untouched; the top row changed.
  EXPECT_THAT(clip->frames[1], ::testing::ElementsAre(kGreen, kWhite, kRed, kWhite, kGreen, kGreen, kBlue, kBlue));
}

TEST_F(AnimationClips, GarbageFailsAndDamagedClipsKeepWhatDecodes) {
  std::string text = "RIFF....AVI not really";
  EXPECT_FALSE(ParseAnimationClip(reinterpret_cast<const BYTE*>(text.data()), text.size()));
  EXPECT_FALSE(ParseAnimationClip(nullptr, 0));
  std::vector<BYTE> clip = ThreeColourClip();
  for (size_t cut : {size_t{4}, size_t{12}, size_t{40}, size_t{200}}) {
    EXPECT_FALSE(ParseAnimationClip(clip.data(), cut)) << cut;
  }
  // Cut inside the second frame: the first one still shows.
  auto damaged = ParseAnimationClip(clip.data(), clip.size() - 60);
  ASSERT_TRUE(damaged);
  EXPECT_EQ(damaged->frameCount, 2);
  ASSERT_EQ(damaged->frames.size(), 1u);
  EXPECT_EQ(damaged->Frame(1), &damaged->frames[0]);
  // A codec it does not know: a clip with frames but nothing to show.
  auto unknown = AviBuilder(8, 6, 24, 0x64697663).frame(std::vector<BYTE>(10, 0)).build();
  auto opaque = ParseAnimationClip(unknown.data(), unknown.size());
  ASSERT_TRUE(opaque);
  EXPECT_EQ(opaque->frameCount, 1);
  EXPECT_EQ(opaque->Frame(0), nullptr);
}

struct AnimateParent {
  RecordingWindow window{"Animation"};

  std::vector<int> codes(int id) const {
    std::vector<int> out;
    for (const auto& c : window.commands()) {
      if (c.id == id) out.push_back(c.code);
    }
    return out;
  }
  COLORREF pixel(HWND control, int x, int y) const {
    UpdateWindow(window.hwnd());
    RECT r = RectInParent(control);
    HDC dc = GetDC(window.hwnd());
    COLORREF c = GetPixel(dc, r.left + x, r.top + y);
    ReleaseDC(window.hwnd(), dc);
    return c;
  }
};

const std::vector<BYTE>& RegisteredClip() {
  static const std::vector<BYTE> clip = ThreeColourClip();
  win32::internal::AddResource(GetModuleHandle(nullptr), "AVI", MAKEINTRESOURCE(174), clip.data(), clip.size());
  return clip;
}

TEST_F(Animation, PlaysResourceFramesOnTheClock) {
  RegisteredClip();
  AnimateParent parent;
  HWND anim = Child(parent.window.hwnd(), ANIMATE_CLASS, nullptr, 0, 106, {10, 10, 60, 60});
  EXPECT_TRUE(Animate_Open(anim, MAKEINTRESOURCE(174)));
  RECT r = ClientRectOf(anim);
  EXPECT_EQ(r.right, 8);
  EXPECT_EQ(r.bottom, 6);
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(255, 0, 0));
  EXPECT_FALSE(Animate_IsPlaying(anim));
  EXPECT_TRUE(Animate_Play(anim, 0, -1, -1));
  EXPECT_TRUE(Animate_IsPlaying(anim));
  EXPECT_THAT(parent.codes(106), ::testing::ElementsAre(ACN_START));
  robot.advance(100);
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(0, 255, 0));
  robot.advance(100);
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(0, 0, 255));
  robot.advance(100);
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(255, 0, 0));
  EXPECT_TRUE(Animate_Stop(anim));
  EXPECT_FALSE(Animate_IsPlaying(anim));
  robot.advance(500);
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(255, 0, 0));
  EXPECT_THAT(parent.codes(106), ::testing::ElementsAre(ACN_START, ACN_STOP));
}

TEST_F(Animation, ARepeatCountEndsThePlayWithAStop) {
  RegisteredClip();
  AnimateParent parent;
  HWND anim = Child(parent.window.hwnd(), ANIMATE_CLASS, nullptr, 0, 7, {10, 10, 60, 60});
  ASSERT_TRUE(Animate_Open(anim, MAKEINTRESOURCE(174)));
  EXPECT_TRUE(Animate_Play(anim, 1, 2, 2));
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(0, 255, 0));
  robot.advance(300);
  EXPECT_TRUE(Animate_IsPlaying(anim));
  robot.advance(100);
  EXPECT_FALSE(Animate_IsPlaying(anim));
  EXPECT_EQ(parent.pixel(anim, 2, 2), RGB(0, 0, 255));
  EXPECT_THAT(parent.codes(7), ::testing::ElementsAre(ACN_START, ACN_STOP));
  // A seek shows one frame without playing.
  EXPECT_TRUE(Animate_Seek(anim, 2));
  EXPECT_FALSE(SendMessage(anim, ACM_PLAY, 1, MAKELPARAM(2, 9)));
  EXPECT_FALSE(SendMessage(anim, ACM_PLAY, 1, MAKELPARAM(2, 1)));
}

TEST_F(Animation, CentredTransparentClipsFromAFileAutoPlay) {
  const halvane::test::TempFolder folder("bars_clip");
  const std::filesystem::path path = folder / "clip.avi";
  {
    std::vector<BYTE> clip = AviBuilder(4, 2, 8)
                                 .palette({kWhite, kBlue})
                                 .frame({0, 1, 1, 0, 0, 1, 1, 0})
                                 .frame({1, 1, 1, 1, 1, 1, 1, 1})
                                 .build();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(clip.data()), static_cast<std::streamsize>(clip.size()));
  }
  AnimateParent parent;
  HWND anim = Child(parent.window.hwnd(), ANIMATE_CLASS, nullptr, ACS_CENTER | ACS_TRANSPARENT | ACS_AUTOPLAY, 3,
                    {10, 10, 50, 30});
  ASSERT_TRUE(Animate_Open(anim, path.c_str()));
  EXPECT_EQ(ClientRectOf(anim).right, 40);
  EXPECT_TRUE(Animate_IsPlaying(anim));
  // The first pixel's colour (white) shows the parent's background.
  EXPECT_EQ(parent.pixel(anim, 18, 9), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(parent.pixel(anim, 19, 9), RGB(0, 0, 255));
  EXPECT_EQ(parent.pixel(anim, 2, 2), GetSysColor(COLOR_BTNFACE));
  DestroyWindow(anim);
}

TEST_F(Animation, GarbageAndMissingClipsFail) {
  AnimateParent parent;
  HWND anim = Child(parent.window.hwnd(), ANIMATE_CLASS, nullptr, 0, 3, {10, 10, 50, 30});
  EXPECT_FALSE(Animate_Open(anim, MAKEINTRESOURCE(999)));
  EXPECT_FALSE(Animate_Open(anim, "/nonexistent/clip.avi"));
  static const char garbage[] = "RIFFxxxxAVI LIST";
  win32::internal::AddResource(GetModuleHandle(nullptr), "AVI", MAKEINTRESOURCE(998), garbage, sizeof(garbage));
  EXPECT_FALSE(Animate_Open(anim, MAKEINTRESOURCE(998)));
  EXPECT_FALSE(Animate_Play(anim, 0, -1, -1));
  EXPECT_TRUE(Animate_Close(anim));
  EXPECT_TRUE(parent.codes(3).empty());
  DestroyWindow(anim);
  EXPECT_FALSE(Animate_Play(anim, 0, -1, -1));
  EXPECT_FALSE(Animate_IsPlaying(anim));
}

TEST_F(Animation, DestroyingAPlayingControlStopsItsTimer) {
  RegisteredClip();
  AnimateParent parent;
  HWND anim = Child(parent.window.hwnd(), ANIMATE_CLASS, nullptr, 0, 3, {10, 10, 50, 30});
  ASSERT_TRUE(Animate_Open(anim, MAKEINTRESOURCE(174)));
  Animate_Play(anim, 0, -1, -1);
  DestroyWindow(anim);
  robot.advance(300);
  EXPECT_FALSE(IsWindow(anim));
}

}  // namespace
}  // namespace bars_test
