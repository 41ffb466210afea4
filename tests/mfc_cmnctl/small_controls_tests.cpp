// The progress bar, animation and spin-button wrappers over their controls.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "avi_builder.h"
#include "cmnctl_fixture.h"

namespace {

using SmallControlTest = CmnCtlTest;

TEST_F(SmallControlTest, ProgressRangeStepsAndClamps) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Progress"));
  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_VISIBLE | PBS_SMOOTH, CRect(10, 10, 210, 30), &parent, 7));
  EXPECT_EQ(progress.GetDlgCtrlID(), 7);
  progress.SetRange32(-50, 250);
  int low = 0, high = 0;
  progress.GetRange(low, high);
  EXPECT_EQ(low, -50);
  EXPECT_EQ(high, 250);
  progress.SetRange(0, 100);
  progress.GetRange(low, high);
  EXPECT_EQ(high, 100);
  EXPECT_EQ(progress.SetPos(40), 0) << "the previous position";
  EXPECT_EQ(progress.OffsetPos(15), 40);
  EXPECT_EQ(progress.GetPos(), 55);
  progress.SetStep(30);
  EXPECT_EQ(progress.StepIt(), 55);
  EXPECT_EQ(progress.GetPos(), 85);
  progress.SetPos(500);
  EXPECT_EQ(progress.GetPos(), 100) << "clamped to the range";
  parent.DestroyWindow();
}

TEST_F(SmallControlTest, SpinRangeBuddyBaseAndAccelerators) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Spin"));
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 80, 30), &parent, 1));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(0, 0, 16, 20), &parent, 2));
  EXPECT_EQ(spin.GetBuddy(), nullptr);
  spin.SetBuddy(&edit);
  EXPECT_EQ(spin.GetBuddy(), &edit);
  spin.SetRange(-5, 20);
  int low = 0, high = 0;
  spin.GetRange(low, high);
  EXPECT_EQ(low, -5);
  EXPECT_EQ(high, 20);
  spin.SetPos(12);
  CString text;
  edit.GetWindowText(text);
  EXPECT_EQ(std::string(text), "12") << "the buddy shows the position";
  edit.SetWindowText("7");
  EXPECT_EQ(LOWORD(spin.GetPos()), 7) << "the position is read back from the buddy";
  EXPECT_EQ(HIWORD(spin.GetPos()), 0);
  spin.SetRange32(0, 100000);
  spin.GetRange32(low, high);
  EXPECT_EQ(high, 100000);
  spin.SetPos32(70000);
  BOOL error = TRUE;
  EXPECT_EQ(spin.GetPos32(&error), 70000);
  EXPECT_FALSE(error);
  EXPECT_EQ(spin.SetBase(16), 10);
  EXPECT_EQ(spin.GetBase(), 16u);
  UDACCEL accel[2] = {{0, 1}, {2, 5}};
  EXPECT_TRUE(spin.SetAccel(2, accel));
  UDACCEL back[2] = {};
  EXPECT_EQ(spin.GetAccel(2, back), 2u);
  EXPECT_EQ(back[1].nInc, 5u);
  parent.DestroyWindow();
}

// A clip of three solid frames written to a file for the test.
class ClipFile {
 public:
  ClipFile()
      : path_(std::filesystem::temp_directory_path() / ("mfc_cmnctl_clip_" + std::to_string(::getpid()) + ".avi")) {
    auto bytes = bars_test::AviBuilder(8, 6, 8)
                     .palette({0xFF0000, 0x00FF00, 0x0000FF})
                     .solidFrame(0)
                     .solidFrame(1)
                     .solidFrame(2)
                     .build();
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  ~ClipFile() { std::filesystem::remove(path_); }
  ClipFile(const ClipFile&) = delete;
  ClipFile& operator=(const ClipFile&) = delete;
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

TEST_F(SmallControlTest, AnimationOpensPlaysStopsAndCloses) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Animation"));
  CAnimateCtrl animate;
  ASSERT_TRUE(animate.Create(WS_VISIBLE | ACS_TRANSPARENT, CRect(10, 10, 40, 40), &parent, 3));
  EXPECT_FALSE(animate.Open("/no/such/clip.avi"));
  EXPECT_FALSE(animate.Play(0, 0xFFFF, 1)) << "nothing open";
  ClipFile clip;
  ASSERT_TRUE(animate.Open(clip.path().c_str()));
  EXPECT_TRUE(animate.Play(0, 0xFFFF, static_cast<UINT>(-1)));
  EXPECT_TRUE(animate.IsPlaying());
  robot.advance(1000);
  EXPECT_TRUE(animate.IsPlaying()) << "repeats forever";
  EXPECT_TRUE(animate.Stop());
  EXPECT_FALSE(animate.IsPlaying());
  EXPECT_TRUE(animate.Play(0, 2, 1));
  robot.advance(1000);
  EXPECT_FALSE(animate.IsPlaying()) << "one pass ends by itself";
  EXPECT_TRUE(animate.Seek(1));
  EXPECT_TRUE(animate.Close());
  EXPECT_FALSE(animate.Seek(1)) << "closed";
  parent.DestroyWindow();
}

}  // namespace
