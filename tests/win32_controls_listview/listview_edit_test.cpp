// Editing labels in place: starting with F2, a second click or the
// message, ending with Enter, Escape or the loss of the focus.
#include "listview_fixture.h"

namespace listview_test {
namespace {

using halvane::test::Window;

class LabelEditTest : public ListViewTest {
 protected:
  HWND Editable() {
    HWND list = MakeList(LVS_REPORT | LVS_EDITLABELS, {{"Name", 120}});
    AddRows(list, 3);
    robot.clickListViewItem(Window(list), 1);
    robot.advance(1000);  // the next click is not a double click
    ClearLog();
    return list;
  }
};

TEST_F(LabelEditTest, F2EditsTheFocusedLabelAndEnterKeepsTheText) {
  HWND list = Editable();
  Log().answerCode = LVN_ENDLABELEDIT;
  Log().answer = TRUE;
  robot.key(VK_F2);
  HWND editor = ListView_GetEditControl(list);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(GetFocus(), editor);
  EXPECT_EQ(Window(editor).text(), "Item 1");
  std::vector<Notice> begin = Notices({LVN_BEGINLABELEDIT});
  ASSERT_EQ(begin.size(), 1u);
  EXPECT_EQ(begin[0].item, 1);
  EXPECT_EQ(begin[0].text, "Item 1");
  robot.type("Renamed");
  robot.key(VK_RETURN);
  EXPECT_EQ(ListView_GetEditControl(list), nullptr);
  EXPECT_FALSE(IsWindow(editor));
  std::vector<Notice> end = Notices({LVN_ENDLABELEDIT});
  ASSERT_EQ(end.size(), 1u);
  EXPECT_EQ(end[0].text, "Renamed");
  EXPECT_EQ(ItemText(list, 1), "Renamed");
  EXPECT_EQ(GetFocus(), list);
}

TEST_F(LabelEditTest, TheParentDecidesWhetherTheNewTextStays) {
  HWND list = Editable();
  robot.key(VK_F2);
  robot.type("Refused");
  robot.key(VK_RETURN);
  EXPECT_EQ(Notices({LVN_ENDLABELEDIT}).at(0).text, "Refused");
  EXPECT_EQ(ItemText(list, 1), "Item 1") << "the parent answered FALSE";
}

TEST_F(LabelEditTest, EscapeDropsTheEdit) {
  HWND list = Editable();
  Log().answerCode = LVN_ENDLABELEDIT;
  Log().answer = TRUE;
  robot.key(VK_F2);
  robot.type("Dropped");
  robot.key(VK_ESCAPE);
  EXPECT_EQ(ListView_GetEditControl(list), nullptr);
  EXPECT_EQ(Notices({LVN_ENDLABELEDIT}).at(0).text, "(none)");
  EXPECT_EQ(ItemText(list, 1), "Item 1");
}

TEST_F(LabelEditTest, ARefusedBeginOpensNoEditor) {
  HWND list = Editable();
  Log().answerCode = LVN_BEGINLABELEDIT;
  Log().answer = TRUE;
  EXPECT_EQ(ListView_EditLabel(list, 0), nullptr);
  EXPECT_EQ(ListView_GetEditControl(list), nullptr);
  EXPECT_EQ(ListView_EditLabel(list, 9), nullptr);
}

TEST_F(LabelEditTest, ASecondClickOnTheFocusedLabelEditsAfterTheDoubleClickTime) {
  HWND list = Editable();
  robot.clickListViewItem(Window(list), 1);
  EXPECT_EQ(ListView_GetEditControl(list), nullptr) << "it waits for a double click first";
  robot.advance(GetDoubleClickTime() + 10);
  EXPECT_NE(ListView_GetEditControl(list), nullptr);
}

TEST_F(LabelEditTest, LosingTheFocusEndsTheEditAndKeepsTheText) {
  HWND list = Editable();
  Log().answerCode = LVN_ENDLABELEDIT;
  Log().answer = TRUE;
  HWND editor = ListView_EditLabel(list, 1);
  ASSERT_NE(editor, nullptr);
  robot.type("Kept");
  SetFocus(parent_);
  robot.pumpUntilIdle();
  EXPECT_EQ(ListView_GetEditControl(list), nullptr);
  EXPECT_EQ(ItemText(list, 1), "Kept");
}

TEST_F(LabelEditTest, WithoutTheStyleNeitherClicksNorF2Edit) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 120}});
  AddRows(list, 2);
  robot.clickListViewItem(Window(list), 0);
  robot.advance(1000);
  robot.clickListViewItem(Window(list), 0);
  robot.advance(GetDoubleClickTime() + 10);
  robot.key(VK_F2);
  EXPECT_EQ(ListView_GetEditControl(list), nullptr);
  EXPECT_TRUE(Notices({LVN_BEGINLABELEDIT}).empty());
}

}  // namespace
}  // namespace listview_test
