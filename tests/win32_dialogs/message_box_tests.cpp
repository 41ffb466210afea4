// The system message box: button sets, answers, Escape, icons, layout.
#include <algorithm>

#include "dialog_fixture.h"
#include "robot.h"

namespace {

constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 20;

struct ButtonSet {
  UINT type;
  std::vector<int> ids;
  std::vector<std::string> labels;
};

const std::vector<ButtonSet>& ButtonSets() {
  static const std::vector<ButtonSet> sets{
      {MB_OK, {IDOK}, {"OK"}},
      {MB_OKCANCEL, {IDOK, IDCANCEL}, {"OK", "Cancel"}},
      {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, {"&Abort", "&Retry", "&Ignore"}},
      {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, {"&Yes", "&No", "Cancel"}},
      {MB_YESNO, {IDYES, IDNO}, {"&Yes", "&No"}},
      {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, {"&Retry", "Cancel"}},
      {MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, {"Cancel", "&Try Again", "&Continue"}},
  };
  return sets;
}

RECT RectIn(HWND dlg, int id) {
  RECT rc{};
  GetWindowRect(GetDlgItem(dlg, id), &rc);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class MessageBoxTest : public DialogTest {
 protected:
  void Key(UINT vk) {
    Then([vk](HWND) { Press(vk); });
  }
};

TEST_F(MessageBoxTest, EveryButtonSetShowsItsButtonsInOrderAndAnswersTheirIds) {
  for (const ButtonSet& set : ButtonSets()) {
    for (int pressed : set.ids) {
      std::vector<int> ids;
      std::vector<std::string> labels;
      Then([&](HWND box) {
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
          char cls[16] = {};
          GetClassName(c, cls, sizeof cls);
          if (std::string(cls) != "Button") continue;
          ids.push_back(GetDlgCtrlID(c));
          labels.push_back(TextOf(c));
        }
        SendMessage(GetDlgItem(box, pressed), BM_CLICK, 0, 0);
      });
      EXPECT_EQ(pressed, MessageBox(nullptr, "Text", "Caption", set.type)) << set.type;
      EXPECT_EQ(set.ids, ids) << set.type;
      EXPECT_EQ(set.labels, labels) << set.type;
    }
  }
}

TEST_F(MessageBoxTest, TheRobotReadsTextAndCaption) {
  std::string text;
  std::string caption;
  std::string defaultCaption;
  Then([&](HWND box) {
    text = TextOf(GetDlgItem(box, kTextId));
    caption = TextOf(box);
    Press(VK_RETURN);
  });
  MessageBox(nullptr, "Disk is full.", "Saving", MB_OK);
  Then([&](HWND box) {
    defaultCaption = TextOf(box);
    Press(VK_RETURN);
  });
  MessageBox(nullptr, nullptr, nullptr, MB_OK);
  EXPECT_EQ("Disk is full.", text);
  EXPECT_EQ("Saving", caption);
  EXPECT_EQ("Error", defaultCaption);
}

TEST_F(MessageBoxTest, EscapeAndCloseAnswerCancelOnlyWhenThereIsOne) {
  Key(VK_ESCAPE);
  EXPECT_EQ(IDOK, MessageBox(nullptr, "t", "c", MB_OK));  // a lone OK answers Escape
  Key(VK_ESCAPE);
  EXPECT_EQ(IDCANCEL, MessageBox(nullptr, "t", "c", MB_OKCANCEL));
  Then([](HWND) { PressWith(VK_MENU, VK_F4); });
  EXPECT_EQ(IDCANCEL, MessageBox(nullptr, "t", "c", MB_YESNOCANCEL));

  bool open = false;
  Key(VK_ESCAPE);
  Then([](HWND box) { PostMessage(box, WM_CLOSE, 0, 0); });
  Then([](HWND) { PressWith(VK_MENU, VK_F4); });
  Then([&](HWND box) {
    open = IsWindowVisible(box) != FALSE;
    SendMessage(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(IDNO, MessageBox(nullptr, "t", "c", MB_YESNO));
  EXPECT_TRUE(open);
  Key(VK_ESCAPE);
  Then([](HWND box) { SendMessage(GetDlgItem(box, IDIGNORE), BM_CLICK, 0, 0); });
  EXPECT_EQ(IDIGNORE, MessageBox(nullptr, "t", "c", MB_ABORTRETRYIGNORE));
}

TEST_F(MessageBoxTest, TheDefaultButtonHasTheFocusAndTakesEnter) {
  int focus = 0;
  bool noIsDefault = false;
  Then([&](HWND box) {
    focus = FocusId();
    noIsDefault = (StyleOf(GetDlgItem(box, IDNO)) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    Press(VK_RETURN);
  });
  EXPECT_EQ(IDNO, MessageBox(nullptr, "t", "c", MB_YESNOCANCEL | MB_DEFBUTTON2));
  EXPECT_EQ(IDNO, focus);
  EXPECT_TRUE(noIsDefault);
  Key(VK_RETURN);  // no fourth button: the first is the default
  EXPECT_EQ(IDYES, MessageBox(nullptr, "t", "c", MB_YESNOCANCEL | MB_DEFBUTTON4));
  Key(VK_TAB);
  Key(VK_RETURN);
  EXPECT_EQ(IDCANCEL, MessageBox(nullptr, "t", "c", MB_OKCANCEL));
}

TEST_F(MessageBoxTest, IconsAreTheSystemIconsAndAbsentWithoutAStyle) {
  const std::vector<std::pair<UINT, LPCSTR>> icons{{MB_ICONHAND, IDI_HAND},
                                                   {MB_ICONQUESTION, IDI_QUESTION},
                                                   {MB_ICONEXCLAMATION, IDI_EXCLAMATION},
                                                   {MB_ICONASTERISK, IDI_ASTERISK}};
  for (const auto& [style, idi] : icons) {
    HICON shown = nullptr;
    DWORD type = 0;
    Then([&](HWND box) {
      HWND icon = GetDlgItem(box, kIconId);
      shown = reinterpret_cast<HICON>(SendMessage(icon, STM_GETICON, 0, 0));
      type = StyleOf(icon) & SS_TYPEMASK;
      Press(VK_RETURN);
    });
    MessageBox(nullptr, "t", "c", MB_OK | style);
    EXPECT_EQ(LoadIcon(nullptr, idi), shown) << style;
    EXPECT_EQ(static_cast<DWORD>(SS_ICON), type) << style;
  }
  HWND icon = reinterpret_cast<HWND>(1);
  Then([&](HWND box) {
    icon = GetDlgItem(box, kIconId);
    Press(VK_RETURN);
  });
  MessageBox(nullptr, "t", "c", MB_OK);
  EXPECT_EQ(nullptr, icon);
}

TEST_F(MessageBoxTest, UnknownBitsAndSetsAreTolerated) {
  std::vector<int> buttons;
  Then([&](HWND box) {
    for (int id = IDOK; id <= IDCONTINUE; ++id) {
      if (GetDlgItem(box, id)) buttons.push_back(id);
    }
    Press(VK_RETURN);
  });
  EXPECT_EQ(IDOK, MessageBox(nullptr, "t", "c", 0xFFF00000u | 0x0Fu));
  EXPECT_EQ(std::vector<int>{IDOK}, buttons);
}

TEST_F(MessageBoxTest, TheOwnerIsDisabledWhileTheBoxIsUp) {
  HWND owner = MakeOwner();
  bool enabled = true;
  Then([&](HWND box) {
    enabled = IsWindowEnabled(owner) != FALSE;
    EXPECT_EQ(owner, GetWindow(box, GW_OWNER));
    Press(VK_RETURN);
  });
  MessageBox(owner, "t", "c", MB_OK);
  EXPECT_FALSE(enabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(MessageBoxTest, ButtonsAreOfOneSizeCentredUnderWrappedText) {
  const std::string longText(400, 'x');
  const std::string words = [] {
    std::string s;
    for (int i = 0; i < 80; ++i) s += "word ";
    return s;
  }();
  RECT text{};
  RECT yes{};
  RECT no{};
  RECT cancel{};
  RECT client{};
  Then([&](HWND box) {
    text = RectIn(box, kTextId);
    yes = RectIn(box, IDYES);
    no = RectIn(box, IDNO);
    cancel = RectIn(box, IDCANCEL);
    GetClientRect(box, &client);
    Press(VK_ESCAPE);
  });
  MessageBox(nullptr, words.c_str(), "Layout", MB_YESNOCANCEL | MB_ICONQUESTION);
  EXPECT_LE(text.right - text.left, GetSystemMetrics(SM_CXSCREEN) * 5 / 8);
  EXPECT_GT(text.bottom - text.top, 3 * 8);  // several lines
  EXPECT_EQ(yes.right - yes.left, no.right - no.left);
  EXPECT_EQ(yes.bottom - yes.top, cancel.bottom - cancel.top);
  EXPECT_EQ(yes.top, cancel.top);
  EXPECT_GT(yes.top, text.bottom);
  EXPECT_LE(std::abs((yes.left + cancel.right) / 2 - client.right / 2), 1);
  EXPECT_GE(yes.right - yes.left, 70);  // about 75 x 23 at the classic font
  EXPECT_GE(yes.bottom - yes.top, 20);
}

TEST_F(MessageBoxTest, SnapshotOfAYesNoCancelWarning) {
  Then([&](HWND box) {
    halvane::test::Snapshot(box, "message_box_warning");
    Press(VK_ESCAPE);
  });
  EXPECT_EQ(IDCANCEL, MessageBox(nullptr, "The document has been changed.\nDo you want to save the changes?", "Orders",
                                 MB_ICONEXCLAMATION | MB_YESNOCANCEL));
}

}  // namespace
