// The printf-style message box, the refusals the name rules show, and the
// decimal text helper.
#include <windows.h>

#include <string>

#include "UtilFunc.h"
#include "UtilMessageBox.h"
#include "robot_test.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr int kTextId = 0xFFFF;

class UtilMessageBoxTest : public halvane::test::RobotTest {
 protected:
  // Answers the next box with `button`, keeping its text and icon style.
  void Answer(int button) {
    robot.onDialog("utils_tests", [this, button](Robot&, Window box) {
      text_ = box.child(kTextId).text();
      boxes_++;
      SendMessage(box.hwnd(), WM_COMMAND, button, 0);
    });
  }

  std::string text_;
  int boxes_ = 0;
};

TEST_F(UtilMessageBoxTest, FormatsTheTextAndAnswersThePressedButton) {
  Answer(IDNO);
  CString server = "HalvaneServer";
  int answer = FormatMessageBox(MB_YESNO, "Connection to the server '%s' failed for user '%s'", server, "admin");
  EXPECT_EQ(IDNO, answer);
  EXPECT_EQ("Connection to the server 'HalvaneServer' failed for user 'admin'", text_);
}

TEST_F(UtilMessageBoxTest, StyleZeroIsAnInformationBoxWithOk) {
  Answer(IDOK);
  EXPECT_EQ(IDOK, FormatMessageBox(0, "Row %d of %s", 3, "100%"));
  EXPECT_EQ("Row 3 of 100%", text_);
}

TEST_F(UtilMessageBoxTest, UserTextPassedThroughPercentSIsNotReadAsAFormat) {
  Answer(IDOK);
  FormatMessageBox(0, "%s", "50% %d %s");
  EXPECT_EQ("50% %d %s", text_);
}

TEST_F(UtilMessageBoxTest, ARefusedNameShowsItsFaultOnlyWhenAskedAndGivenNoOutput) {
  Answer(IDOK);
  EXPECT_FALSE(CUtilFunc::ValidateName(HvObjConnector, "bad name", TRUE, nullptr));
  EXPECT_EQ(1, boxes_);
  EXPECT_NE(std::string::npos, text_.find("\" \""));

  CString msg;
  EXPECT_FALSE(CUtilFunc::ValidateName(HvObjBusObj, "bad name", TRUE, &msg));
  EXPECT_FALSE(CUtilFunc::ValidateName(HvObjBusObj, "bad name", FALSE, nullptr));
  EXPECT_TRUE(CUtilFunc::ValidateName(HvObjBusObj, "good_name", TRUE, nullptr));
  EXPECT_EQ(1, boxes_);
}

TEST(HLFormatInt, GivesTheDecimalText) {
  EXPECT_EQ(CString("0"), HLFormatInt(0));
  EXPECT_EQ(CString("-2147483648"), HLFormatInt(-2147483647 - 1));
  EXPECT_EQ(CString("42"), HLFormatInt(42));
}

}  // namespace
