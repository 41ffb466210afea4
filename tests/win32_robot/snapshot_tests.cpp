// PNG snapshots of the order dialog and of a message box with an icon, for
// people to look at; the tests check that real images were written.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include <windows.h>

#include "order_dialog.h"
#include "resource.h"
#include "robot_test.h"

namespace halvane::test {
namespace {

// Width and height from the PNG header, or {0, 0} when the file is no PNG.
SIZE PngSize(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!in || !std::equal(std::begin(signature), std::end(signature), header)) return {0, 0};
  const auto word = [&](int at) {
    return static_cast<LONG>(header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3]);
  };
  return {word(16), word(20)};
}

void ExpectSnapshotOf(const std::filesystem::path& path, Window window) {
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.filename().extension(), ".png");
  EXPECT_EQ(path.parent_path().filename(), ::testing::UnitTest::GetInstance()->current_test_suite()->name());
  const RECT r = window.rect();
  const SIZE size = PngSize(path);
  EXPECT_EQ(size.cx, r.right - r.left);
  EXPECT_EQ(size.cy, r.bottom - r.top);
}

using SnapshotTest = RobotTest;

TEST_F(SnapshotTest, OrderDialog) {
  robot.onDialog(demo::kOrderTitle, [](Robot& r, Window dlg) {
    r.type("Ada Lovelace");
    r.click(dlg.child(IDC_GIFT));
    r.click(dlg.child(IDC_RAIL));
    r.select(dlg.child(IDC_SIZES), "Medium");
    r.click(dlg.child(IDC_NAME));
    ExpectSnapshotOf(r.snapshot(dlg, "order-dialog"), dlg);
    r.key(VK_ESCAPE);
  });
  demo::OrderDialog order;
  EXPECT_EQ(order.run(), IDCANCEL);
}

TEST_F(SnapshotTest, MessageBoxWithIcon) {
  robot.onDialog("Save Changes", [](Robot& r, Window box) {
    ExpectSnapshotOf(r.snapshot(box, "message-box-question"), box);
    r.click(box.child(IDCANCEL));
  });
  EXPECT_EQ(MessageBox(nullptr, "The order has changed.\nDo you want to save the changes?", "Save Changes",
                       MB_YESNOCANCEL | MB_ICONQUESTION),
            IDCANCEL);
}

TEST_F(SnapshotTest, ErrorMessageBox) {
  robot.onDialog("Order Error", [](Robot& r, Window box) {
    ExpectSnapshotOf(r.snapshot(box, "message-box-error"), box);
    r.key(VK_RETURN);
  });
  EXPECT_EQ(MessageBox(nullptr, "The quantity must be a whole number.", "Order Error", MB_OK | MB_ICONERROR), IDOK);
}

}  // namespace
}  // namespace halvane::test
